#pragma once

#include "render/LedPainter.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QImage>

class QPainter;

// Draws one frame in the roll's look. The plate look: the black plate, the separator and the
// four lines with their boxes, laid out in the plate's pixels at 1× (241 × 81) from the
// painter's origin; each line is set the way the text box on screen sets it, so a picture at 1×
// has the pixels of the plate on screen. The LED look: the same lines as an LED panel's dots
// (see LedPainter), in the phase given. The painter's transform gives any other scale.
class PlatePainter
{
public:
    explicit PlatePainter(const Frame &frame, const SignLook &look = SignLook(),
                          LedPhase phase = LedPhase::Japanese);

    // The size of what paint() draws, in pixels at 1×. Every output takes its picture's size
    // from here rather than from the plate, so a look with another size fits it.
    QSize size() const;

    void paint(QPainter &painter) const;
    // The destination's box on the plate, or its columns on the panel, in 1× pixels.
    QRect destinationArea() const;
    // One line's box, background and text, as it lies on the plate (in either look: the line
    // edits on screen are the plate's).
    void paintLine(QPainter &painter, SignLine line) const;

    // The plate at scale times its size, or one area of it given in 1× pixels. A scale that
    // is not whole rounds the picture's size to whole pixels.
    QImage render(qreal scale = 1) const;
    QImage render(const QRect &area, qreal scale = 1) const;
    // The picture as large as fits in room, keeping its shape, with devicePixelRatio device
    // pixels a pixel of room. A smaller picture is drawn whole and shrunk by averaging areas, as
    // a thumbnail must be: sampling would stripe an LED panel's dots or drop them.
    QImage renderFitted(const QSize &room, qreal devicePixelRatio = 1) const;
    static QSize scaledSize(const QSize &size, qreal scale);
    // A black picture of size pixels at the painter's 96 dots to the inch, so that point sizes
    // drawn on it take the pixels they take on the plate.
    static QImage blankPicture(const QSize &size);

    // Texts drawn as filled outlines of their glyphs, laid out as a picture lays them out, for
    // vector files: they look the same where the fonts are missing and carry no text objects.
    void setTextsAsOutlines(bool outlines) { m_outlines = outlines; }

private:
    const Frame &m_frame;
    SignLook m_look;
    LedPhase m_phase;
    bool m_outlines = false;
};
