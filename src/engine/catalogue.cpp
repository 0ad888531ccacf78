// Compile-time checks of the catalogue's form: a text edited to the wrong
// length or opening, or a row moved, stops the build.
#include "catalogue.h"

namespace tzk {
namespace {

struct SignForm {
    std::string_view opening;
    size_t descriptionLength;
    size_t famousLength;
};

constexpr SignForm kSignForms[kSignCount] = {
    {"The eleventh sign of Mayan", 954, 27},
    {"Road also known as the", 873, 32},
    {"Reed - the thirteenth sign", 857, 32},
    {"Jaguar is the fourteenth sign", 640, 24},
    {"As the name implies, the", 617, 23},
    {"Wisdom is the sixteenth sign", 492, 32},
    {"Earth or the earthquake is", 593, 35},
    {"The eighteenth sign of the", 692, 29},
    {"The nineteenth sign of the", 563, 32},
    {"This is the twentieth sign", 704, 33},
    {"According to Mayan Astrology, crocodile", 826, 25},
    {"Wind is the second day", 746, 31},
    {"The third sign of Mayan", 847, 30},
    {"Seed is the fourth sign", 932, 24},
    {"The fifth sign of the", 637, 29},
    {"Transformer is the sixth sign", 756, 23},
    {"The seventh sign of Mayan", 910, 22},
    {"The eighth sign of the", 885, 27},
    {"Offering or Water - the", 869, 30},
    {"Dogs are well known for", 839, 24},
};

struct ToneForm {
    std::string_view opening;
    size_t length;
};

constexpr ToneForm kToneForms[kToneCount] = {
    {"Power and great force are", 412},
    {"Balance is the keyword describing", 457},
    {"Versatile and communicative are the", 461},
    {"Again balance is the keyword", 419},
    {"Five is the 'elevation of", 448},
    {"Imbalance is the keyword describing", 400},
    {"'Energy to catalyze' is what", 435},
    {"Male authority is the keyword", 528},
    {"Female authority is the keyword", 391},
    {"The keyword describing this particular", 360},
    {"Resolution is the keyword that", 215},
    {"Strong and abundant energy is", 271},
    {"Realization is the keyword that", 429},
};

constexpr bool isPlainParagraph(std::string_view s)
{
    for (char c : s)
        if (c == '\n' || c == '\r' || static_cast<unsigned char>(c) > 126)
            return false;
    return !s.empty() && s.front() != ' ' && s.back() != ' ';
}

constexpr bool signsWellFormed()
{
    for (int i = 0; i < kSignCount; ++i) {
        const SignRow &r = kSignRows[i];
        const SignForm &f = kSignForms[i];
        if (!r.signDescription.starts_with(f.opening) || r.signDescription.size() != f.descriptionLength
            || !isPlainParagraph(r.signDescription) || r.famousPersons.size() != f.famousLength
            || r.famousPersons.find(", ") == std::string_view::npos)
            return false;
        for (int j = 0; j < i; ++j)
            if (kSignRows[j].mayanName == r.mayanName || kSignRows[j].englishName == r.englishName)
                return false;
    }
    return true;
}

constexpr bool tonesWellFormed()
{
    for (int i = 0; i < kToneCount; ++i) {
        const std::string_view d = kToneRows[i].toneDescription;
        if (!d.starts_with(kToneForms[i].opening) || d.size() != kToneForms[i].length || !isPlainParagraph(d))
            return false;
        // Only the second tone keeps two blanks after its first sentence.
        if ((d.find(".  ") != std::string_view::npos) != (i == 1))
            return false;
    }
    return true;
}

static_assert(signsWellFormed(), "a sign row has the wrong form");
static_assert(tonesWellFormed(), "a tone row has the wrong form");
static_assert(kSignRows[0].mayanName == "BATZ - (CHUEN)" && kSignRows[19].englishName == "Dog");
static_assert(kSignRows[2].gemstone == "Turquoise " && kSignRows[4].gemstone == "Unakite ");

} // namespace
} // namespace tzk
