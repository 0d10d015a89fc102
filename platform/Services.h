#pragma once

class Clock;
class DesktopAnimations;
class DialogOwner;
class DialogService;
class ImageWriter;
class LogonNameService;
class MessageBoxService;
class ProcessLauncher;
class QSettings;
class SaveJournal;

// The platform services the program's logic works through. The application hands in the
// real ones; tests hand in scripted fakes.
struct Services
{
    DialogOwner &dialogOwner;
    DialogService &dialogs;
    MessageBoxService &messages;
    ProcessLauncher &launcher;
    LogonNameService &logonName;
    ImageWriter &imageWriter;
    // What is remembered between runs: the recently used roll files and the export settings.
    QSettings &settings;
    DesktopAnimations &animations;
    // Keeps a file's old bytes while a save overwrites it where it stands, in the user's data
    // folder.
    const SaveJournal &saveJournal;
    // Real time, for what plays on screen.
    const Clock &clock;
};
