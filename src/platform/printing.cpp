#include "printing.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <memory>

namespace tzk {

namespace {

// Most printers cannot reach the outer 4 to 6 mm of the sheet; 15 mm keeps
// every line whole on paper and the page calm to read.
constexpr qreal kPageMarginMm = 15.0;

// The territories whose printers come set to Letter paper (the common
// locale data's list); everywhere else it is A4.
bool usesLetterPaper(QLocale::Territory territory)
{
    static constexpr QLocale::Territory letter[] = {
        QLocale::Belize,    QLocale::Canada,      QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,
        QLocale::ElSalvador, QLocale::Guatemala,  QLocale::Mexico,       QLocale::Nicaragua, QLocale::Panama,
        QLocale::Philippines, QLocale::PuertoRico, QLocale::UnitedStates, QLocale::Venezuela};
    return std::find(std::begin(letter), std::end(letter), territory) != std::end(letter);
}

// A printer prints on the paper it is set up with (Qt opens every printer
// with A4 where it has A4); a PDF gets the paper a printer in the user's
// locale would use.
void setPaper(QPagedPaintDevice &device)
{
    const auto *printer = dynamic_cast<const QPrinter *>(&device);
    if (printer && printer->outputFormat() == QPrinter::NativeFormat) {
        const QPageSize own = QPrinterInfo(*printer).defaultPageSize();
        if (own.isValid())
            device.setPageSize(own);
        return;
    }
    device.setPageSize(QPageSize(usesLetterPaper(QLocale().territory()) ? QPageSize::Letter : QPageSize::A4));
}

// The wanted margin on every side, or more where the printer cannot print
// that close to the edge.
void setMargins(QPagedPaintDevice &device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(std::max(kPageMarginMm, least.left()), std::max(kPageMarginMm, least.top()),
                            std::max(kPageMarginMm, least.right()), std::max(kPageMarginMm, least.bottom()));
    device.setPageMargins(margins, QPageLayout::Millimeter);
}

// Paints the lines whose top lies on the page from `top` down `height`,
// each with its own formats. QTextDocument::drawContents would also paint
// the line on either side of the page: the clip hides it on paper, but its
// text stays in a PDF, where it reads twice and lies in the margins.
void paintPage(QPainter &painter, const QTextDocument &doc, qreal top, qreal height)
{
    const QAbstractTextDocumentLayout *docLayout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QRectF box = docLayout->blockBoundingRect(block);
        if (!layout || box.bottom() <= top || box.top() >= top + height)
            continue;
        const QPointF origin = box.topLeft() - QPointF(0, top);
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (origin.y() + line.y() >= 0 && origin.y() + line.y() < height)
                line.draw(&painter, origin);
        }
    }
}

} // namespace

bool paintDocument(const QTextDocument &document, QPagedPaintDevice &device)
{
    setPaper(device);
    setMargins(device);

    QPainter painter;
    if (!painter.begin(&device))
        return false;

    // Lay the document out again at the device's resolution and in the
    // page's printable area. The layout moves a line that would cross the
    // foot of a page to the top of the next one.
    std::unique_ptr<QTextDocument> doc(document.clone());
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    doc->documentLayout()->setPaintDevice(&device);
    doc->setPageSize(page.size());
    doc->setDocumentMargin(0);
    // A word wider than the page (a name typed without spaces) is broken
    // rather than run off the right edge.
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc->setDefaultTextOption(option);

    const int pages = doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, *doc, i * page.height(), page.height());
    }
    return painter.end();
}

} // namespace tzk
