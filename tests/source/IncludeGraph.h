// SPDX-License-Identifier: MIT
#pragma once

// The graph of the tree's own includes ("..." includes that name a file of
// the tree), and a circle in it if there is one.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace trellis::test {

class IncludeGraph {
public:
    // Reads every .h and .cpp file below the folders (relative to root). A
    // quoted include is looked for beside the including file, then from root.
    IncludeGraph(const std::filesystem::path& root, const std::vector<std::string>& folders);

    std::size_t FileCount() const { return m_edges.size(); }

    // A circle of includes as the files along it, the first file again at the
    // end ("a.h", "b.h", "a.h"), relative to root; empty when there is none.
    std::vector<std::string> FindCycle() const;

private:
    std::map<std::string, std::vector<std::string>> m_edges;
};

}  // namespace trellis::test
