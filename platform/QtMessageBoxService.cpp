#include "platform/QtMessageBoxService.h"

#include "platform/DialogOwner.h"
#include "platform/RunModal.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("QtMessageBoxService", "はい(&Y)"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("QtMessageBoxService", "いいえ(&N)"));
    return runModal(box) == QMessageBox::Yes;
}

int QtMessageBoxService::ask(const QString &title, const QString &text, Icon icon,
                             const QStringList &buttons, int defaultButton)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, m_owner.window());
    QList<QPushButton *> pushed;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        // Every button but the last acts; the style keeps them in the order given.
        const bool last = i == buttons.size() - 1;
        pushed.append(
            box.addButton(buttons[i], last ? QMessageBox::RejectRole : QMessageBox::ActionRole));
    }
    if (pushed.isEmpty())
        return -1;
    box.setDefaultButton(pushed.value(defaultButton, pushed.last()));
    box.setEscapeButton(pushed.last());
    runModal(box);
    const auto pressed = pushed.indexOf(static_cast<QPushButton *>(box.clickedButton()));
    return pressed < 0 ? int(pushed.size()) - 1 : int(pressed);
}

void QtMessageBoxService::tell(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, m_owner.window());
    runModal(box);
}
