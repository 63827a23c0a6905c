#pragma once

#include <QString>

class QLockFile;

// Two copies of Kerlanic working on one folder would rewrite the same log through the same
// scratch file, each undoing the other's contacts. The first copy holds a lock file in the folder
// for as long as it runs; a lock left behind by a copy that crashed is taken over, since the
// process that held it is gone.

QString appDirLockPath(const QString& appDir);

// Claims the folder for this copy through lock (made on appDirLockPath). Empty when this copy may
// go on: the folder is its own, or no lock can be made there and the program's own writes will
// say what fails. Otherwise the French message that tells why Kerlanic must not start.
QString claimAppDir(QLockFile& lock, const QString& appDir);
