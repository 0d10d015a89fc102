#pragma once

#include "export/ExportSettings.h"
#include "files/FileFailure.h"
#include "render/MotionOptions.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QList>
#include <QString>

class JobProgress;

// The roll in motion saved as a moving picture, the window's and the renderer's alike: the
// look's timeline (see timelineFor) drawn at the rate asked for and streamed into the writer
// the name asks for (see animationKindFor), one picture at a time.
struct VideoRequest
{
    static constexpr int kDefaultFps = 30;

    QList<Frame> frames;
    SignLook look;
    MotionOptions motion;
    int fps = kDefaultFps;
    // Scale or height, as for pictures: the height is that of the sign's window.
    ExportSettings size;
    // A file, or an existing folder for a PNG sequence.
    QString path;
};

// What can be known from the request alone, before a picture is drawn or a file touched: the
// kind the name asks for, the rate and the range of frames. The writer finds the rest as it
// opens, still before it writes anything (the size against the kind's limits, the encoder, the
// file's place). Every failure names the request's path.
FileFailure checkVideo(const VideoRequest &request);

// The frames from first to last by number from 1 (0: the roll's own first or last) in a roll of
// count frames.
FileFailure checkFrameRange(int first, int last, int count);
// The kind path asks for and the rate, which the command line alone tells.
FileFailure checkVideoOutput(const QString &path, int fps);

// Writes the whole moving picture, or nothing. progress, where given, counts the pictures
// encoded; a cancel before the last one writes nothing and answers Cancelled.
FileFailure saveVideo(const VideoRequest &request, JobProgress *progress = nullptr);

// The pictures' size and count the request makes.
QSize videoPictureSize(const VideoRequest &request);
int videoPictureCount(const VideoRequest &request);
