#include "referafriend.h"

#include "translated.h"

#include <QByteArray>
#include <QUrl>

namespace tzk {

namespace {

bool isFilled(const QString &value, const char *placeholder)
{
    return !value.isEmpty() && value != placeholderText(placeholder);
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value.left(kMaxReferralFieldLength)));
}

} // namespace

QString placeholderText(const char *placeholder)
{
    return translated(kReferralContext, placeholder);
}

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

std::optional<QString> submitProblem(const Referral &r)
{
    // Also catches two fields that are both empty.
    if (r.email == r.friendEmail)
        return translated(kReferralContext,
                          QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Distinct Email Addresses"));
    for (const QString *address : {&r.email, &r.friendEmail}) {
        if (!address->contains(u'@'))
            return translated(kReferralContext,
                              QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Proper Email Address"));
    }
    for (const QString *address : {&r.email, &r.friendEmail}) {
        if (!address->contains(u'.'))
            return translated(kReferralContext,
                              QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Proper Email Address"));
    }
    return std::nullopt;
}

std::optional<QString> referralProblem(const Referral &r)
{
    if (!isFilled(r.name, kNamePlaceholder))
        return translated(kReferralContext, QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Your Name"));
    if (!isFilled(r.email, kEmailPlaceholder))
        return translated(kReferralContext, QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Your Email"));
    if (!isFilled(r.message, kMessagePlaceholder))
        return translated(kReferralContext, QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Your Message"));
    if (!isFilled(r.friendName, kFriendNamePlaceholder))
        return translated(kReferralContext, QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Your Friend's Name"));
    if (!isFilled(r.friendEmail, kFriendEmailPlaceholder))
        return translated(kReferralContext, QT_TRANSLATE_NOOP("tzk::ReferAFriend", "Please Enter Your Friend's Email"));
    return std::nullopt;
}

QString referAFriendAddress(const Referral &r)
{
    const QString values[] = {r.name, r.email, r.message, r.friendName, r.friendEmail,
                              webSiteAddress(QLatin1String(kProgramDirectoryPath))};
    QString address = webSiteAddress(QLatin1String(kReferralPath));
    int number = 0;
    for (const QString &value : values) {
        ++number;
        address += (number == 1 ? u'?' : u'&') + QStringLiteral("taf%1=").arg(number) + encoded(value);
    }
    return address;
}

} // namespace tzk
