#include "codec/PcfFont.h"
#include "io/AutosaveStore.h"
#include "io/RollFile.h"
#include "messages/FailureMessage.h"
#include "sign/SignDocument.h"
#include "sign/SignPresets.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class RollFileTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryField()
    {
        Frame changed;
        changed.layout = SignLayout::TypeAndDestination;
        changed.text(SignLine::DestinationSmall) = QStringLiteral("\"快速\"\n\\ 東京");
        changed.englishBand = QColor(0x12, 0x34, 0x56);
        changed.typePlate = QColor(0xFF, 0x7F, 0x27);
        changed.justify = true;
        changed.name = QStringLiteral("快速 東京");
        changed.mainFont = QFont(QStringLiteral("存在しない書体"), 13);
        changed.mainFont.setStyleName(QStringLiteral("Oblique"));
        changed.mainFont.setPointSizeF(13.5);
        changed.mainFont.setUnderline(true);
        changed.mainFont.setStrikeOut(true);
        changed.translation(PanelLanguage::Chinese, SignLine::Main) = QStringLiteral("快速");
        changed.translation(PanelLanguage::Korean, SignLine::Destination) = QStringLiteral("도쿄");
        const QList<Frame> frames{Frame(), changed};
        const SignLook look{LookKind::Led,
                            {LedGrid::Front, 200, 24, LedColours::FullColour, 1, 0, 0}};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("roll.quintelo"));
        QVERIFY(RollFile::save(frames, path, look).ok());
        const RollFile::Loaded loaded = RollFile::load(path);
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.frames, frames);
        QVERIFY(loaded.look == look);
        QVERIFY(bytesStart(path).startsWith(R"({"format": "quintelo-roll", "version": 1,)"));
        // A roll without Chinese or Korean lines is written as before they came.
        QVERIFY(!RollFile::toJson({Frame()}).contains("Ko\"") &&
                !RollFile::toJson({Frame()}).contains("Zh\""));
        // The written file against the published schema, by a checker that is not ours.
        QCOMPARE(
            QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"),
                               QStringLiteral("import json,sys,jsonschema;"
                                              "jsonschema.validate(json.load(open(sys.argv[1])),"
                                              "json.load(open(sys.argv[2])))"),
                               path, QStringLiteral(QUINTELO_SCHEMA)}),
            0);
    }

    // Every reader of the user's files answers at once and reads nothing but a regular file of
    // its size: a pipe would keep it waiting for ever, /dev/zero would fill its memory.
    void readersTakeOnlyRegularFilesOfTheirSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::newRow("pipe") << "pipe"
                              << "名前付きパイプ (FIFO)";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "デバイスファイル";
        QTest::newRow("folder") << "folder"
                                << "フォルダ";
        QTest::newRow("dangling link") << "dangling"
                                       << "リンク先のないシンボリックリンク";
        QTest::newRow("sparse 100 MB") << "huge"
                                       << "大きすぎます";
    }
    void readersTakeOnlyRegularFilesOfTheirSize()
    {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(::mkfifo(qPrintable(dir.filePath("pipe")), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling")));
        QFile huge(dir.filePath("huge"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(100) << 20));
        huge.close();

        const QString roll =
            FailureMessage::paragraphs(RollFile::load(path).failure, FileSubject::RollFile);
        QVERIFY2(roll.contains(problem) ||
                     (name == QLatin1String("huge") && roll.contains(QStringLiteral("16 MB"))),
                 qPrintable(roll));
        const SignPresets presets = SignPresets::load(path);
        const QString told = FailureMessage::paragraphs(presets.failure, FileSubject::Presets);
        QVERIFY2(told.contains(problem) && told.contains(path), qPrintable(told));
        QCOMPARE(presets.serviceTypes.size(), SignPresets::load(QString()).serviceTypes.size());
        QVERIFY(!PcfFont::load(path));
    }

    void missingKeysTakeDefaults()
    {
        const RollFile::Loaded loaded = RollFile::fromJson(
            R"({"format":"quintelo-roll","version":1,"frames":[{"main":"x","extra":[1]},
               {"mainFont":{"bold":false}}]})",
            {});
        QVERIFY(loaded.ok());
        Frame expected;
        expected.text(SignLine::Main) = QStringLiteral("x");
        Frame notBold;
        notBold.mainFont.setBold(false);
        QCOMPARE(loaded.frames, (QList<Frame>{expected, notBold}));
        QVERIFY(loaded.look == SignLook()); // written before the LED look: the plate
    }

    void hostileInputIsRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        const QByteArray head = R"({"format":"quintelo-roll","version":1,"frames":)";
        QTest::newRow("truncated") << head << "バイト目で壊れています";
        QTest::newRow("invalid utf-8") << head + "[{\"main\":\"\xff\"}]}"
                                       << "壊れています";
        QTest::newRow("deep") << QByteArray(100000, '[') << "壊れています";
        QTest::newRow("other json") << QByteArray("[1]") << "幕データではありません";
        QTest::newRow("newer") << QByteArray(
                                      R"({"format":"quintelo-roll","version":2,"frames":[{}]})")
                               << "新しい版（2）";
        QTest::newRow("huge version")
            << QByteArray(R"({"format":"quintelo-roll","version":1e300,"frames":[]})")
            << "新しい版";
        QTest::newRow("negative version")
            << QByteArray(R"({"format":"quintelo-roll","version":-1,"frames":[{}]})")
            << "版（version）";
        QTest::newRow("no frames") << head + "[]}"
                                   << "一つもありません";
        QTest::newRow("too many") << head + "[" + QByteArray("{},").repeated(10000) + "{}]}"
                                  << "10000 コマまで";
        QTest::newRow("wrong type") << head + R"([{}, {"main":5}]})"
                                    << "2 コマ目の「main」";
        QTest::newRow("nul") << head + R"([{"english":"a\u0000b"}]})"
                             << "NUL";
        // The longest line a frame takes, and one more character.
        const QJsonArray lines{QJsonObject{{"main", QString(1000, u'x')}},
                               QJsonObject{{"english", QString(1001, u'x')}}};
        QTest::newRow("line of 1,001") << head + QJsonDocument(lines).toJson() + "}"
                                       << "2 コマ目の「english」が正しくありません（1001 文字";
        const QJsonArray korean{QJsonObject{{"mainKo", QString(1001, u'x')}}};
        QTest::newRow("Korean line of 1,001")
            << head + QJsonDocument(korean).toJson() + "}"
            << "1 コマ目の「mainKo」が正しくありません（1001 文字";
        QTest::newRow("bad colour") << head + R"([{"mainColour":"#GGG"}]})"
                                    << "#RRGGBB";
        QTest::newRow("other digits") << head + R"([{"englishBand":"#١٢٣٤٥٦"}]})"
                                      << "#RRGGBB";
        QTest::newRow("huge size") << head + R"([{"mainFont":{"pointSize":1e308}}]})"
                                   << "pointSize";
        QTest::newRow("layout") << head + R"([{"layout":"sideways"}]})"
                                << "layout";
        QTest::newRow("look") << QByteArray(R"({"format":"quintelo-roll","version":1,"look":"neon",
            "frames":[{}]})") << "look";
        QTest::newRow("dot size") << QByteArray(R"({"format":"quintelo-roll","version":1,
            "led":{"dotSize":0.5},"frames":[{}]})")
                                  << "dotSize";
        QTest::newRow("over 16 MB") << QByteArray(RollFile::kMaxBytes + 1, ' ') << "16 MB";
    }

    void hostileInputIsRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        const RollFile::Loaded loaded = RollFile::fromJson(json, QStringLiteral("/a/b.quintelo"));
        QVERIFY(loaded.frames.isEmpty());
        const QString told = FailureMessage::paragraphs(loaded.failure, FileSubject::RollFile);
        QVERIFY2(told.contains(problem), qPrintable(told));
        QVERIFY(told.contains(QStringLiteral("/a/b.quintelo")));
    }

    // At a start the autosave folder is sorted by name: earlier versions' files go, declined
    // work past its time goes, and only a slot's own name is offered back.
    void autosaveFolderIsSortedByName()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const auto touch = [](const QString &path, int daysOld) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("{}") == 2 && file.flush() &&
                   file.setFileTime(QDateTime::currentDateTime().addDays(-daysOld),
                                    QFileDevice::FileModificationTime);
        };
        const QStringList gone{QStringLiteral("autosave-1-2.quintelo"),
                               QStringLiteral("AUTOSAVE-3-.QUINTELO")};
        const QStringList offered{QStringLiteral("autosave-12.quintelo")};
        const QStringList ignored{
            QStringLiteral("autosave-.quintelo"), QStringLiteral("autosave-7x.quintelo"),
            QStringLiteral("Autosave-8.quintelo"), QStringLiteral("autosave-9.quintelo.bak")};
        for (const QString &name : gone + offered + ignored)
            QVERIFY(touch(folder.filePath(name), 0));
        QVERIFY(folder.mkpath(QStringLiteral("declined")));
        const int kept = AutosaveStore::kKeptDays;
        QVERIFY(touch(folder.filePath(QStringLiteral("declined/old.QUINTELO")), kept + 1));
        QVERIFY(touch(folder.filePath(QStringLiteral("declined/recent.quintelo")), kept - 1));

        AutosaveStore store(dir.path());
        QVERIFY(store.claim());
        QStringList leftovers;
        for (const AutosaveStore::Leftover &leftover : store.leftovers())
            leftovers << QFileInfo(leftover.fileName).fileName();
        QCOMPARE(leftovers, offered);
        for (const QString &name : gone)
            QVERIFY2(!folder.exists(name), qPrintable(name));
        for (const QString &name : offered + ignored)
            QVERIFY2(folder.exists(name), qPrintable(name));
        QVERIFY(!folder.exists(QStringLiteral("declined/old.QUINTELO")));
        QVERIFY(folder.exists(QStringLiteral("declined/recent.quintelo")));
    }

private:
    static QByteArray bytesStart(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    }
};

QTEST_GUILESS_MAIN(RollFileTest)
#include "tst_rollfile.moc"
