#include "ui/QtDialogService.h"

#include "platform/DialogOwner.h"
#include "platform/RunModal.h"
#include "ui/FontColorDialog.h"
#include "ui/SaveFileDialog.h"

#include <QColorDialog>
#include <QFileDialog>

QtDialogService::QtDialogService(const DialogOwner &owner)
    : m_owner(owner)
{}

std::optional<QColor> QtDialogService::chooseColour(const ColourRequest &request)
{
    QColorDialog dialog(request.initial, m_owner.window());
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<DialogService::FontChoice> QtDialogService::chooseFont(const FontRequest &request)
{
    const FontChoice &initial = request.initial;
    QFont font(initial.family);
    if (initial.pointSize > 0)
        font.setPointSizeF(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    FontColorDialog dialog(font, initial.colour, request.offerColour, m_owner.window());
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return FontChoice{chosen.family(),       float(chosen.pointSizeF()), chosen.bold(),
                      chosen.italic(),       chosen.underline(),         chosen.strikeOut(),
                      dialog.selectedColor()};
}

std::optional<QString> QtDialogService::chooseSaveFileName(const SaveRequest &request)
{
    SaveFileDialog dialog(request, m_owner.window());
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogService::chooseOpenFileName(const QString &title,
                                                           const QString &filter)
{
    QFileDialog dialog(m_owner.window(), title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogService::chooseFolder(const QString &title)
{
    QFileDialog dialog(m_owner.window(), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
