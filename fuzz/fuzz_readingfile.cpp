// A reading file may be anything a person picks in the open dialog:
// whatever its bytes, the reader gives four fields or a refusal. Fields it
// accepts are saved and read back unchanged whenever the record can hold
// them (a year and a day that fit its numbers, written as the writer
// writes them).
#include "check.h"
#include "readingfile.h"
#include "text.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

using namespace tzk;

namespace {

// The same bytes as a file on disk, through the reader the Open command
// uses: an in-memory file, rewritten for every input.
std::optional<ReadingFileLines> readAsFile(const QByteArray &bytes)
{
    static const int fd = memfd_create("reading.man", 0);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(ftruncate(fd, 0) == 0);
    FUZZ_CHECK(pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size());
    return readReadingFile(QStringLiteral("/proc/self/fd/%1").arg(fd));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<ReadingFileLines> lines = decodeReadingFile(bytes);
    if (bytes.size() <= kMaxReadingFileRead)
        FUZZ_CHECK(readAsFile(bytes) == lines);
    if (!lines)
        return 0;

    // Four lines take at least four bytes; no field outgrows the file.
    FUZZ_CHECK(bytes.size() >= 4);
    for (const QString *field : {&lines->name, &lines->year, &lines->month, &lines->day}) {
        FUZZ_CHECK(field->size() <= bytes.size());
        FUZZ_CHECK(fuzz::onlyPlainCodes(*field));
    }

    bool yearIsNumber = false;
    bool dayIsNumber = false;
    const int year = lines->year.toInt(&yearIsNumber);
    const int day = lines->day.toInt(&dayIsNumber);
    if (!yearIsNumber || !dayIsNumber || QString::number(qint16(year)) != lines->year
        || QString::number(qint16(day)) != lines->day)
        return 0;

    ReadingRecord reading;
    reading.personName = lines->name;
    reading.birthYear = qint16(year);
    reading.birthMonth = lines->month;
    reading.birthDay = qint16(day);
    const QByteArray saved = encodeReadingFile(reading);
    FUZZ_CHECK(decodeReadingFile(saved) == lines);
    return 0;
}
