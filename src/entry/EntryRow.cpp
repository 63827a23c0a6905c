#include "entry/EntryRow.h"

#include "app/FieldColour.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/StationLists.h"
#include "app/StationSettings.h"
#include "entry/ChosenLine.h"
#include "entry/EntryRecord.h"
#include "entry/FieldChecks.h"
#include "entry/LookUp.h"
#include "log/Cp1252.h"
#include "log/LogRewriter.h"
#include "log/StationLog.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "postal/TownSuggestions.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Position of the combo's text in its list, -1 when the text is not one of the list's entries.
// The blanks that pad a mode or band loaded from the listing do not make it another entry.
int listPosition(const QComboBox* combo)
{
    QString text = combo->currentText();
    while (text.endsWith(u' '))
        text.chop(1);
    return combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

EntryRow::EntryRow(MainWindow& main)
    : QObject(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("EntryRow"));
    Ui::Main& ui = m_main.ui();
    for (EntryField field : kEntryChain) {
        QWidget* widget = box(field);
        widget->installEventFilter(this);
        m_watched.insert(widget, field);
        // An editable combo hands typed keys to its line edit; keys sent to the line edit
        // directly must be seen too.
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
            combo->lineEdit()->installEventFilter(this);
            m_watched.insert(combo->lineEdit(), field);
            // What is typed is what goes in the log: no text completed behind the user's back.
            combo->setCompleter(nullptr);
        }
    }

    connect(ui.Valide_A, &QPushButton::clicked, this, &EntryRow::Valide);
    connect(ui.Efface_A, &QPushButton::clicked, this, &EntryRow::Efface);
    connect(ui.Modi_Saisie, &QPushButton::clicked, this, &EntryRow::Modifie);
    connect(ui.Annule_Saisie, &QPushButton::clicked, this, &EntryRow::Annule);
    connect(ui.Liste_CP, &QListWidget::itemSelectionChanged, this, &EntryRow::listSelectionChanged);
    connect(ui.Liste_CP, &QListWidget::itemClicked, this, &EntryRow::listSelectionChanged);
    connect(&m_main, &MainWindow::stationChanged, this, &EntryRow::stationChanged);
    // A new postal code's town waits with the communes of that code offered under it.
    connect(this, &EntryRow::nouveauCodePostal, this,
        [this](const QString& code) { offerTownsOfPostalCode(m_main.ui().Ville_A, code); });
    // The chain ends on the save button, a blocked code on the clear button: Enter presses them.
    ui.Valide_A->setAutoDefault(true);
    ui.Efface_A->setAutoDefault(true);
}

QWidget* EntryRow::box(EntryField field) const
{
    Ui::Main& ui = m_main.ui();
    switch (field) {
    case EntryField::C_Postal_A:
        return ui.C_Postal_A;
    case EntryField::Ville_A:
        return ui.Ville_A;
    case EntryField::DFCF_A:
        return ui.DFCF_A;
    case EntryField::Date_A:
        return ui.Date_A;
    case EntryField::Ind_A:
        return ui.Ind_A;
    case EntryField::Mode_A:
        return ui.Mode_A;
    case EntryField::Bande_A:
        return ui.Bande_A;
    case EntryField::QSLE_A:
        return ui.QSLE_A;
    case EntryField::QSLR_A:
        return ui.QSLR_A;
    }
    return nullptr;
}

QString EntryRow::textOf(EntryField field) const
{
    QWidget* widget = box(field);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return static_cast<QLineEdit*>(widget)->text();
}

void EntryRow::setTextOf(EntryField field, const QString& text)
{
    QWidget* widget = box(field);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(text);
    else
        static_cast<QLineEdit*>(widget)->setText(text);
}

EntryTexts EntryRow::texts() const
{
    EntryTexts all;
    for (EntryField field : kEntryChain)
        all[field] = textOf(field);
    return all;
}

void EntryRow::apply(const EntryChanges& changes)
{
    for (EntryField field : kEntryChain) {
        if (changes[field])
            setTextOf(field, *changes[field]);
    }
}

void EntryRow::highlightOnly(QWidget* control)
{
    for (EntryField field : kEntryChain)
        markWaiting(box(field), box(field) == control);
    markWaiting(m_main.ui().Valide_A, m_main.ui().Valide_A == control);
}

void EntryRow::waitFor(QWidget* control)
{
    control->setEnabled(true);
    highlightOnly(control);
    control->setFocus();
}

bool EntryRow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || m_retyper.isRetyping())
        return false;
    const auto it = m_watched.constFind(watched);
    if (it == m_watched.cend() || !static_cast<QWidget*>(watched)->isEnabled())
        return false;
    return keyPressed(it.value(), watched, static_cast<QKeyEvent*>(event));
}

bool EntryRow::keyPressed(EntryField field, QObject* target, QKeyEvent* key)
{
    if (!isTypedKey(*key))
        return false;
    if (field == EntryField::C_Postal_A && m_main.context().state.Indicatif_Station == kDefaultCallsign) {
        // No station yet: the log in use is the template. Say so on every key; the key itself
        // still goes in as typed.
        m_main.context().platform.messages.inform(firstInstallationMessage());
        return false;
    }
    if (isEnterKey(*key)) {
        enterPressed(field);
        return true;
    }
    writeListPosition(field);
    const QString typed = key->text();
    const QString replaced = KeyRetyper::replacement(typed);
    if (replaced == typed)
        return false;
    m_retyper.retype(target, *key, replaced);
    return true;
}

void EntryRow::writeListPosition(EntryField field)
{
    if (field != EntryField::Mode_A && field != EntryField::Bande_A)
        return;
    const bool mode = field == EntryField::Mode_A;
    SettingsStore& settings = m_main.context().platform.settings;
    settings.write(StationSettings::stationSection(m_main.context().state.Indicatif_Station),
        mode ? StationSettings::kModeUtilise : StationSettings::kBandeUtilisee,
        QString::number(listPosition(mode ? m_main.ui().Mode_A : m_main.ui().Bande_A)));
    // Written on every key: said once a run, or the user could not type a band any more.
    if (settings.lastWriteKept() || m_listPositionLossTold)
        return;
    m_listPositionLossTold = true;
    m_main.context().platform.messages.inform(
        QStringLiteral("La bande et le mode utilisés n'ont pas pu être enregistrés dans les réglages "
                       "(écriture impossible dans %1).\r\n"
                       "Au prochain démarrage, Kerlanic proposera la bande et le mode enregistrés "
                       "auparavant. Ce message n'est montré qu'une fois.")
            .arg(settings.location()));
}

void EntryRow::enterPressed(EntryField field)
{
    const QString message = checkField(field, textOf(field));
    if (!message.isEmpty()) {
        m_main.context().platform.messages.inform(message);
        return;
    }
    Ui::Main& ui = m_main.ui();
    switch (field) {
    case EntryField::C_Postal_A:
        postalCodeEntered();
        break;
    case EntryField::Ville_A:
        waitFor(ui.DFCF_A);
        break;
    case EntryField::DFCF_A:
        ui.Ville_A->setEnabled(true);
        waitFor(ui.Date_A);
        break;
    case EntryField::Date_A:
        waitFor(ui.Ind_A);
        break;
    case EntryField::Ind_A:
        waitFor(ui.Mode_A);
        break;
    case EntryField::Mode_A:
        waitFor(ui.Bande_A);
        writeListPosition(field);
        break;
    case EntryField::Bande_A:
        waitFor(ui.QSLE_A);
        writeListPosition(field);
        break;
    case EntryField::QSLE_A:
        waitFor(ui.QSLR_A);
        break;
    case EntryField::QSLR_A:
        waitFor(ui.Valide_A);
        break;
    }
}

void EntryRow::postalCodeEntered()
{
    Ui::Main& ui = m_main.ui();
    // The towns offered belong to the code that was new; whatever this code is, they go.
    offerTownNames(ui.Ville_A, {});
    ui.Date_A->setEnabled(true);
    const QString code = ui.C_Postal_A->text();
    int result = 1;
    bool isNew = false;
    // "00000" stands for records that carry only a DFCF reference: there may be many, nothing
    // to look up.
    if (code != QLatin1String("00000")) {
        const LookUpOutcome outcome = Cherche_CP(code, m_main.context().state.stationLog(), ui.Ind_A->text());
        applyLookUp(outcome);
        result = outcome.result;
        isNew = outcome.status == kNouveauCodePostal;
    }
    if (result == 1) {
        waitFor(ui.Ville_A);
        if (isNew)
            Q_EMIT nouveauCodePostal(code.trimmed());
        return;
    }
    // Already contacted: the user may only clear the entry or choose a listed line.
    highlightOnly(nullptr);
    ui.Date_A->setEnabled(false);
    ui.Ville_A->setEnabled(false);
    ui.C_Postal_A->setEnabled(false);
    ui.Efface_A->setFocus();
}

void EntryRow::applyLookUp(const LookUpOutcome& outcome)
{
    Ui::Main& ui = m_main.ui();
    ui.Liste_CP->clear();
    ui.Liste_CP->addItems(outcome.lines);
    if (outcome.caption)
        ui.L_Communes->setTitle(*outcome.caption);
    apply(outcome.fields);
    if (outcome.status)
        ui.Status_A->setText(*outcome.status);
    if (outcome.saveCaption)
        ui.Valide_A->setText(*outcome.saveCaption);
    if (!outcome.message.isEmpty())
        m_main.context().platform.messages.inform(outcome.message);
}

void EntryRow::Valide()
{
    AppContext& context = m_main.context();
    ProgramState& state = context.state;
    Ui::Main& ui = m_main.ui();
    const EntryTexts entry = texts();

    // The chain checked every box on Enter, but a box may have been changed since with the mouse:
    // a record that would break the log's columns is never written.
    if (const auto refusal = firstRefusedField(entry)) {
        context.platform.messages.inform(refusal->message);
        waitFor(box(refusal->field));
        return;
    }

    if (context.platform.messages.ask(kSaveQuestion)) {
        const std::optional<QByteArray> record = buildRecord(entry);
        const StationLog log = state.stationLog();
        const QString logName = QFileInfo(log.path()).fileName();
        if (!record) {
            context.platform.messages.inform(notSavedMessage(
                {false, QStringLiteral("Un champ ne tient pas dans sa colonne du carnet."), {}}, logName));
            return;
        }
        const RewriteResult written = state.Modif_En_Cours
            ? Remplace_Ligne(log, *record, chosenLineMatcher(m_modifiedLine))
            : Ajoute_Ligne(log, *record);
        if (!written.done) {
            // The entry stays as typed: the user may free some room and save again.
            context.platform.messages.inform(notSavedMessage(written, logName));
            return;
        }
        m_main.showWrittenLog(written.lines, Cp1252::decode(QByteArrayView(*record).first(2)));
    } else {
        m_main.refreshTotal();
    }

    // The last listed line becomes the chosen one, as if the user had clicked it.
    if (const int count = ui.Liste_CP->count(); count > 0) {
        ui.Liste_CP->setCurrentRow(count - 1);
        ui.Liste_CP->scrollToItem(ui.Liste_CP->item(count - 1));
        state.Ligne_Choisie = ui.Liste_CP->item(count - 1)->text();
    }

    state.Modif_En_Cours = false;
    m_modifiedLine.clear();
    resetRow(true);
}

void EntryRow::Efface()
{
    resetRow(false);
}

void EntryRow::resetRow(bool keepTown)
{
    Ui::Main& ui = m_main.ui();
    ui.Valide_A->setText(QString());
    ui.Valide_A->setEnabled(false);
    offerTownNames(ui.Ville_A, {});
    ui.Ville_A->clear();
    // After a save the town box keeps its state; a clear starts the row afresh.
    if (!keepTown)
        ui.Ville_A->setEnabled(false);
    ui.C_Postal_A->clear();
    ui.Status_A->clear();
    ui.QSLE_A->setText(QStringLiteral("X"));
    ui.QSLE_A->setEnabled(false);
    for (QLineEdit* emptied : {ui.QSLR_A, ui.Date_A, ui.Ind_A, ui.DFCF_A}) {
        emptied->clear();
        emptied->setEnabled(false);
    }
    // Mode and band keep their texts: the next contact is usually on the same ones.
    ui.Mode_A->setEnabled(false);
    ui.Bande_A->setEnabled(false);
    if (!keepTown) {
        m_main.context().state.Modif_En_Cours = false;
        m_modifiedLine.clear();
    }
    waitFor(ui.C_Postal_A);
}

void EntryRow::Modifie()
{
    AppContext& context = m_main.context();
    const ModificationStart start = startModification(context.state.Ligne_Choisie);
    if (!start.refusal.isEmpty()) {
        context.platform.messages.inform(start.refusal);
        return;
    }
    context.state.Modif_En_Cours = true;
    m_modifiedLine = context.state.Ligne_Choisie;
    offerTownNames(m_main.ui().Ville_A, {});
    apply(start.fields);
    m_main.ui().Valide_A->setText(QStringLiteral("Enregistrer modifications"));
    waitFor(m_main.ui().Ville_A);
}

void EntryRow::Annule()
{
    AppContext& context = m_main.context();
    const QString chosen = context.state.Ligne_Choisie;
    const CancelStart start = startCancel(chosen);
    if (!start.refusal.isEmpty()) {
        context.platform.messages.inform(start.refusal);
        return;
    }
    if (!context.platform.messages.ask(start.question))
        return;
    const StationLog log = context.state.stationLog();
    const RewriteResult deleted = Supprime_Ligne(log, chosenLineMatcher(chosen));
    if (!deleted.done) {
        context.platform.messages.inform(notDeletedMessage(deleted, QFileInfo(log.path()).fileName()));
        return;
    }
    m_main.showWrittenLog(deleted.lines, start.code.left(2));
}

void EntryRow::listSelectionChanged()
{
    const QList<QListWidgetItem*> selected = m_main.ui().Liste_CP->selectedItems();
    if (!selected.isEmpty())
        m_main.context().state.Ligne_Choisie = selected.first()->text();
}

void EntryRow::stationChanged()
{
    // A contact typed or being modified belongs to the log it came from: it must not land in the
    // new station's log, nor may a line chosen in the old listing pick a line of the new one.
    Efface();
    m_main.context().state.Ligne_Choisie.clear();
}
