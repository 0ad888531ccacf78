// ScrambleText and UnscrambleText. Every text of codes 0..170 comes back
// as it went in; any text at all scrambles to codes 85..255 only (never a
// line break), and unscrambles to codes 0..170 only; what storableText()
// keeps of any text comes back as itself.
#include "check.h"
#include "scramble.h"
#include "text.h"

#include <cstdint>

using namespace tzk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One character of code 0..170 per byte: every such text is reachable.
    QByteArray codes(qsizetype(size), Qt::Uninitialized);
    for (size_t i = 0; i < size; ++i)
        codes[qsizetype(i)] = char(data[i] % (256 - kScrambleShift));
    const QString plain = fromCodePage(codes);
    const QString scrambled = ScrambleText(plain);
    FUZZ_CHECK(scrambled.size() == plain.size());
    FUZZ_CHECK(fuzz::onlyScrambledCodes(scrambled));
    const StorableText storable = storableText(plain);
    FUZZ_CHECK(storable.lost.isEmpty() && storable.kept == plain);
    FUZZ_CHECK(UnscrambleText(scrambled) == plain);

    // Any text: what cannot shift is dropped and counted, the rest keeps
    // its place in the code page.
    const QString any = fuzz::utf16Text(data, size);
    const QString anyScrambled = ScrambleText(any);
    FUZZ_CHECK(fuzz::onlyScrambledCodes(anyScrambled));
    // What a save keeps comes back as itself; anything lost was named.
    const StorableText anyStorable = storableText(any);
    FUZZ_CHECK(UnscrambleText(ScrambleText(anyStorable.kept)) == anyStorable.kept);
    FUZZ_CHECK(anyStorable.kept.size() <= any.size());
    FUZZ_CHECK((anyStorable.kept == any) == anyStorable.lost.isEmpty());
    const QString back = UnscrambleText(anyScrambled);
    FUZZ_CHECK(fuzz::onlyPlainCodes(back));
    FUZZ_CHECK(ScrambleText(back) == anyScrambled);
    FUZZ_CHECK(fuzz::onlyPlainCodes(UnscrambleText(any)));
    return 0;
}
