// Measures the postal-code search the way a user drives it: one search per keystroke, on the
// whole base, first the search alone, then in the CodePostal window itself (search, list and
// status line redrawn as Qt redraws them). Each keystroke must be answered in well under 10 ms.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/postal_bench [repeats].

#include "BenchTools.h"
#include "codepostal/CodePostalWindow.h"
#include "postal/PostalBase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const long before = peakKilobytes();

    QElapsedTimer timer;
    timer.start();
    const PostalBase& base = PostalBase::shipped();
    const double decodeMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("Base: %lld communes, %lld (postal code, commune) pairs, %lld postal codes\n",
        static_cast<long long>(base.communeCount()), static_cast<long long>(base.entryCount()),
        static_cast<long long>(base.postalCodeCount()));
    std::printf("%-44s %9.2f ms\n", "decode at first use", decodeMs);
    std::printf("%-44s %9ld kB\n", "memory taken by the base (peak growth)", peakKilobytes() - before);

    // Texts typed one key at a time; each prefix is one keystroke.
    const char* typed[] = {"saint denis", "st denis", "orleans", "45000", "2a000", "a", "e", "sainte marie",
        "la chapelle", "l'hay-les-roses", "zzzz", "45 saint"};
    CodePostalWindow window(base);
    window.show();
    QLineEdit* box = window.findChild<QLineEdit*>(QStringLiteral("Saisie"));
    QCoreApplication::processEvents();

    double worst = 0;
    double total = 0;
    int keystrokes = 0;
    std::printf(
        "%-22s %16s %16s %9s\n", "typed one key at a time", "search alone", "in the window", "results");
    for (const char* text : typed) {
        const QString full = QString::fromUtf8(text);
        double worstSearch = 0;
        double worstWindow = 0;
        std::size_t rows = 0;
        for (qsizetype length = 1; length <= full.size(); ++length) {
            const QString prefix = full.left(length);
            QElapsedTimer keystroke;
            keystroke.start();
            for (int i = 0; i < repeats; ++i)
                rows = base.search(prefix).size();
            worstSearch = std::max(worstSearch, double(keystroke.nsecsElapsed()) / 1e6 / repeats);

            keystroke.restart();
            for (int i = 0; i < repeats; ++i) {
                box->setText(i % 2 ? prefix : prefix + QLatin1Char(' '));
                QCoreApplication::processEvents();
            }
            const double ms = double(keystroke.nsecsElapsed()) / 1e6 / repeats;
            worstWindow = std::max(worstWindow, ms);
            total += ms;
            ++keystrokes;
        }
        worst = std::max(worst, worstWindow);
        std::printf("%-22s %13.3f ms %13.3f ms %9zu\n", ("\"" + full + "\"").toUtf8().constData(),
            worstSearch, worstWindow, rows);
    }
    std::printf("%-44s %9.3f ms\n", "mean per keystroke in the window", total / keystrokes);
    std::printf("%-44s %9.3f ms (limit 10 ms)\n", "slowest keystroke in the window", worst);
    std::printf("%-44s %9ld kB\n", "peak memory", peakKilobytes());
    return worst < 10 ? 0 : 1;
}
