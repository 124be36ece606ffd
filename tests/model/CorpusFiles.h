// SPDX-License-Identifier: MIT
#pragma once

// The real puzzle files of the corpus (TRELLIS_CORPUS_DIR/puz), for the tests
// that read them; they skip, saying why, where the corpus is absent.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/CrossWordPuzzle.h"
#include "tests/support/TempDir.h"

namespace trellis::test {

inline const std::filesystem::path kCorpus = std::filesystem::path(TRELLIS_CORPUS_DIR) / "puz";

#define SKIP_WITHOUT_CORPUS()                                                                                          \
    if (!std::filesystem::is_directory(trellis::test::kCorpus))                                                        \
    GTEST_SKIP() << "no puzzle corpus at " << trellis::test::kCorpus << " (set TRELLIS_CORPUS_DIR)"

// The named file of the corpus, loaded; a failed load fails the test.
inline std::unique_ptr<CCrossWordPuzzle> LoadCorpus(const std::string& name)
{
    auto p = std::make_unique<CCrossWordPuzzle>();
    std::u16string error;
    EXPECT_TRUE(p->LoadPuzzle((kCorpus / name).u16string(), error)) << ToUtf8(error);
    return p;
}

}  // namespace trellis::test
