#include "codec/VideoWriter.h"

#include <QFile>
#include <QIODevice>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <array>

namespace {

// FFmpeg hands the file its bytes in pieces of this size.
constexpr int kIoBufferBytes = 256 * 1024;

// H.264 as libx264 makes it. A constant quality of 18 keeps the type's edges clean on the flat
// plate; the veryfast preset encodes a sign several times faster than real time on two cores,
// and a sign's flat areas leave little for the slower presets to gain.
constexpr const char *kX264Preset = "veryfast";
constexpr const char *kX264Quality = "18";
// VP9 as libvpx makes it: constant quality (bit rate 0), rows encoded in parallel, at the
// real-time deadline: on a sign it keeps the pictures as close as the "good" deadline does (the
// halved colour resolution limits both) in a third of the time, for files a fifth larger.
constexpr const char *kVp9Quality = "24";
constexpr const char *kVp9Deadline = "realtime";
constexpr const char *kVp9Speed = "6";
// A key picture every two seconds, so an editor or a player seeks quickly.
constexpr int kKeySeconds = 2;

// FFmpeg's failure: a system error where its number is one, otherwise FFmpeg's own number and
// words, kept for whoever looks into it.
FileFailure avError(int error)
{
    // FFmpeg's own errors are tags well below any system error's negative number.
    constexpr int kLargestSystemError = 4095;
    if (error < 0 && AVUNERROR(error) <= kLargestSystemError)
        return FileFailure::encoding(FileFailure::Problem::None).withSystemError(AVUNERROR(error));
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(error, text.data(), text.size());
    return FileFailure::encoding(FileFailure::Problem::LibraryError)
        .withEncoder(QStringLiteral("FFmpeg"))
        .withCode(error)
        .withDetail(QString::fromUtf8(text.data()));
}

// The bytes go to the temporary file, and the muxer moves about in it to fill in what it knows
// only at the end.
struct FileIo
{
    QIODevice *file = nullptr;
    bool failed = false; // the file took no more: the device knows why
};

int writeBytes(void *opaque, uint8_t *bytes, int size)
{
    auto *io = static_cast<FileIo *>(opaque);
    if (!writeFully(*io->file, QByteArrayView(reinterpret_cast<const char *>(bytes), size))) {
        io->failed = true;
        return AVERROR(EIO);
    }
    return size;
}

int64_t seekBytes(void *opaque, int64_t offset, int whence)
{
    auto *io = static_cast<FileIo *>(opaque);
    QIODevice &file = *io->file;
    if (whence == AVSEEK_SIZE)
        return file.size();
    qint64 position = offset;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        position += file.pos();
        break;
    case SEEK_END:
        position += file.size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (!file.seek(position)) {
        io->failed = true;
        return AVERROR(EIO);
    }
    return position;
}

// Pads an odd-sized picture to size with copies of its right column and bottom row.
QImage padded(const QImage &picture, const QSize &size)
{
    if (picture.size() == size)
        return picture;
    QImage out(size, QImage::Format_RGB32);
    const int width = picture.width();
    for (int y = 0; y < size.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(
            picture.constScanLine(std::min(y, picture.height() - 1)));
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        std::copy(from, from + width, to);
        std::fill(to + width, to + size.width(), from[width - 1]);
    }
    return out;
}

} // namespace

struct VideoWriter::Session
{
    FileIo io;
    AVFormatContext *format = nullptr;
    AVIOContext *avio = nullptr;
    AVCodecContext *codec = nullptr;
    AVStream *stream = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;
    SwsContext *scaler = nullptr;
    QSize pictureSize;
    QSize videoSize;
    int64_t next = 0;

    Session() = default;
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;
    ~Session()
    {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        // The format context does not own the custom I/O context, nor that its buffer.
        avformat_free_context(format);
        if (avio) {
            av_freep(&avio->buffer);
            avio_context_free(&avio);
        }
    }
};

VideoWriter::VideoWriter(const QString &fileName, Container container, QByteArray encoder)
    : AnimationWriter(fileName)
    , m_file(fileName)
    , m_container(container)
    , m_encoder(encoder.isEmpty()
                    ? QByteArray(container == Container::Mp4 ? "libx264" : "libvpx-vp9")
                    : std::move(encoder))
{}

VideoWriter::~VideoWriter()
{
    abandon();
}

QSize VideoWriter::videoSize(const QSize &size) const
{
    if (m_container == Container::WebM)
        return size;
    return {(size.width() + 1) & ~1, (size.height() + 1) & ~1};
}

FileFailure VideoWriter::checkSize(const QSize &size) const
{
    const QSize video = videoSize(size);
    if (m_container == Container::WebM)
        return AnimationWriter::checkSize(video, kMaxVp9Side, QStringLiteral("VP9"));
    if (FileFailure sides =
            AnimationWriter::checkSize(video, kMaxH264Side, QStringLiteral("H.264"));
        !sides.ok())
        return sides;
    const qint64 blocks = qint64((video.width() + 15) / 16) * ((video.height() + 15) / 16);
    if (blocks > kMaxH264Blocks)
        return FileFailure::of(FileFailure::Kind::TooLarge, FileFailure::Action::Write)
            .withProblem(FileFailure::Problem::TooManyPixels)
            .withEncoder(QStringLiteral("H.264"))
            .withRange(0, qint64(kMaxH264Blocks) * 256)
            .withSize(video);
    return {};
}

FileFailure VideoWriter::failed(const FileFailure &failure)
{
    abandon();
    return failure;
}

FileFailure VideoWriter::openFile(const QSize &size, int fps)
{
    if (FileFailure rate = checkRate(fps); !rate.ok())
        return rate;
    const AVCodec *encoder = avcodec_find_encoder_by_name(m_encoder.constData());
    if (!encoder)
        return FileFailure::of(FileFailure::Kind::EncoderMissing, FileFailure::Action::Write)
            .withEncoder(QString::fromLatin1(m_encoder));
    if (FileFailure sized = checkSize(size); !sized.ok())
        return sized;
    // The MP4 muxer reads back by name what it has written, to move the index to the front.
    if (FileFailure opened = m_file.open(QIODevice::ReadWrite); !opened.ok())
        return opened;

    m_session = std::make_unique<Session>();
    Session &s = *m_session;
    s.pictureSize = size;
    s.videoSize = videoSize(size);
    s.io.file = &m_file.file();
    const bool mp4 = m_container == Container::Mp4;
    int error = avformat_alloc_output_context2(&s.format, nullptr, mp4 ? "mp4" : "webm", nullptr);
    if (error < 0)
        return failed(FileFailure::of(FileFailure::Kind::EncoderMissing, FileFailure::Action::Write)
                          .withEncoder(QString::fromLatin1(mp4 ? "mp4" : "webm")));
    auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBufferBytes));
    if (!buffer)
        return failed(avError(AVERROR(ENOMEM)));
    s.avio = avio_alloc_context(buffer, kIoBufferBytes, 1, &s.io, nullptr, writeBytes, seekBytes);
    if (!s.avio) {
        av_free(buffer);
        return failed(avError(AVERROR(ENOMEM)));
    }
    s.format->pb = s.avio;
    s.format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // The name the muxer opens to read its own bytes back.
    s.format->url = av_strdup(("file:" + QFile::encodeName(m_file.temporaryPath())).constData());

    s.stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(encoder);
    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (!s.stream || !s.codec || !s.frame || !s.packet || !s.format->url)
        return failed(avError(AVERROR(ENOMEM)));
    AVCodecContext &c = *s.codec;
    c.width = s.videoSize.width();
    c.height = s.videoSize.height();
    c.time_base = {1, fps};
    c.framerate = {fps, 1};
    c.pix_fmt = AV_PIX_FMT_YUV420P;
    c.gop_size = kKeySeconds * fps;
    c.color_range = AVCOL_RANGE_MPEG;
    c.colorspace = AVCOL_SPC_BT709;
    c.color_primaries = AVCOL_PRI_BT709;
    c.color_trc = AVCOL_TRC_BT709;
    c.thread_count = 0;
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER)
        c.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary *codecOptions = nullptr;
    if (mp4) {
        av_dict_set(&codecOptions, "preset", kX264Preset, 0);
        av_dict_set(&codecOptions, "crf", kX264Quality, 0);
    } else {
        c.bit_rate = 0;
        av_dict_set(&codecOptions, "crf", kVp9Quality, 0);
        av_dict_set(&codecOptions, "deadline", kVp9Deadline, 0);
        av_dict_set(&codecOptions, "cpu-used", kVp9Speed, 0);
        av_dict_set(&codecOptions, "row-mt", "1", 0);
    }
    error = avcodec_open2(s.codec, encoder, &codecOptions);
    av_dict_free(&codecOptions);
    if (error < 0)
        return failed(avError(error));
    error = avcodec_parameters_from_context(s.stream->codecpar, s.codec);
    if (error < 0)
        return failed(avError(error));
    s.stream->time_base = c.time_base;
    s.stream->avg_frame_rate = c.framerate;

    s.frame->format = c.pix_fmt;
    s.frame->width = c.width;
    s.frame->height = c.height;
    error = av_frame_get_buffer(s.frame, 0);
    if (error < 0)
        return failed(avError(error));
    s.scaler = sws_getContext(c.width, c.height, AV_PIX_FMT_RGB32, c.width, c.height,
                              AV_PIX_FMT_YUV420P, SWS_AREA, nullptr, nullptr, nullptr);
    if (!s.scaler)
        return failed(avError(AVERROR(ENOMEM)));
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    // From full-range RGB to BT.709's limited range, as the stream says it is.
    sws_setColorspaceDetails(s.scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);

    AVDictionary *muxOptions = nullptr;
    if (mp4)
        av_dict_set(&muxOptions, "movflags", "+faststart", 0);
    error = avformat_write_header(s.format, &muxOptions);
    av_dict_free(&muxOptions);
    if (error < 0)
        return failed(s.io.failed ? m_file.writeFailed() : avError(error));
    return {};
}

FileFailure VideoWriter::encode(bool end)
{
    Session &s = *m_session;
    int error = avcodec_send_frame(s.codec, end ? nullptr : s.frame);
    while (error >= 0) {
        error = avcodec_receive_packet(s.codec, s.packet);
        if (error == AVERROR(EAGAIN) || error == AVERROR_EOF)
            return {};
        if (error < 0)
            break;
        av_packet_rescale_ts(s.packet, s.codec->time_base, s.stream->time_base);
        s.packet->stream_index = s.stream->index;
        error = av_interleaved_write_frame(s.format, s.packet);
    }
    return failed(s.io.failed ? m_file.writeFailed() : avError(error));
}

FileFailure VideoWriter::addPicture(const QImage &picture)
{
    if (!m_session)
        return FileFailure::encoding(FileFailure::Problem::NotStarted);
    Session &s = *m_session;
    if (picture.size() != s.pictureSize)
        return failed(FileFailure::encoding(FileFailure::Problem::UnevenPictures));
    const QImage rgb = padded(picture.convertToFormat(QImage::Format_RGB32), s.videoSize);
    // The encoder may still hold the last picture's buffer.
    if (const int error = av_frame_make_writable(s.frame); error < 0)
        return failed(avError(error));
    const std::array<const uint8_t *, 1> planes{rgb.constBits()};
    const std::array<int, 1> strides{int(rgb.bytesPerLine())};
    sws_scale(s.scaler, planes.data(), strides.data(), 0, rgb.height(), s.frame->data,
              s.frame->linesize);
    s.frame->pts = s.next++;
    return encode(false);
}

FileFailure VideoWriter::finishFile()
{
    if (!m_session || m_session->next == 0)
        return failed(FileFailure::encoding(FileFailure::Problem::EmptyPicture));
    if (FileFailure drained = encode(true); !drained.ok())
        return drained;
    Session &s = *m_session;
    const int error = av_write_trailer(s.format);
    avio_flush(s.avio);
    if (s.io.failed)
        return failed(m_file.writeFailed());
    if (error < 0 || s.avio->error < 0)
        return failed(avError(error < 0 ? error : s.avio->error));
    m_session.reset();
    return m_file.commit();
}

void VideoWriter::abandon()
{
    m_session.reset();
    m_file.discard();
}
