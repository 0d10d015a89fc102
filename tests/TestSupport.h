#pragma once

#include "FakeServices.h"
#include "ModelSupport.h"
#include "app/AppController.h"
#include "app/SplashWindow.h"
#include "composer/MainWindow.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

inline QImage grabbed(QWidget *widget)
{
    return rgb(widget->grab().toImage());
}

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// The same fonts and the same Qt catalogue as the program gets at start-up, so pixel checks see
// what a user sees and Qt's dialogs speak Japanese as they do for the user.
inline void prepareTestApplication()
{
    installQtTranslations(*QCoreApplication::instance());
    installFonts();
}

template <class T = QWidget> T *named(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QString::fromLatin1(name));
}

// Acts on the modal dialog of the given kind as soon as it is up, as a user would.
template <class Dialog> void whenOpen(std::function<void(Dialog *)> act, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [act, attemptsLeft] {
        if (auto *dialog = dynamic_cast<Dialog *>(QApplication::activeModalWidget()))
            act(dialog);
        else if (attemptsLeft > 0)
            whenOpen<Dialog>(act, attemptsLeft - 1);
    });
}

// A dialog without the button is closed all the same, so a failing test cannot hang; the
// missing answer then shows in the result.
inline void clickButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    // Its own buttons, not those of a chooser embedded in it.
    auto *box = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (!box)
        box = dialog->findChild<QDialogButtonBox *>();
    if (QPushButton *button = box ? box->button(which) : nullptr)
        click(button);
    else
        dialog->reject();
}

// The main window on scripted services, shown and active as a user meets it.
struct FakedMainWindow
{
    FakeServices fakes;
    MainWindow window{fakes.services};

    FakedMainWindow()
    {
        fakes.dialogOwner.setWindow(&window);
        window.show();
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

// The program from its start on scripted services: the splash first, the main window later.
struct FakedStart
{
    FakeServices fakes;
    AppController controller{fakes.services};

    QPointer<SplashWindow> start()
    {
        controller.start();
        return controller.splash();
    }
};
