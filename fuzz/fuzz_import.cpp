// Reads the input as an INI file, then imports it as a legacy statistics file into an empty data
// folder and saves: nothing crashes or hangs, whatever the file holds.
#include "fuzzsupport.h"

#include "import/inifile.h"
#include "import/legacyimport.h"
#include "store/store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pny::IniFile ini(bytes);
    (void)ini.section("Init").number("Last");
    (void)ini.highestNumbered("Y1L1T");
    (void)pny::IniFile::toInteger(std::string_view(bytes.constData(), bytes.size()));

    const QString folder = fuzzsupport::freshFolder();
    const QString file = folder + QStringLiteral("/in.PZS");
    fuzzsupport::writeFile(file, bytes);
    fuzzsupport::writeFile(folder + QStringLiteral("/N1.PZN"), "a note\r\n");
    pny::Store store(folder);
    store.loadYears();
    (void)pny::importLegacyFile(store, file);
    (void)store.saveAll();
    return 0;
}
