#pragma once

#include "platform/DialogService.h"

class DialogOwner;

// Qt's own colour, font and file dialogs, each a child of the window they belong to.
class QtDialogService final : public DialogService
{
public:
    explicit QtDialogService(const DialogOwner &owner);

    std::optional<QColor> chooseColour(const ColourRequest &request) override;
    std::optional<FontChoice> chooseFont(const FontRequest &request) override;
    std::optional<QString> chooseSaveFileName(const SaveRequest &request) override;
    std::optional<QString> chooseOpenFileName(const QString &title, const QString &filter) override;
    std::optional<QString> chooseFolder(const QString &title) override;

private:
    const DialogOwner &m_owner;
};
