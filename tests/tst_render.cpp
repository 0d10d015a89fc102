#include "ModelSupport.h"
#include "cli/CsvFrames.h"
#include "cli/FileNamePattern.h"
#include "export/ExportSettings.h"
#include "export/VectorPictures.h"
#include "io/RollFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Run
{
    int status = -1;
    QString errors;
};

Run render(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(QUINTELO_RENDER), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
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
        QVERIFY(read.error.isEmpty());
        QCOMPARE(read.frames.size(), 3);
        const Frame &first = read.frames.at(0).frame;
        QCOMPARE(first.text(SignLine::Main), QStringLiteral("新宿\n経由"));
        QCOMPARE(first.text(SignLine::English), QStringLiteral("Shinjuku, via \"Yamanote\""));
        QCOMPARE(first.mainColour, QColor(0xFF, 0x7F, 0x27));
        QCOMPARE(first.name, QStringLiteral("a"));
        // Rows keep their numbers past the bad one; the errors name file, line and column.
        QCOMPARE(read.frames.at(1).number, 3);
        QCOMPARE(read.frames.at(2).number, 4);
        QCOMPARE(read.rowErrors.size(), 2);
        QVERIFY2(read.rowErrors.at(0).startsWith(QStringLiteral("s.csv: 5 行目「text_colour」列")),
                 qPrintable(read.rowErrors.at(0)));
        QVERIFY(read.rowErrors.at(1).startsWith(QStringLiteral("s.csv: 8 行目")));

        const CsvFrames::Read unknown = CsvFrames::read("sign,colour\nA,#000000\n", "s.csv", {});
        QVERIFY(unknown.frames.isEmpty());
        QVERIFY2(unknown.error.contains(QStringLiteral("2 列目: 「colour」")),
                 qPrintable(unknown.error));
        QVERIFY(CsvFrames::read("sign\n\"open\n", "s.csv", {}).error.contains(u'"'));
    }
    void rowsPickTheirLayoutAndPresets()
    {
        const QByteArray csv = "preset,type,destination,destination_en,sign,band_colour\n"
                               "快速,快速,東京,Tokyo,,#0085CE\n"
                               ",快速,,,新宿,\n"
                               "特急だけ,特急,大阪,,,\n";
        const CsvFrames::Read read =
            CsvFrames::read(csv, QStringLiteral("s.csv"), SignPresets::load(QString()));
        QCOMPARE(read.frames.size(), 1);
        const Frame &rapid = read.frames.constFirst().frame;
        QCOMPARE(rapid.layout, SignLayout::TypeAndDestination);
        QCOMPARE(rapid.text(SignLine::DestinationSmall), QStringLiteral("Tokyo"));
        QCOMPARE(rapid.typePlate, QColor(0xFF, 0x7F, 0x27));
        // The band waits for the sign-name layout, as the window keeps it.
        QCOMPARE(rapid.englishBand, QColor(Qt::black));
        QCOMPARE(rapid.signNameBand, QColor(0x00, 0x85, 0xCE));
        QVERIFY(read.rowErrors.at(0).contains(QStringLiteral("3 行目「type」列")));
        QVERIFY(read.rowErrors.at(1).contains(QStringLiteral("「preset」列")));
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
        QCOMPARE(RollFile::save({Frame()}, dir.filePath("led.quintelo"), {LookKind::Led, {}}),
                 QString());
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
        // No window library, so it runs wherever no display is.
        QVERIFY(!tool("readelf", {"-d", QStringLiteral(QUINTELO_RENDER)}).contains("Widgets"));
    }

    void svgIsShapesThatDrawAsThePicture()
    {
        QTemporaryDir dir;
        Frame frame;
        frame.layout = SignLayout::TypeAndDestination;
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
