#include "core/TSifraSoubor.h"

#include "core/TextCodec.h"

#include <random>
#include <string_view>

namespace qmr {

namespace {

// Numbers of the random tail (0..24); the tail only hides the length of short values.
int RandomBelow25()
{
    thread_local std::mt19937 gen{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, 24)(gen);
}

// Sets Zapis for one call and restores it afterwards, also when the call throws.
class ZapisForCall {
public:
    explicit ZapisForCall(bool &z) : z_(z), saved_(z) { z_ = true; }
    ~ZapisForCall() { z_ = saved_; }
    ZapisForCall(const ZapisForCall &) = delete;
    ZapisForCall &operator=(const ZapisForCall &) = delete;

private:
    bool &z_;
    bool saved_;
};

} // namespace

std::string Encrypt(int Value)
{
    // A negative value has no enciphered form (the minus sign is no digit): it is stored as 0.
    const std::string digits = std::to_string(Value < 0 ? 0 : Value);
    const int n = static_cast<int>(digits.size());
    std::string out = std::to_string(n + 11);
    for (int p = 1; p <= n; ++p)
        out += std::to_string(digits[static_cast<std::size_t>(p - 1)] - '0' + p + 11);
    if (n < 6)
        for (int i = 0; i < 7 - n; ++i)
            out += std::to_string(RandomBelow25());
    return out;
}

int Decrypt(const std::string &S)
{
    if (S.size() < 2)
        return 0;
    const std::string_view s(S);
    int header = 0;
    if (!text::TryParseInt32(s.substr(0, 2), header))
        return 0;
    const long long n = static_cast<long long>(header) - 11;
    if (n <= 0 || 2 * n >= static_cast<long long>(s.size()))
        return 0;
    std::string digits;
    for (long long p = 1; p <= n; ++p) {
        int w = 0;
        if (!text::TryParseInt32(s.substr(static_cast<std::size_t>(2 * p), 2), w))
            continue;
        const long long d = w - p - 11;
        if (d < 10)
            digits += std::to_string(d);
    }
    int v = 0;
    return text::TryParseInt32(digits, v) ? v : 0;
}

TSifraSoubor::TSifraSoubor(std::string fileName) : IniFile(std::move(fileName)) {}

int TSifraSoubor::ReadSifra(const std::string &Section, const std::string &Ident) const
{
    return Decrypt(ReadString(Section, Ident, "0"));
}

void TSifraSoubor::WriteSifra(const std::string &Section, const std::string &Ident, int Value)
{
    if (Value > 0 || Zapis)
        WriteString(Section, Ident, Encrypt(Value));
}

void TSifraSoubor::WriteKacky(const std::string &Section, const std::string &Ident, int Value)
{
    if (Value <= 0)
        DeleteKey(Section, Ident);
    else
        WriteSifra(Section, Ident, Value);
}

void TSifraSoubor::WriteBool(const std::string &Section, const std::string &Ident, bool Value)
{
    if (Value || Zapis)
        IniFile::WriteBool(Section, Ident, Value);
    else
        DeleteKey(Section, Ident);
}

void TSifraSoubor::DeleteFalse(const std::string &Section, const std::string &Ident, bool Value)
{
    if (Value)
        WriteBool(Section, Ident, true);
    else if (!ReadBool(Section, Ident, false))
        DeleteKey(Section, Ident);
}

void TSifraSoubor::WriteFalse(const std::string &Section, const std::string &Ident, bool Value)
{
    ZapisForCall z(Zapis);
    WriteBool(Section, Ident, Value);
}

void TSifraSoubor::WriteInteger(const std::string &Section, const std::string &Ident, int Value)
{
    if (Value != 0 || Zapis)
        IniFile::WriteInteger(Section, Ident, Value);
    else
        DeleteKey(Section, Ident);
}

void TSifraSoubor::DeleteNula(const std::string &Section, const std::string &Ident, int Value)
{
    if (Value != 0)
        WriteInteger(Section, Ident, Value);
    else if (ReadInteger(Section, Ident, 0) == 0)
        DeleteKey(Section, Ident);
}

void TSifraSoubor::WriteNula(const std::string &Section, const std::string &Ident, int Value)
{
    ZapisForCall z(Zapis);
    WriteInteger(Section, Ident, Value);
}

void TSifraSoubor::EraseAll()
{
    // One file write for the whole erase instead of one per section.
    Batch([this] {
        for (const std::string &s : ReadSections())
            EraseSection(s);
    });
}

} // namespace qmr
