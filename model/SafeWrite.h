// SPDX-License-Identifier: MIT
#pragma once

// Files written whole or not at all: the bytes go to a temporary file beside
// the target, reach the disk, and take the target's place by one rename, so a
// save that fails or is cut off leaves the old file as it was.

#include <functional>
#include <string>

#include "model/File.h"
#include "model/Types.h"

// Writes through write(file) into a temporary file beside the file that
// strPath names (symbolic links followed, so they stay links), syncs it and
// renames it over that file, which keeps its permissions where the file
// system can copy them. write reports failures by throwing CFileException.
// FALSE, with the target untouched and the reason in strError, when the
// target is not a regular file or the temporary cannot be made, written or
// renamed. Temporaries that earlier saves into the same folder left behind
// (the program was killed midway) are removed first.
BOOL WriteFileSafely(const std::u16string& strPath, const std::function<void(CFile&)>& write, std::u16string& strError);

// Whether a file name is one this writer gives its temporaries.
bool IsTemporaryName(const std::u16string& strName);
