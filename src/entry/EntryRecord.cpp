#include "entry/EntryRecord.h"

#include "entry/FieldChecks.h"
#include "log/LogRecord.h"
#include "log/QslStatus.h"
#include "log/LogRewriter.h"

QString Etat_QSL(const QString& cont, const QString& conf)
{
    const char digit
        = QslStatus::fromMarks(cont == QLatin1String("X"), conf == QLatin1String("X")).digit();
    return QString(QLatin1Char(digit));
}

std::optional<QByteArray> buildRecord(const EntryTexts& texts)
{
    LogRecord record;
    record[LogField::CodePostal] = texts[EntryField::C_Postal_A];
    record[LogField::DateQso] = texts[EntryField::Date_A];
    record[LogField::Indicatif] = texts[EntryField::Ind_A];
    record[LogField::Etat_QSL] = Etat_QSL(texts[EntryField::QSLE_A], texts[EntryField::QSLR_A]);
    record[LogField::Mode] = texts[EntryField::Mode_A];
    record[LogField::Bande] = texts[EntryField::Bande_A];
    record[LogField::RefDFCF] = texts[EntryField::DFCF_A];
    record[LogField::Commune] = texts[EntryField::Ville_A];
    // The postal code and the date have exact widths: shorter ones would shift every column after.
    if (record[LogField::CodePostal].size() != logColumn(LogField::CodePostal).width
        || record[LogField::DateQso].size() != logColumn(LogField::DateQso).width)
        return std::nullopt;
    return record.toLine();
}

std::optional<FieldRefusal> firstRefusedField(const EntryTexts& texts)
{
    for (EntryField field : kEntryChain) {
        QString message = checkField(field, texts[field]);
        if (!message.isEmpty())
            return FieldRefusal {field, std::move(message)};
    }
    return std::nullopt;
}

namespace {
QString failureMessage(const QString& what, const RewriteResult& result, const QString& logFileName)
{
    return what + QStringLiteral("\r\n\r\n") + result.reason + QStringLiteral("\r\nLe carnet ") + logFileName
        + QStringLiteral(" n'a pas été modifié.");
}
} // namespace

QString notSavedMessage(const RewriteResult& result, const QString& logFileName)
{
    return failureMessage(QStringLiteral("Le contact n'a pas été enregistré."), result, logFileName);
}

QString notDeletedMessage(const RewriteResult& result, const QString& logFileName)
{
    return failureMessage(QStringLiteral("Le contact n'a pas été effacé."), result, logFileName);
}
