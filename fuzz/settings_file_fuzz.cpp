// The settings file, any bytes: reading forgives whatever it finds, and what it read is
// written so that it reads back the same, names, types and values.
#include "app/memory_settings_store.h"
#include "app/reg_file_format.h"
#include "fuzz_support.h"

namespace {
const QString Section = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\DevuDirurero");

bool sameValues(const SettingsStore &a, const SettingsStore &b)
{
    const QStringList names = a.valueNames();
    if (names != b.valueNames())
        return false;
    for (const QString &name : names)
        if (a.value(name) != b.value(name))
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    MemorySettingsStore read;
    RegFile::parse(Fuzz::bytes(data, size), Section, read);
    const auto written = RegFile::format(Section, read);
    if (!written)
        return 0; // a value name that cannot stand on a line: refused, not mangled
    MemorySettingsStore again;
    RegFile::parse(*written, Section, again);
    Fuzz::require(sameValues(read, again), "the settings read back as written");
    return 0;
}
