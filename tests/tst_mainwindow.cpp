#include "MainWindowTest.h"
#include "composer/SignLineEdit.h"
#include "render/PlatePainter.h"

#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QSignalSpy>

using FontChoice = DialogService::FontChoice;

class TestMainWindow : public MainWindowTest
{
    Q_OBJECT

private slots:
    void plateOnScreenIsThePaintersPicture()
    {
        auto *plate = control<QWidget>("Picture2");
        QCOMPARE(plate->size(), QSize(241, 81));
        QCOMPARE(control<QWidget>("Text3")->size(), QSize(137, 41));
        QStringList visible;
        for (const char *name : {"Text1", "Text2", "Text3", "Text7"})
            if (control<QWidget>(name)->isVisible())
                visible << QString::fromLatin1(name);
        QCOMPARE(visible, (QStringList{"Text1", "Text2"}));

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
    void tabVisitsOnlyVisibleControls()
    {
        QStringList reached;
        for (int i = 0; i < 30 && (i == 0 || QApplication::focusWidget()->objectName() != "Text1");
             ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, (QStringList{"Text2", "Command8", "Command3", "Command4", "honayku",
                                       "Command7", "Command1", "Command6", "Command5", "Command2",
                                       "Picture2", "Text1"}));
    }
    void menuShortcutsWinOverTheLineEdit_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << "hozon";
        QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X) << "end";
        QTest::newRow("Ctrl+H") << QKeySequence(Qt::CTRL | Qt::Key_H) << "honyak";
        QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V) << "bajyon";
        QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "hajimeni";
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
        const QList<QAction *> actions = window().findChildren<QAction *>();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAction *a : actions)
            spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));

        QGuiApplication::clipboard()->setText(QStringLiteral("貼り付け"));
        SignLineEdit *edit = window().lineEdit(SignLine::Main);
        edit->selectAll();
        QTest::keySequence(edit, keys);
        for (qsizetype i = 0; i < actions.size(); ++i)
            QCOMPARE(spies[std::size_t(i)]->count(), actions[i]->objectName() == action ? 1 : 0);
        // Neither cut nor paste reached the text.
        QCOMPARE(edit->text(), QStringLiteral("幕名"));
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

        QTest::keyClick(window().lineEdit(SignLine::English), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window().lineEdit(SignLine::English)->text(), QStringLiteral("英語文字"));
        undo->trigger();
        QCOMPARE(main->text(), QStringLiteral("幕名"));
        QVERIFY(!undo->isEnabled());
        named<QAction>(window(), "redo")->trigger();
        QCOMPARE(main->text(), QStringLiteral("Rapid"));
    }
    void layoutToggleAndItsUndoSetTheButtons()
    {
        const auto buttons = [this] {
            QStringList shown;
            for (const char *name : {"Command8", "Command4", "Command7", "Command1"})
                shown << control(name)->text();
            shown << (control("Command3")->isEnabled() ? "band on" : "band off");
            shown << (control<QWidget>("Text3")->isVisible() ? "destination" : "sign name");
            return shown;
        };
        const QStringList first = buttons();
        QCOMPARE(first, (QStringList{"種別・行き先に変更(&I)", "英表示文字色変更(&L)",
                                     "方向幕フォント変更(&F)", "方向幕文字色変更(&M)", "band on",
                                     "sign name"}));
        const QStringList type{"種別幕のみに変更(&I)",
                               "種別英字文字色変更(&N)",
                               "種別フォント変更(&F)",
                               "種別文字色変更(&M)",
                               "band off",
                               "destination"};
        click(control("Command8"));
        QCOMPARE(buttons(), type);
        click(control("Command8"));
        QStringList back = first;
        back[1] = QStringLiteral("英字文字色変更(&N)");
        QCOMPARE(buttons(), back);
        window().document().undo();
        QCOMPARE(buttons(), type);
        window().document().undo();
        QCOMPARE(buttons(), first);
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
        dialogs.cancel();
        click(control("Command1"));
        QVERIFY(!window().document().undoStack().canUndo());
        dialogs.answer(QColor(Qt::red));
        click(control("Command1"));
        dialogs.answer(QColor(Qt::green));
        click(control("Command4"));
        dialogs.answer(QColor(Qt::yellow));
        click(control("Command3"));
        QCOMPARE(frame().mainColour, QColor(Qt::red));
        QCOMPARE(frame().englishColour, QColor(Qt::green));
        QCOMPARE(frame().englishBand, QColor(Qt::yellow));
        QList<QColor> initials;
        for (const auto &call : std::as_const(dialogs.colorCalls)) {
            QCOMPARE(call.flags, 1);
            initials << call.initial;
        }
        QCOMPARE(initials, (QList<QColor>{Qt::black, Qt::black, Qt::red, Qt::green}));
        // The save dialog of the same object inherits the colour dialog's flags.
        click(control("Command6"));
        QCOMPARE(dialogs.saveCalls.last().flags, 1);
    }
    void fontDialogOpensOnTheMainLine()
    {
        FakeDialogService &dialogs = fakes().dialogs;
        const FontChoice design{kSignFace, 24, true, false, false, false, QColor(Qt::white)};
        dialogs.answer(design);
        click(control("Command7"));
        QCOMPARE(dialogs.fontCalls.first().initial, design);
        QCOMPARE(dialogs.fontCalls.first().flags, 259);
        QVERIFY(!window().document().undoStack().canUndo());

        dialogs.answer(FontChoice{"BIZ UDPGothic", 40, true, true, false, true, QColor(Qt::red)});
        click(control("Command7"));
        QCOMPARE(frame().mainFont.family(), QStringLiteral("BIZ UDPGothic"));
        QCOMPARE(frame().mainFont.pointSizeF(), 40.0);
        QVERIFY(frame().mainFont.italic() && frame().mainFont.strikeOut());
        QCOMPARE(window().lineEdit(SignLine::Main)->font(), frame().mainFont);
        click(control("Command8"));
        QCOMPARE(window().lineEdit(SignLine::Main)->font().pointSizeF(), 16.0);
    }
    void menuCaptionsShowWhole()
    {
        // A caption cut short shows an ellipsis where its middle was: the left half of the row
        // then differs from the same menu given room to spare.
        for (QMenu *menu : window().menuBar()->findChildren<QMenu *>()) {
            menu->popup(window().mapToGlobal(QPoint()));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            const QImage fitted = grabbed(menu);
            menu->hide();
            menu->setMinimumWidth(fitted.width() + 200);
            menu->popup(window().mapToGlobal(QPoint()));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            const QImage roomy = grabbed(menu);
            menu->hide();
            const QRect caption(0, 0, fitted.width() / 2, fitted.height());
            QVERIFY2(fitted.copy(caption) == roomy.copy(caption), qPrintable(menu->title()));
        }
    }
    void everyWayOutAsksOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Command5") << "button";
        QTest::newRow("end") << "menu";
        QTest::newRow("Ctrl+X in Text1") << "keys";
        QTest::newRow("title-bar close") << "close";
    }
    void everyWayOutAsksOnce()
    {
        QFETCH(QString, way);
        FakeMessageBoxService &messages = fakes().messages;
        const auto leave = [&] {
            if (way == u"button")
                click(control("Command5"));
            else if (way == u"menu")
                named<QAction>(window(), "end")->trigger();
            else if (way == u"keys")
                QTest::keyClick(window().lineEdit(SignLine::Main), Qt::Key_X, Qt::ControlModifier);
            else
                window().windowHandle()->close();
        };
        messages.answerNo();
        leave();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("終了しますか？未保存データは削除されます。"));
        QCOMPARE(messages.shown.first().icon, MessageBoxService::Icon::Exclamation);
        QVERIFY(window().isVisible());
        QCOMPARE(frame(), Frame());

        messages.answerYes();
        leave();
        QVERIFY(!window().isVisible());
        // Quitting closes every window once more; the confirmed window must not ask again.
        QVERIFY(window().close());
        QCOMPARE(messages.shown.size(), 2);
    }
    void hugePasteIsKeptWhole()
    {
        SignLineEdit *main = window().lineEdit(SignLine::Main);
        QGuiApplication::clipboard()->setText(QString(100000, QChar(u'幕')));
        main->clear();
        QTest::keyClick(main, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(frame().text(SignLine::Main).size(), 100000);
        QTest::keyClick(main, Qt::Key_A);
        QCOMPARE(frame().text(SignLine::Main).size(), 100001);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
