#pragma once

#include "TestSupport.h"

#include <memory>

// For tests of the main window: each test function gets a fresh window on scripted services,
// shown and active as a user meets it.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected:
    FakeServices &fakes() { return m_ui->fakes; }
    MainWindow &window() { return m_ui->window; }
    const Frame &frame() { return m_ui->window.document().currentFrame(); }
    template <class T = QPushButton> T *control(const char *name)
    {
        return named<T>(m_ui->window, name);
    }

    std::unique_ptr<FakedMainWindow> m_ui;

protected slots:
    void initTestCase() { prepareTestApplication(); }
    void init()
    {
        m_ui = std::make_unique<FakedMainWindow>();
        QVERIFY(m_ui->ready());
    }
    void cleanup() { m_ui.reset(); }
};
