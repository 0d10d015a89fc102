#pragma once

#include "sign/Frame.h"

#include <QImage>
#include <QList>

// A roll laid out as one picture: the frames top to bottom in roll order, each at the
// painter's full size, with no gaps, as game and model tools take a roll.
class FilmStrip
{
public:
    explicit FilmStrip(const QList<Frame> &frames);

    // Width: the widest frame; height: every frame's height, each times scale.
    QSize size(qreal scale = 1) const;
    QImage render(qreal scale = 1) const;

private:
    const QList<Frame> &m_frames;
};
