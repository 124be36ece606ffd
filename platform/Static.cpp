// SPDX-License-Identifier: MIT
#include "platform/Static.h"

#include "platform/DialogPrivate.h"
#include "platform/Resource.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include "platform/GdiPrivate.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

QLabel* Label(const CWnd* pWnd)
{
    return static_cast<QLabel*>(PlatformWidget(pWnd));
}

bool IsIcon(DWORD dwStyle)
{
    return (dwStyle & 0x1F) == SS_ICON;
}

// An icon is named by its text as "#<id>".
UINT IconIdFromName(const std::u16string& name)
{
    if (name.size() < 2 || name[0] != u'#')
        return 0;
    const auto id = dlg::ParseInteger(name.substr(1));
    return id && *id > 0 ? static_cast<UINT>(*id) : 0;
}

// A static with SS_EDITCONTROL: its lines are broken and spaced as DrawText
// breaks and spaces them, so that what a program measures with DT_CALCRECT
// is what it sees.
class EditWrapLabel : public QLabel {
public:
    explicit EditWrapLabel(QWidget* pParent) : QLabel(pParent) { }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics fm(font());
        int y = fm.ascent();
        for (const QString& line : PlatformWrapText(text(), font(), width(), true)) {
            painter.drawText(0, y, line);
            y += fm.height();
        }
    }
};

}  // namespace

CStatic::CStatic() = default;

CStatic::~CStatic() = default;

QWidget* CStatic::CreateNativeWidget(QWidget* pParent)
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    auto* pLabel =
        (pImpl->style & SS_EDITCONTROL) && !IsIcon(pImpl->style) ? new EditWrapLabel(pParent) : new QLabel(pParent);
    // Texts such as a puzzle's title are shown as they are, never as markup.
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pLabel->setWordWrap(true);
    pLabel->setFocusPolicy(Qt::NoFocus);
    if (pImpl->style & WS_BORDER)
        pLabel->setFrameShape(QFrame::Box);
    if (!IsIcon(pImpl->style))
        pLabel->setText(dlg::StaticText(pImpl->text, (pImpl->style & SS_NOPREFIX) != 0));
    return pLabel;
}

int CStatic::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (IsIcon(GetStyle())) {
        SetIconID(IconIdFromName(CWndImpl::Of(this)->text));
    } else if (QLabel* pLabel = Label(this)) {
        // A label one line high keeps its text on that line: a word pushed
        // to a second line would not be seen at all.
        pLabel->setWordWrap(pLabel->height() >= 2 * pLabel->fontMetrics().height());
    }
    return 0;
}

BEGIN_MESSAGE_MAP(CStatic, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CStatic::SetIconID(UINT nIconID)
{
    QLabel* pLabel = Label(this);
    const ResourceSet* pResources = AfxGetResources();
    if (!pLabel || !pResources)
        return FALSE;
    const auto it = pResources->icons.find(nIconID);
    if (it == pResources->icons.end())
        return FALSE;
    // A damaged icon is not shown in part: the static keeps what it showed.
    const QImage image = shell::ImageFromResource(it->second);
    if (image.isNull())
        return FALSE;
    const QPixmap pixmap = QPixmap::fromImage(image);
    pLabel->setPixmap(pixmap);
    // An icon static takes the icon's size.
    pLabel->resize(pixmap.size());
    return TRUE;
}

LRESULT CStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWnd::DefWindowProc(message, wParam, lParam);
    if (message == WM_SETTEXT && !IsIcon(GetStyle())) {
        if (QLabel* pLabel = Label(this))
            pLabel->setText(dlg::StaticText(CWndImpl::Of(this)->text, (GetStyle() & SS_NOPREFIX) != 0));
    }
    return result;
}
