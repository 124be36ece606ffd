// SPDX-License-Identifier: MIT
#include "tests/e2e/XSession.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace e2e {

std::string ToString(const Rgb& c)
{
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%d, %d, %d)", c.r, c.g, c.b);
    return text;
}

Rgb Image::At(int x, int y) const
{
    const int sx = m_nOriginX + x - m_area.x;
    const int sy = m_nOriginY + y - m_area.y;
    if (sx < 0 || sy < 0 || sx >= m_area.w || sy >= m_area.h)
        return {};
    return m_pixels[std::size_t(sy) * m_area.w + sx];
}

int Image::Count(const Rect& r, const std::function<bool(Rgb)>& pred) const
{
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            n += pred(At(x, y)) ? 1 : 0;
    return n;
}

std::pair<int, int> Image::RowSpan(const Rect& r, const std::function<bool(Rgb)>& pred) const
{
    int nFirst = -1, nLast = -1;
    for (int y = r.y; y < r.y + r.h; ++y)
        if (Count({r.x, y, r.w, 1}, pred) > 0) {
            nFirst = nFirst < 0 ? y : nFirst;
            nLast = y;
        }
    return {nFirst, nLast};
}

void Image::SavePpm(const fs::path& path) const
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << m_area.w << ' ' << m_area.h << "\n255\n";
    for (const Rgb& c : m_pixels)
        out.put(char(c.r)).put(char(c.g)).put(char(c.b));
}

void Process::Start(const std::vector<std::string>& argv, const std::vector<std::string>& env, const fs::path& log,
                    int nKeepFd)
{
    Stop();
    std::vector<char*> args, vars;
    for (const std::string& s : argv)
        args.push_back(const_cast<char*>(s.c_str()));
    for (const std::string& s : env)
        vars.push_back(const_cast<char*>(s.c_str()));
    args.push_back(nullptr);
    vars.push_back(nullptr);

    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        // Never outlive the test, whatever happens to it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int nLog = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        const int nNull = open("/dev/null", O_RDONLY);
        dup2(nNull, 0);
        dup2(nLog, 1);
        dup2(nLog, 2);
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != nKeepFd)
                close(fd);
        execvpe(args[0], args.data(), vars.data());
        std::perror(args[0]);
        _exit(127);
    }
}

bool Process::Signal(int nSignal)
{
    return m_pid > 0 && kill(m_pid, nSignal) == 0;
}

bool Process::AwaitExit(std::chrono::milliseconds timeout, int* pStatus)
{
    if (m_pid <= 0)
        return false;
    const auto deadline = Clock::now() + timeout;
    int nStatus = 0;
    while (waitpid(m_pid, &nStatus, WNOHANG) == 0) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_pid = -1;
    if (pStatus)
        *pStatus = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
    return true;
}

bool Process::Running()
{
    return m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == 0;
}

void Process::Stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (waitpid(m_pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_pid = -1;
}

namespace {

// Windows come and go while we look at them; a vanished one is no error here.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::string ReadDisplayNumber(int fd)
{
    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        pollfd p {fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        char ch;
        if (read(fd, &ch, 1) != 1)
            break;
        if (ch == '\n')
            return number;
        number += ch;
    }
    return {};
}

}  // namespace

XSession::XSession(const fs::path& logDir)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> env;
    for (const char* name : {"PATH", "XKB_CONFIG_ROOT"})
        if (const char* value = std::getenv(name))
            env.push_back(std::string(name) + "=" + value);
    const fs::path log = logDir / "xvfb.log";
    m_server.Start(
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"},
        env, log, fds[1]);
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        std::ifstream in(log);
        const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?): " + said);
    }
    m_strDisplay = ":" + number;
    XSetErrorHandler(IgnoreXErrors);
    m_pDisplay = XOpenDisplay(m_strDisplay.c_str());
    if (!m_pDisplay)
        throw std::runtime_error("cannot connect to Xvfb on " + m_strDisplay);
    int nEvent, nError, nMajor, nMinor;
    if (!XTestQueryExtension(m_pDisplay, &nEvent, &nError, &nMajor, &nMinor))
        throw std::runtime_error("the X server has no XTest extension");
}

XSession::~XSession()
{
    if (m_pDisplay)
        XCloseDisplay(m_pDisplay);
    m_windowManager.Stop();
    m_server.Stop();
}

void XSession::StartWindowManager(const fs::path& home)
{
    std::vector<std::string> env = {"DISPLAY=" + m_strDisplay, "HOME=" + home.string(),
                                    "XDG_CONFIG_HOME=" + (home / ".config").string()};
    if (const char* value = std::getenv("PATH"))
        env.push_back(std::string("PATH=") + value);
    const fs::path log = home / "openbox.log";
    m_windowManager.Start({"openbox", "--sm-disable"}, env, log);
    // It runs once it puts a window that asks to be shown into a frame of its
    // own; a window shown while it still starts may be left unshown.
    const Window probe = XCreateSimpleWindow(m_pDisplay, DefaultRootWindow(m_pDisplay), 0, 0, 10, 10, 0, 0, 0);
    XMapWindow(m_pDisplay, probe);
    XSync(m_pDisplay, False);
    const bool bRunning = WaitUntil([&] {
        Window root, parent = 0, *pChildren = nullptr;
        unsigned int nChildren = 0;
        XWindowAttributes a;
        const bool bFramed = XQueryTree(m_pDisplay, probe, &root, &parent, &pChildren, &nChildren) && parent != root &&
                             XGetWindowAttributes(m_pDisplay, probe, &a) && a.map_state == IsViewable;
        if (pChildren)
            XFree(pChildren);
        return bFramed || !m_windowManager.Running();
    });
    XDestroyWindow(m_pDisplay, probe);
    XSync(m_pDisplay, False);
    if (!bRunning || !m_windowManager.Running()) {
        std::ifstream in(log);
        const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        throw std::runtime_error("openbox did not start (is the openbox package installed?): " + said);
    }
}

Rect XSession::DecorationOf(XID window) const
{
    XWindowAttributes a;
    const XID frame = TopLevelOf(window);
    if (!frame || !XGetWindowAttributes(m_pDisplay, frame, &a))
        return {};
    return {a.x, a.y, a.width, a.height};
}

void XSession::ControlKey(unsigned long keysym)
{
    const KeyCode control = XKeysymToKeycode(m_pDisplay, XK_Control_L);
    XTestFakeKeyEvent(m_pDisplay, control, True, CurrentTime);
    XSync(m_pDisplay, False);
    Key(keysym);
    XTestFakeKeyEvent(m_pDisplay, control, False, CurrentTime);
    XSync(m_pDisplay, False);
}

XID XSession::ClientOf(XID window) const
{
    const Atom state = XInternAtom(m_pDisplay, "WM_STATE", False);
    const std::function<XID(XID)> search = [&](XID w) -> XID {
        Atom type = None;
        int nFormat;
        unsigned long nItems, nAfter;
        unsigned char* pData = nullptr;
        XGetWindowProperty(m_pDisplay, w, state, 0, 0, False, AnyPropertyType, &type, &nFormat, &nItems, &nAfter,
                           &pData);
        if (pData)
            XFree(pData);
        if (type != None)
            return w;
        Window root, parent, *pChildren = nullptr;
        unsigned int nChildren = 0;
        XID found = 0;
        if (XQueryTree(m_pDisplay, w, &root, &parent, &pChildren, &nChildren))
            for (unsigned int i = 0; i < nChildren && !found; ++i)
                found = search(pChildren[i]);
        if (pChildren)
            XFree(pChildren);
        return found;
    };
    const XID client = search(window);
    return client ? client : window;
}

void XSession::MoveTo(int x, int y)
{
    XTestFakeMotionEvent(m_pDisplay, -1, x, y, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::Press(int x, int y)
{
    MoveTo(x, y);
    XTestFakeButtonEvent(m_pDisplay, 1, True, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::Release(int x, int y)
{
    MoveTo(x, y);
    XTestFakeButtonEvent(m_pDisplay, 1, False, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::Click(int x, int y)
{
    Press(x, y);
    Release(x, y);
}

void XSession::DoubleClick(int x, int y)
{
    Click(x, y);
    Click(x, y);
}

void XSession::Key(unsigned long keysym)
{
    const KeyCode code = XKeysymToKeycode(m_pDisplay, keysym);
    if (code == 0)
        throw std::runtime_error("no key for keysym " + std::to_string(keysym));
    const bool bShift = XkbKeycodeToKeysym(m_pDisplay, code, 0, 0) != keysym;
    const KeyCode shift = XKeysymToKeycode(m_pDisplay, XK_Shift_L);
    if (bShift)
        XTestFakeKeyEvent(m_pDisplay, shift, True, CurrentTime);
    XTestFakeKeyEvent(m_pDisplay, code, True, CurrentTime);
    XTestFakeKeyEvent(m_pDisplay, code, False, CurrentTime);
    if (bShift)
        XTestFakeKeyEvent(m_pDisplay, shift, False, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::Type(const std::string& ascii)
{
    // Printable ASCII characters are their own keysyms.
    for (const char ch : ascii)
        Key(static_cast<unsigned char>(ch));
}

bool XSession::DropUris(XID window, int x, int y, const std::vector<std::string>& uris)
{
    Display* d = m_pDisplay;
    auto atom = [d](const char* name) { return XInternAtom(d, name, False); };
    const Window source = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    const Atom uriList = atom("text/uri-list");
    std::string payload;
    for (const std::string& uri : uris)
        payload += uri + "\r\n";
    XSetSelectionOwner(d, atom("XdndSelection"), source, CurrentTime);

    auto send = [&](const char* type, long l1, long l2, long l3, long l4) {
        XEvent e {};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = atom(type);
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(source);
        e.xclient.data.l[1] = l1;
        e.xclient.data.l[2] = l2;
        e.xclient.data.l[3] = l3;
        e.xclient.data.l[4] = l4;
        XSendEvent(d, window, False, NoEventMask, &e);
        XSync(d, False);
    };
    // The target's answer; meanwhile it asks for the data, which is given.
    auto await = [&](const char* type) -> std::optional<XClientMessageEvent> {
        const auto deadline = Clock::now() + kPatience;
        while (Clock::now() < deadline) {
            while (XPending(d)) {
                XEvent e;
                XNextEvent(d, &e);
                if (e.type == SelectionRequest) {
                    const XSelectionRequestEvent& r = e.xselectionrequest;
                    XEvent reply {};
                    reply.xselection.type = SelectionNotify;
                    reply.xselection.requestor = r.requestor;
                    reply.xselection.selection = r.selection;
                    reply.xselection.target = r.target;
                    reply.xselection.time = r.time;
                    reply.xselection.property = None;
                    if (r.target == uriList) {
                        XChangeProperty(d, r.requestor, r.property, uriList, 8, PropModeReplace,
                                        reinterpret_cast<const unsigned char*>(payload.data()), int(payload.size()));
                        reply.xselection.property = r.property;
                    }
                    XSendEvent(d, r.requestor, False, NoEventMask, &reply);
                    XSync(d, False);
                } else if (e.type == ClientMessage && e.xclient.message_type == atom(type)) {
                    return e.xclient;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return std::nullopt;
    };

    send("XdndEnter", 5L << 24, long(uriList), 0, 0);
    send("XdndPosition", 0, (long(x) << 16) | y, CurrentTime, long(atom("XdndActionCopy")));
    const auto status = await("XdndStatus");
    bool bTaken = status && (status->data.l[1] & 1);
    if (bTaken) {
        send("XdndDrop", 0, CurrentTime, 0, 0);
        const auto finished = await("XdndFinished");
        bTaken = finished && (finished->data.l[1] & 1);
    } else {
        send("XdndLeave", 0, 0, 0, 0);
    }
    XDestroyWindow(d, source);
    XSync(d, False);
    return bTaken;
}

std::string XSession::NameOf(XID window) const
{
    char* pName = nullptr;
    std::string name;
    if (XFetchName(m_pDisplay, window, &pName) && pName) {
        name = pName;
        XFree(pName);
    }
    return name;
}

std::vector<TopLevel> XSession::TopLevels() const
{
    std::vector<TopLevel> result;
    Window root, parent, *pChildren = nullptr;
    unsigned int nChildren = 0;
    if (!XQueryTree(m_pDisplay, DefaultRootWindow(m_pDisplay), &root, &parent, &pChildren, &nChildren))
        return result;
    for (unsigned int i = 0; i < nChildren; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(m_pDisplay, pChildren[i], &a) || a.map_state != IsViewable)
            continue;
        XID window = pChildren[i];
        // A window manager's frame has no name: the program's window is inside.
        if (!a.override_redirect && NameOf(window).empty()) {
            const XID client = ClientOf(window);
            int x = 0, y = 0;
            Window child;
            if (client != window && XGetWindowAttributes(m_pDisplay, client, &a) &&
                XTranslateCoordinates(m_pDisplay, client, DefaultRootWindow(m_pDisplay), 0, 0, &x, &y, &child)) {
                window = client;
                a.x = x;
                a.y = y;
            }
        }
        result.push_back({window, NameOf(window), {a.x, a.y, a.width, a.height}, a.override_redirect != False});
    }
    if (pChildren)
        XFree(pChildren);
    return result;
}

XID XSession::TopLevelOf(XID window) const
{
    const Window rootWindow = DefaultRootWindow(m_pDisplay);
    while (window != None && window != PointerRoot && window != rootWindow) {
        Window root, parent, *pChildren = nullptr;
        unsigned int nChildren = 0;
        if (!XQueryTree(m_pDisplay, window, &root, &parent, &pChildren, &nChildren))
            return 0;
        if (pChildren)
            XFree(pChildren);
        if (parent == rootWindow)
            return window;
        window = parent;
    }
    return 0;
}

XID XSession::FocusedTopLevel() const
{
    Window focus;
    int nRevert;
    XGetInputFocus(m_pDisplay, &focus, &nRevert);
    const XID top = TopLevelOf(focus);
    return top && NameOf(top).empty() ? ClientOf(top) : top;
}

void XSession::Focus(XID window)
{
    XSetInputFocus(m_pDisplay, window, RevertToParent, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::MoveWindow(XID window, int x, int y)
{
    XMoveWindow(m_pDisplay, window, x, y);
    XSync(m_pDisplay, False);
}

void XSession::ResizeWindow(XID window, int w, int h)
{
    XResizeWindow(m_pDisplay, window, w, h);
    XSync(m_pDisplay, False);
}

void XSession::RaiseWindow(XID window)
{
    XRaiseWindow(m_pDisplay, window);
    XSync(m_pDisplay, False);
}

XID XSession::OwnerOf(XID window) const
{
    Window owner = 0;
    return XGetTransientForHint(m_pDisplay, window, &owner) ? owner : 0;
}

Image XSession::Grab(Rect area) const
{
    const int nScreenW = DisplayWidth(m_pDisplay, DefaultScreen(m_pDisplay));
    const int nScreenH = DisplayHeight(m_pDisplay, DefaultScreen(m_pDisplay));
    const int x0 = std::max(area.x, 0), y0 = std::max(area.y, 0);
    const int x1 = std::min(area.x + area.w, nScreenW), y1 = std::min(area.y + area.h, nScreenH);
    if (x1 <= x0 || y1 <= y0)
        return Image({area.x, area.y, 0, 0}, {});
    XImage* pImage = XGetImage(m_pDisplay, DefaultRootWindow(m_pDisplay), x0, y0, unsigned(x1 - x0), unsigned(y1 - y0),
                               AllPlanes, ZPixmap);
    if (!pImage)
        throw std::runtime_error("XGetImage failed");
    // The server's screen is 24-bit true colour.
    std::vector<Rgb> pixels;
    pixels.reserve(std::size_t(x1 - x0) * (y1 - y0));
    for (int y = 0; y < y1 - y0; ++y)
        for (int x = 0; x < x1 - x0; ++x) {
            const unsigned long p = XGetPixel(pImage, x, y);
            pixels.push_back({std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    XDestroyImage(pImage);
    Image image({x0, y0, x1 - x0, y1 - y0}, std::move(pixels));
    image.SetOrigin(area.x, area.y);
    return image;
}

Image XSession::GrabScreen() const
{
    return Grab({0, 0, DisplayWidth(m_pDisplay, DefaultScreen(m_pDisplay)),
                 DisplayHeight(m_pDisplay, DefaultScreen(m_pDisplay))});
}

bool WaitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (pred())
            return true;
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
}

}  // namespace e2e
