#pragma once
// The system's INI file: enciphered integers and write operations that delete a key
// instead of writing an empty value unless Zapis is set.
#include "core/IniFile.h"

#include <string>

namespace qmr {

// Value cipher of price keys.
std::string Encrypt(int Value);
int Decrypt(const std::string &S);

class TSifraSoubor : public IniFile {
public:
    explicit TSifraSoubor(std::string fileName);

    bool Zapis = false;

    int ReadSifra(const std::string &Section, const std::string &Ident) const;
    void WriteSifra(const std::string &Section, const std::string &Ident, int Value);
    void WriteKacky(const std::string &Section, const std::string &Ident, int Value);
    void WriteBool(const std::string &Section, const std::string &Ident, bool Value) override;
    void DeleteFalse(const std::string &Section, const std::string &Ident, bool Value);
    void WriteFalse(const std::string &Section, const std::string &Ident, bool Value);
    void WriteInteger(const std::string &Section, const std::string &Ident, int Value) override;
    void DeleteNula(const std::string &Section, const std::string &Ident, int Value);
    void WriteNula(const std::string &Section, const std::string &Ident, int Value);
    void EraseAll();
};

} // namespace qmr
