#pragma once
// The customer dialog: the dealer's company as the supplier's customer, section [Firma]
// of the configuration file. The fields start from the stored values (empty ones
// included); OK writes every field with the communication mode 0 and reloads the
// session's company; Cancel writes nothing.
//
// The e-mail address is checked when the focus leaves its field (OpustMail) and when it
// leaves the communication group with the gateway chosen (OpustMapiGroup); a rejected
// address shows "Mail address error!" and the view puts the focus back into jMail.
#include "core/Messages.h"
#include "core/PartnerData.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "partners/PoleEditu.h"

#include <string>
#include <vector>

namespace qmr {

// The fields in the dialog's order (Pole() is indexed by it).
enum class PoleFirmy {
    Nazev1, Nazev2, Ulice, PSC, Obec, DUlice, DPSC, DObec, ICO, DIC, PracDoba, Telefon, Fax, Mail, Osoba, Kod
};

class TJejichDef {
public:
    static constexpr const char *kTitulek = "Określenie klienta";
    static constexpr const char *kLabel1 = "Następne dane niezbędne są dla właściwego zamówienia:";
    static constexpr const char *kMapiGroup = "Komunikacja (zamówienia)";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    // The gateway item of the communication group.
    static constexpr int kBrana = 1;

    // Reads [Firma] into a private record (the session is not touched) and fills the
    // fields; the communication group shows the stored mode and is hidden for a
    // foreign customer (s.Cizina).
    TJejichDef(Session &s, Messages &Zpravy);

    // jNazev1 ... jKod. Each field's Popisek is its label's caption (empty for a field
    // that shares the label of the one before).
    const std::vector<PoleEditu> &Pole() const { return pole_; }
    const PoleEditu &Pole(PoleFirmy p) const { return pole_[static_cast<int>(p)]; }
    void Nastav(PoleFirmy p, const std::string &Text);

    const SkupinaVoleb &MapiGroup() const { return mapi_; }
    // A click on an item of the communication group (-1: none).
    void NastavMapiGroup(int Index);

    // Label14: the path of the configuration file.
    const std::string &Label14() const { return s_.apConf; }

    // The focus leaves jMail: a non-blank address that KontrMail rejects is reported;
    // true when the focus must return to jMail. A blank address is accepted silently.
    bool OpustMail();
    // The focus leaves the communication group: with the gateway chosen, an address
    // that KontrMail rejects (a blank one included) is reported; true when the focus
    // must go to jMail.
    bool OpustMapiGroup();

    // The record OK writes: the fields' texts, MapiGroup 0 whatever item is chosen (the
    // gateway mode is set in the configuration file only).
    TFirma Data() const;

    // OK: writes [Firma] in one replace of the configuration file and reloads s.Firma
    // (apFirma, DataPath). A file that cannot be written is reported and false returned;
    // the dialog then stays open.
    bool Potvrd();

    Bod Umisteni(int Sirka, int Vyska) const { return UmistiDialog(s_, Sirka, Vyska); }

private:
    Session &s_;
    Messages &zpravy_;
    TFirma firma_;
    std::vector<PoleEditu> pole_;
    SkupinaVoleb mapi_;
};

} // namespace qmr
