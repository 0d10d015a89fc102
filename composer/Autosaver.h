#pragma once

#include <QObject>
#include <QTimer>

class AutosaveStore;
class SignDocument;

// Writes the document to its autosave file a short while after the last change. The timer is
// restarted on each change, so typing only restarts it and the file is written once the user
// pauses.
class Autosaver : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 2000;

    explicit Autosaver(SignDocument &document, AutosaveStore &store, QObject *parent = nullptr);

    bool isPending() const { return m_timer.isActive(); }
    void saveNow();

private:
    SignDocument &m_document;
    AutosaveStore &m_store;
    QTimer m_timer;
};
