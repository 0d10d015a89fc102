#include "files/SystemReason.h"

#include <array>
#include <cerrno>
#include <utility>

namespace {

// Every reason a save or a read of the user's files meets in practice. One table, so that the
// user is told each the same way wherever it happens.
constexpr auto kReasons = std::to_array<std::pair<int, const char *>>({
    {ENOSPC, "ディスクに空きがありません。"},
#ifdef EDQUOT
    {EDQUOT, "ディスクの使用量の上限（クォータ）を超えました。"},
#endif
    {EFBIG, "ファイルがシステムの許す大きさを超えます。"},
    {EACCES, "アクセスが許可されていません。"},
    {EPERM, "この操作は許可されていません。"},
    {EROFS, "読み取り専用のファイルシステムです。"},
    {ENOENT, "ファイルかフォルダが見つかりません。"},
    {ENOTDIR, "途中の名前がフォルダではありません。"},
    {EISDIR, "フォルダです。"},
    {EEXIST, "同じ名前のファイルがすでにあります。"},
    {ENAMETOOLONG, "名前が長すぎます。"},
    {EIO, "入出力エラーが起きました（ディスクか接続に問題があります）。"},
    {EBUSY, "ほかのプログラムが使用中です。"},
    {ETXTBSY, "実行中のプログラムのファイルです。"},
    {EMFILE, "開いているファイルが多すぎます。"},
    {ENFILE, "システム全体で開いているファイルが多すぎます。"},
    {ELOOP, "シンボリックリンクが多すぎるか、輪になっています。"},
    {EXDEV, "別のディスクにまたがって移動できません。"},
    {ENOMEM, "メモリが足りません。"},
});

} // namespace

QString systemReason(int errorNumber)
{
    if (errorNumber == 0)
        return {};
    for (const auto &[number, reason] : kReasons)
        if (number == errorNumber)
            return QString::fromUtf8(reason);
    return qt_error_string(errorNumber);
}
