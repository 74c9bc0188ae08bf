#pragma once

#include <QColor>

// OLE colours: 0x00BBGGRR for plain colours; 0x800000nn names system colour nn, which
// comes from the application palette, so windows follow the desktop's colours.

// Channels outside 0..255 are clamped.
quint32 RGB(int red, int green, int blue);

// The colour an OLE colour stands for. The top byte of a plain colour is ignored; an
// unknown system colour gives the window background.
QColor OleColorToQColor(quint32 oleColor);

// An OLE colour with system colours resolved, as 0x00BBGGRR.
quint32 OleColorToRGB(quint32 oleColor);

// A colour as a plain OLE colour (alpha dropped).
quint32 QColorToOle(const QColor& color);
