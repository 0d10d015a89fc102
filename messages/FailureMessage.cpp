#include "messages/FailureMessage.h"

#include "messages/ContentReason.h"
#include "messages/SystemReason.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <array>

namespace {

using Kind = FileFailure::Kind;
using Problem = FileFailure::Problem;

// Sizes in bytes as people read them: whole mebibytes as MB.
QString bytes(qint64 count)
{
    constexpr qint64 kMebibyte = qint64(1) << 20;
    if (count > 0 && count % kMebibyte == 0)
        return QStringLiteral("%1 MB").arg(count / kMebibyte);
    return FailureMessage::tr("%1 バイト").arg(QLocale::c().toString(count));
}

// Japanese runs its sentences together; English puts a space between them.
QString andThen(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return FailureMessage::tr("%1%2", "one sentence after another").arg(first, second);
}

bool isPicture(FileSubject subject)
{
    return subject == FileSubject::Picture || subject == FileSubject::Strip ||
           subject == FileSubject::Spin;
}

} // namespace

QString FailureMessage::noun(FileSubject subject)
{
    switch (subject) {
    case FileSubject::Picture:
        return tr("画像");
    case FileSubject::PrintSheet:
        return tr("印刷用シート (PDF)");
    case FileSubject::RollFile:
        return tr("幕データ");
    case FileSubject::Autosave:
        return tr("自動保存");
    case FileSubject::Video:
        return tr("動画");
    case FileSubject::FrameNames:
        return tr("コマ一覧");
    case FileSubject::Strip:
        return tr("フィルム");
    case FileSubject::Spin:
        return tr("回転アニメーション");
    case FileSubject::Table:
        return tr("表 (CSV)");
    case FileSubject::Presets:
        return tr("自分用のプリセット");
    }
    return {};
}

bool FailureMessage::worthTelling(const FileFailure &failure)
{
    return !failure.ok() && failure.kind != Kind::Cancelled;
}

QString FailureMessage::reason(const FileFailure &failure, FileSubject subject)
{
    const Parts each = parts(failure, subject);
    return each.system.isEmpty() ? each.reason : each.reason + tr("（%1）").arg(each.system);
}

FailureMessage::Parts FailureMessage::parts(const FileFailure &failure, FileSubject subject)
{
    const bool writing = failure.action == FileFailure::Action::Write;
    const QString what = noun(subject);
    const QLocale c = QLocale::c();
    Parts out;
    const QString path = QDir::toNativeSeparators(failure.path);
    if (writing)
        out.headline = tr("%1「%2」を保存できませんでした。").arg(what, path);
    else if (subject == FileSubject::Table || subject == FileSubject::Presets)
        out.headline = tr("%1「%2」を読み込めませんでした。").arg(what, path);
    else
        out.headline = tr("%1「%2」を開けませんでした。").arg(what, path);
    out.system = systemReason(failure.systemError);

    switch (failure.kind) {
    case Kind::None:
        return {};
    case Kind::NotFound:
        out.reason = tr("ファイルが見つかりません。");
        break;
    case Kind::FolderMissing:
        out.reason = tr("保存先のフォルダがありません。");
        break;
    case Kind::IsFolder:
        out.reason = writing ? tr("同じ名前のフォルダがあります。")
                             : tr("この名前はフォルダで、普通のファイルではありません。");
        break;
    case Kind::SpecialFile:
        out.reason = tr("この名前は%1で、普通のファイルではありません。")
                         .arg(fileKindName(failure.fileKind));
        if (writing)
            out.reason = andThen(out.reason, tr("ファイルにだけ保存できます。"));
        break;
    case Kind::DanglingLink:
        out.reason = tr("この名前はリンク先のないシンボリックリンクです。");
        break;
    case Kind::BadName:
        out.reason = tr("ファイル名にこのシステムの文字コードで表せない文字があります。"
                        "別の名前を付けてください。");
        break;
    case Kind::NameTooLong:
        out.reason = tr("ファイル名が長すぎます。もっと短い名前を付けてください。");
        break;
    case Kind::PathTooLong:
        out.reason = tr("保存先のパス（フォルダ名とファイル名を合わせたもの）が長すぎます。"
                        "もっと浅いフォルダか短い名前を選んでください。");
        break;
    case Kind::WriteProtected:
        out.reason = tr("ファイルが書き込み禁止になっています。"
                        "書き込み禁止を解除するか、別の名前で保存してください。");
        break;
    case Kind::CannotRead:
        out.reason = tr("ファイルを読めませんでした。");
        break;
    case Kind::TooLarge: {
        const QString size =
            tr("%1が大きすぎます（%2 × %3 ピクセル）。")
                .arg(what, c.toString(failure.size.width()), c.toString(failure.size.height()));
        if (failure.problem == Problem::TooManyBytes)
            out.reason = tr("ファイルが大きすぎます（%1 まで）。").arg(bytes(failure.most));
        else if (failure.problem == Problem::SideTooLong)
            out.reason = andThen(size, tr("%1 で書けるのは 1 辺 %2 ピクセルまでです。")
                                           .arg(failure.encoder, c.toString(failure.most)));
        else if (failure.encoder.isEmpty())
            out.reason =
                andThen(size, tr("1 枚の画像は %1 万ピクセル (%2) までです。")
                                  .arg(c.toString(failure.most / 10000), bytes(failure.most * 4)));
        else
            out.reason = andThen(size, tr("%1 で書けるのは 1 枚 %2 万ピクセルほどまでです。")
                                           .arg(failure.encoder, c.toString(failure.most / 10000)));
        if (failure.problem != Problem::TooManyBytes && isPicture(subject))
            out.reason =
                andThen(out.reason,
                        tr("コマごとの画像（quintelo-render では --each）か印刷用シート (PDF) に"
                           "するか、倍率を下げてください。"));
        break;
    }
    case Kind::BadContent:
        out.reason = ContentReason::of(failure, what);
        break;
    case Kind::CannotCreate:
        out.reason = tr("このフォルダにはファイルを作成できません。");
        break;
    case Kind::FolderNotMade:
        out.reason = tr("書き出し先のフォルダを作れません。");
        break;
    case Kind::NoCopy:
        out.reason = tr("このフォルダには新しいファイルを作れないため上書きするところでしたが、"
                        "上書きの前に元のファイルの控えを作れませんでした。");
        break;
    case Kind::WriteFailed:
    case Kind::RestoreFailed:
        out.reason = tr("ファイルの書き込み中にエラーが起きました。");
        break;
    case Kind::CommitFailed:
        out.reason = tr("書き込んだファイルを確定できませんでした。");
        break;
    case Kind::UnknownFormat:
        if (failure.choices.size() == 1)
            out.reason = tr("%1は %2 のファイルです。名前の終わりを %2 にしてください。")
                             .arg(what, failure.choices.constFirst());
        else if (!failure.choices.isEmpty())
            out.reason = tr("ファイル名の拡張子から%1の種類がわかりません。"
                            "名前の終わりを %2 のどれかにしてください。")
                             .arg(what, failure.choices.join(tr("、")));
        else
            out.reason = tr("「%1」形式の%2は書き出せません。").arg(failure.encoder, what);
        // A moving picture may also be numbered pictures in a folder, which no extension names.
        if (subject == FileSubject::Video && failure.choices.size() > 1)
            out.reason = andThen(
                out.reason, tr("PNG の連番にするときは、すでにあるフォルダを指定してください。"));
        break;
    case Kind::EncoderMissing:
        out.reason =
            tr("%1を作るための %2 がこのシステムにありません。").arg(what, failure.encoder);
        break;
    case Kind::EncodeFailed:
        out.reason = tr("%1を作れませんでした。").arg(what);
        switch (failure.problem) {
        case Problem::EmptyPicture:
            out.reason = andThen(out.reason, tr("画像が空です。"));
            break;
        case Problem::UnevenPictures:
            out.reason =
                andThen(out.reason, tr("アニメーションの画像の大きさがそろっていません。"));
            break;
        case Problem::PictureChanged:
            out.reason = andThen(out.reason, tr("アニメーションの画像が描くたびに変わりました。"));
            break;
        case Problem::ColourReduction:
            out.reason = andThen(out.reason, tr("画像の色を 256 色に減らせませんでした。"));
            break;
        case Problem::NotStarted:
            out.reason =
                andThen(out.reason, tr("書き始める前か書き終えたあとに画像が渡されました。"));
            break;
        default:
            break;
        }
        // The library's own number and words, for whoever has to find out what went wrong.
        if (failure.problem == Problem::LibraryError && out.system.isEmpty())
            out.system = failure.code != 0 && failure.detail.isEmpty()
                             ? tr("%1 のエラー %2").arg(failure.encoder).arg(failure.code)
                         : failure.detail.isEmpty()
                             ? tr("%1 のエラー").arg(failure.encoder)
                             : tr("%1 のエラー: %2").arg(failure.encoder, failure.detail);
        break;
    case Kind::RateOutOfRange:
        out.reason = tr("フレームレート（1 秒あたりの画像の数）は %1 から %2 までです。")
                         .arg(failure.least)
                         .arg(failure.most);
        break;
    case Kind::NoSuchFrames:
        if (failure.most > 0 && failure.least > failure.most)
            out.reason = tr("最初のコマ（%1 コマ目）が最後のコマ（%2 コマ目）より後ろです。")
                             .arg(failure.least)
                             .arg(failure.most);
        else
            out.reason = tr("コマは %1 コマしかないため、%2 コマ目は選べません。")
                             .arg(failure.found)
                             .arg(std::max(failure.least, failure.most));
        break;
    case Kind::Cancelled:
        return {};
    }

    // What became of the file that was there. A folder, a device or a link to nothing under
    // the name, no folder at all, or a name no file can have means no file of the user's was
    // there to keep.
    static constexpr std::array kNoFileThere{
        Kind::FolderMissing, Kind::IsFolder, Kind::SpecialFile, Kind::DanglingLink,
        Kind::FolderNotMade, Kind::BadName,  Kind::NameTooLong, Kind::PathTooLong};
    if (failure.kind == Kind::RestoreFailed)
        out.consequence =
            tr("元のファイルの内容はすぐには戻せませんでしたが、控えを取ってあります。"
               "次に起動したときに元に戻します。");
    else if (writing && std::find(kNoFileThere.begin(), kNoFileThere.end(), failure.kind) ==
                            kNoFileThere.end())
        out.consequence = tr("元のファイルがあった場合は、そのまま残っています。");
    else if (subject == FileSubject::Presets)
        out.consequence = tr("付属のプリセットだけを使います。");
    return out;
}

QString FailureMessage::paragraphs(const FileFailure &failure, FileSubject subject)
{
    if (!worthTelling(failure))
        return {};
    const Parts each = parts(failure, subject);
    QStringList shown{each.headline, each.system.isEmpty()
                                         ? each.reason
                                         : each.reason + tr("\n（%1）").arg(each.system)};
    if (!each.consequence.isEmpty())
        shown << each.consequence;
    return shown.join(QStringLiteral("\n\n"));
}

QString FailureMessage::line(const FileFailure &failure, FileSubject subject)
{
    if (!worthTelling(failure))
        return {};
    const Parts each = parts(failure, subject);
    return andThen(andThen(each.headline, reason(failure, subject)), each.consequence);
}

QString FailureMessage::leftOutRow(const FileFailure &failure)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(failure.path),
                                        reason(failure, FileSubject::Table));
}

QString FailureMessage::journalReport(const QList<SaveJournal::Restored> &restored)
{
    QStringList lines;
    for (const SaveJournal::Restored &each : restored) {
        const QString target = QDir::toNativeSeparators(each.target);
        if (each.failure.ok()) {
            lines << tr("「%"
                        "1」は前回、上書きの途中で中断されたため、上書きする前の内容に戻しました。")
                         .arg(target);
            continue;
        }
        lines << andThen(
            andThen(tr("「%1」は前回、上書きの途中で中断されましたが、元に戻せませんでした。")
                        .arg(target),
                    reason(each.failure, FileSubject::RollFile)),
            tr("元の内容は「%1」に残してあります。").arg(QDir::toNativeSeparators(each.copy)));
    }
    return lines.join(u'\n');
}
