#include "TestSupport.h"
#include "export/PictureFormat.h"
#include "platform/FontColorDialog.h"
#include "platform/QtDialogService.h"
#include "platform/SaveFileDialog.h"

#include <QComboBox>
#include <QFontDialog>
#include <QImageWriter>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>

using FontChoice = DialogService::FontChoice;
Q_DECLARE_METATYPE(FontChoice)

namespace {

// Opens the real font dialog, with its colour, on initial; act works the chooser as a user
// would before OK is pressed.
std::optional<FontChoice> chooseWith(const FontChoice &initial,
                                     const std::function<void(QFontDialog *)> &act)
{
    whenOpen<FontColorDialog>([act](FontColorDialog *dialog) {
        act(dialog->fontChooser());
        clickButton(dialog, QDialogButtonBox::Ok);
    });
    return QtDialogService().chooseFont(initial, 0x103);
}

// Clicks the entry, a family or a style, in the chooser's list that offers it.
void pick(QFontDialog *chooser, const QString &entry)
{
    for (QListView *list : chooser->findChildren<QListView *>()) {
        const QModelIndexList found = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, entry, 1, Qt::MatchExactly);
        if (found.isEmpty())
            continue;
        list->scrollTo(found[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(found[0]).center());
        return;
    }
    QFAIL(qPrintable(entry + QStringLiteral(" is not offered")));
}

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        // Only with the catalogue do Qt's style names differ from the fonts' own.
        QCOMPARE(QCoreApplication::translate("QFontDatabase", "Bold"), QStringLiteral("太字"));
    }

    void okWithoutChangesKeepsTheFont_data()
    {
        QTest::addColumn<FontChoice>("font");
        QTest::addColumn<QString>("shownStyle");
        const QColor white(Qt::white), red(Qt::red);
        QTest::newRow("sign face, bold")
            << FontChoice{kSignFace, 24, true, false, false, false, white} << "Bold";
        QTest::newRow("BIZ UDPGothic, bold")
            << FontChoice{"BIZ UDPGothic", 24, true, false, false, false, red} << "Bold";
        QTest::newRow("BIZ UDGothic, 10.5 points, underlined, struck out")
            << FontChoice{"BIZ UDGothic", 10.5f, false, false, true, true, red} << "Regular";
        // A face without a slanted style: its bold one is shown, and the slant kept.
        QTest::newRow("BIZ UDPGothic, bold italic")
            << FontChoice{"BIZ UDPGothic", 16, true, true, false, false, white} << "Bold";
        QTest::newRow("DejaVu Serif, bold italic")
            << FontChoice{"DejaVu Serif", 24, true, true, false, false, white} << "Bold Italic";
    }
    void okWithoutChangesKeepsTheFont()
    {
        QFETCH(FontChoice, font);
        QFETCH(QString, shownStyle);
        QString shown;
        const std::optional<FontChoice> result = chooseWith(
            font, [&shown](QFontDialog *chooser) { shown = chooser->currentFont().styleName(); });
        QCOMPARE(shown, shownStyle);
        QCOMPARE(result, std::optional(font));
    }

    void chosenFontTakesLaterChanges()
    {
        const FontColorDialog dialog(QFont(QStringLiteral("BIZ UDPGothic"), 24, QFont::Bold),
                                     Qt::white, true);
        QFont font = dialog.selectedFont();
        font.setBold(false);
        QCOMPARE(QFontInfo(font).styleName(), QStringLiteral("Regular"));
    }

    void pickedFaceAndStyleComeBack_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("BIZ UDPGothic Bold") << "BIZ UDPGothic"
                                            << "Bold" << true << false;
        QTest::newRow("BIZ UDPGothic Regular") << "BIZ UDPGothic"
                                               << "Regular" << false << false;
        QTest::newRow("BIZ UDGothic Bold") << "BIZ UDGothic"
                                           << "Bold" << true << false;
        QTest::newRow("BIZ UDGothic Regular") << "BIZ UDGothic"
                                              << "Regular" << false << false;
        QTest::newRow("DejaVu Serif Italic") << "DejaVu Serif"
                                             << "Italic" << false << true;
        QTest::newRow("DejaVu Serif Bold Italic") << "DejaVu Serif"
                                                  << "Bold Italic" << true << true;
    }
    void pickedFaceAndStyleComeBack()
    {
        QFETCH(QString, family);
        QFETCH(QString, style);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const FontChoice start{kSignFace, 24, !bold, !italic, false, false, QColor(Qt::white)};
        const std::optional<FontChoice> chosen = chooseWith(start, [&](QFontDialog *chooser) {
            pick(chooser, family);
            pick(chooser, style);
        });
        QVERIFY(chosen);
        QCOMPARE(chosen->name, family);
        QCOMPARE(chosen->bold, bold);
        QCOMPARE(chosen->italic, italic);

        // Opened again on it, the dialog shows the style picked.
        QString shown;
        QCOMPARE(chooseWith(*chosen,
                            [&shown](QFontDialog *chooser) {
                                shown = chooser->currentFont().styleName();
                            }),
                 chosen);
        QCOMPARE(shown, style);
    }

    void saveDialogAsksBeforeReplacing()
    {
        const QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("sign.gif"));
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));
        QList<bool> openAfter;
        whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(existing);
            for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
                whenOpen<QMessageBox>(
                    [answer](QMessageBox *question) { click(question->button(answer)); });
                clickButton(dialog, QDialogButtonBox::Save);
                openAfter << dialog->isVisible();
            }
        });
        // As the window asks: flags that say nothing of overwriting.
        const std::optional<QString> chosen = QtDialogService().chooseSaveFileName(
            {QString(), PictureFormat::fileDialogFilter(), QStringLiteral("gif"), QString(), 4});
        // No goes back to the dialog, Yes takes the name.
        QCOMPARE(openAfter, (QList<bool>{true, false}));
        QCOMPARE(chosen, std::optional(existing));
    }

    void fileTypeGivesANameItsExtension()
    {
        const bool webp = QImageWriter::supportedImageFormats().contains("webp");
        const QString filter = PictureFormat::fileDialogFilter();
        QCOMPARE(filter,
                 QStringLiteral("GIFファイル(*.gif);;PNGファイル(*.png);;BMPファイル(*.bmp);;"
                                "JPEGファイル(*.jpg *.jpeg)") +
                     (webp ? QStringLiteral(";;WebPファイル(*.webp)") : QString()));
        SaveFileDialog dialog({QString(), filter, QStringLiteral("gif"), QString(), 0});
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QStringList suffixes{dialog.defaultSuffix()};
        for (int i = 1; i < types->count(); ++i) {
            QTest::keyClick(types, Qt::Key_Down);
            suffixes << dialog.defaultSuffix();
        }
        QCOMPARE(suffixes, QStringList({"gif", "png", "bmp", "jpg"}) +
                               (webp ? QStringList{QStringLiteral("webp")} : QStringList()));
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
