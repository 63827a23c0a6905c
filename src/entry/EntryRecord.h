#pragma once

#include "entry/EntryFields.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct RewriteResult;

// The QSL status written for the two marks: "1" neither, "2" contact made, "3" confirmed only,
// "4" both.
QString Etat_QSL(const QString& cont, const QString& conf);

// The log record of the row, each box as it stands (nothing trimmed), padded to its column.
// Empty when a box no longer fits its column or holds a character the log cannot store.
std::optional<QByteArray> buildRecord(const EntryTexts& texts);

// The first box, in chain order, whose text does not pass its check on Enter.
struct FieldRefusal
{
    EntryField field;
    QString message;
};
std::optional<FieldRefusal> firstRefusedField(const EntryTexts& texts);

// Why a contact is not in the log after all, for the user.
QString notSavedMessage(const RewriteResult& result, const QString& logFileName);
QString notDeletedMessage(const RewriteResult& result, const QString& logFileName);

inline const QString kSaveQuestion = QStringLiteral("Voulez vous enregistrer ces données ?");
