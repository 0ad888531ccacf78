// Paints a text document onto a printer or a PDF writer page by page, with
// no page numbers or other footer added. Every page keeps a margin of at
// least 15 mm and breaks between lines. A printer keeps its own paper; a
// PDF gets the paper usual in the user's locale (Letter in the United
// States, Canada, Mexico and the few others that use it; A4 elsewhere).
#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace tzk {

// Returns false when the device could not be started.
bool paintDocument(const QTextDocument &document, QPagedPaintDevice &device);

} // namespace tzk
