#include "widgets/DialogFolder.h"

#include <QDir>
#include <QFileInfo>

QString dialogFolder(const QString& folder)
{
    QString start = QDir::fromNativeSeparators(folder.trimmed());
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString parent = QFileInfo(start).path();
        start = parent == start || parent == QLatin1String(".") ? QString() : parent;
    }
    return start.isEmpty() ? QDir::homePath() : start;
}
