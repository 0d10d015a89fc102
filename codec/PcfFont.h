#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

// A bitmap font in the X11 PCF format, as the X fonts Debian ships are stored (gzip-compressed
// or not). Qt reaches these fonts only through fontconfig, which Debian tells to hide them, so
// the few tables a dot matrix needs are read here. Every count, offset and size in the file is
// checked against the file before it is used: a damaged file is refused whole.
class PcfFont
{
public:
    struct Glyph
    {
        int advance = 0;
        int left = 0;   // ink's left edge from the pen position
        int ascent = 0; // ink rows above the baseline
        // The ink, one byte a pixel: 0 clear, 1 set; Format_Grayscale8 so rows are addressable.
        QImage ink;
    };

    // The font in bytes of a PCF file, or nothing if they are not a whole, sound PCF file.
    static std::optional<PcfFont> fromPcf(const QByteArray &bytes);
    // Reads the file, unpacking gzip first when it is packed.
    static std::optional<PcfFont> load(const QString &fileName);

    int ascent() const { return m_ascent; }
    int descent() const { return m_descent; }
    int glyphCount() const { return int(m_metrics.size()); }
    // The glyph the font has for a character, or nothing.
    std::optional<Glyph> glyph(char32_t character) const;
    // What the font shows for a character it lacks, if it says.
    std::optional<Glyph> defaultGlyph() const;

private:
    struct Metrics
    {
        int left;
        int right;
        int advance;
        int ascent;
        int descent;
    };

    PcfFont() = default;
    int indexOf(char32_t character) const;
    Glyph decode(int index) const;

    int m_ascent = 0;
    int m_descent = 0;
    std::vector<Metrics> m_metrics;
    std::vector<quint32> m_bitmapOffsets;
    QByteArray m_bitmaps;
    int m_rowPad = 1;
    bool m_msbFirst = true;
    int m_firstColumn = 0;
    int m_lastColumn = 0;
    int m_firstRow = 0;
    int m_lastRow = 0;
    int m_defaultChar = 0;
    std::vector<quint16> m_encoding;
};
