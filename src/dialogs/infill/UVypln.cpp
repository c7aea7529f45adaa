#include "dialogs/infill/UVypln.h"

#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"
#include "catalogues/Seznamy.h"
#include "dialogs/infill/DialogRunner.h"
#include "dialogs/infill/Razeni.h"
#include "dialogs/infill/UODrazka.h"
#include "dialogs/infill/UOMrizka.h"
#include "dialogs/infill/UOPaska.h"
#include "dialogs/infill/UORam.h"

#include <stdexcept>

namespace qmr {

namespace {

const char *const kRamka1 = "Ramka strona zewnętrzna";
const char *const kRamka2 = "Ramka strona wewnętrzna";
const char *const kPasky1 = "Paski naklejone s. zewnętrzna";
const char *const kPasky2 = "Paski naklejone s. wewnętrzna";
const char *const kRowki1 = "Rowki strona zewnętrzna";
const char *const kRowki2 = "Rowki strona wewnętrzna";
const char *const kZafrez1 = "Páski zafrezowane s. zewnętrzna";
const char *const kZafrez2 = "Pásky zafrezowane s. wewnętrzna";
const char *const kDvoj1 = "Dwukolorowa strona zewnętrzna";
const char *const kDvoj2 = "Dwukolorowa strona wewnętrzna";
const char *const kAX = "AX - alunox";
const char *const kAK = "AK - nierzdzewna";
const char *const kZRamkou = "z ramką";
const char *const kZMrizkou = "z AX ramką i kratką dekoracyjną";
const char *const kWykonanie = "Wykonanie standardowe";
const char *const kPrekryv1 = "Przekryw jednostronny";
const char *const kPrekryv2 = "Przekryw obustronny";

std::string typ(int n) { return std::string(" (") + "typ " + std::to_string(n) + ")"; }

// Assigning the items of a radio group keeps its selection while it is still an item.
void nastavPolozky(Prepinac &p, std::vector<std::string> polozky)
{
    p.Polozky = std::move(polozky);
    if (p.Index >= int(p.Polozky.size()))
        p.Index = int(p.Polozky.size()) - 1;
}

} // namespace

TVVypln::TVVypln(Session &s, const PictureStore &obrazky, OptionDialogRunner *okna)
    : s_(s), obr_(obrazky), okna_(okna), w_(VyberZeSession(s))
{
    sel_.Polozka = -1;
    // The chosen-type values start at 0; the entry flags and colour positions as none.
    w_.VybranyRamecek = w_.VybranaOMrizka = w_.VybranaOPaska = w_.VybranaOdrazka = w_.VybranaOPDR = 0;
    ram1AK_.Text = ram2AK_.Text = kAX;
    ram1KK_.Text = ram2KK_.Text = kAK;
    for (Obrazek &o : obrazky_)
        o.Viditelny = false;
    for (Popisek &p : lf_)
        p.Viditelny = false;
    plnVyplne();
}

Bod TVVypln::Umisteni(int sirka, int vyska) const { return UmistiDialog(s_, sirka, vyska); }

const Obrazek &TVVypln::Image(int i) const
{
    if (i < 1 || i > 3)
        throw std::out_of_range("TVVypln::Image");
    return obrazky_[i - 1];
}

const Popisek &TVVypln::LF(int i) const
{
    if (i < 1 || i > 3)
        throw std::out_of_range("TVVypln::LF");
    return lf_[i - 1];
}

const std::string &TVVypln::SIm(int i) const
{
    if (i < 1 || i > 3)
        throw std::out_of_range("TVVypln::SIm");
    return sIm_[i - 1];
}

// ---- The list -------------------------------------------------------------------------

void TVVypln::plnVyplne()
{
    if (s_.ListVyplni.empty())
        SeznamyVyplni(s_);
    const auto priznak = [](const std::vector<bool> &v, std::size_t i) { return i < v.size() && v[i]; };
    std::vector<std::string> nazvy;
    for (std::size_t i = 0; i < s_.ListVyplni.size(); ++i) {
        if (priznak(s_.ListAkcni, i))
            continue;
        if (priznak(s_.ListHlinik, i) != s_.SHlinik || priznak(s_.ListGlas, i) != s_.SGlas)
            continue;
        if ((s_.SHlinik2 || s_.SHPL1) && !priznak(s_.ListHladka, i))
            continue;
        if (priznak(s_.ListDvojbarva, i) && !(s_.SHlinik || s_.SHlinik2 || s_.SDyha2))
            continue;
        nazvy.push_back(s_.ListVyplni[i]);
    }
    for (std::size_t i : SeradNazvy(nazvy))
        seznam_.push_back(nazvy[i]);
}

void TVVypln::VyberRadek(int i)
{
    if (i < 0 || i >= int(seznam_.size()))
        return;
    seznamClick(i);
    obnov();
}

void TVVypln::seznamClick(int i)
{
    const std::string &sekce = seznam_[i];
    radek_ = i;
    const TSifraSoubor &ini = Katalog(s_, kVyplne);

    // 1. Reset.
    rezim_ = kNic;
    moznosti_ = 0;
    w_.VybranyRamecek = w_.VybranaOMrizka = w_.VybranaOPaska = w_.VybranaOdrazka = w_.VybranaOPDR = 0;
    vKamen_ = vKamen1_ = vKamen2_ = false;
    vDvojbarva_ = vZetkova_ = vEnkova_ = vRadaK_ = vPulpanel_ = vRameckova_ = vGlas_ = vLisovana_ = false;
    vRamPouzeAK_ = vRamNeDekor_ = false;
    vPozic_ = 1;
    w_.MuzeRamecek = w_.MuzeOPasku = w_.MuzeODrazku = w_.MuzeOPDr = w_.MuzePrekryv = 0;
    w_.PBarva1.RBarva = TRbarva{};
    w_.PBarva2.RBarva = TRbarva{};
    nenacitej_ = false;
    obrazky_[1].Cesta.clear();
    obrazky_[2].Cesta.clear();
    // Titles and captions of the previous entry do not carry over.
    for (Popisek &p : lf_)
        p.Text.clear();
    popis1_.clear();
    popis2_.clear();
    xRamecek_ = xMrizka_ = xPaska_ = xDrazka_ = xPDr_ = -1;

    // 2. The record: flags, limits and prices of the section.
    NactiVyplnVyberu(s_, sekce, sel_);
    sel_.Polozka = i;
    sel_.Nazev = sekce;
    w_.KodVyplne = sel_.Kod;
    w_.NazevVyplne = sekce;
    vDvojbarva_ = sel_.Dvojbarva;
    vZetkova_ = sel_.Zetkova;
    vEnkova_ = sel_.Enkova;
    vRadaK_ = sel_.RadaK;
    vPulpanel_ = sel_.Pulpanel;
    vRameckova_ = sel_.Rameckova;
    vGlas_ = sel_.Glas;
    vLisovana_ = sel_.Lisovana;
    vPozic_ = sel_.Pozic;
    w_.RadaK = vRadaK_;
    w_.Dvojbarva = vDvojbarva_;
    w_.Kamen = vKamen_;
    const std::string &kod = sel_.Kod;

    // 4. Overlay.
    if (s_.SHlinik)
        w_.MuzePrekryv = 2;
    else if (s_.SHlinik2 || s_.SDyha2 || s_.SGlas)
        w_.MuzePrekryv = 1;

    // 5. Frames.
    if (vRameckova_) {
        w_.MuzeRamecek = 1;
        w_.VybranyRamecek = 1;
        vRamPouzeAK_ = s_.SGlas || vLisovana_;
    } else if (ini.ReadSifra(sekce, "RMF1S1") < 1) {
        if (ini.ReadSifra(sekce, "RMAF1S1") > 0) {
            vRamPouzeAK_ = true;
            w_.MuzeRamecek = ini.ReadSifra(sekce, "RMA2F1S1") >= 1 ? 2 : 1;
        }
    } else {
        vRamPouzeAK_ = false;
        w_.MuzeRamecek = ini.ReadSifra(sekce, "RM2F1S1") >= 1 ? 2 : 1;
        vRamNeDekor_ = ini.ReadBool(sekce, "RMSTF1S1", false);
    }

    // 6. Glued strips.
    if (vZetkova_) {
        w_.MuzeOPasku = 1;
        w_.VybranaOPaska = 1;
    } else if (ini.ReadSifra(sekce, "OPF1S1") > 0) {
        w_.MuzeOPasku = ini.ReadSifra(sekce, "OP2F1S1") >= 1 ? 2 : 1;
    }

    // 7. Grooves.
    if (vEnkova_) {
        w_.MuzeODrazku = 1;
        w_.VybranaOdrazka = 1;
    } else if ((s_.SHlinik || s_.SHlinik2 || s_.SDyha2 || s_.SGlas) && ini.ReadSifra(sekce, "ODF1S1") > 0) {
        w_.MuzeODrazku = ini.ReadSifra(sekce, "OD2F1S1") >= 1 ? 2 : 1;
    }

    // 8. Decorative muntin.
    w_.MuzeOMrizku = ini.ReadInteger(sekce, "OZMPocet", 0);
    if (w_.MuzeOMrizku == 0)
        w_.MuzeOMrizku = ini.ReadInteger(sekce, "MuzeOMrizku", 0);

    // 9. Picture titles. treti12: the third picture is the "1/2" format.
    bool treti12 = false;
    if (s_.SDyha) {
        lf_[0].Text = s_.SDyha2 ? "Výplň AL / dřevo" : "Dřevěná výplň";
        if (!specialni())
            lf_[1].Text = kZRamkou;
        if (w_.MuzeOMrizku > 0) {
            lf_[2].Text = kZMrizkou;
        } else if (kod == "D0" && !s_.SDyha2) {
            lf_[2].Text = "1/2";
            treti12 = true;
        }
    } else if (s_.SHlinik) {
        lf_[0].Text = "Aluminiowe wypełnienie";
        if (w_.MuzeRamecek > 0)
            lf_[1].Text = kZRamkou;
        if (w_.MuzeOMrizku > 0)
            lf_[2].Text = kZMrizkou;
    } else if (s_.SGlas) {
        lf_[0].Text = "Szklo / AL wypełnienie";
    } else if (vRadaK_ || s_.SHlinik2) {
        lf_[0].Text = s_.SHlinik2 ? "AL / ABS wypełnienie" : s_.SHPL1 ? "HPL wypełnienie" : "ABS wypełnienie";
        if (w_.MuzeRamecek > 0 && !specialni())
            lf_[1].Text = kZRamkou;
        if (w_.MuzeOMrizku > 0) {
            lf_[2].Text = kZMrizkou;
        } else if (kod == "K0" && !s_.SHPL1 && !s_.SHlinik2) {
            lf_[2].Text = "1/2";
            treti12 = true;
        }
    } else if (vLisovana_) {
        lf_[0].Text = "format 1/1";
        if (vPulpanel_) {
            lf_[0].Text.clear();
            lf_[1].Text = "format 2/1";
        } else {
            lf_[1].Text = kod == "PC" ? "1/3" : "1/2";
        }
    }
    if (treti12) {
        obrazky_[2].Viditelny = true;
        obrazky_[2].Povoleny = true;
    }

    // 10. and 13. (limits and prices) came with the record.

    // 11. Side captions and the execution radio.
    bool radio = false;
    if (vDvojbarva_) {
        popis1_ = kDvoj1;
        popis2_ = kDvoj2;
    } else if (vRameckova_) {
        popis1_ = kRamka1;
        popis2_ = kRamka2;
    } else if (vZetkova_ && !s_.SHlinik && !s_.SHlinik2) {
        popis1_ = kPasky1;
        popis2_ = kPasky2;
    } else if (vEnkova_) {
        popis1_ = kRowki1;
        popis2_ = s_.SHlinik ? kRowki2 : kPasky2;
    } else if (w_.MuzeOPasku > 0 || w_.MuzeODrazku > 0) {
        radio = true;
        if (w_.MuzeOPasku > 0 && w_.MuzeODrazku > 0)
            w_.MuzeOPDr = w_.MuzeODrazku;
        std::vector<std::string> polozky;
        const auto pridej = [&polozky](const char *t) {
            polozky.emplace_back(t);
            return int(polozky.size()) - 1;
        };
        if (!vZetkova_)
            pridej(kWykonanie);
        if (w_.MuzeRamecek > 0)
            xRamecek_ = pridej(kZRamkou);
        if (w_.MuzeOMrizku > 0)
            xMrizka_ = pridej(kZMrizkou);
        if (w_.MuzeOPasku > 0)
            xPaska_ = pridej("z paskami naklejonymi");
        if (w_.MuzeODrazku > 0 && !vZetkova_)
            xDrazka_ = pridej("z rowkami dekoracyjnymi");
        if (w_.MuzeOPDr > 0)
            xPDr_ = pridej("z paskami zafrezowanymi");
        moznosti_ = int(polozky.size());
        volitko_.Polozky = std::move(polozky);
        volitko_.Index = -1;
        volitko_.Viditelny = true;
        volitko_.Povoleny = true;
        volitkoVyska_ = 20 * moznosti_ + 20;
        lf_[1].Viditelny = false;
        lf_[2].Viditelny = false;
    }
    if (!radio) {
        volitko_.Index = -1;
        volitko_.Viditelny = false;
        volitko_.Povoleny = false;
        lf_[1].Viditelny = true;
        lf_[2].Viditelny = true;
    }

    // 12. The variant pictures of "VYPLNE/".
    for (int n = 0; n < 3; ++n)
        sIm_[n] = CestaObrazku(s_, "VYPLNE", kod + std::to_string(n + 1));
    const auto existuje = [this](const std::string &cesta) { return !cesta.empty() && obr_.Exists(cesta); };
    Obrazek &im1 = obrazky_[0];
    if (existuje(sIm_[0])) {
        im1.Cesta = sIm_[0];
        im1.Viditelny = true;
        lf_[0].Viditelny = true;
    } else {
        im1.Cesta.clear();
        im1.Viditelny = false;
        lf_[0].Viditelny = false;
    }
    im1.Povoleny = !(moznosti_ > 2 || specialni());

    Obrazek &im2 = obrazky_[1];
    const bool nabidka2 = !(moznosti_ > 2 || kod == "B0" || specialni());
    if (nabidka2 && existuje(sIm_[1])) {
        im2.Cesta = sIm_[1];
        im2.Viditelny = true;
        im2.Povoleny = true;
        popis1_ = kRamka1;
        popis2_ = kRamka2;
        rezim_ = kRamecek;
    } else {
        // Not offered or missing: no empty picture to click.
        im2.Viditelny = false;
        im2.Povoleny = false;
        lf_[1].Viditelny = false;
    }

    Obrazek &im3 = obrazky_[2];
    const bool nabidka3 =
        !(moznosti_ > 2 || (w_.MuzeOMrizku < 1 && (kod != "K0" || s_.SHPL1 || s_.SHlinik2)));
    if (nabidka3) {
        if (existuje(sIm_[2])) {
            im3.Cesta = sIm_[2];
            im3.Viditelny = true;
            im3.Povoleny = true;
            lf_[2].Viditelny = true;
            lf3Posun_ = kod == "K0" ? -20 : 40;
        } else {
            im3.Viditelny = false;
            im3.Povoleny = false;
            lf_[2].Viditelny = false;
        }
    } else if (!treti12) {
        im3.Viditelny = false;
        im3.Povoleny = false;
        lf_[2].Viditelny = false;
    }

    // 14. Controls reset.
    skryjStrany();
    for (Zaskrtavatko *z : {&cb1_, &cb2_, &ram1AK_, &ram2AK_, &ram1KK_, &ram2KK_})
        z->Povoleny = false;
    prekryv_.Viditelny = false;
    prekryv_.Povoleny = false;
    prekryv_.Index = 0;
    okPovolen_ = false;
    oznaceny_ = 0;

    // 15. Automatic pick of the first picture.
    if (sel_.AkcniV || (vZetkova_ && w_.MuzeOPDr < 1) || !sel_.FixFormat.empty() || vEnkova_ || vDvojbarva_ ||
        s_.SGlas) {
        volitko_.Viditelny = false;
        volitko_.Polozky.clear();
        volitko_.Index = -1;
        image1Click();
    }
}

// ---- Pictures ---------------------------------------------------------------------------

void TVVypln::KlikObrazek(int i)
{
    if (i < 1 || i > 3 || radek_ < 0)
        return;
    const Obrazek &o = obrazky_[i - 1];
    if (!o.Viditelny || !o.Povoleny)
        return;
    if (i == 1)
        image1Click();
    else if (i == 2)
        image2Click();
    else
        image3Click();
    obnov();
}

// Both side boxes and the four material boxes hidden and unchecked.
void TVVypln::skryjStrany()
{
    cb1_.Viditelny = false;
    nastavCB1(false);
    cb2_.Viditelny = false;
    nastavCB2(false);
    for (Zaskrtavatko *z : {&ram1AK_, &ram1KK_, &ram2AK_, &ram2KK_})
        z->Viditelny = false;
    nastavR1AK(false);
    nastavR1KK(false);
    nastavR2AK(false);
    nastavR2KK(false);
}

// The overlay radio by family: aluminium offers one- and, unless two-coloured, two-sided
// overlays; AL/ABS, AL/wood and glass the one-sided one.
void TVVypln::prekryvPodleRodiny(bool dvoupolozkovyPovolen)
{
    if (s_.SHlinik) {
        std::vector<std::string> p{kWykonanie, kPrekryv1};
        if (!vDvojbarva_)
            p.emplace_back(kPrekryv2);
        nastavPolozky(prekryv_, std::move(p));
        prekryv_.Viditelny = true;
        prekryv_.Povoleny = true;
    } else if (s_.SHlinik2 || s_.SDyha2 || s_.SGlas) {
        nastavPolozky(prekryv_, {kWykonanie, kPrekryv1});
        prekryv_.Viditelny = true;
        prekryv_.Povoleny = dvoupolozkovyPovolen;
    }
}

void TVVypln::image1Click()
{
    rezim_ = kPrvni;
    nFormat_ = 1;
    oznaceny_ = 1;
    // The decorative muntin belongs to the third picture: the plain panel has none.
    w_.VybranaOMrizka = 0;
    skryjStrany();
    prekryvPodleRodiny(true);
    if (specialni() || vRameckova_) {
        cb1_.Viditelny = true;
        nastavCB1(true);
        cb1_.Povoleny = false;
        if (!vDvojbarva_ && (s_.SHlinik || vZetkova_ || vEnkova_ || vRameckova_)) {
            cb2_.Viditelny = true;
            cb2_.Povoleny = true;
        }
    }
    okPovolen_ = true;
}

void TVVypln::image2Click()
{
    oznaceny_ = 2;
    nFormat_ = 2;
    rezim_ = kStandard;
    if (vLisovana_) {
        w_.VybranaOMrizka = 0; // as for the first picture
        okPovolen_ = true;
    } else if (w_.MuzeRamecek > 0) {
        // The frame item of the radio, and its choice, even when the radio is hidden.
        nenacitej_ = true;
        xRamecek_ = 1;
        if (int(volitko_.Polozky.size()) > 1)
            volitko_.Index = 1;
        volitkoClick(1);
    }
}

void TVVypln::image3Click()
{
    oznaceny_ = 3;
    nFormat_ = 3;
    rezim_ = kOMrizka;
    cb1_.Viditelny = false;
    nastavCB1(false);
    for (Zaskrtavatko *z : {&ram1AK_, &ram1KK_, &ram2AK_, &ram2KK_})
        z->Viditelny = false;
    nastavR1AK(false);
    nastavR1KK(false);
    nastavR2AK(false);
    nastavR2KK(false);
    if (sel_.Kod == "K0" || vLisovana_ || w_.MuzeOMrizku < 1)
        return;
    nenacitej_ = true;
    xMrizka_ = 2;
    if (int(volitko_.Polozky.size()) > 2)
        volitko_.Index = 2;
    volitkoClick(2);
}

// ---- Execution choice -----------------------------------------------------------------

void TVVypln::KlikVolitko(int i)
{
    if (radek_ < 0 || !volitko_.Viditelny || !volitko_.Povoleny || i < 0 || i >= int(volitko_.Polozky.size()))
        return;
    volitko_.Index = i;
    volitkoClick(i);
    obnov();
}

void TVVypln::oRam1() { w_.VybranyRamecek = 1; }
void TVVypln::oPaska1() { w_.VybranaOPaska = 1; }
void TVVypln::oDrazka1() { w_.VybranaOdrazka = 1; }

void TVVypln::oMrizka1()
{
    w_.VybranaOMrizka = 1;
    MrizkovyDoplnek(s_, w_, 1);
}

void TVVypln::vyberRamecek()
{
    if (w_.MuzeRamecek == 1) {
        oRam1();
    } else if (okna_) {
        TVORam d(s_, w_, obr_);
        okna_->RunORam(d);
    }
}

void TVVypln::vyberOMrizku()
{
    if (w_.MuzeOMrizku == 1) {
        oMrizka1();
    } else if (okna_) {
        TVOMrizka d(s_, w_, obr_);
        okna_->RunOMrizka(d);
    }
}

void TVVypln::vyberPasku()
{
    if (w_.MuzeOPasku == 1) {
        oPaska1();
    } else if (okna_) {
        TVOPaska d(s_, w_, obr_);
        okna_->RunOPaska(d);
    }
}

void TVVypln::vyberDrazku()
{
    if (w_.MuzeODrazku == 1) {
        oDrazka1();
    } else if (okna_) {
        TVODrazka d(s_, w_, obr_);
        okna_->RunODrazka(d);
    }
}

void TVVypln::volitkoClick(int i)
{
    // 1. Start from the side boxes as they are.
    rezim_ = kStandard;
    w_.VybranyRamecek = w_.VybranaOMrizka = w_.VybranaOPaska = w_.VybranaOdrazka = w_.VybranaOPDR = 0;
    Zaskrtavatko b1 = cb1_, b2 = cb2_;
    std::string p1 = popis1_, p2 = popis2_;

    // 2. Types that carry their extra.
    if (specialni()) {
        if (vZetkova_)
            w_.VybranaOPaska = 1;
        if (vEnkova_)
            w_.VybranaOdrazka = 1;
        b1.Viditelny = true;
        b1.Zaskrtnuto = true;
        b1.Povoleny = false;
        if (!vDvojbarva_ && (sel_.Hlinik || vZetkova_ || vEnkova_)) {
            b2.Viditelny = true;
            b2.Povoleny = true;
        }
    }

    // 3. The first matching choice.
    const auto stranyJakoPasky = [&](bool pevnaVnejsi) {
        b1.Viditelny = true;
        if (pevnaVnejsi) {
            b1.Zaskrtnuto = true;
            b1.Povoleny = false;
        } else {
            b1.Povoleny = true;
        }
        b2.Viditelny = true;
        b2.Povoleny = true;
    };
    if (i == 0 && !specialni()) {
        rezim_ = kStandard;
        nFormat_ = 1;
        b1.Viditelny = false;
        b2.Viditelny = false;
    } else if (i == xRamecek_ && w_.MuzeRamecek > 0) {
        rezim_ = kRamecek;
        nFormat_ = 2;
        vyberRamecek();
        p1 = kRamka1;
        p2 = kRamka2;
        b1.Viditelny = b1.Povoleny = true;
        b2.Viditelny = b2.Povoleny = true;
    } else if (i == xMrizka_ && w_.MuzeOMrizku > 0) {
        rezim_ = kOMrizka;
        nFormat_ = 3;
        vyberOMrizku();
        b1.Viditelny = false;
        const std::string &k = w_.KodVyplne;
        w_.VybranyRamecek = w_.VybranaOMrizka == 2 && (k == "0K" || k == "0B" || k == "0D") ? 2 : 1;
        b2.Viditelny = b2.Povoleny = true;
    } else if (i == xPaska_) {
        rezim_ = kPasky;
        nFormat_ = 1;
        p1 = kPasky1;
        p2 = kPasky2;
        vyberPasku();
        stranyJakoPasky(vZetkova_);
        w_.VybranaOPDR = 0;
    } else if (i == xDrazka_) {
        rezim_ = kDrazky;
        nFormat_ = 1;
        p1 = kRowki1;
        p2 = s_.SHlinik ? kRowki2 : kPasky2;
        vyberDrazku();
        stranyJakoPasky(vEnkova_);
    } else if (i == xPDr_) {
        rezim_ = kZafrezovane;
        nFormat_ = 1;
        p1 = kZafrez1;
        p2 = s_.SHlinik ? kZafrez2 : kPasky2;
        vyberPasku();
        w_.VybranaOPDR = w_.VybranaOPaska;
        stranyJakoPasky(vZetkova_);
    }

    // 4. Preview.
    if (!nenacitej_)
        nactiRys();

    // 5. Overlay.
    if (s_.SHlinik) {
        prekryvPodleRodiny(true);
    } else if (s_.SHlinik2 || s_.SDyha2) {
        nastavPolozky(prekryv_, {kWykonanie, kPrekryv1});
        prekryv_.Viditelny = true;
        if (vDvojbarva_ || vEnkova_ || s_.SDyha2 || s_.apKneprekryv) {
            prekryv_.Povoleny = true;
        } else {
            prekryv_.Index = 1;
            prekryv_.Povoleny = false;
        }
    }

    // 6. Captions and side boxes.
    popis1_ = p1;
    popis2_ = p2;
    cb1_.Viditelny = b1.Viditelny;
    cb1_.Povoleny = b1.Povoleny;
    nastavCB1(b1.Zaskrtnuto);
    cb2_.Viditelny = b2.Viditelny;
    cb2_.Povoleny = b2.Povoleny;
    nastavCB2(b2.Zaskrtnuto);
}

// Preview of the chosen variant in Image1 (a missing file keeps the picture shown).
void TVVypln::nactiRys()
{
    if (nFormat_ <= 0)
        return;
    int v = nFormat_;
    if (w_.VybranyRamecek > 0)
        v = 2;
    else if (sel_.Kod == "K0")
        v = s_.SFormat == 2 ? 3 : nFormat_;
    const std::string kod =
        GetKodRysu(sel_.Kod, sel_.RadaK, sel_.Dyha, vZetkova_ || vEnkova_, vKamen_, vDvojbarva_);
    std::string jmeno = kod;
    if (w_.VybranaOMrizka > 0)
        jmeno += "M" + std::to_string(w_.VybranaOMrizka);
    else if (w_.VybranaOPaska > 0)
        jmeno += "P" + std::to_string(w_.VybranaOPaska);
    else if (w_.VybranaOdrazka > 0)
        jmeno += "P" + std::to_string(w_.VybranaOdrazka);
    else if (w_.VybranaOPDR > 0)
        jmeno += "P" + std::to_string(w_.VybranaOPDR);
    else
        jmeno += "F" + std::to_string(v) + "S1";
    if (kod == "B0")
        jmeno = w_.VybranyRamecek > 0 ? "B0PF2S0" : "B0PF1S0";
    if (w_.VybranyRamecek >= 2)
        jmeno += "R2";
    const std::string cesta = CestaObrazku(s_, "RYSY", jmeno);
    if (!cesta.empty() && obr_.Exists(cesta))
        obrazky_[0].Cesta = cesta;
}

// ---- Side and material boxes ----------------------------------------------------------

void TVVypln::nastavCB1(bool v)
{
    if (cb1_.Zaskrtnuto == v)
        return;
    cb1_.Zaskrtnuto = v;
    checkBox1Exit();
}

void TVVypln::nastavCB2(bool v)
{
    if (cb2_.Zaskrtnuto == v)
        return;
    cb2_.Zaskrtnuto = v;
    checkBox2Click();
}

void TVVypln::nastavR1AK(bool v)
{
    if (ram1AK_.Zaskrtnuto == v)
        return;
    ram1AK_.Zaskrtnuto = v;
    ram1AKClick();
}

void TVVypln::nastavR1KK(bool v)
{
    if (ram1KK_.Zaskrtnuto == v)
        return;
    ram1KK_.Zaskrtnuto = v;
    ram1KKClick();
}

void TVVypln::nastavR2AK(bool v)
{
    if (ram2AK_.Zaskrtnuto == v)
        return;
    ram2AK_.Zaskrtnuto = v;
    ram2AKClick();
}

void TVVypln::nastavR2KK(bool v)
{
    if (ram2KK_.Zaskrtnuto == v)
        return;
    ram2KK_.Zaskrtnuto = v;
    ram2KKClick();
}

void TVVypln::checkBox1Exit()
{
    if (!(rezim_ < 3 || rezim_ == kPasky || rezim_ == kZafrezovane))
        return;
    if (vDvojbarva_ || vEnkova_)
        return;
    if (s_.Cizina) {
        const bool zapnout = cb1_.Zaskrtnuto;
        ram1KK_.Viditelny = ram1KK_.Povoleny = zapnout;
        ram1AK_.Viditelny = ram1AK_.Povoleny = zapnout;
    } else if (s_.SHlinik || s_.SHlinik2 || s_.SDyha || s_.SDyha2 || vRamPouzeAK_ || vZetkova_ || rezim_ > 2 ||
               vRamNeDekor_) {
        // A domestic configuration has AX frames.
        nastavR1AK(cb1_.Zaskrtnuto);
    }
}

void TVVypln::checkBox2Click()
{
    if (!ram2AK_.Viditelny && !ram2KK_.Viditelny) {
        nastavR2AK(ram1AK_.Zaskrtnuto);
        nastavR2KK(ram1KK_.Zaskrtnuto);
    }
}

void TVVypln::ram1AKClick()
{
    if (ram1AK_.Zaskrtnuto)
        nastavR1KK(false);
    nastavR2AK(ram1AK_.Zaskrtnuto);
    nulPBarva(1);
}

void TVVypln::ram1KKClick()
{
    if (ram1KK_.Zaskrtnuto)
        nastavR1AK(false);
    nastavR2KK(ram1KK_.Zaskrtnuto);
    nulPBarva(1);
}

void TVVypln::ram2AKClick()
{
    if (ram2AK_.Zaskrtnuto)
        nastavR2KK(false);
    nulPBarva(2);
}

void TVVypln::ram2KKClick()
{
    if (ram2KK_.Zaskrtnuto)
        nastavR2AK(false);
    nulPBarva(2);
}

// The temporary frame colour of a side: no colour, the material of that side's boxes.
void TVVypln::nulPBarva(int strana)
{
    TRbarva &r = (strana == 1 ? w_.PBarva1 : w_.PBarva2).RBarva;
    r = TRbarva{};
    r.AK = strana == 1 ? ram1KK_.Zaskrtnuto : ram2KK_.Zaskrtnuto;
    r.Hlinik = strana == 1 ? ram1AK_.Zaskrtnuto : ram2AK_.Zaskrtnuto;
    r.ObjDni = 0;
}

void TVVypln::NastavCheckBox1(bool zaskrtnuto)
{
    if (radek_ < 0 || !cb1_.Viditelny || !cb1_.Povoleny)
        return;
    if (cb1_.Zaskrtnuto == zaskrtnuto)
        checkBox1Exit();
    else
        nastavCB1(zaskrtnuto);
    obnov();
}

void TVVypln::OpustCheckBox1()
{
    if (radek_ < 0)
        return;
    checkBox1Exit();
    obnov();
}

void TVVypln::NastavCheckBox2(bool zaskrtnuto)
{
    if (radek_ < 0 || !cb2_.Viditelny || !cb2_.Povoleny)
        return;
    if (cb2_.Zaskrtnuto == zaskrtnuto)
        checkBox2Click();
    else
        nastavCB2(zaskrtnuto);
    obnov();
}

void TVVypln::NastavRam1AK(bool zaskrtnuto)
{
    if (!ram1AK_.Viditelny || !ram1AK_.Povoleny)
        return;
    nastavR1AK(zaskrtnuto);
    obnov();
}

void TVVypln::NastavRam1KK(bool zaskrtnuto)
{
    if (!ram1KK_.Viditelny || !ram1KK_.Povoleny)
        return;
    nastavR1KK(zaskrtnuto);
    obnov();
}

void TVVypln::NastavRam2AK(bool zaskrtnuto)
{
    if (!ram2AK_.Viditelny || !ram2AK_.Povoleny)
        return;
    nastavR2AK(zaskrtnuto);
    obnov();
}

void TVVypln::NastavRam2KK(bool zaskrtnuto)
{
    if (!ram2KK_.Viditelny || !ram2KK_.Povoleny)
        return;
    nastavR2KK(zaskrtnuto);
    obnov();
}

void TVVypln::NastavPrekryv(int i)
{
    if (!prekryv_.Viditelny || !prekryv_.Povoleny || i < 0 || i >= int(prekryv_.Polozky.size()))
        return;
    prekryv_.Index = i;
    obnov();
}

// ---- Refresh --------------------------------------------------------------------------

void TVVypln::Obnov() { obnov(); }

void TVVypln::obnov()
{

    // 1. Side captions by mode.
    if (rezim_ == kRamecek || (vRameckova_ && w_.MuzeRamecek > 0)) {
        const std::string t = w_.MuzeRamecek > 1 ? typ(w_.VybranyRamecek) : "";
        popis1_ = kRamka1 + t;
        popis2_ = kRamka2 + t;
    } else if (rezim_ == kOMrizka) {
        const std::string t = w_.MuzeOMrizku > 1 ? typ(w_.VybranaOMrizka) : "";
        popis1_ = kRamka1 + t;
        popis2_ = kRamka2 + t;
        nastavCB1(true);
    } else if (rezim_ == kPasky || vZetkova_) {
        const std::string t = w_.MuzeOPasku > 1 ? typ(w_.VybranaOPaska) : "";
        popis1_ = kPasky1 + t;
        popis2_ = kPasky2 + t;
    } else if (rezim_ == kDrazky) {
        const std::string t = w_.MuzeODrazku > 1 ? typ(w_.VybranaOdrazka) : "";
        popis1_ = kRowki1 + t;
        if (s_.SHlinik) {
            popis2_ = kRowki2 + t;
        } else {
            popis2_ = kPasky2 + (w_.MuzeOPasku > 1 ? typ(w_.VybranaOdrazka) : "");
            nastavCB1(true);
        }
    } else if (rezim_ == kZafrezovane) {
        const std::string t = typ(w_.VybranaOPDR);
        popis1_ = kZafrez1 + t;
        if (s_.SHlinik) {
            popis2_ = kZafrez2 + t;
        } else {
            popis2_ = kPasky2 + (w_.MuzeOPasku > 1 ? t : "");
            nastavCB1(true);
        }
    }
    cb1_.Text = popis1_;
    cb2_.Text = popis2_;

    // 2. Outer side: material boxes and the material in the caption.
    const bool sMaterialem = rezim_ == kPrvni || rezim_ == kRamecek || rezim_ == kOMrizka || rezim_ == kPasky ||
                             rezim_ == kZafrezovane;
    if (sMaterialem && (cb1_.Povoleny || vZetkova_ || vRameckova_)) {
        if (s_.Cizina) {
            ram1AK_.Viditelny = ram1KK_.Viditelny = cb1_.Viditelny;
            ram1AK_.Povoleny = ram1KK_.Povoleny = cb1_.Zaskrtnuto;
        }
        if (cb1_.Zaskrtnuto)
            cb1_.Text = (popis1_.empty() ? std::string(kRamka1) : popis1_) + ": " + (ram1KK_.Zaskrtnuto ? kAK : kAX);
        if (!s_.SHlinik)
            sirokeStrany_ = true;
    }

    // 3. Inner side likewise.
    if (sMaterialem && cb2_.Povoleny && !s_.SGlas && !vZetkova_ && !vEnkova_) {
        if (s_.Cizina && nFormat_ != 3) {
            ram2AK_.Viditelny = ram2KK_.Viditelny = cb2_.Viditelny;
            ram2AK_.Povoleny = ram2KK_.Povoleny = cb2_.Zaskrtnuto && !cb1_.Zaskrtnuto;
        }
        if (cb2_.Zaskrtnuto)
            cb2_.Text = (popis2_.empty() ? std::string(kRamka2) : popis2_) + ": " + (ram2KK_.Zaskrtnuto ? kAK : kAX);
    }

    // 4. OK.
    if (rezim_ >= 0) {
        const bool s1 = cb1_.Zaskrtnuto, s2 = cb2_.Zaskrtnuto;
        const bool m1 = ram1AK_.Zaskrtnuto || ram1KK_.Zaskrtnuto;
        const bool m2 = ram2AK_.Zaskrtnuto || ram2KK_.Zaskrtnuto;
        if (vZetkova_ || vRameckova_)
            okPovolen_ = m1 || (s1 && !s_.Cizina);
        else if (rezim_ == kPrvni || rezim_ == kStandard || rezim_ == kOMrizka)
            okPovolen_ = true;
        else if (rezim_ == kDrazky)
            okPovolen_ = s1 || s2;
        else
            okPovolen_ = (s1 || s2) && (!s_.Cizina || ((!s1 || m1) && (!s2 || m2)));
    }
}

// ---- Confirmation -----------------------------------------------------------------------

int TVVypln::Potvrd()
{
    if (potvrzeno_ || radek_ < 0 || !okPovolen_)
        return 0;
    potvrzeno_ = true;
    Session &s = s_;
    const bool treti = nFormat_ == 3;
    const bool k0 = sel_.Kod == "K0";

    // 1.-2. The record and its picture; the third format of "K0" has limits of its own.
    s.SVypln.DVypln = sel_;
    TDVypln &v = s.SVypln.DVypln;
    s.SAkcni = v.AkcniV;
    s.VyplnVybrana = true;
    s.Carame = true;
    if (treti) {
        s.SImage = sIm_[2];
        if (k0) {
            v.MaxVyskaF1 = v.MaxVyskaF2 = v.KMaxVyskaF2;
            v.MaxSirkaF1 = v.MaxSirkaF2 = v.KMaxSirkaF2;
            v.MinVyskaF1 = v.MinVyskaF2 = v.KMinVyskaF2;
            v.MinSirkaF1 = v.MinSirkaF2 = v.KMinSirkaF2;
            v.HraVyskaF1 = v.HraSirkaF1 = v.HraVyskaF2 = v.HraSirkaF2 = 0;
        }
    } else {
        s.SImage = nFormat_ == 2 ? sIm_[1] : sIm_[0];
    }

    // What was decided while browsing.
    ZapisVyber(s, w_);

    // 3. Copies of the record; every later choice is made again.
    s.SOMrizka = w_.VybranaOMrizka;
    s.SExcentr = v.Excentr;
    s.SAsymH = v.AsymH;
    s.SPomerH = v.PomerH;
    s.SAsymp = v.AsymP;
    s.SPomerP = v.PomerP;
    s.SPravaV = v.PravaV;
    s.SJednoZask = v.JednoZask;
    s.SFixFormat = ShortString(v.FixFormat, kFixFormatLen);
    s.SPrava = false;
    s.SFormat = nFormat_;
    s.SZaskleni = -1;
    s.SVyztuz = -1;
    s.BarvyVybrany = s.RozmerVybran = s.VitrazVybrana = s.DekoryVybrany = s.MrizkaVybrana = false;

    // 4. Outer side.
    if ((treti && !k0) || (cb1_.Povoleny && cb1_.Zaskrtnuto) || specialni() || vRameckova_) {
        s.SRamecek1 = w_.VybranyRamecek;
        s.SOPaska1 = w_.VybranaOPaska;
        s.SODrazka1 = w_.VybranaOdrazka;
        s.SODr1 = w_.VybranaOPDR;
        s.SDvojbarva = vDvojbarva_;
        s.SPozic = vPozic_;
        s.SZetkova = vZetkova_;
        s.SEnkova = vEnkova_;
    } else {
        s.SRamecek1 = s.SOPaska1 = s.SODrazka1 = s.SODr1 = 0;
        s.SDvojbarva = s.SZetkova = s.SEnkova = false;
        s.SPozic = 1;
    }
    s.SKamen = vKamen_;
    s.SKamen1 = vKamen1_;

    // 5. The third format of "K0" is stored as format 2.
    if (treti && k0)
        s.SFormat = 2;

    // 6. Type flags.
    s.SRameckova = vRameckova_;
    s.SGlas = vGlas_;
    s.SRadaK = vRadaK_;
    s.SLisovana = vLisovana_;
    s.SPulpanel = vPulpanel_;
    s.RamPouzeAK = vRamPouzeAK_;

    // 7. Inner side; the AL/ABS and AL/wood families have glued strips inside instead of
    // grooves or milled strips.
    if (cb2_.Povoleny && cb2_.Zaskrtnuto) {
        s.SRamecek2 = w_.VybranyRamecek;
        s.SOPaska2 = w_.VybranaOPaska;
        s.SODrazka2 = w_.VybranaOdrazka;
        s.SODr2 = w_.VybranaOPDR;
        if (s.SHlinik2 || s.SDyha2) {
            const int t = w_.VybranaOdrazka > 0 ? w_.VybranaOdrazka : w_.VybranaOPDR;
            if (t > 0) {
                s.SOPaska2 = t;
                s.VybranaOPaska = t;
            }
            s.SODrazka2 = 0;
            s.SODr2 = 0;
        }
    } else {
        s.SRamecek2 = s.SOPaska2 = s.SODrazka2 = s.SODr2 = 0;
    }
    s.SKamen2 = vKamen2_;

    // 8. Overlay.
    s.SPrekryvna = prekryv_.Povoleny && prekryv_.Index > 0;
    s.IndZesil = -1;
    s.Zesilena = false;
    if (s.SHlinik2 && !vDvojbarva_ && !vEnkova_ && !s.apKneprekryv) {
        s.SPrekryvna = true;
        s.SPrekryv = 1;
    } else {
        s.SPrekryv = s.SPrekryvna ? prekryv_.Index : 0;
    }
    s.PrekryvVybran = s.Prekryv2Vybran = false;
    s.PVL = s.PVP = s.PVH = s.PVD = 10;

    // 9. Frame colours.
    s.RBarva1 = w_.PBarva1;
    s.RBarva2 = w_.PBarva2;

    // 10. Line layout and drawing code.
    NactiCary(s, Katalog(s, kVyplne), v.Nazev, s.SZetkova);
    SetKodRysu(s, v.Kod);
    return kVysledekOK;
}

} // namespace qmr
