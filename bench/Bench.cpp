#include "Bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>

namespace {
std::vector<Workload>& registry() {
    static std::vector<Workload> all;
    return all;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One run first that is not counted, so neither side pays for a cold heap or cold caches.
double medianOf(int runs, const std::function<double()>& run) {
    run();
    std::vector<double> figures;
    for (int i = 0; i < std::max(1, runs); ++i)
        figures.push_back(run());
    return median(figures);
}
} // namespace

bool registerWorkloads(std::vector<Workload> workloads) {
    for (auto& w : workloads)
        registry().push_back(std::move(w));
    return true;
}

double elapsedMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double heapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

// tessix-bench [--tessix-only] [result.tsv] [workload...]: runs the named workloads (all
// when none given), prints one line per workload and writes the table to the TSV file.
int main(int argc, char** argv) {
    // Freed memory stays with the process (no trimming, no separate mappings for big
    // blocks), so the warm-up run really warms the heap: otherwise every run of either side
    // pays the kernel again for fresh pages, and a figure depends on what ran before it.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest threshold glibc accepts
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    // For profiling our side alone: the Qt figures are left out (nan).
    const bool tessixOnly = args.removeAll(QStringLiteral("--tessix-only")) > 0;
    const QString tsvPath = args.value(0);
    const QStringList only = args.mid(1);

    QFile tsv(tsvPath);
    QTextStream out(&tsv);
    if (!tsvPath.isEmpty()) {
        if (!tsv.open(QIODevice::WriteOnly | QIODevice::Text)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(tsvPath));
            return 1;
        }
        out << "workload\ttessix\tqt\tunit\n";
    }
    std::printf("%-22s %14s %14s %8s  %s\n", "workload", "tessix", "qt", "qt/tessix", "unit");
    for (const Workload& w : registry()) {
        if (!only.isEmpty() && !only.contains(w.name))
            continue;
        const double ours = medianOf(w.runs, w.tessix);
        const double theirs = tessixOnly ? std::nan("") : medianOf(w.runs, w.qt);
        const double ratio = ours > 0 ? theirs / ours : 0;
        std::printf("%-22s %14.2f %14.2f %8.2f  %s\n", qPrintable(w.name), ours, theirs, ratio,
                    qPrintable(w.unit));
        if (!w.note.isEmpty())
            std::printf("    (%s)\n", qPrintable(w.note));
        std::fflush(stdout);
        if (tsv.isOpen())
            out << w.name << '\t' << ours << '\t' << theirs << '\t' << w.unit << '\n';
    }
    return 0;
}
