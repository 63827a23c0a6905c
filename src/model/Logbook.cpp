#include "model/Logbook.h"

#include "log/Points.h"

Logbook::Logbook(QString appDir, QObject* parent)
    : QObject(parent)
    , m_appDir(std::move(appDir))
    , m_total(Total_Points(QList<QByteArray> {}))
{ }

void Logbook::setStation(const QString& callsign, const QString& postalCode)
{
    m_callsign = callsign;
    m_postalCode = postalCode;
    // The old station's lines must not be taken for the new one's, even for a moment.
    m_lines.clear();
    Ligne_Choisie.clear();
    Modif_En_Cours = false;
    updateTotal();
    Q_EMIT stationChanged();
}

void Logbook::updateTotal()
{
    const QString total = Total_Points(m_lines);
    if (total == m_total)
        return;
    m_total = total;
    Q_EMIT totalChanged(m_total);
}

const QList<QByteArray>& Logbook::read(QString* error)
{
    QString readError;
    QList<QByteArray> lines = stationLog().readLines(&readError);
    if (error)
        *error = readError;
    takeLines(std::move(lines));
    return m_lines;
}

void Logbook::takeLines(QList<QByteArray> lines)
{
    const bool changed = lines != m_lines;
    m_lines = std::move(lines);
    if (!changed)
        return;
    Q_EMIT logChanged(m_lines);
    updateTotal();
}

RewriteResult Logbook::took(RewriteResult result)
{
    if (result.done)
        takeLines(result.lines);
    return result;
}

RewriteResult Logbook::Ajoute_Ligne(const QByteArray& record)
{
    return took(::Ajoute_Ligne(stationLog(), record));
}

RewriteResult Logbook::Remplace_Ligne(const QByteArray& record, const LineMatcher& isChosen)
{
    return took(::Remplace_Ligne(stationLog(), record, isChosen));
}

RewriteResult Logbook::Supprime_Ligne(const LineMatcher& isChosen)
{
    return took(::Supprime_Ligne(stationLog(), isChosen));
}

RewriteResult Logbook::rewriteLines(const LinesChange& change)
{
    return took(::rewriteLines(stationLog(), change));
}
