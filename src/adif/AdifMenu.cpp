#include "adif/AdifMenu.h"

#include "adif/AdifOperations.h"
#include "app/Version.h"
#include "model/Logbook.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "postal/PostalBase.h"
#include "widgets/DialogFolder.h"
#include "widgets/SecondaryWindows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {

const QString kAdifFilter = QStringLiteral("Fichiers ADIF (*.adi *.adif *.adx);;Tous les fichiers (*)");

QString askForFile(QWidget* parent, bool save, const QString& proposed)
{
    if (save)
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("Exporter en ADIF"), proposed, kAdifFilter);
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Importer un fichier ADIF"), proposed, kAdifFilter);
}

// The file dialogs open in the documents folder, or in the home folder on a desktop without one.
QString startFolder()
{
    return dialogFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace

AdifMenu::AdifMenu(AppContext context, QMenu* fichier, QWidget* parent)
    : QObject(parent)
    , m_context(context)
    , m_parent(parent)
    , m_chooseFile(
          [parent](bool save, const QString& proposed) { return askForFile(parent, save, proposed); })
{
    setObjectName(QStringLiteral("AdifMenu"));
    auto* exportAction = new QAction(QStringLiteral("Exporter en ADIF…"), fichier);
    exportAction->setObjectName(QStringLiteral("Mnu_Export_ADIF"));
    auto* importAction = new QAction(QStringLiteral("Importer un fichier ADIF…"), fichier);
    importAction->setObjectName(QStringLiteral("Mnu_Import_ADIF"));
    const QList<QAction*> existing = fichier->actions();
    QAction* before = existing.isEmpty() ? nullptr : existing.constLast();
    fichier->insertAction(before, importAction);
    fichier->insertAction(before, exportAction);
    fichier->insertSeparator(before);
    connect(exportAction, &QAction::triggered, this, &AdifMenu::exportAdif);
    connect(importAction, &QAction::triggered, this, &AdifMenu::importAdif);
}

void AdifMenu::exportAdif()
{
    Logbook& logbook = m_context.logbook;
    Messages& messages = m_context.platform.messages;
    const QString path = m_chooseFile(
        true, QDir(startFolder()).filePath(logbook.Indicatif_Station() + QStringLiteral("_CP.adi")));
    if (path.isEmpty())
        return;
    QString readError;
    const QList<QByteArray> lines = logbook.read(&readError);
    if (!readError.isEmpty()) {
        messages.inform(readError + QStringLiteral("\r\n\r\nRien n'est exporté."));
        return;
    }
    const ExportDone done = exportToFile(
        lines, path, logbook.appDir(), {QStringLiteral(KERLANIC_VERSION), m_context.platform.clock.utcNow()});
    messages.inform(done.message);
}

void AdifMenu::importAdif()
{
    Messages& messages = m_context.platform.messages;
    const QString path = m_chooseFile(false, startFolder());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages.inform(
            QStringLiteral("Le fichier %1 ne peut pas être lu.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    const QByteArray bytes = file.readAll();

    // A year of contacts reads in a moment; a file of many years shows its progress.
    QProgressDialog progress(
        QStringLiteral("Lecture du fichier ADIF…"), QStringLiteral("Annuler"), 0, 1000, m_parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const AdifReadResult read = readAdif(bytes, [&](qint64 done, qint64 total) {
        progress.setValue(int(done * 1000 / std::max<qint64>(total, 1)));
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (read.cancelled)
        return;
    if (!read.error.isEmpty()) {
        messages.inform(QStringLiteral("%1\r\n\r\n%2\r\n\r\nRien n'est importé.")
                            .arg(QDir::toNativeSeparators(path), read.error));
        return;
    }
    ImportProposal proposal
        = proposeImport(read.records, PostalBase::shipped(), m_context.platform.clock.utcNow().date());
    if (proposal.lines.isEmpty()) {
        messages.inform(QStringLiteral("Le fichier %1 ne contient aucun contact avec une station française.")
                            .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // A review left open belongs to another file: it gives way to this one.
    if (m_review)
        m_review->close();
    AdifImportWindow* window = showSecondary(m_review,
        [&] { return new AdifImportWindow(m_context, path, std::move(proposal), m_chooseFile, m_parent); });
    connect(window, &AdifImportWindow::imported, this, &AdifMenu::departementChosen);
}
