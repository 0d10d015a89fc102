#pragma once

#include "FakeDialogService.h"
#include "FakeLauncher.h"
#include "FakeLogonName.h"
#include "FakeMessageBoxService.h"
#include "platform/Services.h"

// All fakes together, and the Services bundle that hands them to the program.
struct FakeServices
{
    FakeDialogService dialogs;
    FakeMessageBoxService messages;
    FakeLauncher launcher;
    FakeLogonName logonName;
    Services services{dialogs, messages, launcher, logonName};
};
