#include "log/FileCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <string>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace FileCalls {

namespace {

#ifdef Q_OS_WIN
std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}
int openForReading(const QString& path)
{
    return _wopen(native(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
qint64 readSome(int fd, char* into, qint64 size)
{
    return _read(fd, into, unsigned(std::min<qint64>(size, 1 << 30)));
}
qint64 writeSome(int fd, const char* from, qint64 size)
{
    return _write(fd, from, unsigned(std::min<qint64>(size, 1 << 30)));
}
qint64 sizeOf(int fd)
{
    struct _stat64 st;
    return _fstat64(fd, &st) == 0 ? st.st_size : -1;
}
int lastErrorCode()
{
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    default:
        return EIO;
    }
}
#else
QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}
int openForReading(const QString& path)
{
    return ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
}
qint64 readSome(int fd, char* into, qint64 size)
{
    qint64 n;
    do
        n = ::read(fd, into, size_t(size));
    while (n < 0 && errno == EINTR);
    return n;
}
qint64 writeSome(int fd, const char* from, qint64 size)
{
    qint64 n;
    do
        n = ::write(fd, from, size_t(size));
    while (n < 0 && errno == EINTR);
    return n;
}
qint64 sizeOf(int fd)
{
    struct stat st;
    return ::fstat(fd, &st) == 0 ? st.st_size : -1;
}
#endif

} // namespace

QString errorText(int code)
{
    if (code == kCutShort)
        return QStringLiteral("lecture interrompue avant la fin du fichier");
#ifdef EDQUOT
    if (code == EDQUOT)
        code = ENOSPC;
#endif
    // The system's own text is in the language of the user's locale, often English on a machine
    // set up in English: the causes a ham meets are said in French whatever the locale.
    switch (code) {
    case ENOSPC:
        return QStringLiteral("disque plein");
    case EACCES:
        return QStringLiteral("accès refusé");
    case EPERM:
        return QStringLiteral("opération non permise");
    case EROFS:
        return QStringLiteral("disque en lecture seule");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    case ENOENT:
        return QStringLiteral("fichier ou dossier introuvable");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EEXIST:
        return QStringLiteral("le fichier existe déjà");
    case EXDEV:
        return QStringLiteral("les deux fichiers sont sur des disques différents");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers ouverts");
    case EBUSY:
        return QStringLiteral("fichier occupé");
    default:
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

int lookUp(const QString& path)
{
#ifdef Q_OS_WIN
    return GetFileAttributesW(native(path).c_str()) != INVALID_FILE_ATTRIBUTES ? 0 : lastErrorCode();
#else
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0 ? 0 : errno;
#endif
}

int readWhole(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    const int fd = openForReading(path);
    if (fd < 0)
        return errno;
    const qint64 size = sizeOf(fd);
    int error = size < 0 ? errno : 0;
    // Exactly the file's size: resize() would leave room to grow, and the lines read share
    // this buffer for as long as they live.
    if (error == 0)
        bytes = QByteArray(size, Qt::Uninitialized);
    qint64 got = 0;
    while (error == 0 && got < size) {
        const qint64 n = readSome(fd, bytes.data() + got, size - got);
        if (n <= 0)
            error = n < 0 ? errno : kCutShort;
        else
            got += n;
    }
    // A file that grew since it was opened is read to its new end.
    char more[4096];
    while (error == 0) {
        const qint64 n = readSome(fd, more, sizeof more);
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        bytes.append(more, n);
    }
    FileCalls::close(fd);
    if (error != 0)
        bytes.clear();
    return error;
}

int createNew(const QString& path, int& fd)
{
#ifdef Q_OS_WIN
    fd = _wopen(native(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
        _S_IREAD | _S_IWRITE);
#else
    fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
#endif
    return fd < 0 ? errno : 0;
}

int writeAll(int fd, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = writeSome(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += n;
    }
    return 0;
}

int syncToDisk(int fd)
{
#ifdef Q_OS_WIN
    return _commit(fd) == 0 ? 0 : errno;
#else
    return ::fsync(fd) == 0 ? 0 : errno;
#endif
}

int close(int fd)
{
#ifdef Q_OS_WIN
    return _close(fd) == 0 ? 0 : errno;
#else
    return ::close(fd) == 0 ? 0 : errno;
#endif
}

int remove(const QString& path)
{
#ifdef Q_OS_WIN
    return _wunlink(native(path).c_str()) == 0 ? 0 : errno;
#else
    return ::unlink(native(path).constData()) == 0 ? 0 : errno;
#endif
}

void copyAccess(const QString& from, int fd)
{
#ifdef Q_OS_WIN
    // A new file takes the folder's access rights, as the old one did.
    Q_UNUSED(from);
    Q_UNUSED(fd);
#else
    struct stat st;
    if (::stat(native(from).constData(), &st) != 0)
        return;
    // Only the superuser may give a file away; anyone else keeps the file as their own. The owner
    // goes first, since changing it may clear the mode's special bits.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) { }
    if (::fchmod(fd, st.st_mode & 07777) != 0) { }
#endif
}

int replace(const QString& from, const QString& to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(
               native(from).c_str(), native(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        ? 0
        : lastErrorCode();
#else
    if (std::rename(native(from).constData(), native(to).constData()) != 0)
        return errno;
    // Make the new directory entry itself durable.
    const int dir = ::open(QFile::encodeName(QFileInfo(to).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
#endif
}

} // namespace FileCalls
