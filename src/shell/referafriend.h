// The refer-a-friend form of the exit screen without its widgets: the
// placeholders, the checks in the order the user meets them, and the
// address that hands the referral to the maker's web site.
#pragma once

#include "links.h"

#include <QString>

#include <optional>

namespace tzk {

// The fields start with these texts; one that still holds its placeholder
// counts as empty.
inline constexpr char kReferralContext[] = "tzk::ReferAFriend";
inline constexpr char kNamePlaceholder[] = QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Your Name");
inline constexpr char kEmailPlaceholder[] = QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Your Email Address");
inline constexpr char kMessagePlaceholder[] = QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Your Message");
inline constexpr char kFriendNamePlaceholder[] = QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Friend's Name");
inline constexpr char kFriendEmailPlaceholder[] = QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Friend's Email Address");

// A placeholder as the field shows it, in the user's language.
QString placeholderText(const char *placeholder);

inline constexpr char kReferralPath[] = "/zelk-refer-a-friend.php";
inline constexpr char kProgramDirectoryPath[] = "/tzolkara/";

// What one field may hold: an e-mail address has at most 254 characters,
// and a name needs no more. The fields take no more, and the address sends
// no more, so that it always fits what the browser launcher accepts (one
// argument of at most 128 KB on Linux): percent-encoded UTF-8 takes at most
// nine characters for one UTF-16 unit.
inline constexpr int kMaxReferralFieldLength = 254;
inline constexpr qsizetype kMaxLaunchableAddress = 128 * 1024;
static_assert(3 * (sizeof "http://" + sizeof kWebSiteHost) * 2 + sizeof kReferralPath + 3 * sizeof kProgramDirectoryPath
                      + 6 * sizeof "&taf1=" + 5 * 9 * kMaxReferralFieldLength
                  < kMaxLaunchableAddress);

struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Removes leading and trailing spaces only: a line break at the end of the
// message belongs to it.
QString trimSpaces(const QString &text);

// The submit button's own checks on the two addresses (distinct, with an
// "@" and a "."): the message to show, or nothing when they pass.
std::optional<QString> submitProblem(const Referral &referral);

// The checks before sending: every field filled and not a placeholder,
// in field order. The message to show, or nothing.
std::optional<QString> referralProblem(const Referral &referral);

// "http://<web-site host>/zelk-refer-a-friend.php?taf1=<name>&taf2=<e-mail>
// &taf3=<message>&taf4=<friend's name>&taf5=<friend's e-mail>&taf6=<the
// program's directory address>", every value percent-encoded as UTF-8
// (RFC 3986), so that "&", "#", "=", "+", spaces and line breaks in what the
// user typed arrive as typed. Each value is cut to kMaxReferralFieldLength.
QString referAFriendAddress(const Referral &referral);

} // namespace tzk
