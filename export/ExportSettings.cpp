#include "export/ExportSettings.h"

#include <QSettings>

#include <algorithm>

qreal ExportSettings::scaleFor(const QSize &pictureSize) const
{
    if (height > 0 && pictureSize.height() > 0)
        return qreal(height) / pictureSize.height();
    return scale;
}

QPageSize ExportSettings::pageSize(Paper paper)
{
    return {paper == Paper::B5 ? QPageSize::JisB5 : QPageSize::A4};
}

ExportSettings ExportSettings::load(QSettings &settings)
{
    // Whatever the file holds is brought back into range: a hand-edited value never makes a
    // picture of no pixels or of gigabytes.
    ExportSettings loaded;
    settings.beginGroup(QStringLiteral("export"));
    loaded.scale =
        std::clamp(settings.value(QStringLiteral("scale"), 1.0).toDouble(), 1.0, kLargestScale);
    const int height = settings.value(QStringLiteral("height"), 0).toInt();
    loaded.height = height <= 0 ? 0 : std::clamp(height, kSmallestHeight, kLargestHeight);
    loaded.paper = settings.value(QStringLiteral("paper")).toString() == QLatin1String("B5")
                       ? Paper::B5
                       : Paper::A4;
    loaded.frameMillimetres = std::clamp(
        settings.value(QStringLiteral("frameMillimetres"), kDefaultFrameMillimetres).toDouble(),
        kSmallestFrameMillimetres, kLargestFrameMillimetres);
    settings.endGroup();
    return loaded;
}

void ExportSettings::save(QSettings &settings) const
{
    settings.beginGroup(QStringLiteral("export"));
    settings.setValue(QStringLiteral("scale"), scale);
    settings.setValue(QStringLiteral("height"), height);
    settings.setValue(QStringLiteral("paper"),
                      paper == Paper::B5 ? QStringLiteral("B5") : QStringLiteral("A4"));
    settings.setValue(QStringLiteral("frameMillimetres"), frameMillimetres);
    settings.endGroup();
}
