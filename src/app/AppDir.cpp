#include "app/AppDir.h"

#include "app/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QStringList installShippedFiles(const QString& dir)
{
    QStringList failed;
    const QDir target(dir);
    const QDir shipped(QStringLiteral(":/shipped"));
    const QStringList names = shipped.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString path = target.filePath(name);
        if (QFileInfo::exists(path))
            continue;
        QFile source(shipped.filePath(name));
        QFile out(path);
        if (!source.open(QIODevice::ReadOnly) || !out.open(QIODevice::NewOnly)) {
            failed << name;
            continue;
        }
        const QByteArray bytes = source.readAll();
        if (out.write(bytes) != bytes.size() || !out.flush()) {
            out.close();
            out.remove();
            failed << name;
        }
    }
    return failed;
}
