#include "platform/DialogOwner.h"

#include <QApplication>

QWidget *DialogOwner::window() const
{
    return m_window ? m_window.data() : QApplication::activeWindow();
}
