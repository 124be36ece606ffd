// SPDX-License-Identifier: MIT
#pragma once

// Builds the bytes of puzzle files for tests, from grids written as strings.

#include <memory>
#include <string>
#include <vector>

class CCrossWordPuzzle;

namespace trellis::test {

class TempDir;

// What LoadPuzzle gave for a file written from bytes.
struct LoadOutcome {
    int bOk;
    std::u16string strError;
    std::u16string strPath;
};

// Writes bytes as the named file in dir and loads it into puzzle.
LoadOutcome TryLoad(CCrossWordPuzzle& puzzle, const TempDir& dir, const std::string& bytes,
                    const std::string& name = "p.puz");

class PuzzleFileWriter {
public:
    // One string per row. '#' is a black square; any other character is a
    // white square with that answer letter, except '.', which stands for a
    // white square answered 'A' so that shapes can be drawn without letters.
    explicit PuzzleFileWriter(std::vector<std::string> rows = {});

    PuzzleFileWriter& Title(std::string text);
    PuzzleFileWriter& Author(std::string text);
    PuzzleFileWriter& Copyright(std::string text);
    // Raw clue bytes in file order. Without this call every word gets "Clue n".
    PuzzleFileWriter& Clues(std::vector<std::string> clues);
    PuzzleFileWriter& Notes(std::string text);
    // Raw state grid rows in place of the one the grid gives ('-' and '.').
    PuzzleFileWriter& State(std::vector<std::string> rows);
    PuzzleFileWriter& Version(std::string version);  // "1.3" by default
    PuzzleFileWriter& Prefix(std::string bytes);  // bytes before the header
    PuzzleFileWriter& Terminator(char ch);  // ends every text; 0 by default
    // An extra section after the notes, with its length and checksum.
    PuzzleFileWriter& Section(const std::string& name, const std::string& data);
    // Scrambles the answers with the key and marks the file locked, with the
    // checksum of the real answers.
    PuzzleFileWriter& Locked(int nKey);
    // A diagramless puzzle: the type word says so, and the state grid shows
    // the black squares as ":".
    PuzzleFileWriter& Diagramless();

    std::string Bytes() const;

    // Writes the file into dir and loads it; throws std::runtime_error with
    // the reader's message when the load fails.
    std::unique_ptr<CCrossWordPuzzle> Load(const TempDir& dir, const std::string& name = "puzzle.puz") const;

    // The letters scrambled with a key of four digits, as publishers lock answers.
    static std::string Scramble(std::string letters, int nKey);
    // The rows of a square grid with many short words, as the benchmarks
    // take it: a black square in every sixth column of every other row.
    static std::vector<std::string> BenchmarkRows(int nSize);

private:
    std::vector<std::string> m_rows;
    std::vector<std::string> m_state;
    std::vector<std::string> m_clues;
    bool m_bClues = false;
    std::string m_title = "Title";
    std::string m_author = "Author";
    std::string m_copyright = "Copyright";
    std::string m_notes;
    std::string m_version = "1.3";
    std::string m_prefix;
    std::string m_sections;
    char m_terminator = '\0';
    int m_nKey = -1;
    bool m_bDiagramless = false;
};

}  // namespace trellis::test
