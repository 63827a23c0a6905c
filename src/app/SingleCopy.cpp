#include "app/SingleCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cstdlib>

namespace {

// A lock whose owner cannot be read is either being written by a copy starting at this very
// moment, or was left empty by a copy killed right after making it. Past a few seconds it can
// only be the second.
constexpr qint64 kUnreadableLockMs = 5000;

QString alreadyOpenMessage(const QString& appDir)
{
    return QStringLiteral(
        "Kerlanic est déjà ouvert.\r\n\r\nUn seul Kerlanic à la fois peut tenir les carnets du "
        "dossier %1 : utilisez la fenêtre déjà ouverte.")
        .arg(QDir::toNativeSeparators(appDir));
}

QString notAFileMessage(const QString& lockPath)
{
    return QStringLiteral(
        "%1 n'est pas un fichier ordinaire (c'est un dossier ou un lien) : Kerlanic ne peut pas "
        "vérifier qu'il n'est pas déjà ouvert.\r\n\r\nSupprimez-le, puis relancez Kerlanic.")
        .arg(QDir::toNativeSeparators(lockPath));
}

} // namespace

QString appDirLockPath(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("Kerlanic.lock"));
}

QString claimAppDir(QLockFile& lock, const QString& appDir)
{
    const QString path = appDirLockPath(appDir);
    const QFileInfo info(path);
    // Kerlanic never makes such a thing: taking it over could remove what someone else put there,
    // and it can never tell who holds the folder.
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return notAFileMessage(path);

    // Kerlanic runs for hours: a readable lock is never stale by its age, only when its process is
    // gone.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
        return {};
    qint64 pid = 0;
    QString host;
    QString application;
    const qint64 age = QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime());
    if (!lock.getLockInfo(&pid, &host, &application) && std::abs(age) > kUnreadableLockMs
        && lock.removeStaleLockFile() && lock.tryLock(0))
        return {};
    return alreadyOpenMessage(appDir);
}
