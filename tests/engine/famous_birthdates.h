// Birth dates of the people named in the catalogue; a test checks that
// each date really falls under the sign whose row names the person.
// Names in UTF-8.
#pragma once
namespace tzk::testdata {
struct FamousBirth { const char *name; int row; int year; const char *month; int day; };
inline constexpr FamousBirth kFamousBirths[] = {
    {"Neil Armstrong", 1, 1930, "August", 5},
    {"Tina Turner", 1, 1939, "November", 26},
    {"Rudolf Nureyev", 2, 1938, "March", 17},
    {"Maya Plisetskaya", 2, 1925, "November", 20},
    {"Audrey Hepburn", 3, 1929, "May", 4},
    {"Louise Bourgeois", 3, 1911, "December", 25},
    {"Alan Turing", 4, 1912, "June", 23},
    {"Paul Newman", 4, 1925, "January", 26},
    {"Rigoberta Menchú", 5, 1959, "January", 9},
    {"Hergé", 5, 1907, "May", 22},
    {"Ingrid Bergman", 6, 1915, "August", 29},
    {"James Earl Jones", 6, 1931, "January", 17},
    {"Reese Witherspoon", 7, 1976, "March", 22},
    {"Roy Lichtenstein", 7, 1923, "October", 27},
    {"Martin Scorsese", 8, 1942, "November", 17},
    {"Keanu Reeves", 8, 1964, "September", 2},
    {"Jacqueline du Pré", 9, 1945, "January", 26},
    {"Nicole Kidman", 9, 1967, "June", 20},
    {"Leonardo DiCaprio", 10, 1974, "November", 11},
    {"Sandra Bullock", 10, 1964, "July", 26},
    {"Wilma Rudolph", 11, 1940, "June", 23},
    {"Usain Bolt", 11, 1986, "August", 21},
    {"Natalie Portman", 12, 1981, "June", 9},
    {"Richard Burton", 12, 1925, "November", 10},
    {"Michael Caine", 13, 1933, "March", 14},
    {"Margaret Atwood", 13, 1939, "November", 18},
    {"Steffi Graf", 14, 1969, "June", 14},
    {"Dean Martin", 14, 1917, "June", 7},
    {"Marilyn Monroe", 15, 1926, "June", 1},
    {"Arthur Miller", 15, 1915, "October", 17},
    {"John Glenn", 16, 1921, "July", 18},
    {"Emily Blunt", 16, 1983, "February", 23},
    {"Julia Child", 17, 1912, "August", 15},
    {"B.B. King", 17, 1925, "September", 16},
    {"Toni Morrison", 18, 1931, "February", 18},
    {"Jimi Hendrix", 18, 1942, "November", 27},
    {"Gary Cooper", 19, 1901, "May", 7},
    {"Katherine Johnson", 19, 1918, "August", 26},
    {"Bob Marley", 20, 1945, "February", 6},
    {"Setsuko Hara", 20, 1920, "June", 17},
};
} // namespace tzk::testdata
