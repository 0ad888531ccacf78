#include "cli.h"

#include "catalogue.h"
#include "mayaday.h"
#include "mayan.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace tzk {

namespace {

// The context lupdate gives a free tr() in this namespace, so that the
// translation finds these texts.
QString tr(const char *text) { return QCoreApplication::translate("tzk", text); }
// The result window's own captions, so that its translation serves both.
QString windowCaption(const char *text) { return QCoreApplication::translate("frmMayanResult", text); }

// Two texts of Qt's command-line parser that Qt's own translations lack
// (its help option's), marked here so that ours carries them.
[[maybe_unused]] constexpr const char *kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")};

// Enough for eleven years of 260-day returns; more is surely a typing slip.
constexpr int kMaxReturns = 1000;
// The name field of the main window holds no more.
constexpr int kMaxNameLength = 254;

QString iso(CivilDate d)
{
    return QStringLiteral("%1-%2-%3")
        .arg(d.year, 4, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
}

// YYYY-MM-DD, ASCII digits, a date that exists in 0001-01-01..9999-12-31.
std::optional<CivilDate> parseDate(const QString &text, QString &error)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        error = tr("\"%1\" is not a date in the form YYYY-MM-DD").arg(text.left(40));
        return std::nullopt;
    }
    const CivilDate d{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    if (d.year == 0)
        error = tr("%1 lies outside the years 0001 to 9999").arg(text);
    else if (!julianDay(d))
        error = tr("%1 is not a date: there is no such day").arg(text);
    else
        return d;
    return std::nullopt;
}

// Paragraphs wrapped at 78 columns for a terminal.
QString wrapped(const QString &text)
{
    QString out;
    int column = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (column > 0 && column + 1 + word.size() > 78) {
            out += QLatin1Char('\n');
            column = 0;
        } else if (column > 0) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
    }
    return out + QLatin1Char('\n');
}

// "Label: value" lines, the values lined up.
QString aligned(const QList<std::pair<QString, QString>> &rows)
{
    qsizetype width = 0;
    for (const auto &[label, value] : rows)
        width = qMax(width, label.size());
    QString out;
    for (const auto &[label, value] : rows)
        out += (label + QLatin1Char(':')).leftJustified(width + 2) + value + QLatin1Char('\n');
    return out;
}

QString catalogueText(std::u16string_view text)
{
    return shownCatalogueText(staticString(text)).trimmed();
}

QString signWithEnglish(int sign)
{
    return QStringLiteral("%1 (%2)").arg(mayaSignName(sign), catalogueText(signTexts(catalogueRow(sign)).englishName));
}

// The reading as the result window shows it.
QString readingText(const MayaDay &day, const QString &name)
{
    const SignTexts &sign = signTexts(day.signRow);
    QString out;
    if (!name.isEmpty())
        out += name + QStringLiteral("\n\n");
    out += aligned({{windowCaption("Mayan Day Number / Galactic Tone"), QString::number(day.tone)}});
    out += wrapped(catalogueText(toneTexts(day.tone).toneDescription)) + QLatin1Char('\n');
    out += aligned({{windowCaption("Mayan Day Sign"), catalogueText(sign.mayanName)},
                    {windowCaption("Mayan Keywords"), catalogueText(sign.keywords)},
                    {windowCaption("Mayan Gemstone"), catalogueText(sign.gemstone)},
                    {windowCaption("Mayan Significance"), catalogueText(sign.significance)},
                    {windowCaption("English Name"), catalogueText(sign.englishName)},
                    {windowCaption("Famous Personalities"), catalogueText(sign.famousPersons)}});
    out += QLatin1Char('\n') + wrapped(catalogueText(sign.signDescription));
    return out;
}

QString factsText(CivilDate date, const MayaDay &day)
{
    QString out = tr("%1 in the Maya count (correlation %2, Goodman-Martinez-Thompson; the day runs "
                     "from midnight to midnight)")
                      .arg(iso(date))
                      .arg(kCorrelationGmt);
    out = QLatin1Char('\n') + wrapped(out);
    return out + aligned({
        {tr("Kin"), tr("%1 of 260").arg(day.kin)},
        {tr("Tone"), QStringLiteral("%1 (%2)").arg(day.tone).arg(shownToneName(day.tone))},
        {tr("Day sign"), QStringLiteral("%1 %2").arg(day.sign).arg(signWithEnglish(day.sign))},
        {tr("Trecena"), tr("opens on kin %1, 1 %2").arg(day.trecenaKin).arg(mayaSignName(day.trecenaSign))},
        {tr("Haab'"), QStringLiteral("%1 %2").arg(day.haabDay).arg(haabMonthName(day.haabMonth))},
        {tr("Long Count"), longCountText(day)},
        {tr("Calendar Round"), calendarRound(day)},
        {tr("Lord of the Night"), QStringLiteral("G%1").arg(day.lordOfTheNight)},
        {tr("Year bearer"), mayaSignName(day.yearBearer)},
    });
}

QString otherKin(const MayaDay &day)
{
    return tr("kin %1, %2 %3").arg(day.kin).arg(day.tone).arg(signWithEnglish(day.sign));
}

QString explainText(CivilDate date)
{
    const std::optional<CivilDate> before = civilDate(*julianDay(date) - 1);
    QList<std::pair<QString, QString>> rows{
        {tr("Correlation %1").arg(kCorrelationGmtPlus2), otherKin(*mayaDay(date, kCorrelationGmtPlus2))},
        {tr("Correlation %1").arg(kCorrelationGmtPlus3), otherKin(*mayaDay(date, kCorrelationGmtPlus3))},
        {tr("Dreamspell"), tr("kin %1 (a count of its own)").arg(*dreamspellKin(date))},
        {tr("The day before"),
         before ? tr("%1, %2").arg(iso(*before), otherKin(*mayaDay(*before))) : tr("none in the years 0001 to 9999")},
    };
    return QLatin1Char('\n')
        + wrapped(tr("Not the reading: what other counts say about this day (some traditions count a "
                     "birth between midnight and dawn with the day before):"))
        + aligned(rows);
}

QJsonObject signJson(int sign)
{
    return {{QStringLiteral("number"), sign}, {QStringLiteral("name"), mayaSignName(sign)}};
}

QJsonObject otherJson(const MayaDay &day)
{
    return {{QStringLiteral("kin"), day.kin},
            {QStringLiteral("tone"), day.tone},
            {QStringLiteral("sign"), signJson(day.sign)},
            {QStringLiteral("calendar_round"), calendarRound(day)}};
}

// Keys never depend on the language; the catalogue's texts are what a
// person reads, so they come translated where a translation is installed.
QJsonObject dayJson(CivilDate date, const MayaDay &day)
{
    const SignTexts &row = signTexts(day.signRow);
    QJsonObject sign = signJson(day.sign);
    sign.insert(QStringLiteral("row"), day.signRow);
    sign.insert(QStringLiteral("reading_name"), catalogueText(row.mayanName));
    sign.insert(QStringLiteral("english_name"), catalogueText(row.englishName));
    sign.insert(QStringLiteral("keywords"), catalogueText(row.keywords));
    sign.insert(QStringLiteral("gemstone"), catalogueText(row.gemstone));
    sign.insert(QStringLiteral("significance"), catalogueText(row.significance));
    sign.insert(QStringLiteral("famous_persons"), catalogueText(row.famousPersons));
    sign.insert(QStringLiteral("description"), catalogueText(row.signDescription));
    QJsonArray longCount;
    for (const int n : day.longCount)
        longCount.append(n);
    return {
        {QStringLiteral("date"), iso(date)},
        {QStringLiteral("correlation"), kCorrelationGmt},
        {QStringLiteral("kin"), day.kin},
        {QStringLiteral("tone"),
         QJsonObject{{QStringLiteral("number"), day.tone},
                     {QStringLiteral("name"), shownToneName(day.tone)},
                     {QStringLiteral("description"), catalogueText(toneTexts(day.tone).toneDescription)}}},
        {QStringLiteral("sign"), sign},
        {QStringLiteral("trecena"),
         QJsonObject{{QStringLiteral("kin"), day.trecenaKin},
                     {QStringLiteral("sign"), mayaSignName(day.trecenaSign)},
                     {QStringLiteral("sign_number"), day.trecenaSign}}},
        {QStringLiteral("haab"),
         QJsonObject{{QStringLiteral("day"), day.haabDay},
                     {QStringLiteral("month"), day.haabMonth},
                     {QStringLiteral("name"), haabMonthName(day.haabMonth)}}},
        {QStringLiteral("long_count"), longCount},
        {QStringLiteral("calendar_round"), calendarRound(day)},
        {QStringLiteral("lord_of_the_night"), day.lordOfTheNight},
        {QStringLiteral("year_bearer"),
         QJsonObject{{QStringLiteral("sign"), mayaSignName(day.yearBearer)},
                     {QStringLiteral("sign_number"), day.yearBearer}}},
    };
}

QJsonObject explainJson(CivilDate date)
{
    const std::optional<CivilDate> before = civilDate(*julianDay(date) - 1);
    QJsonValue dayBefore; // null before 0001-01-01
    if (before) {
        QJsonObject o = otherJson(*mayaDay(*before));
        o.insert(QStringLiteral("date"), iso(*before));
        dayBefore = o;
    }
    return {{QString::number(kCorrelationGmtPlus2), otherJson(*mayaDay(date, kCorrelationGmtPlus2))},
            {QString::number(kCorrelationGmtPlus3), otherJson(*mayaDay(date, kCorrelationGmtPlus3))},
            {QStringLiteral("dreamspell"), QJsonObject{{QStringLiteral("kin"), *dreamspellKin(date)}}},
            {QStringLiteral("day_before"), dayBefore}};
}

QString returnsText(const QList<CivilDate> &dates)
{
    QString out;
    for (const CivilDate &d : dates)
        out += iso(d) + QStringLiteral("  ") + calendarRound(*mayaDay(d)) + QLatin1Char('\n');
    return out;
}

struct Request {
    CivilDate date;
    QString name;
    bool json = false;
    bool explain = false;
    bool ics = false;
    int returns = 0; // 0: no returns asked for
    CivilDate from;
};

// The request the parsed arguments make, or the reason they make none.
std::optional<Request> request(const QCommandLineParser &parser, const QDateTime &now, QString &error)
{
    const auto option = [&parser](const char *name) { return parser.values(QString::fromLatin1(name)); };
    for (const char *name : {"name", "returns", "from"}) {
        if (option(name).size() > 1) {
            error = tr("--%1 is given more than once").arg(QString::fromLatin1(name));
            return std::nullopt;
        }
    }
    const auto date = [&error](const QString &text) { return parseDate(text, error); };
    Request r;
    const QStringList dates = parser.positionalArguments();
    if (dates.size() > 1) {
        error = tr("give one date at most, not %1").arg(dates.size());
        return std::nullopt;
    }
    const CivilDate today = fromQDate(now.date());
    const auto day = dates.isEmpty() ? today : date(dates.first());
    const QStringList from = option("from");
    const auto start = from.isEmpty() ? today : date(from.first());
    if (!day || !start)
        return std::nullopt;
    r.date = *day;
    r.from = *start;
    r.json = parser.isSet(QStringLiteral("json"));
    r.explain = parser.isSet(QStringLiteral("explain"));
    r.ics = parser.isSet(QStringLiteral("ics"));

    const QStringList name = option("name");
    static const QRegularExpression control(QStringLiteral("[\\x{0}-\\x{1f}\\x{7f}-\\x{9f}]"));
    if (!name.isEmpty() && name.first().size() > kMaxNameLength)
        error = tr("the name is longer than %1 characters").arg(kMaxNameLength);
    else if (!name.isEmpty() && name.first().contains(control)) // a terminal would act on them
        error = tr("the name holds a control character");
    r.name = name.isEmpty() ? QString() : name.first().trimmed();

    const QStringList returns = option("returns");
    if (!returns.isEmpty()) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
        r.returns = returns.first().contains(digits) ? returns.first().toInt() : 0;
        if (r.returns < 1 || r.returns > kMaxReturns)
            error = tr("--returns takes a whole number from 1 to %1, not \"%2\"").arg(kMaxReturns).arg(returns.first().left(40));
    }
    if (!error.isEmpty())
        return std::nullopt;
    if ((!from.isEmpty() || r.ics) && r.returns == 0)
        error = tr("--from and --ics go with --returns N");
    else if (r.returns > 0 && (r.explain || !name.isEmpty()))
        error = tr("--returns lists dates; --name and --explain go with a reading");
    else if (r.ics && r.json)
        error = tr("--ics and --json are two forms of output: choose one");
    else
        return r;
    return std::nullopt;
}

QString helpText(const QCommandLineParser &parser)
{
    return parser.helpText()
        + tr("\nExamples:\n"
             "  tzolkara-cli 1975-03-14 --name Ann   the reading and the day for 14 March 1975\n"
             "  tzolkara-cli --json --explain        today as JSON, with what other counts say\n"
             "  tzolkara-cli 1975-03-14 --returns 5 --ics > kin.ics\n"
             "                                       the next five returns of that day's kin\n");
}

} // namespace

bool isUtf8(const QByteArray &argument)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(argument);
    return !decoder.hasError();
}

CliOutput runCli(const QStringList &arguments, const QDateTime &now)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("The Maya day of a date in the years 0001 to 9999 and its reading, with the correlation %1.")
            .arg(kCorrelationGmt));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption nameOption(QStringLiteral("name"), tr("Puts NAME at the top of the reading."), QStringLiteral("NAME"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), tr("Writes the reading and the day as one JSON object."));
    const QCommandLineOption explainOption(QStringLiteral("explain"),
                                           tr("Adds what 584285, 584286, Dreamspell and the day before say."));
    const QCommandLineOption returnsOption(QStringLiteral("returns"),
                                           tr("The next N dates (1 to %1) with the kin of DATE.").arg(kMaxReturns),
                                           QStringLiteral("N"));
    const QCommandLineOption fromOption(QStringLiteral("from"), tr("Starts --returns at DATE instead of today."), QStringLiteral("DATE"));
    const QCommandLineOption icsOption(QStringLiteral("ics"), tr("Writes those dates as an iCalendar file."));
    parser.addOptions({nameOption, jsonOption, explainOption, returnsOption, fromOption, icsOption});
    parser.addPositionalArgument(QStringLiteral("DATE"),
                                 tr("YYYY-MM-DD, 0001-01-01 to 9999-12-31; default today."),
                                 QStringLiteral("[DATE]"));

    CliOutput result;
    QString error;
    std::optional<Request> r;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (parser.isSet(helpOption)) {
        result.out = helpText(parser).toUtf8();
        return result;
    } else if (parser.isSet(versionOption)) {
        result.out = (QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                      + QLatin1Char('\n')).toUtf8();
        return result;
    } else {
        r = request(parser, now, error);
    }
    if (!r) {
        // One line: the reason.
        result.status = 2;
        result.err = (QStringLiteral("tzolkara-cli: ") + error.simplified() + QLatin1Char('\n')).toUtf8();
        return result;
    }

    const MayaDay day = *mayaDay(r->date);
    if (r->returns > 0) {
        const QList<CivilDate> found = kinReturns(day.kin, r->from, r->returns);
        if (r->ics) {
            result.out = kinReturnsCalendar(day, found, now);
        } else if (r->json) {
            QJsonObject o = dayJson(r->date, day);
            QJsonArray list;
            for (const CivilDate &d : found)
                list.append(iso(d));
            o.insert(QStringLiteral("returns"), list);
            result.out = QJsonDocument(o).toJson();
        } else {
            result.out = returnsText(found).toUtf8();
        }
    } else if (r->json) {
        QJsonObject o = dayJson(r->date, day);
        if (!r->name.isEmpty())
            o.insert(QStringLiteral("name"), r->name);
        if (r->explain)
            o.insert(QStringLiteral("explain"), explainJson(r->date));
        result.out = QJsonDocument(o).toJson();
    } else {
        QString text = readingText(day, r->name) + factsText(r->date, day);
        if (r->explain)
            text += explainText(r->date);
        result.out = text.toUtf8();
    }
    return result;
}

} // namespace tzk
