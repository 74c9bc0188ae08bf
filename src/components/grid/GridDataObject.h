#pragma once
// The data of a drag with other programs, as the drag events hand it to the windows: a text
// (format 1) and a list of local files (format 15). A drag out offers what the window set;
// a drop brings what the other program offered, read into these two formats.

#include "runtime/Variant.h"

#include <QString>
#include <QStringList>

// Data formats, as the windows pass them.
enum GridDataFormat : int { DataFormatText = 1, DataFormatFiles = 15 };

// Drop effects, as bits: what a source allows, what a target accepts or did.
enum GridDropEffect : int {
    DropEffectNone = 0,
    DropEffectCopy = 1,
    DropEffectMove = 2,
    DropEffectLink = 4
};

// The `Files` collection: full paths of local files, in order; a path may come twice.
class GridDataFiles {
public:
    void Add(const QString& path) { m_paths.append(path); }
    int Count() const { return int(m_paths.size()); }
    QString Item(int index) const; // 1-based; "" for a bad index
    void Clear() { m_paths.clear(); }
    QStringList::const_iterator begin() const { return m_paths.cbegin(); }
    QStringList::const_iterator end() const { return m_paths.cend(); }

private:
    QStringList m_paths;
};

class GridDataObject {
public:
    // Format 1 keeps the value's text; format 15 (with no value) announces a file list, whose
    // paths go into Files. Other formats are refused (false).
    bool SetData(const Variant& value, int format);
    // Whether the data offers the format: text that was set or dropped, or a file list that
    // was announced or holds paths.
    bool GetFormat(int format) const;
    // Format 1: the text; Empty for another format or when there is none.
    Variant GetData(int format) const;
    GridDataFiles& Files() { return m_files; }
    const GridDataFiles& Files() const { return m_files; }
    // Neither text nor paths: nothing a drag could offer.
    bool isEmpty() const { return !m_hasText && m_files.Count() == 0; }

private:
    QString m_text;
    bool m_hasText = false;
    bool m_filesAnnounced = false;
    GridDataFiles m_files;
};
