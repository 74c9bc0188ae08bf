#include "launcher/SampleCatalogue.h"

#include "samples/editing/frmUpdDB_AddEditDel.h"
#include "samples/editing/frmUpdDB_FieldLevel.h"
#include "samples/editing/frmUpdDB_GridLevel.h"
#include "samples/editing/frmUpdDB_RowKeysRS.h"
#include "samples/editing/frmUpdDB_RowLevel.h"
#include "samples/exploring/frmCustomizeHeader.h"
#include "samples/exploring/frmFrozenColsTester.h"
#include "samples/exploring/frmFunNGames.h"
#include "samples/exploring/frmScrlBars.h"
#include "samples/exploring/frmSelItems.h"
#include "samples/features/frmCustomDraw.h"
#include "samples/features/frmCustomSort.h"
#include "samples/features/frmMemMng.h"
#include "samples/features/frmMultiColSort.h"
#include "samples/full/frmFolderSizeManager.h"
#include "samples/full/frmMyCustomers.h"
#include "samples/full/frmOutlookDemo.h"
#include "samples/full/frmPropertyGrid.h"
#include "samples/ideas/frmCellDynamicFmt.h"
#include "samples/ideas/frmOLEDnD2Excel.h"
#include "samples/ideas/frmOLEDnD2Tessix.h"
#include "samples/ideas/frmOptMult.h"
#include "samples/viewing/frmVMFORS.h"
#include "samples/viewing/frmViewRecordset.h"
#include "samples/viewing/frmVirtual.h"

#include <QHash>

#include <memory>

namespace {

// Sample windows built so far, by class name; each new sample window adds its line here.
QHash<QString, SampleWindowFactory>& factories() {
    static QHash<QString, SampleWindowFactory> table = {
        {QStringLiteral("frmMyCustomers"), [] { return new frmMyCustomers; }},
        {QStringLiteral("frmMultiColSort"), [] { return new frmMultiColSort; }},
        {QStringLiteral("frmCustomSort"), [] { return new frmCustomSort; }},
        {QStringLiteral("frmFolderSizeManager"), [] { return new frmFolderSizeManager; }},
        {QStringLiteral("frmCustomDraw"), [] { return new frmCustomDraw; }},
        {QStringLiteral("frmMemMng"), [] { return new frmMemMng; }},
        {QStringLiteral("frmPropertyGrid"), [] { return new frmPropertyGrid; }},
        {QStringLiteral("frmVirtual"), [] { return new frmVirtual; }},
        {QStringLiteral("frmViewRecordset"), [] { return new frmViewRecordset; }},
        {QStringLiteral("frmVMFORS"), [] { return new frmVMFORS; }},
        {QStringLiteral("frmUpdDB_RowKeysRS"), [] { return new frmUpdDB_RowKeysRS; }},
        {QStringLiteral("frmUpdDB_AddEditDel"), [] { return new frmUpdDB_AddEditDel; }},
        {QStringLiteral("frmOutlookDemo"), [] { return new frmOutlookDemo; }},
        {QStringLiteral("frmUpdDB_FieldLevel"), [] { return new frmUpdDB_FieldLevel; }},
        {QStringLiteral("frmUpdDB_RowLevel"), [] { return new frmUpdDB_RowLevel; }},
        {QStringLiteral("frmUpdDB_GridLevel"), [] { return new frmUpdDB_GridLevel; }},
        {QStringLiteral("frmSelItems"), [] { return new frmSelItems; }},
        {QStringLiteral("frmScrlBars"), [] { return new frmScrlBars; }},
        {QStringLiteral("frmOptMult"), [] { return new frmOptMult; }},
        {QStringLiteral("frmCellDynamicFmt"), [] { return new frmCellDynamicFmt; }},
        {QStringLiteral("frmOLEDnD2Excel"), [] { return new frmOLEDnD2Excel; }},
        {QStringLiteral("frmOLEDnD2Tessix"), [] { return new frmOLEDnD2Tessix; }},
        {QStringLiteral("frmFrozenColsTester"), [] { return new frmFrozenColsTester; }},
        {QStringLiteral("frmCustomizeHeader"), [] { return new frmCustomizeHeader; }},
        {QStringLiteral("frmFunNGames"), [] { return new frmFunNGames; }},
    };
    return table;
}

SampleEntry entry(const char* caption, const char* description, const char* windowClass) {
    return {QString::fromUtf8(caption), QString::fromUtf8(description),
            QString::fromLatin1(windowClass)};
}

} // namespace

const std::vector<SampleGroup>& SampleCatalogue() {
    static const std::vector<SampleGroup> catalogue = {
        {QStringLiteral("Full-featured Demos"),
         QStringLiteral("Main samples which demonstrate what you can do with Tessix."),
         {
             entry("My Customers",
                   "This sample demonstrates some basic techniques of the Tessix usage.",
                   "frmMyCustomers"),
             entry("Outlook Style Demo",
                   "Demonstrates how Tessix can emulate the Outlook messages list, including "
                   "grouping of messages and message preview.",
                   "frmOutlookDemo"),
             entry("Property Grid",
                   "An example of how you can use cells of different types (textbox and combobox "
                   "cells) in the same column.",
                   "frmPropertyGrid"),
             entry("Folder Size Manager",
                   "Use this application to see how much memory each folder eats on your hard "
                   "drive.",
                   "frmFolderSizeManager"),
         }},
        {QStringLiteral("Ideas for Your Apps"),
         QStringLiteral("A set of ideas you can borrow to use in your apps."),
         {
             entry("Option Multiselect",
                   "An attractive menu with the multiselection ability you can implement using "
                   "Tessix.",
                   "frmOptMult"),
             entry("Dynamic Formatting",
                   "The cell dynamic formatting events allow you to modify cells on the fly "
                   "without performance loss in huge grids.",
                   "frmCellDynamicFmt"),
             entry("OLE Drag-n-drop #1",
                   "Tessix supports OLE Drag-n-drop you can use to drag Tessix cells into other "
                   "Windows applications (MS Excel in this sample).",
                   "frmOLEDnD2Excel"),
             entry("OLE Drag-n-drop #2",
                   "OLE Drag-n-drop can be also used to drag objects into Tessix. Here we "
                   "operate with the file in the Windows Explorer.",
                   "frmOLEDnD2Tessix"),
         }},
        {QStringLiteral("Viewing Databases and Virtual Mode"),
         QStringLiteral("Basic samples to show how to browse data in Tessix."),
         {
             entry("Viewing ADO Recordsets",
                   "Shows how to view ADO recordsets in Tessix with one statement.",
                   "frmViewRecordset"),
             entry("Virtual Grid",
                   "Demonstrates the Tessix virtual mode. In this mode Tessix requests new rows "
                   "whenever they need to be displayed.",
                   "frmVirtual"),
             entry("Remote Databases",
                   "The Tessix virtual mode can be used to browse remote databases. This demo "
                   "provides you with an idea how to implement it.",
                   "frmVMFORS"),
         }},
        {QStringLiteral("Editing Databases"),
         QStringLiteral("This sample group demonstrates the flexibility Tessix gives you when "
                        "you implement data editing."),
         {
             entry("Field-Level Editing",
                   "Explains the basic technique you can use to load a recordset into the grid "
                   "and edit it. The changes are saved just after you have edited a cell.",
                   "frmUpdDB_FieldLevel"),
             entry("Row-Level Editing",
                   "In contrast to the previous sample, this samples updates the database only "
                   "if you change the current row and uses the direct database connection for "
                   "this purpose.",
                   "frmUpdDB_RowLevel"),
             entry("Grid-Level Editing",
                   "See how Tessix can be used to implement batch changes to a recordset. The "
                   "changes in all rows are accumulated and stored into the database at one go.",
                   "frmUpdDB_GridLevel"),
             entry("Bound Controls Editing",
                   "Browsing a recordset in Tessix and editing its fields in bound controls.",
                   "frmUpdDB_RowKeysRS"),
             entry("Add, Edit, Delete...",
                   "Demonstrates one of a million possible techniques you can use to change a "
                   "database with Tessix. Uses direct database connection and row-level changes "
                   "caching.",
                   "frmUpdDB_AddEditDel"),
         }},
        {QStringLiteral("Using Particular Features"),
         QStringLiteral("Highlights some useful features of Tessix."),
         {
             entry("Multiple Columns Sort",
                   "The Tessix contents can be sorted by several columns simultaneously. See it "
                   "in this example.",
                   "frmMultiColSort"),
             entry("Custom Sorting",
                   "You can define your own sort criteria, highlight odd and even rows and "
                   "specify your own colors for the Tessix header. Check this demo for further "
                   "details.",
                   "frmCustomSort"),
             entry("Custom Draw Cells", "Shows how you can create cells drawn by yourself.",
                   "frmCustomDraw"),
             entry("Built-in Memory Manager",
                   "You can greatly reduce the time of adding rows to Tessix using its memory "
                   "manager. Test how it works in this demo!",
                   "frmMemMng"),
         }},
        {QStringLiteral("Exploring Tessix"),
         QStringLiteral("Use this sample group to examine how Tessix's features work and what "
                        "you can achieve using them."),
         {
             entry("Customizing Tessix Header",
                   "Tessix allows you to adjust a lot of its header options. This demo "
                   "demonstrates it.",
                   "frmCustomizeHeader"),
             entry("Scroll Bars Features",
                   "This sample allows you to play with all the features of Tessix's scrol bars.",
                   "frmScrlBars"),
             entry("Frozen Columns Tester",
                   "Tessix has the frozen columns functionality, and this sample demonstrates "
                   "what you can do with it.",
                   "frmFrozenColsTester"),
             entry("Selected Items",
                   "The SelItems object allows you to enumerate selected rows/cells easily.",
                   "frmSelItems"),
             entry("Fun-n-Games with Tessix",
                   "In this demo you can play with a lot of options available in Tessix.",
                   "frmFunNGames"),
         }},
    };
    return catalogue;
}

SampleWindowFactory FindSampleWindowFactory(const QString& windowClass) {
    return factories().value(windowClass);
}

void RegisterSampleWindow(const QString& windowClass, SampleWindowFactory factory) {
    if (factory)
        factories().insert(windowClass, std::move(factory));
    else
        factories().remove(windowClass);
}

ScopedSampleWindow::ScopedSampleWindow(const QString& windowClass, SampleWindowFactory factory)
    : m_windowClass(windowClass), m_previous(FindSampleWindowFactory(windowClass)) {
    RegisterSampleWindow(windowClass, std::move(factory));
}

ScopedSampleWindow::~ScopedSampleWindow() {
    RegisterSampleWindow(m_windowClass, std::move(m_previous));
}

SampleWindow& SampleWindow::Instance(const QString& windowClass) {
    static QHash<QString, std::shared_ptr<SampleWindow>> instances;
    std::shared_ptr<SampleWindow>& instance = instances[windowClass];
    if (!instance)
        instance.reset(new SampleWindow(windowClass));
    return *instance;
}

SampleWindow::SampleWindow(const QString& windowClass) : m_windowClass(windowClass) {}

QWidget* SampleWindow::Window() const {
    return m_window.data();
}

QWidget* SampleWindow::Load() {
    // A closed window deletes itself once control returns to the event loop; one that is
    // hidden now was closed (or hid itself), so the launch loads a fresh one.
    if (m_window && !m_window->isVisible()) {
        m_window->deleteLater();
        m_window.clear();
    }
    if (!m_window) {
        const SampleWindowFactory factory = FindSampleWindowFactory(m_windowClass);
        if (!factory)
            return nullptr;
        m_window = factory();
        if (m_window)
            m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return m_window.data();
}
