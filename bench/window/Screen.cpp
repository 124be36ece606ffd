// SPDX-License-Identifier: MIT
// trellis_screen PUZZLE.puz OUT.png: the device-sized screen (240 x 268) with
// the puzzle loaded, its first word turned down and one letter typed.
// Run with QT_QPA_PLATFORM=offscreen.

#include "model/CrossWordPuzzle.h"
#include "platform/testing/Testing.h"
#include "window/PuzzleWnd.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

DWORD Crc32(const std::string& bytes)
{
    DWORD crc = 0xFFFFFFFF;
    for (unsigned char ch : bytes) {
        crc ^= ch;
        for (int i = 0; i < 8; i++)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

std::string BigEndian(DWORD value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// An RGB picture as PNG, its rows kept in stored (uncompressed) deflate blocks.
bool WritePng(const char* pszPath, int nWidth, int nHeight, const std::string& rgb)
{
    std::string raw;
    for (int y = 0; y < nHeight; y++)
        raw += '\0' + rgb.substr(static_cast<size_t>(y) * nWidth * 3, static_cast<size_t>(nWidth) * 3);
    std::string zlib = "\x78\x01";
    DWORD a = 1, b = 0;
    for (unsigned char ch : raw) {
        a = (a + ch) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t pos = 0; pos < raw.size(); pos += 65535) {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        zlib += static_cast<char>(pos + n == raw.size() ? 1 : 0);
        zlib += {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(~n), static_cast<char>(~n >> 8)};
        zlib += raw.substr(pos, n);
    }
    zlib += BigEndian((b << 16) | a);
    auto chunk = [](const std::string& type, const std::string& data) {
        return BigEndian(static_cast<DWORD>(data.size())) + type + data + BigEndian(Crc32(type + data));
    };
    const std::string header = BigEndian(nWidth) + BigEndian(nHeight) + std::string("\x08\x02\0\0\0", 5);
    std::ofstream out(pszPath, std::ios::binary);
    out << "\x89PNG\r\n\x1a\n" << chunk("IHDR", header) << chunk("IDAT", zlib) << chunk("IEND", "");
    return static_cast<bool>(out);
}

// The colour the screen shows at a point of root: from the first pane whose
// client area, and each of its ancestors', holds the point (grey for none).
COLORREF ScreenPixel(CWnd& root, const std::vector<CWnd*>& panes, int x, int y)
{
    for (CWnd* pPane : panes) {
        bool bInside = true;
        CPoint pt;
        for (CWnd* pWnd = pPane; bInside && pWnd != root.GetParent(); pWnd = pWnd->GetParent()) {
            CRect rc;
            pWnd->GetClientRect(&rc);
            pt = CPoint(x, y);
            root.ClientToScreen(&pt);
            pWnd->ScreenToClient(&pt);
            bInside = rc.PtInRect(pt);
        }
        if (bInside) {
            pt = CPoint(x, y);
            root.ClientToScreen(&pt);
            pPane->ScreenToClient(&pt);
            return Testing::PixelAt(pPane, pt.x, pt.y);
        }
    }
    return RGB(192, 192, 192);
}

std::u16string Widen(const char* psz)
{
    return std::u16string(psz, psz + std::char_traits<char>::length(psz));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: trellis_screen PUZZLE.puz OUT.png\n");
        return 2;
    }
    Testing::EnsureApplication();
    CCrossWordPuzzle puzzle;
    std::u16string strError;
    if (!puzzle.LoadPuzzle(Widen(argv[1]), strError)) {
        std::fprintf(stderr, "%s: cannot load the puzzle\n", argv[1]);
        return 1;
    }
    CWnd host;
    CPuzzleWnd wnd;
    host.CreateEx(0, AfxRegisterWndClass(0), u"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 268), nullptr, 0);
    wnd.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 240, 268), &host, 0xE900);
    wnd.SetPuzzle(&puzzle);
    CGridWnd& grid = wnd.GetGrid();
    const CRect rcFirst = grid.GetSquareRect(grid.GetSelectedSquare().x, grid.GetSelectedSquare().y);
    Testing::Tap(&grid, CPoint(rcFirst.left + 3, rcFirst.top + 3));
    wnd.SendMessage(WM_CHAR, u'x', 0);
    Testing::RunUntilIdle();

    const std::vector<CWnd*> panes = {&grid, &wnd.GetCross(), &wnd.GetClue(), &wnd.GetInput(), &wnd};
    std::string rgb;
    for (int y = 0; y < 268; y++) {
        for (int x = 0; x < 240; x++) {
            const COLORREF cr = ScreenPixel(wnd, panes, x, y);
            rgb +=
                {static_cast<char>(GetRValue(cr)), static_cast<char>(GetGValue(cr)), static_cast<char>(GetBValue(cr))};
        }
    }
    const CString strClue = wnd.GetClue().GetClueText();
    std::printf("clue bar: %s\n", std::string(strClue.begin(), strClue.end()).c_str());
    wnd.SetPuzzle(nullptr);
    return WritePng(argv[2], 240, 268, rgb) ? 0 : 1;
}
