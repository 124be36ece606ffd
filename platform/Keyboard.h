// SPDX-License-Identifier: MIT
#pragma once

// The state of the modifier keys as the key message being handled saw it.

#include "platform/WinDef.h"

constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;

// Negative (high bit set) while the key was down when the last key message was
// generated; for VK_SHIFT, VK_CONTROL and VK_MENU.
short GetKeyState(int nVirtKey);
