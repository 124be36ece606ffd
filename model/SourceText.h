// SPDX-License-Identifier: MIT
#pragma once

// Text helpers that the .ipuz, .jpz and .xd readers share: markup in clue
// texts turned into plain text, labels, colours, directions and messages.

#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "model/Format.h"
#include "model/PuzzleSource.h"
#include "model/Text.h"
#include "model/Types.h"

// Why a reader gives up; all but the first are kinds of puzzle it does not read.
enum class ESourceRefusal { Invalid, Acrostic, Coded, NotCrossword };

// Thrown inside a reader and caught by RunSourceReader.
struct CSourceError {
    ESourceRefusal m_nRefusal;
    std::u16string m_strWhy;  // for Invalid: what is wrong, for the message
};

// Ends the reading with "invalid puzzle file" and the reason, or with the
// refusal of a kind of puzzle.
[[noreturn]] void FailSource(std::u16string strWhy, ESourceRefusal nRefusal = ESourceRefusal::Invalid);

// The message for a refusal, with the file's name.
std::u16string RefusalText(const std::u16string& strName, const CSourceError& error);

// n in decimal digits.
std::u16string NumberText(long long n);

// Runs a reader's body on an emptied source and checks what it made
// (CheckSource). FALSE with the message in strError, and the source
// emptied again, when the body fails, the check fails or memory runs out.
template <class ReadFn>
BOOL RunSourceReader(const std::u16string& strName, CPuzzleSource& source, std::u16string& strError, ReadFn read);

// The text with its HTML-style markup removed: known tags (<i>, <b>,
// <span ...>, ...) dropped, <br> made a line break, character references
// and the common named entities decoded, and every run of blanks made one
// space, so the words on both sides of a tag stay apart exactly as they
// were. A "<" that starts no known tag stays. Leading and trailing blanks
// are kept for the caller to trim, since the text may be one piece of many.
std::u16string MarkupToPlainText(std::u16string_view text);

// The text without blanks at either end of it or of any of its lines.
std::u16string TrimText(std::u16string_view text);

// TrimText(MarkupToPlainText(WidenUtf8(text))): the plain text of UTF-8
// bytes, at once for the many texts without markup, entities, line breaks
// or runs of blanks.
std::u16string PlainTextOfUtf8(std::string_view text);

// The text without spaces, tabs and line ends at either end.
std::u16string_view TrimBlanks(std::u16string_view text);

// The lines of a text, without their "\n" or "\r\n" ends.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

// Two texts for the notes, apart by a blank line; one alone when the
// other is empty or the same.
std::u16string JoinNotes(const std::u16string& strFirst, const std::u16string& strSecond);

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

template <class ReadFn>
BOOL RunSourceReader(const std::u16string& strName, CPuzzleSource& source, std::u16string& strError, ReadFn read)
{
    source = CPuzzleSource();
    try {
        read();
        std::u16string strWhy;
        if (!CheckSource(source, strWhy))
            FailSource(strWhy);
        return TRUE;
    } catch (const CSourceError& e) {
        strError = RefusalText(strName, e);
    } catch (const std::bad_alloc&) {
        strError = FormatText(u"%s: not enough memory to read the puzzle", strName);
    }
    source = CPuzzleSource();
    return FALSE;
}
