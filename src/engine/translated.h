// A text of the program in the user's language, where a translation is
// installed (in English otherwise): one way for every folder that has texts
// of its own, each under its context ("tzk::Report", "tzk::ReferAFriend").
#pragma once

#include <QCoreApplication>
#include <QString>

namespace tzk {

inline QString translated(const char *context, const char *sourceText)
{
    return QCoreApplication::translate(context, sourceText);
}

} // namespace tzk
