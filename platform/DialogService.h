#pragma once

#include <QColor>
#include <QString>

#include <optional>

// The window system's colour, font and save-file dialogs. Each call is modal and answers
// with the user's choice, or nothing when the user cancelled.
class DialogService
{
public:
    struct ColourRequest
    {
        // Selected when the dialog opens.
        QColor initial = Qt::black;
    };

    struct FontChoice
    {
        QString family;
        float pointSize = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        QColor colour;

        bool operator==(const FontChoice &) const = default;
    };

    struct FontRequest
    {
        FontChoice initial;
        // Whether the dialog offers the text colour beside the font.
        bool offerColour = true;
    };

    // The save dialog's read-only check box, which saves nothing but is shown as the window
    // has always shown it.
    enum class ReadOnlyBox { Hidden, Ticked };

    struct SaveRequest
    {
        QString title;
        // File types, as Qt's file dialogs take them ("GIFファイル(*.gif);;…").
        QString filter;
        // Added to a name typed without one.
        QString defaultSuffix;
        // The name the dialog opens with; empty for none.
        QString fileName;
        ReadOnlyBox readOnlyBox = ReadOnlyBox::Hidden;
    };

    virtual ~DialogService() = default;

    virtual std::optional<QColor> chooseColour(const ColourRequest &request) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontRequest &request) = 0;
    virtual std::optional<QString> chooseSaveFileName(const SaveRequest &request) = 0;
    // An existing file to open.
    virtual std::optional<QString> chooseOpenFileName(const QString &title,
                                                      const QString &filter) = 0;
    // An existing folder to write files into.
    virtual std::optional<QString> chooseFolder(const QString &title) = 0;
};
