// Decrypt of any text, and Encrypt/Decrypt of any non-negative value.
#include "core/TSifraSoubor.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)qmr::Decrypt(std::string(reinterpret_cast<const char *>(data), size));
    if (size >= 4) {
        std::uint32_t u = 0;
        std::memcpy(&u, data, 4);
        const int v = static_cast<int>(u & 0x7FFFFFFFu);
        if (qmr::Decrypt(qmr::Encrypt(v)) != v)
            __builtin_trap();
    }
    return 0;
}
