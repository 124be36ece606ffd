// SPDX-License-Identifier: MIT
#include "platform/DC.h"
#include "platform/GdiPrivate.h"
#include "platform/QtConvert.h"
#include "platform/WndPrivate.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

// ---- CDCImpl ----------------------------------------------------------------

namespace {

// QRect's own intersection, without a call into the library: fills that
// fall outside what may be drawn are the common case in a paint.
inline QRect Meet(const QRect& a, const QRect& b)
{
    return QRect(QPoint(std::max(a.left(), b.left()), std::max(a.top(), b.top())),
                 QPoint(std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom())));
}

}  // namespace

const DrawTarget& CDCImpl::Target() const
{
    CWndImpl* w = attached ? nullptr : CWndImpl::Of(owner);
    if (fresh && (attached || (w && w->imageStamp == stamp)))
        return target;
    target = DrawTarget();
    if (attached) {
        if (!attached->isNull()) {
            target.image = attached;
            target.ratio = attached->devicePixelRatio();
            target.area = QRect(QPoint(0, 0), attached->deviceIndependentSize().toSize());
        }
    } else if (w && !w->IsNative() && !w->image.isNull()) {
        target.image = &w->image;
        target.ratio = w->image.devicePixelRatio();
        target.area = w->Shown();
        target.origin = w->imageRect.topLeft();
    }
    bounds = hasClip ? Meet(clipBox, target.area) : target.area;
    stamp = w ? w->imageStamp : 0;
    fresh = true;
    return target;
}

QRect CDCImpl::Bounds() const
{
    Target();
    return bounds;
}

void CDCImpl::SetClip(const QRegion& region)
{
    clip = region;
    clipBox = region.boundingRect();
    hasClip = true;
    fresh = false;
}

void CDCImpl::Fill(const QRect& r, COLORREF color)
{
    const DrawTarget& t = Target();
    if (!t.image)
        return;
    const QRect within = Meet(r, bounds);
    if (within.isEmpty())
        return;
    const QRgb rgb = PlatformColor(color).rgb();
    auto fill = [&](const QRect& part) {
        const QRect px = PlatformDeviceRect(part, t.origin, t.ratio) & t.image->rect();
        if (px.isEmpty())
            return;
        const qsizetype stride = t.image->bytesPerLine();
        uchar* row = t.image->bits() + px.top() * stride;
        for (int y = px.top(); y <= px.bottom(); ++y, row += stride) {
            QRgb* line = reinterpret_cast<QRgb*>(row);
            std::fill(line + px.left(), line + px.right() + 1, rgb);
        }
    };
    // A plain rectangle fill for each of the few rectangles of the clip.
    if (!hasClip || clip.rectCount() == 1) {
        fill(within);
    } else {
        for (const QRect& c : clip)
            fill(within & c);
    }
    touched |= within;
}

void CDCImpl::Flush()
{
    if (touched.isEmpty())
        return;
    if (CWndImpl* w = CWndImpl::Of(owner))
        w->Touched(touched);
    touched = QRect();
}

QFont CDCImpl::CurrentFont() const
{
    return PlatformFont(font ? font->m_hObject : nullptr);
}

namespace {

// One line of DrawText output and the position of its prefix-underlined
// character (-1 for none).
struct TextLine {
    QString text;
    int underline = -1;
};

// Removes the ampersand prefixes: "&x" underlines x, "&&" is one "&".
TextLine StripPrefix(const QString& text)
{
    TextLine out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && out.underline < 0)
                out.underline = static_cast<int>(out.text.size());
        } else if (text[i] == u'&') {
            continue;  // a lone trailing ampersand shows nothing
        }
        out.text += text[i];
    }
    return out;
}

// The end of the longest run of s from pos to at most end that fits maxWidth,
// one character at least. A line holds at most one character per pixel, so
// only that much of a long word is ever measured.
int FittingEnd(const QString& s, int pos, int end, const QFontMetrics& fm, int maxWidth)
{
    int low = pos + 1;  // fits, or must go in anyway
    int high = std::min(end, pos + std::max(1, maxWidth) + 1);
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (fm.horizontalAdvance(s.mid(pos, mid - pos)) <= maxWidth)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

// Breaks one paragraph into lines no wider than maxWidth, at blanks; the
// blanks at a break are dropped. A word wider than the line stands alone on
// its line (and is clipped), or, as an edit control does (bBreakWords), is
// broken where the line ends.
void BreakParagraph(const TextLine& para, const QFontMetrics& fm, int maxWidth, bool bBreakWords,
                    std::vector<TextLine>& lines)
{
    const QString& s = para.text;
    const int n = static_cast<int>(s.size());
    if (n == 0) {
        lines.push_back(para);
        return;
    }
    int pos = 0;
    while (pos < n) {
        // Try ever longer runs of whole words; the first word always goes in,
        // whole or, when broken, as far as it fits (so no further than one
        // character a pixel is looked at).
        const int limit = bBreakWords ? std::min(n, pos + std::max(1, maxWidth) + 2) : n;
        int end = pos;
        while (end < limit && s[end] != u' ')
            ++end;
        int lineEnd = end;
        const int fit = bBreakWords ? FittingEnd(s, pos, end, fm, maxWidth) : end;
        if (fit < end) {
            lineEnd = fit;
        } else {
            while (lineEnd < n) {
                int next = lineEnd;
                while (next < n && s[next] == u' ')
                    ++next;
                int wordEnd = next;
                while (wordEnd < n && s[wordEnd] != u' ')
                    ++wordEnd;
                if (wordEnd == next || fm.horizontalAdvance(s.mid(pos, wordEnd - pos)) > maxWidth)
                    break;
                lineEnd = wordEnd;
            }
        }
        TextLine line;
        line.text = s.mid(pos, lineEnd - pos);
        if (para.underline >= pos && para.underline < lineEnd)
            line.underline = para.underline - pos;
        lines.push_back(line);
        pos = lineEnd;
        while (pos < n && s[pos] == u' ')
            ++pos;
    }
}

}  // namespace

QStringList PlatformWrapText(const QString& text, const QFont& font, int nWidth, bool bEditControl)
{
    const QFontMetrics fm(font);
    std::vector<TextLine> lines;
    QString all = text;
    all.remove(u'\r');
    for (const QString& para : all.split(u'\n'))
        BreakParagraph(TextLine {para, -1}, fm, nWidth, bEditControl, lines);
    QStringList result;
    for (const TextLine& line : lines)
        result << line.text;
    return result;
}

// ---- CDC --------------------------------------------------------------------

CDC::CDC() : m_pImpl(new CDCImpl)
{
    m_hDC = reinterpret_cast<HDC>(this);
    m_pImpl->pen = StockObjectWrapper(BLACK_PEN);
    m_pImpl->brush = StockObjectWrapper(WHITE_BRUSH);
    m_pImpl->font = StockObjectWrapper(SYSTEM_FONT);
}

CDC::~CDC()
{
    m_pImpl->Flush();
    delete m_pImpl;
}

CDC* CDC::FromHandle(HDC hDC)
{
    return reinterpret_cast<CDC*>(hDC);
}

namespace {

template <class T> T* SelectInto(CGdiObject*& slot, T* pObject)
{
    CGdiObject* old = slot;
    if (pObject && pObject->m_hObject)
        slot = pObject;
    return static_cast<T*>(old);
}

}  // namespace

CPen* CDC::SelectObject(CPen* pPen)
{
    return SelectInto(m_pImpl->pen, pPen);
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return SelectInto(m_pImpl->font, pFont);
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    const GdiData* p = pObject ? GdiDataOf(pObject->m_hObject) : nullptr;
    if (!p)
        return nullptr;
    switch (p->kind) {
    case GdiData::Pen:
        return SelectInto(m_pImpl->pen, pObject);
    case GdiData::Brush:
        return SelectInto(m_pImpl->brush, pObject);
    case GdiData::Font:
        return SelectInto(m_pImpl->font, pObject);
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return SelectObject(StockObjectWrapper(nIndex));
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return std::exchange(m_pImpl->textColor, crColor & 0xFFFFFF);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return std::exchange(m_pImpl->bkColor, crColor & 0xFFFFFF);
}

int CDC::SetBkMode(int nBkMode)
{
    if (nBkMode != TRANSPARENT && nBkMode != OPAQUE)
        return 0;
    return std::exchange(m_pImpl->bkMode, nBkMode);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    FillRect(lpRect, pBrush ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}

void CDC::FillRect(LPCRECT lpRect, HBRUSH hBrush)
{
    bool isNull = true;
    const COLORREF color = PlatformBrushColor(hBrush, &isNull);
    if (lpRect && !isNull)
        m_pImpl->Fill(ToQRect(*lpRect), color);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    if (lpRect)
        m_pImpl->Fill(ToQRect(*lpRect), crColor);
}

void CDC::FrameRect(LPCRECT lpRect, HBRUSH hBrush)
{
    bool isNull = true;
    const COLORREF color = PlatformBrushColor(hBrush, &isNull);
    if (!lpRect || isNull)
        return;
    const QRect r = ToQRect(*lpRect);
    if (r.isEmpty())
        return;
    m_pImpl->Fill(QRect(r.left(), r.top(), r.width(), 1), color);
    m_pImpl->Fill(QRect(r.left(), r.bottom(), r.width(), 1), color);
    m_pImpl->Fill(QRect(r.left(), r.top(), 1, r.height()), color);
    m_pImpl->Fill(QRect(r.right(), r.top(), 1, r.height()), color);
}

namespace {

// The pixels of row y whose centres lie inside the ellipse inscribed in
// [x1, x2) x [y1, y2), as [left, right]; left > right for none. In integers
// (doubled coordinates), so the rows are symmetric and exact.
std::pair<int, int> EllipseSpan(int x1, int y1, int x2, int y2, int y)
{
    const long long w = x2 - x1, h = y2 - y1;
    const long long dy = 2LL * y + 1 - (y1 + y2);
    if (y < y1 || y >= y2)
        return {x2, x1 - 1};
    for (int x = x1; 2 * x < x1 + x2; ++x) {
        const long long dx = 2LL * x + 1 - (x1 + x2);
        if (dx * dx * h * h + dy * dy * w * w <= w * w * h * h)
            return {x, x1 + x2 - 1 - x};
    }
    return {x2, x1 - 1};
}

// Rows of one colour; the window hears of them once, when the context ends.
void FillRows(CDCImpl& dc, const std::vector<QRect>& rows, COLORREF color)
{
    for (const QRect& row : rows)
        dc.Fill(row, color);
}

}  // namespace

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    bool noBrush = true;
    const COLORREF brush = PlatformBrushColor(static_cast<HBRUSH>(m_pImpl->brush->m_hObject), &noBrush);
    const GdiData* pen = GdiDataOf(m_pImpl->pen->m_hObject);
    const int w = pen && !pen->null ? std::max(1, pen->width) : 0;
    std::vector<QRect> outline, inside;
    for (int y = y1; y < y2; ++y) {
        const auto [left, right] = EllipseSpan(x1, y1, x2, y2, y);
        if (left > right)
            continue;
        // A pixel is inside the outline when the pen's width of pixels on
        // every side of it is inside the ellipse too; the ellipse being
        // convex, the rows w above and below tell for the column.
        const auto [upLeft, upRight] = EllipseSpan(x1, y1, x2, y2, y - w);
        const auto [downLeft, downRight] = EllipseSpan(x1, y1, x2, y2, y + w);
        const int innerLeft = std::max({left + w, upLeft, downLeft});
        const int innerRight = std::min({right - w, upRight, downRight});
        if (innerLeft > innerRight) {
            outline.emplace_back(left, y, right - left + 1, 1);
            continue;
        }
        outline.emplace_back(left, y, innerLeft - left, 1);
        outline.emplace_back(innerRight + 1, y, right - innerRight, 1);
        inside.emplace_back(innerLeft, y, innerRight - innerLeft + 1, 1);
    }
    if (!noBrush)
        FillRows(*m_pImpl, inside, brush);
    if (w > 0)
        FillRows(*m_pImpl, outline, pen->color);
    return TRUE;
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return lpRect ? Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint old(m_pImpl->pos.x(), m_pImpl->pos.y());
    m_pImpl->pos = QPoint(x, y);
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    const QPoint from = m_pImpl->pos;
    const QPoint to(x, y);
    m_pImpl->pos = to;
    const GdiData* pen = GdiDataOf(m_pImpl->pen->m_hObject);
    if (!pen || pen->null)
        return TRUE;
    const int w = pen->width;
    const int offset = (w - 1) / 2;
    // A one-pixel line stops short of its end point; a wide pen, a square of
    // its width, covers the end point too.
    const bool includeEnd = w > 1;
    if (from.y() == to.y() || from.x() == to.x()) {
        QRect r = QRect(from, to).normalized();
        if (!includeEnd) {
            if (from == to)
                return TRUE;
            if (from.y() == to.y())
                r = from.x() < to.x() ? QRect(from.x(), from.y(), to.x() - from.x(), 1)
                                      : QRect(to.x() + 1, from.y(), from.x() - to.x(), 1);
            else
                r = from.y() < to.y() ? QRect(from.x(), from.y(), 1, to.y() - from.y())
                                      : QRect(from.x(), to.y() + 1, 1, from.y() - to.y());
        }
        r.adjust(-offset, -offset, w - 1 - offset, w - 1 - offset);
        m_pImpl->Fill(r, pen->color);
        return TRUE;
    }
    // Any other direction: Bresenham, a pen square per point.
    int x0 = from.x(), y0 = from.y();
    const int dx = std::abs(to.x() - x0), sx = x0 < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - y0), sy = y0 < to.y() ? 1 : -1;
    int err = dx + dy;
    while (true) {
        const bool atEnd = x0 == to.x() && y0 == to.y();
        if (atEnd && !includeEnd)
            break;
        m_pImpl->Fill(QRect(x0 - offset, y0 - offset, w, w), pen->color);
        if (atEnd)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return TRUE;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str.c_str(), str.GetLength(), lpRect, nFormat);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (!lpszString || !lpRect)
        return 0;
    if (nCount < 0)
        nCount = static_cast<int>(std::char_traits<char16_t>::length(lpszString));
    const QFont font = m_pImpl->CurrentFont();
    const QFontMetrics fm(font);
    const QString text = QString::fromUtf16(lpszString, nCount);
    const QRect rc = ToQRect(*lpRect);
    const int lineHeight = fm.height();
    // Vertical placement applies to a single line only.
    int top = rc.top();
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER)
            top = rc.top() + (rc.height() - lineHeight) / 2;
        else if (nFormat & DT_BOTTOM)
            top = rc.bottom() + 1 - lineHeight;
    }
    const bool placed = (nFormat & DT_SINGLELINE) && (nFormat & (DT_VCENTER | DT_BOTTOM));
    // A single line wholly outside what may be drawn is only measured.
    if ((nFormat & (DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT)) == DT_SINGLELINE && !m_pImpl->Bounds().intersects(rc))
        return placed ? top - rc.top() + lineHeight : lineHeight;

    std::vector<TextLine> lines;
    if (nFormat & DT_SINGLELINE) {
        QString flat = text;
        flat.remove(u'\r');
        flat.replace(u'\n', u' ');
        lines.push_back((nFormat & DT_NOPREFIX) ? TextLine {flat, -1} : StripPrefix(flat));
    } else {
        QString all = text;
        all.remove(u'\r');
        for (const QString& para : all.split(u'\n')) {
            const TextLine stripped = (nFormat & DT_NOPREFIX) ? TextLine {para, -1} : StripPrefix(para);
            if (nFormat & DT_WORDBREAK)
                BreakParagraph(stripped, fm, rc.width(), (nFormat & DT_EDITCONTROL) != 0, lines);
            else
                lines.push_back(stripped);
        }
    }

    const int totalHeight = lineHeight * static_cast<int>(lines.size());

    if (nFormat & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line.text));
        lpRect->right = lpRect->left + widest;
        lpRect->bottom = lpRect->top + totalHeight;
        return totalHeight;
    }

    const DrawTarget t = m_pImpl->Target();  // a copy: the fills below may refresh it
    if (t.image) {
        QRegion area = m_pImpl->hasClip ? m_pImpl->clip & t.area : QRegion(t.area);
        if (!(nFormat & DT_NOCLIP))
            area &= rc;
        const QRect areaBox = area.boundingRect();
        if (!area.isEmpty()) {
            // Glyphs through a painter at the image's pixel ratio, so that
            // text stays sharp at any scale; fills as every other fill.
            QPainter p(t.image);
            p.translate(-t.origin);
            p.setClipRegion(area);
            p.setFont(font);
            const QColor textColor = PlatformColor(m_pImpl->textColor);
            p.setPen(textColor);
            const QRect limit = (nFormat & DT_NOCLIP) ? areaBox : rc;
            int y = top;
            for (const TextLine& line : lines) {
                const int width = fm.horizontalAdvance(line.text);
                int x = rc.left();
                if (nFormat & DT_CENTER)
                    x = rc.left() + (rc.width() - width) / 2;
                else if (nFormat & DT_RIGHT)
                    x = rc.right() + 1 - width;
                const QRect box(x, y, width, lineHeight);
                if (areaBox.intersects(box)) {
                    if (m_pImpl->bkMode == OPAQUE)
                        m_pImpl->Fill(box & limit, m_pImpl->bkColor);
                    p.drawText(QPoint(x, y + fm.ascent()), line.text);
                    if (line.underline >= 0) {
                        const int ux = x + fm.horizontalAdvance(line.text.left(line.underline));
                        const int uw = fm.horizontalAdvance(line.text.at(line.underline));
                        m_pImpl->Fill(QRect(ux, y + fm.ascent() + 1, std::max(1, uw), 1) & limit, m_pImpl->textColor);
                    }
                    m_pImpl->touched |= box & areaBox;
                }
                y += lineHeight;
            }
        }
    }
    if (placed)
        return top - rc.top() + totalHeight;
    return totalHeight;
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    const QFontMetrics fm(m_pImpl->CurrentFont());
    if (!lpszString || nCount <= 0)
        return CSize(0, fm.height());
    return CSize(fm.horizontalAdvance(QString::fromUtf16(lpszString, nCount)), fm.height());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    if (!lpMetrics)
        return FALSE;
    const QFont font = m_pImpl->CurrentFont();
    const QFontMetrics fm(font);
    lpMetrics->tmHeight = fm.height();
    lpMetrics->tmAscent = fm.ascent();
    lpMetrics->tmDescent = fm.descent();
    lpMetrics->tmInternalLeading = fm.height() - font.pixelSize();
    lpMetrics->tmExternalLeading = fm.leading();
    lpMetrics->tmAveCharWidth = fm.averageCharWidth();
    lpMetrics->tmMaxCharWidth = fm.maxWidth();
    lpMetrics->tmWeight = font.bold() ? FW_BOLD : FW_NORMAL;
    return TRUE;
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    const QRect r = m_pImpl->Bounds();
    if (lpRect)
        *lpRect = ToRECT(r);
    if (r.isEmpty())
        return NULLREGION;
    return m_pImpl->hasClip && m_pImpl->clip.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    const QRect r(x1, y1, x2 - x1, y2 - y1);
    m_pImpl->SetClip(m_pImpl->hasClip ? m_pImpl->clip & r : QRegion(r & m_pImpl->Target().area));
    return GetClipBox(nullptr);
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return lpRect ? IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : 0;
}

// ---- CPaintDC / CClientDC ---------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps {m_hDC, FALSE, RECT {0, 0, 0, 0}}, m_pWnd(pWnd)
{
    CWndImpl* w = CWndImpl::Of(pWnd);
    if (!w || w->IsNative())
        return;
    m_pImpl->owner = pWnd;
    // Begin painting: clip to what is invalid, validate it, erase if asked.
    const QRegion region = w->update & w->Shown();
    m_pImpl->SetClip(region);
    const QRect bounds = m_pImpl->clipBox;
    m_ps.rcPaint = ToRECT(bounds);
    const bool erase = w->erase;
    w->update = QRegion();
    w->erase = false;
    m_ps.fErase = FALSE;
    if (erase && !region.isEmpty())
        m_ps.fErase = pWnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_hDC), 0) ? FALSE : TRUE;
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* pWnd) : m_pWnd(pWnd)
{
    CWndImpl* w = CWndImpl::Of(pWnd);
    if (w && !w->IsNative())
        m_pImpl->owner = pWnd;
}

CClientDC::~CClientDC() = default;

void PlatformAttachImage(CDC& dc, QImage* pImage, CWnd* pWnd)
{
    dc.Impl()->attached = pImage;
    dc.Impl()->owner = pWnd;
    dc.Impl()->fresh = false;
}

// ---- Fonts ------------------------------------------------------------------

int EnumFonts(HDC hdc, LPCTSTR lpszFaceName, FONTENUMPROC lpFontFunc, LPARAM lParam)
{
    if (!lpFontFunc)
        return 0;
    CDC* pDC = CDC::FromHandle(hdc);
    // A family made by several foundries comes as "Name [foundry]" once for
    // each; the user knows one face by its plain name.
    QStringList families;
    for (QString family : QFontDatabase::families()) {
        const qsizetype nFoundry = family.lastIndexOf(QLatin1String(" ["));
        if (nFoundry > 0 && family.endsWith(u']'))
            family.truncate(nFoundry);
        if (!families.contains(family))
            families << family;
    }
    int result = 0;
    for (const QString& family : families) {
        if (lpszFaceName && family != QString::fromUtf16(lpszFaceName))
            continue;
        LOGFONT lf {};
        const std::u16string face = family.toStdU16String();
        std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
        lf.lfWeight = FW_NORMAL;
        lf.lfHeight = -12;
        TEXTMETRIC tm {};
        if (pDC) {
            CFont font;
            font.CreateFontIndirect(&lf);
            CFont* old = pDC->SelectObject(&font);
            pDC->GetTextMetrics(&tm);
            pDC->SelectObject(old);
        }
        result = lpFontFunc(&lf, &tm, TRUETYPE_FONTTYPE, lParam);
        if (result == 0)
            break;
    }
    return result;
}
