#pragma once
// The customer list: the companies of DATA/FIRMY.qmr (one section each, the section name
// is the entry). A click on an entry shows its details; OK makes the chosen company the
// dealer's company in [Firma] of the configuration file (communication mode 0, as the
// list carries none) and reloads the session's company and price settings.
#include "core/MailClient.h"
#include "core/Messages.h"
#include "core/PartnerData.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "partners/PoleEditu.h"

#include <string>
#include <vector>

namespace qmr {

class TVKFirmy {
public:
    static constexpr const char *kTitulek = "Vyberte odběratele a místo dodání";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr const char *kSoubor = "FIRMY.qmr"; // in the data folder

    // Reads the section names, sorted without regard to case (a name that occurs twice
    // is listed once); nothing is chosen and every detail label is empty.
    TVKFirmy(Session &s, Messages &Zpravy, MailClient &Posta);

    const std::vector<std::string> &Seznam() const { return seznam_; }
    int Radek() const { return radek_; }

    // A click on entry `radek`: reads its keys into the private record and fills the
    // labels. A row outside the list changes nothing.
    void Vyber(int Radek);

    // The detail labels. Texts are shown literally (an "&" in a name is no accelerator).
    const Stitek &Pomkod() const { return pomkod_; }
    const Stitek &Naz1() const { return naz1_; }
    const Stitek &Naz2() const { return naz2_; }
    const Stitek &SUlice() const { return sulice_; }
    const Stitek &SObec() const { return sobec_; }
    const Stitek &STelef() const { return stelef_; }
    const Stitek &SFax() const { return sfax_; }
    const Stitek &SMail() const { return smail_; } // its hint: the address, when not blank
    const Stitek &SOsoba() const { return sosoba_; }
    const Stitek &DDUlice() const { return ddulice_; }
    const Stitek &DDObec() const { return ddobec_; }

    // The chosen company and its discount (read, not used).
    const TFirma &KFirma() const { return kfirma_; }
    int Rabat() const { return rabat_; }

    // A click on SMail or SOsoba: with a non-blank address the mail client opens a new
    // message to it (empty subject and body); a client that does not take it is reported.
    void KlikMail();

    // OK writes nothing until a company is chosen.
    bool OKPovolen() const { return radek_ >= 0; }
    // OK: writes the chosen company to [Firma] and reloads s.Firma and s.SCeny. False
    // (nothing written) with no company chosen, or when writing or reloading failed
    // (reported).
    bool Potvrd();

    // Centred over the main window's rectangle.
    Bod Umisteni(int Sirka, int Vyska) const { return UmistiNadOknem(s_, Sirka, Vyska); }

private:
    Session &s_;
    Messages &zpravy_;
    MailClient &posta_;
    std::vector<std::string> seznam_;
    int radek_ = -1;
    TFirma kfirma_;
    int rabat_ = 0;
    Stitek pomkod_, naz1_, naz2_, sulice_, sobec_, stelef_, sfax_, smail_, sosoba_, ddulice_, ddobec_;
};

} // namespace qmr
