#pragma once
// The password guard of the price settings and the customer definition, shown only when
// the session's switch apHeslo is on.
#include <string>

namespace qmr {

// Password dialog.
class Heslo {
public:
    static constexpr const char *kTitulek = "Zadání hesla";
    static constexpr const char *kVyzva = "Zadejte heslo:"; // Label1
    static constexpr int kMaxDelka = 12;                    // characters of HesloText

    // The entered text, cut to 12 characters.
    const std::string &Text() const { return text_; }
    void setText(const std::string &t);

    // OK: the entry in upper case compared with the expected password, which is empty in
    // this program, so only an empty entry is accepted. False means the dialog closes with
    // Cancel and the guarded dialog is not opened.
    bool Prijato() const;

private:
    std::string text_;
};

} // namespace qmr
