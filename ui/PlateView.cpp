#include "ui/PlateView.h"

#include "render/PlatePainter.h"
#include "sign/SignDocument.h"

#include <QPainter>

PlateView::PlateView(const SignDocument &document, const TwipRect &rect, QWidget *parent)
    : TwipsControl<QWidget>(rect, parent)
    , m_document(document)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PlateView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const SignLook &look = m_document.look();
    if (!look.isLed()) {
        PlatePainter(m_document.currentFrame()).paint(painter);
        return;
    }
    // The panel as a picture saves it, fitted into the plate's place.
    painter.fillRect(rect(), Qt::black);
    const QImage panel =
        PlatePainter(m_document.currentFrame(), look).renderFitted(size(), devicePixelRatioF());
    const QSize fitted = panel.deviceIndependentSize().toSize();
    painter.drawImage(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                      panel);
}
