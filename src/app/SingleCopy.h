#pragma once

#include <QString>

class QLockFile;

// Two copies of Kerlanic working on one folder would rewrite the same log through the same
// scratch file, each undoing the other's contacts. The first copy holds a lock file in the folder
// for as long as it runs; a lock left behind by a copy that crashed is taken over, since the
// process that held it is gone.

QString appDirLockPath(const QString& appDir);

enum class AppDirClaim {
    Claimed,
    HeldByAnotherCopy,
    // No lock can be made there (a folder that cannot be written): the program's own writes will
    // say what fails.
    Unavailable,
};
AppDirClaim claimAppDir(QLockFile& lock);

QString alreadyOpenMessage(const QString& appDir);
