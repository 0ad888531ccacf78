// Two well-known people born under each sign, in catalogue row order.
#pragma once
#include <QtGlobal>

#include <array>
#include <string_view>
namespace tzk {
using std::string_view_literals::operator""sv; // u""sv: the length is known, nothing is counted
inline constexpr std::array<std::u16string_view, 20> kFamousPersons{{
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Neil Armstrong, Tina Turner"), // 1 Monkey
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Rudolf Nureyev, Maya Plisetskaya"), // 2 Road
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Audrey Hepburn, Louise Bourgeois"), // 3 Reed
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Alan Turing, Paul Newman"), // 4 Jaguar
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Rigoberta Menchú, Hergé"), // 5 Eagle
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Ingrid Bergman, James Earl Jones"), // 6 Wisdom
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Reese Witherspoon, Roy Lichtenstein"), // 7 Earth
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Martin Scorsese, Keanu Reeves"), // 8 Flint
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Jacqueline du Pré, Nicole Kidman"), // 9 Storm
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Leonardo DiCaprio, Sandra Bullock"), // 10 Sun
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Wilma Rudolph, Usain Bolt"), // 11 Crocodile
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Natalie Portman, Richard Burton"), // 12 Wind
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Michael Caine, Margaret Atwood"), // 13 Night
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Steffi Graf, Dean Martin"), // 14 Seed
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Marilyn Monroe, Arthur Miller"), // 15 Serpent
    u""sv QT_TRANSLATE_NOOP("Catalogue", "John Glenn, Emily Blunt"), // 16 Transformer
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Julia Child, B.B. King"), // 17 Deer
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Toni Morrison, Jimi Hendrix"), // 18 Star
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Gary Cooper, Katherine Johnson"), // 19 Offering
    u""sv QT_TRANSLATE_NOOP("Catalogue", "Bob Marley, Setsuko Hara"), // 20 Dog
}};
} // namespace tzk
