#include "messages/SystemReason.h"

#include <QCoreApplication>

#include <array>
#include <cerrno>
#include <utility>

namespace {

// Every reason a save or a read of the user's files meets in practice. One table, so that the
// user is told each the same way wherever it happens, by either program.
constexpr auto kReasons = std::to_array<std::pair<int, const char *>>({
    {ENOSPC, QT_TRANSLATE_NOOP("SystemReason", "ディスクに空きがありません")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("SystemReason", "ディスクの使用量の上限（クォータ）を超えました")},
#endif
    {EFBIG, QT_TRANSLATE_NOOP("SystemReason", "ファイルがシステムの許す大きさを超えます")},
    {EACCES, QT_TRANSLATE_NOOP("SystemReason", "アクセスが許可されていません")},
    {EPERM, QT_TRANSLATE_NOOP("SystemReason", "この操作は許可されていません")},
    {EROFS, QT_TRANSLATE_NOOP("SystemReason", "読み取り専用のファイルシステムです")},
    {ENOENT, QT_TRANSLATE_NOOP("SystemReason", "ファイルかフォルダが見つかりません")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemReason", "途中の名前がフォルダではありません")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemReason", "フォルダです")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemReason", "同じ名前のファイルがすでにあります")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("SystemReason", "フォルダが空ではありません")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemReason", "名前が長すぎます")},
    {EIO, QT_TRANSLATE_NOOP("SystemReason", "入出力エラー: ディスクか接続に問題があります")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemReason", "ほかのプログラムが使用中です")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemReason", "実行中のプログラムのファイルです")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemReason", "開いているファイルが多すぎます")},
    {ENFILE, QT_TRANSLATE_NOOP("SystemReason", "システム全体で開いているファイルが多すぎます")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemReason", "シンボリックリンクが多すぎるか、輪になっています")},
    {EXDEV, QT_TRANSLATE_NOOP("SystemReason", "別のディスクにまたがって移動できません")},
    {ENOMEM, QT_TRANSLATE_NOOP("SystemReason", "メモリが足りません")},
#ifdef ESTALE
    {ESTALE, QT_TRANSLATE_NOOP("SystemReason", "ネットワーク上のファイルが見えなくなりました")},
#endif
    {EOPNOTSUPP, QT_TRANSLATE_NOOP("SystemReason", "このファイルシステムではできない操作です")},
    {EAGAIN,
     QT_TRANSLATE_NOOP("SystemReason", "いまは使えません。少し待ってからもう一度試してください")},
});

constexpr auto kKindNames = std::to_array<std::pair<FileKind, const char *>>({
    {FileKind::Missing, QT_TRANSLATE_NOOP("SystemReason", "存在しない名前")},
    {FileKind::Regular, QT_TRANSLATE_NOOP("SystemReason", "普通のファイル")},
    {FileKind::Folder, QT_TRANSLATE_NOOP("SystemReason", "フォルダ")},
    {FileKind::Device, QT_TRANSLATE_NOOP("SystemReason", "デバイスファイル")},
    {FileKind::Fifo, QT_TRANSLATE_NOOP("SystemReason", "名前付きパイプ (FIFO)")},
    {FileKind::Socket, QT_TRANSLATE_NOOP("SystemReason", "ソケット")},
    {FileKind::DanglingLink, QT_TRANSLATE_NOOP("SystemReason", "リンク先のないシンボリックリンク")},
    {FileKind::Other, QT_TRANSLATE_NOOP("SystemReason", "特殊なファイル")},
});

} // namespace

QString systemReason(int errorNumber)
{
    if (errorNumber == 0)
        return {};
    for (const auto &[number, reason] : kReasons)
        if (number == errorNumber)
            return QCoreApplication::translate("SystemReason", reason);
    return QCoreApplication::translate("SystemReason", "システムのエラー %1: %2")
        .arg(errorNumber)
        .arg(qt_error_string(errorNumber));
}

QString fileKindName(FileKind kind)
{
    for (const auto &[each, name] : kKindNames)
        if (each == kind)
            return QCoreApplication::translate("SystemReason", name);
    return QCoreApplication::translate("SystemReason", kKindNames.back().second);
}
