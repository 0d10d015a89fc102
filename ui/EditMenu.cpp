#include "ui/EditMenu.h"

#include "sign/SignDocument.h"
#include "ui/MenuItems.h"

#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace {
const char *const kUndoCaption = QT_TRANSLATE_NOOP("EditMenu", "元に戻す(&U)");
const char *const kRedoCaption = QT_TRANSLATE_NOOP("EditMenu", "やり直し(&R)");
} // namespace

EditMenu::EditMenu(QMenuBar *menuBar, SignDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    QMenu *edit = namedMenu(menuBar, "hensyu", tr("編集(&E)"));
    m_undo = menuItem(edit, "undo", tr(kUndoCaption), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = menuItem(
        edit, "redo", tr(kRedoCaption),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, &m_document, &SignDocument::undo);
    connect(m_redo, &QAction::triggered, &m_document, &SignDocument::redo);
    connect(&m_document.undoStack(), &QUndoStack::indexChanged, this, &EditMenu::describeHistory);
    describeHistory();
    keepCaptionsWhole(edit);
}

void EditMenu::describeHistory()
{
    const QUndoStack &history = m_document.undoStack();
    m_undo->setEnabled(history.canUndo());
    m_undo->setText(history.canUndo()
                        ? QStringLiteral("%1: %2").arg(tr(kUndoCaption), history.undoText())
                        : tr(kUndoCaption));
    m_redo->setEnabled(history.canRedo());
    m_redo->setText(history.canRedo()
                        ? QStringLiteral("%1: %2").arg(tr(kRedoCaption), history.redoText())
                        : tr(kRedoCaption));
}
