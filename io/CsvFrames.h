#pragma once

#include "files/FileFailure.h"
#include "sign/Frame.h"
#include "sign/SignPresets.h"

#include <QList>
#include <QString>
#include <QStringList>

// A frame and its number in its roll or table, from 1, which names its file.
struct NumberedFrame
{
    int number = 0;
    Frame frame;
};

// Frames from a table, one a row, its columns chosen by the header's names in any order:
//   sign, sign_en                          the sign-name layout
//   type, type_en, destination, destination_en   the service type and destination layout
//   sign_zh, sign_ko; type_zh, type_ko, destination_zh, destination_ko
//                                          their lines in Chinese (simplified) and Korean,
//                                          which the LED look pages through
//   text_colour, en_colour, band_colour    #RRGGBB
//   preset                                 a service-type preset by name
//   name                                   the frame's name
// A row that cannot make a frame is left out and said why; the others keep their numbers.
class CsvFrames
{
public:
    struct Read
    {
        QList<NumberedFrame> frames;
        int rows = 0;                   // every row below the header, made into a frame or not
        QList<FileFailure> rowFailures; // one a row left out, naming file, line and column
        FileFailure failure;            // the file as a whole could not be read: no frames
    };

    static Read read(const QByteArray &bytes, const QString &fileName, const SignPresets &presets);
    static QStringList columns();
};
