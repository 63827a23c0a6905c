#include "log/SafeFileWriter.h"

#include "log/FileCalls.h"

#include <QDir>
#include <QFileInfo>

SafeFileWriter::SafeFileWriter(QString targetPath, QString scratchPath)
    : m_target(std::move(targetPath))
    , m_scratch(std::move(scratchPath))
{ }

SafeFileWriter::~SafeFileWriter()
{
    if (m_fd >= 0)
        abandon();
}

bool SafeFileWriter::fail(const QString& what, int code)
{
    m_failed = true;
    m_error = what + QStringLiteral(" (") + FileCalls::errorText(code) + u')';
    abandon();
    return false;
}

bool SafeFileWriter::open()
{
    m_failed = false;
    m_error.clear();
    const QFileInfo target(m_target);
    if (target.isSymLink()) {
        // A log kept elsewhere through a link is rewritten where it lies. Its scratch file goes
        // beside it, for the final rename to stay on one disk, under a name of its own: a file
        // called like ours in someone else's folder is not ours to remove.
        const QString real = target.exists() ? target.canonicalFilePath() : target.symLinkTarget();
        if (QFileInfo(real).absolutePath() != QFileInfo(m_scratch).absolutePath())
            m_scratch = real + QStringLiteral(".Temporaire");
        m_target = real;
    }
    // What an interrupted rewrite left, or a link planted in its place, is removed rather than
    // written through; the scratch file is then made new, so nothing else can be in its place.
    FileCalls::remove(m_scratch);
    const int code = FileCalls::createNew(m_scratch, m_fd);
    if (code != 0)
        return fail(
            QStringLiteral("impossible de créer le fichier ") + QDir::toNativeSeparators(m_scratch), code);
    FileCalls::copyAccess(m_target, m_fd);
    return true;
}

bool SafeFileWriter::write(QByteArrayView bytes)
{
    if (m_failed || m_fd < 0)
        return false;
    if (const int code = FileCalls::writeAll(m_fd, bytes))
        return fail(QStringLiteral("écriture impossible"), code);
    return true;
}

bool SafeFileWriter::commit()
{
    if (m_failed || m_fd < 0)
        return false;
    if (const int code = FileCalls::syncToDisk(m_fd))
        return fail(QStringLiteral("le disque n'a pas confirmé l'écriture"), code);
    const int fd = std::exchange(m_fd, -1);
    if (const int code = FileCalls::close(fd))
        return fail(QStringLiteral("écriture impossible"), code);
    if (const int code = FileCalls::replace(m_scratch, m_target))
        return fail(
            QStringLiteral("impossible de remplacer le fichier ") + QDir::toNativeSeparators(m_target), code);
    return true;
}

void SafeFileWriter::abandon()
{
    if (m_fd >= 0)
        FileCalls::close(std::exchange(m_fd, -1));
    FileCalls::remove(m_scratch);
}

bool writeFileSafely(
    const QString& targetPath, const QString& scratchPath, QByteArrayView bytes, QString* errorString)
{
    SafeFileWriter writer(targetPath, scratchPath);
    const bool ok = writer.open() && writer.write(bytes) && writer.commit();
    if (!ok && errorString)
        *errorString = writer.errorString();
    return ok;
}
