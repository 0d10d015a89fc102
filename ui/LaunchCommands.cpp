#include "ui/LaunchCommands.h"

#include "identity/AppIdentity.h"
#include "platform/MessageBoxService.h"
#include "platform/ProcessLauncher.h"
#include "ui/HelpDocument.h"
#include "ui/TranslationPage.h"

#include <QDir>

#include <utility>

namespace {

const char *const kTranslationQuestion = QT_TRANSLATE_NOOP(
    "LaunchCommands",
    "YAHOOJAPANの翻訳ページにリンクします。。インターネットの接続環境はよろしいですか？");
const char *const kHelpMissing = QT_TRANSLATE_NOOP(
    "LaunchCommands", "ヘルプファイル（help/QNT.html）が見つかりません。"
                      "Quintelo と同じフォルダーに help フォルダーがあるか確認してください。");
const char *const kHelpNotOpened = QT_TRANSLATE_NOOP(
    "LaunchCommands", "ヘルプを開けませんでした。"
                      "HTML ファイルを開くブラウザーが設定されているか確認してください。");
const char *const kTranslationNotOpened = QT_TRANSLATE_NOOP(
    "LaunchCommands", "翻訳ページを開けませんでした。"
                      "ウェブページを開くブラウザーが設定されているか確認してください。");

} // namespace

LaunchCommands::LaunchCommands(MessageBoxService &messages, ProcessLauncher &launcher,
                               QString programDir)
    : m_messages(messages)
    , m_launcher(launcher)
    , m_programDir(std::move(programDir))
{}

void LaunchCommands::openHelp()
{
    const QString document = locateHelpDocument(m_programDir);
    if (document.isEmpty()) {
        m_messages.tell(kAppTitle, tr(kHelpMissing), MessageBoxService::Icon::Exclamation);
        return;
    }
    if (!m_launcher.open(QDir::toNativeSeparators(document)))
        m_messages.tell(kAppTitle, tr(kHelpNotOpened), MessageBoxService::Icon::Exclamation);
}

void LaunchCommands::openTranslationPage()
{
    if (!m_messages.askYesNo(kAppTitle, tr(kTranslationQuestion),
                             MessageBoxService::Icon::Question))
        return;
    if (!m_launcher.open(kTranslationPageUrl))
        m_messages.tell(kAppTitle, tr(kTranslationNotOpened), MessageBoxService::Icon::Exclamation);
}
