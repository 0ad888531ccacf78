// Paints a text document onto a printer or PDF page by page, with no page
// numbers or other footer added.
#pragma once

class QPrinter;
class QTextDocument;

namespace tzk {

// Returns false when the device could not be started.
bool paintDocument(const QTextDocument &document, QPrinter &printer);

} // namespace tzk
