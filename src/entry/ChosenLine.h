#pragma once

#include "entry/EntryFields.h"
#include "log/LogRewriter.h"

#include <QString>

// "Modifie une saisie" and "Annule une saisie" work on Ligne_Choisie, the listing line the user
// chose last; they read it back by the listing's columns.

// What "Modifie une saisie" puts in the boxes, or why it refuses.
struct ModificationStart
{
    QString refusal;
    EntryChanges fields;
};
ModificationStart startModification(const QString& Ligne_Choisie);

// What "Annule une saisie" asks before deleting, or why it refuses.
struct CancelStart
{
    QString refusal;
    QString code;
    QString question;
};
CancelStart startCancel(const QString& Ligne_Choisie);

// Picks out the log line that Ligne_Choisie lists.
LineMatcher chosenLineMatcher(const QString& Ligne_Choisie);
