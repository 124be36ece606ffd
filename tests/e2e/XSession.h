// SPDX-License-Identifier: MIT
#pragma once

// A private X server (Xvfb on a free display) and a connection to it that
// acts as the person in front of the screen: it moves the pointer, clicks and
// types through the XTest extension, finds windows by their names and reads
// the pixels that are on the screen.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

typedef struct _XDisplay Display;
typedef unsigned long XID;

namespace e2e {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
std::string ToString(const Rgb& c);

// From a COLORREF (0x00BBGGRR), the way the program stores its colours.
constexpr Rgb FromColorRef(std::uint32_t c)
{
    return {std::uint8_t(c & 0xFF), std::uint8_t((c >> 8) & 0xFF), std::uint8_t((c >> 16) & 0xFF)};
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// A copy of part of the screen; At() takes coordinates relative to origin.
class Image {
public:
    Image() = default;
    Image(Rect area, std::vector<Rgb> pixels) : m_area(area), m_pixels(std::move(pixels)) { }

    // Black outside the captured area, like the screen around a window.
    Rgb At(int x, int y) const;
    // Pixels in r (relative to the origin) for which pred holds.
    int Count(const Rect& r, const std::function<bool(Rgb)>& pred) const;
    // Rows of r holding a pixel for which pred holds: first and last, or -1.
    std::pair<int, int> RowSpan(const Rect& r, const std::function<bool(Rgb)>& pred) const;
    void SavePpm(const std::filesystem::path& path) const;
    bool operator==(const Image& o) const
    {
        return m_area.x == o.m_area.x && m_area.y == o.m_area.y && m_pixels == o.m_pixels;
    }

    // The captured area in screen coordinates, and the origin of At().
    Rect area() const { return m_area; }
    void SetOrigin(int x, int y)
    {
        m_nOriginX = x;
        m_nOriginY = y;
    }

private:
    Rect m_area;
    std::vector<Rgb> m_pixels;
    int m_nOriginX = 0, m_nOriginY = 0;
};

// A child process, killed when the object goes.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() { Stop(); }

    // Output goes to log; nKeepFd stays open in the child.
    void Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
               const std::filesystem::path& log, int nKeepFd = -1);
    bool Running();
    // Waits up to timeout for the process to end by itself: its exit status
    // (128 + the signal when a signal ended it), or nothing while it runs.
    std::optional<int> Wait(std::chrono::milliseconds timeout);
    void Stop();

private:
    // Reaps the process if it has ended, keeping its status.
    bool Reap();

    int m_pid = -1;
    std::optional<int> m_status;
};

struct TopLevel {
    XID id = 0;
    std::string name;
    Rect rect;  // screen coordinates
    bool bPopup = false;  // override-redirect: menus, tool tips
};

class XSession {
public:
    explicit XSession(const std::filesystem::path& logDir);
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;
    ~XSession();

    const std::string& DisplayName() const { return m_strDisplay; }

    // Starts openbox on the server, with its settings in a folder of their
    // own, for the cases that need focus, menus and window sizes to behave as
    // on a desktop; returns once it manages the screen. Windows then stand in
    // the manager's frames: TopLevels and FocusedTopLevel name the program's
    // own windows inside them, with their own areas. False, with the reason,
    // when it cannot be started.
    bool StartWindowManager(const std::filesystem::path& home, std::string& strWhy);

    // Input, in screen coordinates.
    void MoveTo(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    void Click(int x, int y);
    // Two clicks back to back, well within any double-click interval.
    void DoubleClick(int x, int y);
    // A key by its keysym, with Shift where the keyboard map needs it.
    void Key(unsigned long keysym);
    // A key with modifier keys (keysyms such as XK_Control_L) held around it.
    void KeyWith(const std::vector<unsigned long>& modifiers, unsigned long keysym);
    // Notches of the wheel at (x, y): positive away from the user (up);
    // sideways ones turn it left (negative) or right. Modifier keys are held around them.
    void Wheel(int x, int y, int nNotches, bool bSideways = false, const std::vector<unsigned long>& modifiers = {});
    void Type(const std::string& ascii);
    // Drags the URIs from another program over the top-level window to (x, y)
    // and lets go, as a file manager does (the XDND protocol). True when the
    // window took the drop.
    bool DropUris(XID window, int x, int y, const std::vector<std::string>& uris);

    // Mapped windows on the root, bottom to top.
    std::vector<TopLevel> TopLevels() const;
    // The mapped top-level window that holds the keyboard focus, or 0.
    XID FocusedTopLevel() const;
    // Gives the window the keyboard focus, as a window manager does for the
    // window the user clicks or when the dialog in front of it goes.
    void Focus(XID window);
    void MoveWindow(XID window, int x, int y);
    void ResizeWindow(XID window, int w, int h);
    void RaiseWindow(XID window);
    // Asks the window to close, as a window manager does when its close
    // button is pressed (WM_DELETE_WINDOW).
    void Close(XID window);
    // The window that window is transient for (its owner), or 0.
    XID OwnerOf(XID window) const;

    Image Grab(Rect area) const;
    Image GrabScreen() const;
    // The pixels of the area as the server sends them, unconverted: cheap to
    // take and to compare with an earlier look. Empty off the screen.
    std::string GrabBytes(Rect area) const;

private:
    // The part of the area on the screen; false when there is none.
    bool OnScreen(Rect area, Rect& part) const;
    std::string NameOf(XID window) const;
    XID TopLevelOf(XID window) const;
    // The program's window inside a window manager's frame (the one with the
    // manager's WM_STATE), or the window itself when it is no frame.
    XID ClientOf(XID window) const;
    void Button(int x, int y, unsigned int nButton, const std::vector<unsigned long>& modifiers);

    Display* m_pDisplay = nullptr;
    std::string m_strDisplay;
    Process m_server;
    Process m_windowManager;
    bool m_bManaged = false;
};

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPatience {8000};

// Polls pred until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout = kPatience);

}  // namespace e2e
