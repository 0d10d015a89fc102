#include "codec/VideoModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// What a program without the module writes a video with: nothing, told as the encoder missing.
class MissingVideoWriter final : public AnimationWriter
{
public:
    MissingVideoWriter(const QString &path, QString reason)
        : AnimationWriter(path)
        , m_reason(std::move(reason))
    {}

    void abandon() override {}

protected:
    FileFailure openFile(const QSize &, int) override { return missing(); }
    FileFailure addPicture(const QImage &) override { return missing(); }
    FileFailure finishFile() override { return missing(); }

private:
    FileFailure missing() const
    {
        return FileFailure::of(FileFailure::Kind::EncoderMissing, FileFailure::Action::Write)
            .withEncoder(QStringLiteral("FFmpeg"))
            .withDetail(m_reason);
    }

    QString m_reason;
};

} // namespace

QStringList VideoModule::defaultFolders()
{
    const QString programFolder = QCoreApplication::instance()
                                      ? QCoreApplication::applicationDirPath()
                                      : QFileInfo(QStringLiteral("/proc/self/exe"))
                                            .symLinkTarget()
                                            .section(QLatin1Char('/'), 0, -2);
    return {programFolder, QDir::cleanPath(programFolder + QLatin1Char('/') +
                                           QStringLiteral(QUINTELO_VIDEO_MODULE_FROM_PROGRAM))};
}

std::unique_ptr<AnimationWriter> VideoModule::writer(const QString &path,
                                                     VideoWriter::Container container,
                                                     const QStringList &folders)
{
    QString reason;
    for (const QString &folder : folders) {
        // Qt keeps a loaded library loaded: the second video finds it at once.
        QLibrary module(QDir(folder).filePath(QStringLiteral(QUINTELO_VIDEO_MODULE_NAME)));
        if (auto *make =
                reinterpret_cast<MakeVideoWriter *>(module.resolve(kMakeVideoWriterSymbol)))
            return std::unique_ptr<AnimationWriter>(make(path, int(container)));
        if (reason.isEmpty())
            reason = module.errorString();
    }
    return std::make_unique<MissingVideoWriter>(path, reason);
}
