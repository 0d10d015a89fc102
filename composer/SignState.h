#pragma once

#include "composer/TwipsGeometry.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <map>

// What one control of the main window shows: for a text box its text, for a button or frame
// its caption.
struct ControlState
{
    QString text;
    QColor backColor;
    QColor foreColor;
    QFont font;
    TwipRect rect;
    bool visible = true;
    bool enabled = true;

    bool operator==(const ControlState &) const = default;
};

// The whole composed sign as one plain value: every control by its name, the separator
// line's colour and the layout flag.
struct SignState
{
    std::map<QString, ControlState> controls;
    QColor lineBorderColor;
    qint16 typeLayoutOn = 0;

    bool operator==(const SignState &) const = default;
};
