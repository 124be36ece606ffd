#pragma once

// Everything the application may use of the platform layer.

#include "platform/CmdTarget.h"
#include "platform/CmdUI.h"
#include "platform/DC.h"
#include "platform/GdiObject.h"
#include "platform/Rect.h"
#include "platform/Resource.h"
#include "platform/ScrollBar.h"
#include "platform/String.h"
#include "platform/WinDef.h"
#include "platform/Wnd.h"
