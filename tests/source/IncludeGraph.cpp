// SPDX-License-Identifier: MIT
#include "IncludeGraph.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <regex>

namespace fs = std::filesystem;

namespace trellis::test {

IncludeGraph::IncludeGraph(const fs::path& rootGiven, const std::vector<std::string>& folders)
{
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
        const fs::path root = fs::weakly_canonical(rootGiven);
    for (const std::string& folder : folders) {
        if (!fs::is_directory(root / folder))
            continue;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& file = entry.path();
            if (!entry.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp"))
                continue;
            std::vector<std::string>& targets = m_edges[file.lexically_relative(root).generic_string()];
            std::ifstream in(file);
            std::string line;
            std::smatch match;
            while (std::getline(in, line)) {
                if (!std::regex_search(line, match, include))
                    continue;
                for (const fs::path& candidate : {file.parent_path() / match[1].str(), root / match[1].str()}) {
                    if (fs::is_regular_file(candidate)) {
                        targets.push_back(fs::weakly_canonical(candidate).lexically_relative(root).generic_string());
                        break;
                    }
                }
            }
        }
    }
}

std::vector<std::string> IncludeGraph::FindCycle() const
{
    enum class Mark { Unseen, OnPath, Done };
    std::map<std::string, Mark> marks;
    std::vector<std::string> path;
    std::vector<std::string> cycle;
    const std::vector<std::string> none;
    std::function<bool(const std::string&)> visit = [&](const std::string& file) {
        marks[file] = Mark::OnPath;
        path.push_back(file);
        const auto it = m_edges.find(file);
        for (const std::string& next : it == m_edges.end() ? none : it->second) {
            const Mark mark = marks.count(next) ? marks[next] : Mark::Unseen;
            if (mark == Mark::OnPath) {
                cycle.assign(std::find(path.begin(), path.end(), next), path.end());
                cycle.push_back(next);
                return true;
            }
            if (mark == Mark::Unseen && visit(next))
                return true;
        }
        path.pop_back();
        marks[file] = Mark::Done;
        return false;
    };
    for (const auto& [file, targets] : m_edges) {
        if (!marks.count(file) && visit(file))
            return cycle;
    }
    return {};
}

}  // namespace trellis::test
