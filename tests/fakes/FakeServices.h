#pragma once

#include "FakeDialogService.h"
#include "FakeImageWriter.h"
#include "FakeLauncher.h"
#include "FakeLogonName.h"
#include "FakeMessageBoxService.h"
#include "platform/QtWindowCapture.h"
#include "platform/Services.h"

// All fakes together, and the Services bundle that hands them to the program.
struct FakeServices
{
    FakeDialogService dialogs;
    FakeMessageBoxService messages;
    FakeLauncher launcher;
    FakeLogonName logonName;
    // Pictures are taken for real: tests check the pixels a user would get.
    QtWindowCapture windowCapture;
    FakeImageWriter imageWriter;
    Services services{dialogs, messages, launcher, logonName, windowCapture, imageWriter};
};
