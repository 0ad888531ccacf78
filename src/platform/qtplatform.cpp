#include "qtplatform.h"

#include "printing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>

namespace tzk {

namespace {

// The store is addressed by the executable's base name, so a renamed copy
// starts with settings of its own.
std::unique_ptr<QSettings> openStore()
{
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Tessaly Softwares"),
                                       app.isEmpty() ? QStringLiteral("Tzolkara") : app);
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
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

std::optional<QString> QtPlatform::openFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent, options.title, QString(), options.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const FileDialogOptions &options)
{
    QFileDialog dialog(parent, options.title, QString(), options.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    // Qt's save dialog asks before overwriting by default.
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo info(path);
        if (info.exists() && !info.isWritable()) {
            message(parent, QStringLiteral("%1\nThis file is read-only. Please choose another name.")
                                .arg(QDir::toNativeSeparators(path)),
                    MessageIcon::Critical, MessageButtons::Ok);
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
        return QStringLiteral("No printer is available.");
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kAppTitle));
    if (!paintDocument(document, printer))
        return QStringLiteral("The printer %1 could not be started.").arg(info.printerName());
    return printer.printerState() == QPrinter::Error ? QStringLiteral("The printer reported an error.") : QString();
}

QString QtPlatform::writePdf(const QTextDocument &document, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QString::fromLatin1(kAppTitle));
    if (!paintDocument(document, printer))
        return QStringLiteral("%1 could not be written.").arg(QDir::toNativeSeparators(path));
    return QString();
}

void QtPlatform::clearOwnClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard && clipboard->ownsClipboard())
        clipboard->clear();
}

std::optional<QString> QtPlatform::readSetting(const QString &section, const QString &key)
{
    auto store = openStore();
    if (store->status() != QSettings::NoError)
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
    auto store = openStore();
    if (store->status() != QSettings::NoError || !store->isWritable())
        return false;
    store->setValue(section + QLatin1Char('/') + key, value);
    store->sync();
    return store->status() == QSettings::NoError;
}

bool QtPlatform::acquireSingleInstance()
{
    // Only a running copy keeps this one out; where no lock can be made at
    // all, nothing proves that another copy runs.
    return m_instanceLock.acquire() != InstanceLock::Outcome::HeldByAnother;
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
