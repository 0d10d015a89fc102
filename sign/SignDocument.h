#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

#include <functional>

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

    // The history, to read: only the edits below push steps onto it.
    const QUndoStack &undoStack() const { return m_undoStack; }

    // How the whole roll is drawn: the plate (幕) or the LED display.
    const SignLook &look() const { return m_look; }

    // The document as a whole and its file. None of these edits the sign, so none is a step.
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
    // Saved under fileName: no longer read-only.
    void markSaved(const QString &fileName);
    // Work brought back after a crash: saved nowhere yet, whatever file it came from, until
    // it is saved; undoing cannot reach a saved state.
    void markUnsaved();
    // Opened while another copy of the program has the file open: saving asks for a new name.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // Each edit is one undoable step on the current frame; typing into one line merges into one
    // step until endTyping().
    void editText(SignLine line, const QString &text);
    void endTyping();
    void editMainColour(const QColor &colour);
    void editEnglishColour(const QColor &colour);
    void editEnglishBand(const QColor &colour);
    void editMainFont(const QFont &font, const QColor &colour);
    void toggleLayout();
    // No step where it would change nothing (see setJustify).
    void editJustify(bool on);
    // A service-type preset: the type plate's colour and its two lines' text colour.
    void editTypePlate(const QColor &background, const QColor &text);
    // The current frame's Chinese and Korean lines (コマ → 多言語表示…), all four as one step.
    void editTranslations(const std::array<Translation, 2> &translations);
    // The roll's look, undoable like any edit.
    void editLook(const SignLook &look);

    // The frame the window edits. Choosing another is no step of its own, but it ends the
    // typing that was merging into one.
    void setCurrentIndex(int index);

    // Each change to the roll is one undoable step; the frame it adds or moves becomes the
    // current one. A roll keeps at least one frame, so the last is never deleted.
    void addFrame();
    void duplicateFrame();
    bool deleteFrame();
    void moveFrame(int from, int to);
    // An empty name lets the frame go by its main line again.
    void renameFrame(int index, const QString &name);

    void undo();
    void redo();

    // What only an undo command holds: the setters that take it change the roll without a step
    // of their own, so nothing else may call them. A key opens these and nothing more of the
    // document, and its friends are the whole list of what changes a sign.
    class CommandKey
    {
        friend class FrameCommand;
        friend class ToggleLayoutCommand;
        friend class InsertFrameCommand;
        friend class MoveFrameCommand;
        friend class SetLookCommand;
        CommandKey() = default;
    };
    // Each makes the frame it changes the current one, so that undoing shows what it takes back.
    void setFrame(CommandKey, int index, const Frame &frame);
    void insertFrameAt(CommandKey, int index, const Frame &frame);
    void removeFrameAt(CommandKey, int index);
    void moveFrameAt(CommandKey, int from, int to);
    void setSignNameRestored(CommandKey, bool restored);
    void setLook(CommandKey, const SignLook &look);
    // Which typing the keystrokes belong to: those of one merge into one step.
    int typingSession() const { return m_typingSession; }

signals:
    void frameChanged(int index);
    void frameInserted(int index);
    void frameRemoved(int index);
    void frameMoved(int from, int to);
    // After every change of roll order too, where the index may stay but the frame changes.
    void currentChanged(int index);
    void framesReplaced();
    void fileNameChanged(const QString &fileName);
    void modifiedChanged(bool modified);
    void readOnlyChanged(bool readOnly);
    void lookChanged();

private:
    void push(QUndoCommand *command);
    // One of the frame's rules applied to the current frame, as one step named text.
    void editCurrent(const QString &text, const std::function<void(Frame &)> &edit);
    void select(int index);

    QList<Frame> m_frames;
    int m_current = 0;
    bool m_signNameRestored = false;
    int m_typingSession = 0;
    QString m_fileName;
    bool m_readOnly = false;
    SignLook m_look;
    QUndoStack m_undoStack;
};
