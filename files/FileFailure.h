#pragma once

#include "files/FileKind.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <utility>

// Why a file could not be read or written, as data: what went wrong, with which file, the
// system's error number, and whatever the user needs to find the fault (a line and column, a
// frame, a byte offset, a size and its limit). Every reader and writer answers with one; none
// words it. The message table (messages/) tells it to the user, in either program.
struct FileFailure
{
    enum class Kind {
        None,
        // What the name stands for, found before a byte is read or written.
        NotFound,       // nothing has the name
        FolderMissing,  // the folder the file should go in does not exist
        IsFolder,       // the name is that of a folder
        SpecialFile,    // a device, pipe or socket: fileKind says which
        DanglingLink,   // a symbolic link to nothing
        BadName,        // the name cannot be spelt in the file system's encoding
        NameTooLong,    // the file system takes no name this long
        PathTooLong,    // the system opens no path this long
        WriteProtected, // the file there is marked read-only
        // Reading.
        CannotRead, // the system refused
        TooLarge,   // larger than the reader, the format or the encoder takes: problem says which
        BadContent, // the bytes are not what the file should hold: problem and where say what
        // Writing.
        CannotCreate,  // the folder would not take a new file
        FolderNotMade, // a folder to write into could not be made
        NoCopy,        // in a folder that takes no new file, the old file could not be copied
        WriteFailed,   // the bytes could not be written
        CommitFailed,  // the finished file could not take the old one's place
        RestoreFailed, // overwritten where it stood, the old file could not be put back yet
        // What the output asks for.
        UnknownFormat,  // the name asks for no kind that can be written: choices lists those
        EncoderMissing, // the encoder the kind needs is not there: encoder names it
        EncodeFailed,   // the encoder refused: problem, or encoder with code and detail
        RateOutOfRange, // pictures a second outside least to most
        NoSuchFrames,   // frames least to most (by number from 1, 0 for the roll's own end)
                        // asked of a roll of found frames: beyond it, or least after most
        Cancelled,      // stopped before the end; nothing was written
    };

    enum class Action { Read, Write };

    // Exactly what, for TooLarge, BadContent and EncodeFailed.
    enum class Problem {
        None,
        // TooLarge: found against most.
        TooManyBytes,  // the file's size
        SideTooLong,   // a side of a picture of size; encoder: what limits it
        TooManyPixels, // a picture of size; encoder: what limits it, none for memory
        // EncodeFailed.
        EmptyPicture,    // no pixels to encode
        UnevenPictures,  // the pictures of one animation differ in size
        PictureChanged,  // a picture came out differently when drawn again
        ColourReduction, // no palette of 256 colours could be found
        NotStarted,      // a picture given before the encoder began, or after it ended
        LibraryError,    // encoder's own error: code, detail
        // BadContent of JSON files (the roll, the presets).
        BrokenJson,      // at offset; code: QJsonParseError::ParseError
        NotRollFile,     // JSON, but not a roll
        NotJsonObject,   // the whole is not an object
        BadVersion,      // the version is not a whole number from 1
        NewerVersion,    // found: the file's version, most: what is read
        NoFrameList,     // no "frames" array
        NoFrames,        // an empty roll
        TooManyFrames,   // more than most
        NotFrameObject,  // item: the frame
        IncompleteEntry, // key: the list, item: the entry without a name or colour
        // BadContent: a value (item: its frame, key: its field, subKey: inside it).
        NotString,
        NotBool,
        NotObject,
        NulCharacter,
        LineTooLong, // found characters against most
        NotColour,
        NumberOutOfRange,  // not a number from least to most
        IntegerOutOfRange, // not a whole number from least to most
        NotOneOf,          // not one of choices
        // BadContent of a table (line and column from 1, key: the column's name).
        BadUtf16,
        UnknownEncoding,
        BadUtf8,
        NulInTable,
        TooManyRows, // most rows below the header
        TextAfterQuote,
        UnclosedQuote,
        NoHeader,        // choices: the columns
        UnknownColumn,   // value: the name, choices: the columns
        DuplicateColumn, // value: the name
        HeaderOnly,
        TooManyFields,   // found fields against most in the header
        SignAndType,     // a sign-name column and a type column in one row
        UnknownPreset,   // value: the name
        UnreadableColour // value: the text
    };

    // Where in the file's content; 0 or empty where it does not apply.
    struct Place
    {
        int line = 0;       // of a text, from 1
        int column = 0;     // of a table, from 1
        int item = 0;       // a roll's frame or a list's entry, from 1
        qint64 offset = -1; // bytes into the file
        QString key;        // a field's or a column's name
        QString subKey;     // a field inside key
    };

    Kind kind = Kind::None;
    Action action = Action::Read;
    QString path;                          // the file as the user named it
    int systemError = 0;                   // errno, where the system gave one
    FileKind fileKind = FileKind::Regular; // for SpecialFile
    Problem problem = Problem::None;
    Place where;
    QString value;    // the text found
    qint64 found = 0; // a count or number found
    qint64 least = 0; // the range allowed
    qint64 most = 0;
    QSize size;          // a picture's
    QStringList choices; // the names or extensions allowed
    QString encoder;     // a format's, an encoder's or a library's name: "GIF", "libx264"
    int code = 0;        // a library's or a parser's own error number
    QString detail;      // a library's own words, where it gives no number

    bool ok() const { return kind == Kind::None; }
    // Found before a single byte is written: the request cannot be done as it stands, rather
    // than the writing having gone wrong. The renderer tells these apart by its exit status.
    bool refusedBeforeWriting() const;

    static FileFailure of(Kind kind, Action action, QString path = {}, int systemError = 0)
    {
        FileFailure failure;
        failure.kind = kind;
        failure.action = action;
        failure.path = std::move(path);
        failure.systemError = systemError;
        return failure;
    }
    // What meets a name that is no regular file: nothing, a folder, a link to nothing, a device,
    // a pipe or a socket.
    static FileFailure notRegular(FileKind kindThere, Action action, QString path)
    {
        switch (kindThere) {
        case FileKind::Missing:
            return of(Kind::NotFound, action, std::move(path));
        case FileKind::Folder:
            return of(Kind::IsFolder, action, std::move(path));
        case FileKind::DanglingLink:
            return of(Kind::DanglingLink, action, std::move(path));
        case FileKind::Regular:
        case FileKind::Device:
        case FileKind::Fifo:
        case FileKind::Socket:
        case FileKind::Other:
            break;
        }
        return of(Kind::SpecialFile, action, std::move(path)).withFileKind(kindThere);
    }
    static FileFailure content(Problem problem)
    {
        return of(Kind::BadContent, Action::Read).withProblem(problem);
    }
    static FileFailure encoding(Problem problem)
    {
        return of(Kind::EncodeFailed, Action::Write).withProblem(problem);
    }

    // Each adds one fact and answers the failure, so that a reader's refusal reads as one line.
    FileFailure withProblem(Problem what) const { return set(&FileFailure::problem, what); }
    FileFailure named(QString name) const { return set(&FileFailure::path, std::move(name)); }
    FileFailure inLine(int line) const { return place(&Place::line, line); }
    FileFailure inColumn(int column) const { return place(&Place::column, column); }
    FileFailure inItem(int item) const { return place(&Place::item, item); }
    FileFailure atOffset(qint64 offset) const { return place(&Place::offset, offset); }
    FileFailure inKey(QString key) const { return place(&Place::key, std::move(key)); }
    FileFailure inSubKey(QString key) const { return place(&Place::subKey, std::move(key)); }
    FileFailure withValue(QString text) const { return set(&FileFailure::value, std::move(text)); }
    FileFailure withFound(qint64 number) const { return set(&FileFailure::found, number); }
    FileFailure withRange(qint64 low, qint64 high) const
    {
        return set(&FileFailure::least, low).set(&FileFailure::most, high);
    }
    FileFailure withSize(QSize pictureSize) const { return set(&FileFailure::size, pictureSize); }
    FileFailure withChoices(QStringList names) const
    {
        return set(&FileFailure::choices, std::move(names));
    }
    FileFailure withEncoder(QString name) const
    {
        return set(&FileFailure::encoder, std::move(name));
    }
    FileFailure withCode(int number) const { return set(&FileFailure::code, number); }
    FileFailure withDetail(QString words) const
    {
        return set(&FileFailure::detail, std::move(words));
    }
    FileFailure withSystemError(int error) const { return set(&FileFailure::systemError, error); }
    FileFailure withFileKind(FileKind kindThere) const
    {
        return set(&FileFailure::fileKind, kindThere);
    }

private:
    template <typename T> FileFailure set(T FileFailure::*member, T value) const
    {
        FileFailure copy = *this;
        copy.*member = std::move(value);
        return copy;
    }
    template <typename T> FileFailure place(T Place::*member, T value) const
    {
        FileFailure copy = *this;
        copy.where.*member = std::move(value);
        return copy;
    }
};
