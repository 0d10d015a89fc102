#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QImage>
#include <QList>

#include <functional>

// A roll laid out as one picture: the frames top to bottom in roll order, each at the
// painter's full size, with no gaps, as game and model tools take a roll.
class FilmStrip
{
public:
    explicit FilmStrip(const QList<Frame> &frames, const SignLook &look = SignLook());

    // Width: the widest frame; height: every frame's height, each times scale.
    QSize size(qreal scale = 1) const;
    // drawn, where given, hears how many frames are drawn after each and answers false to stop:
    // then the picture is a null one.
    QImage render(qreal scale = 1, const std::function<bool(int)> &drawn = {}) const;

private:
    const QList<Frame> &m_frames;
    SignLook m_look;
};
