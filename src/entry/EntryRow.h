#pragma once

#include "entry/EntryFields.h"
#include "widgets/KeyRetyper.h"

#include <QGroupBox>
#include <QHash>

#include <memory>

namespace Ui {
class EntryRow;
}
class Logbook;
class QKeyEvent;
struct Listing;
struct LookUpOutcome;
struct Platform;

// The entry row of the main window: one contact at a time, typed box by box and moved along by
// Enter, looked up in the log, saved, cleared, or loaded back from the listing to be modified or
// cancelled. The rules live in the core (checks, look-up, record, chosen line); this widget puts
// their results on its boxes, changes the log through the logbook and tells the window what the
// listing should show.
class EntryRow : public QGroupBox
{
    Q_OBJECT

public:
    explicit EntryRow(QWidget* parent = nullptr);
    ~EntryRow() override;

    // The log and the machine the row works with; given once, before the row is used.
    void attach(Logbook& logbook, Platform& platform);

    // The band and mode lists, and the ones the current station used last.
    void fillBandAndModeLists();
    void selectStationBandAndMode();
    // A new contact starts as made.
    void startAsMade();
    // Back to the postal code, after a listing was shown.
    void focusPostalCode();

    // Efface_A: back to waiting for a postal code; nothing is saved.
    void Efface();
    // "Modifie une saisie" and "Annule une saisie", on the line chosen in the listing.
    void Modifie();
    void Annule();

Q_SIGNALS:
    // A look-up found the postal code new to the log ("Nouveau Code Postal"); Ville_A waits for
    // its town.
    void nouveauCodePostal(const QString& code);
    // What a look-up lists: the département of the code typed.
    void listed(const Listing& listing);
    // A save, a modification or a cancel rewrote the log; the département of its record is the
    // one to list.
    void logWritten(const QString& dpt);
    // The save question was answered; the last listed line becomes the chosen one.
    void saveEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box(EntryField field) const;
    QString textOf(EntryField field) const;
    void setTextOf(EntryField field, const QString& text);
    EntryTexts texts() const;
    void apply(const EntryChanges& changes);
    void setUpLook();

    bool keyPressed(EntryField field, QObject* target, QKeyEvent* key);
    void enterPressed(EntryField field);
    void postalCodeEntered();
    // Runs the look-up of the code in C_Postal_A and puts its outcome on the row; false when the
    // code blocks the entry. From the save, the boxes the user typed keep their texts.
    bool lookUpPostalCode(bool fromSave);
    void applyLookUp(const LookUpOutcome& outcome, bool withFields);
    // An already contacted code: only a clear or a listed line lead on from here.
    void blockEntry();
    // True when the save may store the code in C_Postal_A: a look-up accepted it, or it needs none.
    bool postalCodeChecked() const;
    // Enables a box or the save button, makes it the one light-green control and gives it the focus.
    void waitFor(QWidget* control);
    // Light green on that control alone (none: every control takes the normal colour).
    void highlightOnly(QWidget* control);
    void writeListPosition(EntryField field);
    void resetRow(bool keepTown);

    void Valide();
    void stationChanged();

    std::unique_ptr<Ui::EntryRow> m_ui;
    Logbook* m_logbook = nullptr;
    Platform* m_platform = nullptr;
    KeyRetyper m_retyper;
    QHash<QObject*, EntryField> m_watched;
    // The listing line a modification was started from: the save replaces that line, even if the
    // user clicks other lines in between.
    QString m_modifiedLine;
    // The postal code of that line: a modification that keeps it needs no look-up.
    QString m_modifiedCode;
    // The code, as it stood in C_Postal_A, that the last look-up let through.
    QString m_acceptedCode;
    // The band and mode could not be remembered, and the user was told.
    bool m_listPositionLossTold = false;
};
