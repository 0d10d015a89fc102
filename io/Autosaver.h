#pragma once

#include <QObject>
#include <QTimer>

class AutosaveStore;
class SignDocument;

// Writes the document to its autosave file a short while after the last change. The timer is
// restarted on each change, so typing only restarts it and the file is written once the user
// pauses. A document with nothing unsaved has no autosave: its file is on the disk. The roll
// file the document has open is told to the store at once, for the other copies to see.
class Autosaver : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 2000;

    explicit Autosaver(SignDocument &document, AutosaveStore &store, QObject *parent = nullptr);

    bool isPending() const { return m_timer.isActive(); }
    // Answers whether the unsaved work is in the autosave file now.
    bool saveNow();

private:
    void changed();
    void tellRollFile();

    SignDocument &m_document;
    AutosaveStore &m_store;
    QTimer m_timer;
};
