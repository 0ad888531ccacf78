// The platform double: records every request the program makes of the
// operating system and answers from scripted replies.
#pragma once

#include "platform.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace tzk::test {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QPointer<QWidget> parent;
};

struct DialogRequest {
    bool save;
    FileDialogOptions options;
};

class FakePlatform : public Platform
{
public:
    // ---- scripted answers ----
    QQueue<MessageAnswer> answers;            // Yes/No replies; OK boxes need none
    QQueue<std::optional<QString>> fileNames; // dialog results; empty queue = cancel
    bool printerAvailable = true;
    QString printFailure;                     // non-empty: printing fails with this reason
    bool settingsReadable = true;
    bool settingsWritable = true;
    bool lockFree = true;
    QDate date = QDate(2026, 12, 8);
    QQueue<double> randoms;                   // values for random(); 0.0 when empty
    std::function<void(const ShownMessage &)> onMessage; // runs while a box is "open"

    // ---- what happened ----
    QList<ShownMessage> messages;
    QList<DialogRequest> dialogs;
    QList<QUrl> urls;
    QStringList printedJobs;                  // plain text of each printed document
    QStringList pdfPaths;
    int clipboardClears = 0;
    QMap<QString, QString> store;             // "section/key" -> value
    int seeds = 0;
    int ends = 0;

    MessageAnswer message(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> openFileName(QWidget *parent, const FileDialogOptions &options) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogOptions &options) override;
    bool openUrl(const QUrl &url) override;
    bool hasDefaultPrinter() override { return printerAvailable; }
    QString printOnDefaultPrinter(const QTextDocument &document) override;
    QString writePdf(const QTextDocument &document, const QString &path) override;
    void clearOwnClipboard() override { ++clipboardClears; }
    std::optional<QString> readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    bool acquireSingleInstance() override { return lockFree; }
    QDate today() override { return date; }
    void seedRandom() override { ++seeds; }
    double random() override { return randoms.isEmpty() ? 0.0 : randoms.dequeue(); }
    void endProcess() override { ++ends; }

    QStringList messageTexts() const;
};

} // namespace tzk::test
