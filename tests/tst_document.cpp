#include "ModelSupport.h"
#include "sign/FrameRules.h"
#include "sign/PlateGeometry.h"
#include "sign/SignDocument.h"
#include "sign/SignPresets.h"

#include <QDir>
#include <QTemporaryDir>

#include <QRandomGenerator>
#include <QSignalSpy>

#include <type_traits>

// Only the undo commands can make the key to the document's raw setters.
static_assert(!std::is_default_constructible_v<SignDocument::CommandKey>);

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void replacingAndSavingTrackTheModifiedState()
    {
        SignDocument doc;
        QSignalSpy modified(&doc, &SignDocument::modifiedChanged);
        doc.editText(SignLine::Main, QStringLiteral("東京"));
        Frame second;
        second.layout = SignLayout::TypeAndDestination;
        doc.replaceFrames({Frame(), second}, QStringLiteral("a.quintelo"));
        QCOMPARE(doc.frames(), (QList<Frame>{Frame(), second}));
        QCOMPARE(doc.fileName(), QStringLiteral("a.quintelo"));
        QVERIFY(!doc.undoStack().canUndo());
        doc.toggleLayout();
        doc.undo();
        doc.editMainColour(Qt::red);
        doc.markSaved(QStringLiteral("b.quintelo"));
        QCOMPARE(doc.fileName(), QStringLiteral("b.quintelo"));
        doc.undo();
        QVERIFY(doc.isModified());
        QCOMPARE(modified,
                 (QList<QVariantList>{{true}, {false}, {true}, {false}, {true}, {false}, {true}}));
    }

    // The toggle sets the main line's size and the band each layout shows. A band chosen in the
    // type layout waits there, black, for the sign name, as one chosen before the toggle does.
    void toggleFollowsTheLayoutTables()
    {
        SignDocument doc;
        doc.editMainFont(QFont(kSignFace, 40), Qt::red);
        doc.editEnglishBand(Qt::green);
        doc.toggleLayout();
        Frame expected;
        expected.layout = SignLayout::TypeAndDestination;
        expected.mainFont = QFont(kSignFace, 16);
        expected.mainColour = Qt::red;
        expected.englishBand = Qt::black;
        expected.signNameBand = Qt::green;
        QCOMPARE(doc.currentFrame(), expected);
        doc.editEnglishBand(Qt::yellow);
        expected.signNameBand = Qt::yellow;
        const Frame type = doc.currentFrame();
        QCOMPARE(type, expected);
        QVERIFY(!doc.signNameRestored());

        doc.toggleLayout();
        QCOMPARE(doc.currentFrame().mainFont.pointSizeF(), 24.0);
        QCOMPARE(doc.currentFrame().englishBand, QColor(Qt::yellow));
        QVERIFY(doc.signNameRestored());
        // Undoing the return takes back the caption change it brought, too.
        doc.undo();
        QCOMPARE(doc.currentFrame(), type);
        QVERIFY(!doc.signNameRestored());
    }
    // A line holds at most its characters, cut as a paste is cut but never between the halves of
    // one character; its Chinese and Korean lines and the frame's name the same, whoever edits.
    void linesStopAtTheirMostCharacters()
    {
        constexpr qsizetype most = Frame::kMaxLineLength;
        Frame frame;
        setLineText(frame, SignLine::Destination, QString(most - 1, u'x') + QStringLiteral("😀"));
        QCOMPARE(frame.text(SignLine::Destination), QString(most - 1, u'x'));
        setTranslation(frame, PanelLanguage::Korean, SignLine::Destination, QString(1500, u'가'));
        QCOMPARE(frame.translation(PanelLanguage::Korean, SignLine::Destination),
                 QString(most, u'가'));
        SignDocument doc;
        doc.editText(SignLine::Main, QString(2 * most, u'駅'));
        doc.renameFrame(0, QString(most + 1, u'n'));
        QCOMPARE(doc.currentFrame().text(SignLine::Main), QString(most, u'駅'));
        QCOMPARE(doc.currentFrame().name, QString(most, u'n'));
    }
    void typingMergesUntilTheLineIsLeft()
    {
        SignDocument doc;
        for (const char *typed : {"快", "快速", "快速急"})
            doc.editText(SignLine::Main, QString::fromUtf8(typed));
        doc.editText(SignLine::English, QStringLiteral("Rapid"));
        doc.endTyping();
        doc.editText(SignLine::English, QStringLiteral("Rapid Service"));
        QCOMPARE(doc.undoStack().count(), 3);

        doc.undo();
        QCOMPARE(doc.currentFrame().text(SignLine::English), QStringLiteral("Rapid"));
        doc.undo();
        doc.undo();
        QCOMPARE(doc.currentFrame(), Frame());
        // Typing that ends where it began, and edits that change nothing, leave no step.
        doc.endTyping();
        doc.editText(SignLine::Main, QStringLiteral("幕名x"));
        doc.editText(SignLine::Main, QStringLiteral("幕名"));
        doc.editMainFont(Frame().mainFont, Frame().mainColour);
        doc.editMainColour(Frame().mainColour);
        QCOMPARE(doc.undoStack().index(), 0);
        QVERIFY(!doc.undoStack().canUndo());
    }

    // 均等割り付け acts on a sign name, a type or a destination of two to four characters; where
    // none has, turning it on is no step at all.
    void justifyIsAStepOnlyWhereItSpreads()
    {
        SignDocument doc;
        doc.editText(SignLine::Main, QStringLiteral("各駅停車駅"));
        doc.endTyping();
        QVERIFY(!canSpread(doc.currentFrame()));
        doc.editJustify(true);
        QCOMPARE(doc.undoStack().count(), 1);
        QVERIFY(!doc.currentFrame().justify);
        // The type layout's destination can spread; a 👨‍👩‍👧 is one character of two.
        doc.toggleLayout();
        doc.editText(SignLine::Destination, QStringLiteral("回👨‍👩‍👧"));
        QVERIFY(canSpread(doc.currentFrame()));
        doc.editJustify(true);
        QVERIFY(spreadsLine(doc.currentFrame(), SignLine::Destination));
        QVERIFY(!spreadsLine(doc.currentFrame(), SignLine::Main));
        doc.editJustify(true);
        QCOMPARE(doc.undoStack().count(), 4);
        // Once on, it can be turned off whatever the names.
        doc.editText(SignLine::Destination, QStringLiteral("東京テレポート"));
        doc.editJustify(false);
        QVERIFY(!doc.currentFrame().justify);
    }
    // A frame goes by its name, else by its texts: the type alone names too many frames.
    void framesGoByTheirTexts()
    {
        Frame frame;
        frame.text(SignLine::Main) = QStringLiteral("快速");
        frame.text(SignLine::Destination) = QStringLiteral(" 高尾\n");
        QCOMPARE(frame.displayName(), QStringLiteral("快速"));
        toggleLayout(frame);
        QCOMPARE(frame.displayName(), QStringLiteral("快速 高尾"));
        frame.text(SignLine::Main).clear();
        QCOMPARE(frame.displayName(), QStringLiteral("高尾"));
        frame.name = QStringLiteral("始発");
        QCOMPARE(frame.displayName(), QStringLiteral("始発"));
    }

    // Chinese and Korean lines are one step for all four, for the LED panel alone: the plate is
    // bilingual. A page is there only where the layout shows its lines.
    void otherLanguagesAreOneStepAndLeaveThePlate()
    {
        SignDocument doc;
        const QImage plate = PlatePainter(doc.currentFrame()).render();
        std::array<Translation, 2> lines;
        lines[std::size_t(PanelLanguage::Korean)].destination = QStringLiteral("다카오");
        doc.editTranslations(lines);
        doc.editTranslations(lines); // the same again is no step
        QCOMPARE(doc.undoStack().count(), 1);
        QCOMPARE(PlatePainter(doc.currentFrame()).render(), plate);
        QVERIFY(!hasLanguage(doc.currentFrame(), PanelLanguage::Korean)); // no destination shown
        doc.toggleLayout();
        QVERIFY(hasLanguage(doc.currentFrame(), PanelLanguage::Korean));
    }

    void presetsComeShippedAndFromTheUser_data()
    {
        QTest::addColumn<QByteArray>("userFile");
        QTest::addColumn<int>("added");
        QTest::addColumn<bool>("told");
        QTest::newRow("own plate")
            << QByteArray("{\"serviceTypes\": [{\"name\": \"区間快速\", "
                          "\"background\": \"#123456\", \"text\": \"#FFFFFF\"}]}")
            << 1 << false;
        QTest::newRow("bad colour")
            << QByteArray("{\"lineColours\": [{\"name\": \"灰\", \"colour\": \"#GGG\"}]}") << 0
            << true;
        QTest::newRow("lower-case colour")
            << QByteArray("{\"lineColours\": [{\"name\": \"灰\", \"colour\": \"#a0b1c2\"}]}") << 1
            << false;
        // Spellings QColor would take, which the files do not.
        for (const char *colour : {"#12345", "#1234567", "#12345g", "red", "#fff", " #123456"})
            QTest::newRow(colour) << QByteArray("{\"lineColours\": [{\"name\": \"灰\", "
                                                "\"colour\": \"") +
                                         colour + "\"}]}"
                                  << 0 << true;
    }
    void presetsComeShippedAndFromTheUser()
    {
        QFETCH(QByteArray, userFile);
        QFETCH(int, added);
        QFETCH(bool, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("presets.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(userFile));
        file.close();
        const SignPresets presets = SignPresets::load(path);
        QVERIFY(presets.serviceTypes.size() >= 9 && presets.lineColours.size() >= 5);
        QCOMPARE(presets.serviceTypes[2].name, QStringLiteral("快速（橙）"));
        QCOMPARE(presets.serviceTypes[2].background, QColor(0xFF, 0x7F, 0x27));
        QCOMPARE(presets.serviceTypes.size() + presets.lineColours.size(),
                 SignPresets::load(QString()).serviceTypes.size() +
                     SignPresets::load(QString()).lineColours.size() + added);
        QCOMPARE(presets.failure.path, told ? path : QString());
    }

    // Random edits of frames and of the roll's order, then all undone and all redone: the
    // document and its pictures return to the start and to the end each time.
    void undoAndRedoRetraceAnyHistory_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1U, 7U, 2026U})
            QTest::addRow("seed %u", seed) << seed;
    }
    void undoAndRedoRetraceAnyHistory()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        SignDocument doc;
        const QList<Frame> start = doc.frames();
        const QImage startPicture = PlatePainter(doc.currentFrame()).render();
        const QStringList words{QStringLiteral("東京"), QStringLiteral("Shinjuku"), QString(),
                                QStringLiteral("回送"), QStringLiteral("通勤特快")};
        for (int step = 0; step < 100; ++step) {
            const QColor colour = QColor::fromRgb(random.generate() & 0xFFFFFF);
            const auto line = SignLine(random.bounded(4));
            const auto anyFrame = [&] { return random.bounded(doc.frameCount()); };
            switch (random.bounded(17)) {
            case 16: {
                std::array<Translation, 2> lines = doc.currentFrame().translations;
                lines[random.bounded(2)].main = words[random.bounded(int(words.size()))];
                doc.editTranslations(lines);
                break;
            }
            case 10:
                doc.addFrame();
                break;
            case 11:
                doc.duplicateFrame();
                break;
            case 12:
                QCOMPARE(doc.deleteFrame(), start.size() < doc.frameCount());
                break;
            case 13:
                doc.moveFrame(anyFrame(), anyFrame());
                break;
            case 14:
                doc.setCurrentIndex(anyFrame());
                break;
            case 15:
                doc.renameFrame(anyFrame(), words[random.bounded(int(words.size()))]);
                break;
            case 0:
                doc.toggleLayout();
                break;
            case 8:
                doc.editJustify(random.bounded(2) == 1);
                break;
            case 9:
                doc.editTypePlate(colour, colour.darker());
                break;
            case 1:
                doc.editMainColour(colour);
                break;
            case 2:
                doc.editEnglishColour(colour);
                break;
            case 3:
                doc.editEnglishBand(colour);
                break;
            case 4:
                doc.editMainFont(QFont(QStringLiteral("BIZ UDPGothic"), random.bounded(8, 40)),
                                 colour);
                break;
            case 5:
                doc.endTyping();
                break;
            default:
                doc.editText(line, doc.currentFrame().text(line) +
                                       words[random.bounded(int(words.size()))]);
            }
        }
        const QList<Frame> end = doc.frames();
        const bool restoredAtEnd = doc.signNameRestored();
        const QImage endPicture = PlatePainter(end.last()).render();
        QVERIFY(end.size() > 1);

        while (doc.undoStack().canUndo())
            doc.undo();
        QCOMPARE(doc.frames(), start);
        QVERIFY(!doc.signNameRestored());
        QCOMPARE(PlatePainter(doc.currentFrame()).render(), startPicture);
        while (doc.undoStack().canRedo())
            doc.redo();
        QCOMPARE(doc.frames(), end);
        QCOMPARE(doc.signNameRestored(), restoredAtEnd);
        QCOMPARE(PlatePainter(doc.frames().last()).render(), endPicture);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
