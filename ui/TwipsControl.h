#pragma once

#include "sign/TwipsGeometry.h"

#include <QWidget>

#include <utility>

// A widget placed in twips. The twips are what the program reads and writes; the pixel
// geometry is derived from them, so rounding never drifts however often a control moves.
template <class Widget> class TwipsControl : public Widget
{
public:
    template <class... Args>
    explicit TwipsControl(const TwipRect &rect, Args &&...args)
        : Widget(std::forward<Args>(args)...)
    {
        setTwips(rect);
    }

    TwipRect twips() const { return m_twips; }
    void setTwips(const TwipRect &rect)
    {
        m_twips = rect;
        Widget::setGeometry(twipsToPixels(rect));
    }

    int Left() const { return m_twips.left; }
    int Top() const { return m_twips.top; }
    int Width() const { return m_twips.width; }
    int Height() const { return m_twips.height; }
    void setLeft(int v) { setTwips({v, m_twips.top, m_twips.width, m_twips.height}); }
    void setTop(int v) { setTwips({m_twips.left, v, m_twips.width, m_twips.height}); }
    void setWidth(int v) { setTwips({m_twips.left, m_twips.top, v, m_twips.height}); }
    void setHeight(int v) { setTwips({m_twips.left, m_twips.top, m_twips.width, v}); }

private:
    TwipRect m_twips;
};
