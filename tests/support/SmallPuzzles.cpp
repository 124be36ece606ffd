// SPDX-License-Identifier: MIT
#include "tests/support/SmallPuzzles.h"

#include "tests/support/PuzzleFileWriter.h"

namespace trellis::test {

namespace {

const char kIpuz[] = R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
"dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3, 0]],
"solution": [["A", "B"], ["C", "D"]], "title": "Small",
"clues": {"Across": [[1, "ab"], [3, "cd"]], "Down": [[1, "ac"], [2, "bd"]]}}
)";

const char kJpz[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<crossword-compiler xmlns="http://crossword.info/xml/crossword-compiler">
<rectangular-puzzle xmlns="http://crossword.info/xml/rectangular-puzzle">
<metadata><title>Small</title></metadata>
<crossword><grid width="2" height="2">
<cell x="1" y="1" solution="A" number="1"/><cell x="2" y="1" solution="B" number="2"/>
<cell x="1" y="2" solution="C" number="3"/><cell x="2" y="2" solution="D"/>
</grid>
<word id="1" x="1-2" y="1"/><word id="3" x="1-2" y="2"/><word id="11" x="1" y="1-2"/><word id="12" x="2" y="1-2"/>
<clues><title><b>Across</b></title><clue word="1" number="1">ab</clue><clue word="3" number="3">cd</clue></clues>
<clues><title><b>Down</b></title><clue word="11" number="1">ac</clue><clue word="12" number="2">bd</clue></clues>
</crossword></rectangular-puzzle></crossword-compiler>
)";

const char kXd[] = "Title: Small\n\n\nAB\nCD\n\n\nA1. ab ~ AB\nA3. cd ~ CD\n\nD1. ac ~ AC\nD2. bd ~ BD\n";

std::uint32_t Crc32(const std::string& data)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char ch : data) {
        crc ^= ch;
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put16(std::string& out, unsigned n)
{
    out += static_cast<char>(n & 0xFF);
    out += static_cast<char>((n >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t n)
{
    Put16(out, n & 0xFFFF);
    Put16(out, n >> 16);
}

}  // namespace

std::string SmallPuzzleBytes(EPuzzleFormat nFormat)
{
    switch (nFormat) {
    case EPuzzleFormat::Ipuz:
        return kIpuz;
    case EPuzzleFormat::Jpz:
        return kJpz;
    case EPuzzleFormat::Xd:
        return kXd;
    case EPuzzleFormat::Puz:
    case EPuzzleFormat::Unknown:
        break;
    }
    return PuzzleFileWriter({"AB", "CD"}).Title("Small").Clues({"ab", "ac", "bd", "cd"}).Bytes();
}

std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& entries, std::uint32_t nDeclared)
{
    std::string out, central;
    for (const auto& [name, data] : entries) {
        const std::uint32_t nOffset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t nSize = nDeclared != 0 ? nDeclared : static_cast<std::uint32_t>(data.size());
        std::string fields;
        Put16(fields, 20);
        Put16(fields, 0);  // flags
        Put16(fields, 0);  // stored
        Put32(fields, 0);  // time and date
        Put32(fields, Crc32(data));
        Put32(fields, static_cast<std::uint32_t>(data.size()));
        Put32(fields, nSize);
        Put16(fields, static_cast<unsigned>(name.size()));
        Put16(fields, 0);
        Put32(out, 0x04034b50);
        out += fields + name + data;
        Put32(central, 0x02014b50);
        Put16(central, 20);
        central += fields;
        Put16(central, 0);  // comment
        Put16(central, 0);  // disk
        Put16(central, 0);
        Put32(central, 0);
        Put32(central, nOffset);
        central += name;
    }
    const std::uint32_t nCentral = static_cast<std::uint32_t>(out.size());
    out += central;
    Put32(out, 0x06054b50);
    Put32(out, 0);
    Put16(out, static_cast<unsigned>(entries.size()));
    Put16(out, static_cast<unsigned>(entries.size()));
    Put32(out, static_cast<std::uint32_t>(central.size()));
    Put32(out, nCentral);
    Put16(out, 0);
    return out;
}

}  // namespace trellis::test
