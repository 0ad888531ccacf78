#include "qtplatform.h"

#include "printing.h"
#include "regularfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tzk {

namespace {

constexpr char kOrganization[] = "Tessaly Softwares";

#ifndef Q_OS_WIN
// Far more than the few lines this program writes: anything larger is not
// its store, and is neither read whole into memory nor written over.
constexpr qint64 kMaxStoreBytes = 64 * 1024;
#endif

// The store is addressed by the executable's base name, so a renamed copy
// starts with settings of its own. Off Windows it is an INI file named
// explicitly, so that it stays where it is when the file dialogs' store is
// sent nowhere (keepDialogStateInMemory).
std::unique_ptr<QSettings> openStore()
{
    QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (app.isEmpty())
        app = QStringLiteral("Tzolkara");
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganization),
                                       app);
#else
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
                         + QLatin1String(kOrganization) + QLatin1Char('/') + app + QStringLiteral(".conf");
    // QSettings reads a file by name: a pipe there would never answer, a
    // device or a huge file never end.
    const QFileInfo info(file);
    if (info.exists() && (!info.isFile() || info.size() > kMaxStoreBytes))
        return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
}

#ifndef Q_OS_WIN
// QSettings::sync() waits without end for a lock file it can neither take
// nor clear away (a stale one in a folder the user may not write, or a
// folder in its place). A store whose lock is not free at once counts as
// one that cannot be written. The lock file is normally absent, and then
// nothing is tried.
bool storeLockIsFree(const QString &storeFile)
{
    const QFileInfo lock(storeFile + QStringLiteral(".lock"));
    if (!lock.exists() && !lock.isSymLink())
        return true;
    QLockFile probe(lock.filePath());
    if (!probe.tryLock(0))
        return false;
    probe.unlock();
    return true;
}
#endif

#ifndef Q_OS_WIN
// A key or section as QSettings writes it in an INI file; nothing for a
// name that holds a '/' (a sub-key) or the section QSettings names itself.
std::optional<QByteArray> iniKey(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/'))
        || name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    QByteArray out;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x80 && (QChar::isLetterOrNumber(u) || u == '_' || u == '-' || u == '.'))
            out += char(u);
        else if (u <= 0xFF) // "%E9", "%U20AC"
            out += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

// A text value as QSettings writes it; nothing for one that needs quotes,
// control escapes or the '@' of its typed values.
std::optional<QByteArray> iniValue(const QString &value)
{
    if (value.isEmpty() || value.startsWith(QLatin1Char('@')) || value.startsWith(QLatin1Char(' '))
        || value.endsWith(QLatin1Char(' ')))
        return std::nullopt;
    QString escaped;
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.isSurrogate() || QStringView(u";,=").contains(c))
            return std::nullopt;
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped.toUtf8();
}

// The first write to a store that is not there yet (a first run's date):
// the whole file is made beside it and then linked in under its name,
// which fails if anything has appeared there meanwhile, so no store is
// ever half-written or replaced here. Neither QSettings' lock nor its
// syncs to disk are needed: only this program writes the store, one copy
// per user, and where a lock file is there at all QSettings is left to
// deal with it. The date is a reminder, not the user's data: a power cut
// can lose the new file (or leave it empty), and the next start is then a
// first run again. False where this way does not apply (the file is there,
// or the text needs escapes QSettings alone writes); the caller then
// writes through QSettings.
bool createStore(const QString &file, const QString &section, const QString &key, const QString &value)
{
    const std::optional<QByteArray> sectionText = iniKey(section);
    const std::optional<QByteArray> keyText = iniKey(key);
    const std::optional<QByteArray> valueText = iniValue(value);
    const QString lock = file + QStringLiteral(".lock");
    if (!sectionText || !keyText || !valueText || QFileInfo::exists(file) || QFileInfo(file).isSymLink()
        || QFileInfo::exists(lock) || QFileInfo(lock).isSymLink() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    const QByteArray bytes = '[' + *sectionText + "]\n" + *keyText + '=' + *valueText + '\n';
    const QByteArray target = QFile::encodeName(file);
    const QByteArray made = target + '.' + QByteArray::number(QCoreApplication::applicationPid()) + ".new";
    const int fd = ::open(made.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    const bool whole = ::close(fd) == 0 && done == bytes.size();
    const bool linked = whole && ::link(made.constData(), target.constData()) == 0;
    ::unlink(made.constData());
    return linked;
}
#endif

// Qt's file dialog writes its recent folders to a store of its own
// (~/.config/QtProject.conf) as it closes, behind the same kind of lock
// that can wait for ever. The program writes nothing but its own settings,
// so the dialog's store is sent where nothing can be made: the dialog
// remembers its folders for the run only. (Windows keeps that store in the
// registry.)
void keepDialogStateInMemory()
{
#ifndef Q_OS_WIN
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif
}

// A text cut to at most `maxLines` lines of at most `maxChars` characters
// each. Both ends are kept, of each line and of the whole: a message opens
// with what happened and closes with its question.
QString shortened(const QString &text, qsizetype maxLines, qsizetype maxChars)
{
    const QString gap(QChar(0x2026));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > maxLines) {
        const qsizetype head = maxLines / 2;
        lines = lines.mid(0, head) + QStringList{gap} + lines.mid(lines.size() - (maxLines - head - 1));
    }
    for (QString &line : lines) {
        if (line.size() <= maxChars)
            continue;
        // A cut never falls between the halves of a character outside the
        // basic plane.
        qsizetype head = maxChars / 2;
        qsizetype tail = maxChars - head - 1;
        if (line.at(head - 1).isHighSurrogate())
            --head;
        if (line.at(line.size() - tail).isLowSurrogate())
            --tail;
        line = line.left(head) + gap + line.right(tail);
    }
    return lines.join(QLatin1Char('\n'));
}

// Names, paths and the system's reasons can be of any length; the box
// grows with them until its buttons leave the screen. Its text is cut
// until the box, with room for a title bar and frame, fits in the
// screen's available area. The box lays itself out only when shown, so
// it is measured shown but kept off the screen.
void fitOnScreen(QMessageBox &box, const QString &text)
{
    const QScreen *screen = box.parentWidget() ? box.parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize room = screen->availableGeometry().size() - QSize(32, 64);
    qsizetype maxLines = 60;
    qsizetype maxChars = 2000;
    for (int round = 0; round < 24; ++round) {
        box.setAttribute(Qt::WA_DontShowOnScreen, true);
        box.show();
        const QSize size = box.size();
        box.hide();
        box.setAttribute(Qt::WA_DontShowOnScreen, false);
        if (size.width() <= room.width() && size.height() <= room.height())
            return;
        maxLines = std::max<qsizetype>(3, maxLines * 2 / 3);
        maxChars = std::max<qsizetype>(8, maxChars * 2 / 3);
        box.setText(shortened(text, maxLines, maxChars));
    }
}

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::message(QWidget *parent, const QString &text, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromLatin1(kAppTitle));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        fitOnScreen(box, text);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    fitOnScreen(box, text);
    box.exec();
    return MessageAnswer::Ok;
}

std::optional<QString> QtPlatform::openFileName(QWidget *parent, const FileDialogOptions &options)
{
    return chooseFile(parent, options, false);
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const FileDialogOptions &options)
{
    return chooseFile(parent, options, true);
}

std::optional<QString> QtPlatform::chooseFile(QWidget *parent, const FileDialogOptions &options, bool save)
{
    keepDialogStateInMemory();
    // The person's documents at first, then where they last chose a file.
    QString folder = m_dialogFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QFileDialog dialog(parent, options.title, folder, options.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    // Qt's save dialog asks before overwriting by default.
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo info(path);
        m_dialogFolder = info.absolutePath();
        if (save && info.exists() && !info.isWritable()) {
            const QString text = QCoreApplication::translate(
                "tzk::QtPlatform", "%1\nThis file is read-only. Please choose another name.");
            message(parent, text.arg(QDir::toNativeSeparators(path)), MessageIcon::Critical, MessageButtons::Ok);
            continue;
        }
        return path;
    }
}

bool QtPlatform::openUrl(const QUrl &url)
{
    // The address goes to the desktop as a URL, never through a shell.
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::hasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString QtPlatform::printOnDefaultPrinter(const QTextDocument &document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QCoreApplication::translate("tzk::QtPlatform", "No printer is available.");
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kAppTitle));
    if (!paintDocument(document, printer)) {
        return QCoreApplication::translate("tzk::QtPlatform", "The printer %1 could not be started.")
            .arg(info.printerName());
    }
    if (printer.printerState() == QPrinter::Error)
        return QCoreApplication::translate("tzk::QtPlatform", "The printer reported an error.");
    return QString();
}

QString QtPlatform::writePdf(const QTextDocument &document, const QString &path)
{
    // Made in memory, then written by the same safe path as reading files:
    // a full disk or a pipe chosen in the dialog cannot leave a broken file
    // behind or stop the program.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromLatin1(kAppTitle));
        if (!paintDocument(document, writer))
            return QCoreApplication::translate("tzk::QtPlatform", "The PDF file could not be made.");
    }
    return saveRegularFile(path, pdf.data());
}

void QtPlatform::clearOwnClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard && clipboard->ownsClipboard())
        clipboard->clear();
}

std::optional<QString> QtPlatform::readSetting(const QString &section, const QString &key)
{
    const auto store = openStore();
    if (!store || store->status() != QSettings::NoError)
        return std::nullopt;
    const QVariant v = store->value(section + QLatin1Char('/') + key);
    if (!v.isValid())
        return QString();
    if (v.typeId() != QMetaType::QString)
        return std::nullopt; // not something this program wrote
    return v.toString();
}

bool QtPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    const auto store = openStore();
    if (!store || store->status() != QSettings::NoError || !store->isWritable())
        return false;
#ifndef Q_OS_WIN
    if (createStore(store->fileName(), section, key, value))
        return true;
    if (!storeLockIsFree(store->fileName()))
        return false;
#endif
    store->setValue(section + QLatin1Char('/') + key, value);
    store->sync();
    return store->status() == QSettings::NoError;
}

bool QtPlatform::acquireSingleInstance()
{
    // Only a running copy keeps this one out; where no lock can be made at
    // all, nothing proves that another copy runs.
    return m_instanceLock.acquire(m_systemRoot) != InstanceLock::Outcome::HeldByAnother;
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::seedRandom()
{
    m_random.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::random()
{
    // The distribution may round up to 1.0; keep the contract [0, 1).
    const double x = std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
    return x < 1.0 ? x : 0.0;
}

void QtPlatform::endProcess()
{
    m_ended = true;
    QCoreApplication::exit(0);
}

} // namespace tzk
