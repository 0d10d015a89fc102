#include "TestSupport.h"
#include "export/PictureFormat.h"
#include "platform/DialogOwner.h"
#include "ui/FontColorDialog.h"
#include "ui/QtDialogService.h"
#include "ui/SaveFileDialog.h"

#include <QCheckBox>
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
    const DialogOwner owner;
    return QtDialogService(owner).chooseFont({initial, true});
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
    }
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

    void fontComesBackAsChosen_data()
    {
        QTest::addColumn<FontChoice>("initial");
        QTest::addColumn<QStringList>("picks"); // the family and style clicked, if any
        QTest::addColumn<FontChoice>("expected");
        QTest::addColumn<QString>("style"); // shown when the dialog opens on what came back
        const auto row = [](const char *tag, const FontChoice &initial, const QStringList &picks,
                            const FontChoice &expected, const char *style) {
            QTest::newRow(tag) << initial << picks << expected << QString::fromUtf8(style);
        };
        const QColor white(Qt::white);
        const FontChoice small{"BIZ UDGothic", 10.5f, false, false, true, true, QColor(Qt::red)};
        // A face without a slanted style: its bold one is shown, and the slant kept.
        const FontChoice slanted{"BIZ UDPGothic", 16, true, true, false, false, white};
        const FontChoice sign{kSignFace, 24, false, false, false, false, white};
        const FontChoice signBold{kSignFace, 24, true, false, false, false, white};
        row("OK, the sign face", signBold, {}, signBold, "Bold");
        row("OK, fractional size", small, {}, small, "Regular");
        row("OK, bold italic face", slanted, {}, slanted, "Bold");
        row("BIZ UDPGothic", sign, {"BIZ UDPGothic", "Bold"},
            {"BIZ UDPGothic", 24, true, false, false, false, white}, "Bold");
        row("DejaVu Serif", sign, {"DejaVu Serif", "Bold Italic"},
            {"DejaVu Serif", 24, true, true, false, false, white}, "Bold Italic");
    }
    void fontComesBackAsChosen()
    {
        QFETCH(FontChoice, initial);
        QFETCH(QStringList, picks);
        QFETCH(FontChoice, expected);
        QFETCH(QString, style);
        const auto clickAll = [&picks](QFontDialog *chooser) {
            for (const QString &entry : picks)
                pick(chooser, entry);
        };
        QCOMPARE(chooseWith(initial, clickAll), std::optional(expected));
        // Opened on what came back, the dialog shows its style, and OK keeps it.
        QString shown;
        QCOMPARE(chooseWith(expected,
                            [&shown](QFontDialog *c) { shown = c->currentFont().styleName(); }),
                 std::optional(expected));
        QCOMPARE(shown, style);
    }

    void chosenFontTakesLaterChanges()
    {
        const FontColorDialog dialog(QFont(QStringLiteral("BIZ UDPGothic"), 24, QFont::Bold),
                                     Qt::white, true);
        QFont font = dialog.selectedFont();
        font.setBold(false);
        QCOMPARE(QFontInfo(font).styleName(), QStringLiteral("Regular"));
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
        // As the window asks: a request that says nothing of overwriting.
        const DialogOwner owner;
        const std::optional<QString> chosen = QtDialogService(owner).chooseSaveFileName(
            {QString(), PictureFormat::fileDialogFilter(), QStringLiteral("gif"), QString()});
        // No goes back to the dialog, Yes takes the name.
        QCOMPARE(openAfter, (QList<bool>{true, false}));
        QCOMPARE(chosen, std::optional(existing));
    }

    void readOnlyBoxFollowsTheRequest()
    {
        using enum DialogService::ReadOnlyBox;
        for (const DialogService::ReadOnlyBox box : {Hidden, Ticked}) {
            SaveFileDialog dialog({QString(), QString(), QStringLiteral("gif"), QString(), box});
            QCOMPARE(dialog.readOnlyBox()->isHidden(), box == Hidden);
            QCOMPARE(dialog.readOnlyBox()->isChecked(), box == Ticked);
        }
    }
    void fileTypeGivesANameItsExtension()
    {
        SaveFileDialog dialog(
            {QString(), PictureFormat::fileDialogFilter(), QStringLiteral("gif"), QString()});
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QStringList typesAndSuffixes;
        for (int i = 0; i < types->count(); ++i) {
            typesAndSuffixes << types->currentText() + " → " + dialog.defaultSuffix();
            QTest::keyClick(types, Qt::Key_Down);
        }
        QStringList expected{"GIFファイル(*.gif) → gif", "PNGファイル(*.png) → png",
                             "BMPファイル(*.bmp) → bmp", "JPEGファイル(*.jpg *.jpeg) → jpg"};
        if (QImageWriter::supportedImageFormats().contains("webp"))
            expected << "WebPファイル(*.webp) → webp";
        expected << "SVGファイル(*.svg) → svg";
        QCOMPARE(typesAndSuffixes, expected);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
