#include "backup/BackupsWindow.h"

#include "app/StationSettings.h"
#include "log/Callsign.h"
#include "log/StationLog.h"
#include "model/Logbook.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "ui_BackupsWindow.h"
#include "widgets/DialogFolder.h"
#include "widgets/SecondaryWindows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>

namespace {

QString dateText(const BackupFile& file)
{
    QString text = file.date.toString(QStringLiteral("dd/MM/yyyy"));
    // The copies kept before a restore stand beside the day's backup.
    if (file.copy > 1)
        text += QStringLiteral(" (%1)").arg(file.copy);
    return text;
}

} // namespace

BackupsWindow::BackupsWindow(AppContext context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::BackupsWindow>())
    , m_context(context)
{
    m_ui->setupUi(this);
    m_ui->Dossier_A->setText(
        m_context.platform.settings.read(StationSettings::kGlobalSection, kDossierSauvegarde, {}));
    connect(m_ui->Liste_Sauvegardes, &QTreeWidget::itemSelectionChanged, this,
        [this] { m_ui->Restaurer->setEnabled(!m_ui->Liste_Sauvegardes->selectedItems().isEmpty()); });
    // A double click or Enter on a backup restores it, as the button does; Enter takes the backup
    // under the focus frame, which the list does not select on its own when it gets the focus.
    connect(m_ui->Liste_Sauvegardes, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        m_ui->Liste_Sauvegardes->setCurrentItem(item);
        restoreChosen();
    });
    connect(m_ui->Restaurer, &QPushButton::clicked, this, &BackupsWindow::restoreChosen);
    connect(m_ui->Parcourir, &QPushButton::clicked, this, &BackupsWindow::browseFolder);
    connect(m_ui->Enregistrer_Dossier, &QPushButton::clicked, this, &BackupsWindow::saveFolder);
    connect(m_ui->Fermer, &QPushButton::clicked, this, &QWidget::close);
    // Only the backups of the station in use may be put in the place of its log.
    connect(&m_context.logbook, &Logbook::stationChanged, this, &BackupsWindow::listBackups);
    listBackups();

    m_ui->Liste_Sauvegardes->setMinimumWidth(520);
    resize(sizeHint());
    placeCentred(*this, m_context.platform.screen);
}

BackupsWindow::~BackupsWindow() = default;

void BackupsWindow::chooseList()
{
    m_ui->Liste_Sauvegardes->setFocus();
}

void BackupsWindow::listBackups()
{
    const Logbook& logbook = m_context.logbook;
    const QString folder = backupFolder(logbook.appDir());
    m_ui->Label1->setText(
        QStringLiteral("Sauvegardes de la station %1, dans le dossier %2. Kerlanic garde les "
                       "%3 dernières ; restaurer remplace le carnet, qui est d'abord "
                       "gardé en sauvegarde.")
            .arg(displayCallsign(logbook.Indicatif_Station()), QDir::toNativeSeparators(folder))
            .arg(kBackupsKept));
    QTreeWidget& list = *m_ui->Liste_Sauvegardes;
    list.clear();
    m_backups.clear();
    for (const BackupFile& file : stationBackups(folder, logbook.Indicatif_Station())) {
        const BackupSummary summary = summariseBackup(file);
        auto* item = new QTreeWidgetItem(&list);
        item->setText(0, dateText(file));
        if (summary.unreadable.isEmpty()) {
            item->setText(1, QString::number(summary.lineCount));
            item->setText(2, summary.total);
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        } else {
            // Shown, so the user knows it is there, but never put in the log's place.
            item->setText(1, QStringLiteral("illisible"));
            item->setText(2, summary.unreadable);
            item->setFlags(Qt::NoItemFlags);
        }
        m_backups << summary;
    }
    list.header()->resizeSections(QHeaderView::ResizeToContents);
}

void BackupsWindow::restoreChosen()
{
    const QTreeWidget& list = *m_ui->Liste_Sauvegardes;
    const int row = list.currentItem() && list.currentItem()->isSelected()
        ? list.indexOfTopLevelItem(list.currentItem())
        : -1;
    if (row < 0 || !m_backups[row].unreadable.isEmpty())
        return;
    const BackupSummary& chosen = m_backups[row];
    Logbook& logbook = m_context.logbook;
    Messages& messages = m_context.platform.messages;
    const QString date = dateText(chosen.file);
    const QString lines = chosen.lineCount == 1 ? QStringLiteral("1 ligne")
                                                : QStringLiteral("%1 lignes").arg(chosen.lineCount);
    if (!messages.ask(QStringLiteral("Remplacer le carnet %1 par la sauvegarde du %2 (%3, total %4) ?\r\n"
                                     "Le carnet actuel sera d'abord gardé en sauvegarde.")
                          .arg(QFileInfo(logbook.stationLog().path()).fileName(), date, lines, chosen.total)))
        return;
    const RewriteResult result
        = logbook.restore(chosen.file, QStringLiteral("la restauration de la sauvegarde du ") + date);
    if (!result.done) {
        messages.inform(result.reason);
        return;
    }
    listBackups();
    Q_EMIT restored();
}

void BackupsWindow::browseFolder()
{
    // Opened without waiting for it: the window goes on answering while the user looks around.
    auto* dialog
        = new QFileDialog(this, QStringLiteral("Dossier de sauvegarde"), dialogFolder(m_ui->Dossier_A->text()));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
        [this](const QString& folder) { m_ui->Dossier_A->setText(QDir::toNativeSeparators(folder)); });
    dialog->open();
}

void BackupsWindow::saveFolder()
{
    SettingsStore& settings = m_context.platform.settings;
    Messages& messages = m_context.platform.messages;
    const QString folder = m_ui->Dossier_A->text().trimmed();
    settings.write(StationSettings::kGlobalSection, kDossierSauvegarde, folder);
    if (!settings.lastWriteKept()) {
        messages.inform(
            QStringLiteral("Le dossier de sauvegarde n'a pas pu être enregistré dans les réglages "
                           "(écriture impossible dans %1) : il ne servira que jusqu'à la "
                           "fermeture de Kerlanic.")
                .arg(settings.location()));
        return;
    }
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        messages.inform(QStringLiteral("Le dossier %1 n'est pas accessible pour l'instant : les sauvegardes "
                                       "y seront copiées dès qu'il le sera.")
                            .arg(folder));
}
