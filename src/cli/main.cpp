// tzolkara-cli: the reading and the Maya day of any date, on standard output.
#include "cli.h"
#include "translation.h"
#include "version.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The raw bytes, before Qt decodes them.
    QList<QByteArray> raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QByteArray(argv[i]));

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tzolkara-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tzk::kVersion));
    tzk::installTranslation();

    tzk::CliOutput result;
    for (qsizetype i = 0; i < raw.size() && result.status == 0; ++i) {
        if (!tzk::isUtf8(raw[i])) {
            result.status = 2;
            result.err = QCoreApplication::translate("tzk::Cli", "tzolkara-cli: argument %1 is not valid UTF-8\n")
                             .arg(i + 1)
                             .toUtf8();
        }
    }
    if (result.status == 0)
        result = tzk::runCli(QCoreApplication::arguments(), QDateTime::currentDateTime());

    std::fwrite(result.out.constData(), 1, size_t(result.out.size()), stdout);
    // A full disk or a closed pipe is a failure, not a success.
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && result.status == 0) {
        result.status = 1;
        result.err = QCoreApplication::translate("tzk::Cli", "tzolkara-cli: the output could not be written\n").toUtf8();
    }
    std::fwrite(result.err.constData(), 1, size_t(result.err.size()), stderr);
    return result.status;
}
