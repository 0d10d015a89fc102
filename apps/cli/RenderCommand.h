#pragma once

#include "apps/cli/TerminalProgress.h"
#include "export/ExportSettings.h"
#include "export/JobRunner.h"
#include "io/CsvFrames.h"
#include "messages/FailureMessage.h"
#include "sign/SignLook.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

class QTextStream;
class SaveJournal;

// quintelo-render: frames from a roll file or a table to pictures, SVG files, print sheets,
// the strip or the spin, with no window. Everything it says goes to the streams it is given.
class RenderCommand
{
public:
    enum Exit { Written = 0, SomeFailed = 1, BadUsage = 2, Interrupted = 130 };

    struct Options
    {
        enum class Output { Frame, Each, Sheet, Strip, Spin };

        QString input;
        QString output;
        Output kind = Output::Frame;
        int frame = 0; // from 1; 0: the first, or every frame on a print sheet
        QString namePattern = QStringLiteral("{n:03}.png");
        QByteArray format; // what the output's extension asks for, or --format
        ExportSettings size;
        int fit = 0; // the picture's longer side in pixels, for thumbnails; 0: size decides
        int threads = 0;
        bool quiet = false;
        // --look: the look to draw in instead of the roll file's own.
        std::optional<LookKind> look;
    };

    // journal: where a file overwritten in place keeps its old bytes meanwhile; any left by a
    // run that was cut off is put back first thing. presetsFile: the user's own presets.
    RenderCommand(QTextStream &out, QTextStream &err, bool errIsTerminal,
                  const SaveJournal &journal, QString presetsFile);

    // Set to a signal's number when the user asks the run to stop (Ctrl+C, SIGTERM): the output
    // being made is cancelled and nothing of it is written, a file already being put in place
    // is finished whole, no other is begun, and run() answers Interrupted.
    void setInterruption(const std::atomic<int> *signal) { m_interruption = signal; }

    // arguments without the program's name; answers the exit status.
    int run(const QStringList &arguments);

    static QString helpText();

private:
    // Reads the command line into m_options; answers the problem, or an empty string.
    QString parse(const QStringList &arguments, bool &stop);
    // The input's frames; a whole-file problem comes back in error and row problems are told.
    QList<NumberedFrame> load(QString &error);
    int renderEach(const QList<NumberedFrame> &frames);
    int renderOne(const QList<NumberedFrame> &frames);
    qreal scaleFor(const Frame &frame) const;
    // What stands in the way of the output the command line names, found before anything is
    // drawn; empty when nothing does.
    QString outputProblem() const;
    // What the output is to the user, which names it in every message.
    FileSubject subject() const;
    bool interrupted() const { return m_interruption && *m_interruption != 0; }
    void fail(const QString &message);
    // Waits for the job, cancelling it when a signal asks the run to stop and showing its
    // progress on a terminal.
    template <typename Result> Result follow(const Job<Result> &job, TerminalProgress::Count count);

    QTextStream &m_out;
    QTextStream &m_err;
    bool m_errIsTerminal = false;
    const SaveJournal &m_journal;
    QString m_presetsFile;
    const std::atomic<int> *m_interruption = nullptr;
    Options m_options;
    // The roll file's look (a table's is the plate), with --look over it.
    SignLook m_look;
    int m_rowErrors = 0;
    int m_inputFrames = 0; // the frames the input holds, whether each could be made or not
};
