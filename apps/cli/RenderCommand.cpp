#include "apps/cli/RenderCommand.h"

#include "apps/cli/FileNamePattern.h"
#include "codec/QtImageWriter.h"
#include "export/ExportManager.h"
#include "export/PictureFormat.h"
#include "export/VectorPictures.h"
#include "export/VideoExport.h"
#include "files/FileKind.h"
#include "files/MakeFolder.h"
#include "files/RegularFileReader.h"
#include "files/SaveJournal.h"
#include "identity/AppIdentity.h"
#include "io/RollFile.h"
#include "messages/FailureMessage.h"
#include "messages/SystemReason.h"
#include "render/PlatePainter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QString kProgram = QStringLiteral("quintelo-render");
// A table of the most rows a run takes (CsvReader::kMaxRecords) at a generous 300 bytes a row.
constexpr qint64 kLargestTable = qint64(32) * 1024 * 1024;

bool readNumber(const QString &text, qreal low, qreal high, qreal &into)
{
    bool ok = false;
    const qreal value = text.toDouble(&ok);
    if (!ok || value < low || value > high)
        return false;
    into = value;
    return true;
}

// Seconds as the command line gives them, into the milliseconds the timeline counts.
bool readSeconds(const QString &text, qreal low, qreal high, int &intoMs)
{
    qreal seconds = 0;
    if (!readNumber(text, low, high, seconds))
        return false;
    intoMs = int(std::lround(seconds * 1000));
    return true;
}

bool readWhole(const QString &text, int low, int high, int &into)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return false;
    into = value;
    return true;
}

// The format a name's extension asks for: a picture's, or "pdf".
QByteArray formatOf(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return "pdf";
    return ExportManager::formatForFileName(fileName);
}

// name, or name with _2, _3 … before its extension where an earlier frame took it.
QString unused(const QString &name, QSet<QString> &taken)
{
    QString candidate = name;
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString base = name.left(name.size() - suffix.size());
    for (int n = 2; taken.contains(candidate.toLower()); ++n)
        candidate = QStringLiteral("%1_%2%3").arg(base).arg(n).arg(suffix);
    taken.insert(candidate.toLower());
    return candidate;
}

// What to say of the frames whose lines an LED panel cannot show whole, even in two rows of a
// smaller face: they show their first screenful. Only the spin shows the English phase.
QStringList cutLineWarnings(const QList<NumberedFrame> &frames, const SignLook &look,
                            bool englishToo)
{
    QStringList warnings;
    if (!look.isLed())
        return warnings;
    for (const NumberedFrame &numbered : frames) {
        const Frame &frame = numbered.frame;
        QList<SignLine> cut = LedPainter(frame, look.led).linesCut();
        if (englishToo)
            cut << LedPainter(frame, look.led, LedPhase::English).linesCut();
        QStringList lines;
        for (const SignLine line : kSignLines) {
            if (!cut.contains(line))
                continue;
            const bool signName = frame.layout == SignLayout::SignName;
            lines << (line == SignLine::Main
                          ? signName ? RenderCommand::tr("幕名") : RenderCommand::tr("種別")
                      : line == SignLine::English     ? RenderCommand::tr("英語文字")
                      : line == SignLine::Destination ? RenderCommand::tr("行き先")
                                                      : RenderCommand::tr("行き先の英字"));
        }
        if (!lines.isEmpty())
            warnings << RenderCommand::tr("警告: %1 コマ目「%2」の%3は LED の表示に収まりません。"
                                          "最初の一画面だけを描きます。")
                            .arg(numbered.number)
                            .arg(frame.displayName(), lines.join(RenderCommand::tr("、")));
    }
    return warnings;
}

} // namespace

RenderCommand::RenderCommand(QTextStream &out, QTextStream &err, bool errIsTerminal,
                             const SaveJournal &journal, QString presetsFile)
    : m_out(out)
    , m_err(err)
    , m_errIsTerminal(errIsTerminal)
    , m_journal(journal)
    , m_presetsFile(std::move(presetsFile))
{}

QString RenderCommand::helpText()
{
    return tr(
        "使い方: quintelo-render [オプション] 入力 -o 出力\n"
        "\n"
        "幕データ (.quintelo) か CSV ファイルのコマを、画面なしで画像・SVG・印刷用 PDF にします。\n"
        "形式は出力の拡張子で決まります (.gif .png .bmp .jpg .webp .svg、シートは .pdf)。\n"
        "\n"
        "  -o, --output 出力    書き出すファイル (--each のときはフォルダ)\n"
        "  --frame N           N コマ目を書き出す (1 から。省略時は 1 コマ目)\n"
        "  --each              すべてのコマを 1 コマ 1 ファイルで出力フォルダに書き出す\n"
        "  --name パターン      --each のファイル名 (既定 {n:03}.png)。{n} 番号、{n:03} 3 桁の\n"
        "                      番号、{name} コマの名前\n"
        "  --strip             全コマを縦につないだ 1 枚の画像 (フィルム)\n"
        "  --spin              幕を回すアニメーション GIF\n"
        "  --video 出力         幕の動きを動画にする。種類は出力の名前で決まる (.mp4 H.264、\n"
        "                      .webm VP9、.webp、.gif。すでにあるフォルダなら PNG の連番\n"
        "                      00000.png…)\n"
        "  --fps N             動画の 1 秒あたりの画像の数 (1〜120、既定 30)\n"
        "  --hold 秒            幕: 各コマで止まる時間 (0〜60、既定 2)\n"
        "  --turn 秒            幕: 1 コマ送る時間 (0.1〜60、既定 1)\n"
        "  --page 秒            LED: 1 ページを表示する時間 (0.1〜60、既定 3)\n"
        "  --scroll N          LED: 収まらない行が流れる速さ (ドット/秒、1〜1000、既定 30)\n"
        "  --first N, --last N 動画にするコマの範囲 (1 から。既定は全コマ)\n"
        "  --frame-mm W        印刷用シートでの 1 コマの幅 (mm、既定 7.5)\n"
        "  --paper A4|B5       印刷用シートの用紙 (既定 A4。B5 は JIS B5)\n"
        "  --look led|plate    LED 表示器か幕で描く (既定は幕データの表示、CSV は幕。LED の\n"
        "                      設定は幕データのもの)\n"
        "  --scale N           倍率 (1〜8、既定 1)\n"
        "  --height PX         画像の高さをピクセルで指定する\n"
        "  --fit PX            長いほうの辺を PX ピクセルにする (サムネイル用)\n"
        "  --format 形式        拡張子の代わりに形式を指定する (png、gif、svg など)\n"
        "  -j, --jobs N        同時に描くスレッドの数 (既定はコアの数)\n"
        "  -q, --quiet         エラーのほかは何も表示しない\n"
        "  -h, --help          この説明を表示する\n"
        "  --version           版を表示する\n"
        "\n"
        "CSV: UTF-8、BOM 付き UTF-16、Shift_JIS (CP932)。カンマかタブ区切りで、1 行目は列の\n"
        "名前。列: sign, sign_en (方向幕)、type, type_en, destination, destination_en\n"
        "(種別・行き先)、text_colour, en_colour, band_colour (#RRGGBB)、preset (種別プリセット\n"
        "名)、name (コマの名前)。\n"
        "\n"
        "上限: 1 行 1,000 文字。画像 1 枚 6,710 万ピクセル (256 MB)、1 辺は GIF・JPEG 65,535、\n"
        "PNG 1,000,000、BMP 32,767、WebP 16,383 ピクセル。CSV 32 MB・100,000 行、幕データ\n"
        "16 MB・10,000 コマ。動画の画像 1 辺は H.264 8,192 (1 枚 3,565 万ピクセルまで)、VP9\n"
        "16,384、WebP 16,383、GIF 65,535 ピクセル。\n"
        "\n"
        "終了コード (どの出力でも同じ):\n"
        "  0  すべて書き出した\n"
        "  1  書き出せなかった行やファイルがある (ほかは書き出した。ディスクがいっぱいなど)\n"
        "  2  コマンドライン・入力ファイル・出力先が正しくない、動画の大きさが上限を超える、\n"
        "     動画のエンコーダーがない (何も書き出していない)\n");
}

void RenderCommand::fail(const QString &message)
{
    m_err << kProgram << ": " << message << Qt::endl;
}

QString RenderCommand::parse(const QStringList &arguments, bool &stop)
{
    Options &o = m_options;
    bool each = false, strip = false, spin = false, video = false, scaleGiven = false;
    // The first of the options that shape a video, for telling that it asks for one.
    QString motionOption;
    bool optionsEnded = false;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString value;
        bool valueGiven = false;
        if (argument.startsWith(QLatin1String("--")) && argument.contains(u'=')) {
            value = argument.section(u'=', 1);
            argument = argument.section(u'=', 0, 0);
            valueGiven = true;
        } else if (!argument.startsWith(QLatin1String("--")) && argument.size() > 2) {
            value = argument.mid(2);
            argument.truncate(2);
            valueGiven = true;
        }
        const auto takeValue = [&]() -> bool {
            if (valueGiven)
                return true;
            if (i + 1 >= arguments.size())
                return false;
            value = arguments.at(++i);
            return true;
        };
        const auto needsValue = [&] { return tr("%1 のあとに値を書いてください。").arg(argument); };
        const auto badValue = [&](const QString &range) {
            return QStringLiteral("%1 %2: %3").arg(argument, value, range);
        };

        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            m_out << helpText() << Qt::flush;
            stop = true;
            return {};
        }
        if (argument == QLatin1String("--version")) {
            m_out << kProgram << ' ' << kAppVersion << Qt::endl;
            stop = true;
            return {};
        }
        if (argument == QLatin1String("--each")) {
            each = true;
        } else if (argument == QLatin1String("--strip")) {
            strip = true;
        } else if (argument == QLatin1String("--spin")) {
            spin = true;
        } else if (argument == QLatin1String("--video")) {
            if (!takeValue())
                return needsValue();
            if (!o.output.isEmpty() && o.output != value)
                return RenderCommand::tr("--video の出力と -o の出力は 1 つにしてください。");
            video = true;
            o.output = value;
        } else if (argument == QLatin1String("--fps") || argument == QLatin1String("--hold") ||
                   argument == QLatin1String("--turn") || argument == QLatin1String("--page") ||
                   argument == QLatin1String("--scroll") || argument == QLatin1String("--first") ||
                   argument == QLatin1String("--last")) {
            if (!takeValue())
                return needsValue();
            if (motionOption.isEmpty())
                motionOption = argument;
            MotionOptions &m = o.motion;
            // Any whole number: the rate's range is told with the video's other limits.
            if (argument == QLatin1String("--fps") &&
                !readWhole(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                           o.fps))
                return badValue(RenderCommand::tr("1 秒あたりの画像の数は整数で書いてください。"));
            if (argument == QLatin1String("--hold") && !readSeconds(value, 0, 60, m.holdMs))
                return badValue(RenderCommand::tr("止まる時間は 0〜60 秒で書いてください。"));
            if (argument == QLatin1String("--turn") && !readSeconds(value, 0.1, 60, m.passMs))
                return badValue(RenderCommand::tr("1 コマ送る時間は 0.1〜60 秒で書いてください。"));
            if (argument == QLatin1String("--page") && !readSeconds(value, 0.1, 60, m.pageMs))
                return badValue(RenderCommand::tr("1 ページの時間は 0.1〜60 秒で書いてください。"));
            if (argument == QLatin1String("--scroll") &&
                !readWhole(value, 1, 1000, m.scrollDotsPerSecond))
                return badValue(
                    RenderCommand::tr("流れる速さは 1〜1000 ドット/秒で書いてください。"));
            // Held against the roll once it is read.
            if ((argument == QLatin1String("--first") &&
                 !readWhole(value, 1, std::numeric_limits<int>::max(), o.firstFrame)) ||
                (argument == QLatin1String("--last") &&
                 !readWhole(value, 1, std::numeric_limits<int>::max(), o.lastFrame)))
                return badValue(RenderCommand::tr("コマの番号は 1 からの整数で書いてください。"));
        } else if (argument == QLatin1String("-q") || argument == QLatin1String("--quiet")) {
            o.quiet = true;
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--output")) {
            if (!takeValue())
                return needsValue();
            if (video && o.output != value)
                return RenderCommand::tr("--video の出力と -o の出力は 1 つにしてください。");
            o.output = value;
        } else if (argument == QLatin1String("--name")) {
            if (!takeValue())
                return needsValue();
            o.namePattern = value;
        } else if (argument == QLatin1String("--format")) {
            if (!takeValue())
                return needsValue();
            o.format = ExportManager::formatForFileName(QStringLiteral("x.") + value);
            if (o.format.isEmpty())
                return badValue(tr("使える形式は %1 です。")
                                    .arg(PictureFormat::writableExtensions().join(tr("、"))));
        } else if (argument == QLatin1String("--frame")) {
            if (!takeValue())
                return needsValue();
            if (!readWhole(value, 1, RollFile::kMaxFrames, o.frame))
                return badValue(tr("コマの番号は 1 からの整数で書いてください。"));
        } else if (argument == QLatin1String("--frame-mm")) {
            if (!takeValue())
                return needsValue();
            if (!readNumber(value, ExportSettings::kSmallestFrameMillimetres,
                            ExportSettings::kLargestFrameMillimetres, o.size.frameMillimetres))
                return badValue(tr("幅は %1〜%2 mm で書いてください。")
                                    .arg(ExportSettings::kSmallestFrameMillimetres)
                                    .arg(ExportSettings::kLargestFrameMillimetres));
        } else if (argument == QLatin1String("--paper")) {
            if (!takeValue())
                return needsValue();
            if (value.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
                o.size.paper = ExportSettings::Paper::A4;
            else if (value.compare(QLatin1String("B5"), Qt::CaseInsensitive) == 0)
                o.size.paper = ExportSettings::Paper::B5;
            else
                return badValue(tr("用紙は A4 か B5 です。"));
        } else if (argument == QLatin1String("--look")) {
            if (!takeValue())
                return needsValue();
            if (value == QLatin1String("led"))
                o.look = LookKind::Led;
            else if (value == QLatin1String("plate"))
                o.look = LookKind::Plate;
            else
                return badValue(tr("表示は led か plate です。"));
        } else if (argument == QLatin1String("--scale")) {
            if (!takeValue())
                return needsValue();
            if (!readNumber(value, 1, ExportSettings::kLargestScale, o.size.scale))
                return badValue(tr("倍率は 1〜8 で書いてください。"));
            scaleGiven = true;
        } else if (argument == QLatin1String("--height")) {
            if (!takeValue())
                return needsValue();
            if (!readWhole(value, ExportSettings::kSmallestHeight, ExportSettings::kLargestHeight,
                           o.size.height))
                return badValue(tr("高さは %1〜%2 ピクセルで書いてください。")
                                    .arg(ExportSettings::kSmallestHeight)
                                    .arg(ExportSettings::kLargestHeight));
        } else if (argument == QLatin1String("--fit")) {
            if (!takeValue())
                return needsValue();
            if (!readWhole(value, ExportSettings::kSmallestHeight, ExportSettings::kLargestHeight,
                           o.fit))
                return badValue(tr("大きさは %1〜%2 ピクセルで書いてください。")
                                    .arg(ExportSettings::kSmallestHeight)
                                    .arg(ExportSettings::kLargestHeight));
        } else if (argument == QLatin1String("-j") || argument == QLatin1String("--jobs")) {
            if (!takeValue())
                return needsValue();
            if (!readWhole(value, 1, 256, o.threads))
                return badValue(tr("スレッドの数は 1〜256 で書いてください。"));
        } else {
            return tr("「%1」というオプションはありません。--help で使い方を"
                      "表示できます。")
                .arg(arguments.at(i));
        }
    }

    if (positional.isEmpty())
        return tr("入力ファイルを指定してください。--help で使い方を表示できます。");
    if (positional.size() > 1)
        return tr("入力ファイルは 1 つだけです（「%1」も渡されました）。").arg(positional.at(1));
    o.input = positional.constFirst();
    if (o.output.isEmpty())
        return tr("-o で書き出し先を指定してください。");
    if (int(each) + int(strip) + int(spin) + int(video) > 1)
        return RenderCommand::tr("--each、--strip、--spin、--video は 1 つだけ指定できます。");
    if (!video && !motionOption.isEmpty())
        return RenderCommand::tr("%1 は --video と一緒に使います。").arg(motionOption);
    if (video) {
        if (o.frame > 0 || o.fit > 0)
            return RenderCommand::tr("--video では --frame と --fit は使えません。コマの範囲は "
                                     "--first と --last で指定してください。");
        if (const FileFailure refused = checkVideoOutput(o.output, o.fps); !refused.ok())
            return FailureMessage::line(refused, FileSubject::Video);
        o.kind = Options::Output::Video;
        return {};
    }
    if (int(scaleGiven) + int(o.size.height > 0) + int(o.fit > 0) > 1)
        return tr("--scale、--height、--fit は 1 つだけ指定できます。");
    if (each && o.frame > 0)
        return tr("--each と --frame は一緒に使えません。");

    o.kind = each    ? Options::Output::Each
             : strip ? Options::Output::Strip
             : spin  ? Options::Output::Spin
                     : Options::Output::Frame;
    const QString named = each ? o.namePattern : o.output;
    if (o.format.isEmpty())
        o.format = formatOf(named);
    if (each) {
        const FileNamePattern pattern(o.namePattern);
        if (!pattern.problem().isEmpty())
            return pattern.problem();
    }
    // --each writes into a folder: a name that asks for a file is a mistake, not a folder's.
    if (each && !QFileInfo(o.output).isDir() && !formatOf(o.output).isEmpty())
        return tr("--each の -o は書き出し先のフォルダです。「%1」はファイルの名前に"
                  "見えます。ファイル名は --name で指定してください（既定 "
                  "{n:03}.png）。")
            .arg(o.output);
    if (o.format == "pdf" && o.kind == Options::Output::Frame)
        o.kind = Options::Output::Sheet;
    else if (o.format == "pdf")
        return tr("PDF は印刷用シートだけです。--each、--strip、--spin では画像の"
                  "拡張子を使ってください。");
    if (o.format.isEmpty())
        return tr("「%1」の拡張子から形式がわかりません。%2 か .pdf にするか、--format"
                  " で指定してください。")
            .arg(named, PictureFormat::writableExtensions().join(tr("、")));
    if (o.kind == Options::Output::Strip && o.format == "svg")
        return tr("--strip は画像です。出力の名前を .png などの画像の拡張子で終えてください。");
    if (o.kind == Options::Output::Spin && o.format != "gif")
        return tr("--spin はアニメーション GIF です。出力の名前を .gif で終えてください。");
    if (o.threads == 0)
        o.threads = std::max(1, QThread::idealThreadCount());
    return {};
}

QList<NumberedFrame> RenderCommand::load(QString &error)
{
    const QString &input = m_options.input;
    if (QFileInfo(input).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        const RollFile::Loaded roll = RollFile::load(input);
        if (!roll.ok()) {
            error = FailureMessage::line(roll.failure, FileSubject::RollFile);
            return {};
        }
        QList<NumberedFrame> frames;
        m_look = roll.look;
        if (m_options.look)
            m_look.kind = *m_options.look;
        m_inputFrames = int(roll.frames.size());
        for (qsizetype i = 0; i < roll.frames.size(); ++i)
            frames << NumberedFrame{int(i + 1), roll.frames.at(i)};
        return frames;
    }
    // Only a regular file of a table's size: a pipe or /dev/zero would never end.
    const RegularFileRead file = readRegularFile(input, kLargestTable);
    if (!file.ok()) {
        error = FailureMessage::line(file.failure, FileSubject::Table);
        return {};
    }
    const SignPresets presets = SignPresets::load(m_presetsFile);
    if (!presets.failure.ok())
        fail(FailureMessage::line(presets.failure, FileSubject::Presets));
    m_look.kind = m_options.look.value_or(LookKind::Plate);
    const CsvFrames::Read read = CsvFrames::read(file.bytes, input, presets);
    error = FailureMessage::line(read.failure, FileSubject::Table);
    for (const FileFailure &row : read.rowFailures)
        fail(FailureMessage::leftOutRow(row));
    m_rowErrors = int(read.rowFailures.size());
    m_inputFrames = read.rows;
    return read.frames;
}

qreal RenderCommand::scaleFor(const Frame &frame) const
{
    const QSize size = PlatePainter(frame, m_look).size();
    if (m_options.fit > 0)
        return qreal(m_options.fit) / std::max(size.width(), size.height());
    return m_options.size.scaleFor(size);
}

template <typename Result>
Result RenderCommand::follow(const Job<Result> &job, TerminalProgress::Count count)
{
    TerminalProgress bar(m_err, m_errIsTerminal && !m_options.quiet, count);
    const JobProgress &progress = job.progress();
    Result result = job.wait([&] {
        if (interrupted())
            job.cancel();
        bar.update(progress.done(), progress.total());
    });
    bar.finish(progress.done(), progress.total());
    return result;
}

int RenderCommand::renderEach(const QList<NumberedFrame> &frames)
{
    const QDir folder(m_options.output);
    if (const FileFailure made = makeFolder(folder.path()); !made.ok()) {
        fail(FailureMessage::line(made, FileSubject::Picture));
        return BadUsage;
    }
    // What a run into this folder that was killed left behind goes first.
    SafeFileWriter::removeLeftovers(folder.path());
    const FileNamePattern pattern(m_options.namePattern);
    QSet<QString> taken;
    QStringList fileNames;
    for (const NumberedFrame &numbered : frames)
        fileNames << folder.filePath(
            unused(pattern.fileName(numbered.number, numbered.frame.displayName()), taken));

    // Each frame is drawn and written on its own, so a failure harms only its own file. Asked
    // to stop, the runner begins no other; what is being written is finished.
    std::vector<QString> failures(std::size_t(frames.size()));
    JobRunner runner(m_options.threads);
    follow(runner.startEach(
               int(frames.size()),
               [this, &frames, &fileNames, &failures](int i) {
                   const Frame &frame = frames.at(i).frame;
                   QtImageWriter writer;
                   const FileFailure result =
                       ExportManager(writer, &m_journal, SafeFileWriter::Sync::Later)
                           .saveFrame(frame, QRect(QPoint(), PlatePainter(frame, m_look).size()),
                                      scaleFor(frame), fileNames.at(i), m_options.format, m_look);
                   if (!result.ok())
                       failures[std::size_t(i)] =
                           FailureMessage::line(result, FileSubject::Picture);
               }),
           TerminalProgress::Count::Files);
    // Every file is in place whole already; one wait for the disk makes them all durable.
    if (const FileFailure synced = SafeFileWriter::syncLaterWrites(folder.path()); !synced.ok()) {
        fail(FailureMessage::line(synced, FileSubject::Picture));
        return SomeFailed;
    }
    if (interrupted())
        return Interrupted;
    int failed = 0;
    for (const QString &failure : failures) {
        if (!failure.isEmpty()) {
            fail(failure);
            ++failed;
        }
    }
    return failed > 0 ? SomeFailed : Written;
}

int RenderCommand::renderOne(const QList<NumberedFrame> &frames)
{
    const Options &o = m_options;
    QList<Frame> chosen;
    for (const NumberedFrame &numbered : frames) {
        if (o.frame == 0 || numbered.number == o.frame)
            chosen << numbered.frame;
    }
    if (o.frame > 0 && chosen.isEmpty())
        return BadUsage; // the row that makes it was bad, and has been told

    const qreal scale = scaleFor(chosen.constFirst());
    // Drawn and written off this thread, so that the bar moves and a signal is heard.
    JobRunner runner;
    const FileFailure result =
        follow(runner.start([this, &o, &chosen, scale](JobProgress &progress) {
            QtImageWriter writer;
            ExportManager exporter(writer, &m_journal);
            exporter.setProgress(&progress);
            const QSize frameSize = PlatePainter(chosen.constFirst(), m_look).size();
            switch (o.kind) {
            case Options::Output::Sheet:
                return exporter.savePrintSheet(chosen,
                                               PrintSheet(ExportSettings::pageSize(o.size.paper),
                                                          o.size.frameMillimetres, frameSize),
                                               o.output, m_look);
            case Options::Output::Strip:
                return exporter.saveStrip(chosen, o.output, scale, m_look);
            case Options::Output::Spin: {
                SpinAnimation::Options options;
                options.scale = scale;
                options.look = m_look;
                return exporter.saveSpin(chosen, options, o.output);
            }
            case Options::Output::Frame:
            case Options::Output::Each:
            case Options::Output::Video: // renderVideo's
                break;
            }
            return exporter.saveFrame(chosen.constFirst(), QRect(QPoint(), frameSize), scale,
                                      o.output, o.format, m_look);
        }),
               TerminalProgress::Count::Steps);
    // Stopped by a signal: nothing was written, and nothing went wrong to tell.
    if (result.kind == FileFailure::Kind::Cancelled)
        return Interrupted;
    if (!result.ok()) {
        fail(FailureMessage::line(result, subject()));
        // Too large, or an encoder this system lacks: this command line cannot be done here.
        return result.refusedBeforeWriting() ? BadUsage : SomeFailed;
    }
    return m_rowErrors > 0 ? SomeFailed : Written;
}

int RenderCommand::renderVideo(const QList<NumberedFrame> &frames)
{
    const Options &o = m_options;
    VideoRequest request;
    for (const NumberedFrame &numbered : frames)
        request.frames << numbered.frame;
    request.look = m_look;
    request.motion = o.motion;
    request.fps = o.fps;
    request.size = o.size;
    request.path = o.output;
    // Drawn and encoded off this thread, so that the bar moves and a signal is heard.
    JobRunner runner;
    const FileFailure result = follow(
        runner.start([&request](JobProgress &progress) { return saveVideo(request, &progress); }),
        TerminalProgress::Count::Steps);
    if (result.kind == FileFailure::Kind::Cancelled)
        return Interrupted;
    if (!result.ok()) {
        fail(FailureMessage::line(result, FileSubject::Video));
        // Too large, or an encoder this system lacks: this command line cannot be done here.
        return result.refusedBeforeWriting() ? BadUsage : SomeFailed;
    }
    return m_rowErrors > 0 ? SomeFailed : Written;
}

FileSubject RenderCommand::subject() const
{
    switch (m_options.kind) {
    case Options::Output::Sheet:
        return FileSubject::PrintSheet;
    case Options::Output::Strip:
        return FileSubject::Strip;
    case Options::Output::Spin:
        return FileSubject::Spin;
    case Options::Output::Video:
        return FileSubject::Video;
    case Options::Output::Frame:
    case Options::Output::Each:
        break;
    }
    return FileSubject::Picture;
}

QString RenderCommand::outputProblem() const
{
    const Options &o = m_options;
    if (o.kind == Options::Output::Each) {
        // The folder may be new or a folder already; a file or anything else under its name is
        // no place to write files into.
        const FileKind kind = fileKindOf(o.output);
        if (kind != FileKind::Missing && kind != FileKind::Folder)
            return tr("%1: --each の書き出し先はフォルダですが、この名前は%2です。")
                .arg(o.output, fileKindName(kind));
        return {};
    }
    // A video into a folder is a PNG sequence: the folder is the place, its files are checked
    // as they are put in.
    if (o.kind == Options::Output::Video && QFileInfo(o.output).isDir())
        return {};
    return FailureMessage::line(SafeFileWriter::check(o.output), subject());
}

int RenderCommand::run(const QStringList &arguments)
{
    // A file whose overwrite a killed run cut off is put back before anything else is done.
    if (const QString restored = FailureMessage::journalReport(m_journal.restoreLeftovers());
        !restored.isEmpty())
        for (const QString &line : restored.split(u'\n'))
            fail(line);
    bool stop = false;
    if (const QString problem = parse(arguments, stop); !problem.isEmpty()) {
        fail(problem);
        return BadUsage;
    }
    if (stop)
        return Written;
    QString error;
    QList<NumberedFrame> frames = load(error);
    if (!error.isEmpty()) {
        fail(error);
        return BadUsage;
    }
    if (m_options.kind == Options::Output::Video) {
        const int first = m_options.firstFrame, last = m_options.lastFrame;
        if (const FileFailure range = checkFrameRange(first, last, m_inputFrames); !range.ok()) {
            fail(FailureMessage::line(range.named(m_options.output), FileSubject::Video));
            return BadUsage;
        }
        frames.removeIf([first, last](const NumberedFrame &f) {
            return f.number < first || (last > 0 && f.number > last);
        });
    }
    if (m_options.frame > m_inputFrames) {
        fail(tr("--frame %1: %2 にはそれだけのコマがありません。")
                 .arg(m_options.frame)
                 .arg(m_options.input));
        return BadUsage;
    }
    if (frames.isEmpty()) {
        fail(tr("%1: 書き出せるコマがありません。").arg(m_options.input));
        return BadUsage;
    }
    if (const QString problem = outputProblem(); !problem.isEmpty()) {
        fail(problem);
        return BadUsage;
    }
    if (interrupted())
        return Interrupted;
    // The panel's long lines run through their window in a video: none is cut.
    if (m_options.kind == Options::Output::Video)
        return renderVideo(frames);
    if (m_options.kind == Options::Output::Frame && m_options.frame == 0)
        m_options.frame = 1;
    QList<NumberedFrame> drawn = frames;
    if (m_options.frame > 0)
        drawn.removeIf([this](const NumberedFrame &f) { return f.number != m_options.frame; });
    for (const QString &warning :
         cutLineWarnings(drawn, m_look, m_options.kind == Options::Output::Spin))
        fail(warning);
    if (m_options.kind != Options::Output::Each)
        return renderOne(frames);
    const int status = renderEach(frames);
    return status == Written && m_rowErrors > 0 ? SomeFailed : status;
}
