#pragma once

#include "adif/AdifImport.h"
#include "app/AppContext.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class Import_ADIF;
}
class PostalSearchModel;
class QTableWidgetItem;

// Asks the user for a file: to save (with the name proposed) or to open. Empty when cancelled.
using FileChooser = std::function<QString(bool save, const QString& proposed)>;

// The review of an import: every French contact of the file with its proposed postal code and
// what importing it would do. The user corrects codes (typed, or taken from the postal search),
// unticks lines, and imports; nothing is written before "Importer".
class AdifImportWindow : public QWidget
{
    Q_OBJECT

public:
    AdifImportWindow(AppContext context, const QString& fileName, ImportProposal proposal,
        FileChooser chooseFile, QWidget* parent = nullptr);
    ~AdifImportWindow() override;

Q_SIGNALS:
    // The import was written; the listing shows the département of its first record.
    void imported(const QString& departement);

private:
    enum Column { Tick, Date, Call, Band, Mode, Town, PostalCode, Commune, Outcome, ColumnCount };

    void fillTable();
    void showOutcomes();
    void itemChanged(QTableWidgetItem* item);
    void lineChosen();
    void takeSearchResult();
    void import();
    void saveSummary();

    std::unique_ptr<Ui::Import_ADIF> m_ui;
    AppContext m_context;
    ImportProposal m_proposal;
    FileChooser m_chooseFile;
    PostalSearchModel* m_search = nullptr;
    QString m_summary;
    bool m_filling = false;
};
