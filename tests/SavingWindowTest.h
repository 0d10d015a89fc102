#pragma once

#include "TestSupport.h"

#include <QDir>
#include <QImageReader>
#include <QStyleHints>
#include <QTemporaryDir>

#include <memory>

inline const QByteArray kPngSignature("\x89PNG\r\n\x1a\n");

// Read by what the bytes are, not by the name, so a misnamed file cannot pass.
inline QImage imageIn(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return rgb(reader.read());
}

inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// For tests that save pictures of the main window: each test function gets a fresh window on
// scripted services and a fresh folder for the files, and the caret never blinks off, so a
// picture that could ever show it does.
class SavingWindowTest : public QObject
{
    Q_OBJECT

protected:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    FakeServices &fakes() { return m_ui->fakes; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakedMainWindow> m_ui;

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_ui = std::make_unique<FakedMainWindow>();
        QVERIFY(m_ui->ready());
    }
    void cleanup()
    {
        m_ui.reset();
        m_dir.reset();
    }
};
