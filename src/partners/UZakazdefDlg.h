#pragma once
// The end-customer dialog: the person a quote is addressed to (s.Zakaznik, kept in the
// job file). The fields start from s.Zakaznik.Data; OK stores them back with the
// session's free line and prices; closing by the window frame stores nothing. No field
// is checked.
#include "core/Session.h"
#include "core/Umisteni.h"
#include "partners/PoleEditu.h"

#include <string>
#include <vector>

namespace qmr {

// The fields in the dialog's order (Pole() is indexed by it).
enum class PoleZakaznika { Jmeno, Prijmeni, Ulice, Mesto, PSC, Mobil, Telefon, Email };

class TZakazdef {
public:
    static constexpr const char *kTitulek = "Popis zákazníka";
    static constexpr const char *kOKButton = "O&K";

    explicit TZakazdef(Session &s);

    const std::vector<PoleEditu> &Pole() const { return pole_; }
    const PoleEditu &Pole(PoleZakaznika p) const { return pole_[static_cast<int>(p)]; }
    void Nastav(PoleZakaznika p, const std::string &Text);

    // OK: the eight texts go to s.Zakaznik.Data, Volna1, VCena1 and ZaMontaz take
    // apVolna1, apVCena1 and apMontaz (PotvrdZakaznika).
    void Potvrd();

    Bod Umisteni(int Sirka, int Vyska) const { return UmistiDialog(s_, Sirka, Vyska); }

private:
    Session &s_;
    std::vector<PoleEditu> pole_;
};

} // namespace qmr
