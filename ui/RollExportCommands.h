#pragma once

#include "export/ExportManager.h"
#include "render/SpinAnimation.h"

#include <QObject>

#include <optional>

class SignDocument;
struct Services;

// The ファイル → 書き出し commands: the whole roll as one strip picture, as a turning
// animation, and as a list of its frames' names. Each asks for a file name, writes the file
// whole or not at all, and tells the user when it could not.
class RollExportCommands : public QObject
{
public:
    explicit RollExportCommands(const SignDocument &document, Services &services,
                                QObject *parent = nullptr);

    bool saveStrip();
    bool saveSpin();
    bool saveFrameNames();

private:
    std::optional<QString> askFileName(const QString &title, const QString &filter,
                                       const QString &defaultExt);
    bool told(const ExportManager::Result &result);
    // Each frame as large as the export settings make a picture of it.
    qreal exportScale() const;

    const SignDocument &m_document;
    Services &m_services;
    // What was chosen last time, offered again while the program runs.
    SpinAnimation::Options m_spinOptions;
};
