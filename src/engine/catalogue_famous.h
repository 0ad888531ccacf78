// Two well-known people born under each sign, in catalogue row order.
#pragma once
#include <array>
#include <string_view>
namespace tzk {
inline constexpr std::array<std::string_view, 20> kFamousPersons{{
    "David Bowie, Neil Armstrong", // 1 Monkey
    "Mark Zuckerberg, Jerry Lee Lewis", // 2 Road
    "Quentin Tarantino, Joni Mitchell", // 3 Reed
    "Alan Turing, Paul Newman", // 4 Jaguar
    "Ringo Starr, Cary Grant", // 5 Eagle
    "Marlon Brando, Jennifer Lawrence", // 6 Wisdom
    "Reese Witherspoon, Roy Lichtenstein", // 7 Earth
    "Martin Scorsese, Keanu Reeves", // 8 Flint
    "Cristiano Ronaldo, Nicole Kidman", // 9 Storm
    "Leonardo DiCaprio, Sandra Bullock", // 10 Sun
    "Frank Sinatra, Usain Bolt", // 11 Crocodile
    "Michael Jackson, Richard Burton", // 12 Wind
    "Jack Nicholson, Morgan Freeman", // 13 Night
    "Jim Morrison, Mike Tyson", // 14 Seed
    "Marilyn Monroe, Arthur Miller", // 15 Serpent
    "Bill Gates, Chris Evans", // 16 Transformer
    "Johnny Depp, Malcolm X", // 17 Deer
    "Elvis Presley, Jimi Hendrix", // 18 Star
    "John Lennon, Katherine Johnson", // 19 Offering
    "Bob Marley, J.K. Rowling", // 20 Dog
}};
} // namespace tzk
