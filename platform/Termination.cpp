// SPDX-License-Identifier: MIT
// Termination signals as events of the loop: the handler only writes a byte
// into a pipe, and the loop reads it and ends the program in order.

#include "platform/ShellPrivate.h"

#include <QSocketNotifier>

#include <iterator>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

int g_pipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int nSignal)
{
    const int nSavedErrno = errno;
    // A second signal while the loop is stuck ends the program at once.
    std::signal(nSignal, SIG_DFL);
    const char ch = static_cast<char>(nSignal);
    [[maybe_unused]] const ssize_t n = write(g_pipe[1], &ch, 1);
    errno = nSavedErrno;
}

bool OpenPipe()
{
    if (g_pipe[0] >= 0)
        return true;
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    for (int fd : fds) {
        fcntl(fd, F_SETFD, FD_CLOEXEC);
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    g_pipe[0] = fds[0];
    g_pipe[1] = fds[1];
    return true;
}

}  // namespace

namespace shell {

struct TerminationWatch::Impl {
    QSocketNotifier* pNotifier = nullptr;
    struct sigaction old[std::size(kSignals)] = {};
};

TerminationWatch::TerminationWatch(std::function<void()> onSignal) : m_pImpl(std::make_unique<Impl>())
{
    if (!OpenPipe())
        return;
    // Bytes of an earlier watch's signals are no news for this one.
    char buffer[64];
    while (read(g_pipe[0], buffer, sizeof buffer) > 0) { }
    m_pImpl->pNotifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_pImpl->pNotifier, &QSocketNotifier::activated, m_pImpl->pNotifier,
                     [onSignal = std::move(onSignal)] {
                         char bytes[64];
                         bool bSignalled = false;
                         while (read(g_pipe[0], bytes, sizeof bytes) > 0)
                             bSignalled = true;
                         if (bSignalled && onSignal)
                             onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &m_pImpl->old[i]);
}

TerminationWatch::~TerminationWatch()
{
    if (!m_pImpl->pNotifier)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &m_pImpl->old[i], nullptr);
    delete m_pImpl->pNotifier;
}

}  // namespace shell

#else

namespace shell {

// Elsewhere the system ends the program through its windows (the session's
// end), which the frame's close already covers.
struct TerminationWatch::Impl { };

TerminationWatch::TerminationWatch(std::function<void()>) : m_pImpl(std::make_unique<Impl>())
{
}

TerminationWatch::~TerminationWatch() = default;

}  // namespace shell

#endif
