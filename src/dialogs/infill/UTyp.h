#pragma once
// The infill type dialog: the first dialog of the start flow. It asks for the kind of
// job and the infill family, sets TypZakazky and the family flags before the next
// dialog opens (the infill selection for a family, the accessories dialog for an
// accessories-only job) and puts them back when anything along the way is cancelled.
//
// Use: TVTyp typ(s); typ.NastavPokracovani(...); result = view(typ); typ.Zavri(result).
// The view has no caption and no system buttons (border width 20); an aqua panel (bevel
// 3) holds the buttons of Tlacitka() top to bottom, below it the warning lines Upo1..Upo4
// (Upo1 bold and larger) and the Cancel button.
#include "core/Session.h"
#include "core/Umisteni.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace qmr {

class TVTyp {
public:
    enum class Tlacitko {
        ABS,     // Button1 "ABS wypełnienie"
        HPL,     // Button4 "HPL wypełnienie"
        Hlinik,  // Button2 "Aluminiowe wypełnienie"
        AlAbs,   // Button5 "AL / ABS wypełnienie"
        Sklo,    // Button6 "Szklano-aluminiowe wypełnienie": hidden and disabled
        Doplnky, // Button3 "Tylko akcesoria"
    };
    struct StavTlacitka {
        Tlacitko Id;
        std::string Jmeno; // control name ("Button1", ...)
        std::string Text;  // caption
        bool Viditelny = true;
        bool Povoleny = true;
    };
    // The dialog a button continues with.
    enum class Dalsi { Vypln, Doplnky };
    // Shows the next dialog and returns its modal result.
    using Pokracovani = std::function<int(Dalsi)>;

    // The values captured when the dialog opens and put back on cancel.
    struct Ulozene {
        int PTypZakazky = 0;
        bool PHlinik = false;   // SHlinik
        bool PHlinik2 = false;  // SHlinik2
        bool PHPL1 = false;     // SHPL1
        bool PHPL2 = false;     // SHPL2
        bool PDoplnky = false;  // DoplnkyVybrany
        bool PGlas = false;     // SGlas
        bool PMadlo = false;    // SMadlo
        std::string PomBarva1;  // RBarva1.Kod
        std::string PomBarva2;  // RBarva2.Kod
        bool PomAX1 = false;    // RBarva1.Hlinik
        bool PomAX2 = false;    // RBarva2.Hlinik
    };

    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr std::array<const char *, 4> kUpozorneni{
        "Ważne ostrzeżenie:",
        "Na wszystkich ilustracjach w prospektach,",
        "katalogu oraz na rysunkach technicznych",
        "wypełnienia przedstawione są ze strony zewnętrznej.",
    };

    // Opening: captures the saved values, then clears the frame colours' codes and AX
    // flags (RBarva1/RBarva2 .Kod empty, .Hlinik false).
    explicit TVTyp(Session &s);
    // A dialog destroyed without Zavri counts as cancelled (Zavri(2)).
    ~TVTyp();
    TVTyp(const TVTyp &) = delete;
    TVTyp &operator=(const TVTyp &) = delete;

    // The buttons of the panel in their order from the top: ABS, HPL, aluminium, AL/ABS,
    // glass (hidden, disabled), accessories only.
    const std::vector<StavTlacitka> &Tlacitka() const { return tlacitka_; }
    const StavTlacitka &Stav(Tlacitko b) const;
    // Upo1..Upo4.
    const std::array<const char *, 4> &Upozorneni() const { return kUpozorneni; }
    // left = round((800 - width) / 2) + VolbaLeft, top = round((600 - height) / 2) + VolbaTop.
    Bod Umisteni(int sirka, int vyska) const;

    // What a button does after setting the session: show the next dialog. Without one,
    // a button's result is 1.
    void NastavPokracovani(Pokracovani p) { pokracovani_ = std::move(p); }

    // A button click. A family button: TypZakazky 1, the family flags of the button
    // (SHlinik, SHlinik2, SHPL1, SHPL2, SGlas; ABS has none set), SMadlo false, then the
    // infill selection. Accessories only: TypZakazky 2, all five family flags,
    // DoplnkyVybrany and SMadlo false, then the accessories dialog. Returns the next
    // dialog's result, which is the type dialog's own result (the view closes with it).
    // A hidden or disabled button does nothing and returns 0 (the dialog stays open).
    int Stisk(Tlacitko b);

    // Closing with the modal result: anything but 1 puts back TypZakazky, the five
    // family flags, DoplnkyVybrany, SMadlo and the frame colours' codes and AX flags.
    // Closing twice does nothing more.
    void Zavri(int vysledek);
    // The same as Zavri(2): the dialog cancelled.
    void Zrusit() { Zavri(2); }

    const Ulozene &Puvodni() const { return ulozene_; }

private:
    Session &s_;
    Ulozene ulozene_;
    std::vector<StavTlacitka> tlacitka_;
    Pokracovani pokracovani_;
    bool zavreno_ = false;
};

} // namespace qmr
