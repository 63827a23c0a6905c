#include "app/AppDir.h"

#include "app/Version.h"
#include "log/SafeFileWriter.h"
#include "log/StationLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

QString logsLeftAsideMessage(const QString& executableDir, const QString& appDir)
{
    const QDir programFolder(executableDir);
    if (programFolder.canonicalPath() == QDir(appDir).canonicalPath())
        return {};
    QStringList logs = programFolder.entryList({QStringLiteral("*_CP.txt")}, QDir::Files, QDir::Name);
    logs.removeAll(StationLog::templateFileName());
    if (logs.isEmpty())
        return {};
    const QString program = QDir::toNativeSeparators(programFolder.absolutePath());
    const QString used = QDir::toNativeSeparators(appDir);
    return QStringLiteral(
        "Le dossier %1 ne peut pas être modifié : Kerlanic travaille dans le dossier %2.\r\n\r\n"
        "Les carnets du dossier %1 (%3) ne sont ni lus ni complétés. Pour continuer avec "
        "eux, rendez ce dossier modifiable, ou copiez-les dans le dossier %2.")
        .arg(program, used, logs.join(QStringLiteral(", ")));
}

bool isKeptByKerlanic(const QString& path, const QString& appDir)
{
    // Through a link, the file it names.
    const QFileInfo target(QFileInfo(path).canonicalFilePath());
    if (!target.exists())
        return false;
    static const QRegularExpression logOrBackup(
        QStringLiteral("_CP(?:_\\d{4}-\\d{2}-\\d{2}(?:_\\d+)?)?\\.txt$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString name = target.fileName();
    if (logOrBackup.match(name).hasMatch())
        return true;
    const QString folder = target.absolutePath();
    const QString programFolder = QDir(appDir).canonicalPath();
    if (folder == QDir(programFolder).filePath(QStringLiteral("Sauvegardes")))
        return true;
    if (folder != programFolder)
        return false;
    // By name, not by the executable mark, which every file of a FAT key carries.
    static const QStringList programs {QStringLiteral("kerlanic"), QStringLiteral("kerlanic.exe"),
        QStringLiteral("CodePostal"), QStringLiteral("CodePostal.exe"), QStringLiteral("Kerlanic.lock"),
        QStringLiteral("Temporaire.txt")};
    return programs.contains(name, Qt::CaseInsensitive) || name.endsWith(QLatin1String(".Temporaire"))
        || QFileInfo::exists(QStringLiteral(":/shipped/") + name);
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
