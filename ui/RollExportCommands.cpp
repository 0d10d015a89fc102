#include "ui/RollExportCommands.h"

#include "export/ExportSettings.h"
#include "export/PictureFormat.h"
#include "export/SaveFailureMessage.h"
#include "identity/AppIdentity.h"
#include "platform/DialogOwner.h"
#include "platform/DialogService.h"
#include "platform/MessageBoxService.h"
#include "platform/RunModal.h"
#include "platform/Services.h"
#include "render/PlatePainter.h"
#include "sign/SignDocument.h"
#include "ui/SpinOptionsDialog.h"

#include <algorithm>

RollExportCommands::RollExportCommands(const SignDocument &document, Services &services,
                                       QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_services(services)
{}

std::optional<QString> RollExportCommands::askFileName(const QString &title, const QString &filter,
                                                       const QString &defaultExt)
{
    return m_services.dialogs.chooseSaveFileName({title, filter, defaultExt, QString()});
}

bool RollExportCommands::told(const ExportManager::Result &result)
{
    if (!result.ok())
        m_services.messages.tell(kAppTitle, saveFailureMessage(result),
                                 MessageBoxService::Icon::Critical);
    return result.ok();
}

bool RollExportCommands::saveStrip()
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
    return told(ExportManager(m_services.imageWriter, &m_services.saveJournal)
                    .saveStrip(m_document.frames(), *fileName, exportScale(), m_document.look()));
}

bool RollExportCommands::saveSpin()
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
    return fileName && told(ExportManager(m_services.imageWriter, &m_services.saveJournal)
                                .saveSpin(m_document.frames(), m_spinOptions, *fileName));
}

bool RollExportCommands::saveFrameNames()
{
    const std::optional<QString> fileName =
        askFileName(QStringLiteral("コマ一覧の保存"), QStringLiteral("テキストファイル(*.txt)"),
                    QStringLiteral("txt"));
    return fileName && told(ExportManager(m_services.imageWriter, &m_services.saveJournal)
                                .saveFrameNames(m_document.frames(), *fileName));
}

qreal RollExportCommands::exportScale() const
{
    return ExportSettings::load(m_services.settings)
        .scaleFor(PlatePainter(m_document.currentFrame(), m_document.look()).size());
}
