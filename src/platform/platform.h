// Everything the operating system does for the program goes through this
// interface: the windows are tested against a double that records calls
// and answers them, and run against QtPlatform in production.
#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

#include <optional>

class QTextDocument;
class QWidget;

namespace tzk {

// Caption of every message box the program shows.
inline constexpr char kAppTitle[] = "Tzolkara";

enum class MessageIcon { None, Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogOptions {
    QString title;
    QString filter;        // in Qt's form, e.g. "Mayan Astrology (*.man)"
    QString defaultSuffix; // appended to a typed name without an extension
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal message box with the caption "Tzolkara".
    virtual MessageAnswer message(QWidget *parent, const QString &text, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    // Standard file dialogs; nothing when the user cancels. The save dialog
    // asks before replacing an existing file and refuses read-only ones.
    virtual std::optional<QString> openFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    virtual std::optional<QString> saveFileName(QWidget *parent, const FileDialogOptions &options) = 0;

    // Hands an address to the desktop's default browser; never waits for it.
    virtual bool openUrl(const QUrl &url) = 0;

    // Printing on the default printer, without a dialog; and the same
    // document as a PDF file. Both return an empty text on success, or the
    // reason for the failure.
    virtual bool hasDefaultPrinter() = 0;
    virtual QString printOnDefaultPrinter(const QTextDocument &document) = 0;
    virtual QString writePdf(const QTextDocument &document, const QString &path) = 0;

    // Empties the system clipboard, but only when it holds data this
    // program put there: what the user copied elsewhere is not ours to erase.
    virtual void clearOwnClipboard() = 0;

    // The per-user settings store. Reading gives nothing when the store
    // cannot be read, and the empty text for an absent key; writing
    // reports whether the value reached the store.
    virtual std::optional<QString> readSetting(const QString &section, const QString &key) = 0;
    virtual bool writeSetting(const QString &section, const QString &key, const QString &value) = 0;

    // Takes the per-user single-instance lock; false when another copy of
    // the program holds it. The lock is kept until the process ends.
    virtual bool acquireSingleInstance() = 0;

    virtual QDate today() = 0;

    // The program's random generator: seeded once, numbers in [0, 1).
    virtual void seedRandom() = 0;
    virtual double random() = 0;

    // Ends the process once control returns to the event loop; code that
    // calls it returns straight away.
    virtual void endProcess() = 0;
};

} // namespace tzk
