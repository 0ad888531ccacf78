// The exit screen: its design, the placeholders, the refer-a-friend checks
// and address, its links, and closing it.
#include "exittexts.h"
#include "fakeplatform.h"
#include "frmexitscreen.h"
#include "links.h"
#include "design.h"
#include "drive.h"
#include "fakenavigator.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

using namespace tzk;
using tzk::test::FakeNavigator;
using tzk::test::FakePlatform;

namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// One exit screen with its platform and navigator.
struct Screen {
    FakePlatform platform;
    FakeNavigator navigator;
    FrmExitScreen window{platform, navigator};

    template <typename T = QWidget>
    T *get(const QString &name) { return test::child<T>(&window, name); }
    QLineEdit *line(const QString &name) { return get<QLineEdit>(name); }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    void fill(const QString &name, const QString &email, const QString &friendName, const QString &friendEmail)
    {
        line("txtName")->setText(name);
        line("txtEmail")->setText(email);
        line("txtFriendName")->setText(friendName);
        line("txtFriendEmail")->setText(friendEmail);
    }
    void submit() { QTest::mouseClick(get<QPushButton>("cmdSubmit"), Qt::LeftButton); }
};

const QString kSpaceMessage = QStringLiteral("Email Address Cannot Contain Space");

} // namespace

class TestExitScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void promoTextFollowsTheRandomNumber_data();
    void promoTextFollowsTheRandomNumber();
    void windowDesign();
    void textsFitTheirLabels();

    void placeholdersComeAndGo();
    void placeholderStaysAwayWhileAMenuIsOpen();
    void typedSpaceIsRefused();
    void pastedSpacesAreTakenOut();

    void checksInOrder_data();
    void checksInOrder();
    void valuesArriveAsTyped_data();
    void valuesArriveAsTyped();

    void linksAndClosing();
};

void TestExitScreen::promoTextFollowsTheRandomNumber_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("index");
    QTest::newRow("0.0") << 0.0 << 0;
    QTest::newRow("0.3") << 0.3 << 1;
    QTest::newRow("0.6") << 0.6 << 2;
    QTest::newRow("0.99") << 0.99 << 3;
    QTest::newRow("1.0, out of range") << 1.0 << 3;
}

void TestExitScreen::promoTextFollowsTheRandomNumber()
{
    QFETCH(double, random);
    QFETCH(int, index);
    FakePlatform platform;
    platform.randoms.enqueue(random);
    FakeNavigator navigator;
    FrmExitScreen window(platform, navigator);
    QCOMPARE(platform.seeds, 1);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
             text(kExitPromoTexts[static_cast<std::size_t>(index)]));
    QVERIFY(!window.isVisible()); // showing it is the navigator's business
}

void TestExitScreen::windowDesign()
{
    Screen s;
    QCOMPARE(s.window.objectName(), QStringLiteral("frmExitScreen"));
    QCOMPARE(s.window.windowTitle(), test::designCaption());
    QCOMPARE(s.window.size(), QSize(741, 315));
    QCOMPARE(s.window.minimumSize(), s.window.maximumSize());
    QVERIFY(s.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(s.window.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(s.get("Frame2")->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(s.get<QCheckBox>("Check1")->text(), QStringLiteral("Click Here To Visit www.tessalyforum.com Now"));
    QVERIFY(!s.get<QLabel>("Picture1")->pixmap().isNull()); // from the program's resources

    const struct {
        const char *name;
        const char *parent;
        QRect geometry;
    } spots[] = {{"Check1", "frmExitScreen", QRect(2, 136, 479, 37)},
                 {"cmdClose", "frmExitScreen", QRect(400, 184, 83, 25)},
                 {"Frame2", "frmExitScreen", QRect(8, 216, 471, 97)},
                 {"txtFriendEmail", "Frame2", QRect(240, 48, 225, 19)},
                 {"cmdSubmit", "Frame2", QRect(128, 72, 225, 19)},
                 {"Frame6", "frmExitScreen", QRect(488, 8, 249, 305)},
                 {"lblGoToHome", "Frame6", QRect(5, 283, 239, 14)}};
    for (const auto &spot : spots) {
        QWidget *w = s.get(QLatin1String(spot.name));
        QCOMPARE(w->parentWidget()->objectName(), QLatin1String(spot.parent));
        QCOMPARE(w->geometry(), spot.geometry);
    }

    // The message field lies below its frame's lower edge: never seen, and
    // Tab never reaches it.
    QVERIFY(!s.get("Frame2")->rect().intersects(s.get("txtMessage")->geometry()));
    QVERIFY(s.showActive());
    s.get("Check1")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"cmdClose", "txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                                   "cmdSubmit", "Check1"}));
}

void TestExitScreen::textsFitTheirLabels()
{
    // Verdana's stand-in is wider: no text may run past its label.
    Screen s;
    const auto fits = [](const QLabel *label, const QString &t) {
        return QFontMetrics(label->font()).boundingRect(label->contentsRect(), Qt::TextWordWrap, t).height()
               <= label->height();
    };
    for (std::string_view t : kExitPromoTexts)
        QVERIFY2(fits(s.get<QLabel>("Label2"), text(t)), qPrintable(text(t).left(30)));
    QVERIFY(fits(s.get<QLabel>("Label3"), s.get<QLabel>("Label3")->text()));
    auto *link = s.get<QLabel>("lblGoToHome");
    QVERIFY(QFontMetricsF(link->font()).horizontalAdvance(link->text()) <= link->contentsRect().width());
    QVERIFY(link->font().pointSizeF() >= 8.0);
}

void TestExitScreen::placeholdersComeAndGo()
{
    Screen s;
    QVERIFY(s.showActive());
    const QStringList fields{"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    const QStringList placeholders{"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"};
    QWidget *elsewhere = s.get("cmdClose");

    for (int i = 0; i < fields.size(); ++i) {
        QLineEdit *field = s.line(fields[i]);
        QCOMPARE(field->text(), placeholders[i]);
        field->setFocus(Qt::TabFocusReason);
        QCOMPARE(field->text(), QString());
        elsewhere->setFocus(Qt::TabFocusReason);
        QCOMPARE(field->text(), placeholders[i]);

        // Spaces around the placeholder, or nothing but spaces, count too.
        field->setText(QStringLiteral("  ") + placeholders[i] + QStringLiteral(" "));
        field->setFocus(Qt::MouseFocusReason);
        QCOMPARE(field->text(), QString());
        field->setText(QStringLiteral("   "));
        elsewhere->setFocus(Qt::TabFocusReason);
        QCOMPARE(field->text(), placeholders[i]);

        // What the user typed stays.
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, QStringLiteral("x@y.z"));
        elsewhere->setFocus(Qt::TabFocusReason);
        field->setFocus(Qt::TabFocusReason);
        QCOMPARE(field->text(), QStringLiteral("x@y.z"));
    }
}

void TestExitScreen::placeholderStaysAwayWhileAMenuIsOpen()
{
    // A context menu (Paste) or another window taking the keyboard is not
    // leaving the field: no placeholder may appear in front of the paste.
    Screen s;
    QVERIFY(s.showActive());
    QLineEdit *field = s.line("txtName");
    field->setFocus(Qt::TabFocusReason);
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(field, &out);
        QCOMPARE(field->text(), QString());
    }
}

void TestExitScreen::typedSpaceIsRefused()
{
    for (const QString name : {"txtEmail", "txtFriendEmail"}) {
        Screen s;
        QVERIFY(s.showActive());
        QLineEdit *email = s.line(name);
        QLineEdit *other = s.line("txtName");
        // The message box takes the keyboard while it is open.
        s.platform.onMessage = [other](const test::ShownMessage &) { other->setFocus(Qt::OtherFocusReason); };

        email->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(email, QStringLiteral("ann bee"));
        QTest::keyClick(email, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(email->text(), QStringLiteral("annbee"));
        QCOMPARE(s.platform.messageTexts(), (QStringList{kSpaceMessage, kSpaceMessage}));
        QCOMPARE(s.platform.messages.first().icon, MessageIcon::Critical);
        QVERIFY(email->hasFocus());

        // Names may hold spaces.
        s.platform.onMessage = nullptr;
        other->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(other, QStringLiteral("Ann Bee"));
        QCOMPARE(other->text(), QStringLiteral("Ann Bee"));
        QCOMPARE(s.platform.messages.size(), 2);
    }
}

void TestExitScreen::pastedSpacesAreTakenOut()
{
    Screen s;
    QVERIFY(s.showActive());
    QLineEdit *email = s.line("txtFriendEmail");
    email->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(email, QStringLiteral("<>"));
    email->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral(" bo b@exam\tple.com "));
    email->paste();
    QCOMPARE(email->text(), QStringLiteral("<bob@example.com>"));
    QCOMPARE(email->cursorPosition(), 16); // just after what was pasted
    QCOMPARE(s.platform.messageTexts(), QStringList{kSpaceMessage});

    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    email->paste();
    QCOMPARE(email->text(), QStringLiteral("<bob@example.comx>"));
    QCOMPARE(s.platform.messages.size(), 1);
}

void TestExitScreen::checksInOrder_data()
{
    QTest::addColumn<QStringList>("fields"); // name, e-mail, message, friend's name, friend's e-mail
    QTest::addColumn<QString>("expected");   // empty: the referral is sent

    const QString msg = QStringLiteral("Your Message\r\n");
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    // The addresses are checked first, even with the name placeholder left.
    QTest::newRow("both addresses empty") << QStringList{"Your Name", "", msg, "Bob", ""} << distinct;
    QTest::newRow("both only spaces") << QStringList{"Your Name", "  ", msg, "Bob", " "} << distinct;
    QTest::newRow("same once trimmed")
        << QStringList{"Your Name", " a@ex.com", msg, "Bob", "a@ex.com  "} << distinct;
    QTest::newRow("both placeholders")
        << QStringList{"Your Name", "Your Email Address", msg, "Bob", "Friend's Email Address"} << proper;
    QTest::newRow("no @") << QStringList{"Your Name", "a@ex.com", msg, "Bob", "b.ex.com"} << proper;
    QTest::newRow("@ but no dot") << QStringList{"Your Name", "a@ex", msg, "Bob", "b@ex.com"} << proper;
    QTest::newRow("name placeholder") << QStringList{"Your Name", "a@ex.com", msg, "Bob", "b@ex.com"}
                                      << "Please Enter Your Name";
    QTest::newRow("name before message") << QStringList{" ", "a@ex.com", "", "", "b@ex.com"}
                                         << "Please Enter Your Name";
    QTest::newRow("message placeholder") << QStringList{"Ann", "a@ex.com", "Your Message", "", "b@ex.com"}
                                         << "Please Enter Your Message";
    QTest::newRow("friend's name placeholder")
        << QStringList{"Ann", "a@ex.com", msg, "Friend's Name", "b@ex.com"} << "Please Enter Your Friend's Name";
    QTest::newRow("differ only in case") << QStringList{"Ann", "A@ex.com", msg, "Bob", "a@ex.com"} << "";
}

void TestExitScreen::checksInOrder()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    Screen s;
    s.fill(fields[0], fields[1], fields[3], fields[4]);
    s.get<QPlainTextEdit>("txtMessage")->setPlainText(fields[2]);
    s.submit();
    if (expected.isEmpty()) {
        QVERIFY(s.platform.messages.isEmpty());
        QCOMPARE(s.platform.urls.size(), 1);
        return;
    }
    QCOMPARE(s.platform.messageTexts(), QStringList{expected});
    QCOMPARE(s.platform.messages.first().icon, MessageIcon::Critical);
    QVERIFY(s.platform.urls.isEmpty());
    QCOMPARE(s.line("txtEmail")->text(), fields[1]); // left as they were
}

void TestExitScreen::valuesArriveAsTyped_data()
{
    QTest::addColumn<QStringList>("typed"); // name, e-mail, message (null: as designed), friend's name, friend's e-mail
    QTest::addColumn<QStringList>("sent");

    QTest::newRow("plain, hidden message as designed")
        << QStringList{"Ann", " a@ex.com ", QString(), "Bob", "b@ex.com"}
        << QStringList{"Ann", "a@ex.com", "Your Message\r\n", "Bob", "b@ex.com"};
    const QStringList delimiters{"Tom & Jerry = 2", "a&taf6=x@ex.com", "a=b&c=d #3", "?taf1=Eve;x", "b#c@ex.com"};
    QTest::newRow("query delimiters") << delimiters << delimiters;
    const QStringList escapes{"100% + 50%20", "x+y@ex.com", "%0D%0A + %", "Ann+Bob", "z%41@ex.com"};
    QTest::newRow("escapes and plus") << escapes << escapes;
    const QStringList wide{QString::fromUtf8("Zoë Ünal 名前 🙂"), QString::fromUtf8("zoë@exämple.com"),
                           QString::fromUtf8("Grüße\r\nfrom me"), QString::fromUtf8("Ольга"),
                           QString::fromUtf8("ольга@пример.рф")};
    QTest::newRow("beyond ASCII") << wide << wide;
    // A megabyte pasted into each field: what fits a field is sent, and the
    // address stays short enough for the browser launcher.
    const QString megabyte(1 << 20, QChar(0x738B));
    const QString address = QStringLiteral("a@ex.com");
    const QString cut = megabyte.left(kMaxReferralFieldLength);
    QTest::newRow("a megabyte in every field")
        << QStringList{megabyte, address + megabyte, megabyte, megabyte, "b@ex.com" + megabyte}
        << QStringList{cut, (address + megabyte).left(kMaxReferralFieldLength), cut, cut,
                       ("b@ex.com" + megabyte).left(kMaxReferralFieldLength)};
}

void TestExitScreen::valuesArriveAsTyped()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, sent);
    Screen s;
    s.fill(typed[0], typed[1], typed[3], typed[4]);
    if (!typed[2].isNull())
        s.get<QPlainTextEdit>("txtMessage")->setPlainText(typed[2]);
    s.submit();
    QCOMPARE(s.platform.messageTexts(), QStringList());
    QCOMPARE(s.platform.urls.size(), 1);
    const QUrl url = s.platform.urls.first();
    QCOMPARE(url.toString(QUrl::RemoveQuery), QStringLiteral("http://www.tessalyforum.com/zelk-refer-a-friend.php"));
    QVERIFY(!url.hasFragment());
    const QByteArray wire = url.toEncoded();
    QVERIFY(!wire.contains(' ') && !wire.contains('\r') && !wire.contains('\n'));
    QVERIFY(wire.size() < kMaxLaunchableAddress);

    const QUrlQuery query(url);
    QStringList keys, values;
    for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
        keys << item.first;
        values << item.second;
    }
    QCOMPARE(keys, (QStringList{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    QCOMPARE(values, sent + QStringList{"http://www.tessalyforum.com/tzolkara/"});
    QVERIFY(s.platform.store.isEmpty());
}

void TestExitScreen::linksAndClosing()
{
    Screen s;
    QVERIFY(s.showActive());
    auto *box = s.get<QCheckBox>("Check1");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QTest::mouseClick(s.get("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(s.platform.urls, (QList<QUrl>{QUrl(QStringLiteral("http://www.tessalyforum.com")),
                                           QUrl(QStringLiteral("http://www.tessalyforum.com/tessalysoftwares"))}));
    QCOMPARE(s.navigator.calls.count(QStringLiteral("end")), 0);

    s.window.hide(); // hidden during navigation: not closed
    QCOMPARE(s.navigator.calls.count(QStringLiteral("end")), 0);
    s.window.show();
    QTest::mouseClick(s.get("cmdClose"), Qt::LeftButton);
    QCOMPARE(s.navigator.calls.count(QStringLiteral("end")), 1);
    // The close box, or the desktop closing it: never refused.
    QVERIFY(s.window.close());
    QCOMPARE(s.navigator.calls, QStringList({"end", "end"})); // and nothing else
}

QTEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
