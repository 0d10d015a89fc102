#include "codec/PcfFont.h"

#include "files/RegularFileReader.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace {

constexpr quint32 kAccelerators = 1 << 1;
constexpr quint32 kMetrics = 1 << 2;
constexpr quint32 kBitmaps = 1 << 3;
constexpr quint32 kEncodings = 1 << 5;
constexpr quint32 kBdfAccelerators = 1 << 8;

constexpr quint32 kCompressedMetrics = 0x100;
constexpr quint32 kFormatMask = 0xffffff00;
constexpr quint32 kByteMsbFirst = 1 << 2;
constexpr quint32 kBitMsbFirst = 1 << 3;

constexpr quint16 kNoGlyph = 0xffff;
// Larger than any X font Debian ships by far; a bigger file is not a font worth reading.
constexpr qsizetype kMaxFileBytes = qsizetype(64) << 20;
constexpr std::size_t kInflateChunk = std::size_t(1) << 16;
constexpr int kMaxGlyphSide = 512;
constexpr int kMaxTables = 64;

// Reads numbers from one table, in the byte order its format names; any read past the end
// marks the reader failed and answers 0, so callers check once after a run of reads.
class TableReader
{
public:
    // Writers round a table's size up past the end of the file, so the end is the nearer one;
    // every read is checked against it all the same.
    TableReader(const QByteArray &bytes, qsizetype offset, qsizetype size)
        : m_bytes(bytes)
        , m_at(offset)
        , m_end(offset >= 0 && offset <= bytes.size()
                    ? offset + std::min(size, bytes.size() - offset)
                    : -1)
    {
        m_ok = m_end >= 0 && size >= 0;
        m_format = m_ok ? number(4, false) : 0;
    }

    quint32 format() const { return m_format; }
    bool msbFirst() const { return (m_format & kByteMsbFirst) != 0; }
    bool ok() const { return m_ok; }
    qsizetype position() const { return m_at; }
    qsizetype remaining() const { return m_ok ? m_end - m_at : 0; }

    quint32 u32() { return number(4, msbFirst()); }
    qint32 i32() { return qint32(u32()); }
    qint16 i16() { return qint16(quint16(number(2, msbFirst()))); }
    quint8 u8() { return quint8(number(1, false)); }
    void skip(qsizetype bytes)
    {
        if (bytes < 0 || bytes > remaining())
            m_ok = false;
        else
            m_at += bytes;
    }

private:
    quint32 number(int width, bool bigEndian)
    {
        if (!m_ok || m_end - m_at < width) {
            m_ok = false;
            return 0;
        }
        quint32 value = 0;
        for (int i = 0; i < width; ++i) {
            const auto byte = quint32(quint8(m_bytes[m_at + (bigEndian ? i : width - 1 - i)]));
            value = (value << 8) | byte;
        }
        m_at += width;
        return value;
    }

    const QByteArray &m_bytes;
    qsizetype m_at;
    qsizetype m_end;
    bool m_ok = true;
    quint32 m_format = 0;
};

struct TableEntry
{
    quint32 type = 0;
    qsizetype size = 0;
    qsizetype offset = 0;
};

// Bytes a row of a glyph takes: its bits, padded to the file's row unit.
qsizetype rowBytesOf(int width, int pad)
{
    return qsizetype((width + 7) / 8 + pad - 1) / pad * pad;
}

std::optional<QByteArray> gunzip(const QByteArray &packed)
{
    z_stream stream{};
    // 32 added to the window bits: zlib reads the gzip header itself.
    if (inflateInit2(&stream, 15 + 32) != Z_OK)
        return std::nullopt;
    QByteArray out;
    std::array<char, kInflateChunk> chunk{};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk.data());
        stream.avail_out = uInt(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk.data(), qsizetype(chunk.size() - stream.avail_out));
        if (out.size() > kMaxFileBytes)
            status = Z_MEM_ERROR;
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<PcfFont> PcfFont::load(const QString &fileName)
{
    // Only a regular file, its size asked first: a font path that names a pipe or a device
    // would otherwise keep the painter waiting for ever.
    const RegularFileRead read = readRegularFile(fileName, kMaxFileBytes);
    if (!read.ok())
        return std::nullopt;
    const QByteArray &bytes = read.bytes;
    if (bytes.startsWith("\x1f\x8b")) {
        const std::optional<QByteArray> unpacked = gunzip(bytes);
        return unpacked ? fromPcf(*unpacked) : std::nullopt;
    }
    return fromPcf(bytes);
}

std::optional<PcfFont> PcfFont::fromPcf(const QByteArray &bytes)
{
    if (!bytes.startsWith("\1fcp"))
        return std::nullopt;
    TableReader header(bytes, 0, bytes.size());
    // The header is little-endian throughout; its magic stands where a table's format would.
    const qint32 tableCount = header.i32();
    if (!header.ok() || tableCount < 1 || tableCount > kMaxTables)
        return std::nullopt;
    std::array<TableEntry, 9> tables{};
    for (int i = 0; i < tableCount; ++i) {
        const quint32 type = header.i32();
        header.skip(4); // the format, repeated at the table's start
        const qint32 size = header.i32();
        const qint32 offset = header.i32();
        if (!header.ok())
            return std::nullopt;
        for (int bit = 0; bit < int(tables.size()); ++bit)
            if (type == (1u << bit))
                tables[std::size_t(bit)] = {type, size, offset};
    }
    const auto present = [&tables](quint32 type) {
        return tables[std::size_t(std::countr_zero(type))].type == type;
    };
    const auto table = [&bytes, &tables](quint32 type) {
        const TableEntry &entry = tables[std::size_t(std::countr_zero(type))];
        return TableReader(bytes, entry.type == type ? entry.offset : -1, entry.size);
    };

    PcfFont font;

    TableReader accelerators = table(present(kBdfAccelerators) ? kBdfAccelerators : kAccelerators);
    accelerators.skip(8); // eight flags
    font.m_ascent = accelerators.i32();
    font.m_descent = accelerators.i32();
    if (!accelerators.ok() || font.m_ascent < 0 || font.m_descent < 0 ||
        font.m_ascent > kMaxGlyphSide || font.m_descent > kMaxGlyphSide)
        return std::nullopt;

    TableReader metrics = table(kMetrics);
    const bool compressed = (metrics.format() & kFormatMask) == kCompressedMetrics;
    const int metricCount = compressed ? int(quint16(metrics.i16())) : metrics.i32();
    if (!metrics.ok() || metricCount <= 0 ||
        qsizetype(metricCount) * (compressed ? 5 : 12) > metrics.remaining())
        return std::nullopt;
    font.m_metrics.reserve(std::size_t(metricCount));
    for (int i = 0; i < metricCount; ++i) {
        Metrics m{};
        if (compressed) {
            for (int *field : {&m.left, &m.right, &m.advance, &m.ascent, &m.descent})
                *field = int(metrics.u8()) - 0x80;
        } else {
            for (int *field : {&m.left, &m.right, &m.advance, &m.ascent, &m.descent})
                *field = metrics.i16();
            metrics.skip(2);
        }
        const int width = m.right - m.left;
        const int height = m.ascent + m.descent;
        if (width < 0 || height < 0 || width > kMaxGlyphSide || height > kMaxGlyphSide ||
            std::abs(m.advance) > kMaxGlyphSide)
            return std::nullopt;
        font.m_metrics.push_back(m);
    }

    TableReader bitmaps = table(kBitmaps);
    const int padBits = int(bitmaps.format() & 3);
    if (bitmaps.i32() != metricCount || !bitmaps.ok())
        return std::nullopt;
    font.m_rowPad = 1 << padBits;
    font.m_msbFirst = (bitmaps.format() & kBitMsbFirst) != 0;
    // Bits and bytes in the opposite order within wider scan units are not met in practice.
    const int scanUnit = 1 << ((bitmaps.format() >> 4) & 3);
    if (scanUnit > 1 && font.m_msbFirst != bitmaps.msbFirst())
        return std::nullopt;
    font.m_bitmapOffsets.reserve(std::size_t(metricCount));
    for (int i = 0; i < metricCount; ++i)
        font.m_bitmapOffsets.push_back(bitmaps.u32());
    std::array<qint32, 4> sizes{};
    for (qint32 &size : sizes)
        size = bitmaps.i32();
    const qint32 dataSize = sizes[std::size_t(padBits)];
    if (!bitmaps.ok() || dataSize < 0 || dataSize > bitmaps.remaining())
        return std::nullopt;
    font.m_bitmaps = bytes.mid(bitmaps.position(), dataSize);
    for (int i = 0; i < metricCount; ++i) {
        const Metrics &m = font.m_metrics[std::size_t(i)];
        const qsizetype rowBytes = rowBytesOf(m.right - m.left, font.m_rowPad);
        if (qsizetype(font.m_bitmapOffsets[std::size_t(i)]) + rowBytes * (m.ascent + m.descent) >
            dataSize)
            return std::nullopt;
    }

    TableReader encodings = table(kEncodings);
    font.m_firstColumn = encodings.i16();
    font.m_lastColumn = encodings.i16();
    font.m_firstRow = encodings.i16();
    font.m_lastRow = encodings.i16();
    font.m_defaultChar = encodings.i16();
    if (!encodings.ok() || font.m_firstColumn < 0 || font.m_lastColumn > 0xff ||
        font.m_firstColumn > font.m_lastColumn || font.m_firstRow < 0 || font.m_lastRow > 0xff ||
        font.m_firstRow > font.m_lastRow)
        return std::nullopt;
    const qsizetype codes = qsizetype(font.m_lastColumn - font.m_firstColumn + 1) *
                            (font.m_lastRow - font.m_firstRow + 1);
    if (codes * 2 > encodings.remaining())
        return std::nullopt;
    font.m_encoding.reserve(std::size_t(codes));
    for (qsizetype i = 0; i < codes; ++i) {
        const auto index = quint16(encodings.i16());
        font.m_encoding.push_back(index < metricCount ? index : kNoGlyph);
    }
    return font;
}

int PcfFont::indexOf(char32_t code) const
{
    const int row = int(code >> 8);
    const int column = int(code & 0xff);
    if (code > 0xffff || row < m_firstRow || row > m_lastRow || column < m_firstColumn ||
        column > m_lastColumn)
        return -1;
    const qsizetype at =
        qsizetype(row - m_firstRow) * (m_lastColumn - m_firstColumn + 1) + (column - m_firstColumn);
    const quint16 index = m_encoding[std::size_t(at)];
    return index == kNoGlyph ? -1 : int(index);
}

std::optional<PcfFont::Glyph> PcfFont::glyph(char32_t character) const
{
    const int index = indexOf(character);
    return index < 0 ? std::nullopt : std::optional(decode(index));
}

std::optional<PcfFont::Glyph> PcfFont::defaultGlyph() const
{
    return glyph(char32_t(m_defaultChar));
}

PcfFont::Glyph PcfFont::decode(int index) const
{
    const Metrics &m = m_metrics[std::size_t(index)];
    Glyph glyph;
    glyph.advance = m.advance;
    glyph.left = m.left;
    glyph.ascent = m.ascent;
    const int width = m.right - m.left;
    const int height = m.ascent + m.descent;
    glyph.ink = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_Grayscale8);
    glyph.ink.fill(0);
    const qsizetype rowBytes = rowBytesOf(width, m_rowPad);
    const auto *data = reinterpret_cast<const uchar *>(m_bitmaps.constData()) +
                       m_bitmapOffsets[std::size_t(index)];
    for (int y = 0; y < height; ++y) {
        uchar *out = glyph.ink.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const uchar byte = data[y * rowBytes + x / 8];
            const int bit = m_msbFirst ? 7 - x % 8 : x % 8;
            out[x] = (byte >> bit) & 1;
        }
    }
    return glyph;
}
