#include "app/MainWindow.h"

#include "adif/AdifMenu.h"
#include "app/ClockTexts.h"
#include "app/Revision.h"
#include "app/StationLists.h"
#include "app/StationSettings.h"
#include "app/StationWindow.h"
#include "backup/SafetyMenu.h"
#include "dvf/DvfMenu.h"
#include "entry/EntryRow.h"
#include "log/Callsign.h"
#include "map/MapMenu.h"
#include "model/Logbook.h"
#include "platform/HelpViewer.h"
#include "platform/Launcher.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "platform/WindowAccessible.h"
#include "reports/Listing.h"
#include "reports/ListingPanel.h"
#include "reports/ReportsMenu.h"
#include "texts/DfcfPage.h"
#include "texts/TextsMenu.h"
#include "ui_MainWindow.h"
#include "widgets/Fonts.h"
#include "widgets/MenuBarWalk.h"
#include "widgets/SecondaryWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

// The search program ships beside Kerlanic; a copy in the program's data folder wins.
QString searchProgramPath(const QString& appDir)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("CodePostal.exe");
#else
    const QString name = QStringLiteral("CodePostal");
#endif
    const QString inAppDir = QDir(appDir).filePath(name);
    if (QFileInfo(inAppDir).isFile())
        return inAppDir;
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo(besideProgram).isFile() ? besideProgram : inAppDir;
}

} // namespace

MainWindow::MainWindow(Logbook& logbook, Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Main>())
    , m_logbook(logbook)
    , m_platform(platform)
{
    m_ui->setupUi(this);
    m_ui->Frame3->attach(m_logbook, m_platform);
    announceWindowsByCaption();
    setUpLook();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::showClock);

    connect(&m_logbook, &Logbook::stationChanged, this, &MainWindow::showStation);
    connect(&m_logbook, &Logbook::totalChanged, m_ui->Tot_Points, &QLineEdit::setText);
    connectEntryAndListing();
    connectMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpLook()
{
    QFont banner = m_ui->I_Station->font();
    banner.setPointSizeF(13.5);
    m_ui->I_Station->setFont(banner);
    m_ui->C_Station->setFont(banner);
    QFont bannerLabel = m_ui->Label28->font();
    bannerLabel.setPointSizeF(13.5);
    m_ui->Label28->setFont(bannerLabel);
    m_ui->L_Communes->setFont(arialFont(m_ui->L_Communes->font()));
    m_ui->Tot_Points->setMaximumWidth(150);
}

void MainWindow::connectEntryAndListing()
{
    EntryRow* entry = m_ui->Frame3;
    ListingPanel* listing = m_ui->L_Communes;
    connect(entry, &EntryRow::listed, listing, &ListingPanel::setListing);
    connect(entry, &EntryRow::logWritten, this,
        [this](const QString& dpt) { showListing(::Liste_Dpt(m_logbook.lines(), dpt)); });
    // After a save, the last listed line is the chosen one, as if the user had clicked it.
    connect(entry, &EntryRow::saveEnded, listing, &ListingPanel::selectLast);
    connect(listing, &ListingPanel::lineChosen, this, [this](const QString& line) { m_logbook.Ligne_Choisie = line; });
    connect(m_ui->Modi_Saisie, &QPushButton::clicked, entry, &EntryRow::Modifie);
    connect(m_ui->Annule_Saisie, &QPushButton::clicked, entry, &EntryRow::Annule);
    connect(m_ui->Affiche_All, &QPushButton::clicked, this, &MainWindow::Liste_Tous);
}

void MainWindow::connectMenus()
{
    const AppContext context {m_logbook, m_platform};
    m_reports = new ReportsMenu(context, this);
    m_dvf = new DvfMenu(context, this);
    m_texts = new TextsMenu(context, this);
    connect(new AdifMenu(context, m_ui->Mnu_Fichier, this), &AdifMenu::departementChosen, this,
        &MainWindow::Liste_Dpt);
    // After an undo, a redo or a restore, the entry row starts afresh on the log put back.
    connect(new SafetyMenu(context, m_ui->Mnu_Fichier, this), &SafetyMenu::logPutBack, this,
        [this](const QString& dpt) {
            m_ui->Frame3->Efface();
            dpt.isEmpty() ? Liste_Tous() : Liste_Dpt(dpt);
        });

    connect(m_ui->Affiche_Un, &QPushButton::clicked, m_reports, &ReportsMenu::showNumeroDpt);
    connect(m_reports, &ReportsMenu::departementChosen, this, &MainWindow::Liste_Dpt);
    connect(m_ui->Mnu_Recap, &QAction::triggered, m_reports, &ReportsMenu::showRecapitulatif);
    connect(m_ui->Mnu_C_Contacte, &QAction::triggered, m_reports, &ReportsMenu::showContacte);
    connect(m_ui->Mnu_C_Confirme, &QAction::triggered, m_reports, &ReportsMenu::showConfirme);
    connect(m_ui->Mnu_non_confirme, &QAction::triggered, m_reports, &ReportsMenu::showNonConfirme);
    connect(m_ui->Mnu_Enr_Confirme, &QAction::triggered, m_reports, &ReportsMenu::Enregistre_Confirme);
    connect(m_ui->Mnu_Enr_Contacte, &QAction::triggered, m_reports, &ReportsMenu::Enregistre_Contacte);
    connect(m_ui->Mnu_Imp_Confirme, &QAction::triggered, m_reports, &ReportsMenu::Imprime_Confirme);
    connect(m_ui->Mnu_Imp_Contacte, &QAction::triggered, m_reports, &ReportsMenu::Imprime_Contacte);

    // The map joins the "Afficher" menu from here, so that the form keeps the design's menus.
    auto* map = new MapMenu(context, this);
    QAction* showMap = m_ui->Mnu_Affichage->addAction(QStringLiteral("la carte des Départements"));
    showMap->setObjectName(QStringLiteral("Mnu_Carte"));
    connect(showMap, &QAction::triggered, map, &MapMenu::showMap);
    connect(map, &MapMenu::departementChosen, this, &MainWindow::Liste_Dpt);

    connect(m_ui->Mnu_Diplome, &QAction::triggered, m_dvf, &DvfMenu::showResults);
    connect(m_ui->Mnu_Liste_Villes, &QAction::triggered, m_dvf, &DvfMenu::showTowns);
    connect(m_ui->Mnu_Imp_Resultats, &QAction::triggered, m_dvf, &DvfMenu::printResults);

    connect(m_ui->Mnu_Regle_10Millions, &QAction::triggered, m_texts, &TextsMenu::showRules10M);
    connect(m_ui->Mnu_Reglement_DVF, &QAction::triggered, m_texts, &TextsMenu::showRulesDvf);
    connect(m_ui->Liste_DFCF, &QPushButton::clicked, m_texts, &TextsMenu::showDfcfList);

    // F10 opens the first menu, as on most desktops: the design's menu titles have no underlined
    // letter, and the menus must be reached without the mouse.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("Touche_Menus"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, new MenuBarWalk(m_ui->menubar), &MenuBarWalk::start);

    connect(m_ui->Mnu_Quitter, &QAction::triggered, this, &MainWindow::quit);
    connect(m_ui->Mnu_Historique, &QAction::triggered, this, &MainWindow::showHistory);
    connect(m_ui->Mnu_Apropos, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_ui->Mnu_Mode_Emploi, &QAction::triggered, this, &MainWindow::showManual);
    connect(m_ui->Recherche, &QPushButton::clicked, this, &MainWindow::startSearchProgram);
    connect(m_ui->Mnu_New_Indicatif, &QAction::triggered, this, &MainWindow::showStationWindow);
}

void MainWindow::startUp()
{
    SettingsStore& settings = m_platform.settings;

    // The window opens in the middle of the screen.
    resize(sizeHint());
    placeCentred(*this, m_platform.screen);

    m_ui->Frame3->fillBandAndModeLists();

    // The station of the settings, with its postal code and the band and mode it used last. The
    // banner shows the callsign as stored; a change of station shows it as it is spoken.
    const QString callsign = StationSettings::storedCallsign(settings);
    m_logbook.setStation(callsign,
        settings.read(StationSettings::stationSection(callsign), StationSettings::kCPStation,
            QStringLiteral("XXXX")));
    m_ui->I_Station->setText(callsign);

    // Where the program keeps its files, for whoever looks at the settings.
    settings.write(StationSettings::kGlobalSection, StationSettings::kCheminRepertoire,
        QDir::toNativeSeparators(m_logbook.appDir()));
    // Where the DFCF list is fetched from: written once, for the user to change.
    if (settings.read(StationSettings::kGlobalSection, StationSettings::kAdresseDfcf, {}).isEmpty())
        settings.write(StationSettings::kGlobalSection, StationSettings::kAdresseDfcf, kDfcfHost);

    m_ui->Frame3->startAsMade();

    if (callsign == kDefaultCallsign)
        m_platform.messages.inform(firstInstallationMessage());

    show();

    // One read of the log gives the total and tells whether the log can be read at all.
    QString readError;
    m_logbook.read(&readError);
    m_ui->Tot_Points->setText(m_logbook.total());
    if (!readError.isEmpty())
        m_platform.messages.inform(readError);

    setWindowTitle(QStringLiteral("  Kerlanic    Revision ") + kRevision);
    // The revision that last opened this station's log.
    settings.write(StationSettings::stationSection(callsign), StationSettings::kRevisionKey, kRevision);

    m_clockTimer->start();
    m_ui->Frame3->focusPostalCode();
}

void MainWindow::showStation()
{
    m_ui->I_Station->setText(displayCallsign(m_logbook.Indicatif_Station()));
    m_ui->C_Station->setText(m_logbook.stationPostalCode());
    m_ui->Frame3->selectStationBandAndMode();
}

void MainWindow::showStationWindow()
{
    showSecondary(m_stationWindow, [this] {
        auto* window = new StationWindow(AppContext {m_logbook, m_platform}, this);
        // The new station's own département is listed, with its total.
        connect(window, &StationWindow::stationSetUp, this,
            [this] { Liste_Dpt(m_logbook.stationPostalCode().left(2)); });
        return window;
    });
}

void MainWindow::showListing(const Listing& listing)
{
    m_ui->L_Communes->setListing(listing);
    m_ui->Frame3->focusPostalCode();
}

void MainWindow::Liste_Dpt(const QString& dpt)
{
    showListing(::Liste_Dpt(m_logbook.read(), dpt));
}

void MainWindow::Liste_Tous()
{
    showListing(::Liste_Tous(m_logbook.read()));
}

void MainWindow::showClock()
{
    const ClockLabels labels = clockTick(m_platform.clock);
    m_ui->Label37->setEnabled(true);
    m_ui->Label37->setText(labels.utc);
    m_ui->Label34->setEnabled(true);
    m_ui->Label34->setText(labels.local);
    m_ui->Label33->setText(labels.date);
    m_logbook.dateShown = labels.date;
}

void MainWindow::quit()
{
    // Every change is already in the log: nothing to ask, nothing to save.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, secondary windows included.
    event->accept();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    QCoreApplication::quit();
}

void MainWindow::showHistory()
{
    m_platform.messages.inform(versionHistory());
}

void MainWindow::showAbout()
{
    m_platform.messages.inform(QStringLiteral("Kerlanic  Revision ") + kRevision
        + QStringLiteral("\r\n\r\n")
        + QStringLiteral("    Carnet de trafic des Codes Postaux pour les radioamateurs"));
}

void MainWindow::showManual()
{
    const QString file = QDir(m_logbook.appDir()).filePath(QStringLiteral("Kerlanic.hlp"));
    if (!QFileInfo(file).isFile()) {
        m_platform.messages.inform(
            QStringLiteral("Le mode d'emploi Kerlanic.hlp est introuvable dans le dossier ")
            + QDir::toNativeSeparators(m_logbook.appDir()) + QStringLiteral("."));
        return;
    }
    m_platform.help.showHelp(file);
}

void MainWindow::startSearchProgram()
{
    const QString program = searchProgramPath(m_logbook.appDir());
    if (!QFileInfo(program).isFile()) {
        m_platform.messages.inform(
            QStringLiteral("Le programme de recherche CodePostal est introuvable dans le dossier ")
            + QDir::toNativeSeparators(m_logbook.appDir()) + QStringLiteral("."));
        return;
    }
    if (!m_platform.launcher.startDetached(program))
        m_platform.messages.inform(
            QStringLiteral("Le programme de recherche CodePostal n'a pas pu être lancé."));
}
