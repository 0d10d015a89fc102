#include "io/Autosaver.h"

#include "io/AutosaveStore.h"
#include "sign/SignDocument.h"

Autosaver::Autosaver(SignDocument &document, AutosaveStore &store, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_store(store)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &Autosaver::saveNow);
    connect(&m_document, &SignDocument::frameChanged, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::framesReplaced, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::lookChanged, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::frameInserted, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::frameRemoved, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::frameMoved, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::modifiedChanged, this, &Autosaver::changed);
    connect(&m_document, &SignDocument::fileNameChanged, this, &Autosaver::tellRollFile);
    connect(&m_document, &SignDocument::readOnlyChanged, this, &Autosaver::tellRollFile);
    tellRollFile();
}

void Autosaver::changed()
{
    if (m_document.isModified()) {
        m_timer.start();
    } else {
        // Saved, or undone back to the saved state: the file on the disk holds it all.
        m_timer.stop();
        m_store.clear();
    }
}

void Autosaver::tellRollFile()
{
    m_store.setRollFile(m_document.fileName(), m_document.isReadOnly());
}

bool Autosaver::saveNow()
{
    m_timer.stop();
    if (!m_document.isModified()) {
        m_store.clear();
        return true;
    }
    // A failed autosave must not interrupt the user; the next change tries again.
    return m_store.write(m_document.frames(), m_document.look()).ok();
}
