#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

// The composed sign: its frames in roll order, the one being edited, and the history of every
// edit. Nothing here knows of widgets; a window edits the document and redraws from it.
class SignDocument : public QObject
{
    Q_OBJECT

public:
    explicit SignDocument(QObject *parent = nullptr);

    int frameCount() const { return int(m_frames.size()); }
    const QList<Frame> &frames() const { return m_frames; }
    const Frame &frame(int index) const { return m_frames.at(index); }
    int currentIndex() const { return m_current; }
    const Frame &currentFrame() const { return m_frames.at(m_current); }

    // Whether the sign-name layout has been returned to once: from then on the English colour
    // button shares its access key with the band button.
    bool signNameRestored() const { return m_signNameRestored; }

    QUndoStack &undoStack() { return m_undoStack; }

    // How the whole roll is drawn: the plate (幕) or the LED display.
    const SignLook &look() const { return m_look; }

    // A new or opened roll: the frames and the look replace what was there at once, with no
    // history to undo into the roll that was there, and the document counts as saved. frames
    // must not be empty.
    void replaceFrames(const QList<Frame> &frames, const QString &fileName,
                       const SignLook &look = SignLook());
    // The roll file the document was opened from or last saved to; empty for a new roll.
    const QString &fileName() const { return m_fileName; }
    // Changed since it was opened or saved: the undo history knows, so undoing back to the
    // saved state makes it unmodified again.
    bool isModified() const { return !m_undoStack.isClean(); }
    void markSaved(const QString &fileName);

    // Each edit is one undoable step on the current frame; typing into one line merges into one
    // step until endTyping().
    void editText(SignLine line, const QString &text);
    void endTyping();
    void editMainColour(const QColor &colour);
    void editEnglishColour(const QColor &colour);
    void editEnglishBand(const QColor &colour);
    void editMainFont(const QFont &font, const QColor &colour);
    void toggleLayout();
    void editJustify(bool on);
    // A service-type preset: the type plate's colour and its two lines' text colour.
    void editTypePlate(const QColor &background, const QColor &text);
    // The roll's look, undoable like any edit.
    void editLook(const SignLook &look);

    void undo();
    void redo();

    // For the edit commands.
    void setFrame(int index, const Frame &frame);
    void setSignNameRestored(bool restored);
    void setLook(const SignLook &look);
    int typingSession() const { return m_typingSession; }

signals:
    void frameChanged(int index);
    void framesReplaced();
    void fileNameChanged(const QString &fileName);
    void modifiedChanged(bool modified);
    void lookChanged();

private:
    QList<Frame> m_frames;
    int m_current = 0;
    bool m_signNameRestored = false;
    int m_typingSession = 0;
    QString m_fileName;
    SignLook m_look;
    QUndoStack m_undoStack;
};
