#pragma once

#include "files/FileFailure.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

// Colours real signs carry: service-type plates (快速 on orange, 特急 on red) and line colours
// for the English band. The shipped table comes first; a user's own file adds to it.
struct SignPresets
{
    struct ServiceType
    {
        QString name;
        QColor background;
        QColor text;
    };
    struct LineColour
    {
        QString name;
        QColor colour;
    };

    QList<ServiceType> serviceTypes;
    QList<LineColour> lineColours;
    // What was wrong with the user's file, naming it, for telling the user; ok() when it was
    // fine or absent.
    FileFailure failure;

    // The shipped table, and the user's file at userFile where it exists. A broken user file
    // adds nothing and says why.
    static SignPresets load(const QString &userFile);
    // The shipped table and the user's file as the bytes it holds; userFile names it in the
    // failure, and an empty name stands for no file.
    static SignPresets withUserFile(const QByteArray &userBytes, const QString &userFile);
};
