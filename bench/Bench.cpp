#include "Bench.h"

#include "app/Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <thread>

namespace {
std::vector<Workload>& registry() {
    static std::vector<Workload> all;
    return all;
}

// The runs of one side: the median is the figure, the minimum and maximum its spread.
struct Figures {
    double median = std::nan("");
    double min = std::nan("");
    double max = std::nan("");
};

// One run first that is not counted, so neither side pays for a cold heap or cold caches.
Figures figuresOf(int runs, const std::function<double()>& run) {
    run();
    std::vector<double> v;
    for (int i = 0; i < std::max(1, runs); ++i)
        v.push_back(run());
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return {n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2, v.front(), v.back()};
}

// The processor the figures come from ("AMD EPYC 9R14, 2 cores"): figures of one machine
// kind differ between processors, so every result names its own.
QString processorName() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString model = QStringLiteral("unknown processor");
    bool avx512 = false;
    if (cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // The first processor's lines are enough: the cores of a machine are alike.
        for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
            const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed();
            if (line.startsWith("model name"))
                model = QString::fromUtf8(value).simplified();
            else if (line.startsWith("flags"))
                avx512 = value.split(' ').contains("avx512f");
            else if (line.isEmpty())
                break;
        }
    }
    return QStringLiteral("%1, %2 cores%3")
        .arg(model)
        .arg(std::thread::hardware_concurrency())
        .arg(avx512 ? QStringLiteral(", AVX-512") : QString());
}

QString spread(const Figures& f) {
    return QStringLiteral("%1 (%2-%3)")
        .arg(f.median, 0, 'f', 2)
        .arg(f.min, 0, 'f', 2)
        .arg(f.max, 0, 'f', 2);
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
    PrepareProcess();
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
    }
    const QString machine =
        QStringLiteral("%1; Qt %2").arg(processorName(), QString::fromLatin1(qVersion()));
    std::printf("Figures from: %s. Each: median (minimum-maximum) of the runs.\n",
                qPrintable(machine));
    if (tsv.isOpen())
        out << "# " << machine << "; median, minimum and maximum of the runs\n"
            << "workload\ttessix\ttessix_min\ttessix_max\tqt\tqt_min\tqt_max\tunit\n";
    std::printf("%-20s %24s %24s %8s  %s\n", "workload", "tessix", "qt", "qt/tessix", "unit");
    for (const Workload& w : registry()) {
        if (!only.isEmpty() && !only.contains(w.name))
            continue;
        const Figures ours = figuresOf(w.runs, w.tessix);
        const Figures theirs = tessixOnly ? Figures{} : figuresOf(w.runs, w.qt);
        const double ratio = ours.median > 0 ? theirs.median / ours.median : 0;
        std::printf("%-20s %24s %24s %8.2f  %s\n", qPrintable(w.name), qPrintable(spread(ours)),
                    qPrintable(spread(theirs)), ratio, qPrintable(w.unit));
        if (!w.note.isEmpty())
            std::printf("    (%s)\n", qPrintable(w.note));
        std::fflush(stdout);
        if (tsv.isOpen())
            out << w.name << '\t' << ours.median << '\t' << ours.min << '\t' << ours.max << '\t'
                << theirs.median << '\t' << theirs.min << '\t' << theirs.max << '\t' << w.unit
                << '\n';
    }
    return 0;
}
