// The production platform: real message boxes, dialogs, printer, browser,
// clipboard, settings store and single-instance lock, all from Qt.
#pragma once

#include "instancelock.h"
#include "platform.h"

#include <random>

namespace tzk {

class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer message(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> openFileName(QWidget *parent, const FileDialogOptions &options) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogOptions &options) override;
    bool openUrl(const QUrl &url) override;
    bool hasDefaultPrinter() override;
    QString printOnDefaultPrinter(const QTextDocument &document) override;
    QString writePdf(const QTextDocument &document, const QString &path) override;
    void clearOwnClipboard() override;
    std::optional<QString> readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    bool acquireSingleInstance() override;
    QDate today() override;
    void seedRandom() override;
    double random() override;
    void endProcess() override;

    // True once endProcess() has been called; main() then skips or leaves
    // the event loop.
    bool ended() const { return m_ended; }

protected:
    // Where the system's own folders lie for the single-instance lock: the
    // root folder, or a tree of a test's own.
    void setSystemRoot(const QString &root) { m_systemRoot = root; }

private:
    std::optional<QString> chooseFile(QWidget *parent, const FileDialogOptions &options, bool save);

    InstanceLock m_instanceLock;
    QString m_systemRoot;
    // The folder of the last file chosen in a dialog: the next dialog starts
    // there, for the length of the run.
    QString m_dialogFolder;
    std::mt19937 m_random{0};
    bool m_ended = false;
};

} // namespace tzk
