// SPDX-License-Identifier: MIT
#include "tests/e2e/XSession.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
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

    m_status.reset();
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

bool Process::Reap()
{
    if (m_pid <= 0)
        return true;
    int nStatus = 0;
    if (waitpid(m_pid, &nStatus, WNOHANG) == 0)
        return false;
    m_status = WIFSIGNALED(nStatus) ? 128 + WTERMSIG(nStatus) : WEXITSTATUS(nStatus);
    m_pid = -1;
    return true;
}

bool Process::Running()
{
    return m_pid > 0 && !Reap();
}

std::optional<int> Process::Wait(std::chrono::milliseconds timeout)
{
    WaitUntil([&] { return Reap(); }, timeout);
    return m_pid > 0 ? std::nullopt : m_status;
}

void Process::Stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    if (!Wait(std::chrono::seconds(3))) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
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
    m_windowManager.Stop();
    if (m_pDisplay)
        XCloseDisplay(m_pDisplay);
    m_server.Stop();
}

bool XSession::StartWindowManager(const fs::path& home, std::string& strWhy)
{
    // Its settings from a folder of its own: the system's defaults, none of the user's.
    const fs::path config = home / "wm-config";
    fs::create_directories(config);
    std::vector<std::string> env = {"DISPLAY=" + m_strDisplay, "HOME=" + home.string(),
                                    "XDG_CONFIG_HOME=" + config.string()};
    if (const char* pszPath = std::getenv("PATH"))
        env.push_back(std::string("PATH=") + pszPath);
    const fs::path log = home / "openbox.log";
    m_windowManager.Start({"openbox"}, env, log);
    // A manager says it runs through a window named on the root.
    const Atom check = XInternAtom(m_pDisplay, "_NET_SUPPORTING_WM_CHECK", False);
    m_bManaged = WaitUntil([&] {
                     Atom type = None;
                     int nFormat = 0;
                     unsigned long nItems = 0, nAfter = 0;
                     unsigned char* pData = nullptr;
                     const bool bFound =
                         XGetWindowProperty(m_pDisplay, DefaultRootWindow(m_pDisplay), check, 0, 1, False,
                                            AnyPropertyType, &type, &nFormat, &nItems, &nAfter, &pData) == Success &&
                         nItems == 1;
                     if (pData)
                         XFree(pData);
                     return bFound || !m_windowManager.Running();
                 }) &&
                 m_windowManager.Running();
    if (!m_bManaged) {
        std::ifstream in(log);
        strWhy = "openbox did not start (is the openbox package installed?): " +
                 std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return m_bManaged;
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

void XSession::KeyWith(const std::vector<unsigned long>& modifiers, unsigned long keysym)
{
    for (unsigned long modifier : modifiers)
        XTestFakeKeyEvent(m_pDisplay, XKeysymToKeycode(m_pDisplay, modifier), True, CurrentTime);
    Key(keysym);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        XTestFakeKeyEvent(m_pDisplay, XKeysymToKeycode(m_pDisplay, *it), False, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::Button(int x, int y, unsigned int nButton, const std::vector<unsigned long>& modifiers)
{
    MoveTo(x, y);
    for (unsigned long modifier : modifiers)
        XTestFakeKeyEvent(m_pDisplay, XKeysymToKeycode(m_pDisplay, modifier), True, CurrentTime);
    XTestFakeButtonEvent(m_pDisplay, nButton, True, CurrentTime);
    XTestFakeButtonEvent(m_pDisplay, nButton, False, CurrentTime);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        XTestFakeKeyEvent(m_pDisplay, XKeysymToKeycode(m_pDisplay, *it), False, CurrentTime);
    XSync(m_pDisplay, False);
}

void XSession::Wheel(int x, int y, int nNotches, bool bSideways, const std::vector<unsigned long>& modifiers)
{
    // The X server's wheel is buttons: 4 up, 5 down, 6 left, 7 right.
    const unsigned int nButton = bSideways ? (nNotches > 0 ? 7 : 6) : (nNotches > 0 ? 4 : 5);
    for (int i = 0; i < std::abs(nNotches); ++i)
        Button(x, y, nButton, modifiers);
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

XID XSession::ClientOf(XID window) const
{
    if (!m_bManaged)
        return window;
    const Atom state = XInternAtom(m_pDisplay, "WM_STATE", False);
    // Breadth first: the frame's decorations come before the program's window.
    std::vector<XID> level = {window};
    for (int nDepth = 0; nDepth < 4 && !level.empty(); ++nDepth) {
        std::vector<XID> next;
        for (XID w : level) {
            Atom type = None;
            int nFormat = 0;
            unsigned long nItems = 0, nAfter = 0;
            unsigned char* pData = nullptr;
            if (XGetWindowProperty(m_pDisplay, w, state, 0, 0, False, AnyPropertyType, &type, &nFormat, &nItems,
                                   &nAfter, &pData) == Success &&
                type != None) {
                if (pData)
                    XFree(pData);
                return w;
            }
            if (pData)
                XFree(pData);
            Window root, parent, *pChildren = nullptr;
            unsigned int nChildren = 0;
            if (XQueryTree(m_pDisplay, w, &root, &parent, &pChildren, &nChildren)) {
                next.insert(next.end(), pChildren, pChildren + nChildren);
                if (pChildren)
                    XFree(pChildren);
            }
        }
        level = std::move(next);
    }
    return window;
}

std::vector<TopLevel> XSession::TopLevels() const
{
    std::vector<TopLevel> result;
    const Window rootWindow = DefaultRootWindow(m_pDisplay);
    Window root, parent, *pChildren = nullptr;
    unsigned int nChildren = 0;
    if (!XQueryTree(m_pDisplay, rootWindow, &root, &parent, &pChildren, &nChildren))
        return result;
    for (unsigned int i = 0; i < nChildren; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(m_pDisplay, pChildren[i], &a) || a.map_state != IsViewable)
            continue;
        // In a manager's frame, the program's window with its own area on the screen.
        const XID client = a.override_redirect ? pChildren[i] : ClientOf(pChildren[i]);
        XWindowAttributes c = a;
        int x = a.x, y = a.y;
        Window child;
        if (client != pChildren[i] && XGetWindowAttributes(m_pDisplay, client, &c))
            XTranslateCoordinates(m_pDisplay, client, rootWindow, 0, 0, &x, &y, &child);
        result.push_back({client, NameOf(client), {x, y, c.width, c.height}, a.override_redirect != False});
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
    return top ? ClientOf(top) : 0;
}

void XSession::Focus(XID window)
{
    if (m_bManaged) {
        // Asked of the manager, as a task bar asks it.
        XEvent e {};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = XInternAtom(m_pDisplay, "_NET_ACTIVE_WINDOW", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = 2;
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_pDisplay, DefaultRootWindow(m_pDisplay), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &e);
    } else {
        XSetInputFocus(m_pDisplay, window, RevertToParent, CurrentTime);
    }
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

void XSession::Close(XID window)
{
    XEvent e {};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(m_pDisplay, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(m_pDisplay, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_pDisplay, window, False, NoEventMask, &e);
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

bool XSession::OnScreen(Rect area, Rect& part) const
{
    const int nScreenW = DisplayWidth(m_pDisplay, DefaultScreen(m_pDisplay));
    const int nScreenH = DisplayHeight(m_pDisplay, DefaultScreen(m_pDisplay));
    const int x0 = std::max(area.x, 0), y0 = std::max(area.y, 0);
    const int x1 = std::min(area.x + area.w, nScreenW), y1 = std::min(area.y + area.h, nScreenH);
    part = {x0, y0, x1 - x0, y1 - y0};
    return x1 > x0 && y1 > y0;
}

namespace {

XImage* GetImage(Display* pDisplay, const Rect& r)
{
    XImage* pImage =
        XGetImage(pDisplay, DefaultRootWindow(pDisplay), r.x, r.y, unsigned(r.w), unsigned(r.h), AllPlanes, ZPixmap);
    if (!pImage)
        throw std::runtime_error("XGetImage failed");
    return pImage;
}

}  // namespace

Image XSession::Grab(Rect area) const
{
    Rect r;
    if (!OnScreen(area, r))
        return Image({area.x, area.y, 0, 0}, {});
    XImage* pImage = GetImage(m_pDisplay, r);
    // The server's screen is 24-bit true colour.
    std::vector<Rgb> pixels;
    pixels.reserve(std::size_t(r.w) * r.h);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            const unsigned long p = XGetPixel(pImage, x, y);
            pixels.push_back({std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    XDestroyImage(pImage);
    Image image(r, std::move(pixels));
    image.SetOrigin(area.x, area.y);
    return image;
}

std::string XSession::GrabBytes(Rect area) const
{
    Rect r;
    if (!OnScreen(area, r))
        return {};
    XImage* pImage = GetImage(m_pDisplay, r);
    std::string bytes(pImage->data, std::size_t(pImage->bytes_per_line) * r.h);
    XDestroyImage(pImage);
    return bytes;
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
