#pragma once

#include "MainWindowTest.h"

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

// For tests that save pictures of the main window: besides the fresh window, each test function
// gets a fresh folder for the files, and the caret never blinks off, so a picture that could
// ever show it does.
class SavingWindowTest : public MainWindowTest
{
    Q_OBJECT

protected:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;

protected slots:
    void initTestCase()
    {
        MainWindowTest::initTestCase();
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        MainWindowTest::init();
    }
    void cleanup()
    {
        MainWindowTest::cleanup();
        m_dir.reset();
    }
};
