#include "scramble.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tzk {

QByteArray toCodePage(const QString &text)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    // Encode one code point at a time so that an unrepresentable one maps
    // to '?' (the encoder itself substitutes 0x1A).
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QStringView ch = QStringView(text).mid(i, n);
        i += n;
        if (n == 1 && ch.at(0).unicode() < 0x80) { // the common case, and the encoder's own 0x1A
            out.append(char(ch.at(0).unicode()));
            continue;
        }
        encoder.resetState();
        const QByteArray b = encoder.encode(ch);
        out.append(encoder.hasError() || b.size() != 1 ? '?' : b.at(0));
    }
    return out;
}

QString fromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray scrambleBytes(const QByteArray &plain)
{
    QByteArray out;
    out.reserve(plain.size());
    for (const char c : plain) {
        const int code = static_cast<unsigned char>(c) + kScrambleShift;
        if (code <= 255)
            out.append(static_cast<char>(code));
    }
    return out;
}

QByteArray unscrambleBytes(const QByteArray &scrambled)
{
    QByteArray out;
    out.reserve(scrambled.size());
    for (const char c : scrambled) {
        const int code = static_cast<unsigned char>(c) - kScrambleShift;
        if (code >= 0)
            out.append(static_cast<char>(code));
    }
    return out;
}

QString ScrambleText(const QString &text)
{
    return fromCodePage(scrambleBytes(toCodePage(text)));
}

QString UnscrambleText(const QString &text)
{
    return fromCodePage(unscrambleBytes(toCodePage(text)));
}

QString unscramblableCharacters(const QString &text)
{
    QString dropped;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n;
        if (static_cast<unsigned char>(toCodePage(ch).at(0)) > 255 - kScrambleShift)
            dropped += ch;
    }
    return dropped;
}

} // namespace tzk
