#include "FakeDialogService.h"
#include "TestSetup.h"
#include "composer/CommonDialog.h"
#include "composer/DialogCancelled.h"

#include <QTest>

namespace {

using FontChoice = DialogService::FontChoice;

const FontChoice kChosenFont{QStringLiteral("BIZ UDPGothic"), 18.5f, true, true, false, true,
                             QColor(0x12, 0x34, 0x56)};

void setFont(CommonDialog &dialog, const FontChoice &f)
{
    dialog.FontName = f.name;
    dialog.FontSize = f.size;
    dialog.FontBold = f.bold;
    dialog.FontItalic = f.italic;
    dialog.FontUnderline = f.underline;
    dialog.FontStrikethru = f.strikethru;
    dialog.Color = f.color;
}

FontChoice fontOf(const CommonDialog &dialog)
{
    return {dialog.FontName,      dialog.FontSize,       dialog.FontBold, dialog.FontItalic,
            dialog.FontUnderline, dialog.FontStrikethru, dialog.Color};
}

// Everything a dialog object remembers, to see that a Cancel left it alone.
struct Snapshot
{
    bool cancelError;
    qint32 flags;
    FontChoice font;
    QString fileName;
    QString title;

    explicit Snapshot(const CommonDialog &d)
        : cancelError(d.CancelError)
        , flags(d.Flags)
        , font(fontOf(d))
        , fileName(d.FileName)
        , title(d.DialogTitle)
    {}
    bool operator==(const Snapshot &) const = default;
};

void show(CommonDialog &dialog, const QString &kind)
{
    if (kind == QLatin1String("color"))
        dialog.ShowColor();
    else if (kind == QLatin1String("font"))
        dialog.ShowFont();
    else
        dialog.ShowSave();
}

} // namespace

class TestCommonDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void flagsAndCancelErrorCarryOverToTheNextKind();
    void chosenColourOpensTheNextColourDialog();
    void cancelWithCancelErrorThrowsAndChangesNothing_data();
    void cancelWithCancelErrorThrowsAndChangesNothing();
    void cancelWithoutCancelErrorReturnsNormally();
    void fontPropertiesRoundTrip();
};

void TestCommonDialog::flagsAndCancelErrorCarryOverToTheNextKind()
{
    FakeDialogService service;
    CommonDialog dialog(service);
    dialog.DialogTitle = QStringLiteral("方向幕画像の保存");
    dialog.Filter = QStringLiteral("GIFファイル(*.gif)");
    dialog.DefaultExt = QStringLiteral("gif");
    dialog.Flags = 4;

    dialog.CancelError = true;
    dialog.Flags = 1;
    service.answer(QColor(Qt::red));
    dialog.ShowColor();
    QCOMPARE(service.colorCalls.last().flags, 1);

    // Whatever the colour dialog left is what the save dialog sees: Flags 1, CancelError on.
    dialog.FileName.clear();
    service.answer(QStringLiteral("/tmp/sign.gif"));
    dialog.ShowSave();
    const DialogService::SaveRequest &save = service.saveCalls.last();
    QCOMPARE(save.flags, 1);
    QCOMPARE(save.title, QStringLiteral("方向幕画像の保存"));
    QCOMPARE(save.filter, QStringLiteral("GIFファイル(*.gif)"));
    QCOMPARE(save.defaultExt, QStringLiteral("gif"));
    QCOMPARE(dialog.FileName, QStringLiteral("/tmp/sign.gif"));

    dialog.Flags = 0x103;
    service.answer(kChosenFont);
    dialog.ShowFont();
    QCOMPARE(service.fontCalls.last().flags, 259);
    service.cancel();
    QVERIFY_THROWS_EXCEPTION(DialogCancelled, dialog.ShowColor());
    QCOMPARE(service.colorCalls.last().flags, 259);
}

void TestCommonDialog::chosenColourOpensTheNextColourDialog()
{
    FakeDialogService service;
    CommonDialog dialog(service);
    QCOMPARE(dialog.Color, QColor(Qt::black));

    service.answer(QColor(0xFF, 0x80, 0x00));
    dialog.ShowColor();
    QCOMPARE(service.colorCalls.last().initial, QColor(Qt::black));
    QCOMPARE(dialog.Color, QColor(0xFF, 0x80, 0x00));

    service.cancel();
    dialog.ShowColor();
    QCOMPARE(service.colorCalls.last().initial, QColor(0xFF, 0x80, 0x00));

    // The font dialog's text colour is the same property.
    service.answer(kChosenFont);
    dialog.ShowFont();
    service.cancel();
    dialog.ShowColor();
    QCOMPARE(service.colorCalls.last().initial, kChosenFont.color);
    QVERIFY(service.scriptUsedUp());
}

void TestCommonDialog::cancelWithCancelErrorThrowsAndChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("colour") << QStringLiteral("color");
    QTest::newRow("font") << QStringLiteral("font");
    QTest::newRow("save") << QStringLiteral("save");
}

void TestCommonDialog::cancelWithCancelErrorThrowsAndChangesNothing()
{
    QFETCH(QString, kind);

    FakeDialogService service;
    CommonDialog dialog(service);
    setFont(dialog, kChosenFont);
    dialog.DialogTitle = QStringLiteral("方向幕画像の保存");
    dialog.Flags = 1;
    dialog.CancelError = true;
    const Snapshot before(dialog);

    service.cancel();
    QVERIFY_THROWS_EXCEPTION(DialogCancelled, show(dialog, kind));
    QVERIFY(Snapshot(dialog) == before);
    QCOMPARE(service.colorCalls.size() + service.fontCalls.size() + service.saveCalls.size(), 1);
}

void TestCommonDialog::cancelWithoutCancelErrorReturnsNormally()
{
    FakeDialogService service;
    CommonDialog dialog(service);
    setFont(dialog, kChosenFont);
    const Snapshot before(dialog);

    for (const QString &kind : {QStringLiteral("color"), QStringLiteral("font")}) {
        service.cancel();
        show(dialog, kind);
        QVERIFY(Snapshot(dialog) == before);
    }

    dialog.FileName = QStringLiteral("/tmp/earlier.gif");
    service.cancel();
    dialog.ShowSave();
    QCOMPARE(dialog.FileName, QString());
    QCOMPARE(service.saveCalls.last().fileName, QStringLiteral("/tmp/earlier.gif"));
    QCOMPARE(dialog.Color, kChosenFont.color);
}

void TestCommonDialog::fontPropertiesRoundTrip()
{
    FakeDialogService service;
    CommonDialog dialog(service);
    const FontChoice initial{
        QStringLiteral("ＭＳ Ｐゴシック"), 24, true, false, true, false, QColor(Qt::white)};
    setFont(dialog, initial);
    dialog.Flags = 0x103;

    service.answer(kChosenFont);
    dialog.ShowFont();
    QVERIFY(service.fontCalls.last().initial == initial);
    QVERIFY(fontOf(dialog) == kChosenFont);

    // The next font dialog opens on what was chosen, fractional size included.
    service.cancel();
    dialog.ShowFont();
    QVERIFY(service.fontCalls.last().initial == kChosenFont);
    QCOMPARE(service.fontCalls.last().initial.size, 18.5f);
}

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
