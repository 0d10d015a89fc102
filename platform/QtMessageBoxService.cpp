#include "platform/QtMessageBoxService.h"

#include "platform/DialogOwner.h"
#include "platform/RunModal.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageBoxService::Icon icon)
{
    switch (icon) {
    case MessageBoxService::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxService::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxService::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxService::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QtMessageBoxService::QtMessageBoxService(const DialogOwner &owner)
    : m_owner(owner)
{}

bool QtMessageBoxService::askYesNo(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, m_owner.window());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    return runModal(box) == QMessageBox::Yes;
}

void QtMessageBoxService::tell(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, m_owner.window());
    runModal(box);
}
