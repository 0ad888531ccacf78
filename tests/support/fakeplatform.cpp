#include "fakeplatform.h"

#include "qtplatform.h"

#include <QTextDocument>

namespace tzk::test {

MessageAnswer FakePlatform::message(QWidget *parent, const QString &text, MessageIcon icon,
                                    MessageButtons buttons)
{
    const ShownMessage shown{text, icon, buttons, parent};
    messages << shown;
    if (onMessage)
        onMessage(shown);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::No : answers.dequeue();
}

std::optional<QString> FakePlatform::openFileName(QWidget *, const FileDialogOptions &options)
{
    dialogs << DialogRequest{false, options};
    return fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
}

std::optional<QString> FakePlatform::saveFileName(QWidget *, const FileDialogOptions &options)
{
    dialogs << DialogRequest{true, options};
    return fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
}

bool FakePlatform::openUrl(const QUrl &url)
{
    urls << url;
    return true;
}

QString FakePlatform::printOnDefaultPrinter(const QTextDocument &document)
{
    if (!printerAvailable)
        return QStringLiteral("No printer is available.");
    if (!printFailure.isEmpty())
        return printFailure;
    printedJobs << document.toPlainText();
    return QString();
}

QString FakePlatform::writePdf(const QTextDocument &document, const QString &path)
{
    // A real PDF, so that tests can read it back.
    QtPlatform real;
    const QString failure = real.writePdf(document, path);
    if (failure.isEmpty())
        pdfPaths << path;
    return failure;
}

std::optional<QString> FakePlatform::readSetting(const QString &section, const QString &key)
{
    if (!settingsReadable)
        return std::nullopt;
    return store.value(section + QLatin1Char('/') + key);
}

bool FakePlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    if (!settingsWritable)
        return false;
    store.insert(section + QLatin1Char('/') + key, value);
    return true;
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const ShownMessage &m : messages)
        texts << m.text;
    return texts;
}

} // namespace tzk::test
