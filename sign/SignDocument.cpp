#include "sign/SignDocument.h"

#include "sign/FrameCommand.h"
#include "sign/FrameRules.h"
#include "sign/InsertFrameCommand.h"
#include "sign/MoveFrameCommand.h"
#include "sign/SetLookCommand.h"
#include "sign/SetTextCommand.h"
#include "sign/ToggleLayoutCommand.h"

#include <QCoreApplication>

#include <algorithm>

SignDocument::SignDocument(QObject *parent)
    : QObject(parent)
    , m_frames{Frame()}
{
    connect(&m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

void SignDocument::editText(SignLine line, const QString &text)
{
    if (currentFrame().text(line) != text)
        m_undoStack.push(new SetTextCommand(*this, line, text)); // merges with the typing
}

void SignDocument::endTyping()
{
    ++m_typingSession;
}

void SignDocument::editMainColour(const QColor &colour)
{
    editCurrent(QCoreApplication::translate("SignDocument", "文字色の変更"),
                [&colour](Frame &frame) { setColour(frame, ColourTarget::MainText, colour); });
}

void SignDocument::editEnglishColour(const QColor &colour)
{
    editCurrent(QCoreApplication::translate("SignDocument", "英字文字色の変更"),
                [&colour](Frame &frame) { setColour(frame, ColourTarget::EnglishText, colour); });
}

void SignDocument::editEnglishBand(const QColor &colour)
{
    editCurrent(QCoreApplication::translate("SignDocument", "英表示背景色の変更"),
                [&colour](Frame &frame) { setColour(frame, ColourTarget::EnglishBand, colour); });
}

void SignDocument::editMainFont(const QFont &font, const QColor &colour)
{
    editCurrent(QCoreApplication::translate("SignDocument", "フォントの変更"),
                [&](Frame &frame) { setMainFont(frame, font, colour); });
}

void SignDocument::toggleLayout()
{
    push(new ToggleLayoutCommand(*this));
}

void SignDocument::editJustify(bool on)
{
    editCurrent(QCoreApplication::translate("SignDocument", "均等割り付け"),
                [on](Frame &frame) { setJustify(frame, on); });
}

void SignDocument::editTypePlate(const QColor &background, const QColor &text)
{
    editCurrent(QCoreApplication::translate("SignDocument", "種別プリセット"),
                [&](Frame &frame) { applyServiceType(frame, background, text); });
}

void SignDocument::editTranslations(const std::array<Translation, 2> &translations)
{
    editCurrent(QCoreApplication::translate("SignDocument", "多言語表示"),
                [&translations](Frame &frame) { setTranslations(frame, translations); });
}

void SignDocument::editLook(const SignLook &look)
{
    push(new SetLookCommand(*this, look));
}

void SignDocument::setCurrentIndex(int index)
{
    if (index < 0 || index >= frameCount() || index == m_current)
        return;
    endTyping();
    select(index);
}

void SignDocument::addFrame()
{
    push(new InsertFrameCommand(*this, m_current + 1, Frame(),
                                QCoreApplication::translate("SignDocument", "コマの追加")));
}

void SignDocument::duplicateFrame()
{
    push(new InsertFrameCommand(*this, m_current + 1, currentFrame(),
                                QCoreApplication::translate("SignDocument", "コマの複製")));
}

bool SignDocument::deleteFrame()
{
    if (frameCount() == 1)
        return false;
    push(InsertFrameCommand::removal(*this, m_current));
    return true;
}

void SignDocument::moveFrame(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= frameCount() || to >= frameCount())
        return;
    push(new MoveFrameCommand(*this, from, to));
}

void SignDocument::renameFrame(int index, const QString &name)
{
    push(new FrameCommand(*this, index, QCoreApplication::translate("SignDocument", "コマ名の変更"),
                          [&name](Frame &frame) { setName(frame, name); }));
}

void SignDocument::editCurrent(const QString &text, const std::function<void(Frame &)> &edit)
{
    push(new FrameCommand(*this, m_current, text, edit));
}

// Every edit ends the typing before it, so that typing after it is a step of its own.
void SignDocument::push(QUndoCommand *command)
{
    endTyping();
    m_undoStack.push(command);
}

void SignDocument::undo()
{
    endTyping();
    m_undoStack.undo();
}

void SignDocument::redo()
{
    endTyping();
    m_undoStack.redo();
}

void SignDocument::select(int index)
{
    m_current = index;
    emit currentChanged(index);
}

void SignDocument::setFrame(CommandKey /*key*/, int index, const Frame &frame)
{
    m_frames[index] = frame;
    if (index != m_current)
        select(index);
    emit frameChanged(index);
}

void SignDocument::insertFrameAt(CommandKey /*key*/, int index, const Frame &frame)
{
    m_frames.insert(index, frame);
    emit frameInserted(index);
    select(index);
}

void SignDocument::removeFrameAt(CommandKey /*key*/, int index)
{
    m_frames.removeAt(index);
    emit frameRemoved(index);
    select(std::min(index, frameCount() - 1));
}

void SignDocument::moveFrameAt(CommandKey /*key*/, int from, int to)
{
    m_frames.move(from, to);
    emit frameMoved(from, to);
    select(to);
}

void SignDocument::setSignNameRestored(CommandKey /*key*/, bool restored)
{
    m_signNameRestored = restored;
}

void SignDocument::setLook(CommandKey /*key*/, const SignLook &look)
{
    m_look = look;
    emit lookChanged();
}

void SignDocument::replaceFrames(const QList<Frame> &frames, const QString &fileName,
                                 const SignLook &look)
{
    Q_ASSERT(!frames.isEmpty());
    endTyping();
    m_undoStack.clear();
    m_frames = frames;
    m_current = 0;
    m_signNameRestored = false;
    const bool lookChanges = look != m_look;
    m_look = look;
    emit framesReplaced();
    if (lookChanges)
        emit lookChanged();
    markSaved(fileName);
}

void SignDocument::markSaved(const QString &fileName)
{
    endTyping();
    m_undoStack.setClean();
    if (fileName != m_fileName) {
        m_fileName = fileName;
        emit fileNameChanged(fileName);
    }
    setReadOnly(false);
}

void SignDocument::markUnsaved()
{
    endTyping();
    m_undoStack.resetClean();
}

void SignDocument::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    emit readOnlyChanged(readOnly);
}
