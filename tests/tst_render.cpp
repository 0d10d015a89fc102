#include "ModelSupport.h"
#include "apps/cli/FileNamePattern.h"
#include "export/ExportSettings.h"
#include "export/VectorPictures.h"
#include "io/CsvFrames.h"
#include "io/RollFile.h"
#include "messages/FailureMessage.h"
#include "sign/FrameRules.h"
#include "sign/SignDocument.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run
{
    int status = -1;
    QString errors;
};

// The user's own folders inside folder, so that presets and the save journal are the test's.
void useFoldersIn(QProcess &process, const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
}

Run render(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    useFoldersIn(process, folder);
    process.start(QStringLiteral(QUINTELO_RENDER), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// One table in UTF-8, comma-separated, with the characters Shift_JIS and CP932 disagree on.
const QString kTable = QStringLiteral("sign,sign_en\r\n新宿,Shinjuku\r\n\"ｼﾝｼﾞｭｸ～①\",\"a,b\"\r\n");
// The same as a Japanese spreadsheet saves it by default: CP932.
const QByteArray kTableCp932 = "sign,sign_en\r\n\x90\x56\x8f\x68,Shinjuku\r\n"
                               "\"\xbc\xdd\xbc\xde\xad\xb8\x81\x60\x87\x40\",\"a,b\"\r\n";

// The table as its "Unicode text": UTF-16 with a byte order mark, tab-separated.
QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (const QChar c : QChar(QChar::ByteOrderMark) + text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

QString tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void tablesAreReadAsSpreadsheetsWriteThem()
    {
        const QByteArray csv = "\xEF\xBB\xBF"
                               "name,sign_en,sign,text_colour\r\n"
                               "a,\"Shinjuku, via \"\"Yamanote\"\"\",\"新宿\n経由\",#FF7F27\r\n"
                               "\r\n"
                               "b,,渋谷,#FF7F2\n"
                               ",Rapid,,\n"
                               "d,,上野,\n"
                               "e,Tokyo,東京,,\n";
        const CsvFrames::Read read = CsvFrames::read(csv, QStringLiteral("/x/s.csv"), {});
        QVERIFY(read.failure.ok());
        QCOMPARE(read.frames.size(), 3);
        const Frame &first = read.frames.at(0).frame;
        QCOMPARE(first.text(SignLine::Main), QStringLiteral("新宿\n経由"));
        QCOMPARE(first.text(SignLine::English), QStringLiteral("Shinjuku, via \"Yamanote\""));
        QCOMPARE(first.mainColour, QColor(0xFF, 0x7F, 0x27));
        QCOMPARE(first.name, QStringLiteral("a"));
        // Rows keep their numbers past the bad one; the failures name file, line and column.
        QCOMPARE(read.frames.at(1).number, 3);
        QCOMPARE(read.frames.at(2).number, 4);
        QCOMPARE(read.rowFailures.size(), 2);
        const QString told = FailureMessage::leftOutRow(read.rowFailures.at(0));
        QVERIFY2(told.startsWith(QStringLiteral("/x/s.csv: 5 行目「text_colour」列: 色「#FF7F2」")),
                 qPrintable(told));
        QCOMPARE(read.rowFailures.at(1).where.line, 8);
        QCOMPARE(read.rowFailures.at(1).problem, FileFailure::Problem::TooManyFields);

        const CsvFrames::Read unknown = CsvFrames::read("sign,colour\nA,#000000\n", "s.csv", {});
        QVERIFY(unknown.frames.isEmpty());
        QCOMPARE(unknown.failure.where.column, 2);
        QVERIFY(FailureMessage::line(unknown.failure, FileSubject::Table)
                    .contains(QStringLiteral("1 行目 2 列目: 「colour」という列は使えません")));
        QCOMPARE(CsvFrames::read("sign\n\"open\n", "s.csv", {}).failure.problem,
                 FileFailure::Problem::UnclosedQuote);
    }
    void tablesInEveryEncodingReadAlike()
    {
        const CsvFrames::Read utf8 = CsvFrames::read(kTable.toUtf8(), QStringLiteral("t.csv"), {});
        QCOMPARE(utf8.frames.size(), 2);
        QCOMPARE(utf8.frames.at(1).frame.text(SignLine::Main), QStringLiteral("ｼﾝｼﾞｭｸ～①"));
        QCOMPARE(utf8.frames.at(1).frame.text(SignLine::English), QStringLiteral("a,b"));
        const QString tabbed = QString(kTable)
                                   .replace(QStringLiteral(","), QStringLiteral("\t"))
                                   .replace(QStringLiteral("a\tb"), QStringLiteral("a,b"));
        for (const auto &[tag, bytes] : {std::pair{"CP932", kTableCp932},
                                         {"UTF-8 with BOM", "\xEF\xBB\xBF" + kTable.toUtf8()},
                                         {"UTF-16 LE, tabs", utf16(tabbed, false)},
                                         {"UTF-16 BE, tabs", utf16(tabbed, true)}}) {
            const CsvFrames::Read read = CsvFrames::read(bytes, QStringLiteral("t.csv"), {});
            QVERIFY2(read.failure.ok() && read.rowFailures.isEmpty(), tag);
            QCOMPARE(read.frames.size(), utf8.frames.size());
            for (qsizetype i = 0; i < read.frames.size(); ++i)
                QVERIFY2(read.frames.at(i).frame == utf8.frames.at(i).frame, tag);
        }

        // Neither UTF-8 nor CP932, or broken UTF-16: refused, naming the line, never read as
        // replacement characters.
        for (const auto &[bytes, line] :
             {std::pair{QByteArray("sign\n\xe6\x9d\xb1\n\x82\xa0\xff\n"), 3},
              {utf16(QStringLiteral("sign\nA\n"), false) + QByteArray("\x00\xD8\n\x00", 4), 3},
              {QByteArray("sign\nA\0B\n", 9), 2}}) {
            const CsvFrames::Read read = CsvFrames::read(bytes, QStringLiteral("t.csv"), {});
            QVERIFY(read.frames.isEmpty());
            QCOMPARE(read.failure.path, QStringLiteral("t.csv"));
            QCOMPARE(read.failure.where.line, line);
        }
        // A header alone makes no frame; a line longer than a frame takes leaves its row out.
        QCOMPARE(CsvFrames::read("sign,name\r\n", "t.csv", {}).failure.problem,
                 FileFailure::Problem::HeaderOnly);
        const CsvFrames::Read tooLong = CsvFrames::read("sign,name\nA," + QByteArray(1001, 'x') +
                                                            "\nB," + QByteArray(1000, 'x') + "\n",
                                                        "t.csv", {});
        QCOMPARE(tooLong.frames.size(), 1);
        QCOMPARE(tooLong.rowFailures.size(), 1);
        const FileFailure &row = tooLong.rowFailures.constFirst();
        QVERIFY(row.where.line == 2 && row.where.key == u"name" && row.found == 1001 &&
                row.most == Frame::kMaxLineLength);
        const QString told = FailureMessage::leftOutRow(row);
        QVERIFY2(told.startsWith(QStringLiteral("t.csv: 2 行目「name」列:")) &&
                     told.contains(u"1001") && told.contains(u"1000"),
                 qPrintable(told));
    }

    // A row is the frame the same edits make in the window, whatever their order: a band asked
    // for beside a service type waits, black, for the sign name there as in the table.
    void rowsAreTheFramesTheWindowMakes()
    {
        const QByteArray csv = "preset,type,destination,destination_en,sign,band_colour,"
                               "type_zh,destination_ko,sign_zh,text_colour,name\n"
                               "快速,快速,東京,Tokyo,,#0085CE,快速,도쿄,,#FFFF00,始発\n"
                               ",快速,,,新宿,,,,,,\n"
                               "特急だけ,特急,大阪,,,,,,,,\n"
                               ",,,,,#7BAB4F,,,东京,,\n";
        const SignPresets presets = SignPresets::load(QString());
        const CsvFrames::Read read = CsvFrames::read(csv, QStringLiteral("s.csv"), presets);
        QCOMPARE(read.frames.size(), 2);
        QCOMPARE(read.rowFailures.at(0).where.line, 3);
        QCOMPARE(read.rowFailures.at(0).where.key, QStringLiteral("type"));
        QCOMPARE(read.rowFailures.at(1).where.key, QStringLiteral("preset"));
        QCOMPARE(read.rowFailures.at(1).value, QStringLiteral("特急だけ"));

        SignDocument doc;
        doc.toggleLayout();
        for (const auto &[line, text] : {std::pair{SignLine::Main, QStringLiteral("快速")},
                                         {SignLine::English, QString()},
                                         {SignLine::Destination, QStringLiteral("東京")},
                                         {SignLine::DestinationSmall, QStringLiteral("Tokyo")}})
            doc.editText(line, text);
        doc.editEnglishBand(QColor(0x00, 0x85, 0xCE));
        doc.editTypePlate(presets.serviceTypes[2].background, presets.serviceTypes[2].text);
        doc.editMainColour(QColor(0xFF, 0xFF, 0x00));
        doc.editTranslations(
            {Translation{QStringLiteral("快速"), {}}, Translation{{}, QStringLiteral("도쿄")}});
        doc.renameFrame(0, QStringLiteral("始発"));
        // A sign name in Chinese alone makes a sign-name frame.
        doc.addFrame();
        doc.editEnglishBand(QColor(0x7B, 0xAB, 0x4F));
        doc.editText(SignLine::Main, QString());
        doc.editText(SignLine::English, QString());
        doc.editTranslations({Translation{QStringLiteral("东京"), {}}, Translation()});
        QCOMPARE(read.frames.at(0).frame, doc.frame(0));
        QCOMPARE(read.frames.at(1).frame, doc.frame(1));
        QCOMPARE(doc.frame(0).englishBand, QColor(Qt::black));
        QCOMPARE(doc.frame(0).typePlate, QColor(0xFF, 0x7F, 0x27));
    }
    void fileNamesAreSafe()
    {
        const FileNamePattern pattern(QStringLiteral("{n:03}-{name}-{n}.svg"));
        QVERIFY(pattern.problem().isEmpty());
        QCOMPARE(pattern.fileName(7, QStringLiteral("../東京:行き")),
                 QStringLiteral("007-_東京_行き-7.svg"));
        QCOMPARE(FileNamePattern::safe(QStringLiteral(" .. ")), QStringLiteral("_"));
        QVERIFY(!FileNamePattern(QStringLiteral("{number}.png")).problem().isEmpty());
        QVERIFY(!FileNamePattern(QStringLiteral("a/{n}.png")).problem().isEmpty());
    }

    void commandLineWritesWhatItCanAndSaysWhy()
    {
        QTemporaryDir dir;
        write(dir.filePath("s.csv"), "sign,name\n東京,tokyo\n新宿,tokyo\n上野,\n");
        Run run =
            render({"s.csv", "--each", "-o", "out", "--name", "{name}.png", "-j", "2"}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"tokyo.png", "tokyo_2.png", "上野.png"}));

        write(dir.filePath("bad.csv"), "sign,band_colour\n東京,\n新宿,blue\n");
        run = render({"bad.csv", "--each", "-o", "bad"}, dir.path());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("bad.csv: 3 行目「band_colour」列")),
                 qPrintable(run.errors));
        QCOMPARE(QDir(dir.filePath("bad")).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"001.png"}));

        run = render({"s.csv", "--frame", "3", "--height", "162", "-o", "three.png"}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(QImage(dir.filePath("three.png")).size(), QSize(482, 162));
        QCOMPARE(render({"s.csv", "--strip", "--scale", "2", "-o", "strip.png"}, dir.path()).status,
                 0);
        QCOMPARE(QImage(dir.filePath("strip.png")).height(), 3 * 162);
        QCOMPARE(render({"s.csv", "--spin", "-o", "spin.gif"}, dir.path()).status, 0);
        QVERIFY(bytesOf(dir.filePath("spin.gif")).startsWith("GIF89a"));

        // A roll file in its own look, or in the one --look asks for.
        QVERIFY(RollFile::save({Frame()}, dir.filePath("led.quintelo"), {LookKind::Led, {}}).ok());
        for (const auto &[arguments, size] :
             {std::pair{QStringList{"led.quintelo"}, QSize(1024, 256)},
              {{"led.quintelo", "--look", "plate"}, QSize(241, 81)},
              {{"s.csv", "--look", "led"}, QSize(1024, 256)}}) {
            QCOMPARE(render(arguments + QStringList{"-o", "look.png"}, dir.path()).status, 0);
            QCOMPARE(QImage(dir.filePath("look.png")).size(), size);
        }

        // A name no face of the panel holds shows its first screenful, and the run says which
        // frame; that is no failure.
        write(dir.filePath("long.csv"), "sign\n東京\n" + QString(60, u'駅').toUtf8() + "\n");
        run = render({"long.csv", "--look", "led", "--each", "-o", "long"}, dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.errors.contains(QStringLiteral("2 コマ目「駅駅")) &&
                     run.errors.count(QStringLiteral("LED の表示に収まりません")) == 1,
                 qPrintable(run.errors));

        for (const QStringList &usage : {QStringList{"s.csv", "-o", "x.png", "--scale", "9"},
                                         QStringList{"s.csv", "-o", "x.tiff"},
                                         QStringList{"s.csv", "-o", "x.png", "--look", "neon"},
                                         QStringList{"s.csv", "--frame", "4", "-o", "x.png"},
                                         QStringList{"none.csv", "-o", "x.png"}}) {
            run = render(usage, dir.path());
            QCOMPARE(run.status, 2);
            QVERIFY(run.errors.contains(QStringLiteral("quintelo-render: ")));
        }
        QVERIFY(!QFile::exists(dir.filePath("x.png")));

        // Nothing written, exit 2, for whatever kind of output: an input or output that is no
        // file, a table of a header alone, a picture too large for its format, a folder asked
        // for under a file's name.
        write(dir.filePath("header.csv"), "sign,name\n");
        QVERIFY(::mkfifo(qPrintable(dir.filePath("pipe.csv")), 0600) == 0);
        QVERIFY(::mkfifo(qPrintable(dir.filePath("pipe.png")), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero.csv")));
        write(dir.filePath("long.csv"), "sign\n" + QByteArray("a\n").repeated(900));
        for (const auto &[usage, said] :
             {std::pair{QStringList{"header.csv", "-o", "x.png"}, "見出しの行だけ"},
              {{"header.csv", "--each", "-o", "x"}, "見出しの行だけ"},
              {{"header.csv", "--strip", "-o", "x.png"}, "見出しの行だけ"},
              {{"header.csv", "--spin", "-o", "x.gif"}, "見出しの行だけ"},
              {{"header.csv", "-o", "x.pdf"}, "見出しの行だけ"},
              {{"pipe.csv", "-o", "x.png"}, "名前付きパイプ"},
              {{"zero.csv", "-o", "x.png"}, "デバイスファイル"},
              {{"s.csv", "-o", "pipe.png"}, "名前付きパイプ"},
              {{"s.csv", "--each", "-o", "x.pdf"}, "--name"},
              {{"s.csv", "--each", "-o", "s.csv"}, "普通のファイル"},
              {{"long.csv", "--strip", "--scale", "8", "-o", "x.gif"}, "65535 ピクセルまで"}}) {
            run = render(usage, dir.path());
            QCOMPARE(run.status, 2);
            QVERIFY2(run.errors.contains(QString::fromUtf8(said)), qPrintable(run.errors));
        }
        QCOMPARE(QDir(dir.path()).entryList({"x*"}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
        QCOMPARE(QFileInfo(dir.filePath("pipe.png")).size(), 0);

        // A name of bytes the system encoding cannot spell is refused, not written as another.
        QProcess shell;
        useFoldersIn(shell, dir.path());
        shell.start(QStringLiteral("bash"),
                    {QStringLiteral("-c"), QStringLiteral("\"$0\" s.csv -o $'\\xff.png'"),
                     QStringLiteral(QUINTELO_RENDER)});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 2);
        QCOMPARE(
            QDir(dir.path()).entryList({"*.png"}, QDir::Files).filter(QStringLiteral("\uFFFD")),
            QStringList());

        // A user's presets that are a pipe: said, and the shipped ones serve. Quiet: errors only.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("config/Quintelo")));
        QVERIFY(::mkfifo(qPrintable(dir.filePath("config/Quintelo/presets.json")), 0600) == 0);
        run = render({"s.csv", "-o", "p.png"}, dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.errors.contains(QStringLiteral("名前付きパイプ")), qPrintable(run.errors));
        QVERIFY(QFile::remove(dir.filePath("config/Quintelo/presets.json")));
        run = render({"s.csv", "--each", "-o", "quiet", "-q"}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errors, QString());
        // No window library, so it runs wherever no display is.
        QVERIFY(!tool("readelf", {"-d", QStringLiteral(QUINTELO_RENDER)}).contains("Widgets"));
    }

    // A write the system cuts short (here a file-size limit, as a full disk would) is told on
    // one line naming the file and the system's reason in Japanese, never Qt's English.
    void failedWriteIsOneJapaneseLine()
    {
        QTemporaryDir dir;
        write(dir.filePath("s.csv"), "sign\n東京\n新宿\n上野\n");
        QProcess shell;
        useFoldersIn(shell, dir.path());
        // Ignored, the limit makes the write fail with EFBIG instead of ending the program.
        shell.start(QStringLiteral("bash"),
                    {QStringLiteral("-c"),
                     QStringLiteral("trap '' XFSZ; ulimit -f 4; exec \"$0\" s.csv --strip "
                                    "--scale 8 -o strip.bmp"),
                     QStringLiteral(QUINTELO_RENDER)});
        QVERIFY(shell.waitForFinished(60000));
        const QString errors = QString::fromUtf8(shell.readAllStandardError());
        QCOMPARE(shell.exitCode(), 1);
        QCOMPARE(errors.count(u'\n'), 1);
        QVERIFY2(errors.startsWith(QStringLiteral("quintelo-render: フィルム「strip.bmp」")) &&
                     errors.contains(QStringLiteral("ファイルがシステムの許す大きさを超えます")) &&
                     !errors.contains(qt_error_string(EFBIG)),
                 qPrintable(errors));
        QCOMPARE(QDir(dir.path()).entryList({"strip*"}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    // In a folder that takes no new file the picture is written over the old one where it
    // stands. Killed at any moment, the file is the whole old one or the whole new one, or the
    // next start puts the old one back from the journal and says so.
    void overwriteInPlaceSurvivesKill9()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7777)));
        write(dir.filePath("roll.csv"), "sign\n" + QByteArray("東京\n").repeated(60));
        const QString locked = dir.filePath("locked");
        const QString target = locked + QStringLiteral("/strip.bmp");
        QVERIFY(QDir().mkpath(locked) && QDir().mkpath(dir.filePath("data")));
        QVERIFY(QFile::setPermissions(dir.filePath("data"), QFile::Permissions(0x7777)));
        // What the run makes when nothing stops it: some 20 MB of BMP.
        const QStringList arguments{"roll.csv", "--strip", "--scale", "2", "-o", target};
        QCOMPARE(render(arguments, dir.path()).status, 0);
        const QByteArray made = bytesOf(target);
        const QByteArray old = QByteArray("old picture ").repeated(200000);
        const auto reset = [&] {
            QFile file(target);
            return file.open(QIODevice::WriteOnly) && file.write(old) == old.size() &&
                   file.setPermissions(QFile::Permissions(0x6666));
        };
        QVERIFY(reset());
        QVERIFY(QFile::setPermissions(locked, QFile::Permissions(0x5555)));
        const auto restore =
            qScopeGuard([&locked] { QFile::setPermissions(locked, QFile::Permissions(0x7755)); });
        const QDir journal(dir.filePath("data/Quintelo/journal"));
        // A copy nobody may run, wherever the build folder lies.
        const QString program = dir.filePath(QStringLiteral("quintelo-render"));
        QVERIFY(QFile::copy(QStringLiteral(QUINTELO_RENDER), program) &&
                QFile::setPermissions(program, QFile::Permissions(0x7755)));

        int putBack = 0;
        for (const int delayMs : {0, 0, 5, 10, 20, 40, 80, 160}) {
            QProcess run;
            useFoldersIn(run, dir.path());
            // The superuser may create files anywhere: the run is nobody's, as a user's is.
            run.setChildProcessModifier([] {
                if (::geteuid() == 0 && ::setresgid(65534, 65534, 65534) == 0)
                    ::setresuid(65534, 65534, 65534);
            });
            run.start(program, arguments);
            QDeadlineTimer deadline(30000);
            while (journal.entryList({"*.journal"}, QDir::Files).isEmpty() &&
                   run.state() != QProcess::NotRunning && !deadline.hasExpired())
                QThread::usleep(200);
            QThread::msleep(delayMs);
            run.kill();
            QVERIFY(run.waitForFinished(30000));
            const QByteArray after = bytesOf(target);
            const bool copyLeft = !journal.entryList({"*.journal"}, QDir::Files).isEmpty();
            QVERIFY2(copyLeft || after == old || after == made,
                     qPrintable(QString::number(delayMs)));

            // The next start, whatever it is asked, puts back what was cut off.
            const Run next = render({"--version"}, dir.path());
            const QByteArray restored = bytesOf(target);
            QVERIFY(restored == old || restored == made);
            if (next.errors.contains(QStringLiteral("上書きする前の内容に戻しました"))) {
                ++putBack;
                QCOMPARE(restored, old);
            }
            QCOMPARE(journal.entryList(QDir::Files | QDir::Hidden), QStringList());
            QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{"strip.bmp"});
            QFile::setPermissions(locked, QFile::Permissions(0x7755));
            QVERIFY(reset());
            QFile::setPermissions(locked, QFile::Permissions(0x5555));
        }
        // Some kill must have met a write in progress, or the journal was never put to work.
        QVERIFY(putBack > 0);
    }

    // Ctrl+C or SIGTERM in the middle of --each: the files being written are finished, no
    // other is begun, nothing temporary is left, and the run ends by the signal.
    void interruptedBatchLeavesOnlyWholeFiles()
    {
        QTemporaryDir dir;
        write(dir.filePath("many.csv"), "sign\n" + QByteArray("新宿\n").repeated(3000));
        for (const bool hard : {false, true}) {
            const QString out = dir.filePath(hard ? "killed" : "stopped");
            QProcess run;
            useFoldersIn(run, dir.path());
            run.start(QStringLiteral(QUINTELO_RENDER),
                      {"many.csv", "--each", "-o", out, "--scale", "4", "-j", "2"});
            QDeadlineTimer deadline(30000);
            while (QDir(out).entryList(QDir::Files).size() < 20 && !deadline.hasExpired())
                QThread::msleep(5);
            if (hard)
                run.kill();
            else
                run.terminate();
            QVERIFY(run.waitForFinished(30000));
            QCOMPARE(run.exitStatus(), QProcess::CrashExit);
            const QStringList files = QDir(out).entryList(QDir::Files | QDir::Hidden);
            QVERIFY(files.size() >= 20 && files.size() < 3000);
            QCOMPARE(files.filter(QRegularExpression(QStringLiteral("^\\."))), QStringList());
            if (!hard)
                for (const QString &file : files)
                    QVERIFY2(!QImage(QDir(out).filePath(file)).isNull(), qPrintable(file));
        }
    }

    // Ctrl+C in the middle of one output, a long print sheet: it is cancelled, the old file
    // under its name stays as it was, nothing appears beside it, and the run ends by the signal.
    void interruptedOutputLeavesTheOldFile()
    {
        QTemporaryDir dir;
        write(dir.filePath("many.csv"), "sign\n" + QByteArray("新宿\n").repeated(10000));
        const QString out = dir.filePath("sheet.pdf");
        write(out, "old");
        QProcess run;
        useFoldersIn(run, dir.path());
        run.start(QStringLiteral(QUINTELO_RENDER), {"many.csv", "-o", out});
        QVERIFY(run.waitForStarted());
        // The job's thread, beside the main one, once the table is read.
        const QDir threads(QStringLiteral("/proc/%1/task").arg(run.processId()));
        QDeadlineTimer deadline(30000);
        while (threads.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() < 2 &&
               run.state() == QProcess::Running && !deadline.hasExpired())
            QThread::msleep(5);
        QThread::msleep(100);
        ::kill(pid_t(run.processId()), SIGINT);
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitStatus(), QProcess::CrashExit);
        QCOMPARE(run.exitCode(), SIGINT);
        QCOMPARE(bytesOf(out), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"many.csv", "sheet.pdf"}));
    }

    void svgIsShapesThatDrawAsThePicture()
    {
        QTemporaryDir dir;
        Frame frame;
        setLayout(frame, SignLayout::TypeAndDestination);
        frame.text(SignLine::Main) = QStringLiteral("各駅停車");
        frame.text(SignLine::Destination) = QStringLiteral("東京テレポート方面行き");
        frame.text(SignLine::DestinationSmall) = QStringLiteral("Tokyo");
        const QByteArray svg = svgPicture(frame, QRect(QPoint(), PlatePainter(frame).size()), 3);
        QXmlStreamReader xml(svg);
        int paths = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                QVERIFY(xml.name() != QLatin1String("text") &&
                        xml.name() != QLatin1String("style"));
                paths += xml.name() == QLatin1String("path") ? 1 : 0;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(paths > 0);

        write(dir.filePath("f.svg"), svg);
        QProcess::execute("rsvg-convert", {dir.filePath("f.svg"), "-o", dir.filePath("f.png")});
        const QImage drawn = rgb(QImage(dir.filePath("f.png")));
        const QImage picture = PlatePainter(frame).render(3);
        QCOMPARE(drawn.size(), picture.size());
        // Two rasterisers never shade a glyph's edge alike, and the picture's text is hinted
        // to the pixel grid while outlines are not: an edge may stand a pixel off and thin
        // strokes come out a shade lighter or darker. So a pixel differs only when no pixel
        // next to it in the picture is within half the range of its colour in every channel:
        // a missing, moved or differently squeezed text shows as thousands of differing
        // pixels, where edges leave none here.
        const auto near = [](QRgb a, QRgb b) {
            return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))}) <= 128;
        };
        int differing = 0;
        for (int y = 1; y < drawn.height() - 1; ++y)
            for (int x = 1; x < drawn.width() - 1; ++x) {
                bool matched = false;
                for (int dy = -1; dy <= 1 && !matched; ++dy)
                    for (int dx = -1; dx <= 1 && !matched; ++dx)
                        matched = near(drawn.pixel(x, y), picture.pixel(x + dx, y + dy));
                differing += matched ? 0 : 1;
            }
        QVERIFY2(differing < 50, qPrintable(QString::number(differing)));
    }

    void printSheetPlacesFramesOnPaper()
    {
        QTemporaryDir dir;
        const Frame frame;
        const PrintSheet sheet(ExportSettings::pageSize(ExportSettings::Paper::B5), 30,
                               PlatePainter(frame).size());
        write(dir.filePath("s.pdf"), sheet.pdf(QList<Frame>(sheet.framesPerPage() + 1, frame)));
        const QString info = tool("pdfinfo", {dir.filePath("s.pdf")});
        QVERIFY2(info.contains(QRegularExpression("Pages: +2\n")), qPrintable(info));
        QVERIFY(info.contains(QRegularExpression("Page size: +516 x 729 pts")));

        // At 254 dots to the inch a millimetre is ten pixels.
        QProcess::execute("pdftoppm", {"-r", "254", "-png", "-f", "1", "-l", "1", "-singlefile",
                                       dir.filePath("s.pdf"), dir.filePath("p")});
        const QImage page = rgb(QImage(dir.filePath("p.png")));
        const QRectF second = sheet.place(1).millimetres;
        QCOMPARE(sheet.place(1).page, 0);
        QCOMPARE(second.left(), PrintSheet::kMarginMillimetres + 30 + PrintSheet::kGapMillimetres);
        const auto at = [&page](qreal x, qreal y) { return page.pixel(int(x * 10), int(y * 10)); };
        QCOMPARE(at(second.left() + 0.3, second.top() + 0.3), qRgb(0, 0, 0));
        QCOMPARE(at(second.right() - 0.3, second.bottom() - 0.3), frame.englishBand.rgb());
        QCOMPARE(at(second.left() - 0.3, second.center().y()), qRgb(255, 255, 255));
        QCOMPARE(at(second.right() + 0.3, second.top() + 0.3), qRgb(255, 255, 255));
        // A cut mark, a tenth of a millimetre wide, on the line the frame's left edge is cut along.
        QVERIFY(std::min({qGray(at(second.left() - 0.1, second.top() - 1)),
                          qGray(at(second.left(), second.top() - 1)),
                          qGray(at(second.left() + 0.1, second.top() - 1))}) < 200);
        QCOMPARE(sheet.place(sheet.framesPerPage()).page, 1);
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
