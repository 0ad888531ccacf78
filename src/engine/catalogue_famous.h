// Two well-known people born under each sign, in catalogue row order.
#pragma once
#include <QtGlobal>

#include <array>
#include <string_view>
namespace tzk {
inline constexpr std::array<std::string_view, 20> kFamousPersons{{
    QT_TRANSLATE_NOOP("Catalogue", "Neil Armstrong, Tina Turner"), // 1 Monkey
    QT_TRANSLATE_NOOP("Catalogue", "Rudolf Nureyev, Maya Plisetskaya"), // 2 Road
    QT_TRANSLATE_NOOP("Catalogue", "Audrey Hepburn, Louise Bourgeois"), // 3 Reed
    QT_TRANSLATE_NOOP("Catalogue", "Alan Turing, Paul Newman"), // 4 Jaguar
    QT_TRANSLATE_NOOP("Catalogue", "Rigoberta Menchú, Hergé"), // 5 Eagle
    QT_TRANSLATE_NOOP("Catalogue", "Ingrid Bergman, James Earl Jones"), // 6 Wisdom
    QT_TRANSLATE_NOOP("Catalogue", "Reese Witherspoon, Roy Lichtenstein"), // 7 Earth
    QT_TRANSLATE_NOOP("Catalogue", "Martin Scorsese, Keanu Reeves"), // 8 Flint
    QT_TRANSLATE_NOOP("Catalogue", "Jacqueline du Pré, Nicole Kidman"), // 9 Storm
    QT_TRANSLATE_NOOP("Catalogue", "Leonardo DiCaprio, Sandra Bullock"), // 10 Sun
    QT_TRANSLATE_NOOP("Catalogue", "Wilma Rudolph, Usain Bolt"), // 11 Crocodile
    QT_TRANSLATE_NOOP("Catalogue", "Natalie Portman, Richard Burton"), // 12 Wind
    QT_TRANSLATE_NOOP("Catalogue", "Michael Caine, Margaret Atwood"), // 13 Night
    QT_TRANSLATE_NOOP("Catalogue", "Steffi Graf, Dean Martin"), // 14 Seed
    QT_TRANSLATE_NOOP("Catalogue", "Marilyn Monroe, Arthur Miller"), // 15 Serpent
    QT_TRANSLATE_NOOP("Catalogue", "John Glenn, Emily Blunt"), // 16 Transformer
    QT_TRANSLATE_NOOP("Catalogue", "Julia Child, B.B. King"), // 17 Deer
    QT_TRANSLATE_NOOP("Catalogue", "Toni Morrison, Jimi Hendrix"), // 18 Star
    QT_TRANSLATE_NOOP("Catalogue", "Gary Cooper, Katherine Johnson"), // 19 Offering
    QT_TRANSLATE_NOOP("Catalogue", "Bob Marley, Setsuko Hara"), // 20 Dog
}};
} // namespace tzk
