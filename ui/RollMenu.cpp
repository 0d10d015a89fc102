#include "ui/RollMenu.h"

#include "platform/RunModal.h"
#include "sign/SignDocument.h"
#include "ui/MenuItems.h"
#include "ui/PanelLanguagesDialog.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

RollMenu::RollMenu(QMenuBar *menuBar, SignDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_window(menuBar->window())
{
    m_menu = namedMenu(menuBar, "koma", tr("コマ(&K)"));
    m_next = menuItem(m_menu, "nextFrame", tr("次のコマ(&N)"), {QKeySequence(Qt::Key_PageDown)});
    m_previous =
        menuItem(m_menu, "previousFrame", tr("前のコマ(&P)"), {QKeySequence(Qt::Key_PageUp)});
    m_play = menuItem(m_menu, "play", tr("再生(&S)"), {QKeySequence(Qt::Key_F5)});
    m_menu->addSeparator();
    m_add = menuItem(m_menu, "addFrame", tr("コマを追加(&A)"));
    m_duplicate = menuItem(m_menu, "duplicateFrame", tr("コマを複製(&D)"));
    m_delete = menuItem(m_menu, "deleteFrame", tr("コマを削除(&L)"));
    m_moveUp = menuItem(m_menu, "moveFrameUp", tr("上へ移動(&U)"));
    m_moveDown = menuItem(m_menu, "moveFrameDown", tr("下へ移動(&W)"));
    m_rename = menuItem(m_menu, "renameFrame", tr("コマの名前を変更(&R)"));
    m_languages = menuItem(m_menu, "panelLanguages", tr("多言語表示(&T)..."));
    // The panel's buttons carry the short words; the menu says it in full.
    for (const auto &[action, word] : {std::pair{m_add, QT_TR_NOOP("追加")},
                                       {m_duplicate, QT_TR_NOOP("複製")},
                                       {m_delete, QT_TR_NOOP("削除")},
                                       {m_moveUp, "▲"},
                                       {m_moveDown, "▼"},
                                       {m_rename, QT_TR_NOOP("名前")}})
        action->setIconText(tr(word));
    m_menu->addSeparator();
    m_panel = menuItem(m_menu, "showRollPanel", tr("コマ一覧を表示(&K)"));
    m_panel->setCheckable(true);
    m_panel->setChecked(true);

    connect(m_next, &QAction::triggered, this, [this] { step(1); });
    connect(m_previous, &QAction::triggered, this, [this] { step(-1); });
    connect(m_add, &QAction::triggered, &m_document, &SignDocument::addFrame);
    connect(m_duplicate, &QAction::triggered, &m_document, &SignDocument::duplicateFrame);
    connect(m_delete, &QAction::triggered, &m_document, &SignDocument::deleteFrame);
    connect(m_moveUp, &QAction::triggered, this, [this] { moveCurrent(-1); });
    connect(m_moveDown, &QAction::triggered, this, [this] { moveCurrent(1); });
    connect(m_rename, &QAction::triggered, this, [this] {
        m_panel->setChecked(true);
        emit renameRequested();
    });
    connect(m_play, &QAction::triggered, this, &RollMenu::playRequested);
    connect(m_languages, &QAction::triggered, this, &RollMenu::editPanelLanguages);
    keepCaptionsWhole(m_menu);
}

QList<QAction *> RollMenu::panelButtons() const
{
    return {m_add, m_duplicate, m_delete, m_moveUp, m_moveDown, m_rename};
}

void RollMenu::enableForCurrentFrame()
{
    const int current = m_document.currentIndex();
    const int last = m_document.frameCount() - 1;
    m_previous->setEnabled(current > 0);
    m_moveUp->setEnabled(current > 0);
    m_next->setEnabled(current < last);
    m_moveDown->setEnabled(current < last);
    m_delete->setEnabled(last > 0);
}

void RollMenu::step(int by)
{
    m_document.setCurrentIndex(
        std::clamp(m_document.currentIndex() + by, 0, m_document.frameCount() - 1));
}

void RollMenu::moveCurrent(int by)
{
    const int from = m_document.currentIndex();
    m_document.moveFrame(from, from + by);
}

void RollMenu::editPanelLanguages()
{
    PanelLanguagesDialog dialog(m_document.currentFrame(), !m_document.look().isLed(), m_window);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    // OK with nothing changed is no step to undo.
    const std::array<Translation, 2> lines = dialog.translations();
    if (lines != m_document.currentFrame().translations)
        m_document.editTranslations(lines);
}
