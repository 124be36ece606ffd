// SPDX-License-Identifier: MIT
#include "tests/e2e/TrellisTest.h"

#include "tests/support/PuzzleFileWriter.h"

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace e2e {

namespace {

// What the menus hold, in order; the keyboard skips disabled items.
struct MenuItem {
    int nMenu;  // 0 File, 1 Options, 2 Solve
    const char* text;
    bool bNeedsPuzzle;
};

const MenuItem kMenuItems[] = {
    {0, "Full Menus", false},        {0, "Load Puzzle ...", false},
    {0, "Save Solution", true},      {0, "Save Solution As ...", true},
    {0, "Load Solution", true},      {0, "About Trellis ...", false},
    {0, "About Puzzle ...", true},   {0, "Exit", false},
    {0, "Save Puzzle As ...", true}, {0, "Print ...", true},
    {0, "Export PDF ...", true},     {1, "General...", false},
    {1, "Font...", false},           {1, "Colors...", false},
    {2, "Show Letter", true},        {2, "Show Word", true},
    {2, "Show Puzzle", true},        {2, "Clear Letter", true},
    {2, "Clear Word", true},         {2, "Clear Puzzle", true},
    {2, "Check Letter", true},       {2, "Check Word", true},
    {2, "Check Puzzle", true},
};

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what);
}

// The topmost menu or tip: a copy, since the list is usually a temporary.
std::optional<TopLevel> FindPopup(const std::vector<TopLevel>& windows)
{
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (it->bPopup && it->rect.w > 8 && it->rect.h > 8)
            return *it;
    return std::nullopt;
}

}  // namespace

bool Near(Rgb c, Rgb target, int nTolerance)
{
    return std::abs(c.r - target.r) <= nTolerance && std::abs(c.g - target.g) <= nTolerance &&
           std::abs(c.b - target.b) <= nTolerance;
}

void TrellisTest::SetUp()
{
    m_pX = std::make_unique<XSession>(m_dir.Path());
    std::string strWhy;
    if (m_bWindowManager) {
        ASSERT_TRUE(m_pX->StartWindowManager(m_dir.File("wm"), strWhy)) << strWhy;
    }

    // A home of its own, so that the settings never touch the user's.
    const fs::path home = Home(), runtime = m_dir.File("runtime");
    fs::create_directories(home / ".config");
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    // A case that puts a file of its own there keeps it.
    if (m_bHandheldWindow && !fs::exists(home / ".config" / "Quillon Software" / "trellis.conf")) {
        fs::create_directories(home / ".config" / "Quillon Software");
        std::ofstream conf(home / ".config" / "Quillon Software" / "trellis.conf");
        conf << "[window]\nleft=0\ntop=0\nwidth=240\nheight=268\ncluelists=0\n";
    }
    StartProgram();
}

void TrellisTest::StartProgram()
{
    const fs::path home = Home(), runtime = m_dir.File("runtime");
    std::vector<std::string> env = {
        "DISPLAY=" + m_pX->DisplayName(),
        "QT_QPA_PLATFORM=xcb",
        "HOME=" + home.string(),
        "XDG_CONFIG_HOME=" + (home / ".config").string(),
        "XDG_RUNTIME_DIR=" + runtime.string(),
        // Shared between tests so that the font cache is built once.
        "XDG_CACHE_HOME=" TRELLIS_E2E_WORK_DIR "/cache",
        "LANG=C.UTF-8",
        "LC_ALL=C.UTF-8",
    };
    if (m_nScale != 1)
        env.push_back("QT_SCALE_FACTOR=" + std::to_string(m_nScale));
    for (const char* name : {"PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (const char* value = std::getenv(name))
            env.push_back(std::string(name) + "=" + value);
    env.insert(env.end(), m_environment.begin(), m_environment.end());
    std::vector<std::string> argv = {TRELLIS_EXECUTABLE};
    argv.insert(argv.end(), m_arguments.begin(), m_arguments.end());
    m_app.Start(argv, env, m_dir.File("trellis.log"));

    // Named after the program, and after the puzzle when one is given; at
    // the handheld's width unless it starts as a desktop window. A program
    // starting on a busy machine, with a window manager to wait for, may
    // take longer than anything else here.
    m_frame = 0;
    const bool bMapped = WaitUntil(
        [&] {
            for (const TopLevel& w : m_pX->TopLevels())
                if (!w.bPopup && (w.name == "trellis" || w.name.rfind("trellis - ", 0) == 0) &&
                    (w.rect.w == kPaneWidth * m_nScale || !m_bHandheldWindow))
                    m_frame = w.id;
            return m_frame != 0 || !m_app.Running();
        },
        3 * kPatience);
    ASSERT_TRUE(bMapped && m_frame) << "the main window did not appear" << [&] {
        std::string seen = m_app.Running() ? " (the program runs; windows:" : " (the program has ended; windows:";
        for (const TopLevel& w : m_pX->TopLevels())
            seen += " \"" + w.name + "\" " + std::to_string(w.rect.w) + "x" + std::to_string(w.rect.h);
        return seen + ")";
    }();
    // Painted: the bottom of the letter pad is green.
    ASSERT_TRUE(Await([&](const Image& s) { return PadBottom(s) >= 0; })) << "the main window was not painted";
    m_nPaneTop = LocatePane(m_last);
    ASSERT_GT(m_nPaneTop, 0) << "no client pane under the command bar";
}

void TrellisTest::StartWithFile(const fs::path& file)
{
    if (!fs::exists(file))
        GTEST_SKIP() << "no file " << file.string();
    m_arguments = {file.string()};
    TrellisTest::SetUp();
    m_bPuzzle = true;
}

void TrellisTest::Restart()
{
    Choose("Exit");
    ASSERT_EQ(AwaitProgramEnd(), 0) << "the program did not end cleanly after Exit";
    // Only a puzzle of the command line comes again.
    m_bPuzzle = !m_arguments.empty();
    StartProgram();
}

int TrellisTest::SignalProgram(int nSignal)
{
    m_app.Signal(nSignal);
    return AwaitProgramEnd();
}

int TrellisTest::AwaitProgramEnd()
{
    return m_app.Wait(kPatience).value_or(-1);
}

void TrellisTest::TearDown()
{
    if (HasFailure() && m_pX) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const fs::path capture = fs::path(TRELLIS_E2E_WORK_DIR) / "captures" /
                                 (std::string(info->test_suite_name()) + "." + info->name() + ".ppm");
        m_pX->GrabScreen().SavePpm(capture);
        std::cerr << "screen at the failure: " << capture.string() << '\n';
    }
    // Closed as a person closes it, the program ends through its own exit
    // path, where the sanitizer build reports leaks and any finding turns the
    // status nonzero. A modal window left open keeps it running: then it is
    // stopped below, unchecked.
    std::optional<int> status = m_app.Wait(std::chrono::milliseconds(0));
    if (!status && m_pX && m_frame) {
        m_pX->Close(m_frame);
        status = m_app.Wait(kPatience);
    }
    EXPECT_TRUE(!status || *status == 0) << "the program ended with status " << *status;
    if (HasFailure()) {
        std::ifstream log(m_dir.File("trellis.log"));
        std::stringstream text;
        text << log.rdbuf();
        if (!text.str().empty())
            std::cerr << "trellis said:\n" << text.str() << '\n';
    }
    m_app.Stop();
    m_pX.reset();
}

std::string TrellisTest::FrameTitle() const
{
    for (const TopLevel& w : m_pX->TopLevels())
        if (w.id == m_frame)
            return w.name;
    return std::string();
}

Rect TrellisTest::FrameRect() const
{
    for (const TopLevel& w : m_pX->TopLevels())
        if (w.id == m_frame)
            return w.rect;
    Fail("the main window is gone");
}

Image TrellisTest::Shot() const
{
    return m_pX->Grab(FrameRect());
}

bool TrellisTest::Await(const std::function<bool(const Image&)>& pred)
{
    return WaitUntil([&] {
        m_last = Shot();
        return pred(m_last);
    });
}

int TrellisTest::LocatePane(const Image& shot) const
{
    // The pane begins with the white of the empty grid host, or of the grid's
    // top margin; the command bar above it is not white.
    const auto white = [&](int y) { return shot.Count({0, y, 24, 2}, [](Rgb c) { return c == kWhite; }) == 48; };
    for (int y = 0; y + 1 < shot.area().h; ++y)
        if (white(y))
            return y;
    return -1;
}

int TrellisTest::PadBottom(const Image& shot) const
{
    for (int y = shot.area().h - 1; y >= 0; --y)
        if (shot.At(1, y) == kGreen)
            return y;
    return -1;
}

Rect TrellisTest::Square(int c, int r) const
{
    return {m_nGridX + 4 + 22 * c, m_nPaneTop + m_nGridY + 4 + 22 * r, 20, 20};
}

Rgb TrellisTest::Fill(const Image& shot, int c, int r) const
{
    const Rect sq = Square(c, r);
    return shot.At(sq.x + sq.w - 1, sq.y + sq.h - 1);
}

int TrellisTest::Ink(const Image& shot, int c, int r) const
{
    const Rgb fill = Fill(shot, c, r);
    return shot.Count(Square(c, r), [&](Rgb p) { return p != fill; });
}

int TrellisTest::InkOf(const Image& shot, int c, int r, Rgb colour) const
{
    // Smoothed glyphs blend into the fill: count the pixels nearer to the
    // colour than to the fill, white and black.
    const auto distance = [](Rgb a, Rgb b) {
        return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
    };
    const Rgb fill = Fill(shot, c, r);
    return shot.Count(Square(c, r), [&](Rgb p) {
        const int d = distance(p, colour);
        return d < distance(p, fill) && (colour == kWhite || d < distance(p, kWhite)) &&
               (colour == kBlack || d < distance(p, kBlack));
    });
}

int TrellisTest::InkWidth(const Image& shot, int c, int r, Rgb colour, int nTolerance) const
{
    const Rect sq = Square(c, r);
    int nLeft = sq.w, nRight = -1;
    for (int y = sq.y; y < sq.y + sq.h; ++y)
        for (int x = sq.x; x < sq.x + sq.w; ++x)
            if (Near(shot.At(x, y), colour, nTolerance)) {
                nLeft = std::min(nLeft, x - sq.x);
                nRight = std::max(nRight, x - sq.x);
            }
    return nRight < nLeft ? 0 : nRight - nLeft + 1;
}

::testing::AssertionResult
TrellisTest::AwaitSquares(const std::vector<std::string>& rows,
                          const std::function<std::string(const Image&, int, int, char)>& mismatch)
{
    std::string why;
    const bool bOk = Await([&](const Image& s) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                why = rows[r][c] == '?' ? std::string() : mismatch(s, int(c), int(r), rows[r][c]);
                if (!why.empty())
                    return false;
            }
        return true;
    });
    if (bOk)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << why;
}

::testing::AssertionResult TrellisTest::AwaitFills(const std::vector<std::string>& rows)
{
    return AwaitSquares(rows, [&](const Image& s, int c, int r, char ch) {
        const Rgb want = ch == 'N' ? kSquareNavy : ch == 'B' ? kWordBlue : ch == '#' ? kBlack : kWhite;
        const Rgb got = Fill(s, c, r);
        if (got == want)
            return std::string();
        return "square (" + std::to_string(c) + ", " + std::to_string(r) + ") is " + ToString(got) + ", not " +
               ToString(want) + " ('" + ch + "')";
    });
}

::testing::AssertionResult TrellisTest::AwaitInk(const std::vector<std::string>& rows)
{
    return AwaitSquares(rows, [&](const Image& s, int c, int r, char ch) {
        const int nInk = Ink(s, c, r);
        const std::string where = "square (" + std::to_string(c) + ", " + std::to_string(r) + ")";
        if (ch == 'L' && nInk < 5)
            return where + " shows no letter";
        if (ch == '.' && nInk > 0)
            return where + " shows " + std::to_string(nInk) + " pixels of a letter or number";
        return std::string();
    });
}

void TrellisTest::Click(int x, int y)
{
    const Rect frame = FrameRect();
    m_pX->Click(frame.x + x, frame.y + y);
}

void TrellisTest::DoubleClick(int x, int y)
{
    const Rect frame = FrameRect();
    m_pX->DoubleClick(frame.x + x, frame.y + y);
}

void TrellisTest::TapSquare(int c, int r)
{
    const Rect sq = Square(c, r);
    Click(sq.x + sq.w / 2, sq.y + sq.h / 2);
}

void TrellisTest::DoubleTapSquare(int c, int r)
{
    const Rect sq = Square(c, r);
    DoubleClick(sq.x + sq.w / 2, sq.y + sq.h / 2);
}

void TrellisTest::Choose(const std::string& item)
{
    const auto it =
        std::find_if(std::begin(kMenuItems), std::end(kMenuItems), [&](const MenuItem& m) { return item == m.text; });
    if (it == std::end(kMenuItems))
        Fail("no menu item " + item);
    int nSteps = 0;
    for (auto p = std::begin(kMenuItems); p != it; ++p)
        nSteps += p->nMenu == it->nMenu && (!p->bNeedsPuzzle || m_bPuzzle) ? 1 : 0;

    // "File" is the first title of the menu bar at the top left.
    Click(14, 9);
    int nPopupX = -1;
    const auto popupRightOf = [&](int x) {
        const std::optional<TopLevel> p = FindPopup(m_pX->TopLevels());
        if (p && p->rect.x > x)
            nPopupX = p->rect.x;
        return p && p->rect.x > x;
    };
    if (!WaitUntil([&] { return popupRightOf(-1); }))
        Fail("the File menu did not open");
    // Arrow keys walk to the other menus, which open with their first item active.
    for (int i = 0; i < it->nMenu; ++i) {
        const int nFrom = nPopupX;
        Key(XK_Right);
        if (!WaitUntil([&] { return popupRightOf(nFrom); }))
            Fail("the menu right of the open one did not open");
    }
    for (int i = 0; i < nSteps + (it->nMenu == 0 ? 1 : 0); ++i)
        Key(XK_Down);
    Key(XK_Return);
    if (!WaitUntil([&] { return !FindPopup(m_pX->TopLevels()); }))
        Fail("the menu did not close after choosing " + item);
}

void TrellisTest::ShowFullMenus()
{
    // The Options and Solve titles join the bar, which may grow a row: the
    // pane may move down. The layout changes in steps: wait until the bar
    // shows something new and the screen holds still.
    const int nOld = m_nPaneTop;
    const Image before = Shot();
    const auto bar = [nOld](const Image& shot) {
        std::vector<Rgb> pixels;
        for (int y = 0; y < nOld; ++y)
            for (int x = 0; x < shot.area().w; ++x)
                pixels.push_back(shot.At(x, y));
        return pixels;
    };
    Choose("Full Menus");
    Image previous;
    const bool bChanged = WaitUntil([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        m_last = Shot();
        const bool bStill = m_last == previous;
        previous = m_last;
        return bStill && LocatePane(m_last) >= nOld && bar(m_last) != bar(before);
    });
    // A command bar of two rows is well under 120 pixels high.
    if (!bChanged || LocatePane(m_last) > 120)
        Fail("the client pane was not found under the full menus");
    m_nPaneTop = LocatePane(m_last);
}

XID TrellisTest::AwaitDialog(const std::string& title)
{
    XID found = 0;
    WaitUntil([&] {
        const XID focus = m_pX->FocusedTopLevel();
        for (const TopLevel& w : m_pX->TopLevels())
            if (!w.bPopup && w.id != m_frame && w.name == title && w.id == focus)
                found = w.id;
        return found != 0;
    });
    return found;
}

bool TrellisTest::AwaitGone(XID window)
{
    return WaitUntil([&] {
        const auto windows = m_pX->TopLevels();
        return std::none_of(windows.begin(), windows.end(), [&](const TopLevel& w) { return w.id == window; });
    });
}

bool TrellisTest::AwaitFrameFocus()
{
    // There is no window manager to give the focus back after a dialog.
    m_pX->Focus(m_frame);
    return WaitUntil([&] { return m_pX->FocusedTopLevel() == m_frame; });
}

void TrellisTest::EnterPath(const std::string& title, const fs::path& path)
{
    const XID dialog = AwaitDialog(title);
    if (!dialog)
        Fail("no file dialog \"" + title + "\" with the keyboard focus");
    Type(path.string());
    Key(XK_Return);
    if (!AwaitGone(dialog))
        Fail("the file dialog stayed open after Enter");
}

void TrellisTest::LoadPuzzle(const fs::path& path)
{
    Choose("Load Puzzle ...");
    EnterPath("Open", path);
    m_bPuzzle = true;
}

fs::path TrellisTest::LoadFive(const std::string& name)
{
    const fs::path path = WritePuzzle(name, kFive);
    LoadPuzzle(path);
    const auto shown = AwaitFills(kFiveLoaded);
    if (!shown)
        Fail(std::string("the loaded puzzle is not shown: ") + shown.message());
    return path;
}

XID TrellisTest::AwaitMessageBox()
{
    return AwaitDialog("trellis");
}

bool TrellisTest::AwaitStopIcon(XID box)
{
    Rect rect;
    for (const TopLevel& w : m_pX->TopLevels())
        if (w.id == box)
            rect = w.rect;
    return WaitUntil([&] {
        return m_pX->Grab(rect).Count({0, 0, rect.w, rect.h}, [](Rgb c) { return c.r > 180 && c.g < 80 && c.b < 80; }) >
               20;
    });
}

bool TrellisTest::AwaitNoPuzzle()
{
    return Await([&](const Image& s) {
        return s.Count({0, PanePoint(0), kPaneWidth, kHostHeight}, [](Rgb c) { return c != kWhite; }) == 0;
    });
}

fs::path TrellisTest::WritePuzzle(const std::string& name, const std::vector<std::string>& rows)
{
    const fs::path path = m_dir.File(name);
    trellis::test::TempDir::Write(path, trellis::test::PuzzleFileWriter(rows).Bytes());
    return path;
}

}  // namespace e2e
