#pragma once

#include <QByteArrayView>
#include <QString>

// Writes a file whole without ever leaving a damaged one behind: everything goes into a scratch
// file in the same folder, which is flushed to disk and then renamed over the target in one step.
// Until commit() succeeds the target keeps its old bytes; on any failure the scratch file is
// removed. The new file keeps the old one's permissions, and a target that is a link is written
// where the link points, so the link keeps working.
class SafeFileWriter
{
public:
    SafeFileWriter(QString targetPath, QString scratchPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool open();
    // Writes bytes; after a failure further writes are ignored and commit() fails.
    bool write(QByteArrayView bytes);
    bool commit();
    // Gives up: the target is left as it was and the scratch file removed.
    void abandon();

    // Why the last step failed, in French, for a message to the user.
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& what, int code);

    QString m_target;
    QString m_scratch;
    int m_fd = -1;
    QString m_error;
    bool m_failed = false;
};

// Writes bytes to a file through SafeFileWriter; errorString receives the reason on failure.
bool writeFileSafely(const QString& targetPath, const QString& scratchPath, QByteArrayView bytes,
    QString* errorString = nullptr);
