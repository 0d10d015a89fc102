#include "sign/SignPresets.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

// A user's file is a few lines of colours; anything far larger is not one.
constexpr qint64 kLargestUserFile = qint64(1) << 20;

QColor colourAt(const QJsonObject &entry, const char *key)
{
    const QString text = entry.value(QLatin1String(key)).toString();
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return hex.match(text).hasMatch() ? QColor(text) : QColor();
}

// Reads one table; answers the problem, or an empty string when every entry was good.
QString read(const QByteArray &bytes, SignPresets &into)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("JSON として読めません（%1 バイト目: %2）。")
            .arg(error.offset)
            .arg(error.errorString());
    if (!document.isObject())
        return QStringLiteral("全体が { } のオブジェクトになっていません。");
    SignPresets read;
    for (const QJsonValue value : document.object().value(u"serviceTypes").toArray()) {
        const QJsonObject entry = value.toObject();
        const SignPresets::ServiceType type{entry.value(u"name").toString(),
                                            colourAt(entry, "background"), colourAt(entry, "text")};
        if (type.name.isEmpty() || !type.background.isValid() || !type.text.isValid())
            return QStringLiteral("serviceTypes の %1 番目に名前か色（#RRGGBB）がありません。")
                .arg(read.serviceTypes.size() + 1);
        read.serviceTypes << type;
    }
    for (const QJsonValue value : document.object().value(u"lineColours").toArray()) {
        const QJsonObject entry = value.toObject();
        const SignPresets::LineColour line{entry.value(u"name").toString(),
                                           colourAt(entry, "colour")};
        if (line.name.isEmpty() || !line.colour.isValid())
            return QStringLiteral("lineColours の %1 番目に名前か色（#RRGGBB）がありません。")
                .arg(read.lineColours.size() + 1);
        read.lineColours << line;
    }
    into.serviceTypes << read.serviceTypes;
    into.lineColours << read.lineColours;
    return {};
}

} // namespace

SignPresets SignPresets::load(const QString &userFile)
{
    SignPresets presets;
    QFile shipped(QStringLiteral(":/presets/presets.json"));
    if (shipped.open(QIODevice::ReadOnly))
        read(shipped.readAll(), presets);
    QFile own(userFile);
    if (!own.exists())
        return presets;
    QString problem;
    if (own.size() > kLargestUserFile)
        problem = QStringLiteral("ファイルが大きすぎます。");
    else if (!own.open(QIODevice::ReadOnly))
        problem = QStringLiteral("開けません（%1）。").arg(own.errorString());
    else
        problem = read(own.readAll(), presets);
    if (!problem.isEmpty())
        presets.problem = QStringLiteral("自分用のプリセット（%1）を読み込めませんでした。\n%2\n\n"
                                         "付属のプリセットだけを使います。")
                              .arg(QDir::toNativeSeparators(userFile), problem);
    return presets;
}
