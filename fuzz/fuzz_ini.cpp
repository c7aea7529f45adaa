// Any file content through IniFile/TSifraSoubor: every section, key and value is read in
// all the typed ways, then one value is written and read back by a second object.
#include "core/TSifraSoubor.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string &Folder()
{
    static const std::string dir = [] {
        // A memory file system keeps the synced writes cheap.
        char shm[] = "/dev/shm/fuzz_ini.XXXXXX";
        char tmp[] = "/tmp/fuzz_ini.XXXXXX";
        const char *d = mkdtemp(shm);
        if (!d)
            d = mkdtemp(tmp);
        if (!d)
            std::abort();
        return std::string(d);
    }();
    return dir;
}

void Check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string path = Folder() + "/f.ini";
    {
        std::FILE *f = std::fopen(path.c_str(), "wb");
        if (!f)
            std::abort();
        if (size)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::string section = "S", key = "k";
    {
        qmr::TSifraSoubor ini(path);
        const auto sections = ini.ReadSections();
        for (const auto &s : sections) {
            (void)ini.SectionExists(s);
            for (const auto &k : ini.ReadSection(s)) {
                (void)ini.ReadString(s, k, "d");
                (void)ini.ReadInteger(s, k, 7);
                (void)ini.ReadBool(s, k, true);
                (void)ini.ReadDate(s, k, 1.5);
                (void)ini.ReadSifra(s, k);
                Check(ini.ValueExists(s, k));
            }
        }
        (void)ini.ReadString("", "k", "d");
        if (!sections.empty()) {
            section = sections.front();
            const auto keys = ini.ReadSection(section);
            if (!keys.empty())
                key = keys.front();
        }
        ini.WriteString(section, key, "v");
        Check(ini.ReadString(section, key, "") == "v");
    }
    qmr::TSifraSoubor again(path);
    Check(again.ReadString(section, key, "") == "v");
    return 0;
}
