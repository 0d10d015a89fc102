#include "messages/FailureMessage.h"
#include "messages/SystemReason.h"

#include <QDir>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>

Q_DECLARE_METATYPE(FileFailure)
Q_DECLARE_METATYPE(FileSubject)

namespace {

using Kind = FileFailure::Kind;
using Problem = FileFailure::Problem;
constexpr auto kRead = FileFailure::Action::Read;
constexpr auto kWrite = FileFailure::Action::Write;

const QString kPath = QStringLiteral("/tmp/方向幕/sign.png");

const QRegularExpression kJapanese(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"));

} // namespace

// The table that words every failure for both programs: each kind in Japanese naming the file,
// the facts a user needs kept, the two forms made of the same parts.
class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void everyFailureIsToldWithItsFacts_data()
    {
        QTest::addColumn<FileFailure>("failure");
        QTest::addColumn<QStringList>("facts");
        const auto row = [](const char *tag, const FileFailure &failure, const QStringList &facts) {
            QTest::newRow(tag) << failure.named(kPath) << facts;
        };
        const auto of = [](Kind kind, FileFailure::Action action, int error = 0) {
            return FileFailure::of(kind, action, {}, error);
        };
        row("not found", of(Kind::NotFound, kRead), {"見つかりません", "開けませんでした"});
        row("folder missing", of(Kind::FolderMissing, kWrite), {"フォルダがありません"});
        row("a folder, read", of(Kind::IsFolder, kRead), {"フォルダで"});
        row("a folder, written", of(Kind::IsFolder, kWrite), {"同じ名前のフォルダ"});
        row("a pipe", of(Kind::SpecialFile, kWrite).withFileKind(FileKind::Fifo),
            {"名前付きパイプ (FIFO)", "ファイルにだけ保存できます"});
        row("dangling link", of(Kind::DanglingLink, kRead), {"リンク先のない"});
        row("bad name", of(Kind::BadName, kWrite), {"文字コード"});
        row("name too long", of(Kind::NameTooLong, kWrite), {"ファイル名が長すぎます"});
        row("path too long", of(Kind::PathTooLong, kWrite), {"パス"});
        row("write-protected", of(Kind::WriteProtected, kWrite),
            {"書き込み禁止", "そのまま残っています"});
        row("cannot read", of(Kind::CannotRead, kRead, EACCES),
            {"読めませんでした", "アクセスが許可されていません"});
        row("file too large",
            of(Kind::TooLarge, kRead).withProblem(Problem::TooManyBytes).withRange(0, 16 << 20),
            {"16 MB"});
        row("picture side too long",
            of(Kind::TooLarge, kWrite)
                .withProblem(Problem::SideTooLong)
                .withEncoder(QStringLiteral("GIF"))
                .withRange(0, 65535)
                .withSize({70000, 81}),
            {"70000 × 81", "GIF", "65535", "--each"});
        row("picture of too many pixels",
            of(Kind::TooLarge, kWrite)
                .withProblem(Problem::TooManyPixels)
                .withRange(0, qint64(64) << 20)
                .withSize({9000, 9000}),
            {"9000 × 9000", "6710 万ピクセル", "256 MB"});
        row("line too long in a roll",
            FileFailure::content(Problem::LineTooLong)
                .inItem(2)
                .inKey(QStringLiteral("english"))
                .withFound(1001)
                .withRange(0, 1000),
            {"2 コマ目", "「english」", "1001", "1000"});
        row("colour in a table",
            FileFailure::content(Problem::UnreadableColour)
                .inLine(3)
                .inKey(QStringLiteral("band_colour"))
                .withValue(QStringLiteral("blue")),
            {"3 行目", "「band_colour」", "「blue」", "#RRGGBB"});
        row("broken JSON",
            FileFailure::content(Problem::BrokenJson)
                .atOffset(12)
                .withCode(QJsonParseError::UnterminatedString),
            {"12 バイト目", "文字列が閉じられていません"});
        row("folder takes no file", of(Kind::CannotCreate, kWrite, EACCES),
            {"作成できません", "アクセスが許可されていません"});
        row("folder not made", of(Kind::FolderNotMade, kWrite, EROFS),
            {"フォルダを作れません", "読み取り専用のファイルシステム"});
        row("no copy of the old file", of(Kind::NoCopy, kWrite, ENOSPC), {"控え"});
        row("disk full", of(Kind::WriteFailed, kWrite, ENOSPC),
            {"ディスクに空きがありません", "そのまま残っています"});
        row("not committed", of(Kind::CommitFailed, kWrite, EXDEV), {"確定できませんでした"});
        row("old file not back", of(Kind::RestoreFailed, kWrite, EIO),
            {"控えを取ってあります", "次に起動したとき"});
        row("unknown extension",
            of(Kind::UnknownFormat, kWrite)
                .withChoices({QStringLiteral(".gif"), QStringLiteral(".png")}),
            {".gif、.png"});
        row("no encoder", of(Kind::EncoderMissing, kWrite).withEncoder(QStringLiteral("libx264")),
            {"libx264"});
        row("encoder's error",
            FileFailure::encoding(Problem::LibraryError)
                .withEncoder(QStringLiteral("giflib"))
                .withCode(6),
            {"giflib", "6"});
        row("colours not reduced", FileFailure::encoding(Problem::ColourReduction), {"256 色"});
        row("rate", of(Kind::RateOutOfRange, kWrite).withRange(1, 120), {"1 から 120"});
    }
    void everyFailureIsToldWithItsFacts()
    {
        QFETCH(FileFailure, failure);
        QFETCH(QStringList, facts);
        const QString paragraphs = FailureMessage::paragraphs(failure, FileSubject::Picture);
        const QString line = FailureMessage::line(failure, FileSubject::Picture);
        for (const QString &told : {paragraphs, line}) {
            QVERIFY2(told.contains(QDir::toNativeSeparators(kPath)), qPrintable(told));
            QVERIFY2(told.contains(kJapanese), qPrintable(told));
            for (const QString &fact : facts)
                QVERIFY2(told.contains(fact), qPrintable(fact + QStringLiteral(" / ") + told));
        }
        // One line for a terminal, holding every part the message box shows.
        QVERIFY(!line.contains(u'\n'));
        for (QString part : paragraphs.split(QStringLiteral("\n\n")))
            QVERIFY2(line.contains(part.remove(u'\n')),
                     qPrintable(part + QStringLiteral(" / ") + line));
        QVERIFY(FailureMessage::worthTelling(failure));
        // Success and a cancel, the user's own wish with nothing written, are told as nothing.
        for (const FileFailure &quiet :
             {FileFailure(), FileFailure::of(Kind::Cancelled, kWrite, kPath)}) {
            QVERIFY(!FailureMessage::worthTelling(quiet));
            QVERIFY(FailureMessage::paragraphs(quiet, FileSubject::Picture).isEmpty());
            QVERIFY(FailureMessage::line(quiet, FileSubject::Picture).isEmpty());
        }
    }

    // The old file is spoken of only where one could stand under the name: not where a folder,
    // a device or nothing at all is there, nor under a name no file can have.
    void oldFileIsToldOfOnlyWhereOneCouldBe()
    {
        const QString kept = QStringLiteral("そのまま残っています");
        for (const Kind kind : {Kind::WriteProtected, Kind::CannotCreate, Kind::WriteFailed})
            QVERIFY(FailureMessage::line(FileFailure::of(kind, kWrite, kPath, EACCES),
                                         FileSubject::Picture)
                        .contains(kept));
        for (const Kind kind : {Kind::IsFolder, Kind::SpecialFile, Kind::FolderMissing,
                                Kind::NameTooLong, Kind::PathTooLong, Kind::BadName})
            QVERIFY2(
                !FailureMessage::line(FileFailure::of(kind, kWrite, kPath), FileSubject::Picture)
                     .contains(kept),
                qPrintable(FailureMessage::line(FileFailure::of(kind, kWrite, kPath),
                                                FileSubject::Picture)));
    }

    // Each output by its own name: a sheet that could not be saved is no picture.
    void eachOutputIsNamed_data()
    {
        QTest::addColumn<FileSubject>("subject");
        QTest::addColumn<QString>("noun");
        QTest::newRow("picture") << FileSubject::Picture << "画像「";
        QTest::newRow("sheet") << FileSubject::PrintSheet << "印刷用シート (PDF)「";
        QTest::newRow("roll") << FileSubject::RollFile << "幕データ「";
        QTest::newRow("autosave") << FileSubject::Autosave << "自動保存「";
        QTest::newRow("video") << FileSubject::Video << "動画「";
        QTest::newRow("names") << FileSubject::FrameNames << "コマ一覧「";
        QTest::newRow("strip") << FileSubject::Strip << "フィルム「";
        QTest::newRow("spin") << FileSubject::Spin << "回転アニメーション「";
        QTest::newRow("table") << FileSubject::Table << "表 (CSV)「";
        QTest::newRow("presets") << FileSubject::Presets << "自分用のプリセット「";
    }
    void eachOutputIsNamed()
    {
        QFETCH(FileSubject, subject);
        QFETCH(QString, noun);
        const FileFailure failure = FileFailure::of(Kind::WriteFailed, kWrite, kPath, ENOSPC);
        const QString headline =
            FailureMessage::paragraphs(failure, subject).section(QStringLiteral("\n\n"), 0, 0);
        QVERIFY2(headline.startsWith(noun), qPrintable(headline));
        QVERIFY(FailureMessage::line(failure, subject).startsWith(noun));
    }

    // The system's reasons as the user is told them, whichever program tells them: in Japanese,
    // never Qt's or the C library's English, a full disk never an "Unknown error".
    void systemReasonsAreJapanese()
    {
        const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
        for (const int error :
             {ENOSPC, EACCES, EPERM, ENOENT, EISDIR, EROFS, ENAMETOOLONG, EDQUOT, EIO, EEXIST,
              ENOTDIR, EMFILE, EFBIG, EXDEV, ETXTBSY, ELOOP, ENOMEM}) {
            const QString reason = systemReason(error);
            QVERIFY2(reason.contains(kJapanese) && !reason.contains(latin),
                     qPrintable(QString::number(error) + u' ' + reason));
        }
        for (const auto &[error, said] : {std::pair{ENOSPC, "ディスクに空きがありません"},
                                          {EROFS, "読み取り専用のファイルシステム"}}) {
            const QString line = FailureMessage::line(
                FileFailure::of(Kind::WriteFailed, kWrite, kPath, error), FileSubject::Picture);
            QVERIFY2(line.contains(QString::fromUtf8(said)) &&
                         !line.contains(qt_error_string(error)) &&
                         !line.contains(QStringLiteral("Unknown error")),
                     qPrintable(line));
        }
        // One the table does not know: said to be the system's, with its number and words.
        const QString unknown = systemReason(EPROTO);
        QVERIFY2(unknown.contains(kJapanese) && unknown.contains(QString::number(EPROTO)) &&
                     unknown.contains(qt_error_string(EPROTO)),
                 qPrintable(unknown));
        QVERIFY(systemReason(0).isEmpty());
    }

    void journalTellsEachFileAndWhereItsCopyIs()
    {
        const QString copy = QStringLiteral("/data/journal/x.journal");
        const QString report = FailureMessage::journalReport(
            {{QStringLiteral("/a/back.png"), {}, {}},
             {QStringLiteral("/a/gone.png"),
              FileFailure::of(Kind::NotFound, kWrite, QStringLiteral("/a/gone.png")), copy}});
        const QStringList lines = report.split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].contains(QStringLiteral("/a/back.png")) &&
                lines[0].contains(QStringLiteral("戻しました")));
        QVERIFY(lines[1].contains(QStringLiteral("/a/gone.png")) &&
                lines[1].contains(QStringLiteral("見つかりません")) && lines[1].contains(copy));
        QVERIFY(FailureMessage::journalReport({}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
