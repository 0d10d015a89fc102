#include "ui/HelpDocument.h"

#include <QDir>
#include <QFileInfo>

QString locateHelpDocument(const QString &programDir)
{
    const QDir program(programDir);
    const QFileInfo installed(QDir(program.filePath(kInstalledHelpFolder)),
                              QFileInfo(kHelpDocumentPath).fileName());
    for (const QFileInfo &candidate :
         {QFileInfo(kHelpDocumentPath), QFileInfo(program, kHelpDocumentPath), installed}) {
        if (candidate.isFile())
            return QDir::cleanPath(candidate.absoluteFilePath());
    }
    return {};
}
