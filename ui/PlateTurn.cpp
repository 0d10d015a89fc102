#include "ui/PlateTurn.h"

#include "render/PlatePainter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

PlateTurn::PlateTurn(QWidget *plate)
    : QWidget(plate)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_animation.setDuration(kDurationMs);
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(&m_animation, &QVariantAnimation::finished, this, &PlateTurn::finish);
}

void PlateTurn::turn(const Frame &from, const Frame &to, bool forward)
{
    m_from = from;
    m_to = to;
    m_forward = forward;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    // Watched on the whole application only while it turns: the key may go to any control.
    qApp->installEventFilter(this);
    m_animation.stop();
    m_animation.start();
}

void PlateTurn::finish()
{
    if (!isTurning())
        return;
    qApp->removeEventFilter(this);
    m_animation.stop();
    hide();
}

bool PlateTurn::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        finish();
    return QWidget::eventFilter(watched, event);
}

void PlateTurn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const PlatePainter from(m_from);
    const PlatePainter to(m_to);
    const int height = from.size().height();
    const int offset = qRound(m_animation.currentValue().toReal() * height);
    // Winding on, the shown frame leaves upward and the next follows it from below.
    painter.translate(0, m_forward ? -offset : offset);
    from.paint(painter);
    painter.translate(0, m_forward ? height : -height);
    to.paint(painter);
}
