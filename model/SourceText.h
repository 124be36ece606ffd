// SPDX-License-Identifier: MIT
#pragma once

// Text helpers that the .ipuz, .jpz and .xd readers share: markup in clue
// texts turned into plain text, labels, colours, directions and messages.

#include <string>
#include <string_view>

#include "model/PuzzleSource.h"

// The text with its HTML-style markup removed: known tags (<i>, <b>,
// <span ...>, ...) dropped, <br> made a line break, character references
// and the common named entities decoded, and every run of blanks made one
// space, so the words on both sides of a tag stay apart exactly as they
// were. A "<" that starts no known tag stays. Leading and trailing blanks
// are kept for the caller to trim, since the text may be one piece of many.
std::u16string MarkupToPlainText(std::u16string_view text);

// The text without blanks at either end of it or of any of its lines.
std::u16string TrimText(std::u16string_view text);

// The number a label spells in decimal digits alone (at most nine), or -1.
int LabelNumber(std::u16string_view strLabel);

// The direction a list name tells: "Across" or "Down" in any case, else other.
EClueDirection DirectionOfName(std::u16string_view strName);

// A colour written "#RRGGBB", "RRGGBB", "#RGB" or "RGB" (hex digits in any
// case) as 0xRRGGBB; -1 for anything else.
long ParseHexColor(std::string_view text);

// "<name>: invalid puzzle file (<why>)", or without the reason when it is empty.
std::u16string InvalidSourceText(const std::u16string& strName, std::u16string_view strWhy);

// Fills in the squares of every clue of an across or down list that has
// none and whose number (or, without one, label) is the label of a square:
// the word from that square to the next block, missing square, bar or edge.
// Stops, returning false, when the clues would name more than
// kMaxSourceClueCells squares together.
bool DeriveClueCells(CPuzzleSource& source);

// The number of clues in all lists, and of the squares they name.
std::size_t CountClues(const CPuzzleSource& source);
std::size_t CountClueCells(const CPuzzleSource& source);

// Checks what every reader must deliver: a grid of 1 to kMaxSourceGridSide
// squares each way, clues within their bounds and every clue square an open
// square in the grid.
// False with the reason in strWhy.
bool CheckSource(const CPuzzleSource& source, std::u16string& strWhy);
