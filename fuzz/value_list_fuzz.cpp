// A value-list file (*.hlw), any bytes: it reads as one entry per number, a saved list
// reads back as it was, and turning it into a pool ends whatever the weights say.
#include "fuzz_support.h"
#include "generator/preferred_numbers.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    PreferredNumberList list = ValueListFile::decode(Fuzz::bytes(data, size));
    Fuzz::require(list.size() == size_t(PreferredNumbers::Range), "one entry per number");
    const PreferredNumberList read = list;
    const QByteArray saved = ValueListFile::encode(list);
    Fuzz::require(list == read, "saving a read list changes nothing in it");
    // Text a file cannot carry is left out of the promise: an unpaired surrogate (written
    // as a replacement character) and U+FEFF, which reads as a byte-order mark. Neither
    // is a number, so either weight counts as 0 both before and after.
    const bool carried = std::all_of(read.begin(), read.end(), [](const PreferredNumber &entry) {
        return QStringView(entry.weight).isValidUtf16() && !entry.weight.contains(QChar(0xfeff));
    });
    if (carried)
        Fuzz::require(ValueListFile::decode(saved) == read, "a saved list reads back as it was");
    PreferredNumbers::Rebuild rebuilt = PreferredNumbers::rebuildPool(list);
    Fuzz::require(rebuilt.pool.size() >= 0, "the pool is built");
    return 0;
}
