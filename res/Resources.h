// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Resource.h"
#include "platform/WinDef.h"

// The program's menus, toolbar, bitmap, icon, strings and dialog templates.
const ResourceSet& TrellisResources();

// Pieces of the set, defined beside their artwork.
ImageResource TrellisToolBarBitmap();
ImageResource TrellisIcon();
