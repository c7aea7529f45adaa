#pragma once
// The supplier dialog: name, address and contacts of the supplier in DATA/quilmar.qmr.
// Each field shows the stored value, or the factory details where the file has none; OK
// writes all eight fields (empty ones included) and reloads the session's supplier;
// Cancel writes nothing.
#include "core/Messages.h"
#include "core/PartnerData.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "partners/PoleEditu.h"

#include <string>
#include <vector>

namespace qmr {

// The fields in the order of the file's keys (Pole() is indexed by it).
enum class PoleDodavatele { Nazev, Ulice, PSC, Obec, Telefon, Fax, Mail, Stranka };

class TNaseDef {
public:
    static constexpr const char *kTitulek = "Określenie dostawcy";
    static constexpr const char *kStaticText1 =
        "Dla zamówienia jest niezbędne, by następnujące dane były poprawne:";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";

    // The supplier's own details, shown in every field the file leaves empty.
    static const TQMData &Tovarni();

    // Reads the supplier file into a private record and fills the fields.
    explicit TNaseDef(Session &s);

    // The eight fields (NasNazev, NaseUlice, NasePSC, NaseObec, NasTelefon, NasFax,
    // NasMail, NaseStranka); the town shares the postal code's label.
    const std::vector<PoleEditu> &Pole() const { return pole_; }
    const PoleEditu &Pole(PoleDodavatele p) const { return pole_[static_cast<int>(p)]; }
    // An edit of a field; the field keeps the text UpravText makes of it.
    void Nastav(PoleDodavatele p, const std::string &Text);

    // The record OK writes: the fields' texts.
    TQMData Data() const;

    // OK: writes [Quilmar] from the fields in one replace of the file, then reloads
    // s.Quilmar. A file that cannot be written is reported (Zpravy) and false returned;
    // the dialog then stays open.
    bool Potvrd(Messages &Zpravy);

    Bod Umisteni(int Sirka, int Vyska) const { return UmistiDialog(s_, Sirka, Vyska); }

private:
    Session &s_;
    TQuilmar quilmar_;
    std::vector<PoleEditu> pole_;
};

} // namespace qmr
