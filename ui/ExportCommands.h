#pragma once

#include "export/ExportManager.h"
#include "export/JobRunner.h"
#include "platform/DialogService.h"
#include "render/SpinAnimation.h"
#include "ui/VideoOptionsDialog.h"

#include <QObject>

#include <functional>
#include <optional>

class DialogMemory;
enum class FileSubject;
class QRect;
class SignDocument;
struct Services;

// Everything the window saves besides the roll file: the plate and the destination as pictures
// (画像として保存, ファイル → 保存), the PDF print sheet, and the ファイル → 書き出し commands,
// the whole roll as one strip picture, as a turning animation and as a list of its frames'
// names, and as a video. Each asks for a file name, writes the file whole or not at all, and tells
// the user when it could not. Strips, spins, print sheets and large pictures are drawn and written
// off the window's thread, from the frames as they were when asked for, the window waiting with a
// progress dialog whose Cancel writes nothing.
class ExportCommands : public QObject
{
    Q_OBJECT

public:
    ExportCommands(const SignDocument &document, Services &services,
                   const DialogMemory &dialogMemory, QObject *parent = nullptr);

    bool savePlate();
    // The destination box's area as the plate shows it: in the sign-name layout that is the
    // part of the sign name lying where the hidden box would be. On the LED panel, the
    // destination's columns.
    bool saveDestination();
    bool savePrintSheet();
    bool saveStrip();
    bool saveSpin();
    // The roll in motion as a video, an animated picture or a PNG sequence in a folder.
    bool saveVideo();
    bool saveFrameNames();

private:
    // Both picture saves: ask for a name, then draw the area of the plate and write it.
    bool savePicture(const QRect &area);
    std::optional<QString>
    askFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                DialogService::ReadOnlyBox readOnlyBox = DialogService::ReadOnlyBox::Hidden);
    // Tells the user of a failure, naming what could not be saved; answers whether all went.
    bool told(const FileFailure &result, FileSubject subject);
    // Runs work as a job, the window waiting for it (see JobProgressDialog); what the job does
    // and the file's name are shown as it runs. work must use only what it holds itself.
    FileFailure runJob(const QString &doing, const QString &fileName,
                       const std::function<FileFailure(JobProgress &)> &work);
    // The same for a save of the export manager's, which reports its progress to the job.
    FileFailure runExport(const QString &doing, const QString &fileName,
                          const std::function<FileFailure(ExportManager &)> &save);
    ExportManager exportManager() const;
    // Each frame as large as the export settings make a picture of it.
    qreal exportScale() const;

    const SignDocument &m_document;
    Services &m_services;
    const DialogMemory &m_dialogMemory;
    // What was chosen last time, offered again while the program runs.
    SpinAnimation::Options m_spinOptions;
    // Empty until the first video, which starts from the export settings' size.
    std::optional<VideoOptionsDialog::Choice> m_videoChoice;
    // Last, to go first: a job still running is cancelled and waited for while all else is here.
    JobRunner m_jobs;
};
