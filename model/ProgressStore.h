// SPDX-License-Identifier: MIT
#pragma once

// Keeps the player's progress of each puzzle in one folder, one file per
// puzzle, keyed by the puzzle's content, so it follows the puzzle, not its path.
//
// An entry holds the bytes of a solution file (so both hold the same letters),
// then tagged sections for the state a solution file has no room for: each a
// four-byte tag, a 32-bit little-endian length and that many bytes. Readers
// skip tags they do not know; a section that runs past the end, or a known one
// of the wrong size, makes the whole entry damaged.

#include <cstddef>
#include <string>

#include "model/Types.h"

class CCrossWordPuzzle;

class CProgressStore {
public:
    explicit CProgressStore(std::u16string strFolder, std::size_t nMaxEntries = 1000);

    // The entry's key, from the puzzle's content: its size, black squares and
    // answers (as the file holds them, so unlocking keeps the key) and its
    // clues, never its path; the same puzzle in two places gives one key. The
    // title, author, copyright and notes take no part, so a puzzle published
    // again under another date or copyright line keeps its progress; the same
    // grid with other clues is another puzzle. The player's letters take no
    // part either.
    static std::string KeyOf(const CCrossWordPuzzle& puzzle);

    // Writes the player's state atomically (temporary file, fsync, rename);
    // FALSE, with the old entry kept, when it cannot. Prunes the oldest entries
    // (by the time they were last saved or restored) beyond nMaxEntries.
    BOOL Save(const CCrossWordPuzzle& puzzle);
    // Puts stored progress into the puzzle: letters, marks, pencil, rebus
    // entries and black marks, all of them, over whatever the puzzle held, and
    // the time spent when the entry keeps one (as the puzzle's file time,
    // before the session's clock begins). FALSE, and nothing changed, when
    // there is none or the entry is damaged (damaged entries never raise a
    // message).
    BOOL Restore(CCrossWordPuzzle& puzzle) const;

    // Where the puzzle's entry is kept.
    std::u16string PathOf(const CCrossWordPuzzle& puzzle) const;

private:
    void Prune(const std::u16string& strKeep) const;

    std::u16string m_strFolder;
    std::size_t m_nMaxEntries;
};
