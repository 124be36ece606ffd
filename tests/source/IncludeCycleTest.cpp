// SPDX-License-Identifier: MIT
// No two source files of the tree include each other, directly or round a
// longer circle; and the check finds such a circle where one is planted.

#include "IncludeGraph.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

namespace {

using trellis::test::IncludeGraph;
using trellis::test::TempDir;

std::string Joined(const std::vector<std::string>& files)
{
    return std::accumulate(files.begin(), files.end(), std::string(),
                           [](const std::string& a, const std::string& b) { return a.empty() ? b : a + " -> " + b; });
}

class PlantedTree : public ::testing::Test {
protected:
    void Add(const std::string& name, const std::string& text)
    {
        std::filesystem::create_directories(m_dir.File(name).parent_path());
        TempDir::Write(m_dir.File(name), text);
    }
    std::vector<std::string> Cycle() const { return IncludeGraph(m_dir.Path(), {"lib", "app"}).FindCycle(); }

    TempDir m_dir;
};

TEST_F(PlantedTree, ADiamondAndSystemIncludesAreNoCircle)
{
    Add("lib/Base.h", "#pragma once\n#include <vector>\n");
    Add("lib/Left.h", "#include \"lib/Base.h\"\n");
    Add("lib/Right.h", "#include \"Base.h\"\n");
    Add("app/Main.cpp", "#include \"lib/Left.h\"\n#include \"lib/Right.h\"\n#include \"missing/Gone.h\"\n");
    EXPECT_EQ(Joined(Cycle()), "");
}

TEST_F(PlantedTree, FindsACircleWhateverItsLength)
{
    Add("lib/A.h", "#include \"lib/B.h\"\n");
    Add("lib/B.h", "  #  include \"C.h\"  // beside B.h\n");
    Add("lib/C.h", "#include \"lib/A.h\"\n");
    Add("app/Main.cpp", "#include \"lib/A.h\"\n");
    EXPECT_EQ(Joined(Cycle()), "lib/A.h -> lib/B.h -> lib/C.h -> lib/A.h");
}

TEST_F(PlantedTree, FindsTwoFilesThatIncludeEachOtherAndAFileThatIncludesItself)
{
    Add("lib/Pair.h", "#include \"app/Other.h\"\n");
    Add("app/Other.h", "#include \"lib/Pair.h\"\n");
    EXPECT_EQ(Joined(Cycle()), "app/Other.h -> lib/Pair.h -> app/Other.h");

    Add("app/Other.h", "// no longer\n");
    Add("lib/Self.h", "#include \"Self.h\"\n");
    EXPECT_EQ(Joined(Cycle()), "lib/Self.h -> lib/Self.h");
}

TEST(SourceTree, NoTwoFilesIncludeEachOtherInACircle)
{
    const IncludeGraph graph(TRELLIS_SOURCE_DIR, {"model", "platform", "panes", "window", "app", "res", "desktop",
                                                  "tests", "bench", "fuzz"});
    ASSERT_GT(graph.FileCount(), 100u) << "the tree was not found at " << TRELLIS_SOURCE_DIR;
    EXPECT_EQ(Joined(graph.FindCycle()), "");
}

}  // namespace
