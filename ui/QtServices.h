#pragma once

#include "codec/QtImageWriter.h"
#include "identity/AppIdentity.h"
#include "platform/DesktopLauncher.h"
#include "platform/DialogOwner.h"
#include "platform/QtClock.h"
#include "platform/QtDesktopAnimations.h"
#include "platform/QtMessageBoxService.h"
#include "platform/Services.h"
#include "platform/SystemLogonName.h"
#include "ui/QtDialogService.h"

#include <QSettings>

// The real platform services, owned together, for the program and the benchmarks. The save
// journal belongs to the files layer and is handed in.
class QtServices
{
public:
    explicit QtServices(const SaveJournal &journal)
        : m_services{m_owner,       m_dialogs,  m_messages,   m_launcher, m_logonName,
                     m_imageWriter, m_settings, m_animations, journal,    m_clock}
    {}
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    Services &services() { return m_services; }

private:
    DialogOwner m_owner;
    QtDialogService m_dialogs{m_owner};
    QtMessageBoxService m_messages{m_owner};
    DesktopLauncher m_launcher;
    SystemLogonName m_logonName;
    QtImageWriter m_imageWriter;
    // Under the program's own name for organisation and application alike. Set here rather
    // than on the application, whose names also name the data folder, which stays where it is.
    QSettings m_settings{QSettings::UserScope, kAppTitle, kAppTitle};
    QtDesktopAnimations m_animations;
    QtClock m_clock;
    Services m_services;
};
