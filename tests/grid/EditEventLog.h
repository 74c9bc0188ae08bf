#pragma once
// Records the editing events of a grid as short lines ("Before 2,1 text=x value=x:String
// canStay=1") so tests can compare the exact sequence. Handlers can be given answers:
// `result` for BeforeCommitEdit, `cancel` for RequestEdit.

#include "components/grid/TessixGrid.h"
#include "input/GridEditor.h"

#include <QStringList>
#include <functional>

struct EditEventLog {
    QStringList lines;
    int result = CommitStore;
    bool cancel = false;
    int maxLength = 0;
    int textStyle = EditTextNormal;
    std::function<void(BeforeCommitEditArgs&)> onBefore;

    explicit EditEventLog(TessixGrid& grid) {
        QObject::connect(&grid, &TessixGrid::RequestEdit, [this](RequestEditArgs& a) {
            lines << QString("RequestEdit %1,%2 key=%3 text=%4")
                         .arg(a.row)
                         .arg(a.col)
                         .arg(a.keyAscii)
                         .arg(a.text);
            a.cancel = cancel;
            a.maxLength = maxLength;
            a.textStyle = textStyle;
        });
        QObject::connect(&grid, &TessixGrid::BeforeCommitEdit, [this](BeforeCommitEditArgs& a) {
            lines << QString("Before %1,%2 text=%3 value=%4:%5 canStay=%6 kind=%7")
                         .arg(a.row)
                         .arg(a.col)
                         .arg(a.newText, a.newValue.toString(), a.newValue.typeName())
                         .arg(int(a.canStay))
                         .arg(a.kind);
            a.result = result;
            if (onBefore)
                onBefore(a);
        });
        QObject::connect(&grid, &TessixGrid::AfterCommitEdit,
                         [this](int row, int col, const Variant& previous) {
                             lines << QString("After %1,%2 previous=%3")
                                          .arg(row)
                                          .arg(col)
                                          .arg(previous.toString());
                         });
        QObject::connect(&grid, &TessixGrid::EditEnd, [this](int row, int col) {
            lines << QString("EditEnd %1,%2").arg(row).arg(col);
        });
        QObject::connect(
            &grid, &TessixGrid::CellCheckChange, [this](int row, int col, int previous) {
                lines << QString("CheckChange %1,%2 previous=%3").arg(row).arg(col).arg(previous);
            });
    }
    QStringList take() {
        QStringList out = lines;
        lines.clear();
        return out;
    }
};
