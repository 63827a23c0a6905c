#pragma once

#include "adif/AdifImportWindow.h"
#include "app/AppContext.h"

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

// The two ADIF entries of the "Fichier" menu: "Exporter en ADIF…" and "Importer un fichier
// ADIF…", put in front of the menu's last entry (Quitter).
class AdifMenu : public QObject
{
    Q_OBJECT

public:
    AdifMenu(AppContext context, QMenu* fichier, QWidget* parent);

    // The file dialogs; tests answer in their place.
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    void exportAdif();
    void importAdif();

Q_SIGNALS:
    // An import was written: the listing shows this département.
    void departementChosen(const QString& departement);

private:
    AppContext m_context;
    QWidget* m_parent;
    FileChooser m_chooseFile;
    QPointer<AdifImportWindow> m_review;
};
