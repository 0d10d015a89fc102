#pragma once

#include <QColor>
#include <QString>

#include <optional>

// The window system's colour, font and save-file dialogs. Each call is modal and answers
// with the user's choice, or nothing when the user cancelled.
class DialogService
{
public:
    struct FontChoice
    {
        QString name;
        float size = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikethru = false;
        QColor color;

        bool operator==(const FontChoice &) const = default;
    };

    struct SaveRequest
    {
        QString title;
        QString filter;
        QString defaultExt;
        QString fileName;
        qint32 flags = 0;
    };

    virtual ~DialogService() = default;

    virtual std::optional<QColor> chooseColor(const QColor &initial, qint32 flags) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial, qint32 flags) = 0;
    virtual std::optional<QString> chooseSaveFileName(const SaveRequest &request) = 0;
    // An existing file to open.
    virtual std::optional<QString> chooseOpenFileName(const QString &title,
                                                      const QString &filter) = 0;
};
