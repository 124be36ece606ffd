#pragma once

#include "platform/Resource.h"

// The program's menus, toolbar, bitmap, icon, strings and dialog templates.
const ResourceSet& TrellisResources();

// Pieces of the set, defined beside their artwork.
ImageResource TrellisToolBarBitmap();
ImageResource TrellisIcon();
