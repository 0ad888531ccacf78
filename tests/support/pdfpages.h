// Reads a PDF back as a reader sees it: the pages, and the words on them
// in reading order with their boxes, through poppler's `pdftotext -bbox`.
#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace tzk::test {

struct PdfWord {
    QRectF box; // in points, from the page's top left corner
    QString text;
};

struct PdfPage {
    QSizeF size; // in points
    QList<PdfWord> words;
};

inline QString pdftotextPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

// Nothing when pdftotext is missing or cannot read the file.
inline QList<PdfPage> pdfPages(const QString &path)
{
    QProcess convert;
    convert.start(pdftotextPath(), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!convert.waitForFinished(30000) || convert.exitStatus() != QProcess::NormalExit || convert.exitCode() != 0)
        return {};
    static const QRegularExpression item(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
                       R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (const QRegularExpressionMatch &m : item.globalMatch(QString::fromUtf8(convert.readAllStandardOutput()))) {
        if (m.capturedLength(1) > 0) {
            pages.append({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (!pages.isEmpty()) {
            QString text = m.captured(7);
            text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
                .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            pages.last().words.append({QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                                              QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())),
                                       text});
        }
    }
    return pages;
}

// The words that come closer than `mm` to an edge of their page, or leave it.
inline QStringList wordsNearEdges(const QList<PdfPage> &pages, qreal mm)
{
    const qreal edge = mm / 25.4 * 72;
    QStringList near;
    for (const PdfPage &page : pages) {
        const QRectF inside = QRectF(QPointF(0, 0), page.size).adjusted(edge, edge, -edge, -edge);
        for (const PdfWord &word : page.words)
            if (!inside.contains(word.box))
                near << word.text;
    }
    return near;
}

// All the words in reading order, joined without the spaces and line
// breaks between them, with the font's ligatures ("fi" as one glyph)
// spelled out: comparable with a text stripped of its white space.
inline QString joinedWords(const QList<PdfPage> &pages)
{
    QString joined;
    for (const PdfPage &page : pages)
        for (const PdfWord &word : page.words)
            joined += word.text;
    return joined.normalized(QString::NormalizationForm_KC);
}

inline QString withoutWhiteSpace(QString text)
{
    static const QRegularExpression space(QStringLiteral("\\s"));
    return text.remove(space);
}

} // namespace tzk::test
