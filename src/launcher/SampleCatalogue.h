#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// What the launcher lists: six groups of sample windows, in the order shown.
struct SampleEntry {
    QString caption;
    QString description;
    QString windowClass; // class name of the sample window, e.g. "frmMyCustomers"
};

struct SampleGroup {
    QString caption;
    QString description; // the group's tooltip text
    std::vector<SampleEntry> entries;
};

const std::vector<SampleGroup>& SampleCatalogue();

// Makes a new sample window, not yet shown; constructing it runs the window's load.
using SampleWindowFactory = std::function<QWidget*()>;

// The factory of a window class; empty while that window is not built.
SampleWindowFactory FindSampleWindowFactory(const QString& windowClass);
// Registers the factory of a window class; an empty factory removes it.
void RegisterSampleWindow(const QString& windowClass, SampleWindowFactory factory);

// Registers a factory for the lifetime of the scope, then puts back the previous one.
class ScopedSampleWindow {
public:
    ScopedSampleWindow(const QString& windowClass, SampleWindowFactory factory);
    ~ScopedSampleWindow();
    ScopedSampleWindow(const ScopedSampleWindow&) = delete;
    ScopedSampleWindow& operator=(const ScopedSampleWindow&) = delete;

private:
    QString m_windowClass;
    SampleWindowFactory m_previous;
};

// The program-wide single instance of one sample window. It exists before the window is
// loaded; the window is loaded at its first launch, and afresh after the user closed it.
class SampleWindow : public QObject {
    Q_OBJECT
public:
    // The instance for a window class, created on first use and kept for the whole run.
    static SampleWindow& Instance(const QString& windowClass);

    QString WindowClass() const { return m_windowClass; }
    // The loaded window, or null.
    QWidget* Window() const;
    // The loaded window, loading it first when needed; null when the window is not built.
    QWidget* Load();

private:
    explicit SampleWindow(const QString& windowClass);

    QString m_windowClass;
    QPointer<QWidget> m_window;
};
