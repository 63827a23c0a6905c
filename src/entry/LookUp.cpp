#include "entry/LookUp.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/QslStatus.h"

namespace {

QByteArrayView firstTwo(QByteArrayView bytes)
{
    return bytes.first(std::min<qsizetype>(2, bytes.size()));
}

QString text(QByteArrayView line, LogField field)
{
    return Cp1252::decode(fieldBytes(line, field));
}

} // namespace

LookUpOutcome Cherche_CP(const QString& typedCode, const QList<QByteArray>& log)
{
    LookUpOutcome outcome;
    const QString code = typedCode.trimmed();
    // The entry checks let only storable characters reach the look-up.
    const QByteArray codeBytes = Cp1252::encode(code).value_or(QByteArray());
    const QByteArrayView departement = firstTwo(codeBytes);

    outcome.fields[EntryField::Ville_A] = QString();
    bool found = false;
    bool contacted = false;

    for (const QByteArray& line : log) {
        const bool sameDepartement = firstTwo(line) == departement;
        if (sameDepartement) {
            outcome.records << line;
            outcome.caption = QStringLiteral("Communes du Departement ") + Cp1252::decode(firstTwo(line));
        }
        if (fieldBytes(line, LogField::CodePostal) == codeBytes) {
            found = true;
            outcome.fields[EntryField::Ville_A] = text(line, LogField::Commune);
            const QString date = text(line, LogField::DateQso).trimmed();
            outcome.fields[EntryField::Date_A] = date;
            const QString callsign = text(line, LogField::Indicatif).trimmed();
            if (!date.isEmpty()) {
                outcome.fields[EntryField::Ind_A] = callsign;
                outcome.fields[EntryField::Mode_A] = text(line, LogField::Mode).trimmed();
                outcome.fields[EntryField::Bande_A] = text(line, LogField::Bande).trimmed();
                outcome.fields[EntryField::DFCF_A] = text(line, LogField::RefDFCF);
            }
            const QslStatus status = QslStatus::of(line);
            const QString mark = QStringLiteral("X");
            if (status.isKnown() && !status.isHeld()) {
                outcome.fields[EntryField::QSLE_A] = status.isMade() ? mark : QString();
                outcome.fields[EntryField::QSLR_A] = status.isConfirmed() ? mark : QString();
            }
            if (status.isHeld()) {
                outcome.status = kNouveauCanton;
                outcome.saveCaption = QStringLiteral("Enregistrer Canton");
            } else {
                outcome.status
                    = QStringLiteral("C.P. deja contacté avec ") + callsign + QStringLiteral(" le ") + date;
            }
            // A held code (status "0", no date) records a town without a contact.
            if (!status.isHeld() || !date.isEmpty())
                contacted = true;
        }
        // Read to the end: a log of the old program holds its Corsican lines at its head, and
        // Corsican contacts added since stand after 19, so one département may come in two places.
    }

    if (!found) {
        outcome.status = kNouveauCodePostal;
        outcome.saveCaption = QStringLiteral("Enregistrer C.P.");
        outcome.message = QStringLiteral("Le Code Postal ") + code + QStringLiteral(" n'a pas été contacté");
        outcome.result = 1;
    } else if (!contacted) {
        outcome.result = 1;
    }
    return outcome;
}

LookUpOutcome unreadableLogLookUp(const QString& readError)
{
    LookUpOutcome blocked;
    blocked.fields[EntryField::Ville_A] = QString();
    blocked.status = QString();
    blocked.message = readError;
    return blocked;
}
