// Two well-known people born under each sign, in catalogue row order.
#pragma once
#include <QtGlobal>

#include <array>
#include <string_view>
namespace tzk {
inline constexpr std::array<std::string_view, 20> kFamousPersons{{
    QT_TRANSLATE_NOOP("Catalogue", "David Bowie, Neil Armstrong"), // 1 Monkey
    QT_TRANSLATE_NOOP("Catalogue", "Mark Zuckerberg, Jerry Lee Lewis"), // 2 Road
    QT_TRANSLATE_NOOP("Catalogue", "Quentin Tarantino, Joni Mitchell"), // 3 Reed
    QT_TRANSLATE_NOOP("Catalogue", "Alan Turing, Paul Newman"), // 4 Jaguar
    QT_TRANSLATE_NOOP("Catalogue", "Ringo Starr, Cary Grant"), // 5 Eagle
    QT_TRANSLATE_NOOP("Catalogue", "Marlon Brando, Jennifer Lawrence"), // 6 Wisdom
    QT_TRANSLATE_NOOP("Catalogue", "Reese Witherspoon, Roy Lichtenstein"), // 7 Earth
    QT_TRANSLATE_NOOP("Catalogue", "Martin Scorsese, Keanu Reeves"), // 8 Flint
    QT_TRANSLATE_NOOP("Catalogue", "Cristiano Ronaldo, Nicole Kidman"), // 9 Storm
    QT_TRANSLATE_NOOP("Catalogue", "Leonardo DiCaprio, Sandra Bullock"), // 10 Sun
    QT_TRANSLATE_NOOP("Catalogue", "Frank Sinatra, Usain Bolt"), // 11 Crocodile
    QT_TRANSLATE_NOOP("Catalogue", "Michael Jackson, Richard Burton"), // 12 Wind
    QT_TRANSLATE_NOOP("Catalogue", "Jack Nicholson, Morgan Freeman"), // 13 Night
    QT_TRANSLATE_NOOP("Catalogue", "Jim Morrison, Mike Tyson"), // 14 Seed
    QT_TRANSLATE_NOOP("Catalogue", "Marilyn Monroe, Arthur Miller"), // 15 Serpent
    QT_TRANSLATE_NOOP("Catalogue", "Bill Gates, Chris Evans"), // 16 Transformer
    QT_TRANSLATE_NOOP("Catalogue", "Johnny Depp, Malcolm X"), // 17 Deer
    QT_TRANSLATE_NOOP("Catalogue", "Elvis Presley, Jimi Hendrix"), // 18 Star
    QT_TRANSLATE_NOOP("Catalogue", "John Lennon, Katherine Johnson"), // 19 Offering
    QT_TRANSLATE_NOOP("Catalogue", "Bob Marley, J.K. Rowling"), // 20 Dog
}};
} // namespace tzk
