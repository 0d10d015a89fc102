#pragma once

#include "platform/DialogService.h"

class QWidget;

// Qt's own colour, font and file dialogs, owned by the given window or else by the window
// that is active when one is asked for.
class QtDialogService final : public DialogService
{
public:
    explicit QtDialogService(QWidget *parent = nullptr);

    std::optional<QColor> chooseColor(const QColor &initial, qint32 flags) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial, qint32 flags) override;
    std::optional<QString> chooseSaveFileName(const SaveRequest &request) override;

private:
    QWidget *owner() const;

    QWidget *m_parent;
};
