#pragma once

#include "platform/MessageBoxService.h"

class QtMessageBoxService final : public MessageBoxService
{
public:
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    void tell(const QString &title, const QString &text, Icon icon) override;
};
