#include "MainWindowTest.h"
#include "composer/PictureBox.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"

#include <QAction>
#include <QClipboard>
#include <QSignalSpy>

#include <memory>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 0xFF);

// What the text box shows for a text, without the cursor blinking in it.
QImage shownText(SignTextBox *box, const QString &text)
{
    box->setText(text);
    return grabbed(box);
}

} // namespace

class TestMainWindow : public MainWindowTest
{
    Q_OBJECT

private slots:
    void firstShowHasTheSignNameLayout()
    {
        MainWindow &w = m_ui->window;
        QCOMPARE(w.Picture2()->grab().size(), QSize(241, 81));
        QCOMPARE(w.Text3()->size(), QSize(137, 41));
        QCOMPARE(w.Text1()->twips(), (TwipRect{0, 240, 3615, 630}));
        QCOMPARE(w.Text1()->geometry(), QRect(0, 16, 241, 42));
        QCOMPARE(w.minimumSize(), w.maximumSize());

        QStringList visible;
        for (QWidget *child :
             w.Picture2()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                visible << child->objectName();
        visible.sort();
        QCOMPARE(visible, (QStringList{"Text1", "Text2"}));
        QVERIFY(!w.Picture1()->isVisible());
        QCOMPARE(w.Text1()->text(), QStringLiteral("幕名"));
        QCOMPARE(w.Text2()->text(), QStringLiteral("英語文字"));
    }
    void plateShowsWhiteTextOnBlackAboveABlueBand()
    {
        const QImage plate = grabbed(m_ui->window.Picture2());
        // Above Text1, and between its text and the band, the plate is black.
        QCOMPARE(countPixels(plate, exactly(kBlack), {0, 0, 241, 16}), 241 * 16);
        QCOMPARE(plate.pixel(2, 36), kBlack);
        int blueRows = 0;
        for (int y = 64; y < 81; ++y)
            blueRows += countPixels(plate, exactly(kBlue), {0, y, 241, 1}) == 241;
        QVERIFY2(blueRows >= 2, "the English line's band is not pure blue");
        QCOMPARE(countPixels(plate, exactly(kBlue), {0, 0, 241, 64}), 0);

        // Two bold 24-point characters leave far more than a few stray white pixels.
        QVERIFY(countPixels(plate, whitish, {0, 16, 241, 42}) > 150);
        QVERIFY(countPixels(plate, whitish, {0, 64, 241, 17}) > 20);
    }
    void japaneseGlyphsRender()
    {
        m_ui->window.Command8()->setFocus();
        SignTextBox *text1 = m_ui->window.Text1();
        // A font without kana and kanji draws the same empty box for every character.
        QVERIFY(shownText(text1, QStringLiteral("幕名")) !=
                shownText(text1, QString(QChar(0xE000)) + QChar(0xE001)));
        QVERIFY(shownText(text1, QStringLiteral("幕")) != shownText(text1, QStringLiteral("名")));
        SignTextBox *text2 = m_ui->window.Text2();
        QVERIFY(shownText(text2, QStringLiteral("英語")) !=
                shownText(text2, QStringLiteral("文字")));
    }
    void tabVisitsOnlyVisibleControls()
    {
        MainWindow &w = m_ui->window;
        QCOMPARE(QApplication::focusWidget(), w.Text1());
        QStringList reached;
        for (int i = 0; i < 30 && (i == 0 || QApplication::focusWidget() != w.Text1()); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus && focus->isVisible());
            reached << focus->objectName();
        }
        const QStringList expected{"Text2",    "Command8", "Command3", "Command4",
                                   "honayku",  "Command7", "Command1", "Command6",
                                   "Command5", "Command2", "Picture2", "Text1"};
        QCOMPARE(reached, expected);
    }
    void menuShortcutsWinOverTheTextBox_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << "hozon";
        QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X) << "end";
        QTest::newRow("Ctrl+H") << QKeySequence(Qt::CTRL | Qt::Key_H) << "honyak";
        QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V) << "bajyon";
        QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "hajimeni";
    }
    void menuShortcutsWinOverTheTextBox()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        MainWindow &w = m_ui->window;
        const QList<QAction *> actions{w.hozon(), w.end(), w.honyak(), w.bajyon(), w.hajimeni()};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAction *a : actions)
            spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));

        QGuiApplication::clipboard()->setText(QStringLiteral("貼り付け"));
        QCOMPARE(QApplication::focusWidget(), w.Text1());
        w.Text1()->selectAll();
        QTest::keySequence(w.Text1(), keys);

        for (qsizetype i = 0; i < actions.size(); ++i)
            QCOMPARE(spies[std::size_t(i)]->count(), actions[i]->objectName() == action ? 1 : 0);
        // Neither cut nor paste reached the text.
        QCOMPARE(w.Text1()->text(), QStringLiteral("幕名"));
    }
    void textBoxesHaveNoLengthLimit()
    {
        SignTextBox *text1 = m_ui->window.Text1();
        // Pasted as a user would, through the paste key the menu shortcuts leave alone.
        QGuiApplication::clipboard()->setText(QString(40000, QChar(u'幕')));
        text1->clear();
        QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(text1->text().size(), 40000);
    }
    void signStateRoundTrips()
    {
        MainWindow &w = m_ui->window;
        const SignState original = w.signState();
        QVERIFY(original.controls.at(QStringLiteral("Text1")).visible);
        QVERIFY(!original.controls.at(QStringLiteral("Text3")).visible);

        QTest::keyClicks(w.Text1(), QStringLiteral("abc"));
        w.Text2()->setBackColor(Qt::red);
        w.Text1()->setFontSize(30);
        w.Text3()->show();
        w.Text2()->setTwips({0, 480, 3615, 255});
        w.Command3()->setEnabled(false);
        w.Command8()->setText(QStringLiteral("x"));
        QVERIFY(w.signState() != original);

        w.setSignState(original);
        QVERIFY(w.signState() == original);
        QCOMPARE(w.Text1()->text(), QStringLiteral("幕名"));
        QVERIFY(!w.Text3()->isVisible());
        QCOMPARE(w.Text2()->geometry(), QRect(0, 64, 241, 17));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
