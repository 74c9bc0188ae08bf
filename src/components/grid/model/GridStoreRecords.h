#pragma once
// The store's row and cell records, shared by the store's source files.

#include "core/GridInternal.h"

#include "model/GridStore.h"

enum RowFlag : quint16 {
    RowVisibleFlag = 0x01,
    RowGroupFlag = 0x02,
    RowSelectedFlag = 0x04,
    RowExpandedFlag = 0x08,
    RowTreeButtonFlag = 0x10,
    RowHasTag = 0x20,
    RowHasKey = 0x40,
    RowHasRowText = 0x80,
    RowFoldedFlag = 0x100,        // hidden by a collapsed ancestor
    RowTreeButtonSetFlag = 0x200, // RowTreeButton was given; otherwise a button shows on parents
    RowBandFlag = 0x400,          // a band made by grouping
};
enum CellFlag : quint8 { CellSetFlag = 0x01 };

struct GridStore::Cell {
    Variant value;
    quint32 style = 0;
    quint8 flags = 0; // CellFlag
};

struct GridStore::Row {
    Cell* cells = nullptr; // columns 1..cellSlots, in the store's cell arena
    qint32 height = 0;
    qint32 cellsHeight = -1; // -1: the whole row height
    quint32 epoch = 0;
    quint32 descendants = 0; // rows of its subtree below it (they follow it directly)
    quint16 cellSlots = 0;
    quint16 level = 0;
    quint16 flags = 0;         // RowFlag
    RowSelectionBits selected; // of the cells, by slot
};

// Inline for the cell writes: a cell of a materialised row in an ordinary column is a few
// loads away.
inline const GridColumn::DefaultsEntry& GridStore::defaultsOf(const Row* r, int slot) const {
    const GridColumn* col = columnForSlot(slot);
    // Defaults never changed while rows existed: the usual case.
    return col->m_history.size() == 1 ? col->m_history.front() : defaultsAtEpoch(col, r->epoch);
}

inline GridStore::Cell* GridStore::slotAt(Row* r, int slot) {
    return slot >= 1 && slot <= r->cellSlots ? &r->cells[size_t(slot - 1)] : grownSlotAt(r, slot);
}

inline GridStore::Cell* GridStore::setCellAt(Row* r, int slot) {
    Cell* c = slotAt(r, slot);
    if (!(c->flags & CellSetFlag)) {
        const auto& d = defaultsOf(r, slot);
        if (!d.value.isEmpty()) // a cell never set holds Empty already
            c->value = d.value;
        c->style = d.style;
        c->flags |= CellSetFlag;
    }
    return c;
}
