#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QImage>

// The plate window on a roll that has moved part of the way from shown to next: shown slides
// up by moved (a part of a frame's height, 0 to 1) and next comes in below it, at scale times
// the plate's size. Each picture of a turn, in the spin and in the timeline alike, is one of
// these; at 0 it is the picture of shown alone.
QImage rollingPicture(const Frame &shown, const Frame &next, qreal moved, const SignLook &look,
                      qreal scale);
