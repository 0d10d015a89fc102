#pragma once

#include <QtGlobal>

class MainWindow;

// Arranges the sign plate for one of its two layouts and relabels the buttons to say what they
// act on there. Only the properties the layouts own are touched: texts, fonts other than the
// size, text colours and Text1's background stay as the user left them.
class SignLayout
{
public:
    explicit SignLayout(MainWindow &window);

    // -1 arranges the service-type plate beside the destination, 0 the one sign name.
    void apply(qint16 typeLayoutOn);

private:
    void showTypeAndDestination();
    void showSignName();

    MainWindow &m_window;
};
