// A value-list file (*.hlw), any bytes: it reads as one entry per number, a saved list
// reads back as it was, and turning it into a pool ends whatever the weights say.
#include "fuzz_support.h"
#include "generator/preferred_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    PreferredNumberList list = ValueListFile::decode(Fuzz::bytes(data, size));
    Fuzz::require(list.size() == size_t(PreferredNumbers::Range), "one entry per number");
    const PreferredNumberList read = list;
    const QByteArray saved = ValueListFile::encode(list);
    Fuzz::require(list == read, "saving a read list changes nothing in it");
    Fuzz::require(ValueListFile::decode(saved) == read, "a saved list reads back as it was");
    PreferredNumbers::Rebuild rebuilt = PreferredNumbers::rebuildPool(list);
    Fuzz::require(rebuilt.pool.size() >= 0, "the pool is built");
    return 0;
}
