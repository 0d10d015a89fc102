#pragma once

#include "sign/SignLook.h"

#include <QImage>

class QPainter;

// Draws a panel's dots: one round dot a cell, each cell one dot and the gap after it wide and
// tall, from the painter's origin. dots holds one pixel a dot, black where the dot is unlit.
// Unlit dots show dimly; a lit dot's glow reaches into its own gap and never past its cell, so
// nothing is ever drawn between two dots.
namespace DotPainter {

QSize pictureSize(const QImage &dots, const LedSettings &settings);
void paint(QPainter &painter, const QImage &dots, const LedSettings &settings);

} // namespace DotPainter
