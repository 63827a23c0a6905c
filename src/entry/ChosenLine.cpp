#include "entry/ChosenLine.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "reports/Listing.h"

namespace {

// Listing columns, 0-based.
constexpr qsizetype kCode = 6;
constexpr qsizetype kDate = 12;
constexpr qsizetype kProbe = 16; // end of the date, its two blanks, start of the callsign
constexpr qsizetype kCallsign = 22;
constexpr qsizetype kReference = 36;
constexpr qsizetype kMode = 43;
constexpr qsizetype kBand = 51;
constexpr qsizetype kMadeFlag = 61;
constexpr qsizetype kConfirmedFlag = 68;
constexpr qsizetype kTown = 72;

// A line without date and callsign holds a postal code without a contact.
bool hasContact(const QString& line)
{
    return line.mid(kProbe, 8) != QLatin1String("        ");
}

} // namespace

ModificationStart startModification(const QString& line)
{
    ModificationStart start;
    if (line.isEmpty()) {
        start.refusal = QStringLiteral("Cliquez sur une ligne pour la modifier");
        return start;
    }
    if (!hasContact(line)) {
        start.refusal = QStringLiteral("Il n'y a pas de données a modifier");
        return start;
    }
    start.fields[EntryField::C_Postal_A] = line.mid(kCode, 5);
    start.fields[EntryField::Date_A] = line.mid(kDate, 8);
    start.fields[EntryField::Ind_A] = line.mid(kCallsign, 12).trimmed();
    start.fields[EntryField::DFCF_A] = line.mid(kReference, 5).trimmed();
    // Mode and band keep their padding; the checks take them at their full width.
    start.fields[EntryField::Mode_A] = line.mid(kMode, 6);
    start.fields[EntryField::Bande_A] = line.mid(kBand, 7);
    start.fields[EntryField::Ville_A] = line.mid(kTown);

    const QString made = line.mid(kMadeFlag, 1);
    const QString confirmed = line.mid(kConfirmedFlag, 1);
    const auto isFlag = [](const QString& f) { return f == QLatin1String("O") || f == QLatin1String("N"); };
    if (isFlag(made) && isFlag(confirmed)) {
        // A contact in the log was made, whatever its first flag says.
        start.fields[EntryField::QSLE_A] = QStringLiteral("X");
        start.fields[EntryField::QSLR_A] = confirmed == QLatin1String("O") ? QStringLiteral("X") : QString();
    }
    return start;
}

CancelStart startCancel(const QString& line)
{
    CancelStart start;
    if (line.isEmpty()) {
        start.refusal = QStringLiteral("Cliquez sur une ligne pour l'annuler");
        return start;
    }
    if (!hasContact(line)) {
        start.refusal = QStringLiteral("Il n'y a pas de données a annuler");
        return start;
    }
    start.code = line.mid(kCode, 5);
    start.question
        = QStringLiteral("Voulez vous effacer le Code Postal N° ") + start.code + QStringLiteral(" ?");
    return start;
}

LineMatcher chosenLineMatcher(const QString& Ligne_Choisie)
{
    const QByteArray code = Cp1252::encode(Ligne_Choisie.mid(kCode, 5)).value_or(QByteArray());
    return [code, Ligne_Choisie](QByteArrayView line) {
        // Most lines differ already by their postal code; only those that share it are listed.
        return fieldBytes(line, LogField::CodePostal) == code && listingLine(line) == Ligne_Choisie;
    };
}
