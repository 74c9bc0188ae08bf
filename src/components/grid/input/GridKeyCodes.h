#pragma once
// The key codes and shift states the windows' key events carry.

#include "core/GridInternal.h"

#include <Qt>

class QKeyEvent;

// KeyDown code of a key event (the classic virtual-key numbers), 0 for keys without one.
int windowsKeyCode(const QKeyEvent* e);
// ShiftState bits (GridShiftState) of keyboard modifiers.
int shiftState(Qt::KeyboardModifiers mods);
