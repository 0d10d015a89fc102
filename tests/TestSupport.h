#pragma once

#include "FakeServices.h"
#include "ModelSupport.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"
#include "ui/AppController.h"
#include "ui/MainWindow.h"
#include "ui/SplashWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

// The same fonts and Qt catalogue as the program gets at start-up, so pixels are what a user sees
// and Qt's dialogs speak Japanese as they do for the user.
inline void prepareTestApplication()
{
    QStandardPaths::setTestModeEnabled(true);
    installTranslations(*QCoreApplication::instance(), ProgramLanguage::Japanese);
    installFonts();
}

inline QImage grabbed(QWidget *widget)
{
    return rgb(widget->grab().toImage());
}

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

template <class T = QWidget> T *named(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QString::fromLatin1(name));
}

// Acts on the modal dialog of the given kind as soon as it is up and the active window, as a user
// would: until the window system's activation has been handled, keys and access keys still go to
// the window under it. (QWindow::isActive(), and so QTest::qWaitForWindowActive(), already says
// yes for a dialog while its parent is the active window.) After some five seconds it acts all
// the same, so that a failing test cannot hang on a dialog left open.
template <class Dialog> void whenOpen(std::function<void(Dialog *)> act, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [act, attemptsLeft] {
        auto *dialog = dynamic_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog && (QApplication::activeWindow() == dialog || attemptsLeft == 0))
            act(dialog);
        else if (attemptsLeft > 0)
            whenOpen<Dialog>(act, attemptsLeft - 1);
    });
}

// Clicks a dialog's own button (not one of a chooser inside it); without it the dialog is closed
// all the same, so a failing test cannot hang.
inline void clickButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (QPushButton *button = box ? box->button(which) : nullptr)
        click(button);
    else
        dialog->reject();
}

// The program from its start on scripted services: the splash first, the main window later.
struct FakedStart
{
    FakeServices fakes;
    QTemporaryDir autosaves;
    AppController controller{fakes.services, autosaves.path()};

    QPointer<SplashWindow> start()
    {
        controller.start();
        return controller.splash();
    }
    // The splash's time is up; the questions of the start have been asked once this returns.
    MainWindow &handOver()
    {
        emit start()->handOver();
        QCoreApplication::processEvents();
        return *controller.mainWindow();
    }
};

#ifdef QUINTELO_OTHER_COPY
// Another copy of the program with the same data folder (tests/other_copy.cpp), running until
// it is ended normally or killed.
class OtherCopy
{
public:
    OtherCopy(const QString &folder, const QString &rollFile, const QStringList &frames = {})
    {
        m_process.start(QStringLiteral(QUINTELO_OTHER_COPY),
                        QStringList{folder, rollFile} + frames);
        if (m_process.waitForReadyRead(10000))
            autosave = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~OtherCopy()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(10000);
    }
    OtherCopy(const OtherCopy &) = delete;
    OtherCopy &operator=(const OtherCopy &) = delete;

    // As kill -9 does: its autosave and its lock stay behind.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }

    QString autosave; // empty when it did not start
private:
    QProcess m_process;
};
#endif

// Each test function gets a fresh main window on scripted services, shown and active.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected:
    FakeServices &fakes() { return m_ui->fakes; }
    MainWindow &window() { return m_ui->window; }
    const Frame &frame() { return m_ui->window.document().currentFrame(); }
    template <class T = QPushButton> T *control(const char *name)
    {
        return named<T>(m_ui->window, name);
    }

protected slots:
    void initTestCase() { prepareTestApplication(); }
    void init()
    {
        m_ui = std::make_unique<Ui>();
        m_ui->fakes.dialogOwner.setWindow(&m_ui->window);
        m_ui->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_ui->window));
    }
    void cleanup() { m_ui.reset(); }

private:
    struct Ui
    {
        FakeServices fakes;
        MainWindow window{fakes.services};
    };
    std::unique_ptr<Ui> m_ui;
};
