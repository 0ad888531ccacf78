// A bare Qt Widgets window with the main window's number and kinds of
// controls, ending on its first paint: the yardstick for start-up.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include <cstdlib>

namespace {

class Window : public QMainWindow
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMainWindow::paintEvent(event);
        // The process ends as soon as the frame is out, before anything
        // queued behind it: the measure is exec to the first painted frame.
        QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    auto *central = new QWidget;
    central->setFixedSize(479, 225);
    window.setCentralWidget(central);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Get My &Mayan Astrology Sign"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    for (const char *entry : {"&Online Help", "&Visit Us Online", "Check for Software &Update", "&About Software"})
        help->addAction(QString::fromLatin1(entry));
    window.menuBar()->addAction(QStringLiteral("&Donate"));
    window.menuBar()->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);

    (new QLabel(QStringLiteral("Forum banner"), central))->setGeometry(62, 0, 355, 29);
    (new QPushButton(QStringLiteral("&Open"), central))->setGeometry(8, 48, 133, 113);
    auto *frame = new QGroupBox(QStringLiteral("Personal Details"), central);
    frame->setGeometry(144, 40, 329, 121);
    (new QLabel(QStringLiteral("Name"), frame))->setGeometry(8, 30, 37, 13);
    (new QLineEdit(frame))->setGeometry(102, 24, 220, 19);
    (new QLabel(QStringLiteral("Date of Birth"), frame))->setGeometry(8, 57, 90, 13);
    auto *month = new QComboBox(frame);
    month->setGeometry(102, 51, 93, 21);
    auto *day = new QComboBox(frame);
    day->setGeometry(202, 51, 47, 21);
    auto *year = new QComboBox(frame);
    year->setGeometry(255, 51, 67, 21);
    for (int i = 1; i <= 12; ++i)
        month->addItem(QString::number(i));
    for (int i = 1; i <= 31; ++i)
        day->addItem(QString::number(i));
    for (int i = 1900; i <= 2016; ++i)
        year->addItem(QString::number(i));
    (new QPushButton(QStringLiteral("Get &Mayan Astrology Result"), frame))->setGeometry(7, 84, 316, 25);
    auto *brand = new QFrame(central);
    brand->setGeometry(0, 168, 479, 57);
    (new QLabel(QStringLiteral("Full brand"), brand))->setGeometry(8, 11, 463, 41);
    (new QLabel(QStringLiteral("Co-brand"), brand))->setGeometry(8, 11, 463, 41);
    window.show();
    return QApplication::exec();
}
