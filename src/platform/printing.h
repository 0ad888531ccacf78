// Paints a text document onto a printer or a PDF writer page by page, with
// no page numbers or other footer added.
#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace tzk {

// Returns false when the device could not be started.
bool paintDocument(const QTextDocument &document, QPagedPaintDevice &device);

} // namespace tzk
