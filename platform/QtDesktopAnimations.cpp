#include "platform/QtDesktopAnimations.h"

#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

bool askDesktop()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return QApplication::isEffectEnabled(Qt::UI_General);
#else
    const QString kdeGlobals =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (!kdeGlobals.isEmpty() && QSettings(kdeGlobals, QSettings::IniFormat)
                                         .value(QStringLiteral("KDE/AnimationDurationFactor"), 1.0)
                                         .toDouble() == 0.0)
        return false;
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty())
        return true;
    QProcess process;
    process.start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                              QStringLiteral("enable-animations")});
    // A desktop that does not answer at once is not waited for: the roll turns.
    if (!process.waitForFinished(500)) {
        process.kill();
        process.waitForFinished(100);
        return true;
    }
    return process.readAllStandardOutput().trimmed() != "false";
#endif
}

} // namespace

bool QtDesktopAnimations::enabled() const
{
    if (!m_enabled)
        m_enabled = askDesktop();
    return *m_enabled;
}
