// Each shipped translation is complete and current: lupdate, run over
// today's sources into a copy, marks a text without translation as
// unfinished and one the sources no longer hold as obsolete or vanished;
// every translation keeps its source's placeholders and keyboard letter;
// the menu entry and the AppStream data speak the language too.
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
    void everyTextTranslated();
    void packagingSpeaksTheLanguage();
};

namespace {

const QString kSource = QStringLiteral(TZK_SOURCE_DIR);

QStringList found(const QString &text, const QRegularExpression &re)
{
    QStringList all;
    for (const auto &m : re.globalMatch(text))
        all << m.captured();
    all.sort();
    return all;
}

} // namespace

void TestTranslations::initTestCase_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &file : QDir(kSource + QStringLiteral("/translations")).entryList({QStringLiteral("*.ts")}))
        QTest::newRow(qPrintable(file.mid(9, file.size() - 12))) << file.mid(9, file.size() - 12); // tzolkara_xx.ts
}

void TestTranslations::everyTextTranslated()
{
    QFETCH_GLOBAL(QString, language);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(kSource + QStringLiteral("/translations/tzolkara_%1.ts").arg(language), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TZK_LUPDATE), {QStringLiteral("-silent"), kSource + QStringLiteral("/src"),
                                                 QStringLiteral("-ts"), copy});
    QVERIFY2(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0, "lupdate (qt6-l10n-tools) is needed");

    static const QRegularExpression placeholder(QStringLiteral("%\\d")), letter(QStringLiteral("&[^&\\s]"));
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList wrong;
    QString context, source;
    int count = 0;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation") {
            ++count;
            const QString state = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            const QString where = QStringLiteral(" - %1: %2").arg(context, source.left(60));
            if (!state.isEmpty() || text.isEmpty())
                wrong << (state.isEmpty() ? QStringLiteral("empty") : state) + where;
            else if (found(source, placeholder) != found(text, placeholder))
                wrong << QStringLiteral("placeholders") + where;
            else if (found(source, letter).size() != found(text, letter).size())
                wrong << QStringLiteral("keyboard letter") + where;
        }
    }
    QVERIFY(count > 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestTranslations::packagingSpeaksTheLanguage()
{
    QFETCH_GLOBAL(QString, language);
    // Each readable key of each group ("[Desktop Entry]", every Desktop
    // Action) has its translation.
    QFile desktop(kSource + QStringLiteral("/packaging/com.tessalyforum.Tzolkara.desktop"));
    QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
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
    // As many texts of each kind in the language as in English.
    QFile metainfo(kSource + QStringLiteral("/packaging/com.tessalyforum.Tzolkara.metainfo.xml.in"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QHash<QString, int> english, translated;
    for (QXmlStreamReader xml(&metainfo); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto lang = xml.attributes().value(QLatin1String("xml:lang"));
        if (lang.isEmpty())
            ++english[xml.name().toString()];
        else if (lang == language)
            ++translated[xml.name().toString()];
    }
    for (const char *element : {"summary", "p", "caption"})
        QCOMPARE(translated.value(QLatin1String(element)), english.value(QLatin1String(element)));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
