#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QImage>

class QPainter;

// Which lines a panel shows: real displays alternate the Japanese lines (with a small English
// line beneath where the grid has room) and the English lines alone, every few seconds.
enum class LedPhase { Japanese, English };

// Draws one frame as an LED panel: each box of the plate becomes columns of the grid (the whole
// width for a sign name; the service type and the destination side by side in the type
// layout), each line is turned into dots in one colour the panel can light, and the dots are
// drawn round at the settings' size and gap.
class LedPainter
{
public:
    LedPainter(const Frame &frame, const LedSettings &settings,
               LedPhase phase = LedPhase::Japanese);

    // The picture's size in pixels: the grid times one dot and its gap.
    QSize size() const;
    // One pixel a dot, black for an unlit dot, otherwise the colour it lights.
    QImage dots() const;
    void paint(QPainter &painter) const;
    // Where the destination's columns lie in the picture.
    QRect destinationArea() const;

private:
    void placeLine(QImage &dots, SignLine line, const QRect &box, int height) const;

    const Frame &m_frame;
    LedSettings m_settings;
    LedPhase m_phase;
};
