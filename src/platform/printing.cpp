#include "printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QTextDocument>

#include <memory>

namespace tzk {

bool paintDocument(const QTextDocument &document, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    // Lay the document out again at the device's resolution and page width.
    std::unique_ptr<QTextDocument> doc(document.clone());
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    doc->documentLayout()->setPaintDevice(&device);
    doc->setPageSize(QSizeF(page.width(), page.height()));
    doc->setDocumentMargin(0);

    const int pages = doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        const QRectF clip(0, i * page.height(), page.width(), page.height());
        painter.translate(0, -clip.top());
        doc->drawContents(&painter, clip);
        painter.restore();
    }
    return painter.end();
}

} // namespace tzk
