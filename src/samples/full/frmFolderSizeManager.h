#pragma once

#include "components/grid/GridEvents.h"

#include <QWidget>

#include <optional>

class IconList;
class StatusBar;
class TessixGrid;

// "Folder Size Manager": one row per local volume with its label and free space; expanding a
// volume or a folder lists its subfolders with their total sizes, a "[Files]" row for the
// files lying in it, and each child's share of the parent drawn as a bar. Sizes are measured
// at a row's first expansion; Esc cancels, and a cancelled row is measured again at its next
// expansion.
class frmFolderSizeManager : public QWidget {
    Q_OBJECT
public:
    // roots: the volumes to list (each ending with "/"); the mounted local volumes when none.
    explicit frmFolderSizeManager(QWidget* parent = nullptr,
                                  std::optional<QStringList> roots = std::nullopt);
    ~frmFolderSizeManager() override;

    // The size text: "1.50 Gb", "12.00 Mb", "3.25 Kb", "1024 bytes".
    static QString FormatSize(quint64 value);

    // The text the status bar shows while a row is measured.
    static inline const QString ScanningText =
        QStringLiteral("Calculating folder sizes (Esc to cancel)...");
    // The error cell of a figure cut short by Esc.
    static inline const QString CancelledText = QStringLiteral("Incomplete");

    TessixGrid* Tessix1;
    IconList* imlThis;
    StatusBar* StatusBar1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Kind { Drive, Folder, Files };
    void SetupGrid();
    void LoadDrives(const QStringList& roots);
    int AddItemRow(Kind kind, int parentRow, const QString& name, quint64 size,
                   const QString& fullPath, bool hasSubfolders, const QString& errorText);
    // Lists and measures the children of a row; false when Esc cut it short.
    bool ExpandFolder(int row);
    void removeChildren(int row);

    void Tessix1_BeforeExpandRow(int row, bool expand);
    void Tessix1_CellDynamicText(CellDynamicTextArgs& args);
    void Tessix1_CustomDrawCell(CustomDrawCellArgs& args);
    void Tessix1_CellMouseUp(CellMouseArgs& args);

    bool m_scanning = false; // a row is being measured: other expansions wait for it
};
