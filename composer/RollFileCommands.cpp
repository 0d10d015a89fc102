#include "composer/RollFileCommands.h"

#include "io/RollFile.h"
#include "platform/AppIdentity.h"
#include "platform/DialogService.h"
#include "platform/MessageBoxService.h"
#include "platform/SaveFileDialog.h"
#include "platform/Services.h"
#include "sign/SignDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString kRecentKey = QStringLiteral("recentFiles");
const QString kFilter = QStringLiteral("幕データ (*.quintelo)");

} // namespace

RollFileCommands::RollFileCommands(SignDocument &document, Services &services, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_services(services)
{}

bool RollFileCommands::confirmDiscard()
{
    return !m_document.isModified() ||
           m_services.messages.askYesNo(
               kAppTitle, QStringLiteral("変更された幕データは保存されていません。破棄しますか？"),
               MessageBoxService::Icon::Exclamation);
}

bool RollFileCommands::newRoll()
{
    if (!confirmDiscard())
        return false;
    m_document.replaceFrames({Frame()}, QString());
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
    const RollFile::Loaded loaded = RollFile::load(fileName);
    if (!loaded.ok()) {
        m_services.messages.tell(kAppTitle, loaded.error, MessageBoxService::Icon::Critical);
        return false;
    }
    m_document.replaceFrames(loaded.frames, QFileInfo(fileName).absoluteFilePath(), loaded.look);
    remember(m_document.fileName());
    return true;
}

bool RollFileCommands::openAfterAsking(const QString &fileName)
{
    return confirmDiscard() && openFile(fileName);
}

bool RollFileCommands::save()
{
    return m_document.fileName().isEmpty() ? saveAs() : saveTo(m_document.fileName());
}

bool RollFileCommands::saveAs()
{
    DialogService::SaveRequest request;
    request.title = QStringLiteral("幕データの保存");
    request.filter = kFilter;
    request.defaultExt = QStringLiteral("quintelo");
    request.fileName = m_document.fileName();
    request.flags = SaveFileDialog::kHideReadOnly;
    const std::optional<QString> fileName = m_services.dialogs.chooseSaveFileName(request);
    return fileName && saveTo(*fileName);
}

bool RollFileCommands::saveTo(const QString &fileName)
{
    if (const QString failure = RollFile::save(m_document.frames(), fileName, m_document.look(),
                                               &m_services.saveJournal);
        !failure.isEmpty()) {
        m_services.messages.tell(kAppTitle, failure, MessageBoxService::Icon::Critical);
        return false;
    }
    m_document.markSaved(QFileInfo(fileName).absoluteFilePath());
    remember(m_document.fileName());
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
