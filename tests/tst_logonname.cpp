#include "FakeLogonName.h"
#include "TestSetup.h"
#include "platform/SystemLogonName.h"

#include <QProcess>
#include <QTest>

class TestLogonName : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void systemNameIsTheLoggedOnUser();
    void unreadableNameIsEmpty();
};

void TestLogonName::systemNameIsTheLoggedOnUser()
{
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    QVERIFY(id.waitForFinished(10000));
    QCOMPARE(id.exitCode(), 0);
    const QString expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
    QVERIFY(!expected.isEmpty());

    const QString name = SystemLogonName().GetCurrentUserName();
    QCOMPARE(name, expected);
    QVERIFY(!name.contains(QChar(0)));
    QCOMPARE(name, name.trimmed());
}

void TestLogonName::unreadableNameIsEmpty()
{
    const FakeLogonName unreadable(std::nullopt);
    const LogonNameService &service = unreadable;
    QCOMPARE(service.GetCurrentUserName(), QString());
    QCOMPARE(unreadable.reads, 1);

    const FakeLogonName japanese(QStringLiteral("山田太郎"));
    QCOMPARE(static_cast<const LogonNameService &>(japanese).GetCurrentUserName(),
             QStringLiteral("山田太郎"));
}

QTEST_MAIN(TestLogonName)
#include "tst_logonname.moc"
