#pragma once

#include "codec/AnimationWriter.h"
#include "codec/StagedFile.h"

#include <QByteArray>

#include <memory>

// The moving picture as a video through FFmpeg's libraries: an MP4 file of H.264 (libx264) or a
// WebM file of VP9 (libvpx), both 4:2:0 in BT.709's limited range as players expect. H.264 at
// 4:2:0 takes only even sizes: an odd width or height gains one column or row on the right or
// at the bottom, a copy of the edge beside it, so no pixel of the sign is lost. The MP4 file
// has its index at the front (faststart), for players that start before the whole file is
// there. Bytes go through a temporary file beside the target (see StagedFile).
class VideoWriter final : public AnimationWriter
{
public:
    enum class Container { Mp4, WebM };

    // encoder: FFmpeg's name for it; empty for the container's own (libx264, libvpx-vp9).
    explicit VideoWriter(const QString &fileName, Container container, QByteArray encoder = {});
    ~VideoWriter() override;

    void abandon() override;

    // FFmpeg's libraries print their notes and warnings to the terminal unless told otherwise;
    // every failure already comes back in an outcome. The module (VideoModule) calls it.
    static void silenceLibraries();

    // What the video's pictures measure for pictures of size.
    QSize videoSize(const QSize &size) const;

    // H.264 at level 6.2, the highest: at most this many 16 × 16 blocks, and 8192 pixels a side
    // as players take it; VP9 up to 16384 a side.
    static constexpr int kMaxH264Blocks = 139264;
    static constexpr int kMaxH264Side = 8192;
    static constexpr int kMaxVp9Side = 16384;

protected:
    FileFailure openFile(const QSize &size, int fps) override;
    FileFailure addPicture(const QImage &picture) override;
    FileFailure finishFile() override;

private:
    struct Session;

    FileFailure checkSize(const QSize &size) const;
    // Abandons the file and answers failure.
    FileFailure failed(const FileFailure &failure);
    // Sends picture (none: the end) to the encoder and writes every packet it gives back.
    FileFailure encode(bool end);

    StagedFile m_file;
    Container m_container;
    QByteArray m_encoder;
    std::unique_ptr<Session> m_session;
};
