// SPDX-License-Identifier: MIT
#pragma once

// The one document inside a zip archive held in memory, as zipped .jpz
// files carry it.

#include <cstddef>
#include <string>
#include <string_view>

// True when the bytes start as a zip archive does.
bool IsZipArchive(std::string_view bytes);

// Unpacks the archive's one document: the first entry named *.jpz, else
// the first *.xml, else the only entry, leaving out folders and the
// resource forks some archivers add (__MACOSX/, ._*). An entry that
// declares more than nMaxBytes is refused before any of it is inflated,
// and one that inflates to more or fewer bytes than it declares, or fails
// its checksum, is refused too. False with the reason in strWhy.
bool UnzipDocument(std::string_view archive, std::size_t nMaxBytes, std::string& document, std::u16string& strWhy);
