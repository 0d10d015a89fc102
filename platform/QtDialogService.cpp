#include "platform/QtDialogService.h"

#include "platform/FontColorDialog.h"
#include "platform/SaveFileDialog.h"

#include <QApplication>
#include <QColorDialog>

namespace {
constexpr qint32 kColorStartWithColor = 0x1;
// The font dialog's effects: strikeout, underline and the text colour.
constexpr qint32 kFontEffects = 0x100;
} // namespace

QtDialogService::QtDialogService(QWidget *parent)
    : m_parent(parent)
{
}

QWidget *QtDialogService::owner() const
{
    return m_parent ? m_parent : QApplication::activeWindow();
}

bool QtDialogService::runModal(QDialog &dialog, QWidget *owner)
{
    // Owned by the window that asks, so the dialog opens over it; and that window gets the
    // focus back even where no window manager returns it, so its shortcuts work straight away.
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (owner)
        owner->activateWindow();
    return accepted;
}

std::optional<QColor> QtDialogService::chooseColor(const QColor &initial, qint32 flags)
{
    const QColor start = (flags & kColorStartWithColor) ? initial : QColor(Qt::black);
    QWidget *asking = owner();
    QColorDialog dialog(start, asking);
    if (!runModal(dialog, asking))
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
    QWidget *asking = owner();
    FontColorDialog dialog(font, initial.color, (flags & kFontEffects) != 0, asking);
    if (!runModal(dialog, asking))
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return FontChoice{chosen.family(),       float(chosen.pointSizeF()), chosen.bold(),
                      chosen.italic(),       chosen.underline(),         chosen.strikeOut(),
                      dialog.selectedColor()};
}

std::optional<QString> QtDialogService::chooseSaveFileName(const SaveRequest &request)
{
    QWidget *asking = owner();
    SaveFileDialog dialog(request, asking);
    if (!runModal(dialog, asking) || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
