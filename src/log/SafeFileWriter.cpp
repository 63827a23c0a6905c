#include "log/SafeFileWriter.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool syncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Replaces target by scratch in one step: readers see either the old file or the new one.
bool replaceInOneStep(const QString& scratch, const QString& target)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(scratch).utf16()),
               reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        != 0;
#else
    if (std::rename(QFile::encodeName(scratch).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    // Make the new directory entry itself durable.
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
#endif
}

} // namespace

SafeFileWriter::SafeFileWriter(QString targetPath, QString scratchPath)
    : m_target(std::move(targetPath))
    , m_scratch(std::move(scratchPath))
{ }

SafeFileWriter::~SafeFileWriter()
{
    if (m_scratch.isOpen())
        abandon();
}

bool SafeFileWriter::fail(const QString& what)
{
    m_failed = true;
    m_error = what;
    abandon();
    return false;
}

bool SafeFileWriter::open()
{
    m_failed = false;
    m_error.clear();
    if (!m_scratch.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_failed = true;
        m_error = QStringLiteral("impossible de créer le fichier %1 (%2)")
                      .arg(QDir::toNativeSeparators(m_scratch.fileName()), m_scratch.errorString());
        if (QFileInfo(m_scratch.fileName()).isFile())
            QFile::remove(m_scratch.fileName());
        return false;
    }
    return true;
}

bool SafeFileWriter::write(QByteArrayView bytes)
{
    if (m_failed || !m_scratch.isOpen())
        return false;
    if (m_scratch.write(bytes.data(), bytes.size()) != bytes.size())
        return fail(QStringLiteral("écriture impossible (%1)").arg(m_scratch.errorString()));
    return true;
}

bool SafeFileWriter::commit()
{
    if (m_failed || !m_scratch.isOpen())
        return false;
    if (!m_scratch.flush())
        return fail(QStringLiteral("écriture impossible (%1)").arg(m_scratch.errorString()));
    if (!syncToDisk(m_scratch))
        return fail(QStringLiteral("le disque n'a pas confirmé l'écriture"));
    m_scratch.close();
    if (m_scratch.error() != QFileDevice::NoError)
        return fail(QStringLiteral("écriture impossible (%1)").arg(m_scratch.errorString()));
    if (!replaceInOneStep(m_scratch.fileName(), m_target))
        return fail(
            QStringLiteral("impossible de remplacer le fichier %1").arg(QDir::toNativeSeparators(m_target)));
    return true;
}

void SafeFileWriter::abandon()
{
    if (m_scratch.isOpen())
        m_scratch.close();
    if (QFileInfo(m_scratch.fileName()).isFile())
        QFile::remove(m_scratch.fileName());
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
