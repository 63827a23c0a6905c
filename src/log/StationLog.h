#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The log of one station: the file <callsign>_CP.txt in the program's folder, one record per
// line, Windows-1252, lines ended by CR LF (LF alone and CR alone are read too).
class StationLog
{
public:
    StationLog(const QString& appDir, const QString& callsign);

    static QString fileName(const QString& callsign) { return callsign + QStringLiteral("_CP.txt"); }
    static QString templateFileName() { return QStringLiteral("FXXXX_CP.txt"); }
    // The scratch file every rewrite of a log goes through.
    static QString scratchFileName() { return QStringLiteral("Temporaire.txt"); }

    QString path() const { return m_path; }
    QString appDir() const { return m_appDir; }
    // True unless the log is surely absent.
    bool exists() const;

    // Every line, without its line end; a last line without line end counts. A log that does not
    // exist reads as empty. When the file exists but cannot be read to its end, the list is empty
    // and error (when given) receives the reason in French.
    QList<QByteArray> readLines(QString* error = nullptr) const;
    // The file's bytes as they stand, on the same terms.
    QByteArray readBytes(QString* error = nullptr) const;

private:
    QString m_appDir;
    QString m_path;
};

// Splits file contents into lines, dropping each line's CR LF, LF or CR.
QList<QByteArray> splitLogLines(const QByteArray& contents);

// Creates the log of a callsign (stored form) as a byte-for-byte copy of the template
// "FXXXX_CP.txt", replacing any file of that name. When the template is missing the new log
// starts empty. False, with the reason in error, when the template cannot be read or the log
// could not be written.
bool Nom_Fichier_Log(const QString& appDir, const QString& callsign, QString* error = nullptr);
