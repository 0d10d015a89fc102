#include "launch/HelpDocument.h"

#include <QDir>
#include <QFileInfo>

QString locateHelpDocument(const QString &programDir)
{
    for (const QFileInfo &candidate :
         {QFileInfo(kHelpDocumentPath), QFileInfo(QDir(programDir), kHelpDocumentPath)}) {
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}
