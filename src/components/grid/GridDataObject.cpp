#include "components/grid/GridDataObject.h"

QString GridDataFiles::Item(int index) const {
    return index >= 1 && index <= Count() ? m_paths.at(index - 1) : QString();
}

bool GridDataObject::SetData(const Variant& value, int format) {
    switch (format) {
    case DataFormatText:
        m_text = value.toString();
        m_hasText = true;
        return true;
    case DataFormatFiles:
        m_filesAnnounced = true;
        return true;
    default:
        return false;
    }
}

bool GridDataObject::GetFormat(int format) const {
    switch (format) {
    case DataFormatText:
        return m_hasText;
    case DataFormatFiles:
        return m_filesAnnounced || m_files.Count() > 0;
    default:
        return false;
    }
}

Variant GridDataObject::GetData(int format) const {
    return format == DataFormatText && m_hasText ? Variant(m_text) : Variant();
}
