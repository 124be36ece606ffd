// Every real puzzle file of the corpus (TRELLIS_CORPUS_DIR/puz).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::TempDir;

namespace {

fs::path CorpusDir()
{
    return fs::path(TRELLIS_CORPUS_DIR) / "puz";
}

#define SKIP_WITHOUT_CORPUS()                                                                  \
    if (!fs::is_directory(CorpusDir()))                                                        \
    GTEST_SKIP() << "no puzzle corpus at " << CorpusDir() << " (set TRELLIS_CORPUS_DIR)"

std::vector<fs::path> CorpusFiles()
{
    std::vector<fs::path> files;
    if (fs::is_directory(CorpusDir())) {
        for (const auto& entry : fs::directory_iterator(CorpusDir()))
            if (entry.path().extension() == ".puz" && entry.path().filename() != "ONE_bad.puz")
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Only the ASCII of a text, with the bytes the reader turns into plain
// quotes and dashes mapped the same way: enough to see that each clue got
// its own text, whatever the decoding of the rest.
std::string AsciiSkeleton(const std::u16string& text)
{
    std::string out;
    for (char16_t ch : text)
        if (ch < 0x80)
            out.push_back(static_cast<char>(ch));
    return out;
}

std::string AsciiSkeleton(const std::string& bytes, bool bUtf8)
{
    std::string out;
    for (unsigned char b : bytes) {
        if (b < 0x80)
            out.push_back(static_cast<char>(b));
        else if (!bUtf8 && (b == 0x91 || b == 0x92 || b == 0x93 || b == 0x94 || b == 0x96))
            out.push_back(b == 0x96 ? '-' : b <= 0x92 ? '\'' : '"');
    }
    return out;
}

struct RawPuzzle {
    bool bUtf8;
    std::size_t nClues;
    std::vector<std::string> texts;  // title, author, copyright, clues...
};

// The file read independently of the reader: header found by its marker.
RawPuzzle ReadRaw(const fs::path& path)
{
    const std::string bytes = TempDir::Read(path);
    const std::size_t nMarker = bytes.find("ACROSS&DOWN");
    const std::size_t nBase = nMarker == std::string::npos ? 0 : nMarker - 2;
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes.at(nBase + i)); };
    RawPuzzle raw{byteAt(0x18) == '2', byteAt(0x2E) + 256u * byteAt(0x2F), {}};
    std::size_t nPos = nBase + 52 + 2 * byteAt(44) * byteAt(45);
    while (raw.texts.size() < 3 + raw.nClues && nPos < bytes.size()) {
        const std::size_t nEnd = std::min(bytes.find('\0', nPos), bytes.size());
        raw.texts.push_back(bytes.substr(nPos, nEnd - nPos));
        nPos = nEnd + 1;
    }
    return raw;
}

std::unique_ptr<CCrossWordPuzzle> LoadCorpus(const std::string& name)
{
    auto p = std::make_unique<CCrossWordPuzzle>();
    std::u16string error;
    EXPECT_TRUE(p->LoadPuzzle((CorpusDir() / name).u16string(), error)) << trellis::test::ToUtf8(error);
    return p;
}

}  // namespace

TEST(Corpus, EveryFileHasItsClueCountAndEachClueItsText)
{
    SKIP_WITHOUT_CORPUS();
    const auto files = CorpusFiles();
    ASSERT_FALSE(files.empty());
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const RawPuzzle raw = ReadRaw(path);
        auto p = LoadCorpus(path.filename().string());
        ASSERT_EQ(p->m_lstClues.size(), raw.nClues);
        ASSERT_EQ(raw.texts.size(), 3 + raw.nClues);
        EXPECT_EQ(AsciiSkeleton(p->m_strTitle), AsciiSkeleton(raw.texts[0], raw.bUtf8));
        std::size_t i = 3;
        for (const CClue* pClue : p->m_lstClues)
            EXPECT_EQ(AsciiSkeleton(pClue->m_strText), AsciiSkeleton(raw.texts[i++], raw.bUtf8));
    }
}

TEST(Corpus, FilledCopiesMatchTheirBlankOriginal)
{
    SKIP_WITHOUT_CORPUS();
    auto blank = LoadCorpus("nyt_rebus_with_notes_and_shape.puz");
    for (const char* name : {"nyt_rebus_with_notes_and_shape_solved.puz", "nyt_rebus_with_notes_and_shape_revealed.puz"}) {
        SCOPED_TRACE(name);
        auto filled = LoadCorpus(name);
        ASSERT_EQ(filled->m_aSquares.size(), blank->m_aSquares.size());
        for (std::size_t i = 0; i < blank->m_aSquares.size(); ++i) {
            const CSquare& a = blank->m_aSquares[i];
            const CSquare& b = filled->m_aSquares[i];
            EXPECT_EQ(a.m_bBlack, b.m_bBlack) << i;
            EXPECT_EQ(a.m_nAcrossNumber * 1000 + a.m_nDownNumber, b.m_nAcrossNumber * 1000 + b.m_nDownNumber) << i;
        }
        auto itBlank = blank->m_lstClues.begin();
        for (const CClue* pClue : filled->m_lstClues) {
            EXPECT_EQ(pClue->m_strText, (*itBlank)->m_strText);
            EXPECT_EQ(pClue->m_nNumber, (*itBlank)->m_nNumber);
            ++itBlank;
        }
    }
}

TEST(Corpus, Utf8AndPrefixedFilesReadTheirTexts)
{
    SKIP_WITHOUT_CORPUS();
    auto unicode = LoadCorpus("unicode.puz");
    EXPECT_EQ(unicode->m_strTitle, u"\u2694\uFE0F");
    EXPECT_EQ(unicode->m_lstClues.back()->m_strText, u"\U0001F525\U0001F525\U0001F525");
    auto washpost = LoadCorpus("washpost.puz");
    EXPECT_EQ(washpost->m_nWidth, 15);
    EXPECT_FALSE(washpost->m_strTitle.empty());
}

TEST(Corpus, NotAPuzzleFileDoesNotCrash)
{
    SKIP_WITHOUT_CORPUS();
    CCrossWordPuzzle p;
    std::u16string error;
    const std::u16string path = (CorpusDir() / "ONE_bad.puz").u16string();
    if (p.LoadPuzzle(path, error)) {
        EXPECT_EQ(p.m_aSquares.size(), static_cast<std::size_t>(p.m_nWidth * p.m_nHeight));
    } else {
        EXPECT_EQ(error, path + u": invalid puzzle file");
    }
}
