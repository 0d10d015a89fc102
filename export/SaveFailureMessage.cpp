#include "export/SaveFailureMessage.h"

#include "export/PictureFormat.h"

#include <QDir>

QString saveFailureMessage(const ExportManager::Result &result)
{
    const QString what =
        result.format == "txt" ? QStringLiteral("コマ一覧") : QStringLiteral("画像");
    QString reason;
    QString outcome = QStringLiteral("元のファイルがあった場合は、そのまま残っています。");
    switch (result.failure) {
    case ExportManager::Failure::UnknownFormat:
        reason = QStringLiteral("ファイル名の拡張子から画像の種類がわかりません。"
                                "名前の終わりを %1 のどれかにしてください。")
                     .arg(PictureFormat::writableExtensions());
        break;
    case ExportManager::Failure::File:
        reason = result.file.reason();
        outcome = result.file.oldFile();
        break;
    case ExportManager::Failure::EncodeFailed:
        reason = QStringLiteral("%1の書き込み中にエラーが起きました。").arg(what);
        break;
    case ExportManager::Failure::TooLarge:
        reason = result.reason;
        break;
    case ExportManager::Failure::GifOnly:
        reason =
            QStringLiteral("回転アニメーションはGIF画像です。名前の終わりを .gif にしてください。");
        break;
    case ExportManager::Failure::None:
    case ExportManager::Failure::Cancelled: // the user asked for it: nothing to tell
        return {};
    }
    // The encoder's own words, for whoever has to find out what went wrong.
    if (result.failure == ExportManager::Failure::EncodeFailed && !result.reason.isEmpty())
        reason += QStringLiteral("\n（%1）").arg(result.reason);
    return QStringLiteral("%1を保存できませんでした。\n\n%2\n\n%3\n\n%4")
        .arg(what, QDir::toNativeSeparators(result.path), reason, outcome);
}
