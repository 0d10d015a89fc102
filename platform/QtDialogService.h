#pragma once

#include "platform/DialogService.h"

class QWidget;

// Qt's own colour, font and file dialogs, parented to the window that asks.
class QtDialogService final : public DialogService
{
public:
    explicit QtDialogService(QWidget *parent = nullptr);

    std::optional<QColor> chooseColor(const QColor &initial, qint32 flags) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial, qint32 flags) override;
    std::optional<QString> chooseSaveFileName(const SaveRequest &request) override;

    void setParentWidget(QWidget *parent) { m_parent = parent; }

private:
    QWidget *m_parent;
};
