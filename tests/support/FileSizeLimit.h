// SPDX-License-Identifier: MIT
#pragma once

// While it lives, no file of this process may grow beyond the given size, so
// writes fail part way as on a full disk (POSIX only).

#ifndef _WIN32
#include <sys/resource.h>

namespace trellis::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long nBytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

private:
    rlimit m_saved {};
};

}  // namespace trellis::test
#endif
