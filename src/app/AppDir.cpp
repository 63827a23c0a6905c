#include "app/AppDir.h"

#include "app/Version.h"
#include "log/SafeFileWriter.h"
#include "log/StationLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString chooseAppDir(const QString& executableDir, const QString& userDataDir)
{
    const QFileInfo info(executableDir);
    // An installed copy (bin/ beside a share/ that holds its desktop entry) keeps the user's files
    // in the user's folder even for root, who could write beside the programs: logs must not end
    // up in /usr/bin, where removing the package would leave them and another user would miss them.
    const bool installed = QFileInfo::exists(
        QDir(executableDir)
            .filePath(QStringLiteral("../share/applications/" KERLANIC_DESKTOP_ID ".desktop")));
    if (!installed && info.isDir() && info.isWritable())
        return QDir::cleanPath(info.absoluteFilePath());
    QDir().mkpath(userDataDir);
    return QDir::cleanPath(userDataDir);
}

QString nameProgramAndChooseAppDir()
{
    QCoreApplication::setApplicationName(QStringLiteral("Kerlanic"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kerlanic"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KERLANIC_VERSION));
    return chooseAppDir(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QStringList installShippedFiles(const QString& dir)
{
    QStringList failed;
    const QDir target(dir);
    const QDir shipped(QStringLiteral(":/shipped"));
    const QStringList names = shipped.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        // An empty file where the shipped one has contents is what a first start cut short leaves:
        // it is written again. Anything else there is kept, and the shipped copy is not even read.
        const QFileInfo existing(target.filePath(name));
        const bool leftEmpty = existing.isFile() && existing.size() == 0;
        if ((existing.exists() || existing.isSymLink()) && !leftEmpty)
            continue;
        QFile source(shipped.filePath(name));
        const QByteArray bytes = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        if (leftEmpty && bytes.isEmpty())
            continue;
        if (!writeFileSafely(target.filePath(name), target.filePath(StationLog::scratchFileName()), bytes))
            failed << name;
    }
    return failed;
}
