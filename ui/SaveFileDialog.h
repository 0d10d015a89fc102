#pragma once

#include "platform/DialogService.h"

#include <QFileDialog>

class QCheckBox;

// Qt's own save dialog rather than the desktop's, so that it can carry the read-only check
// box the dialog object's flags speak of.
class SaveFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    // Flag bits of the dialog object that a save dialog reads.
    static constexpr qint32 kReadOnly = 0x1;
    static constexpr qint32 kHideReadOnly = 0x4;

    explicit SaveFileDialog(const DialogService::SaveRequest &request, QWidget *parent = nullptr);

    QCheckBox *readOnlyBox() const { return m_readOnly; }

private:
    void followFilter(const QString &filter);

    QCheckBox *m_readOnly = nullptr;
};
