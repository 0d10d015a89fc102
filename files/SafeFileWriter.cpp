#include "files/SafeFileWriter.h"

#include "files/FileNameLimits.h"
#include "files/RegularFileReader.h"
#include "files/ReplaceFile.h"
#include "files/SaveJournal.h"
#include "files/ShortTempSaveFile.h"
#include "files/SystemReason.h"
#include "files/WriteProtected.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <utility>

namespace {

using Failure = SafeFileWriter::Failure;
using Outcome = SafeFileWriter::Outcome;

// Every failure as the user is told it, in one table; %1 is what the name stands for.
constexpr auto kReasons = std::to_array<std::pair<Failure, const char *>>({
    {Failure::BadName, "ファイル名にこのシステムの文字コードで表せない文字があります。"
                       "別の名前を付けてください。"},
    {Failure::FolderMissing, "保存先のフォルダがありません。"},
    {Failure::IsFolder, "同じ名前のフォルダがあります。"},
    {Failure::SpecialFile, "この名前は%1で、普通のファイルではありません。"
                           "ファイルにだけ保存できます。"},
    {Failure::DanglingLink, "この名前はリンク先のないシンボリックリンクです。"},
    {Failure::WriteProtected, "ファイルが書き込み禁止になっています。"
                              "書き込み禁止を解除するか、別の名前で保存してください。"},
    {Failure::CannotCreate, "このフォルダにはファイルを作成できません。"},
    {Failure::NoCopy, "このフォルダには新しいファイルを作れないため上書きするところでしたが、"
                      "上書きの前に元のファイルの控えを作れませんでした。"},
    {Failure::WriteFailed, "ファイルの書き込み中にエラーが起きました。"},
    {Failure::CommitFailed, "書き込んだファイルを確定できませんでした。"},
    {Failure::NameTooLong, "ファイル名が長すぎます。もっと短い名前を付けてください。"},
    {Failure::PathTooLong, "保存先のパス（フォルダ名とファイル名を合わせたもの）が長すぎます。"
                           "もっと浅いフォルダか短い名前を選んでください。"},
    {Failure::RestoreFailed, "ファイルの書き込み中にエラーが起きました。"},
});

// The largest file overwritten where it stands: its old bytes are held in memory meanwhile.
constexpr qint64 kLargestInPlace = qint64(1) << 30;

// Whether the system can hand path to the file system as it is: no character is lost on the
// way. A name that came from bytes of another encoding holds U+FFFD where they were, and would
// be written under another name than the one the user saw.
bool spellable(const QString &path)
{
    return !path.contains(QChar::ReplacementCharacter) && !path.contains(QChar(0)) &&
           QFile::decodeName(QFile::encodeName(path)) == path;
}

bool folderRefused(int error)
{
    return error == EACCES || error == EPERM;
}

Outcome failed(Failure failure, int error = 0, FileKind kind = FileKind::Regular)
{
    return {failure, error, kind};
}

// For a file the user may change in a folder that takes no new file: it is overwritten where it
// stands, its old bytes copied to the journal first. Should the write fail part-way, the old
// bytes go back at once; should that fail too, or the program be killed, the next start puts
// them back from the journal.
Outcome overwriteWhereItStands(const QString &target, const QByteArray &bytes,
                               const SaveJournal *journal, int refusal)
{
    if (!journal)
        return failed(Failure::CannotCreate, refusal);
    const RegularFileRead old = readRegularFile(target, kLargestInPlace);
    if (!old.ok())
        return failed(Failure::NoCopy, old.error, old.kind);
    SaveJournal::Begun begun = journal->begin(target, old.bytes);
    if (!begun.entry)
        return failed(Failure::NoCopy, begun.error);
    bool touched = false;
    const int error = overwriteInPlace(target, bytes, &touched);
    if (error == 0) {
        begun.entry->drop();
        return {};
    }
    // A file the user may not write either was never opened, and needs nothing put back.
    if (!touched) {
        begun.entry->drop();
        return failed(Failure::CannotCreate, error);
    }
    if (overwriteInPlace(target, old.bytes) != 0)
        return failed(Failure::RestoreFailed, error);
    begun.entry->drop();
    return failed(Failure::WriteFailed, error);
}

} // namespace

QString SafeFileWriter::Outcome::reason() const
{
    QString text;
    for (const auto &[each, sentence] : kReasons)
        if (each == failure)
            text = QString::fromUtf8(sentence);
    if (failure == Failure::SpecialFile)
        text = text.arg(fileKindName(kind));
    // The system's own words, for whoever has to find out what went wrong.
    if (const QString system = systemReason(error); !system.isEmpty() && !text.isEmpty())
        text += QStringLiteral("\n（%1）").arg(system);
    return text;
}

QString SafeFileWriter::Outcome::oldFile() const
{
    if (failure == Failure::RestoreFailed)
        return QStringLiteral("元のファイルの内容はすぐには戻せませんでしたが、控えを取って"
                              "あります。次に起動したときに元に戻します。");
    return QStringLiteral("元のファイルがあった場合は、そのまま残っています。");
}

SafeFileWriter::Outcome SafeFileWriter::check(const QString &fileName)
{
    const QFileInfo target(fileName);
    const QString path = target.absoluteFilePath();
    if (!spellable(path))
        return failed(Failure::BadName);
    // Asked first: a path or name the system refuses also makes its folder look missing.
    if (!filePathFits(path))
        return failed(Failure::PathTooLong);
    if (!fileNameFits(target.absolutePath(), target.fileName()))
        return failed(Failure::NameTooLong);
    switch (const FileKind kind = fileKindOf(path)) {
    case FileKind::Missing:
        return target.dir().exists() ? Outcome() : failed(Failure::FolderMissing);
    case FileKind::Regular:
        return isWriteProtected(path) ? failed(Failure::WriteProtected) : Outcome();
    case FileKind::Folder:
        return failed(Failure::IsFolder);
    case FileKind::DanglingLink:
        return failed(Failure::DanglingLink);
    case FileKind::Device:
    case FileKind::Fifo:
    case FileKind::Socket:
    case FileKind::Other:
        return failed(Failure::SpecialFile, 0, kind);
    }
    return {};
}

SafeFileWriter::Outcome SafeFileWriter::syncLaterWrites(const QString &folder)
{
    if (const int error = syncFileSystem(folder); error != 0)
        return failed(Failure::WriteFailed, error);
    return {};
}

void SafeFileWriter::removeLeftovers(const QString &folder)
{
    ShortTempSaveFile::removeLeftovers(folder);
}

SafeFileWriter::Outcome SafeFileWriter::write(const QByteArray &bytes, const QString &fileName,
                                              const SaveJournal *journal, Sync sync)
{
    if (Outcome checked = check(fileName); !checked.ok())
        return checked;
    // A link is followed to the file it ends at, which is the one replaced; the link stays.
    const QFileInfo given(fileName);
    const QString target = given.exists() ? given.canonicalFilePath() : given.absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    // The temporary file's name is short, but the folder's path may leave no room even for it.
    if (!filePathFits(
            QDir(folder).filePath(QString(ShortTempSaveFile::kTempNameLength, QLatin1Char('x')))))
        return failed(Failure::PathTooLong);
#ifdef Q_OS_WIN
    // No volume-wide sync to leave it to (see syncFileSystem): every file waits for the disk.
    sync = Sync::EachFile;
#endif
    if (sync == Sync::EachFile)
        removeLeftovers(folder);

    // The bytes go to a new file beside the old one, which they replace only once complete;
    // until then a failure leaves the old file as it was and no remains behind.
    ShortTempSaveFile file(target);
    if (const int error = file.open(); error != 0) {
        // A folder that takes no new file may still let its files be changed, and a file there
        // could always be saved over.
        if (folderRefused(error) && fileKindOf(target) == FileKind::Regular)
            return overwriteWhereItStands(target, bytes, journal, error);
        return failed(Failure::CannotCreate, error);
    }
    if (const int error = file.write(bytes); error != 0)
        return failed(Failure::WriteFailed, error);
    if (const int error = file.commit(sync == Sync::EachFile); error != 0)
        return failed(Failure::CommitFailed, error);
    return {};
}
