#pragma once

#include <QPointer>
#include <QWidget>

// The window the program's dialogs and message boxes belong to. It is named once the main
// window exists; until then they belong to whichever window is active.
class DialogOwner
{
public:
    void setWindow(QWidget *window) { m_window = window; }
    QWidget *window() const;

private:
    QPointer<QWidget> m_window;
};
