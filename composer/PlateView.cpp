#include "composer/PlateView.h"

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
    PlatePainter(m_document.currentFrame()).paint(painter);
}
