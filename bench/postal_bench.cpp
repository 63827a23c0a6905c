// Measures the postal-code search the way a user drives it: one search per keystroke, on the
// whole base, through the model the CodePostal window shows. Each keystroke must be answered in
// well under 10 ms. Run by hand: build/bench/postal_bench [repeats].

#include "postal/PostalBase.h"
#include "postal/PostalSearchModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
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
    PostalSearchModel model(base);
    double worst = 0;
    double total = 0;
    int keystrokes = 0;
    for (const char* text : typed) {
        const QString full = QString::fromUtf8(text);
        double worstOfText = 0;
        int rows = 0;
        for (qsizetype length = 1; length <= full.size(); ++length) {
            const QString prefix = full.left(length);
            QElapsedTimer keystroke;
            keystroke.start();
            for (int i = 0; i < repeats; ++i)
                model.setSearchText(prefix);
            const double ms = double(keystroke.nsecsElapsed()) / 1e6 / repeats;
            worstOfText = std::max(worstOfText, ms);
            total += ms;
            ++keystrokes;
            rows = model.rowCount();
        }
        worst = std::max(worst, worstOfText);
        std::printf("typing %-20s slowest key %7.3f ms, %5d results at the end\n",
            ("\"" + full + "\"").toUtf8().constData(), worstOfText, rows);
    }
    std::printf("%-44s %9.3f ms\n", "mean per keystroke", total / keystrokes);
    std::printf("%-44s %9.3f ms (limit 10 ms)\n", "slowest keystroke", worst);
    std::printf("%-44s %9ld kB\n", "peak memory", peakKilobytes());
    return worst < 10 ? 0 : 1;
}
