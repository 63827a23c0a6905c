#pragma once

#include "app/AppContext.h"
#include "reports/ReportLines.h"

#include <QObject>
#include <QPointer>

class ListingWindow;
class NumeroDptWindow;
class SummaryWindow;
class QWidget;

// The listing windows, the summary, the report files and the printed reports, each on the log
// as it stands when it is asked for.
class ReportsMenu : public QObject
{
    Q_OBJECT

public:
    // parent: the window the secondary windows belong to.
    ReportsMenu(AppContext context, QWidget* parent);

    void showNumeroDpt();
    void showRecapitulatif();
    void showContacte() { showListing(m_affContacte, Selection::Contacte); }
    void showConfirme() { showListing(m_affConfirme, Selection::Confirme); }
    void showNonConfirme() { showListing(m_affNonConfirme, Selection::NonConfirme); }
    void Enregistre_Confirme() { save(Report::Confirme); }
    void Enregistre_Contacte() { save(Report::Contacte); }
    void Imprime_Confirme() { print(Report::Confirme); }
    void Imprime_Contacte() { print(Report::Contacte); }

Q_SIGNALS:
    // The département typed in Numero_Dpt, to be listed.
    void departementChosen(const QString& dpt);

private:
    void showListing(QPointer<ListingWindow>& slot, Selection selection);
    void save(Report report);
    void print(Report report);

    AppContext m_context;
    QWidget* m_parent;
    QPointer<NumeroDptWindow> m_numeroDpt;
    QPointer<SummaryWindow> m_recapitulatif;
    QPointer<ListingWindow> m_affContacte;
    QPointer<ListingWindow> m_affConfirme;
    QPointer<ListingWindow> m_affNonConfirme;
};
