#include "platform/QtWindowCapture.h"

#include <QLayout>
#include <QLineEdit>
#include <QWidget>

#include <vector>

namespace {

// A line edit as the user left it: its caret blinks and its selection is highlighted, which
// a picture of the sign must never show. Read-only edits draw no caret in any blink phase.
struct EditingMarks
{
    explicit EditingMarks(QLineEdit *edit)
        : edit(edit)
        , readOnly(edit->isReadOnly())
        , cursor(edit->cursorPosition())
        , selectionStart(edit->selectionStart())
        , selectionLength(edit->selectionLength())
    {}

    void hide() const
    {
        edit->deselect();
        edit->setReadOnly(true);
    }

    void restore() const
    {
        edit->setReadOnly(readOnly);
        if (selectionLength > 0) {
            // The anchor is the end the caret is not at, so a selection made backwards stays
            // backwards and Shift+arrow goes on from where the user was.
            const int anchor =
                cursor == selectionStart ? selectionStart + selectionLength : selectionStart;
            edit->setSelection(anchor, cursor - anchor);
        } else if (edit->cursorPosition() != cursor) {
            edit->setCursorPosition(cursor);
        }
    }

    QLineEdit *edit;
    bool readOnly;
    int cursor;
    int selectionStart;
    int selectionLength;
};

} // namespace

QImage QtWindowCapture::capture(QWidget &control)
{
    QWidget *window = control.window();
    // A window that has not been shown yet has not placed its controls.
    if (QLayout *layout = window->layout())
        layout->activate();

    const QRect area(control.mapTo(window, QPoint(0, 0)), control.size());
    const qreal ratio = window->devicePixelRatioF();
    QImage picture(area.size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(window->palette().color(QPalette::Window));
    if (area.isEmpty())
        return picture;

    std::vector<EditingMarks> edits;
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        edits.emplace_back(edit);
    for (const EditingMarks &marks : edits)
        marks.hide();

    // Rendering the whole window clipped to the control's rectangle shows overlapping
    // siblings as the window does, and for a hidden control what lies beneath it.
    window->render(&picture, QPoint(), QRegion(area),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);

    for (const EditingMarks &marks : edits)
        marks.restore();
    return picture;
}
