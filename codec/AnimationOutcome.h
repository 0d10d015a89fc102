#pragma once

#include <QString>

// Why a moving picture could not be written. Everything up to NotRegularFile is found before a
// single byte is written; the rest once writing has begun, and then too nothing is left behind.
enum class AnimationFailure {
    None,
    UnknownKind,    // the name asks for no kind of moving picture: no known extension, no folder
    RateOutOfRange, // pictures a second outside what every kind plays (1 to 120)
    TooLarge,       // the picture is larger than the kind's encoder or its players take
    EncoderMissing, // the system's FFmpeg has no encoder for the kind (libx264, libvpx-vp9)
    NotRegularFile, // the name is that of a device, a FIFO or a socket
    FolderMissing,  // the folder the file should go in does not exist
    IsFolder,       // the name is that of a folder
    WriteProtected, // the file there is marked read-only
    CannotCreate,   // the folder would not take a new file
    NameTooLong,    // the file system takes no name this long
    PathTooLong,    // the system opens no path this long
    EncodeFailed,   // the encoder refused a picture or could not be started
    WriteFailed,    // the bytes could not be written
    CommitFailed,   // the finished file could not take the old one's place
    Cancelled,      // stopped before the end; nothing was written
};

struct AnimationOutcome
{
    AnimationFailure failure = AnimationFailure::None;
    QString reason; // the system's or the encoder's words, or what the limit is

    bool ok() const { return failure == AnimationFailure::None; }
};
