#pragma once
// The benchmark frame: each workload runs the same work on our grid and on Qt's stock table
// (QStandardItemModel shown in a QTableView); the frame takes the median of several runs of
// each side (after one uncounted warm-up run) and reports both figures and their ratio.
//
// Adding a workload is one registration, usually at file scope:
//   static const bool registered = registerWorkloads({{"name", "ms", 5, tessixFn, qtFn}});
// where each function does one run (its own setup) and returns the figure of that run.

#include <QString>
#include <functional>
#include <utility>
#include <vector>

struct Workload {
    Workload(QString name, QString unit, int runs, std::function<double()> tessix,
             std::function<double()> qt, QString note = {})
        : name(std::move(name)), unit(std::move(unit)), runs(runs), tessix(std::move(tessix)),
          qt(std::move(qt)), note(std::move(note)) {}

    QString name;
    QString unit; // "ms", "bytes", ...
    int runs = 5;
    std::function<double()> tessix;
    std::function<double()> qt;
    QString note; // printed under the figures, e.g. when a side measures less work
};

bool registerWorkloads(std::vector<Workload> workloads);

// Milliseconds the work takes.
double elapsedMs(const std::function<void()>& work);
// Bytes in use on the heap now (malloc statistics, mapped blocks included).
double heapBytes();
