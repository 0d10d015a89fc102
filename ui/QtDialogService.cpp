#include "ui/QtDialogService.h"

#include "platform/DialogOwner.h"
#include "platform/RunModal.h"
#include "ui/FontColorDialog.h"
#include "ui/SaveFileDialog.h"

#include <QColorDialog>

namespace {
constexpr qint32 kColorStartWithColor = 0x1;
// The font dialog's effects: strikeout, underline and the text colour.
constexpr qint32 kFontEffects = 0x100;
} // namespace

QtDialogService::QtDialogService(const DialogOwner &owner)
    : m_owner(owner)
{}

std::optional<QColor> QtDialogService::chooseColor(const QColor &initial, qint32 flags)
{
    const QColor start = (flags & kColorStartWithColor) ? initial : QColor(Qt::black);
    QColorDialog dialog(start, m_owner.window());
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<DialogService::FontChoice> QtDialogService::chooseFont(const FontChoice &initial,
                                                                     qint32 flags)
{
    QFont font(initial.name);
    if (initial.size > 0)
        font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikethru);
    FontColorDialog dialog(font, initial.color, (flags & kFontEffects) != 0, m_owner.window());
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
