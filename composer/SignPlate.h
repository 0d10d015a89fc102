#pragma once

#include "composer/TwipsControl.h"

#include <QColor>
#include <QWidget>

// The black sign plate. Its text boxes are child widgets; the separator line and the black
// patch behind the texts are drawn on the plate's own surface, beneath every text box.
class SignPlate : public TwipsControl<QWidget>
{
public:
    explicit SignPlate(const TwipRect &rect, QWidget *parent = nullptr);

    QColor BackColor() const { return m_backColor; }

    QColor lineBorderColor() const { return m_lineColor; }
    void setLineBorderColor(const QColor &color);

    // Where the separator runs, in twips inside the plate.
    static constexpr int kLineX = 1320;
    static constexpr int kLineTop = 0;
    static constexpr int kLineBottom = 1200;
    static constexpr int kLineWidthPixels = 3;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor = Qt::black;
    QColor m_lineColor = Qt::black;
};
