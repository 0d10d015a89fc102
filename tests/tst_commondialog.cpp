#include "FakeDialogService.h"
#include "TestSetup.h"
#include "composer/CommonDialog.h"
#include "composer/DialogCancelled.h"

#include <QTest>

namespace {

using FontChoice = DialogService::FontChoice;

const FontChoice kChosenFont{QStringLiteral("BIZ UDPGothic"), 18.5f, true, true, false, true,
                             QColor(0x12, 0x34, 0x56)};

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

    explicit Snapshot(const CommonDialog &d)
        : cancelError(d.CancelError)
        , flags(d.Flags)
        , font(fontOf(d))
        , fileName(d.FileName)
    {}
    bool operator==(const Snapshot &) const = default;
};

void show(CommonDialog &dialog, const QString &kind)
{
    if (kind == u"color")
        dialog.ShowColor();
    else if (kind == u"font")
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

    void propertiesCarryOverToTheNextKind()
    {
        FakeDialogService service;
        CommonDialog dialog(service);
        dialog.DialogTitle = QStringLiteral("方向幕画像の保存");
        dialog.DefaultExt = QStringLiteral("gif");
        dialog.CancelError = true;
        dialog.Flags = 1;
        service.answer(QColor(0xFF, 0x80, 0x00));
        dialog.ShowColor();
        QCOMPARE(service.colorCalls.last().initial, QColor(Qt::black));

        // Whatever the colour dialog left is what the save dialog sees.
        service.answer(QStringLiteral("/tmp/sign.gif"));
        dialog.ShowSave();
        const DialogService::SaveRequest &save = service.saveCalls.last();
        QCOMPARE(save.flags, 1);
        QCOMPARE(save.title, QStringLiteral("方向幕画像の保存"));
        QCOMPARE(save.defaultExt, QStringLiteral("gif"));
        QCOMPARE(dialog.FileName, QStringLiteral("/tmp/sign.gif"));

        // The font dialog opens on the chosen colour, and its choice, fractional size included,
        // opens the next font and colour dialogs.
        dialog.Flags = 0x103;
        service.answer(kChosenFont);
        dialog.ShowFont();
        QCOMPARE(service.fontCalls.last().initial.color, QColor(0xFF, 0x80, 0x00));
        QCOMPARE(fontOf(dialog), kChosenFont);
        service.answer(kChosenFont);
        dialog.ShowFont();
        QCOMPARE(service.fontCalls.last().initial, kChosenFont);
        service.cancel();
        QVERIFY_THROWS_EXCEPTION(DialogCancelled, dialog.ShowColor());
        QCOMPARE(service.colorCalls.last().initial, kChosenFont.color);
        QCOMPARE(service.colorCalls.last().flags, 0x103);
    }
    void cancel_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("cancelError");
        for (const char *kind : {"color", "font", "save"})
            for (const bool cancelError : {true, false})
                QTest::addRow("%s, CancelError %d", kind, cancelError)
                    << QString::fromLatin1(kind) << cancelError;
    }
    void cancel()
    {
        QFETCH(QString, kind);
        QFETCH(bool, cancelError);
        FakeDialogService service;
        CommonDialog dialog(service);
        dialog.FontName = kChosenFont.name;
        dialog.FontSize = kChosenFont.size;
        dialog.Color = kChosenFont.color;
        dialog.FileName = QStringLiteral("/tmp/earlier.gif");
        dialog.CancelError = cancelError;
        const Snapshot before(dialog);

        service.cancel();
        if (cancelError)
            QVERIFY_THROWS_EXCEPTION(DialogCancelled, show(dialog, kind));
        else
            show(dialog, kind);
        QCOMPARE(service.colorCalls.size() + service.fontCalls.size() + service.saveCalls.size(),
                 1);
        Snapshot expected = before;
        // A cancelled save dialog leaves no name to save under.
        if (kind == u"save") {
            expected.fileName.clear();
            QCOMPARE(service.saveCalls.last().fileName, QStringLiteral("/tmp/earlier.gif"));
        }
        QVERIFY(Snapshot(dialog) == expected);
    }
};

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
