#pragma once
// The key codes, shift states and mouse buttons the windows' input events carry.

#include "core/GridInternal.h"

#include <Qt>

class QKeyEvent;

// KeyDown code of a key event (the classic virtual-key numbers), 0 for keys without one.
int windowsKeyCode(const QKeyEvent* e);
// ShiftState bits (GridShiftState) of keyboard modifiers.
int shiftState(Qt::KeyboardModifiers mods);
// GridMouseButton bits of mouse buttons.
int buttonCode(Qt::MouseButtons buttons);
