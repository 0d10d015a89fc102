#pragma once

#include "FakeServices.h"
#include "TestSetup.h"
#include "app/AppController.h"
#include "app/SplashWindow.h"
#include "composer/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

inline QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

inline QImage grabbed(QWidget *widget)
{
    return rgb(widget->grab().toImage());
}

inline bool whitish(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}

// How many pixels of image within area (all of it when empty) match.
inline int countPixels(const QImage &image, const std::function<bool(QRgb)> &match, QRect area = {})
{
    area = area.isEmpty() ? image.rect() : area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

inline std::function<bool(QRgb)> exactly(QRgb colour)
{
    return [colour](QRgb p) { return p == colour; };
}

inline qsizetype colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
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
