#include "bench/MedianTime.h"
#include "render/PlatePainter.h"
#include "sign/SignFonts.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

// The LED look: a side display's frame (128 × 32 dots) drawn at 8 pixels a dot, the first time
// (which reads efont's faces), warm, and with a name too long for any face.
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    Frame frame;
    frame.layout = SignLayout::TypeAndDestination;
    frame.text(SignLine::Main) = QStringLiteral("快速");
    frame.text(SignLine::English) = QStringLiteral("Rapid");
    frame.text(SignLine::Destination) = QStringLiteral("八王子・高尾");
    frame.text(SignLine::DestinationSmall) = QStringLiteral("Hachiōji / Takao");
    frame.typePlate = QColor(0xFF, 0x7F, 0x27);
    SignLook look{LookKind::Led, {}};
    look.led.dotSize = 6;
    look.led.gap = 2;
    look.led.glow = 100;

    QElapsedTimer first;
    first.start();
    const QImage picture = PlatePainter(frame, look).render();
    const double firstMs = double(first.nsecsElapsed()) / 1e6;
    const double warm = medianMs([&] { PlatePainter(frame, look).render(); });
    look.led.glow = 0;
    const double noGlow = medianMs([&] { PlatePainter(frame, look).render(); });
    // The slowest line to set: a name no face holds, which tries every face and every break
    // into two rows before it stays one row.
    frame.layout = SignLayout::SignName;
    frame.text(SignLine::Main) = QString(100, QChar(u'駅'));
    const double longest = medianMs([&] { PlatePainter(frame, look).render(); });
    std::printf("LED frame 128 x 32 at 8 px a dot (%d x %d): first %.1f ms, warm %.2f ms, "
                "%.2f ms without glow, %.2f ms with a 100-character name (target <= 20 ms)\n",
                picture.width(), picture.height(), firstMs, warm, noGlow, longest);
    return 0;
}
