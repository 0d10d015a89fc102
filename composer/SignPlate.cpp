#include "composer/SignPlate.h"

#include <QPainter>

namespace {
const TwipRect kPatchRect{120, 120, 3375, 975};
const QString kPatchCaption = QStringLiteral("Label2");
} // namespace

SignPlate::SignPlate(const TwipRect &rect, QWidget *parent)
    : TwipsControl<QWidget>(rect, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void SignPlate::setLineBorderColor(const QColor &color)
{
    m_lineColor = color;
    update();
}

void SignPlate::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);

    // The patch is a label in the window's default text colour on black; with the usual dark
    // text it cannot be seen, but a light colour scheme would show its caption as it should.
    const QRect patch = twipsToPixels(kPatchRect);
    painter.fillRect(patch, Qt::black);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(patch, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kPatchCaption);

    // The separator merges into what lies beneath (OR), so black leaves the plate untouched
    // and white shows as a white line.
    const int x = twipsToPixels(kLineX);
    const int top = twipsToPixels(kLineTop);
    const int bottom = twipsToPixels(kLineBottom);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.fillRect(QRect(x - kLineWidthPixels / 2, top, kLineWidthPixels, bottom - top),
                     m_lineColor);
}
