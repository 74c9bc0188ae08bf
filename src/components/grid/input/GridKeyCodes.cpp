#include "input/GridKeyCodes.h"

#include "components/grid/GridEvents.h"

#include <QHash>
#include <QKeyEvent>

// The key codes the windows test in KeyDown (the classic virtual-key numbers).
int windowsKeyCode(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    static const QHash<int, int> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
    };
    return codes.value(k, 0);
}

int shiftState(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? ShiftShift : 0) |
           (mods & Qt::ControlModifier ? ShiftCtrl : 0) | (mods & Qt::AltModifier ? ShiftAlt : 0);
}

int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? MouseLeft : 0) |
           (buttons & Qt::RightButton ? MouseRight : 0) |
           (buttons & Qt::MiddleButton ? MouseMiddle : 0);
}
