#pragma once

#include "codec/AnimationWriter.h"

#include <memory>

class QTemporaryDir;

// The moving picture as numbered PNG pictures in an existing folder, 00000.png, 00001.png and
// on, through the project's PNG encoder, as video editors import a sequence. The pictures are
// written into a hidden folder made inside the target folder and only moved in, each taking
// the place of a file of the same name, once the last is written; abandon() or a failure
// before then leaves the folder as it was. Numbered pictures of an earlier, longer sequence
// that follow on from the new last one are removed, so the folder holds one sequence.
class PngSequenceWriter final : public AnimationWriter
{
public:
    explicit PngSequenceWriter(QString folder);
    ~PngSequenceWriter() override;

    void abandon() override;

    // The name of picture index: five digits at least, counted from 0.
    static QString pictureName(int index);

protected:
    FileFailure openFile(const QSize &size, int fps) override;
    FileFailure addPicture(const QImage &picture) override;
    FileFailure finishFile() override;

private:
    // Abandons the file and answers failure.
    FileFailure failed(const FileFailure &failure);

    QString m_folder;
    std::unique_ptr<QTemporaryDir> m_staging;
    QSize m_size;
    int m_count = 0;
};
