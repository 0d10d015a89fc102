#pragma once

#include "render/Timeline.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class Clock;
class SignDocument;

// コマ → 再生: the roll's timeline in its look, played at real time in the plate's place from
// the current frame to the end of the roll. Laid over the plate and its line edits, it shows
// each picture when its time comes: a single-shot timer is set for the next change (the end of a
// held frame or page, the next dot of a running line, or the next screen refresh while the roll
// turns), so the window answers all the while. Each picture is drawn once however often it is
// painted, and while one holds the next is drawn ahead, so that it shows the moment it is due.
//
// Any key stops it, and does nothing else: it types nothing and triggers nothing. A click
// anywhere in the program stops it and then does what it does; so does a menu or a dialog that
// opens. The frame on show when it stops (at the end, the last) becomes the current frame, as
// choosing it in the roll panel would: no step to undo. Where the roll changes under it, it stops
// where the window was.
class RollPlayer : public QWidget
{
    Q_OBJECT

public:
    // How often a picture that moves all the time is drawn anew: a screen's refresh.
    static constexpr qreal kRefreshMs = 1000.0 / 60;

    RollPlayer(SignDocument &document, const Clock &clock, QWidget *plate);
    ~RollPlayer() override;

    bool isPlaying() const { return m_timeline != nullptr; }
    void play();
    // Where the timeline stands now becomes the current frame.
    void stop();

signals:
    // Once a picture is first painted: the time on the timeline at which it was due to show,
    // and the time it was painted, for measuring how closely playing keeps time.
    void pictureShown(qreal dueMs, qreal shownMs);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qreal elapsedMs() const;
    // The timer's tick: draws the picture of now if the one on show no longer holds, and sets
    // the timer for the next change.
    void showNow();
    QImage pictureAt(qreal ms) const;
    // Ends playing; the frame, if any, becomes the current one. Without one the roll or its
    // look changed, and the timeline no longer tells what is on show.
    void end(std::optional<int> frame);
    // Whether the key event goes no further.
    bool takesKey(QEvent *event);

    SignDocument &m_document;
    const Clock &m_clock;
    std::unique_ptr<Timeline> m_timeline;
    qreal m_startMs = 0;
    QTimer m_timer;
    QImage m_picture;
    // The next picture, drawn ahead while the one on show holds.
    struct Ahead
    {
        qreal ms = 0;
        QImage picture;
        qreal steadyUntilMs = 0;
    };
    std::optional<Ahead> m_ahead;
    // The time the picture on show was drawn for, and until when it holds.
    qreal m_pictureMs = 0;
    qreal m_steadyUntilMs = 0;
    // When the timer's tick was due, and the picture drawn at it.
    qreal m_tickDueMs = 0;
    qreal m_pictureDueMs = 0;
    bool m_pictureShown = false;
    QPointer<QWidget> m_focusBefore;
    // The key that stopped playing: the rest of its press and its release are taken too.
    std::optional<int> m_stoppingKey;
};
