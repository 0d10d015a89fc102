#pragma once

#include "sign/Frame.h"

#include <QVariantAnimation>
#include <QWidget>

// The roll turning on screen: laid over the plate and its line edits, it scrolls the frame
// that was shown out and the next one in, drawn by the plate painter, then hides. Any key
// press ends it at once.
class PlateTurn : public QWidget
{
public:
    static constexpr int kDurationMs = 120;

    explicit PlateTurn(QWidget *plate);

    // forward: the next frame comes up from below, as when the roll winds on.
    void turn(const Frame &from, const Frame &to, bool forward);
    void finish();
    bool isTurning() const { return isVisible(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Frame m_from;
    Frame m_to;
    bool m_forward = true;
    QVariantAnimation m_animation;
};
