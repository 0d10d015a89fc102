#pragma once

#include "FakeClock.h"
#include "FakeDesktopAnimations.h"
#include "FakeDialogService.h"
#include "FakeLauncher.h"
#include "FakeLogonName.h"
#include "FakeMessageBoxService.h"
#include "codec/QtImageWriter.h"
#include "files/SaveJournal.h"
#include "platform/DialogOwner.h"
#include "platform/Services.h"

#include <QSettings>
#include <QTemporaryDir>

// All fakes together, and the Services bundle that hands them to the program.
struct FakeServices
{
    DialogOwner dialogOwner;
    FakeDialogService dialogs;
    FakeMessageBoxService messages;
    FakeLauncher launcher;
    FakeLogonName logonName;
    // Pictures are encoded for real: tests read back what a user would get.
    QtImageWriter imageWriter;
    QTemporaryDir settingsDir;
    QSettings settings{settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    FakeDesktopAnimations animations;
    FakeClock clock;
    SaveJournal journal{settingsDir.filePath(QStringLiteral("journal"))};
    Services services{dialogOwner, dialogs,  messages,   launcher, logonName,
                      imageWriter, settings, animations, journal,  clock};
};
