#include "ui/RollFileCommands.h"

#include "files/SameFile.h"
#include "identity/AppIdentity.h"
#include "io/AutosaveStore.h"
#include "io/RollFile.h"
#include "messages/FailureMessage.h"
#include "platform/DialogService.h"
#include "platform/MessageBoxService.h"
#include "platform/Services.h"
#include "sign/SignDocument.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString kRecentKey = QStringLiteral("recentFiles");
const QString kFilter = QStringLiteral("幕データ (*.quintelo)");

} // namespace

RollFileCommands::RollFileCommands(SignDocument &document, Services &services,
                                   const AutosaveStore *otherCopies, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_services(services)
    , m_otherCopies(otherCopies)
{}

bool RollFileCommands::confirmDiscard()
{
    if (!m_document.isModified())
        return true;
    enum { Save, DontSave, Cancel };
    const int answer = m_services.messages.ask(
        kAppTitle, QStringLiteral("変更を保存しますか？"), MessageBoxService::Icon::Exclamation,
        {QStringLiteral("保存(&S)"), QStringLiteral("保存しない(&N)"),
         QStringLiteral("キャンセル")},
        Cancel);
    // Goes on only once the changes are safe in a file.
    return answer == Save ? save() : answer == DontSave;
}

bool RollFileCommands::newRoll()
{
    if (!confirmDiscard())
        return false;
    m_document.replaceFrames({Frame()}, QString());
    m_onDisk.reset();
    return true;
}

bool RollFileCommands::open()
{
    if (!confirmDiscard())
        return false;
    const std::optional<QString> fileName =
        m_services.dialogs.chooseOpenFileName(QStringLiteral("幕データを開く"), kFilter);
    // Already asked: the file opens over the changes the user agreed to lose.
    return fileName && openFile(*fileName);
}

bool RollFileCommands::openFile(const QString &fileName)
{
    const bool taken = m_otherCopies && m_otherCopies->openElsewhere(fileName);
    if (taken &&
        m_services.messages.ask(
            kAppTitle,
            QStringLiteral("幕データ「%1」は、ほかに起動している Quintelo で開かれています。\n\n"
                           "読み取り専用で開くと、保存するときは別の名前を尋ねます。")
                .arg(QDir::toNativeSeparators(fileName)),
            MessageBoxService::Icon::Exclamation,
            {QStringLiteral("読み取り専用で開く(&R)"), QStringLiteral("キャンセル")}, 0) != 0)
        return false;
    const RollFile::Loaded loaded = RollFile::load(fileName);
    if (!loaded.ok()) {
        m_services.messages.tell(kAppTitle,
                                 FailureMessage::paragraphs(loaded.failure, FileSubject::RollFile),
                                 MessageBoxService::Icon::Critical);
        return false;
    }
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    m_document.replaceFrames(loaded.frames, absolute, loaded.look);
    m_document.setReadOnly(taken);
    m_onDisk = diskState(absolute);
    remember(absolute);
    return true;
}

bool RollFileCommands::openAfterAsking(const QString &fileName)
{
    return confirmDiscard() && openFile(fileName);
}

void RollFileCommands::restore(const QList<Frame> &frames, const SignLook &look,
                               const QString &rollFile)
{
    m_document.replaceFrames(
        frames, rollFile.isEmpty() ? QString() : QFileInfo(rollFile).absoluteFilePath(), look);
    m_document.markUnsaved();
    m_document.setReadOnly(m_otherCopies && m_otherCopies->openElsewhere(rollFile));
    m_onDisk.reset();
}

bool RollFileCommands::save()
{
    return m_document.fileName().isEmpty() || m_document.isReadOnly()
               ? saveAs()
               : saveTo(m_document.fileName());
}

bool RollFileCommands::saveAs()
{
    const std::optional<QString> fileName =
        m_services.dialogs.chooseSaveFileName({QStringLiteral("幕データの保存"), kFilter,
                                               QStringLiteral("quintelo"), m_document.fileName()});
    return fileName && saveTo(*fileName);
}

std::optional<RollFileCommands::DiskState> RollFileCommands::diskState(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return std::nullopt;
    DiskState state{info.size(), info.lastModified(), {}};
    // A file too large to be a roll differs by its size alone.
    QFile file(fileName);
    if (info.size() <= RollFile::kMaxBytes && file.open(QIODevice::ReadOnly)) {
        QCryptographicHash digest(QCryptographicHash::Sha256);
        if (digest.addData(&file))
            state.digest = digest.result();
    }
    return state;
}

RollFileCommands::Overwrite RollFileCommands::checkOwnFile(const QString &fileName)
{
    if (!sameFile(fileName, m_document.fileName()))
        return Overwrite::Go; // the save dialog has asked before replacing another file
    const std::optional<DiskState> now = diskState(fileName);
    // Gone from the disk: there is nothing there to lose.
    if (!now || now == m_onDisk)
        return Overwrite::Go;
    const QString name = QDir::toNativeSeparators(fileName);
    const QString text =
        m_onDisk
            ? QStringLiteral("幕データ「%1」は、開いた後か前回保存した後に、"
                             "ほかで変更されています。\n\n上書きすると、その変更は失われます。")
                  .arg(name)
            : QStringLiteral("復元した作業を、幕データ「%1」に上書き保存しますか？\n\n"
                             "「%1」には、復元した作業に含まれていない変更があるかもしれません。")
                  .arg(name);
    switch (m_services.messages.ask(kAppTitle, text, MessageBoxService::Icon::Exclamation,
                                    {QStringLiteral("上書き保存(&O)"),
                                     QStringLiteral("別の名前で保存(&A)..."),
                                     QStringLiteral("キャンセル")},
                                    2)) {
    case 0:
        return Overwrite::Go;
    case 1:
        return Overwrite::OtherName;
    default:
        return Overwrite::Cancel;
    }
}

bool RollFileCommands::saveTo(const QString &fileName)
{
    if (m_otherCopies && m_otherCopies->openElsewhere(fileName)) {
        m_services.messages.tell(
            kAppTitle,
            QStringLiteral("幕データ「%1」は、ほかに起動している Quintelo で開かれているため、"
                           "上書きできません。別の名前で保存してください。")
                .arg(QDir::toNativeSeparators(fileName)),
            MessageBoxService::Icon::Exclamation);
        return saveAs();
    }
    switch (checkOwnFile(fileName)) {
    case Overwrite::Go:
        break;
    case Overwrite::OtherName:
        return saveAs();
    case Overwrite::Cancel:
        return false;
    }
    if (const FileFailure failure = RollFile::save(m_document.frames(), fileName, m_document.look(),
                                                   &m_services.saveJournal);
        !failure.ok()) {
        m_services.messages.tell(kAppTitle,
                                 FailureMessage::paragraphs(failure, FileSubject::RollFile),
                                 MessageBoxService::Icon::Critical);
        return false;
    }
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    m_document.markSaved(absolute);
    m_onDisk = diskState(absolute);
    remember(absolute);
    return true;
}

QStringList RollFileCommands::recentFiles() const
{
    return m_services.settings.value(kRecentKey).toStringList();
}

void RollFileCommands::remember(const QString &fileName)
{
    QStringList recent = recentFiles();
    recent.removeAll(fileName);
    recent.prepend(fileName);
    m_services.settings.setValue(kRecentKey, recent.mid(0, kRecentCount));
}

void RollFileCommands::fillRecentMenu(QMenu *menu)
{
    menu->clear();
    const QStringList recent = recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString &fileName = recent[i];
        QAction *action = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(fileName)));
        connect(action, &QAction::triggered, this, [this, fileName] { openAfterAsking(fileName); });
    }
    if (recent.isEmpty())
        menu->addAction(QStringLiteral("（なし）"))->setEnabled(false);
}
