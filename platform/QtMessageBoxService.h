#pragma once

#include "platform/MessageBoxService.h"

class DialogOwner;

// Qt's message boxes, each a child of the window it belongs to.
class QtMessageBoxService final : public MessageBoxService
{
public:
    explicit QtMessageBoxService(const DialogOwner &owner);

    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    int ask(const QString &title, const QString &text, Icon icon, const QStringList &buttons,
            int defaultButton) override;
    void tell(const QString &title, const QString &text, Icon icon) override;

private:
    const DialogOwner &m_owner;
};
