#include "files/FileFailure.h"

bool FileFailure::refusedBeforeWriting() const
{
    using enum Kind;
    switch (kind) {
    case NotFound:
    case FolderMissing:
    case IsFolder:
    case SpecialFile:
    case DanglingLink:
    case BadName:
    case NameTooLong:
    case PathTooLong:
    case WriteProtected:
    case TooLarge:
    case UnknownFormat:
    case EncoderMissing:
    case RateOutOfRange:
    case NoSuchFrames:
        return true;
    case None:
    case CannotRead:
    case BadContent:
    case CannotCreate:
    case FolderNotMade:
    case NoCopy:
    case WriteFailed:
    case CommitFailed:
    case RestoreFailed:
    case EncodeFailed:
    case Cancelled:
        break;
    }
    return false;
}
