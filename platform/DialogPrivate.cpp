// SPDX-License-Identifier: MIT
#include "platform/DialogPrivate.h"

#include "platform/QtConvert.h"
#include "platform/Resource.h"

#include <QFontMetrics>

#include <climits>
#include <cstdint>

namespace dlg {

QFont DialogFont(LPCTSTR pszFace, int nPoints)
{
    QFont font(pszFace ? ToQString(pszFace) : QStringLiteral("Arial"));
    font.setPixelSize(MulDiv(nPoints > 0 ? nPoints : 8, 96, 72));
    // As every font of the platform: whole-pixel glyphs, so that texts take
    // the widths the templates were laid out for.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int nWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(nWidth / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(nNumber) * nNumerator;
    const std::int64_t half = (nDenominator > 0 ? nDenominator : -nDenominator) / 2;
    // Round half away from zero.
    const bool bNegative = (product < 0) != (nDenominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t quotient = magnitude / (nDenominator > 0 ? nDenominator : -nDenominator);
    return static_cast<int>(bNegative ? -quotient : quotient);
}

int UnitsToPixelsX(int nUnits, const BaseUnits& units)
{
    return MulDiv(nUnits, units.cx, 4);
}

int UnitsToPixelsY(int nUnits, const BaseUnits& units)
{
    return MulDiv(nUnits, units.cy, 8);
}

namespace {

bool IsBlank(char16_t ch)
{
    return ch == u' ' || ch == u'\t';
}

}  // namespace

std::optional<int> ParseInteger(const std::u16string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        bNegative = text[i++] == u'-';
    const std::size_t firstDigit = i;
    std::int64_t value = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i++] - u'0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (i == firstDigit)
        return std::nullopt;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;
    if (bNegative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

QString StaticText(const std::u16string& text, bool bNoPrefix)
{
    const QString raw = ToQString(text);
    if (bNoPrefix)
        return raw;
    QString shown;
    shown.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&') {
            if (i + 1 < raw.size() && raw[i + 1] == u'&')
                shown += u'&';
            ++i;
            if (i < raw.size() && raw[i] != u'&')
                shown += raw[i];
            continue;
        }
        shown += raw[i];
    }
    return shown;
}

bool ListTextLess(const QString& a, const QString& b)
{
    const int nFolded = QString::compare(a, b, Qt::CaseInsensitive);
    if (nFolded != 0)
        return nFolded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

}  // namespace dlg

// ---- Controls and their parents ----------------------------------------------

#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace dlg {

void NotifyParent(CWnd* pControl, UINT nCode)
{
    if (!pControl || !pControl->m_hWnd)
        return;
    CWnd* pParent = pControl->GetParent();
    if (!pParent)
        return;
    pParent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(pControl->GetDlgCtrlID()), nCode),
                         reinterpret_cast<LPARAM>(pControl->m_hWnd));
}

namespace {

// Looks the window up at each event, so a control that another object has
// taken over (DDX_Control) reports as that object.
class FocusTracker : public QObject {
public:
    explicit FocusTracker(QObject* pParent) : QObject(pParent) { }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        const QEvent::Type type = pEvent->type();
        if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
            CWnd* pWnd = PlatformWndAt(static_cast<QWidget*>(pWatched));
            if (pWnd && pWnd->m_hWnd) {
                if (type == QEvent::FocusIn)
                    PlatformFocusIn(pWnd);
                else
                    PlatformFocusOut(pWnd);
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }
};

}  // namespace

void TrackFocus(QWidget* pWidget)
{
    pWidget->installEventFilter(new FocusTracker(pWidget));
}

QWidget* FocusWidget(const CWnd* pWnd)
{
    QWidget* pWidget = PlatformWidget(pWnd);
    if (pWidget && pWidget->focusProxy())
        return pWidget->focusProxy();
    return pWidget;
}

}  // namespace dlg
