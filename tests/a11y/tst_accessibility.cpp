// What a screen reader and a keyboard user get from each window: names,
// roles and descriptions through Qt's accessibility interfaces, the Tab
// order, and the Alt+letter mnemonics.
#include "linklabel.h"
#include "windows.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

using namespace tzk;
using namespace tzk::test;

namespace {

QAccessibleInterface *accessible(QWidget *window, const char *name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(child(window, name));
    if (!iface)
        qFatal("no accessible interface for %s", name);
    return iface;
}

// The controls the windows' designs name (Qt's own inner widgets have
// no name or one starting with "qt_").
QList<QWidget *> designedControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            controls << w;
    }
    return controls;
}

// Everything a key press made the program do, in order.
QStringList effects(OpenWindow &w)
{
    QStringList seen;
    for (const QString &call : w.navigator.calls)
        seen << QStringLiteral("nav ") + call;
    for (const DialogRequest &d : w.platform.dialogs)
        seen << (d.save ? QStringLiteral("save dialog") : QStringLiteral("open dialog"));
    for (const QUrl &url : w.platform.urls)
        seen << QStringLiteral("url ") + url.toString();
    for (qsizetype i = 0; i < w.platform.printedJobs.size(); ++i)
        seen << QStringLiteral("print");
    for (const QString &text : w.platform.messageTexts())
        seen << QStringLiteral("message ") + text;
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        seen << QStringLiteral("menu ") + menu->title();
    return seen;
}

void closePopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void namesRolesAndDescriptions_data();
    void namesRolesAndDescriptions();
    void everyControlIsDescribed_data();
    void everyControlIsDescribed();
    void listsAreLabelled();
    void resultPicturesNameWhatIsShown_data();
    void resultPicturesNameWhatIsShown();
    void tabOrder_data();
    void tabOrder();
    void mnemonicsAreUnique_data();
    void mnemonicsAreUnique();
    void mnemonics_data();
    void mnemonics();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void reportScrollsWithTheKeyboard();
};

void TestAccessibility::init()
{
    setBirth(1975, "March", 14);
}

void TestAccessibility::cleanup()
{
    closePopups();
}

void TestAccessibility::namesRolesAndDescriptions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("description"); // empty: not checked

    const auto row = [](const char *window, const char *control, const QString &name, QAccessible::Role role,
                        const QString &description = QString()) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control) << name
                                                << int(role) << description;
    };
    const QString homeLink = QStringLiteral("Link: opens the forum home page in your web browser");

    row("main", "txtName", QStringLiteral("Name"), QAccessible::EditableText);
    // The caption wraps over four lines; the name reads as one.
    row("main", "cmdOpen", QStringLiteral("Open Previously Saved Reading"), QAccessible::Button);
    // The mnemonic marker is not read out.
    row("main", "cmdCalculate", QStringLiteral("Get Mayan Astrology Result"), QAccessible::Button);
    row("main", "Label14",
        QStringLiteral("The Most Popular Online Tessaly Discussion Forum. Click Here To Visit www.tessalyforum.com Now."),
        QAccessible::Link, homeLink);
    // A doubled ampersand in the design shows, and reads, as one.
    row("main", "lblCobrand",
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                       "site's name &  link here. See \"Help\" for details.    Click Here for more info on co-branding."),
        QAccessible::Link, QStringLiteral("Link: opens the page about co-branding in your web browser"));

    row("result", "picDaySign", QStringLiteral("Day sign: Night"), QAccessible::Graphic,
        QStringLiteral("Picture of the day sign Night"));
    row("result", "picGalacticTone", QStringLiteral("Day number: 13"), QAccessible::Graphic,
        QStringLiteral("Picture of the Cosmic tone, 13 in bar-and-dot numerals"));
    row("result", "lblMayanDayNumber", QStringLiteral("Mayan Day Number: 13"), QAccessible::StaticText);
    row("result", "lblMayanDaySign", QStringLiteral("Mayan Day Sign: AKABAL - (AKBAL)"), QAccessible::StaticText);
    row("result", "lblMayanEnglishName", QStringLiteral("English Name: Night"), QAccessible::StaticText);
    row("result", "lblSignificance", QStringLiteral("Mayan Significance: Patience"), QAccessible::StaticText);
    row("result", "cmdBack", QStringLiteral("Back"), QAccessible::Button,
        QStringLiteral("Returns to the main window for another reading"));

    row("report", "RTB", QStringLiteral("Report"), QAccessible::EditableText,
        QStringLiteral("The reading as a printable report"));
    row("report", "cmdPrint", QStringLiteral("Print"), QAccessible::Button,
        QStringLiteral("Prints the report on the default printer"));
    row("report", "Label1", QStringLiteral("Click Here To Visit www.tessalyforum.com Now"), QAccessible::Link,
        homeLink);

    row("about", "picIcon", QStringLiteral("Tzolkara icon"), QAccessible::Graphic,
        QStringLiteral("The program icon, a golden sun on a purple tile"));
    row("about", "cmdOK", QStringLiteral("OK"), QAccessible::Button);

    row("exit", "Picture1", QStringLiteral("Tzolkara icon"), QAccessible::Graphic);
    // The fields hold their placeholders as text, which is no name: once
    // the user clears a field it would have none.
    row("exit", "txtName", QStringLiteral("Your name"), QAccessible::EditableText);
    row("exit", "txtEmail", QStringLiteral("Your email address"), QAccessible::EditableText,
        QStringLiteral("Spaces are not allowed"));
    row("exit", "txtFriendEmail", QStringLiteral("Friend's email address"), QAccessible::EditableText,
        QStringLiteral("Spaces are not allowed"));
    row("exit", "cmdClose", QStringLiteral("Exit"), QAccessible::Button, QStringLiteral("Ends the program"));
    row("exit", "Check1", QStringLiteral("Click Here To Visit www.tessalyforum.com Now"), QAccessible::CheckBox,
        QStringLiteral("Opens the forum home page in your web browser"));
}

void TestAccessibility::namesRolesAndDescriptions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, description);

    OpenWindow w(window);
    QAccessibleInterface *iface = accessible(w.window, qPrintable(control));
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int(iface->role()), role);
    if (!description.isEmpty())
        QCOMPARE(iface->text(QAccessible::Description), description);
}

void TestAccessibility::everyControlIsDescribed_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : kWindowNames)
        QTest::newRow(qPrintable(name)) << name;
}

// A sweep over every designed control, so that one added later without
// words for a screen reader fails here.
void TestAccessibility::everyControlIsDescribed()
{
    QFETCH(QString, window);
    OpenWindow w(window);
    int checked = 0;
    for (QWidget *control : designedControls(w.window)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        QVERIFY(iface);
        const QString what = control->objectName();
        const QString name = iface->text(QAccessible::Name);
        const QString description = iface->text(QAccessible::Description);
        auto *label = qobject_cast<QLabel *>(control);

        if (qobject_cast<QComboBox *>(control) || qobject_cast<QLineEdit *>(control)
            || qobject_cast<QTextEdit *>(control) || qobject_cast<QPlainTextEdit *>(control)) {
            // A field of its own name: without one Qt falls back on the
            // frame's caption, and all four refer-a-friend fields would be
            // called "Refer A Friend". (Lists: see listsAreLabelled.)
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(what));
        } else if (qobject_cast<QAbstractButton *>(control)) {
            QVERIFY2(!name.isEmpty(), qPrintable(what));
            // Read out as one line, without the mnemonic marker.
            QVERIFY2(!name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('&')), qPrintable(name));
        } else if (qobject_cast<LinkLabel *>(control)) {
            QVERIFY2(!name.isEmpty(), qPrintable(what));
            QVERIFY2(description.startsWith(QLatin1String("Link: opens ")), qPrintable(what));
            QCOMPARE(iface->role(), QAccessible::Link);
            QVERIFY2(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                     qPrintable(what));
        } else if (label && !label->pixmap().isNull()) {
            QCOMPARE(iface->role(), QAccessible::Graphic);
            QVERIFY2(!name.isEmpty() && !description.isEmpty(), qPrintable(what));
        } else if (label && what.startsWith(QLatin1String("lbl"))) {
            // A value label: its caption, then its value.
            QVERIFY2(name.contains(QLatin1String(": ")) && name.endsWith(label->text().trimmed()), qPrintable(what));
        } else {
            continue;
        }
        ++checked;
    }
    QVERIFY(checked >= 3); // the sweep found the window's controls at all
}

// Qt on Linux would read out a drop-down list's entry as its name; these
// lists are named for what they ask on every system, with the entry as
// their value. The description reaches all of them.
void TestAccessibility::listsAreLabelled()
{
    OpenWindow w(QStringLiteral("main"));
    const struct {
        const char *list;
        const char *name;
    } lists[] = {{"cboMonth", "Month of birth"}, {"cboDate", "Day of birth"}, {"cboYear", "Year of birth"}};
    for (const auto &l : lists) {
        QWidget *list = child(w.window, l.list);
        QCOMPARE(list->accessibleName(), QLatin1String(l.name));
        QCOMPARE(accessible(w.window, l.list)->text(QAccessible::Name), QLatin1String(l.name)); // not its entry
        QCOMPARE(accessible(w.window, l.list)->role(), QAccessible::ComboBox);
        QVERIFY(!accessible(w.window, l.list)->text(QAccessible::Description).isEmpty());
    }
    QCOMPARE(accessible(w.window, "cboYear")->text(QAccessible::Value), QStringLiteral("1900"));

    // The captions are the buddies of what they describe.
    const auto labelOf = [&](const char *control) {
        QStringList labels;
        for (const auto &[iface, relation] : accessible(w.window, control)->relations(QAccessible::Label))
            labels << iface->text(QAccessible::Name);
        return labels;
    };
    QVERIFY(labelOf("txtName").contains(QStringLiteral("Name")));
    QVERIFY(labelOf("cboMonth").contains(QStringLiteral("Date of Birth")));
}

void TestAccessibility::resultPicturesNameWhatIsShown_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("tone");

    // Expected values from the calendar reference table.
    QTest::newRow("1 Jan 1900") << 1900 << "January" << 1 << "Flint" << "4" << "Self-Existing";
    QTest::newRow("1 Jan 2000") << 2000 << "January" << 1 << "Wind" << "11" << "Spectral";
    QTest::newRow("5 Mar 1990") << 1990 << "March" << 5 << "Reed" << "10" << "Planetary";
    // No date to place: the boxes keep their first pictures, and their
    // names say so rather than echo the (empty) reading.
    QTest::newRow("no date") << 1899 << "March" << 5 << "Crocodile" << "13" << "Cosmic";
}

void TestAccessibility::resultPicturesNameWhatIsShown()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, sign);
    QFETCH(QString, number);
    QFETCH(QString, tone);

    setBirth(year, qPrintable(month), day);
    OpenWindow w(QStringLiteral("result"));
    QCOMPARE(accessible(w.window, "picDaySign")->text(QAccessible::Name), QStringLiteral("Day sign: ") + sign);
    QCOMPARE(accessible(w.window, "picDaySign")->text(QAccessible::Description),
             QStringLiteral("Picture of the day sign ") + sign);
    QCOMPARE(accessible(w.window, "picGalacticTone")->text(QAccessible::Name), QStringLiteral("Day number: ") + number);
    QCOMPARE(accessible(w.window, "picGalacticTone")->text(QAccessible::Description),
             QStringLiteral("Picture of the %1 tone, %2 in bar-and-dot numerals").arg(tone, number));
}

void TestAccessibility::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order"); // from the control that has the focus on opening

    QTest::newRow("main") << "main"
                          << QStringList{"txtName", "cboMonth", "cboDate", "cboYear", "cmdCalculate", "cmdOpen"};
    QTest::newRow("result") << "result" << QStringList{"cmdBack", "cmdSave", "picGalacticTone", "picDaySign"};
    QTest::newRow("report") << "report" << QStringList{"cmdSave", "cmdPrint", "RTB"};
    QTest::newRow("about") << "about" << QStringList{"cmdOK"};
    QTest::newRow("exit") << "exit"
                          << QStringList{"Check1", "cmdClose", "txtName", "txtEmail", "txtFriendName",
                                         "txtFriendEmail", "cmdSubmit"};
}

// Real Tab and Shift+Tab presses, all the way round in both directions.
void TestAccessibility::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    OpenWindow w(window);
    QVERIFY(w.showActive());
    if (window == QLatin1String("exit")) // it opens without taking the focus
        child(w.window, "Check1")->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.constFirst());

    QStringList forward{order.constFirst()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(forward, order + QStringList{order.constFirst()});

    QStringList backward{order.constFirst()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << QApplication::focusWidget()->objectName();
    }
    QStringList reversed(order.crbegin(), order.crend());
    QCOMPARE(backward, QStringList{order.constFirst()} + reversed);
}

void TestAccessibility::mnemonicsAreUnique_data()
{
    everyControlIsDescribed_data();
}

// Two controls with one Alt+letter make Qt only move the focus between
// them: neither is pressed. Switched-off and hidden menu entries count too.
void TestAccessibility::mnemonicsAreUnique()
{
    QFETCH(QString, window);
    OpenWindow w(window);
    QMap<QKeySequence, QString> owners;
    const auto claim = [&](const QString &text, const QString &owner) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            return;
        QVERIFY2(!owners.contains(key), qPrintable(QStringLiteral("%1 shared by %2 and %3")
                                                       .arg(key.toString(), owners.value(key), owner)));
        owners.insert(key, owner);
    };
    for (QWidget *control : designedControls(w.window)) {
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            claim(button->text(), button->objectName());
        else if (auto *label = qobject_cast<QLabel *>(control); label && label->buddy())
            claim(label->text(), label->objectName());
    }
    if (auto *bar = w.window->findChild<QMenuBar *>()) {
        for (QAction *entry : bar->actions())
            claim(entry->text(), entry->objectName().isEmpty() ? entry->text() : entry->objectName());
    }
}

void TestAccessibility::mnemonics_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");      // pressed with Alt
    QTest::addColumn<int>("menuKey");  // then, when not 0, pressed in the open menu
    QTest::addColumn<QStringList>("effects");

    const QStringList calculate{"nav showResult", "nav showExit", "nav hideExit"};
    QTest::newRow("main Alt+M: Calculate") << "main" << int(Qt::Key_M) << 0 << calculate;
    QTest::newRow("main Alt+O: open a reading") << "main" << int(Qt::Key_O) << 0 << QStringList{"open dialog"};
    QTest::newRow("main Alt+F: File menu") << "main" << int(Qt::Key_F) << 0 << QStringList{"menu &File"};
    QTest::newRow("main Alt+F M: Calculate") << "main" << int(Qt::Key_F) << int(Qt::Key_M) << calculate;
    QTest::newRow("main Alt+H: Help menu") << "main" << int(Qt::Key_H) << 0 << QStringList{"menu &Help"};
    QTest::newRow("main Alt+D: Donate") << "main" << int(Qt::Key_D) << 0
                                        << QStringList{"url http://www.tessalyhelp.com/donate.html"};
    QTest::newRow("result Alt+F B: Back") << "result" << int(Qt::Key_F) << int(Qt::Key_B)
                                          << QStringList{"nav showMain", "nav showExit", "nav hideExit"};
    QTest::newRow("result Alt+H U: update page")
        << "result" << int(Qt::Key_H) << int(Qt::Key_U)
        << QStringList{"url http://www.tessalyforum.com/tzolkara/download-tzolkara.html"};
    QTest::newRow("report Alt+P: Print") << "report" << int(Qt::Key_P) << 0 << QStringList{"print"};
    QTest::newRow("report Alt+S: Save") << "report" << int(Qt::Key_S) << 0 << QStringList{"save dialog"};
    QTest::newRow("exit Alt+X: Exit") << "exit" << int(Qt::Key_X) << 0 << QStringList{"nav end"};
    QTest::newRow("exit Alt+N: Refer A Friend Now")
        << "exit" << int(Qt::Key_N) << 0 << QStringList{"message Please Enter Proper Email Address"};
}

void TestAccessibility::mnemonics()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(int, menuKey);
    QFETCH(QStringList, effects);

    OpenWindow w(window);
    if (window == QLatin1String("main"))
        fillEntry(w.window, QStringLiteral("Ann"), QStringLiteral("March"), 14, 1975);
    QVERIFY(w.showActive());
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.window.data();
    QTest::keyClick(target, Qt::Key(key), Qt::AltModifier);
    if (menuKey) {
        QWidget *menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key(menuKey));
    }
    // A button pressed by its mnemonic answers after its click animation.
    QTRY_COMPARE(::effects(w), effects);
}

void TestAccessibility::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("effects");

    QTest::newRow("main Calculate") << "main" << "cmdCalculate" << int(Qt::Key_Return)
                                    << QStringList{"nav showResult", "nav showExit", "nav hideExit"};
    QTest::newRow("main Open, keypad Enter") << "main" << "cmdOpen" << int(Qt::Key_Enter) << QStringList{"open dialog"};
    QTest::newRow("result Back") << "result" << "cmdBack" << int(Qt::Key_Return)
                                 << QStringList{"nav showMain", "nav showExit", "nav hideExit"};
    QTest::newRow("report Print") << "report" << "cmdPrint" << int(Qt::Key_Return) << QStringList{"print"};
    QTest::newRow("exit Exit") << "exit" << "cmdClose" << int(Qt::Key_Return) << QStringList{"nav end"};
    // Enter in a field presses nothing.
    QTest::newRow("main name field") << "main" << "txtName" << int(Qt::Key_Return) << QStringList{};
}

void TestAccessibility::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QStringList, effects);

    OpenWindow w(window);
    if (window == QLatin1String("main"))
        fillEntry(w.window, QStringLiteral("Ann"), QStringLiteral("March"), 14, 1975);
    QVERIFY(w.showActive());
    QWidget *target = child(w.window, qPrintable(button));
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(::effects(w), effects);
}

void TestAccessibility::reportScrollsWithTheKeyboard()
{
    // The report box takes no text interaction, yet a keyboard user must
    // still be able to read all of it.
    OpenWindow w(QStringLiteral("report"));
    QVERIFY(w.showActive());
    auto *report = child<QTextEdit>(w.window, "RTB");
    report->setFocus(Qt::TabFocusReason);
    QScrollBar *bar = report->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(report, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
    QTest::keyClick(report, Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
