// SPDX-License-Identifier: MIT
#pragma once

// Everything the application may use of the platform layer.

#include "platform/CeCommandBar.h"
#include "platform/CmdTarget.h"
#include "platform/CmdUI.h"
#include "platform/DC.h"
#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/FrameWnd.h"
#include "platform/GdiObject.h"
#include "platform/Keyboard.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/Rect.h"
#include "platform/Resource.h"
#include "platform/ScrollBar.h"
#include "platform/SplitterBar.h"
#include "platform/String.h"
#include "platform/WinApp.h"
#include "platform/WinDef.h"
#include "platform/Wnd.h"
