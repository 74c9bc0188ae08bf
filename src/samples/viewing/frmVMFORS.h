#pragma once

#include "components/grid/GridEvents.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QWidget>

#include <array>

class QLabel;
class TessixGrid;
class Variant;

// "Browsing an ADO forward-only recordset in virtual mode": the customers read through a
// forward-only cursor on the server side that fetches 20 records at a time, one record
// handed to the virtual grid for each row it asks for; the rows of non-US customers with
// large sales coloured as they arrive. The records come from the sample database, or from
// the PostgreSQL server the settings name (ServerSettingsApp, ServerSettingsSection,
// ServerSettingsKey: a connection string); one line tells which.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmVMFORS : public QWidget {
    Q_OBJECT
public:
    // The query the window browses, in ID order.
    static const QString Source;
    static constexpr int CacheSize = 20;
    // Where the connection string of a database server is kept; without it the window reads
    // the sample database.
    static const QString ServerSettingsApp;
    static const QString ServerSettingsSection;
    static const QString ServerSettingsKey;

    explicit frmVMFORS(QWidget* parent = nullptr);

    // Whether a customer's row is coloured: outside the USA with sales of 25000 or more. A
    // Null country or sales never is.
    static bool IsHighlighted(const Variant& country, const Variant& totalSales);

    std::array<QLabel*, 2> Label1;
    QLabel* lblSource; // where the records come from
    TessixGrid* grdVirtual;

private:
    void Form_Load();
    bool openDatabase();
    void grdVirtual_RequestNewRow(RequestNewRowArgs& args);
    void grdVirtual_RequestRowData(int row);

    db::Connection m_connection;
    db::Recordset m_customers; // its current record is the next one to hand to the grid
};
