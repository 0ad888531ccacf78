// The keyless shift by 85 applied to every stored text (reading files and
// settings), over the Windows-1252 code page on every platform so that a
// stored file is the same bytes everywhere.
//
//   ScrambleText("abc")   -> the characters of codes 182, 183, 184
//   ScrambleText("caf\u00e9") -> scrambled "caf" (codes above 170 cannot shift)
//
// A scrambled text holds only codes 85..255: never a line break. Texts of
// any length are handled.
#pragma once

#include <QByteArray>
#include <QString>

namespace tzk {

inline constexpr int kScrambleShift = 85;

// Text to Windows-1252 bytes; a character the code page lacks becomes '?'.
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// The shift on code-page bytes: + 85, dropping what would pass 255; and
// - 85, dropping what lies below 85.
QByteArray scrambleBytes(const QByteArray &plain);
QByteArray unscrambleBytes(const QByteArray &scrambled);

QString ScrambleText(const QString &text);
QString UnscrambleText(const QString &text);

// The characters of `text` that ScrambleText would drop, in order.
QString unscramblableCharacters(const QString &text);

} // namespace tzk
