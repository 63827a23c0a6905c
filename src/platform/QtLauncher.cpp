#include "platform/QtLauncher.h"

#include <QFileInfo>
#include <QProcess>

bool QtLauncher::startDetached(const QString& program)
{
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}
