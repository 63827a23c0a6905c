// How close each operation of Kerlanic comes to what the machine allows. Every operation is timed
// beside its floor, the least that any program must spend on the same work, and printed as a
// ratio to it:
//   - lecture: reading the log's bytes and cutting them into lines;
//   - écriture: lecture, then writing the same bytes to a file of the same folder and flushing
//     them to disk (a rewrite must at least read the log and write it back);
//   - fenêtre: a program that shows a bare QMainWindow, timed from its start to the window's
//     first expose;
//   - fenêtre avec texte: the same window holding one line edit, so that it loads the fonts as
//     any window with text must (a bare window never starts fontconfig).
// The logs are realistic: real postal codes and accented towns of the postal base, Corsica and
// overseas, DFCF references, every QSL status, "00000" reference records.
//
// scripts/kerlanic bench runs it; build/bench/kerlanic_bench [records...] runs other sizes.

#include "BenchTools.h"
#include "MainFixture.h"
#include "app/AppDir.h"
#include "app/Application.h"
#include "app/StationLists.h"
#include "app/StationSettings.h"
#include "entry/ChosenLine.h"
#include "entry/LookUp.h"
#include "log/LogRecord.h"
#include "log/LogRewriter.h"
#include "log/Points.h"
#include "log/StationLog.h"
#include "platform/QtPrinter.h"
#include "platform/QtSettingsStore.h"
#include "postal/PostalBase.h"
#include "reports/Listing.h"
#include "reports/ReportFiles.h"
#include "reports/ReportLines.h"
#include "reports/Summary.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// A log of records postal codes in ascending order, as Kerlanic keeps it: the postal base walked
// from end to end, each code as many times as needed to reach the count.
QByteArray realisticLog(int records)
{
    const PostalBase& base = PostalBase::shipped();
    const QStringList callsigns {"F6ABC", "F5XYZ/P", "TK5AA", "FR4QT", "ON4ABC", "F1ABCDEFGHIJ", "DL1AB"};
    QByteArray contents;
    const auto append = [&](const LogRecord& record) {
        contents += record.toLine().value_or(QByteArray()) + "\r\n";
    };
    // DFCF reference records open the log: their postal code 00000 sorts first.
    for (int i = 0; i < records / 100; ++i) {
        LogRecord record;
        record[LogField::CodePostal] = "00000";
        record[LogField::DateQso] = "14/07/09";
        record[LogField::Indicatif] = callsigns[i % callsigns.size()];
        record[LogField::Etat_QSL] = QString::number(3 + i % 2);
        record[LogField::Mode] = "SSB";
        record[LogField::Bande] = "7.0 Mhz";
        record[LogField::RefDFCF] = QString::number(10000 + i * 37).rightJustified(5, u'0');
        append(record);
    }
    const qsizetype entries = base.entryCount();
    for (int i = records / 100; i < records; ++i) {
        const PostalBase::Entry& entry = base.entry(qsizetype(i) * entries / records);
        const QString departement = base.departementOf(entry).code;
        QString code = entry.postalCode;
        if (departement == "2A" || departement == "2B")
            code = departement + code.mid(2); // the log writes Corsica as 2A004, 2B033
        const QStringList towns = base.townNamesOf(code);
        LogRecord record;
        record[LogField::CodePostal] = code;
        record[LogField::Etat_QSL] = QString::number(i % 5);
        record[LogField::Commune] = towns.value(i % std::max<qsizetype>(1, towns.size()));
        if (i % 5 != 0) { // status 0 holds a postal code without a contact
            record[LogField::DateQso] = QStringLiteral("%1/%2/%3")
                                            .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                            .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                            .arg(i % 100, 2, 10, QLatin1Char('0'));
            record[LogField::Indicatif] = callsigns[i % callsigns.size()];
            record[LogField::Mode] = kModes[i % kModes.size()];
            record[LogField::Bande] = kBands[i % kBands.size()];
            if (i % 7 == 0)
                record[LogField::RefDFCF] = QString::number(i % 90000 + 1).rightJustified(5, u'0');
        }
        append(record);
    }
    return contents;
}

volatile qsizetype g_sink = 0; // keeps the floors' work from being optimised away

double readFloor(const QString& path)
{
    return bestMs([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        std::vector<QByteArrayView> lines;
        for (qsizetype start = 0; start < bytes.size();) {
            qsizetype end = bytes.indexOf('\n', start);
            if (end < 0)
                end = bytes.size();
            lines.emplace_back(bytes.constData() + start, end - start);
            start = end + 1;
        }
        g_sink = g_sink + qsizetype(lines.size());
    });
}

double writeFloor(const QString& folder, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath("Plancher.txt");
    const double ms = bestMs([&] {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
            && file.flush())
            syncToDisk(file);
    });
    QFile::remove(path);
    return ms;
}

// Start-up is what the user waits for: from starting the program to its window's first expose,
// painted. Each start is a process of its own, this same program run as "--start bare" (a
// QMainWindow, the floor), "--start text" (the same with a line edit) or "--start kerlanic
// <folder>" (Kerlanic's own start on that folder, as the program runs it: icon, translations,
// settings, lock, shipped files, then the main window on the station's log).
int startAndShow(QApplication& app, const QString& what, const QString& folder)
{
    // Told once the expose that made the main window visible has been handled, that is painted.
    struct ShownReporter : QObject
    {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* window = qobject_cast<QWindow*>(watched);
            if (event->type() != QEvent::Expose || !window || !window->isExposed())
                return false;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMainWindow*>(top) && top->windowHandle() == window) {
                    QCoreApplication::instance()->removeEventFilter(this);
                    QTimer::singleShot(0, [] {
                        std::printf("shown\n");
                        std::fflush(stdout);
                        QCoreApplication::quit();
                    });
                }
            }
            return false;
        }
    } reporter;
    app.installEventFilter(&reporter);

    if (what == "kerlanic") {
        nameProgramAndChooseAppDir();
        return runKerlanicIn(app, folder);
    }
    QMainWindow window;
    if (what == "text")
        window.setCentralWidget(new QLineEdit(QStringLiteral("Kerlanic")));
    window.show();
    return app.exec();
}

double startUpMs(const QString& what, const QString& folder)
{
    // Kerlanic's settings, naming the station, live in the folder, away from the user's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!folder.isEmpty()) {
        const QString home = QDir(folder).filePath(QStringLiteral("home"));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        QtSettingsStore settings(home + QStringLiteral("/.config/Kerlanic/C_Postal.conf"));
        settings.write(StationSettings::kGlobalSection, StationSettings::kIndicatifStation, "F6ABC");
        settings.write(StationSettings::stationSection("F6ABC"), StationSettings::kCPStation, "45000");
    }
    std::vector<double> times;
    // The first start on a folder also writes the shipped files: one more start than is kept.
    for (int i = 0; i < 8; ++i) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(QCoreApplication::applicationFilePath(), {"--start", what, folder});
        while (!process.canReadLine() && process.waitForReadyRead(10000)) { }
        if (!process.canReadLine()) {
            // A question the program asked would wait for ever: say so rather than time it.
            process.kill();
            std::fprintf(
                stderr, "kerlanic_bench: the start \"%s\" never showed its window\n", qPrintable(what));
            std::exit(1);
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        process.waitForFinished();
    }
    times.erase(times.begin());
    return best(times);
}

enum class Floor { Read, Rewrite, Window, TextWindow, None };

struct Row
{
    const char* name;
    Floor floor;
    double target; // highest ratio wanted at the largest size (in ms without a floor); 0: none
    std::map<int, double> ms; // by record count
};

struct Floors
{
    double read = 0;
    double rewrite = 0;
    double window = 0;
    double textWindow = 0;
    double of(Floor floor) const
    {
        switch (floor) {
        case Floor::Read:
            return read;
        case Floor::Rewrite:
            return rewrite;
        case Floor::Window:
            return window;
        case Floor::TextWindow:
            return textWindow;
        case Floor::None:
            break;
        }
        return 0;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    // Only the table is printed: the offscreen platform's notes would drown it.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { });
    QApplication app(argc, argv);
    if (argc > 2 && QByteArrayView(argv[1]) == "--start")
        return startAndShow(app, argv[2], argc > 3 ? argv[3] : "");

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1000, 10000, 40000};

    std::vector<Row> rows {
        {"lecture du carnet (readLines)", Floor::Read, 5, {}},
        {"Total_Points", Floor::Read, 5, {}},
        {"Liste_Dpt(\"45\")", Floor::Read, 5, {}},
        {"Liste_Tous", Floor::Read, 5, {}},
        {"Cherche_CP (nouveau code)", Floor::Read, 5, {}},
        {"fenêtre Contactés (ouverture)", Floor::Read, 5, {}},
        {"Récapitulatif (summarise)", Floor::Read, 5, {}},
        // Not a rewrite of the log: a new file of formatted lines, measured against the same floor.
        {"compte rendu Confirmés (fichier)", Floor::Rewrite, 0, {}},
        {"compte rendu Contactés (PDF)", Floor::None, 0, {}},
        {"Ajoute_Ligne", Floor::Rewrite, 2, {}},
        {"Remplace_Ligne", Floor::Rewrite, 2, {}},
        {"Supprime_Ligne", Floor::Rewrite, 2, {}},
        {"Ajoute_Ligne du Logbook (historique, sauvegarde)", Floor::Rewrite, 2, {}},
        {"Affiche tous (Liste_CP remplie)", Floor::Read, 5, {}},
        {"carte : ouverture (comptes et dessin)", Floor::None, 50, {}},
        {"carte : redessin après un enregistrement", Floor::None, 50, {}},
        {"démarrage jusqu'à la fenêtre montrée", Floor::Window, 1.3, {}},
        {"le même démarrage", Floor::TextWindow, 0, {}},
    };
    std::map<int, Floors> floors;
    std::map<int, double> linesPerFileByte;
    std::map<int, long> peakMb;

    for (const int records : sizes) {
        QTemporaryDir dir;
        const QByteArray bytes = realisticLog(records);
        const QString path = QDir(dir.path()).filePath("F6ABC_CP.txt");
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return 1;
        }
        const StationLog log(dir.path(), "F6ABC");
        Floors& floor = floors[records];
        floor.read = readFloor(path);
        floor.rewrite = floor.read + writeFloor(dir.path(), bytes);
        floor.window = startUpMs("bare", {});
        floor.textWindow = startUpMs("text", {});

        {
            const long long before = heapBytesInUse();
            const QList<QByteArray> held = log.readLines();
            linesPerFileByte[records] = double(heapBytesInUse() - before) / double(bytes.size());
        }

        auto row = rows.begin();
        const auto time = [&](const std::function<void()>& operation, int runs = 7) {
            (row++)->ms[records] = bestMs(operation, runs);
        };
        time([&] { log.readLines(); });
        time([&] { Total_Points(log.readLines()); });
        time([&] { Liste_Dpt(log.readLines(), "45"); });
        time([&] { Liste_Tous(log.readLines()); });
        time([&] { Cherche_CP("45999", log.readLines()); });
        // What the window computes as it opens: the selection, the points, the longest line. Its
        // lines are formatted as they come into sight.
        time([&] {
            const WindowListing listing(Selection::Contacte, log.readLines(), "0.0");
            g_sink = g_sink + listing.longestLine();
        });
        time([&] { summarise(log.readLines()); });
        time([&] { saveReport(Report::Confirme, dir.path(), "F6ABC", QDate(2026, 12, 5), "0.0"); });
        {
            auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
            pdf->setOutputFormat(QPrinter::PdfFormat);
            pdf->setOutputFileName(QDir(dir.path()).filePath("rapport.pdf"));
            QtPrinter printer(std::move(pdf), [](QPrinter&) { return true; });
            time([&] {
                printReport(Report::Contacte, printer, dir.path(), "F6ABC", QDate(2026, 12, 5), "0.0", nullptr);
            }, 1);
        }

        // The road of one contact: saved, modified, then cancelled, each rewrite timed on its own.
        const QByteArray contact = "45999 12/03/06 F5XYZ        4 SSB    14 Mhz       OLIVET";
        const QByteArray modified = "45999 12/03/06 F5XYZ        2 SSB    14 Mhz       OLIVET";
        std::vector<double> add, replace, remove;
        for (int i = 0; i < 7; ++i) {
            add.push_back(bestMs([&] { Ajoute_Ligne(log, contact); }, 1));
            replace.push_back(
                bestMs([&] { Remplace_Ligne(log, modified, chosenLineMatcher(listingLine(contact))); }, 1));
            remove.push_back(bestMs([&] { Supprime_Ligne(log, chosenLineMatcher(listingLine(modified))); }, 1));
        }
        for (const std::vector<double>& times : {add, replace, remove})
            (row++)->ms[records] = best(times);
        // The same save through the logbook, which keeps the step for undo and checks the day's
        // backup; each is undone, so the log keeps its size.
        {
            FakePlatform fake;
            Logbook logbook(dir.path());
            logbook.setStation("F6ABC", "45000");
            logbook.keepBackups(fake.clock, fake.settings);
            std::vector<double> times;
            for (int i = 0; i < 8; ++i) {
                times.push_back(bestMs([&] { logbook.Ajoute_Ligne(contact); }, 1));
                logbook.undo();
            }
            // The first save of the day also writes the backup.
            times.erase(times.begin());
            (row++)->ms[records] = best(times);
        }

        // The main window as the user has it, through the same fixture as the window tests.
        {
            MainFixture fixture;
            fixture.setStation("F6ABC", "45000");
            fixture.writeLog("F6ABC", bytes);
            fixture.start();
            QCoreApplication::processEvents();
            QPushButton* all = fixture.main->findChild<QPushButton*>("Affiche_All");
            if (!all)
                return 1;
            time([&] {
                all->click();
                QCoreApplication::processEvents();
            }, 3);

            // The map: opened from its menu, counted and drawn; then counted and drawn again on
            // what a save announces.
            QAction* mapEntry = fixture.main->findChild<QAction*>("Mnu_Carte");
            std::vector<double> open, redraw;
            for (int i = 0; i < 5 && mapEntry; ++i) {
                QElapsedTimer timer;
                timer.start();
                mapEntry->trigger();
                QWidget* map = fixture.main->findChild<QWidget*>("MapWindow");
                map->repaint();
                open.push_back(double(timer.nsecsElapsed()) / 1e6);
                timer.restart();
                Q_EMIT fixture.logbook.logChanged(fixture.logbook.lines());
                map->repaint();
                redraw.push_back(double(timer.nsecsElapsed()) / 1e6);
                map->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            if (open.empty())
                return 1;
            (row++)->ms[records] = best(open);
            (row++)->ms[records] = best(redraw);
        }
        const double startUp = startUpMs("kerlanic", dir.path());
        (row++)->ms[records] = startUp;
        (row++)->ms[records] = startUp;
        peakMb[records] = peakKilobytes() / 1024;
    }

    const auto sizeText = [](int records) {
        QString text = QString::number(records);
        for (qsizetype at = text.size() - 3; at > 0; at -= 3)
            text.insert(at, u' ');
        return text;
    };
    const int largest = sizes.back();
    std::printf("| Opération | plancher |");
    for (const int records : sizes)
        std::printf(" %s |", qPrintable(sizeText(records)));
    std::printf(" cible à %s |\n|---|---|", qPrintable(sizeText(largest)));
    for (std::size_t i = 0; i < sizes.size(); ++i)
        std::printf("---|");
    std::printf("---|\n");
    const char* floorNames[] = {"lecture", "écriture", "fenêtre", "fenêtre avec texte", "aucun"};
    const auto printFloor = [&](const char* name, Floor which) {
        std::printf("| *plancher %s* | |", name);
        for (const int records : sizes)
            std::printf(" %.2f ms |", floors[records].of(which));
        std::printf(" |\n");
    };
    printFloor("lecture", Floor::Read);
    printFloor("écriture", Floor::Rewrite);
    printFloor("fenêtre", Floor::Window);
    printFloor("fenêtre avec texte", Floor::TextWindow);
    for (const Row& row : rows) {
        std::printf("| %s | %s |", row.name, floorNames[int(row.floor)]);
        for (const int records : sizes) {
            const double ms = row.ms.at(records);
            if (row.floor == Floor::None)
                std::printf(" %.1f ms |", ms);
            else
                std::printf(" %.1f× (%.1f ms) |", ms / floors[records].of(row.floor), ms);
        }
        const double ratio = row.ms.at(largest) / floors[largest].of(row.floor);
        if (row.floor == Floor::None && row.target > 0)
            std::printf(" < %.0f ms %s |\n", row.target, row.ms.at(largest) < row.target ? "oui" : "**non**");
        else if (row.target > 0)
            std::printf(" ≤ %.1f× %s |\n", row.target, ratio <= row.target ? "oui" : "**non**");
        else
            std::printf(" |\n");
    }
    std::printf("| mémoire des lignes lues / taille du fichier | |");
    for (const int records : sizes)
        std::printf(" %.2f× |", linesPerFileByte[records]);
    std::printf(" ≤ 3× %s |\n", linesPerFileByte[largest] <= 3 ? "oui" : "**non**");
    std::printf("| mémoire maximale du processus | |");
    for (const int records : sizes)
        std::printf(" %ld Mo |", peakMb[records]);
    std::printf(" < 80 Mo %s |\n", peakMb[largest] < 80 ? "oui" : "**non**");
    return 0;
}
