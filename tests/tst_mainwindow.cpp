#include "TestSupport.h"
#include "export/ExportSettings.h"
#include "io/RollFile.h"
#include "render/FilmStrip.h"
#include "render/MotionOptions.h"
#include "render/PlatePainter.h"
#include "render/TimelinePictures.h"
#include "sign/PlateGeometry.h"
#include "ui/BuiltInIconStyle.h"
#include "ui/PanelLanguagesDialog.h"
#include "ui/PanelPlacement.h"
#include "ui/RollFileCommands.h"
#include "ui/RollPanel.h"
#include "ui/RollPlayer.h"
#include "ui/SignLineEdit.h"
#include "ui/SpinOptionsDialog.h"
#include "ui/VideoOptionsDialog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QToolTip>

using FontChoice = DialogService::FontChoice;

namespace {

// Text as an input method hands it over, the way Chinese and Korean are typed.
void commit(QWidget *edit, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

} // namespace

class TestMainWindow : public MainWindowTest
{
    Q_OBJECT

private slots:
    void plateOnScreenIsThePaintersPicture()
    {
        auto *plate = control<QWidget>("Picture2");
        QCOMPARE(control<QWidget>("Text3")->size(), QSize(137, 41));
        QVERIFY(control<QWidget>("Text7")->isHidden() && control<QWidget>("Text3")->isHidden());
        // With no line being edited the line edits show what the painter draws.
        control("Command8")->setFocus();
        QCOMPARE(grabbed(plate), PlatePainter(frame()).render());
        click(control("Command8"));
        QCOMPARE(grabbed(plate), PlatePainter(frame()).render());
        // The line being edited shows itself as a text box, selection and all.
        window().lineEdit(SignLine::Destination)->setFocus();
        window().lineEdit(SignLine::Destination)->selectAll();
        QVERIFY(grabbed(plate) != PlatePainter(frame()).render());
    }
    // The window's style reads Qt's own pictures without the image plugins, and shows what the
    // style it wraps shows: the menu bar's extension arrows, and the group box's frame found
    // where the style looks for it by name.
    void builtInPicturesAreTheWrappedStyles()
    {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        const BuiltInIconStyle ours(QStringLiteral("fusion"));
        for (const QStyle::StandardPixmap icon : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                                  QStyle::SP_ToolBarVerticalExtensionButton})
            for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
                QStyleOption option;
                option.direction = direction;
                const QIcon expected = fusion->standardIcon(icon, &option, nullptr);
                const QIcon actual = ours.standardIcon(icon, &option, nullptr);
                QCOMPARE(actual.availableSizes(), expected.availableSizes());
                for (const QSize &size : expected.availableSizes())
                    QCOMPARE(actual.pixmap(size).toImage(), expected.pixmap(size).toImage());
            }
        const QString frame =
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
        const QPixmap cached = BuiltInIconStyle::cachePicture(frame);
        QVERIFY(!cached.isNull());
        QCOMPARE(QPixmap(frame).cacheKey(), cached.cacheKey());
    }

    void tabVisitsOnlyVisibleControls()
    {
        QStringList reached;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        } while (reached.size() < 20 && reached.last() != u"Text1");
        QCOMPARE(reached, (QStringList{"Text2", "Command8", "Command3", "Command4", "honayku",
                                       "Command7", "Command1", "Command6", "Command5", "Command2",
                                       "Picture2", "Text1"}));
    }
    // Only the keys a line edit would take for itself: cut, paste, undo, redo, backspace.
    void menuShortcutsWinOverTheLineEdit_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X) << "end";
        QTest::newRow("Ctrl+H") << QKeySequence(Qt::CTRL | Qt::Key_H) << "honyak";
        QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V) << "bajyon";
        QTest::newRow("Ctrl+Z") << QKeySequence(Qt::CTRL | Qt::Key_Z) << "undo";
        QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y) << "redo";
        QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << "redo";
    }
    void menuShortcutsWinOverTheLineEdit()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        // Something to take back and something to do again, so both items are live.
        window().document().editText(SignLine::English, QStringLiteral("x"));
        window().document().editText(SignLine::DestinationSmall, QStringLiteral("y"));
        window().document().undo();
        QSignalSpy triggered(named<QAction>(window(), action.toLatin1()), &QAction::triggered);
        QGuiApplication::clipboard()->setText(QStringLiteral("貼り付け"));
        SignLineEdit *edit = window().lineEdit(SignLine::Main);
        edit->selectAll();
        QTest::keySequence(edit, keys);
        QCOMPARE(triggered.count(), 1);
        // Neither cut nor paste reached the text.
        QCOMPARE(edit->text(), QStringLiteral("幕名"));
    }
    // Typing and pasting stop at a line's most characters and say so under the line.
    void aLineTakesAThousandCharactersAndSaysSo()
    {
        SignLineEdit *edit = window().lineEdit(SignLine::English);
        edit->setFocus();
        edit->clear();
        QGuiApplication::clipboard()->setText(QString(1500, u'x'));
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(frame().text(SignLine::English), QString(Frame::kMaxLineLength, u'x'));
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), SignLineEdit::lengthLimitNotice());
        QToolTip::hideText();
        QTest::keyClick(edit, Qt::Key_Y);
        QCOMPARE(edit->text().size(), Frame::kMaxLineLength);
        QVERIFY(QToolTip::isVisible());
    }
    // 新規, 開く, a recent file and a drop ask before unsaved changes go: キャンセル, the default,
    // keeps them; 保存 goes on only once they are saved; 保存しない drops them.
    void rollFilesKeepTheTitleAndAskBeforeLosingChanges()
    {
        const auto trigger = [this](const char *name) {
            named<QAction>(window(), name)->trigger();
        };
        enum { Save, DontSave };
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("東京.quintelo"));
        const QString broken = dir.filePath(QStringLiteral("broken.quintelo"));
        QFile(broken).open(QIODevice::WriteOnly);
        window().document().editText(SignLine::Main, QStringLiteral("東京"));
        QVERIFY(window().isWindowModified());
        trigger("sinki");
        QCOMPARE(fakes().messages.shown.last().buttons.size(), 3);
        fakes().messages.answer(Save); // and the save dialog is cancelled
        trigger("hiraku");
        QCOMPARE(frame().text(SignLine::Main), QStringLiteral("東京"));
        fakes().messages.answer(Save);
        fakes().dialogs.answer(saved);
        trigger("sinki");
        QCOMPARE(RollFile::load(saved).frames.first().text(SignLine::Main), QStringLiteral("東京"));
        QCOMPARE(frame(), Frame());
        QVERIFY(window().rollFiles().openAfterAsking(saved)); // nothing unsaved: nothing asked
        QCOMPARE(window().windowTitle(), QStringLiteral("東京.quintelo[*] - QuinteloVersion2"));
        QCOMPARE(fakes().messages.shown.size(), 3);
        trigger("makuhozon"); // the name is known now: no dialog, nothing to ask
        QCOMPARE(fakes().dialogs.saveRequests.size(), 2);
        window().document().editText(SignLine::Main, QStringLiteral("大阪"));
        fakes().messages.answer(DontSave);
        QVERIFY(!window().rollFiles().openAfterAsking(broken));
        QVERIFY(fakes().messages.shown.last().text.contains(QStringLiteral("broken.quintelo")));
        QCOMPARE(frame().text(SignLine::Main), QStringLiteral("大阪"));
        fakes().messages.answer(DontSave);
        trigger("sinki");
        QCOMPARE(window().windowTitle(), QStringLiteral("QuinteloVersion2[*]"));
        QCOMPARE(window().lineEdit(SignLine::Main)->text(), Frame().text(SignLine::Main));
        QCOMPARE(window().rollFiles().recentFiles(), QStringList{saved});
        QMimeData dragged; // dropped on the window; unmodified, so nothing to ask
        dragged.setUrls({QUrl::fromLocalFile(saved)});
        const QPoint at = window().rect().bottomRight() - QPoint(3, 3);
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window(), &drop);
        QCoreApplication::processEvents();
        QCOMPARE(window().lineEdit(SignLine::Main)->text(), QStringLiteral("東京"));
    }
    void typingIsUndoneAsOneStepPerLine()
    {
        SignLineEdit *main = window().lineEdit(SignLine::Main);
        main->clear();
        QTest::keyClicks(main, QStringLiteral("Rapid"));
        QTest::keyClick(main, Qt::Key_Tab);
        QTest::keyClicks(window().lineEdit(SignLine::English), QStringLiteral("Tokyo"));
        QCOMPARE(frame().text(SignLine::Main), QStringLiteral("Rapid"));
        auto *undo = named<QAction>(window(), "undo");
        QCOMPARE(undo->text(), QStringLiteral("元に戻す(&U): 文字の入力"));
        undo->trigger();
        QCOMPARE(window().lineEdit(SignLine::English)->text(), QStringLiteral("英語文字"));
        undo->trigger();
        QCOMPARE(main->text(), QStringLiteral("幕名"));
        QVERIFY(!undo->isEnabled());
        named<QAction>(window(), "redo")->trigger();
        QCOMPARE(main->text(), QStringLiteral("Rapid"));
    }
    void pageKeysTurnTheRollWhileTypingAndThePanelFollows()
    {
        SignDocument &doc = window().document();
        QListView *list = window().rollPanel()->list();
        auto *turn = control<QWidget>("plateTurn");
        fakes().animations.on = true;
        named<QAction>(window(), "addFrame")->trigger();
        SignLineEdit *main = window().lineEdit(SignLine::Main);
        main->setFocus();
        main->selectAll();
        QTest::keyClicks(main, QStringLiteral("Rapid"));
        QTest::keyClick(main, Qt::Key_PageUp);
        QCOMPARE(main->text(), QStringLiteral("幕名"));
        QCOMPARE(list->currentIndex().row(), 0);
        QTest::keyClick(main, Qt::Key_PageDown);
        QCOMPARE(list->currentIndex().row(), 1);
        // The plate turns, and the next key press ends the turn at once.
        QVERIFY(turn->isVisible());
        QTest::keyClicks(main, QStringLiteral(" Express"));
        QVERIFY(!turn->isVisible());
        QCOMPARE(frame().text(SignLine::Main), QStringLiteral("Rapid Express"));
        // Turning the roll ended the typing: what follows is a step of its own.
        doc.undo();
        QCOMPARE(main->text(), QStringLiteral("Rapid"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(doc.currentIndex(), 0);
        QCOMPARE(main->text(), QStringLiteral("幕名"));
    }
    // 多言語表示… by the keyboard alone: OK makes one step of the lines typed, Cancel and an OK
    // that changes nothing make none. It offers the lines the layout shows, and in the plate
    // look says that the plate shows none of them.
    void panelLanguagesAreOneStepOrNone()
    {
        SignDocument &doc = window().document();
        bool note = false;
        bool destination = false;
        const auto edit = [&](const QList<std::pair<Qt::Key, QString>> &typed, Qt::Key end) {
            whenOpen<PanelLanguagesDialog>([&, typed, end](PanelLanguagesDialog *dialog) {
                note = named<QLabel>(*dialog, "plateLookNote") != nullptr;
                destination = named<QLineEdit>(*dialog, "chineseDestination") != nullptr;
                for (const auto &[key, text] : typed) {
                    QTest::keyClick(dialog, key, Qt::AltModifier);
                    commit(dialog->focusWidget(), text);
                }
                QTest::keyClick(dialog->focusWidget(), end);
            });
            named<QAction>(window(), "panelLanguages")->trigger();
        };
        edit({{Qt::Key_K, QStringLiteral("도쿄")}, {Qt::Key_C, QStringLiteral("东京")}},
             Qt::Key_Return);
        QVERIFY(note && !destination);
        const std::array<Translation, 2> signName{
            {{QStringLiteral("东京"), {}}, {QStringLiteral("도쿄"), {}}}};
        QCOMPARE(frame().translations, signName);
        QCOMPARE(named<QAction>(window(), "undo")->text(),
                 QStringLiteral("元に戻す(&U): 多言語表示"));

        click(control("Command8"));
        doc.editLook({LookKind::Led, doc.look().led});
        edit({{Qt::Key_H, QStringLiteral("高尾")}}, Qt::Key_Escape);
        QVERIFY(!note && destination);
        edit({}, Qt::Key_Return);
        QCOMPARE(doc.undoStack().count(), 3);
        edit({{Qt::Key_H, QStringLiteral("高尾")}, {Qt::Key_G, QStringLiteral("다카오")}},
             Qt::Key_Return);
        QCOMPARE(doc.undoStack().count(), 4);
        QCOMPARE(frame().translations,
                 (std::array<Translation, 2>{{{signName[0].main, QStringLiteral("高尾")},
                                              {signName[1].main, QStringLiteral("다카오")}}}));
        doc.undo();
        QCOMPARE(frame().translations, signName);
    }
    // F5 plays the roll from the current frame in the plate's place, over the line being typed
    // into; a key at a known moment stops it at the frame the timeline shows then, and does
    // nothing else: nothing typed, no shortcut, no step. The next key types.
    void aKeyStopsPlayingAtTheFrameOnShow_data()
    {
        QTest::addColumn<bool>("led");
        QTest::addColumn<int>("stopMs");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("stoppedAt");
        // From frame 1 of 4: the plate holds 2 s and turns in 1 s; the LED panel shows frame
        // 1's Japanese, English and Chinese pages, 3 s each, and changes at once.
        QTest::newRow("plate, held") << false << 1900 << int(Qt::Key_A) << 1;
        QTest::newRow("plate, turning") << false << 2600 << int(Qt::Key_PageDown) << 2;
        QTest::newRow("plate, past the end") << false << 60000 << int(Qt::Key_F5) << 3;
        QTest::newRow("LED, Chinese page") << true << 8900 << int(Qt::Key_Escape) << 1;
        QTest::newRow("LED, next frame") << true << 9100 << int(Qt::Key_Z) << 2;
    }
    void aKeyStopsPlayingAtTheFrameOnShow()
    {
        QFETCH(bool, led);
        QFETCH(int, stopMs);
        QFETCH(int, key);
        QFETCH(int, stoppedAt);
        SignDocument &doc = playableRoll(led);
        fakes().clock.now = 5000;
        SignLineEdit *main = window().lineEdit(SignLine::Main);
        main->setFocus();
        main->selectAll();
        QTest::keyClick(main, Qt::Key_F5);
        auto *player = control<RollPlayer>("rollPlayer");
        QVERIFY(player->isPlaying() && player->isVisible());
        if (!led)
            QCOMPARE(grabbed(control<QWidget>("Picture2")), PlatePainter(doc.frame(1)).render());

        // Through the window, as the window system hands keys in: to the control that has the
        // focus when each event comes.
        fakes().clock.now += stopMs;
        QTest::keyClick(window().windowHandle(), Qt::Key(key));
        QCOMPARE(doc.currentIndex(), stoppedAt);
        QVERIFY(!player->isVisible());
        QCOMPARE(QApplication::focusWidget(), main);
        QVERIFY(!doc.undoStack().canUndo() && !doc.isModified());
        QTest::keyClick(window().windowHandle(), Qt::Key_X);
        QVERIFY(main->text().endsWith(u'x'));
    }
    // A click stops playing and then does what it does; a dialog that opens stops it before it
    // shows.
    void clicksMenusAndDialogsStopPlayingFirst()
    {
        SignDocument &doc = playableRoll(false);
        auto *player = control<RollPlayer>("rollPlayer");
        auto *play = named<QAction>(window(), "play");
        fakes().animations.on = true;
        play->trigger();
        fakes().clock.now += 3500;
        QTest::mouseClick(player, Qt::LeftButton);
        QVERIFY(!player->isPlaying());
        QCOMPARE(doc.currentIndex(), 2);
        // The frame is on show already: the plate does not turn to it.
        QVERIFY(!control<QWidget>("plateTurn")->isVisible());

        play->trigger();
        fakes().clock.now += 1000; // still at frame 2, so that the list stays where it is
        QListView *list = window().rollPanel()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QVERIFY(!player->isPlaying());
        QCOMPARE(doc.currentIndex(), 0);

        play->trigger();
        bool playingUnderDialog = true;
        whenOpen<QDialog>([&](QDialog *dialog) {
            playingUnderDialog = player->isPlaying();
            clickButton(dialog, QDialogButtonBox::Cancel);
        });
        named<QAction>(window(), "ledsettei")->trigger();
        QVERIFY(!playingUnderDialog);
        QVERIFY(!doc.undoStack().canUndo());
    }
    void layoutToggleAndItsUndoSetTheButtons()
    {
        const auto buttons = [this] {
            QStringList shown;
            for (const char *name : {"Command8", "Command4", "Command7", "Command1"})
                shown << control(name)->text();
            return shown << (control("Command3")->isEnabled() ? "band on" : "band off");
        };
        const QStringList first{"種別・行き先に変更(&I)", "英表示文字色変更(&L)",
                                "方向幕フォント変更(&F)", "方向幕文字色変更(&M)", "band on"};
        const QStringList type{"種別幕のみに変更(&I)", "種別英字文字色変更(&N)",
                               "種別フォント変更(&F)", "種別文字色変更(&M)", "band off"};
        QStringList back = first;
        back[1] = QStringLiteral("英字文字色変更(&N)");
        QCOMPARE(buttons(), first);
        click(control("Command8"));
        QCOMPARE(buttons(), type);
        QVERIFY(control<QWidget>("Text3")->isVisible());
        click(control("Command8"));
        QCOMPARE(buttons(), back);
        window().document().undo();
        QCOMPARE(buttons(), type);
        window().document().undo();
        QCOMPARE(buttons(), first);
        QVERIFY(control<QWidget>("Text3")->isHidden());
    }
    // The panel covers nothing of the window: beside it, else below it, else only when asked.
    void rollPanelCoversNothingOfTheWindow_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("window"); // a window of 398 × 308
        QTest::addColumn<QRect>("panel");   // empty: not shown
        QTest::newRow("right") << QRect(0, 0, 1280, 1024) << QPoint(300, 100)
                               << QRect(698, 100, 268, 308);
        QTest::newRow("left") << QRect(0, 0, 980, 1024) << QPoint(600, 100)
                              << QRect(332, 100, 268, 308);
        QTest::newRow("below") << QRect(0, 0, 800, 600) << QPoint(201, 146)
                               << QRect(201, 454, 398, 146);
        QTest::newRow("nowhere") << QRect(0, 0, 800, 480) << QPoint(201, 86) << QRect();
    }
    void rollPanelCoversNothingOfTheWindow()
    {
        QFETCH(QRect, screen);
        QFETCH(QPoint, window);
        QFETCH(QRect, panel);
        QCOMPARE(
            besideOrBelow({window, QSize(398, 308)}, {268, 308}, 100, screen).value_or(QRect()),
            panel);
        // The real window on the test platform's screen, with no window manager.
        FakedStart app;
        MainWindow &main = app.handOver();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const RollPanel *shown = main.rollPanel();
        QVERIFY(shown->isVisible() && !shown->geometry().intersects(main.frameGeometry()));
        QVERIFY(main.screen()->availableGeometry().contains(shown->geometry()));
    }
    // Once Command4 has given up its &L, and for letters no control ever had, Alt types nothing.
    void altWithALetterNothingTakesTypesNothing()
    {
        SignLineEdit *edit = window().lineEdit(SignLine::Main);
        click(control("Command8"));
        click(control("Command8"));
        for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key(key), Qt::AltModifier);
            QCoreApplication::processEvents();
            if (QWidget *menu = QApplication::activePopupWidget())
                menu->close();
            QVERIFY2(edit->text() == Frame().text(SignLine::Main), qPrintable(edit->text()));
        }
    }
    void menusTakeTheirAccessKeysFirst()
    {
        // Alt+F and Alt+H also mark a button; the menu opens all the same, wherever the focus.
        for (const char *focus : {"Text1", "Command7", "honayku"})
            for (const auto &[key, menu] : {std::pair{Qt::Key_F, "fairu"}, {Qt::Key_H, "herupu"}}) {
                control<QWidget>(focus)->setFocus();
                QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
                QTRY_COMPARE(QApplication::activePopupWidget(), named<QMenu>(window(), menu));
                QApplication::activePopupWidget()->close();
                QCOMPARE(QApplication::focusWidget(), control<QWidget>(focus));
            }
    }
    void presetsAndJustifyAreUndoableSteps()
    {
        auto *types = named<QMenu>(window(), "syubetu");
        auto *lines = named<QMenu>(window(), "rosensyoku");
        auto *justify = named<QAction>(window(), "kintou");
        // Line colours go where the band button's colour goes, and only where it may.
        QVERIFY(!types->menuAction()->isEnabled() && lines->menuAction()->isEnabled());
        lines->actions().first()->trigger();
        QCOMPARE(frame().signNameBand, QColor(0x7B, 0xAB, 0x4F));
        click(control("Command8"));
        QVERIFY(types->menuAction()->isEnabled() && !lines->menuAction()->isEnabled());
        types->actions().at(2)->trigger();
        QCOMPARE(frame().typePlate, QColor(0xFF, 0x7F, 0x27));
        justify->trigger();
        QVERIFY(frame().justify && justify->isChecked());
        for (int step = 0; step < 4; ++step)
            window().document().undo();
        QCOMPARE(frame(), Frame());
        QVERIFY(!justify->isChecked());
        // Five characters are no name to spread: the item is greyed and says why; ticked
        // before, it stays to be turned off, and says it spreads nothing now.
        const QString spreads = justify->toolTip();
        window().document().editText(SignLine::Main, QStringLiteral("各駅停車駅"));
        QVERIFY(!justify->isEnabled() && justify->toolTip() != spreads);
        window().document().undo();
        justify->trigger();
        window().document().editText(SignLine::Main, QStringLiteral("各駅停車駅"));
        QVERIFY(justify->isEnabled() && justify->isChecked() && justify->toolTip() != spreads);
    }
    void enterPressesTheFocusedButton()
    {
        control("Command8")->setFocus();
        QTest::keyClick(control("Command8"), Qt::Key_Return);
        QCOMPARE(frame().layout, SignLayout::TypeAndDestination);
        QTest::keyClick(control("Command8"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(frame().layout, SignLayout::SignName);
    }
    void colourButtonsOpenOnTheLastColour()
    {
        FakeDialogService &dialogs = fakes().dialogs;
        // Before any colour command the picture save dialog hides its read-only box.
        click(control("Command6"));
        QCOMPARE(dialogs.saveRequests.last().readOnlyBox, DialogService::ReadOnlyBox::Hidden);
        dialogs.cancel();
        click(control("Command1"));
        QVERIFY(!window().document().undoStack().canUndo());
        for (const auto &[button, colour] :
             {std::pair{"Command1", Qt::red}, {"Command4", Qt::green}, {"Command3", Qt::yellow}}) {
            dialogs.answer(QColor(colour));
            click(control(button));
        }
        QCOMPARE(frame().mainColour, QColor(Qt::red));
        QCOMPARE(frame().englishColour, QColor(Qt::green));
        QCOMPARE(frame().englishBand, QColor(Qt::yellow));
        QList<QColor> initials;
        for (const DialogService::ColourRequest &request : std::as_const(dialogs.colourRequests))
            initials << request.initial;
        QCOMPARE(initials, (QList<QColor>{Qt::black, Qt::black, Qt::red, Qt::green}));
        // After a colour command both picture saves show the read-only box ticked; the other
        // saves keep it hidden.
        click(control("Command6"));
        named<QAction>(window(), "hozon")->trigger();
        named<QAction>(window(), "insatusheet")->trigger();
        QList<DialogService::ReadOnlyBox> boxes;
        for (const DialogService::SaveRequest &request : dialogs.saveRequests.mid(1))
            boxes << request.readOnlyBox;
        using enum DialogService::ReadOnlyBox;
        QCOMPARE(boxes, (QList<DialogService::ReadOnlyBox>{Ticked, Ticked, Hidden}));
    }
    void fontDialogOpensOnTheMainLine()
    {
        FakeDialogService &dialogs = fakes().dialogs;
        const FontChoice design{kSignFace, 24, true, false, false, false, QColor(Qt::white)};
        dialogs.answer(design);
        click(control("Command7"));
        QCOMPARE(dialogs.fontRequests.first().initial, design);
        QVERIFY(dialogs.fontRequests.first().offerColour);
        QVERIFY(!window().document().undoStack().canUndo());
        dialogs.answer(FontChoice{"BIZ UDPGothic", 40, true, true, false, true, QColor(Qt::red)});
        click(control("Command7"));
        QCOMPARE(window().lineEdit(SignLine::Main)->font(), frame().mainFont);
        QVERIFY(frame().mainFont.italic() && frame().mainFont.strikeOut());
        click(control("Command8"));
        QCOMPARE(window().lineEdit(SignLine::Main)->font().pointSizeF(), 16.0);
    }
    void menuCaptionsShowWhole()
    {
        // A caption cut short shows an ellipsis where its middle was: the left half of each menu
        // then differs from a copy of it given room to spare.
        for (QAction *title : window().menuBar()->actions()) {
            QList<int> widths; // opened again, a menu is no wider
            for (int opening = 0; opening < 2; ++opening) {
                title->menu()->popup(window().mapToGlobal(QPoint()));
                widths << title->menu()->width();
                title->menu()->hide();
            }
            QCOMPARE(widths.first(), widths.last());
            QMenu roomy;
            roomy.addActions(title->menu()->actions());
            std::array<QImage, 2> shown;
            for (QMenu *menu : {title->menu(), &roomy}) {
                menu->setMinimumWidth(menu == &roomy ? shown[0].width() + 200 : 0);
                menu->popup(window().mapToGlobal(QPoint()));
                QVERIFY(QTest::qWaitForWindowExposed(menu));
                shown[menu == &roomy] = grabbed(menu);
                menu->hide();
            }
            const QRect caption(0, 0, shown[0].width() / 2, shown[0].height());
            QVERIFY2(shown[0].copy(caption) == shown[1].copy(caption), qPrintable(title->text()));
        }
    }
    void everyWayOutAsksOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Command5") << "button";
        QTest::newRow("end") << "menu";
        QTest::newRow("title-bar close") << "close";
    }
    void everyWayOutAsksOnce()
    {
        QFETCH(QString, way);
        FakeMessageBoxService &messages = fakes().messages;
        for (const bool yes : {false, true}) {
            yes ? messages.answerYes() : messages.answerNo();
            if (way == u"button")
                click(control("Command5"));
            else if (way == u"menu")
                named<QAction>(window(), "end")->trigger();
            else
                window().windowHandle()->close();
            QCOMPARE(window().isVisible(), !yes);
        }
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("終了しますか？未保存データは削除されます。"));
        QCOMPARE(messages.shown.first().icon, MessageBoxService::Icon::Exclamation);
        // Quitting closes every window once more; the confirmed window must not ask again.
        QVERIFY(window().close());
        QCOMPARE(messages.shown.size(), 2);
    }
    void plateIsSavedAsThePainterDrawsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("gif") << "sign.gif" << QByteArray("gif");
        QTest::newRow("png") << "sign.PNG" << QByteArray("png");
        QTest::newRow("bmp") << "sign.bmp" << QByteArray("bmp");
    }
    void plateIsSavedAsThePainterDrawsIt()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        // Typed with the caret and a selection on screen, and the window out of sight: none of
        // it may change the picture.
        QTest::keyClicks(window().lineEdit(SignLine::Main), QStringLiteral("Exp"));
        window().lineEdit(SignLine::Main)->selectAll();
        window().showMinimized();
        fakes().dialogs.answer(m_dir.filePath(name));
        click(control("Command6"));
        QVERIFY(fakes().messages.shown.isEmpty());
        QCOMPARE(QImageReader::imageFormat(m_dir.filePath(name)), format);
        const QImage saved = rgb(QImage(m_dir.filePath(name)));
        if (format == "gif")
            QCOMPARE(saved.size(), QSize(241, 81));
        else
            QCOMPARE(saved, PlatePainter(frame()).render());
    }
    void fileMenuSavesTheDestinationArea()
    {
        for (const bool typeLayout : {false, true}) {
            if (typeLayout)
                click(control("Command8"));
            fakes().dialogs.answer(m_dir.filePath(QStringLiteral("destination.png")));
            QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
            const QImage saved = rgb(QImage(m_dir.filePath(QStringLiteral("destination.png"))));
            QCOMPARE(saved.size(), QSize(137, 41));
            QCOMPARE(saved,
                     PlatePainter(frame()).render(lineRect(frame().layout, SignLine::Destination)));
        }
    }
    void ledLookIsShownSavedAndUndone()
    {
        window().document().editText(SignLine::Main, QStringLiteral("東京"));
        control("Command8")->setFocus();
        const QImage plate = grabbed(control<QWidget>("Picture2"));
        whenOpen<QDialog>([](QDialog *dialog) {
            named<QSpinBox>(*dialog, "ledGap")->setValue(0);
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        named<QAction>(window(), "ledsettei")->trigger();
        const SignLook look = window().document().look();
        QVERIFY(look.isLed() && look.led.gap == 0 && named<QAction>(window(), "led")->isChecked());
        // The panel fills the plate's width; the line edits show nothing over it.
        const QImage shown = grabbed(control<QWidget>("Picture2"));
        QVERIFY(shown != plate && inkOf(shown) > 0);

        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("led.png")));
        click(control("Command6"));
        const QImage saved = rgb(QImage(m_dir.filePath(QStringLiteral("led.png"))));
        QCOMPARE(saved.size(), QSize(128 * 6, 32 * 6));
        QCOMPARE(saved, PlatePainter(frame(), look).render());
        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("led-destination.png")));
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QImage(m_dir.filePath(QStringLiteral("led-destination.png"))).size(),
                 QSize(80 * 6, 32 * 6));

        window().document().undo();
        QVERIFY(named<QAction>(window(), "maku")->isChecked());
        QCOMPARE(grabbed(control<QWidget>("Picture2")), plate);
    }
    void cancelSavesNothingAndAFailureIsTold()
    {
        fakes().dialogs.cancel();
        click(control("Command6"));
        fakes().dialogs.answer(QString());
        named<QAction>(window(), "hozon")->trigger();
        QCOMPARE(fakes().dialogs.saveRequests.size(), 2);
        QVERIFY(fakes().messages.shown.isEmpty());

        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("missing/sign.gif")));
        click(control("Command6"));
        QCOMPARE(fakes().messages.shown.size(), 1);
        QVERIFY(fakes().messages.shown.first().text.contains(
            QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("missing/sign.gif")))));
        // Each save names what it could not save: the sheet is no picture.
        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("missing/sheet.pdf")));
        named<QAction>(window(), "insatusheet")->trigger();
        QCOMPARE(fakes().messages.shown.size(), 2);
        QCOMPARE(fakes().messages.shown.last().icon, MessageBoxService::Icon::Critical);
        QVERIFY2(fakes().messages.shown.last().text.startsWith(QStringLiteral("印刷用シート")),
                 qPrintable(fakes().messages.shown.last().text));
    }
    void exportSettingsSizeEverySaveAndTheSheet()
    {
        whenOpen<QDialog>([](QDialog *dialog) {
            named<QRadioButton>(*dialog, "takasa")->click();
            named<QSpinBox>(*dialog, "takasati")->setValue(162);
            named<QComboBox>(*dialog, "yousi")->setCurrentIndex(1);
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        named<QAction>(window(), "kakidasisettei")->trigger();
        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("large.png")));
        click(control("Command6"));
        QCOMPARE(QImage(m_dir.filePath(QStringLiteral("large.png"))).size(), QSize(482, 162));
        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("large.svg")));
        click(control("Command6"));
        QVERIFY(
            bytesOf(m_dir.filePath(QStringLiteral("large.svg"))).contains("<svg width=\"482\""));
        fakes().dialogs.answer(m_dir.filePath(QStringLiteral("sheet.pdf")));
        named<QAction>(window(), "insatusheet")->trigger();
        QVERIFY(bytesOf(m_dir.filePath(QStringLiteral("sheet.pdf"))).startsWith("%PDF"));
        QVERIFY(fakes().messages.shown.isEmpty());
        QCOMPARE(ExportSettings::load(fakes().settings).paper, ExportSettings::Paper::B5);
    }

    // A long export runs off the window's thread: the window's timers go on, the dialog shows
    // the progress moving, and Cancel leaves the old file as it was and nothing beside it. A
    // short one is written as before, with no dialog.
    void longExportKeepsTheWindowAliveAndCancelWritesNothing()
    {
        QList<Frame> frames(60);
        for (qsizetype i = 0; i < frames.size(); ++i)
            frames[i].text(SignLine::Main) = QStringLiteral("快速%1").arg(i);
        window().document().replaceFrames(frames, QString());
        ExportSettings settings;
        settings.scale = 8;
        settings.save(fakes().settings);
        const QTemporaryDir dir;
        const QString spin = dir.filePath(QStringLiteral("spin.gif"));
        const QByteArray old = "the file that was there";
        QFile file(spin);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();

        int ticks = 0;
        QTimer ticking;
        connect(&ticking, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticking.start(10);
        int progressShown = 0;
        whenOpen<SpinOptionsDialog>(
            [](SpinOptionsDialog *dialog) { clickButton(dialog, QDialogButtonBox::Ok); });
        whenOpen<QProgressDialog>([&progressShown](QProgressDialog *dialog) {
            const auto *bar = dialog->findChild<QProgressBar *>();
            QTRY_VERIFY(bar->value() > 0);
            progressShown = bar->value();
            click(dialog->findChild<QPushButton *>());
        });
        fakes().dialogs.answer(spin);
        named<QAction>(window(), "exportSpin")->trigger();
        QVERIFY(ticks > 0);
        QVERIFY(progressShown > 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(fakes().messages.shown.isEmpty());
        QCOMPARE(bytesOf(spin), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("spin.gif")});

        window().document().replaceFrames(frames.mid(0, 3), QString());
        ExportSettings().save(fakes().settings);
        const QString strip = dir.filePath(QStringLiteral("strip.png"));
        fakes().dialogs.answer(strip);
        named<QAction>(window(), "exportStrip")->trigger();
        QCOMPARE(rgb(QImage(strip)), rgb(FilmStrip(frames.mid(0, 3)).render()));
        QVERIFY(fakes().messages.shown.isEmpty());
    }

    // ファイル → 書き出し → 動画として保存…: what the dialog is set to reaches the file, a PNG
    // sequence into the folder chosen being the timeline picture for picture; a name of no kind
    // of moving picture is refused with the reason, and nothing is written.
    void videoExportFollowsItsOptions()
    {
        const SignDocument &doc = playableRoll(false);
        const QTemporaryDir dir;
        whenOpen<VideoOptionsDialog>([](VideoOptionsDialog *dialog) {
            auto *kind = named<QComboBox>(*dialog, "videoKind");
            kind->setCurrentIndex(kind->findData(int(AnimationKind::PngSequence)));
            named<QSpinBox>(*dialog, "videoFps")->setValue(5);
            named<QDoubleSpinBox>(*dialog, "videoHold")->setValue(0.4);
            named<QDoubleSpinBox>(*dialog, "videoTurn")->setValue(0.6);
            named<QSpinBox>(*dialog, "videoLast")->setValue(3);
            named<QSpinBox>(*dialog, "videoFirst")->setValue(2);
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        fakes().dialogs.answer(dir.path());
        named<QAction>(window(), "exportVideo")->trigger();
        QCOMPARE(fakes().dialogs.folderRequests.size(), 1);
        QVERIFY(fakes().messages.shown.isEmpty());
        MotionOptions motion;
        motion.holdMs = 400;
        motion.passMs = 600;
        motion.first = 1;
        motion.last = 2;
        const std::unique_ptr<Timeline> timeline = timelineFor(doc.frames(), doc.look(), motion);
        TimelinePictures pictures(
            *timeline, 5, ExportSettings::load(fakes().settings).scaleFor(timeline->size(1)));
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), pictures.count());
        for (int i = 0; i < pictures.count(); ++i)
            QVERIFY2(rgb(QImage(dir.filePath(files[i]))) == rgb(pictures.picture(i)),
                     qPrintable(files[i]));

        whenOpen<VideoOptionsDialog>([](VideoOptionsDialog *dialog) {
            // What was chosen last time is offered again.
            QCOMPARE(named<QSpinBox>(*dialog, "videoFps")->value(), 5);
            auto *kind = named<QComboBox>(*dialog, "videoKind");
            kind->setCurrentIndex(kind->findData(int(AnimationKind::WebM)));
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        const QTemporaryDir other;
        fakes().dialogs.answer(other.filePath(QStringLiteral("roll.avi")));
        named<QAction>(window(), "exportVideo")->trigger();
        QCOMPARE(fakes().dialogs.saveRequests.last().defaultSuffix, QStringLiteral("webm"));
        QCOMPARE(fakes().messages.shown.size(), 1);
        const QString told = fakes().messages.shown.constFirst().text;
        // Told as a video's failure, in paragraphs, with the folder that takes a PNG sequence.
        QVERIFY2(told.startsWith(QStringLiteral("動画「")) &&
                     told.contains(QStringLiteral("roll.avi")) &&
                     told.contains(QStringLiteral(".mp4")) &&
                     told.contains(QStringLiteral("\n\n")) &&
                     told.contains(QStringLiteral("フォルダ")),
                 qPrintable(told));
        QVERIFY(QDir(other.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());

        // The roll's end chosen stays its end when the roll has grown by the next time; any other
        // last frame is kept as it was.
        const VideoOptionsDialog::Choice toTheEnd = VideoOptionsDialog(2, false, {}).choice();
        QCOMPARE(named<QSpinBox>(VideoOptionsDialog(5, false, toTheEnd), "videoLast")->value(), 5);
        const SpinAnimation::Options spinToTheEnd = SpinOptionsDialog(2, {}).options();
        QCOMPARE(named<QSpinBox>(SpinOptionsDialog(5, spinToTheEnd), "spinLast")->value(), 5);
        SpinAnimation::Options secondOfFive;
        secondOfFive.last = 1;
        QCOMPARE(SpinOptionsDialog(5, secondOfFive).options().last, 1);
    }

private:
    // Four frames, the second current and with a Chinese line, in the look asked for, freshly
    // opened: nothing to undo.
    SignDocument &playableRoll(bool led)
    {
        QList<Frame> frames(4);
        for (qsizetype i = 0; i < frames.size(); ++i)
            frames[i].text(SignLine::Main) = QStringLiteral("駅%1").arg(i);
        frames[1].translation(PanelLanguage::Chinese, SignLine::Main) = QStringLiteral("车站");
        SignDocument &doc = window().document();
        doc.replaceFrames(frames, {}, {led ? LookKind::Led : LookKind::Plate, LedSettings()});
        doc.setCurrentIndex(1);
        return doc;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
