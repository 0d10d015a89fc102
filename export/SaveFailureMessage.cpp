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
    case ExportManager::Failure::FolderMissing:
        reason = QStringLiteral("保存先のフォルダがありません。");
        break;
    case ExportManager::Failure::IsFolder:
        reason = QStringLiteral("同じ名前のフォルダがあります。");
        break;
    case ExportManager::Failure::WriteProtected:
        reason = QStringLiteral("ファイルが書き込み禁止になっています。"
                                "書き込み禁止を解除するか、別の名前で保存してください。");
        break;
    case ExportManager::Failure::CannotCreate:
        reason = QStringLiteral("このフォルダにはファイルを作成できません。");
        break;
    case ExportManager::Failure::EncodeFailed:
        reason = QStringLiteral("%1の書き込み中にエラーが起きました。").arg(what);
        break;
    case ExportManager::Failure::CommitFailed:
        reason = QStringLiteral("書き込んだ%1をファイルとして確定できませんでした。").arg(what);
        break;
    case ExportManager::Failure::NameTooLong:
        reason = QStringLiteral("ファイル名が長すぎます。もっと短い名前を付けてください。");
        break;
    case ExportManager::Failure::PathTooLong:
        reason = QStringLiteral("保存先のパス（フォルダ名とファイル名を合わせたもの）が長すぎます。"
                                "もっと浅いフォルダか短い名前を選んでください。");
        break;
    case ExportManager::Failure::GifOnly:
        reason =
            QStringLiteral("回転アニメーションはGIF画像です。名前の終わりを .gif にしてください。");
        break;
    case ExportManager::Failure::RestoreFailed:
        reason = QStringLiteral("%1の書き込み中にエラーが起きました。").arg(what);
        outcome = QStringLiteral(
            "元のファイルを元に戻せませんでした。中身が壊れている可能性があります。");
        break;
    case ExportManager::Failure::None:
        return {};
    }
    // The system's own words, for whoever has to find out what went wrong.
    if (!result.reason.isEmpty())
        reason += QStringLiteral("\n（%1）").arg(result.reason);
    return QStringLiteral("%1を保存できませんでした。\n\n%2\n\n%3\n\n%4")
        .arg(what, QDir::toNativeSeparators(result.path), reason, outcome);
}
