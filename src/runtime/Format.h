#pragma once
// Format with the format strings of the classic Basic runtime: named formats ("Currency",
// "Short Date", ...), number formats with up to four sections (positive;negative;zero;null)
// and date/time formats. Separators, names and currency come from QLocale() (the default
// locale, which tests set with QLocale::setDefault).

#include "Variant.h"

#include <QString>

namespace vb {

QString Format(const Variant& value, const QString& format = {});

} // namespace vb
