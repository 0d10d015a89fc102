#pragma once

#include "platform/DialogService.h"

#include <QFileDialog>

class QCheckBox;

// Qt's own save dialog rather than the desktop's, so that it can carry the read-only check
// box the window has always shown after a colour command.
class SaveFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    using ReadOnlyBox = DialogService::ReadOnlyBox;

    explicit SaveFileDialog(const DialogService::SaveRequest &request, QWidget *parent = nullptr);

    QCheckBox *readOnlyBox() const { return m_readOnly; }

private:
    void followFilter(const QString &filter);

    QCheckBox *m_readOnly = nullptr;
};
