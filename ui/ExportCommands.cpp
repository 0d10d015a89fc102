#include "ui/ExportCommands.h"

#include "export/ExportSettings.h"
#include "export/PictureFormat.h"
#include "export/VectorPictures.h"
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
        askFileName(QStringLiteral("方向幕画像の保存"), PictureFormat::fileDialogFilter(),
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
    return told(runJob(tr("画像を書き出しています…"), *fileName,
                       [frame, area, scale, name = *fileName, look](ExportManager &exporter) {
                           return exporter.saveFrame(frame, area, scale, name, {}, look);
                       }),
                FileSubject::Picture);
}

bool ExportCommands::savePrintSheet()
{
    const std::optional<QString> fileName =
        askFileName(QStringLiteral("印刷用シートの保存"), QStringLiteral("PDFファイル(*.pdf)"),
                    QStringLiteral("pdf"));
    if (!fileName)
        return false;
    const ExportSettings settings = ExportSettings::load(m_services.settings);
    const PrintSheet sheet(ExportSettings::pageSize(settings.paper), settings.frameMillimetres,
                           PlatePainter(m_document.currentFrame(), m_document.look()).size());
    return told(runJob(tr("印刷用シートを書き出しています…"), *fileName,
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
                                   const std::function<FileFailure(ExportManager &)> &save)
{
    const Job<FileFailure> job = m_jobs.start([this, save](JobProgress &progress) {
        ExportManager exporter = exportManager();
        exporter.setProgress(&progress);
        return save(exporter);
    });
    return JobProgressDialog::waitFor(job, doing + u'\n' + QFileInfo(fileName).fileName(),
                                      m_services.dialogOwner.window());
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
    const std::optional<QString> fileName =
        askFileName(QStringLiteral("全コマを縦に並べて保存"), types.join(QStringLiteral(";;")),
                    QStringLiteral("png"));
    if (!fileName)
        return false;
    return told(runJob(tr("全コマを縦に並べた画像を書き出しています…"), *fileName,
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
    const std::optional<QString> fileName =
        askFileName(QStringLiteral("回転アニメーションの保存"),
                    QStringLiteral("GIFアニメーション(*.gif)"), QStringLiteral("gif"));
    return fileName && told(runJob(tr("回転アニメーションを書き出しています…"), *fileName,
                                   [frames = m_document.frames(), options = m_spinOptions,
                                    name = *fileName](ExportManager &exporter) {
                                       return exporter.saveSpin(frames, options, name);
                                   }),
                            FileSubject::Spin);
}

bool ExportCommands::saveFrameNames()
{
    const std::optional<QString> fileName =
        askFileName(QStringLiteral("コマ一覧の保存"), QStringLiteral("テキストファイル(*.txt)"),
                    QStringLiteral("txt"));
    return fileName && told(exportManager().saveFrameNames(m_document.frames(), *fileName),
                            FileSubject::FrameNames);
}

qreal ExportCommands::exportScale() const
{
    return ExportSettings::load(m_services.settings)
        .scaleFor(PlatePainter(m_document.currentFrame(), m_document.look()).size());
}
