#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class SignDocument;
struct Services;

// The ファイル menu's roll commands: a new roll, opening and saving roll files, and the
// recently used files, remembered in the settings. Every failure is told, never thrown, and
// leaves the open document as it was.
class RollFileCommands : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRecentCount = 8;

    explicit RollFileCommands(SignDocument &document, Services &services,
                              QObject *parent = nullptr);

    // Each answers whether it went through; new and open ask first when changes would be lost.
    bool newRoll();
    bool open();
    bool openFile(const QString &fileName);
    // A file dropped on the window, named on the command line or picked from the recent files:
    // asks first, like open().
    bool openAfterAsking(const QString &fileName);
    bool save();
    bool saveAs();

    QStringList recentFiles() const;
    // Fills menu with the recent files, each opening its file.
    void fillRecentMenu(QMenu *menu);

private:
    bool confirmDiscard();
    bool saveTo(const QString &fileName);
    void remember(const QString &fileName);

    SignDocument &m_document;
    Services &m_services;
};
