// SPDX-License-Identifier: MIT
#include "platform/PagePrinter.h"

#include "model/Format.h"
#include "platform/PlatformHooks.h"
#include "platform/QtConvert.h"
#include "platform/ShellPrivate.h"
#include "platform/WinDef.h"
#include "platform/WndImage.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <utility>

namespace {

// Text is shaped at this size in pixels and scaled to its own: at a size
// this large the font's outlines and advances are drawn as designed, with
// no rounding to the device's pixels.
constexpr double kShapeSize = 100;

QFont ShapeFont(const QString& strFace, bool bBold)
{
    QFont font(strFace);
    font.setPixelSize(static_cast<int>(kShapeSize));
    font.setBold(bBold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

// Draws the pages on a device whose coordinates are dDotsPerInch to the
// inch, from the top-left corner of the paper.
void DrawPages(QPainter& painter, QPagedPaintDevice& device, const CPrintedDocument& document, double dDotsPerInch)
{
    const QString strFace = ToQString(document.strFace);
    const QFont fonts[2] = {ShapeFont(strFace, false), ShapeFont(strFace, true)};
    const QFontMetricsF metrics[2] = {QFontMetricsF(fonts[0]), QFontMetricsF(fonts[1])};
    const QTransform toPoints = QTransform::fromScale(dDotsPerInch / 72, dDotsPerInch / 72);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t nPage = 0; nPage < document.aPages.size(); ++nPage) {
        const CPrintedPage& page = document.aPages[nPage];
        if (nPage > 0)
            device.newPage();
        painter.setTransform(toPoints);
        for (const CPageRect& rect : page.aRects)
            painter.fillRect(QRectF(rect.x, rect.y, rect.cx, rect.cy),
                             QColor((rect.crColor >> 16) & 0xFF, (rect.crColor >> 8) & 0xFF, rect.crColor & 0xFF));
        painter.setBrush(Qt::NoBrush);
        QPen pen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        auto usePen = [&](double dWidth) {
            if (pen.widthF() != dWidth || painter.pen() != pen) {
                pen.setWidthF(dWidth);
                painter.setPen(pen);
            }
        };
        for (const CPageCircle& circle : page.aCircles) {
            usePen(circle.dWidth);
            painter.drawEllipse(QPointF(circle.x, circle.y), circle.dRadius, circle.dRadius);
        }
        for (const CPageLine& line : page.aLines) {
            usePen(line.dWidth);
            painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (const CPageTriangle& mark : page.aTriangles) {
            const QPointF points[3] = {{mark.x[0], mark.y[0]}, {mark.x[1], mark.y[1]}, {mark.x[2], mark.y[2]}};
            painter.drawPolygon(points, 3);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        int nFont = -1;
        for (const CPageText& text : page.aTexts) {
            const int nWant = text.font.bBold ? 1 : 0;
            if (nWant != nFont) {
                painter.setFont(fonts[nWant]);
                nFont = nWant;
            }
            const QString strText = ToQString(text.strText);
            double x = 0;
            if (text.nAlign != EPageAlign::Left) {
                const double dWidth = metrics[nWant].horizontalAdvance(strText);
                x = text.nAlign == EPageAlign::Center ? -dWidth / 2 : -dWidth;
            }
            const double dScale = text.font.dSize / kShapeSize;
            painter.setTransform(QTransform(dScale, 0, 0, dScale, text.x, text.y) * toPoints);
            painter.drawText(QPointF(x, 0), strText);
        }
    }
}

CPaper PaperOf(const QPageSize& size, double dMinMargin)
{
    const QSizeF points = size.size(QPageSize::Point);
    return {points.width(), points.height(), dMinMargin};
}

}  // namespace

struct CPageTextMeasure::CMetrics {
    QFontMetricsF metrics[2];
    double dCapHeight[2];
    // The advance of each character met so far, in each weight.
    mutable std::unordered_map<char32_t, double> advances[2];
};

CPageTextMeasure::CPageTextMeasure(const std::u16string& strFace)
{
    const QString strQFace = ToQString(strFace);
    const QFont regular = ShapeFont(strQFace, false), bold = ShapeFont(strQFace, true);
    m_pMetrics.reset(new CMetrics {{QFontMetricsF(regular), QFontMetricsF(bold)}, {0, 0}, {}});
    for (int i = 0; i < 2; ++i)
        m_pMetrics->dCapHeight[i] = m_pMetrics->metrics[i].capHeight();
}

CPageTextMeasure::~CPageTextMeasure() = default;

double CPageTextMeasure::Width(const std::u16string& strText, const CPageFont& font) const
{
    // The sum of the characters' advances: without kerning a text is as
    // wide or a little wider, so what fits by this measure fits as drawn.
    const int nWeight = font.bBold ? 1 : 0;
    double dWidth = 0;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        char32_t ch = strText[i];
        std::size_t nUnits = 1;
        if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < strText.size() && strText[i + 1] >= 0xDC00 &&
            strText[i + 1] < 0xE000) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (strText[i + 1] - 0xDC00);
            nUnits = 2;
        }
        auto [it, bNew] = m_pMetrics->advances[nWeight].try_emplace(ch, 0.0);
        if (bNew)
            it->second = m_pMetrics->metrics[nWeight].horizontalAdvance(ToQString(strText.substr(i, nUnits)));
        dWidth += it->second;
        i += nUnits - 1;
    }
    return dWidth * font.dSize / kShapeSize;
}

double CPageTextMeasure::CapHeight(const CPageFont& font) const
{
    return m_pMetrics->dCapHeight[font.bBold ? 1 : 0] * font.dSize / kShapeSize;
}

CPaper DefaultPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return PaperOf(printer.defaultPageSize(), 0);
    const bool bInches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return PaperOf(QPageSize(bInches ? QPageSize::Letter : QPageSize::A4), 0);
}

BOOL PaperNamed(const std::u16string& strName, CPaper& paper)
{
    const QString strLower = ToQString(strName).toLower();
    if (strLower == u"a4")
        paper = PaperOf(QPageSize(QPageSize::A4), 0);
    else if (strLower == u"letter")
        paper = PaperOf(QPageSize(QPageSize::Letter), 0);
    else
        return FALSE;
    return TRUE;
}

BOOL RenderPdf(const CPrintedDocument& document, std::string& bytes, std::u16string& strError)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Trellis"));
        writer.setTitle(ToQString(document.strTitle));
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(document.dWidth, document.dHeight), QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&writer)) {
            strError = u"the PDF could not be started";
            return FALSE;
        }
        DrawPages(painter, writer, document, writer.resolution());
        painter.end();
    }
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return TRUE;
}

CPrintDialog::CPrintDialog(CWnd* pParentWnd)
    : m_pPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_pParentWnd(pParentWnd)
{
}

CPrintDialog::~CPrintDialog() = default;

int CPrintDialog::DoModal()
{
    std::optional<PrintDialogAnswer> answer;
    bool bPrint = false;
    PlatformHooks* pHooks = PlatformHooks::Installed();
    if (pHooks && pHooks->AnswerPrintDialog(answer)) {
        // The answer prints to a file, as the dialog's "Print to File" does.
        if (answer) {
            m_pPrinter->setOutputFormat(QPrinter::PdfFormat);
            m_pPrinter->setOutputFileName(ToQString(answer->strPdfPath));
            m_pPrinter->setPageSize(QPageSize(QSizeF(answer->dWidth, answer->dHeight), QPageSize::Point));
            m_pPrinter->setFromTo(answer->nFromPage, answer->nToPage);
            bPrint = true;
        }
    } else {
        QPrintDialog dialog(m_pPrinter.get(), shell::ModalParent(m_pParentWnd));
        bPrint = dialog.exec() == QDialog::Accepted;
    }
    PlatformModalWindowClosed();
    return bPrint ? IDOK : IDCANCEL;
}

CPaper CPrintDialog::GetPaper() const
{
    QPageLayout layout = m_pPrinter->pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QRectF paper = layout.fullRect();
    const QMarginsF margins = layout.minimumMargins();
    return {paper.width(), paper.height(),
            std::max({margins.left(), margins.top(), margins.right(), margins.bottom()})};
}

BOOL CPrintDialog::Print(const CPrintedDocument& document, std::u16string& strError)
{
    // The pages are laid out from the paper's corner, with margins of their own.
    m_pPrinter->setFullPage(true);
    m_pPrinter->setDocName(ToQString(document.strTitle));
    // Only the pages the dialog chose, when it chose some.
    CPrintedDocument chosen;
    const int nFrom = m_pPrinter->fromPage(), nTo = m_pPrinter->toPage();
    const bool bRange = nFrom > 0 && nTo >= nFrom;
    if (bRange) {
        chosen.strTitle = document.strTitle;
        chosen.strFace = document.strFace;
        chosen.dWidth = document.dWidth;
        chosen.dHeight = document.dHeight;
        for (int i = nFrom; i <= nTo && i <= static_cast<int>(document.aPages.size()); ++i)
            chosen.aPages.push_back(document.aPages[static_cast<std::size_t>(i - 1)]);
        if (chosen.aPages.empty()) {
            strError =
                FormatText(u"The document has no page %d: it has %d.", nFrom, static_cast<int>(document.aPages.size()));
            return FALSE;
        }
    }
    QPainter painter;
    if (!painter.begin(m_pPrinter.get())) {
        strError = u"The printer could not be started.";
        return FALSE;
    }
    DrawPages(painter, *m_pPrinter, bRange ? chosen : document, m_pPrinter->resolution());
    if (!painter.end()) {
        strError = u"The printer did not take the pages.";
        return FALSE;
    }
    return TRUE;
}
