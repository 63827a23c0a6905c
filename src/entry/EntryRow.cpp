#include "entry/EntryRow.h"

#include "app/StationLists.h"
#include "app/StationSettings.h"
#include "entry/ChosenLine.h"
#include "entry/EntryRecord.h"
#include "entry/FieldChecks.h"
#include "entry/LookUp.h"
#include "log/Callsign.h"
#include "log/Cp1252.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "postal/TownSuggestions.h"
#include "reports/Listing.h"
#include "ui_EntryRow.h"
#include "widgets/FieldColour.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
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

EntryRow::EntryRow(QWidget* parent)
    : QGroupBox(parent)
    , m_ui(std::make_unique<Ui::EntryRow>())
{
    m_ui->setupUi(this);
    setUpLook();
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

    connect(m_ui->Valide_A, &QPushButton::clicked, this, &EntryRow::Valide);
    connect(m_ui->Efface_A, &QPushButton::clicked, this, &EntryRow::Efface);
    // A new postal code's town waits with the communes of that code offered under it.
    connect(this, &EntryRow::nouveauCodePostal, this,
        [this](const QString& code) { offerTownsOfPostalCode(m_ui->Ville_A, code); });
    // The towns offered belong to the code looked up: once the user changes it, the town box,
    // which stays open, must not offer them for another code.
    connect(m_ui->C_Postal_A, &QLineEdit::textEdited, this, [this] { offerTownNames(m_ui->Ville_A, {}); });
    // The chain ends on the save button, a blocked code on the clear button: Enter presses them.
    m_ui->Valide_A->setAutoDefault(true);
    m_ui->Efface_A->setAutoDefault(true);
    markWaiting(m_ui->C_Postal_A, true);
}

EntryRow::~EntryRow() = default;

void EntryRow::attach(Logbook& logbook, Platform& platform)
{
    m_logbook = &logbook;
    m_platform = &platform;
    connect(m_logbook, &Logbook::stationChanged, this, &EntryRow::stationChanged);
}

void EntryRow::setUpLook()
{
    // Each box is as wide as what it holds; the town takes the rest of the row.
    QFont entryFont = m_ui->C_Postal_A->font();
    entryFont.setPointSizeF(9.75);
    m_ui->C_Postal_A->setFont(entryFont);
    m_ui->Status_A->setFont(entryFont);
    const QFontMetrics metrics(entryFont);
    const int margin = 14;
    const auto fit = [&](QWidget* box, const QString& sample) {
        box->setFixedWidth(metrics.horizontalAdvance(sample) + margin);
    };
    fit(m_ui->C_Postal_A, QStringLiteral("00000000"));
    fit(m_ui->DFCF_A, QStringLiteral("0000000"));
    fit(m_ui->Date_A, QStringLiteral("00/00/0000"));
    fit(m_ui->Ind_A, QStringLiteral("F4ABCD/P00"));
    fit(m_ui->QSLE_A, QStringLiteral("WW"));
    fit(m_ui->QSLR_A, QStringLiteral("WW"));
    m_ui->Ville_A->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('M')) * 14);
    // A screen reader names a box by its label, but not the box inside an editable list, which
    // gets the keys: the two lists and their boxes are named by their label.
    for (const auto& [list, label] :
        {std::pair {m_ui->Mode_A, m_ui->Label16}, std::pair {m_ui->Bande_A, m_ui->Label26}}) {
        list->setAccessibleName(label->text());
        if (list->lineEdit())
            list->lineEdit()->setAccessibleName(label->text());
    }
    for (QComboBox* list : {m_ui->Mode_A, m_ui->Bande_A}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(7);
        list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    m_ui->Valide_A->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("Enregistrer modifications")) + 2 * margin);
    m_ui->Valide_A->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->Efface_A->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->entryActions->setStretch(2, 1);
    m_ui->entryGrid->setColumnStretch(1, 1);
}

void EntryRow::fillBandAndModeLists()
{
    m_ui->Bande_A->clear();
    m_ui->Bande_A->addItems(kBands);
    m_ui->Mode_A->clear();
    m_ui->Mode_A->addItems(kModes);
}

void EntryRow::selectStationBandAndMode()
{
    const SettingsStore& settings = m_platform->settings;
    const QString section = StationSettings::stationSection(m_logbook->Indicatif_Station());
    const int band = StationSettings::listIndex(
        settings.read(section, StationSettings::kBandeUtilisee, QStringLiteral("0")),
        m_ui->Bande_A->count() - 1);
    const int mode = StationSettings::listIndex(
        settings.read(section, StationSettings::kModeUtilise, QStringLiteral("0")), m_ui->Mode_A->count() - 1);
    m_ui->Bande_A->setCurrentIndex(band);
    m_ui->Mode_A->setCurrentIndex(mode);
    // Index -1 selects nothing and leaves the box empty.
    if (band < 0)
        m_ui->Bande_A->setEditText(QString());
    if (mode < 0)
        m_ui->Mode_A->setEditText(QString());
}

void EntryRow::startAsMade()
{
    m_ui->QSLE_A->setText(QStringLiteral("X"));
}

void EntryRow::focusPostalCode()
{
    m_ui->C_Postal_A->setEnabled(true);
    m_ui->C_Postal_A->setFocus();
}

QWidget* EntryRow::box(EntryField field) const
{
    Ui::EntryRow& ui = *m_ui;
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
    markWaiting(m_ui->Valide_A, m_ui->Valide_A == control);
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
    if (field == EntryField::C_Postal_A && m_logbook->Indicatif_Station() == kDefaultCallsign) {
        // No station yet: the log in use is the template. Say so on every key; the key itself
        // still goes in as typed.
        m_platform->messages.inform(firstInstallationMessage());
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
    SettingsStore& settings = m_platform->settings;
    settings.write(StationSettings::stationSection(m_logbook->Indicatif_Station()),
        mode ? StationSettings::kModeUtilise : StationSettings::kBandeUtilisee,
        QString::number(listPosition(mode ? m_ui->Mode_A : m_ui->Bande_A)));
    // Written on every key: said once a run, or the user could not type a band any more.
    if (settings.lastWriteKept() || m_listPositionLossTold)
        return;
    m_listPositionLossTold = true;
    m_platform->messages.inform(
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
        m_platform->messages.inform(message);
        return;
    }
    Ui::EntryRow& ui = *m_ui;
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
    Ui::EntryRow& ui = *m_ui;
    // The towns offered belong to the code that was new; whatever this code is, they go.
    offerTownNames(ui.Ville_A, {});
    ui.Date_A->setEnabled(true);
    if (lookUpPostalCode(false))
        waitFor(ui.Ville_A);
}

bool EntryRow::lookUpPostalCode(bool fromSave)
{
    Ui::EntryRow& ui = *m_ui;
    const QString code = ui.C_Postal_A->text();
    m_acceptedCode.clear();
    // "00000" stands for records that carry only a DFCF reference: there may be many, nothing
    // to look up.
    if (code == QLatin1String("00000")) {
        m_acceptedCode = code;
        return true;
    }
    QString readError;
    const QList<QByteArray>& lines = m_logbook->read(&readError);
    const LookUpOutcome outcome = readError.isEmpty() ? Cherche_CP(code, lines) : unreadableLogLookUp(readError);
    // A blocked code shows the contact that blocks it; an accepted one, looked up only because the
    // save found it unchecked, leaves the contact typed for it as it is.
    applyLookUp(outcome, outcome.result != 1 || !fromSave);
    if (outcome.result != 1) {
        blockEntry();
        return false;
    }
    m_acceptedCode = code;
    if (outcome.status == kNouveauCodePostal && !fromSave)
        Q_EMIT nouveauCodePostal(code.trimmed());
    return true;
}

void EntryRow::blockEntry()
{
    Ui::EntryRow& ui = *m_ui;
    // Every box that leads on to the save goes, the save button first: a contact already in the log
    // is never stored twice.
    highlightOnly(nullptr);
    ui.Valide_A->setEnabled(false);
    for (EntryField field : kEntryChain)
        box(field)->setEnabled(false);
    ui.Efface_A->setFocus();
}

bool EntryRow::postalCodeChecked() const
{
    const QString code = m_ui->C_Postal_A->text();
    if (code == QLatin1String("00000") || code == m_acceptedCode)
        return true;
    return m_logbook->Modif_En_Cours && code == m_modifiedCode;
}

void EntryRow::applyLookUp(const LookUpOutcome& outcome, bool withFields)
{
    Ui::EntryRow& ui = *m_ui;
    Q_EMIT listed(Listing {outcome.records, outcome.caption.value_or(QString())});
    if (withFields)
        apply(outcome.fields);
    if (outcome.status)
        ui.Status_A->setText(*outcome.status);
    // A modification keeps its caption: the save replaces the chosen line whatever the code.
    if (outcome.saveCaption && !m_logbook->Modif_En_Cours)
        ui.Valide_A->setText(*outcome.saveCaption);
    if (!outcome.message.isEmpty())
        m_platform->messages.inform(outcome.message);
}

void EntryRow::Valide()
{
    Messages& messages = m_platform->messages;
    const EntryTexts entry = texts();

    // The chain checked every box on Enter, but a box may have been changed since with the mouse:
    // a record that would break the log's columns is never written.
    if (const auto refusal = firstRefusedField(entry)) {
        messages.inform(refusal->message);
        waitFor(box(refusal->field));
        return;
    }
    // A code typed after the last look-up, without its Enter, may already be in the log: it is
    // looked up now, and a code that blocks the entry is not saved.
    if (!postalCodeChecked() && !lookUpPostalCode(true))
        return;

    if (messages.ask(kSaveQuestion)) {
        const std::optional<QByteArray> record = buildRecord(entry);
        const QString logName = QFileInfo(m_logbook->stationLog().path()).fileName();
        if (!record) {
            messages.inform(notSavedMessage(
                {false, QStringLiteral("Un champ ne tient pas dans sa colonne du carnet."), {}}, logName));
            return;
        }
        const RewriteResult written = m_logbook->Modif_En_Cours
            ? m_logbook->Remplace_Ligne(*record, chosenLineMatcher(m_modifiedLine))
            : m_logbook->Ajoute_Ligne(*record);
        if (!written.done) {
            // The entry stays as typed: the user may free some room and save again.
            messages.inform(notSavedMessage(written, logName));
            return;
        }
        Q_EMIT logWritten(Cp1252::decode(QByteArrayView(*record).first(2)));
    } else {
        // Nothing written; the total follows the log as it stands now.
        m_logbook->read();
    }
    Q_EMIT saveEnded();

    m_logbook->Modif_En_Cours = false;
    m_modifiedLine.clear();
    m_modifiedCode.clear();
    resetRow(true);
}

void EntryRow::Efface()
{
    resetRow(false);
}

void EntryRow::resetRow(bool keepTown)
{
    Ui::EntryRow& ui = *m_ui;
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
        m_logbook->Modif_En_Cours = false;
        m_modifiedLine.clear();
        m_modifiedCode.clear();
    }
    m_acceptedCode.clear();
    waitFor(ui.C_Postal_A);
}

void EntryRow::Modifie()
{
    const ModificationStart start = startModification(m_logbook->Ligne_Choisie);
    if (!start.refusal.isEmpty()) {
        m_platform->messages.inform(start.refusal);
        return;
    }
    m_logbook->Modif_En_Cours = true;
    m_modifiedLine = m_logbook->Ligne_Choisie;
    m_modifiedCode = start.fields[EntryField::C_Postal_A].value_or(QString());
    offerTownNames(m_ui->Ville_A, {});
    apply(start.fields);
    m_ui->Valide_A->setText(QStringLiteral("Enregistrer modifications"));
    waitFor(m_ui->Ville_A);
}

void EntryRow::Annule()
{
    const QString chosen = m_logbook->Ligne_Choisie;
    const CancelStart start = startCancel(chosen);
    if (!start.refusal.isEmpty()) {
        m_platform->messages.inform(start.refusal);
        return;
    }
    if (!m_platform->messages.ask(start.question))
        return;
    const RewriteResult deleted = m_logbook->Supprime_Ligne(chosenLineMatcher(chosen));
    if (!deleted.done) {
        m_platform->messages.inform(
            notDeletedMessage(deleted, QFileInfo(m_logbook->stationLog().path()).fileName()));
        return;
    }
    Q_EMIT logWritten(start.code.left(2));
}

void EntryRow::stationChanged()
{
    // A contact typed or being modified belongs to the log it came from: it must not land in the
    // new station's log.
    Efface();
}
