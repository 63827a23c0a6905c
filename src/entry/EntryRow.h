#pragma once

#include "entry/EntryFields.h"
#include "entry/TypedKeys.h"

#include <QHash>
#include <QObject>

class MainWindow;
class QKeyEvent;
class QWidget;
struct LookUpOutcome;

// The entry row of the main window: one contact at a time, typed box by box and moved along by
// Enter, looked up in the log, saved, cleared, or loaded back from the listing to be modified or
// cancelled. The rules live in the core (checks, look-up, record, chosen line); this class puts
// their results on the widgets.
class EntryRow : public QObject
{
    Q_OBJECT

public:
    explicit EntryRow(MainWindow& main);

    // Efface_A: back to waiting for a postal code; nothing is saved.
    void Efface();

Q_SIGNALS:
    // A look-up found the postal code new to the log ("Nouveau Code Postal"); Ville_A waits for
    // its town.
    void nouveauCodePostal(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box(EntryField field) const;
    QString textOf(EntryField field) const;
    void setTextOf(EntryField field, const QString& text);
    EntryTexts texts() const;
    void apply(const EntryChanges& changes);

    bool keyPressed(EntryField field, QObject* target, QKeyEvent* key);
    void enterPressed(EntryField field);
    void postalCodeEntered();
    void applyLookUp(const LookUpOutcome& outcome);
    // Enables a box or the save button, makes it the one light-green control and gives it the focus.
    void waitFor(QWidget* control);
    // Light green on that control alone (none: every control takes the normal colour).
    void highlightOnly(QWidget* control);
    void writeListPosition(EntryField field);
    void resetRow(bool keepTown);

    void Valide();
    void Modifie();
    void Annule();
    void listSelectionChanged();
    void stationChanged();

    MainWindow& m_main;
    KeyRetyper m_retyper;
    QHash<QObject*, EntryField> m_watched;
    // The listing line a modification was started from: the save replaces that line, even if the
    // user clicks other lines in between.
    QString m_modifiedLine;
    // The band and mode could not be remembered, and the user was told.
    bool m_listPositionLossTold = false;
};
