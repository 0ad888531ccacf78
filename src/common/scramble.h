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
#include <QStringList>

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

// What of a text survives storing and restoring: a character comes back
// as itself only when the code page holds it at codes 0..170. Everything
// else is lost, listed once as a reader sees it: a letter with its
// combining marks, or an emoji of several code points, as one; an
// invisible character (a joiner, a direction mark, a blank other than the
// space) by its code, as "U+200D". `kept` is the text without them, so
// storing it writes no "?" in place of anything.
//
//   "Jose\u0301 \u0130" -> kept "Jos ", lost {"e\u0301", "\u0130"}
//   "Ann\u200D"          -> kept "Ann",  lost {"U+200D"}
struct StorableText {
    QString kept;
    QStringList lost;
};
StorableText storableText(const QString &text);

} // namespace tzk
