#pragma once

#include <QPageSize>
#include <QSize>

class QSettings;

// How large pictures and print sheets are made: kept between runs and shared by every save,
// the window's and the renderer's alike.
struct ExportSettings
{
    enum class Paper { A4, B5 };

    static constexpr qreal kLargestScale = 8;
    static constexpr int kSmallestHeight = 8;
    static constexpr int kLargestHeight = 2048;
    // A roll sign of an N-gauge (1:150) carriage: the size model builders print most.
    static constexpr qreal kDefaultFrameMillimetres = 7.5;
    static constexpr qreal kSmallestFrameMillimetres = 2;
    static constexpr qreal kLargestFrameMillimetres = 150;

    qreal scale = 1; // 1 to 8, while height is 0
    int height = 0;  // an exact picture height in pixels; 0 leaves the size to scale
    Paper paper = Paper::A4;
    qreal frameMillimetres = kDefaultFrameMillimetres; // the printed width of one frame

    // The scale that turns a picture of pictureSize at 1× into the size asked for.
    qreal scaleFor(const QSize &pictureSize) const;
    // B5 is the Japanese one (JIS, 182 × 257 mm) that Japanese stationery and printers mean.
    static QPageSize pageSize(Paper paper);

    static ExportSettings load(QSettings &settings);
    void save(QSettings &settings) const;

    bool operator==(const ExportSettings &) const = default;
};
