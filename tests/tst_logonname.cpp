#include "TestSupport.h"
#include "platform/SystemLogonName.h"

#include <QProcess>

class TestLogonName : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void systemNameIsTheLoggedOnUser()
    {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        QVERIFY(id.waitForFinished(10000));
        QCOMPARE(id.exitCode(), 0);
        const QString expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(SystemLogonName().GetCurrentUserName(), expected);
    }
};

QTEST_MAIN(TestLogonName)
#include "tst_logonname.moc"
