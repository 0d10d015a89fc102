#pragma once

#include <QColor>
#include <QString>

class DialogService;

// A dialog object: one set of properties shared by its colour, font and save dialogs. The
// properties outlive each dialog, so whatever one kind of dialog leaves behind (Flags, Color)
// is what the next dialog of any kind starts from.
class CommonDialog
{
public:
    explicit CommonDialog(DialogService &service);

    qint32 Flags = 0;
    QColor Color = Qt::black;
    QString FontName;
    float FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    QString FileName;
    QString DialogTitle;
    QString Filter;
    QString DefaultExt;

    // Each shows its dialog modally and answers whether the user chose: on OK the choice is in
    // the properties; on Cancel they keep their values (FileName is emptied).
    bool ShowColor();
    bool ShowFont();
    bool ShowSave();

private:
    DialogService &m_service;
};
