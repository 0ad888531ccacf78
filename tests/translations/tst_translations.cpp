// Each shipped translation is complete and current: lupdate over today's
// sources finds nothing new to translate and nothing the sources no longer
// say, every translation keeps its source's placeholders and keyboard
// letter, and the menu entry and the AppStream data speak the language too.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data();
    void initTestCase();
    void sourcesAndTranslationAgree();
    void placeholdersAndMnemonicsKept();
    void packagingSpeaksTheLanguage();
};

namespace {

const QString kSource = QStringLiteral(TZK_SOURCE_DIR);

struct Entry {
    QString context, source, translation, state; // state: "", "unfinished", "obsolete", "vanished"
};

QList<Entry> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            entries.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            entries.last().state = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return entries;
}

QString where(const Entry &e)
{
    return e.context + QStringLiteral(": ") + e.source.left(60);
}

} // namespace

void TestTranslations::initTestCase_data()
{
    QTest::addColumn<QString>("language");
    const QStringList files = QDir(kSource + QStringLiteral("/translations")).entryList({QStringLiteral("*.ts")});
    for (const QString &file : files) {
        const QString language = file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTranslations::initTestCase()
{
    QVERIFY2(QFileInfo::exists(QStringLiteral(TZK_LUPDATE)), "lupdate (qt6-l10n-tools) is needed");
}

// lupdate, run over a copy, marks what is missing as unfinished and what
// the sources no longer hold as obsolete or vanished.
void TestTranslations::sourcesAndTranslationAgree()
{
    QFETCH_GLOBAL(QString, language);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(kSource + QStringLiteral("/translations/tzolkara_%1.ts").arg(language), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TZK_LUPDATE),
                  {QStringLiteral("-silent"), kSource + QStringLiteral("/src"), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QStringList wrong;
    for (const Entry &e : readTs(copy))
        if (!e.state.isEmpty() || e.translation.isEmpty())
            wrong << (e.state.isEmpty() ? QStringLiteral("empty") : e.state) + QStringLiteral(" - ") + where(e);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestTranslations::placeholdersAndMnemonicsKept()
{
    QFETCH_GLOBAL(QString, language);
    const QList<Entry> entries = readTs(kSource + QStringLiteral("/translations/tzolkara_%1.ts").arg(language));
    QVERIFY(!entries.isEmpty());
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    static const QRegularExpression mnemonic(QStringLiteral("&[^&\\s]"));
    const auto found = [](const QString &text, const QRegularExpression &re) {
        QStringList all;
        for (const auto &m : re.globalMatch(text))
            all << m.captured();
        all.sort();
        return all;
    };
    QStringList wrong;
    for (const Entry &e : entries) {
        if (found(e.source, placeholder) != found(e.translation, placeholder))
            wrong << QStringLiteral("placeholders - ") + where(e);
        if (found(e.source, mnemonic).size() != found(e.translation, mnemonic).size())
            wrong << QStringLiteral("keyboard letter - ") + where(e);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// Every text of the menu entry and the AppStream data has its translation
// beside it.
void TestTranslations::packagingSpeaksTheLanguage()
{
    QFETCH_GLOBAL(QString, language);
    QFile desktop(kSource + QStringLiteral("/packaging/com.tessalyforum.Tzolkara.desktop"));
    QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
    // Keys by group ("[Desktop Entry]", each "[Desktop Action ...]").
    static const QRegularExpression readable(QStringLiteral("^(Name|GenericName|Comment|Keywords)(\\[\\w+\\])?="));
    QStringList keys;
    QString group;
    for (const QString &line : QString::fromUtf8(desktop.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            group = line;
        if (const auto key = readable.match(line); key.hasMatch())
            keys << group + key.captured(1) + key.captured(2);
    }
    for (const QString &key : std::as_const(keys))
        if (!key.endsWith(QLatin1Char(']')))
            QVERIFY2(keys.contains(key + QStringLiteral("[%1]").arg(language)), qPrintable(key));
    // Per element, as many texts in the language as in English.
    QFile metainfo(kSource + QStringLiteral("/packaging/com.tessalyforum.Tzolkara.metainfo.xml.in"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QHash<QString, int> english, translated;
    QXmlStreamReader xml(&metainfo);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
        if (lang.isEmpty())
            ++english[xml.name().toString()];
        else if (lang == language)
            ++translated[xml.name().toString()];
    }
    QVERIFY(!xml.hasError());
    for (const char *element : {"summary", "p", "caption"})
        QCOMPARE(translated.value(QLatin1String(element)), english.value(QLatin1String(element)));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
