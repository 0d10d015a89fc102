#include "ui/RollPlayer.h"

#include "platform/Clock.h"
#include "render/MotionOptions.h"
#include "sign/SignDocument.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

RollPlayer::RollPlayer(SignDocument &document, const Clock &clock, QWidget *plate)
    : QWidget(plate)
    , m_document(document)
    , m_clock(clock)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RollPlayer::showNow);
    const auto abandon = [this] { end(std::nullopt); };
    connect(&document, &SignDocument::framesReplaced, this, abandon);
    connect(&document, &SignDocument::frameChanged, this, abandon);
    connect(&document, &SignDocument::frameInserted, this, abandon);
    connect(&document, &SignDocument::frameRemoved, this, abandon);
    connect(&document, &SignDocument::frameMoved, this, abandon);
    connect(&document, &SignDocument::lookChanged, this, abandon);
}

RollPlayer::~RollPlayer()
{
    qApp->removeEventFilter(this);
}

qreal RollPlayer::elapsedMs() const
{
    return m_clock.nowMs() - m_startMs;
}

void RollPlayer::play()
{
    if (isPlaying())
        return;
    MotionOptions options;
    options.first = m_document.currentIndex();
    m_timeline = timelineFor(m_document.frames(), m_document.look(), options);
    m_stoppingKey.reset();
    setGeometry(parentWidget()->rect());
    raise();
    show();
    // No line edit takes keys or an input method's text while the roll plays.
    m_focusBefore = window()->focusWidget();
    setFocus(Qt::OtherFocusReason);
    qApp->installEventFilter(this);
    m_picture = QImage();
    m_ahead.reset();
    // The first picture too is drawn before its time: the clock starts once it is ready.
    if (const qreal steadyUntil = m_timeline->steadyUntilMs(0); steadyUntil > 0)
        m_ahead = Ahead{0, pictureAt(0), steadyUntil};
    m_tickDueMs = 0;
    m_startMs = m_clock.nowMs();
    showNow();
}

void RollPlayer::stop()
{
    if (isPlaying())
        end(m_timeline->frameAt(std::min(elapsedMs(), m_timeline->durationMs())));
}

void RollPlayer::showNow()
{
    const qreal now = elapsedMs();
    const qreal last = m_timeline->durationMs();
    if (now >= last) {
        end(m_timeline->frameAt(last));
        return;
    }
    // A clock that has not moved since the last picture (a test's) draws nothing new.
    if (m_picture.isNull() || (now >= m_steadyUntilMs && now > m_pictureMs)) {
        if (m_ahead && m_ahead->ms <= now && now < m_ahead->steadyUntilMs) {
            m_picture = m_ahead->picture;
            m_pictureMs = m_ahead->ms;
            m_steadyUntilMs = m_ahead->steadyUntilMs;
        } else {
            m_picture = pictureAt(now);
            m_pictureMs = now;
            m_steadyUntilMs = m_timeline->steadyUntilMs(now);
        }
        m_ahead.reset();
        m_pictureDueMs = m_tickDueMs;
        m_pictureShown = false;
        // Painted now rather than when the event loop comes round to it, so that drawing the
        // next picture ahead does not hold this one back.
        repaint();
    }
    // The next change: when the picture on show stops holding, or while it moves the next
    // refresh, counted from when this one was due so that a late tick does not delay the rest.
    const qreal next =
        std::clamp(m_steadyUntilMs > now ? m_steadyUntilMs : m_tickDueMs + kRefreshMs, now, last);
    m_tickDueMs = next;
    m_timer.start(int(std::ceil(next - now)));
    // While this picture holds, the next one is drawn, to show the moment its time comes. One
    // that begins a turn holds no time, and is drawn when it is due.
    if (!m_ahead && m_steadyUntilMs > now && next < last) {
        const qreal steadyUntil = m_timeline->steadyUntilMs(next);
        if (steadyUntil > next)
            m_ahead = Ahead{next, pictureAt(next), steadyUntil};
    }
}

QImage RollPlayer::pictureAt(qreal ms) const
{
    // As large as fits in the plate's place, as the plate view fits the LED panel.
    const qreal ratio = devicePixelRatioF();
    const QSize whole = m_timeline->size(1);
    const QSize fitted = whole.scaled(size() * ratio, Qt::KeepAspectRatio);
    QImage picture = m_timeline->render(ms, qreal(fitted.width()) / whole.width());
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void RollPlayer::end(std::optional<int> frame)
{
    if (!isPlaying())
        return;
    m_timer.stop();
    // Chosen while still playing, so that the window shows the frame at once rather than
    // turning the plate to it from where playing began.
    if (frame)
        m_document.setCurrentIndex(*frame);
    m_timeline.reset();
    m_picture = QImage();
    m_ahead.reset();
    // Before hiding, which would hand the focus on to the next control.
    if (m_focusBefore)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    hide();
    if (!m_stoppingKey)
        qApp->removeEventFilter(this);
}

void RollPlayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QSize shown = m_picture.deviceIndependentSize().toSize();
    painter.drawImage(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                      m_picture);
    if (isPlaying() && !m_pictureShown) {
        m_pictureShown = true;
        emit pictureShown(m_pictureDueMs, elapsedMs());
    }
}

bool RollPlayer::takesKey(QEvent *event)
{
    const auto *key = static_cast<QKeyEvent *>(event);
    if (isPlaying()) {
        // A held key repeating, or the release of the key that started playing, is no new key.
        if (event->type() != QEvent::KeyRelease && !key->isAutoRepeat()) {
            m_stoppingKey = key->key();
            stop();
        }
        // An accepted override keeps the key from every shortcut.
        event->accept();
        return true;
    }
    if (!m_stoppingKey)
        return false;
    if (key->key() == *m_stoppingKey) {
        if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
            m_stoppingKey.reset();
            qApp->removeEventFilter(this);
        }
        event->accept();
        return true;
    }
    // Another key: the one that stopped playing was let go where this program did not see it.
    m_stoppingKey.reset();
    qApp->removeEventFilter(this);
    return false;
}

bool RollPlayer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (takesKey(event))
            return true;
        break;
    case QEvent::InputMethod:
        if (isPlaying())
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        stop();
        break;
    case QEvent::Show:
        // A menu or a dialog opens over the window: playing stops before it shows.
        if (isPlaying() && watched->isWidgetType()) {
            const auto *shown = static_cast<QWidget *>(watched);
            if (shown->isWindow() &&
                (shown->windowType() == Qt::Popup || qobject_cast<const QDialog *>(shown)))
                stop();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
