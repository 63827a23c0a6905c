#include "adif/AdifImportWindow.h"

#include "adif/AdifLog.h"
#include "adif/AdifOperations.h"
#include "log/Cp1252.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "postal/PostalBase.h"
#include "postal/PostalSearchModel.h"
#include "ui_AdifImportWindow.h"
#include "widgets/SecondaryWindows.h"

#include <QDir>
#include <QHeaderView>

namespace {

QString summaryOfProposal(const QList<ImportLine>& lines)
{
    QMap<QString, int> counts;
    for (const ImportLine& line : lines)
        ++counts[outcomeWord(line.outcome)];
    QStringList parts;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count)
        parts << QStringLiteral("%1 : %2").arg(count.key()).arg(count.value());
    return parts.join(QStringLiteral(" · "));
}

} // namespace

AdifImportWindow::AdifImportWindow(AppContext context, const QString& fileName, ImportProposal proposal,
    FileChooser chooseFile, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Import_ADIF>())
    , m_context(context)
    , m_proposal(std::move(proposal))
    , m_chooseFile(std::move(chooseFile))
{
    m_ui->setupUi(this);
    m_ui->Fichier_Import->setText(
        QStringLiteral("%1 : %2, %3 avec des stations françaises. Décochez ce qui ne doit pas "
                       "entrer dans le carnet ; un code postal se corrige dans sa colonne.")
            .arg(QDir::toNativeSeparators(fileName),
                plural(
                    m_proposal.records, QStringLiteral("enregistrement"), QStringLiteral("enregistrements")),
                plural(int(m_proposal.lines.size()), QStringLiteral("contact"), QStringLiteral("contacts"))));
    m_search = new PostalSearchModel(PostalBase::shipped(), this);
    m_ui->Resultats_CP->setModel(m_search);
    m_ui->Resultats_CP->horizontalHeader()->setStretchLastSection(true);
    m_ui->Resultats_CP->verticalHeader()->hide();
    // The record's number in the file stands in the first column.
    m_ui->Liste_Import->verticalHeader()->hide();
    // Tab leaves the list for the search and the buttons; the arrows move in it.
    m_ui->Liste_Import->setTabKeyNavigation(false);
    m_ui->Resultats_CP->setTabKeyNavigation(false);

    connect(m_ui->Liste_Import, &QTableWidget::itemChanged, this, &AdifImportWindow::itemChanged);
    connect(m_ui->Liste_Import, &QTableWidget::itemSelectionChanged, this, &AdifImportWindow::lineChosen);
    connect(m_ui->Recherche_CP, &QLineEdit::textChanged, m_search, &PostalSearchModel::setSearchText);
    connect(m_ui->Choisir_CP, &QPushButton::clicked, this, &AdifImportWindow::takeSearchResult);
    connect(m_ui->Resultats_CP, &QTableView::doubleClicked, this, &AdifImportWindow::takeSearchResult);
    connect(m_ui->Importer, &QPushButton::clicked, this, &AdifImportWindow::import);
    connect(m_ui->Enregistre_Resume, &QPushButton::clicked, this, &AdifImportWindow::saveSummary);
    connect(m_ui->Fermer, &QPushButton::clicked, this, &QWidget::close);

    // A contact saved in the main window meanwhile changes what the import would do.
    connect(&m_context.logbook, &Logbook::logChanged, this, [this] {
        if (m_ui->Importer->isEnabled())
            showOutcomes();
    });
    m_context.logbook.read();
    fillTable();
    placeCentred(*this, m_context.platform.screen);
}

AdifImportWindow::~AdifImportWindow() = default;

void AdifImportWindow::fillTable()
{
    m_filling = true;
    QTableWidget* table = m_ui->Liste_Import;
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("N°"), QStringLiteral("Date"), QStringLiteral("Indicatif"), QStringLiteral("Bande"),
            QStringLiteral("Mode"), QStringLiteral("QTH du fichier"), QStringLiteral("Code postal"),
            QStringLiteral("Commune"), QStringLiteral("Résultat")});
    table->setRowCount(int(m_proposal.lines.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const ImportLine& line = m_proposal.lines[row];
        const auto put = [&](Column column, const QString& text, bool editable = false) {
            auto* item = new QTableWidgetItem(text);
            if (!editable)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table->setItem(row, column, item);
            return item;
        };
        QTableWidgetItem* tick = put(Tick, QString::number(line.recordNumber));
        tick->setFlags(tick->flags() | Qt::ItemIsUserCheckable);
        tick->setCheckState(line.ticked ? Qt::Checked : Qt::Unchecked);
        put(Date, line.record[LogField::DateQso]);
        put(Call, line.record[LogField::Indicatif].trimmed());
        put(Band, line.record[LogField::Bande].trimmed());
        put(Mode, line.record[LogField::Mode].trimmed());
        put(Town, line.town);
        put(PostalCode, line.postalCode(), !line.own);
        put(Commune, line.record[LogField::Commune]);
        put(Outcome, QString());
    }
    m_filling = false;
    showOutcomes();
    table->resizeColumnsToContents();
}

void AdifImportWindow::showOutcomes()
{
    classify(m_proposal.lines, m_context.logbook.lines());
    m_filling = true;
    QTableWidget* table = m_ui->Liste_Import;
    for (int row = 0; row < table->rowCount(); ++row) {
        const ImportLine& line = m_proposal.lines[row];
        table->item(row, Outcome)->setText(line.outcomeText());
        table->item(row, Commune)->setText(line.record[LogField::Commune]);
    }
    m_filling = false;
    m_ui->Resume_Import->setText(summaryOfProposal(m_proposal.lines));
}

void AdifImportWindow::itemChanged(QTableWidgetItem* item)
{
    if (m_filling)
        return;
    ImportLine& line = m_proposal.lines[item->row()];
    if (item->column() == Tick)
        line.ticked = item->checkState() == Qt::Checked;
    else if (item->column() == PostalCode)
        setPostalCode(line, item->text(), PostalBase::shipped());
    else
        return;
    showOutcomes();
}

void AdifImportWindow::lineChosen()
{
    const int row = m_ui->Liste_Import->currentRow();
    if (row < 0)
        return;
    const ImportLine& line = m_proposal.lines[row];
    // The search starts from the file's town: its communes and their codes are the candidates.
    m_ui->Recherche_CP->setText(line.town.trimmed().isEmpty() ? line.postalCode() : line.town.trimmed());
}

void AdifImportWindow::takeSearchResult()
{
    const int row = m_ui->Liste_Import->currentRow();
    const QModelIndex result = m_ui->Resultats_CP->currentIndex();
    if (row < 0 || !result.isValid() || m_proposal.lines[row].own)
        return;
    // The search lists Corsica as La Poste writes it (20000); the log writes its département in
    // front (2A000).
    m_ui->Liste_Import->item(row, PostalCode)->setText(m_search->logPostalCode(result.row()));
}

void AdifImportWindow::import()
{
    // The rewrite tells the log changed: the lines keep the outcome they were imported with.
    m_ui->Importer->setEnabled(false);
    const ImportDone done = applyImport(m_context.logbook, m_proposal.lines);
    if (!done.written) {
        m_ui->Importer->setEnabled(true);
        m_context.platform.messages.inform(done.reason + QStringLiteral("\r\n\r\nRien n'est importé."));
        return;
    }
    m_summary = importSummary(done.result, m_proposal);
    m_ui->Liste_Import->setEnabled(false);
    m_ui->Enregistre_Resume->setEnabled(true);
    m_ui->Resume_Import->setText(m_summary);
    if (!done.result.firstDepartement.isEmpty())
        Q_EMIT imported(done.result.firstDepartement);
    m_context.platform.messages.inform(m_summary);
}

void AdifImportWindow::saveSummary()
{
    const QString path = m_chooseFile(true,
        QDir(m_context.logbook.appDir())
            .filePath(QStringLiteral("Import_ADIF_") + m_context.logbook.Indicatif_Station()
                + QStringLiteral(".txt")));
    if (path.isEmpty())
        return;
    // Windows-1252 like the program's other text files; UTF-8 when a name in it has no place
    // there. CR LF either way.
    const QString text = QString(m_summary).replace(u'\n', QStringLiteral("\r\n"));
    const QByteArray bytes = Cp1252::encode(text).value_or(text.toUtf8());
    QString why;
    if (!writeUserFile(path, bytes, m_context.logbook.appDir(), &why))
        m_context.platform.messages.inform(QStringLiteral("Le résumé n'a pas pu être enregistré dans %1 : %2")
                                               .arg(QDir::toNativeSeparators(path), why));
}
