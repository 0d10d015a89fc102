#include "sign/SetLookCommand.h"

#include "sign/SignDocument.h"

#include <QCoreApplication>

SetLookCommand::SetLookCommand(SignDocument &document, const SignLook &after)
    : QUndoCommand(after.kind == document.look().kind
                       ? QCoreApplication::translate("SignDocument", "LED の設定")
                   : after.isLed()
                       ? QCoreApplication::translate("SignDocument", "LED 表示に切り替え")
                       : QCoreApplication::translate("SignDocument", "幕表示に切り替え"))
    , m_document(document)
    , m_before(document.look())
    , m_after(after)
{
    setObsolete(m_before == m_after);
}

void SetLookCommand::redo()
{
    m_document.setLook({}, m_after);
}

void SetLookCommand::undo()
{
    m_document.setLook({}, m_before);
}
