#pragma once

#include "files/FileFailure.h"
#include "files/SaveJournal.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// What a file is to the user, which names it in every message about it.
enum class FileSubject {
    Picture,    // 画像: a frame or its destination, in any picture format or SVG
    PrintSheet, // 印刷用シート (PDF)
    RollFile,   // 幕データ
    Autosave,   // 自動保存: the work the last run left unsaved
    Video,      // 動画: MP4, WebM, animated WebP or GIF, a PNG sequence
    FrameNames, // コマ一覧
    Strip,      // フィルム: the whole roll in one picture
    Spin,       // 回転アニメーション
    Table,      // 表 (CSV)
    Presets,    // 自分用のプリセット
};

// The one table that turns a failure into words, for both programs. Every message is made of
// the same parts: what could not be done with which file, why (with the system's own reason in
// brackets, in the user's language), and what became of the file that was there. A message box
// shows them as paragraphs, a terminal as one line.
class FailureMessage
{
    Q_DECLARE_TR_FUNCTIONS(FailureMessage)

public:
    // Whether failure is one to tell: a cancel is the user's own wish, and nothing was written,
    // so paragraphs() and line() are empty for it as for success.
    static bool worthTelling(const FileFailure &failure);
    // For a message box: the headline naming the file, the reason, what became of the file.
    static QString paragraphs(const FileFailure &failure, FileSubject subject);
    // For a terminal: the same parts on one line.
    static QString line(const FileFailure &failure, FileSubject subject);
    // Why alone: the reason and the system's, for a message that names the file itself.
    static QString reason(const FileFailure &failure, FileSubject subject);
    // A row of a table that made no frame, on one line: the file, the place and why.
    static QString leftOutRow(const FileFailure &failure);
    // What the save journal did at a start (SaveJournal::restoreLeftovers), one line a file;
    // empty when it did nothing.
    static QString journalReport(const QList<SaveJournal::Restored> &restored);

    // "画像", "幕データ", …
    static QString noun(FileSubject subject);

private:
    struct Parts
    {
        QString headline;
        QString reason;
        QString system;
        QString consequence;
    };
    static Parts parts(const FileFailure &failure, FileSubject subject);
};
