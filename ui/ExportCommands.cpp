#include "ui/ExportCommands.h"

#include "export/ExportSettings.h"
#include "export/PictureFormat.h"
#include "export/VectorPictures.h"
#include "export/VideoExport.h"
#include "identity/AppIdentity.h"
#include "messages/FailureMessage.h"
#include "platform/DialogOwner.h"
#include "platform/MessageBoxService.h"
#include "platform/RunModal.h"
#include "platform/Services.h"
#include "render/PlatePainter.h"
#include "sign/SignDocument.h"
#include "ui/DialogMemory.h"
#include "ui/JobProgressDialog.h"
#include "ui/SpinOptionsDialog.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

// A picture of more pixels than this takes long enough to draw and encode to be made as a job.
constexpr qint64 kPixelsWorthAJob = 4'000'000;

} // namespace

ExportCommands::ExportCommands(const SignDocument &document, Services &services,
                               const DialogMemory &dialogMemory, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_services(services)
    , m_dialogMemory(dialogMemory)
{}

bool ExportCommands::savePlate()
{
    return savePicture(
        QRect(QPoint(), PlatePainter(m_document.currentFrame(), m_document.look()).size()));
}

bool ExportCommands::saveDestination()
{
    return savePicture(
        PlatePainter(m_document.currentFrame(), m_document.look()).destinationArea());
}

bool ExportCommands::savePicture(const QRect &area)
{
    const std::optional<QString> fileName =
        askFileName(tr("方向幕画像の保存"), PictureFormat::fileDialogFilter(),
                    QStringLiteral("gif"), m_dialogMemory.pictureSaveReadOnlyBox());
    if (!fileName || fileName->isEmpty())
        return false;
    const qreal scale = ExportSettings::load(m_services.settings).scaleFor(area.size());
    const Frame frame = m_document.currentFrame();
    const SignLook look = m_document.look();
    const QSize size = PlatePainter::scaledSize(area.size(), scale);
    if (qint64(size.width()) * size.height() <= kPixelsWorthAJob)
        return told(exportManager().saveFrame(frame, area, scale, *fileName, {}, look),
                    FileSubject::Picture);
    return told(runExport(tr("画像を書き出しています…"), *fileName,
                          [frame, area, scale, name = *fileName, look](ExportManager &exporter) {
                              return exporter.saveFrame(frame, area, scale, name, {}, look);
                          }),
                FileSubject::Picture);
}

bool ExportCommands::savePrintSheet()
{
    const std::optional<QString> fileName =
        askFileName(tr("印刷用シートの保存"), tr("PDFファイル(*.pdf)"), QStringLiteral("pdf"));
    if (!fileName)
        return false;
    const ExportSettings settings = ExportSettings::load(m_services.settings);
    const PrintSheet sheet(ExportSettings::pageSize(settings.paper), settings.frameMillimetres,
                           PlatePainter(m_document.currentFrame(), m_document.look()).size());
    return told(runExport(tr("印刷用シートを書き出しています…"), *fileName,
                          [frames = m_document.frames(), sheet, name = *fileName,
                           look = m_document.look()](ExportManager &exporter) {
                              return exporter.savePrintSheet(frames, sheet, name, look);
                          }),
                FileSubject::PrintSheet);
}

std::optional<QString> ExportCommands::askFileName(const QString &title, const QString &filter,
                                                   const QString &defaultSuffix,
                                                   DialogService::ReadOnlyBox readOnlyBox)
{
    return m_services.dialogs.chooseSaveFileName(
        {title, filter, defaultSuffix, QString(), readOnlyBox});
}

bool ExportCommands::told(const FileFailure &result, FileSubject subject)
{
    // A cancel is the user's own wish: nothing was written, and there is nothing to tell.
    if (FailureMessage::worthTelling(result))
        m_services.messages.tell(kAppTitle, FailureMessage::paragraphs(result, subject),
                                 MessageBoxService::Icon::Critical);
    return result.ok();
}

FileFailure ExportCommands::runJob(const QString &doing, const QString &fileName,
                                   const std::function<FileFailure(JobProgress &)> &work)
{
    const Job<FileFailure> job = m_jobs.start(work);
    return JobProgressDialog::waitFor(job, doing + u'\n' + QFileInfo(fileName).fileName(),
                                      m_services.dialogOwner.window());
}

FileFailure ExportCommands::runExport(const QString &doing, const QString &fileName,
                                      const std::function<FileFailure(ExportManager &)> &save)
{
    return runJob(doing, fileName, [this, save](JobProgress &progress) {
        ExportManager exporter = exportManager();
        exporter.setProgress(&progress);
        return save(exporter);
    });
}

ExportManager ExportCommands::exportManager() const
{
    return ExportManager(m_services.imageWriter, &m_services.saveJournal);
}

bool ExportCommands::saveStrip()
{
    // PNG first: a long roll has more colours than a GIF keeps, and the tools that take a strip
    // read PNG.
    QStringList types = PictureFormat::fileDialogFilter().split(QStringLiteral(";;"));
    // Shapes are drawn one frame at a time; a strip is a picture.
    types.removeIf([](const QString &type) { return type.contains(u"*.svg"); });
    std::stable_partition(types.begin(), types.end(),
                          [](const QString &type) { return type.contains(u"*.png"); });
    const std::optional<QString> fileName = askFileName(
        tr("全コマを縦に並べて保存"), types.join(QStringLiteral(";;")), QStringLiteral("png"));
    if (!fileName)
        return false;
    return told(runExport(tr("全コマを縦に並べた画像を書き出しています…"), *fileName,
                          [frames = m_document.frames(), name = *fileName, scale = exportScale(),
                           look = m_document.look()](ExportManager &exporter) {
                              return exporter.saveStrip(frames, name, scale, look);
                          }),
                FileSubject::Strip);
}

bool ExportCommands::saveSpin()
{
    SpinOptionsDialog dialog(m_document.frameCount(), m_spinOptions,
                             m_services.dialogOwner.window());
    if (runModal(dialog) != QDialog::Accepted)
        return false;
    m_spinOptions = dialog.options();
    m_spinOptions.look = m_document.look();
    m_spinOptions.scale = exportScale();
    const std::optional<QString> fileName = askFileName(
        tr("回転アニメーションの保存"), tr("GIFアニメーション(*.gif)"), QStringLiteral("gif"));
    return fileName && told(runExport(tr("回転アニメーションを書き出しています…"), *fileName,
                                      [frames = m_document.frames(), options = m_spinOptions,
                                       name = *fileName](ExportManager &exporter) {
                                          return exporter.saveSpin(frames, options, name);
                                      }),
                            FileSubject::Spin);
}

bool ExportCommands::saveVideo()
{
    VideoOptionsDialog::Choice choice;
    if (m_videoChoice)
        choice = *m_videoChoice;
    else
        choice.size = ExportSettings::load(m_services.settings);
    VideoOptionsDialog dialog(m_document.frameCount(), m_document.look().isLed(), choice,
                              m_services.dialogOwner.window());
    if (runModal(dialog) != QDialog::Accepted)
        return false;
    m_videoChoice = dialog.choice();
    const VideoOptionsDialog::Choice &chosen = *m_videoChoice;

    std::optional<QString> path;
    if (chosen.kind == AnimationKind::PngSequence) {
        path = m_services.dialogs.chooseFolder(tr("PNG の連番を書き出すフォルダ"));
    } else {
        // The kind chosen first; the name given decides, as the renderer's does.
        const std::array<std::pair<AnimationKind, QString>, 4> kinds{
            {{AnimationKind::Mp4, tr("MP4 動画(*.mp4)")},
             {AnimationKind::WebM, tr("WebM 動画(*.webm)")},
             {AnimationKind::WebP, tr("アニメーション WebP(*.webp)")},
             {AnimationKind::Gif, tr("アニメーション GIF(*.gif)")}}};
        QStringList filters;
        QString suffix;
        for (const auto &[kind, filter] : kinds) {
            if (kind == chosen.kind) {
                filters.prepend(filter);
                suffix = filter.section(u'.', -1).chopped(1);
            } else {
                filters.append(filter);
            }
        }
        path = askFileName(tr("動画の保存"), filters.join(QStringLiteral(";;")), suffix);
    }
    if (!path || path->isEmpty())
        return false;

    VideoRequest request;
    request.frames = m_document.frames();
    request.look = m_document.look();
    request.motion = chosen.motion;
    request.fps = chosen.fps;
    request.size = chosen.size;
    request.path = *path;
    return told(
        runJob(tr("動画を書き出しています…"), *path,
               [request](JobProgress &progress) { return ::saveVideo(request, &progress); }),
        FileSubject::Video);
}

bool ExportCommands::saveFrameNames()
{
    const std::optional<QString> fileName =
        askFileName(tr("コマ一覧の保存"), tr("テキストファイル(*.txt)"), QStringLiteral("txt"));
    return fileName && told(exportManager().saveFrameNames(m_document.frames(), *fileName),
                            FileSubject::FrameNames);
}

qreal ExportCommands::exportScale() const
{
    return ExportSettings::load(m_services.settings)
        .scaleFor(PlatePainter(m_document.currentFrame(), m_document.look()).size());
}
