#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The few system calls that reading and rewriting a log rest on, made directly so that every
// failure keeps the system's reason: a full disk, an I/O error, a missing file told apart from one
// that cannot be read. Each returns 0 or the system's error code (errno).
namespace FileCalls {

// A read that ended before the size the file had when it was opened.
inline constexpr int kCutShort = -1;

// What the user reads for an error code: "disque plein" for a full disk, the system's own text
// otherwise (French on a French system).
QString errorText(int code);

// 0 when something (even a dangling link) stands at path, ENOENT when nothing does.
int lookUp(const QString& path);

// The whole file, read to its end. A read cut short never passes for the whole file.
int readWhole(const QString& path, QByteArray& bytes);

// Creates a file that must not exist yet, for writing; a link in its place is not followed.
int createNew(const QString& path, int& fd);
int writeAll(int fd, QByteArrayView bytes);
int syncToDisk(int fd);
int close(int fd);
int remove(const QString& path);
// Gives the file open as fd the permissions and, where the system allows, the owner of from.
void copyAccess(const QString& from, int fd);
// Puts from in place of to in one step, and makes the change itself durable.
int replace(const QString& from, const QString& to);

} // namespace FileCalls
