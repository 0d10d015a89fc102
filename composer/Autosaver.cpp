#include "composer/Autosaver.h"

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
    const auto restart = [this] { m_timer.start(); };
    connect(&m_document, &SignDocument::frameChanged, this, restart);
    connect(&m_document, &SignDocument::framesReplaced, this, restart);
    connect(&m_document, &SignDocument::frameInserted, this, restart);
    connect(&m_document, &SignDocument::frameRemoved, this, restart);
    connect(&m_document, &SignDocument::frameMoved, this, restart);
}

void Autosaver::saveNow()
{
    m_timer.stop();
    // A failed autosave must not interrupt the user; the next change tries again.
    m_store.write(m_document.frames());
}
