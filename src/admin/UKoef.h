#pragma once
// The price recalculation tool of the settings menu: behind a fixed access code it
// multiplies every purchase price of the five catalogue files by one coefficient, rounds
// each result by the chosen rule and writes the catalogue back in place, section by
// section.
//
// Every section is rewritten: the keys the tool knows come first, under their canonical
// names (prices multiplied, "Kod" trimmed, other values copied as stored, a missing key
// written with its default unless that is 0, false or empty), then every other key of the
// section as it was - an enciphered price among them is multiplied as well, so nothing
// the program reads is lost. A muntin width variant of width 0 is dropped with its prices.
// Each file is replaced in one atomic write: it holds either the old or the new content.
//
// The view: caption kTitulek, background per Barva(); HASŁO (Heslo, 6 characters shown
// as '*'), the coefficient (Koef, mask "0,99999", initially "1,00000"), the note Label2,
// the rounding radio group Zaokrouhlit, the progress bar Pruh (hidden when idle), the run
// button PreButton and the close button KonecButton. After every action, and from the
// progress callback during a run, the view re-reads the whole state and repaints.
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qmr {

// The coefficient in hundred-thousandths (1,04100 is 104100): the mask gives five decimals,
// and whole numbers keep the rounding rules exact.
using Koeficient = std::int64_t;
inline constexpr Koeficient kKoefJedna = 100000;

// Rounding rules, the items of Zaokrouhlit.
inline constexpr int kNa1 = 0;   // nearest whole unit, halves to even
inline constexpr int kNa5 = 1;   // up to a multiple of 5, results up to 0.01 above one stay
inline constexpr int kNa10 = 2;  // up to a multiple of 10, likewise

// The coefficient typed in the field of mask "0,99999": one digit, a decimal comma and up
// to five decimals; blanks (' ', '_') of unfilled places are ignored. Nothing for any
// other text and for 0 (a coefficient of 0 would erase every price).
std::optional<Koeficient> CtiKoef(const std::string &Text);

// One price multiplied by k and rounded by rule Zaokrouhleni (kNa1, kNa5, kNa10); a
// negative price counts as 0, a result beyond the integer range is cut to its maximum.
int Prepocti(int Cena, Koeficient k, int Zaokrouhleni);

// Recalculates the catalogue file at Cesta whose kind is given by its name
// Nazev ("Barvy.qmr", "Doplnky.qmr", "Mrizky.qmr", "Vitraze.qmr", "Vyplne.qmr"; any case).
// Prubeh(hotovo, celkem) is called once with hotovo 0 and after every section. A file
// that does not exist is left alone. A failed write throws and leaves the file as it was;
// PredNahrazenim is the file's test seam (see IniFile::SetReplaceHookForTest).
void PrepoctiSoubor(const std::string &Cesta, const std::string &Nazev, Koeficient k, int Zaokrouhleni,
                    const std::function<void(int hotovo, int celkem)> &Prubeh = {},
                    const std::function<void(const std::string &)> &PredNahrazenim = {});

class TFKoef {
public:
    static constexpr const char *kTitulek = "Współczynnik dla przeliczenia cen kupna:";
    static constexpr const char *kLabel3 = "HASŁO:";
    static constexpr const char *kLabel1 = "Współczynnik dla przeliczenia:";
    static constexpr const char *kLabel2 = "( > 1 podwyższa, < 1 obniża)";
    static constexpr const char *kLabel4 = "Rounding:";
    static constexpr const char *kPreButton = "Przeprowadzić obliczenie";
    static constexpr const char *kKonecButton = "&Koniec";
    static constexpr const char *kMaska = "0,99999";
    static constexpr const char *kKoefPocatek = "1,00000";
    static constexpr int kHesloDelka = 6;
    static constexpr const char *kHeslo = "r5t2w9";
    static constexpr const char *kChybaNadpis = "BŁOD";
    static constexpr const char *kChybaHesla = "Hasło nekorektne";
    static constexpr const char *kChybaKoef = "Współczynnik nekorektny";
    // The catalogue files in the order they are processed, in the data folder.
    static constexpr const char *kSoubory[5] = {"Barvy.qmr", "Doplnky.qmr", "Mrizky.qmr", "Vitraze.qmr",
                                                "Vyplne.qmr"};

    // The form's background: the info colour when idle, lime while the colours are done,
    // then green, teal, aqua and blue after each further file.
    enum class Barva { InfoBk, Lime, Green, Teal, Aqua, Blue };

    // The progress bar over the sections of the current file.
    struct Pruh {
        bool Viditelny = false;
        int Max = 0;
        int Pozice = 0;
        bool operator==(const Pruh &) const = default;
    };

    TFKoef(Session &s, Messages &m);

    const std::string &Heslo() const { return heslo_; }
    void setHeslo(const std::string &t); // cut to 6 characters
    const std::string &Koef() const { return koef_; }
    void setKoef(const std::string &t) { koef_ = t; }
    const Prepinac &Zaokrouhlit() const { return zaokrouhlit_; }
    void VyberZaokrouhleni(int i);

    bool PreButtonPovoleny() const { return preButton_; }
    bool KonecButtonPovoleny() const { return konecButton_; }
    Barva BarvaFormulare() const { return barva_; }
    const Pruh &StavPruhu() const { return pruh_; }
    // The catalogue file being processed (full path; empty outside a run).
    const std::string &IniSoubor() const { return iniSoubor_; }
    bool Probiha() const { return probiha_; }
    // True once a run has changed (some of) the catalogue.
    bool Prepocteno() const { return prepocteno_; }

    // PreButton. A wrong code shows kChybaHesla and an unreadable coefficient kChybaKoef
    // (caption kChybaNadpis); nothing changes and the dialog stays as it was. Otherwise the
    // five files are recalculated; Obnov is called after every change of the state shown
    // (colour, progress). A file that cannot be written stops the run with its error
    // (caption "Quilmar"); the files before it stay recalculated, the rest untouched.
    // After the run only KonecButton is enabled: a run cannot be repeated. True when the
    // run went through.
    bool PreButtonClick(const std::function<void()> &Obnov = {});

    Bod Umisteni(int Sirka, int Vyska) const { return UmistiDialogOsy(s_, Sirka, Vyska); }

    // Test seam passed to every file write (see IniFile::SetReplaceHookForTest).
    void SetReplaceHookForTest(std::function<void(const std::string &)> hook) { hook_ = std::move(hook); }

private:
    Session &s_;
    Messages &m_;
    std::string heslo_;
    std::string koef_{kKoefPocatek};
    Prepinac zaokrouhlit_;
    bool preButton_ = true;
    bool konecButton_ = true;
    Barva barva_ = Barva::InfoBk;
    Pruh pruh_;
    std::string iniSoubor_;
    bool probiha_ = false;
    bool prepocteno_ = false;
    std::function<void(const std::string &)> hook_;
};

} // namespace qmr
