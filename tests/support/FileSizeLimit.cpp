// SPDX-License-Identifier: MIT
#include "tests/support/FileSizeLimit.h"

#ifndef _WIN32
#include <csignal>

namespace trellis::test {

FileSizeLimit::FileSizeLimit(unsigned long nBytes)
{
    // The write fails with EFBIG instead of the process being stopped.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limit = m_saved;
    limit.rlim_cur = nBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
}

}  // namespace trellis::test
#endif
