#include "composer/Autosaver.h"
#include "io/AutosaveStore.h"
#include "sign/SignDocument.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class AutosaveTest : public QObject
{
    Q_OBJECT

private slots:
    void eachCopyKeepsItsOwnFileAndALeftoverIsOfferedOnce()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        SignDocument document;
        auto crashed = std::make_unique<AutosaveStore>(dir.path());
        QVERIFY(crashed->claim() && !crashed->hasLeftover());
        {
            AutosaveStore running(dir.path()); // the live lock is left alone
            QVERIFY(running.claim());
            QCOMPARE(QFileInfo(running.fileName()).fileName(),
                     QStringLiteral("autosave-2.quintelo"));
        }
        Autosaver autosaver(document, *crashed);
        QVERIFY(!autosaver.isPending());
        document.editText(SignLine::Main, QStringLiteral("東京"));
        document.editLook({LookKind::Led, {}});
        QVERIFY(autosaver.isPending());
        autosaver.saveNow();
        QVERIFY(!autosaver.isPending());
        crashed.reset(); // ended without discard(), as a crash does

        auto next = std::make_unique<AutosaveStore>(dir.path());
        QVERIFY(next->claim() && next->hasLeftover());
        QCOMPARE(next->leftover().frames, document.frames());
        QCOMPARE(next->leftover().look, document.look());
        next->setLeftoverAside();
        QVERIFY(!next->hasLeftover());
        QCOMPARE(folder.entryList({QStringLiteral("autosave-1-*.quintelo")}).size(), 1);
        QVERIFY(next->write(document.frames(), document.look()).isEmpty());
        next->discard();
        QVERIFY(!next->hasLeftover());
        next.reset();

        AutosaveStore third(dir.path()); // one start later the declined file is gone too
        QVERIFY(third.claim() && !third.hasLeftover());
        QVERIFY(folder.entryList({QStringLiteral("autosave-1-*.quintelo")}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(AutosaveTest)
#include "tst_autosave.moc"
