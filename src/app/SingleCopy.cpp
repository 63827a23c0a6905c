#include "app/SingleCopy.h"

#include <QDir>
#include <QLockFile>

QString appDirLockPath(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("Kerlanic.lock"));
}

AppDirClaim claimAppDir(QLockFile& lock)
{
    // Kerlanic runs for hours: a lock is never stale by its age, only when its process is gone.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return AppDirClaim::Claimed;
    return lock.error() == QLockFile::LockFailedError ? AppDirClaim::HeldByAnotherCopy
                                                      : AppDirClaim::Unavailable;
}

QString alreadyOpenMessage(const QString& appDir)
{
    return QStringLiteral(
        "Kerlanic est déjà ouvert.\r\n\r\nUn seul Kerlanic à la fois peut tenir les carnets du "
        "dossier %1 : utilisez la fenêtre déjà ouverte.")
        .arg(QDir::toNativeSeparators(appDir));
}
