#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <optional>

class AutosaveStore;
class QMenu;
class SignDocument;
struct Services;

// The ファイル menu's roll commands: a new roll, opening and saving roll files, and the
// recently used files, remembered in the settings. Every failure is told, never thrown, and
// leaves the open document as it was. Nothing unsaved is dropped without asking, no roll file
// that another running copy has open is written over, and a roll file changed on the disk since
// it was opened or saved is not written over without asking.
class RollFileCommands : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRecentCount = 8;

    // otherCopies tells which roll files other running copies have open; without it none are.
    RollFileCommands(SignDocument &document, Services &services,
                     const AutosaveStore *otherCopies = nullptr, QObject *parent = nullptr);

    // Each answers whether it went through; new and open ask first when changes would be lost.
    bool newRoll();
    bool open();
    bool openFile(const QString &fileName);
    // A file dropped on the window, named on the command line or picked from the recent files:
    // asks first, like open().
    bool openAfterAsking(const QString &fileName);
    bool save();
    bool saveAs();
    // Work brought back after a crash, from the roll file named (or none): unsaved, and saved
    // back there only after asking.
    void restore(const QList<Frame> &frames, const SignLook &look, const QString &rollFile);
    // With unsaved changes, asks whether to save them first; answers whether to go on.
    bool confirmDiscard();

    QStringList recentFiles() const;
    // Fills menu with the recent files, each opening its file.
    void fillRecentMenu(QMenu *menu);

private:
    // What a roll file was on the disk when it was read or written, to see later changes by.
    struct DiskState
    {
        qint64 size = 0;
        QDateTime modified;
        QByteArray digest;

        bool operator==(const DiskState &) const = default;
    };
    static std::optional<DiskState> diskState(const QString &fileName);

    enum class Overwrite { Go, OtherName, Cancel };
    // Before the document's own file is written: asks when it changed on the disk, or when the
    // document is work brought back and the file is there.
    Overwrite checkOwnFile(const QString &fileName);
    bool saveTo(const QString &fileName);
    void remember(const QString &fileName);

    SignDocument &m_document;
    Services &m_services;
    const AutosaveStore *m_otherCopies;
    // The document's file as this copy last read or wrote it; nothing for work brought back.
    std::optional<DiskState> m_onDisk;
};
