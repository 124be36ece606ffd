// SPDX-License-Identifier: MIT
#include "tests/support/PuzzleFileWriter.h"

#include <stdexcept>
#include <utility>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleLayout.h"
#include "model/Scramble.h"
#include "tests/support/TempDir.h"

namespace trellis::test {

namespace {

// Words (runs of two or more white squares) across plus down.
int CountWords(const std::vector<std::string>& rows)
{
    const int nHeight = static_cast<int>(rows.size());
    auto white = [&](int c, int r) {
        return r >= 0 && r < nHeight && c >= 0 && c < static_cast<int>(rows[r].size()) && rows[r][c] != '#';
    };
    int nWords = 0;
    for (int r = 0; r < nHeight; ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            if (!white(c, r))
                continue;
            nWords += (!white(c - 1, r) && white(c + 1, r)) ? 1 : 0;
            nWords += (!white(c, r - 1) && white(c, r + 1)) ? 1 : 0;
        }
    }
    return nWords;
}

void PutWord(std::string& bytes, std::size_t nOffset, WORD w)
{
    bytes[nOffset] = static_cast<char>(w & 0xFF);
    bytes[nOffset + 1] = static_cast<char>(w >> 8);
}

}  // namespace

PuzzleFileWriter::PuzzleFileWriter(std::vector<std::string> rows) : m_rows(std::move(rows))
{
}

PuzzleFileWriter& PuzzleFileWriter::Title(std::string text)
{
    m_title = std::move(text);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Author(std::string text)
{
    m_author = std::move(text);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Copyright(std::string text)
{
    m_copyright = std::move(text);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Notes(std::string text)
{
    m_notes = std::move(text);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Diagramless()
{
    m_bDiagramless = true;
    return *this;
}

PuzzleFileWriter& PuzzleFileWriter::State(std::vector<std::string> rows)
{
    m_state = std::move(rows);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Version(std::string version)
{
    m_version = std::move(version);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Prefix(std::string bytes)
{
    m_prefix = std::move(bytes);
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Terminator(char ch)
{
    m_terminator = ch;
    return *this;
}
PuzzleFileWriter& PuzzleFileWriter::Locked(int nKey)
{
    m_nKey = nKey;
    return *this;
}

PuzzleFileWriter& PuzzleFileWriter::Section(const std::string& name, const std::string& data)
{
    const WORD wSum = RegionChecksum(reinterpret_cast<const BYTE*>(data.data()), data.size());
    std::string head = name.substr(0, kSectionLengthOffset);
    head.resize(kSectionDataOffset, '\0');
    PutWord(head, kSectionLengthOffset, static_cast<WORD>(data.size()));
    PutWord(head, kSectionChecksumOffset, wSum);
    m_sections += head + data + '\0';
    return *this;
}

// Each of four rounds shifts every letter on by the digit of its position,
// moves the first digit-many letters to the end, and interleaves the second
// half with the first.
std::string PuzzleFileWriter::Scramble(std::string letters, int nKey)
{
    const int digits[4] = {nKey / 1000 % 10, nKey / 100 % 10, nKey / 10 % 10, nKey % 10};
    const std::size_t n = letters.size();
    for (int round = 0; round < 4 && n > 0; ++round) {
        for (std::size_t j = 0; j < n; ++j) {
            if (letters[j] >= 'A' && letters[j] <= 'Z')
                letters[j] = static_cast<char>('A' + (letters[j] - 'A' + digits[j % 4]) % 26);
        }
        const std::size_t k = static_cast<std::size_t>(digits[round]) % n;
        letters = letters.substr(k) + letters.substr(0, k);
        std::string mixed;
        for (std::size_t j = 0; j < n / 2; ++j) {
            mixed.push_back(letters[n / 2 + j]);
            mixed.push_back(letters[j]);
        }
        if (n % 2 == 1)
            mixed.push_back(letters.back());
        letters = mixed;
    }
    return letters;
}

PuzzleFileWriter& PuzzleFileWriter::Clues(std::vector<std::string> clues)
{
    m_clues = std::move(clues);
    m_bClues = true;
    return *this;
}

std::string PuzzleFileWriter::Bytes() const
{
    const std::size_t nWidth = m_rows.empty() ? 0 : m_rows[0].size();
    std::vector<std::string> clues = m_clues;
    if (!m_bClues) {
        const int nWords = CountWords(m_rows);
        for (int i = 1; i <= nWords; ++i)
            clues.push_back("Clue " + std::to_string(i));
    }

    std::string header(kGridOffset, '\0');
    header.replace(kMarkerOffset, 12, std::string("ACROSS&DOWN\0", 12));
    header.replace(kVersionOffset, m_version.size(), m_version);
    header[kSizeOffset] = static_cast<char>(nWidth);
    header[kSizeOffset + 1] = static_cast<char>(m_rows.size());
    PutWord(header, kClueCountOffset, static_cast<WORD>(clues.size()));
    PutWord(header, kPuzzleTypeOffset, m_bDiagramless ? 0x0401 : 0x0001);

    std::string answers, state;
    for (const std::string& row : m_rows) {
        for (char ch : row) {
            answers.push_back(ch == '#' ? '.' : ch == '.' ? 'A' : ch);
            state.push_back(ch == '#' ? (m_bDiagramless ? ':' : '.') : '-');
        }
    }
    if (m_nKey >= 0) {
        std::string columns;
        for (std::size_t c = 0; c < nWidth; ++c)
            for (std::size_t r = 0; r < m_rows.size(); ++r)
                if (answers[r * nWidth + c] != '.')
                    columns.push_back(answers[r * nWidth + c]);
        const WORD wSum = RegionChecksum(reinterpret_cast<const BYTE*>(columns.data()), columns.size());
        PutWord(header, kAnswerChecksumOffset, wSum);
        PutWord(header, kScrambledOffset, kScrambledFlag);
        columns = Scramble(columns, m_nKey);
        std::size_t i = 0;
        for (std::size_t c = 0; c < nWidth; ++c)
            for (std::size_t r = 0; r < m_rows.size(); ++r)
                if (answers[r * nWidth + c] != '.')
                    answers[r * nWidth + c] = columns[i++];
    }
    if (!m_state.empty()) {
        state.clear();
        for (const std::string& row : m_state)
            state += row;
    }

    std::string bytes = m_prefix + header + answers + state;
    for (const std::string* text : {&m_title, &m_author, &m_copyright})
        bytes += *text + m_terminator;
    for (const std::string& clue : clues)
        bytes += clue + m_terminator;
    bytes += m_notes + m_terminator;
    return bytes + m_sections;
}

}  // namespace trellis::test

namespace trellis::test {

LoadOutcome TryLoad(CCrossWordPuzzle& puzzle, const TempDir& dir, const std::string& bytes, const std::string& name)
{
    LoadOutcome outcome {FALSE, {}, dir.Write(name, bytes)};
    outcome.bOk = puzzle.LoadPuzzle(outcome.strPath, outcome.strError);
    return outcome;
}

std::unique_ptr<CCrossWordPuzzle> PuzzleFileWriter::Load(const TempDir& dir, const std::string& name) const
{
    auto pPuzzle = std::make_unique<CCrossWordPuzzle>();
    const LoadOutcome outcome = TryLoad(*pPuzzle, dir, Bytes(), name);
    if (!outcome.bOk)
        throw std::runtime_error(ToUtf8(outcome.strError));
    return pPuzzle;
}

std::vector<std::string> PuzzleFileWriter::BenchmarkRows(int nSize)
{
    std::vector<std::string> rows;
    for (int r = 0; r < nSize; ++r) {
        std::string row;
        for (int c = 0; c < nSize; ++c)
            row.push_back(r % 2 == 1 && c % 6 == 5 ? '#' : static_cast<char>('A' + (r * 7 + c) % 26));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace trellis::test
