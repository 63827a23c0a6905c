#include "entry/ChosenLine.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "reports/Listing.h"

namespace {

QString column(const QString& line, ListingField field)
{
    return listingField(line, field);
}

// A line without date and callsign holds a postal code without a contact: the end of the date,
// the blanks after it and the start of the callsign are all blank.
bool hasContact(const QString& line)
{
    const qsizetype from = listingColumn(ListingField::DateQso).start + 4;
    const qsizetype to = listingColumn(ListingField::Indicatif).start + 2;
    return line.mid(from, to - from) != QString(to - from, QLatin1Char(' '));
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
    start.fields[EntryField::C_Postal_A] = column(line, ListingField::CodePostal);
    start.fields[EntryField::Date_A] = column(line, ListingField::DateQso);
    start.fields[EntryField::Ind_A] = column(line, ListingField::Indicatif).trimmed();
    start.fields[EntryField::DFCF_A] = column(line, ListingField::RefDFCF).trimmed();
    // Mode and band keep their padding; the checks take them at their full width.
    start.fields[EntryField::Mode_A] = column(line, ListingField::Mode);
    start.fields[EntryField::Bande_A] = column(line, ListingField::Bande);
    start.fields[EntryField::Ville_A] = column(line, ListingField::Commune);

    const QString made = column(line, ListingField::Cont);
    const QString confirmed = column(line, ListingField::Conf);
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
    start.code = column(line, ListingField::CodePostal);
    start.question
        = QStringLiteral("Voulez vous effacer le Code Postal N° ") + start.code + QStringLiteral(" ?");
    return start;
}

LineMatcher chosenLineMatcher(const QString& Ligne_Choisie)
{
    const QByteArray code
        = Cp1252::encode(listingField(Ligne_Choisie, ListingField::CodePostal)).value_or(QByteArray());
    return [code, Ligne_Choisie](QByteArrayView line) {
        // Most lines differ already by their postal code; only those that share it are listed.
        return fieldBytes(line, LogField::CodePostal) == code && listingLine(line) == Ligne_Choisie;
    };
}
