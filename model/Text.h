// SPDX-License-Identifier: MIT
#pragma once

// Conversions between the 8-bit texts of files and the program's 16-bit
// strings.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Types.h"

// A byte of the Windows-1252 code page as a 16-bit character. The five
// bytes that code page leaves undefined keep their own value.
WCHAR Cp1252ToWide(BYTE b);

// The Windows-1252 byte of a character (the inverse of Cp1252ToWide); false
// for a character that code page does not hold.
bool WideToCp1252(WCHAR ch, BYTE& b);

// A byte of a puzzle text: typographic quotes and the en dash become their
// plain ASCII forms, every other byte follows Windows-1252.
WCHAR PuzzleTextChar(BYTE b);

// Puzzle text bytes as a string. With bUtf8 the bytes are read as UTF-8,
// and a byte that starts no valid sequence is taken as PuzzleTextChar.
// Without it, a text that is valid UTF-8 throughout and holds a character
// beyond ASCII is read as UTF-8 too; any other is read byte by byte.
std::u16string DecodePuzzleText(const BYTE* pBytes, std::size_t nCount, bool bUtf8);

// A Unicode code point appended as one or two 16-bit units.
void AppendCodePoint(std::u16string& out, char32_t cp);

// A Unicode code point appended as its one to four bytes of UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// UTF-8 (e.g. system error texts) as a 16-bit string.
std::u16string WidenUtf8(std::string_view text);

// The bytes that the character at text[i] takes in UTF-8 text as WidenUtf8
// reads it: its sequence when that is valid, else the one byte, which
// stands for a character of its own. 0 at the end.
std::size_t Utf8CharLength(std::string_view text, std::size_t i);

// The length of the valid UTF-8 sequence at text[i] (1 to 4), or 0 where
// none starts: at the end, or at a byte that starts no sequence, begins an
// overlong form or a surrogate, or is cut short.
std::size_t ValidUtf8Length(std::string_view text, std::size_t i);

// A 16-bit string as UTF-8; a lone surrogate becomes U+FFFD, so the result
// is always valid UTF-8.
std::string NarrowUtf8(std::u16string_view text);
