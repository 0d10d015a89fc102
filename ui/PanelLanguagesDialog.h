#pragma once

#include "sign/Frame.h"

#include <QDialog>

#include <array>

class QLineEdit;

// コマ → 多言語表示…: a frame's Chinese (simplified) and Korean lines, for the pages an LED
// panel shows after Japanese and English. It offers the lines the frame's layout shows: the sign
// name, or the service type and the destination. An empty line shows its Japanese on the panel,
// which the line shows greyed as long as it is empty.
class PanelLanguagesDialog : public QDialog
{
    Q_OBJECT

public:
    // plateLook: the roll is shown as the plate, which shows none of these lines; the dialog
    // says so.
    PanelLanguagesDialog(const Frame &frame, bool plateLook, QWidget *parent = nullptr);

    // The frame's lines as the dialog has them; a line the layout does not show keeps what the
    // frame had.
    std::array<Translation, 2> translations() const;

    QLineEdit *lineEdit(PanelLanguage language, SignLine line) const;

private:
    Frame m_frame;
    // By language, then by the line's place in kTranslatedLines; null where the layout does not
    // show the line.
    std::array<std::array<QLineEdit *, kTranslatedLines.size()>, kPanelLanguages.size()>
        m_lineEdits{};
};
