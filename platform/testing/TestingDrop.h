// SPDX-License-Identifier: MIT
#pragma once

// Test seam of drag and drop: things dragged in from another program and let
// go over a window, through the events Qt delivers for a real drag.

#include "platform/Wnd.h"

#include <string>
#include <vector>

namespace Testing {

// Drags the items to the point (pWnd's client coordinates) and lets go: the
// widget there that takes drops, or its nearest ancestor that does, gets
// DragEnter and DragMove and, when it accepts them, Drop. An item is a file's
// absolute path, or else a link such as "https://example.com/a.puz". TRUE
// when the drop was taken.
BOOL DropItems(CWnd* pWnd, CPoint point, const std::vector<std::u16string>& items);

}  // namespace Testing
