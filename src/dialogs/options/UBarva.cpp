#include "dialogs/options/UBarva.h"

#include "catalogues/Katalog.h"
#include "catalogues/Seznamy.h"
#include "core/Funkce.h"
#include "dialogs/infill/Razeni.h"
#include "dialogs/infill/UVyztuz.h"

#include <algorithm>

namespace qmr {

namespace {

// Layout: without position 2 two panels of 370 (lists of 350) 380 apart; with it the
// drawing and three narrower panels.
constexpr int kOkraj = 10;
constexpr int kPanelTop = 10;
constexpr int kPanelVyska = 400;
constexpr int kPanelSirka1 = 370; // one-colour panel
constexpr int kPanelKrok1 = 380;
constexpr int kPanelSirka2 = 250; // two-colour panel
constexpr int kPanelKrok2 = 260;
constexpr int kImage4Odstup = 200; // Image4 lies this far left of Panel1
constexpr int kImage4Sirka = 190;
constexpr int kImage4Vyska = 380;
constexpr int kTlacitkoSirka = 84;
constexpr int kTlacitkoVyska = 26;

bool priznak(const std::vector<bool> &v, std::size_t i) { return i < v.size() && v[i]; }

} // namespace

bool TVBarva::Specialni(const TDbarva &b) { return b.DDekor || b.Elox || b.FixRal || b.Beton; }

bool TVBarva::RALZadan(const std::string &text)
{
    const std::string t = Trim(text);
    return !t.empty() && t != kRALPrazdny;
}

TVBarva::TVBarva(Session &s, const PictureStore &obrazky) : s_(s), obrazky_(obrazky)
{
    pomHPL1_ = s.SHPL1;
    pomHPL2_ = s.SHPL2;
    pomRadaK_ = s.SRadaK;
    if (s.ListBarev.empty())
        SeznamyBarev(s);

    const bool dvoj = s.SDvojbarva;
    const bool hlinikovy = s.SHlinik || s.SHlinik2 || s.SDyha2;
    for (Volba *v : {&v1_, &v12_, &v2_}) {
        v->panel.PopisRAL = {kCisloRAL, false};
        v->panel.RAL.Text = kRALPrazdny;
        v->panel.Vzorek.Viditelny = false;
    }
    v1_.panel.Nadpis.Text = dvoj ? kPozice1 : kStranaVnejsi;
    v12_.panel.Nadpis.Text = kPozice2;
    v2_.panel.Nadpis.Text = kStranaVnitrni;
    v12_.panel.Viditelny = v12_.panel.Povoleny = dvoj;
    v1_.panel.RAL.Povoleny = hlinikovy;
    v12_.panel.RAL.Povoleny = hlinikovy && dvoj;
    v2_.panel.RAL.Povoleny = true;

    seznamy();

    image4_.Viditelny = false;
    if (dvoj) {
        const std::string &kod = s.SVypln.DVypln.Kod;
        const std::string cesta =
            CestaObrazku(s, "RYSY", kod.empty() ? kod : kod + "F1S1" + (s.SExcentr && s.SPrava ? "P" : ""));
        if (!cesta.empty() && obrazky_.Exists(cesta)) {
            image4_.Cesta = cesta;
            image4_.Viditelny = true;
        }
    }
    rozloz();
    enableOk();
}

void TVBarva::seznamy()
{
    const Session &s = s_;
    // Which colour families each side may offer; a later material flag overrides an
    // earlier one.
    bool hlina1 = false, hlina2 = false, dyha1 = false, dyha2 = false;
    if (s.SGlas) {
        hlina1 = false;
        hlina2 = true;
        dyha1 = dyha2 = false;
    }
    if (s.SHlinik) {
        hlina1 = hlina2 = true;
        dyha1 = dyha2 = false;
    }
    if (s.SDyha) {
        hlina1 = hlina2 = false;
        dyha1 = dyha2 = true;
    } else {
        dyha1 = dyha2 = false;
    }
    if (s.SHlinik2) {
        hlina1 = true;
        hlina2 = false;
        dyha1 = dyha2 = false;
    }
    if (s.SDyha2) {
        hlina1 = true;
        hlina2 = false;
        dyha1 = false;
        dyha2 = true;
    }

    std::vector<std::string> n1, n12, n2;
    for (std::size_t i = 0; i < s.ListBarev.size(); ++i) {
        const std::string &nazev = s.ListBarev[i];
        const bool A = priznak(s.ListBHlinik, i);
        const bool V = priznak(s.ListBDyha, i);
        const bool D = priznak(s.ListBDekor, i);
        const bool H = priznak(s.ListBHladka, i);
        const bool P = priznak(s.ListBHPL, i);
        if (s.SGlas) {
            if (A)
                n2.push_back(nazev);
            continue;
        }
        if (V) {
            if (dyha1)
                n1.push_back(nazev);
            if (dyha2)
                n2.push_back(nazev);
        } else if (A) {
            if (s.SDvojbarva && (!s.SDyha2 || !D))
                n12.push_back(nazev);
            if (hlina1 && (!D || (s.SODrazka1 == 0 && s.SODr1 == 0 && !s.SDyha2)))
                n1.push_back(nazev);
            if (hlina2 && (!D || (s.SODrazka2 == 0 && s.SODr2 == 0)))
                n2.push_back(nazev);
        } else if (pomHPL1_) {
            if (D)
                n1.push_back(nazev);
            n2.push_back(nazev);
        } else if (!s.SHlinik && !s.SDyha) {
            if (pomRadaK_) {
                if (!s.SHlinik2 && P == s.SHPL1)
                    n1.push_back(nazev);
                if (P == s.SHPL2 || (P && s.SHlinik2))
                    n2.push_back(nazev);
            } else if (!H) {
                n1.push_back(nazev);
                n2.push_back(nazev);
            }
        }
    }
    const auto serad = [](const std::vector<std::string> &nazvy, std::vector<std::string> &out) {
        for (std::size_t i : SeradNazvy(nazvy))
            out.push_back(nazvy[i]);
    };
    serad(n1, v1_.panel.Seznam);
    serad(n12, v12_.panel.Seznam);
    serad(n2, v2_.panel.Seznam);
}

void TVBarva::rozloz()
{
    RozlozeniBarev &r = rozlozeni_;
    const bool dvoj = s_.SDvojbarva;
    const int sirka = dvoj ? kPanelSirka2 : kPanelSirka1;
    const int krok = dvoj ? kPanelKrok2 : kPanelKrok1;
    const int left1 = dvoj ? kOkraj + kImage4Odstup : kOkraj;
    r.Panel1 = {left1, kPanelTop, sirka, kPanelVyska};
    r.Panel12 = {left1 + krok, kPanelTop, sirka, kPanelVyska};
    r.Panel2 = {left1 + (dvoj ? 2 : 1) * krok, kPanelTop, sirka, kPanelVyska};
    r.Image4 = {left1 - kImage4Odstup, kPanelTop, kImage4Sirka, kImage4Vyska};
    const int seznamSirka = sirka - 2 * kOkraj;
    r.Nadpis = {kOkraj, 6, seznamSirka, 20};
    r.Seznam = {kOkraj, 28, seznamSirka, 250};
    r.Vzorek = {kOkraj, 288, 100, 100};
    r.PopisRAL = {kOkraj, 292, seznamSirka, 20};
    r.RAL = {kOkraj, 314, 60, 24};
    r.Sirka = r.Panel2.Left + r.Panel2.Width + kOkraj;
    const int tlTop = kPanelTop + kPanelVyska + kOkraj;
    r.Vyska = tlTop + kTlacitkoVyska + kOkraj;
    r.EscButton = {r.Sirka - kOkraj - kTlacitkoSirka, tlTop, kTlacitkoSirka, kTlacitkoVyska};
    r.OKButton = {r.EscButton.Left - 8 - kTlacitkoSirka, tlTop, kTlacitkoSirka, kTlacitkoVyska};
}

TVBarva::Volba &TVBarva::volba(StranaBarvy strana)
{
    return strana == StranaBarvy::Vnejsi ? v1_ : strana == StranaBarvy::Pozice2 ? v12_ : v2_;
}

const TVBarva::Volba &TVBarva::volba(StranaBarvy strana) const
{
    return strana == StranaBarvy::Vnejsi ? v1_ : strana == StranaBarvy::Pozice2 ? v12_ : v2_;
}

const PanelBarvy &TVBarva::Panel(StranaBarvy strana) const { return volba(strana).panel; }
const TOBarva &TVBarva::SelBarva(StranaBarvy strana) const { return volba(strana).sel; }

Bod TVBarva::Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska); }

// Shows the RAL label and field instead of the swatch (ralMisto), or the swatch of the
// colour when its file exists with the RAL field hidden and disabled.
void TVBarva::vzorek(Volba &v, bool ralMisto)
{
    PanelBarvy &p = v.panel;
    if (ralMisto) {
        p.PopisRAL.Viditelny = true;
        p.RAL.Viditelny = p.RAL.Povoleny = true;
        p.Vzorek.Viditelny = false;
        p.Vzorek.Cesta.clear();
        return;
    }
    p.PopisRAL.Viditelny = false;
    p.RAL.Viditelny = p.RAL.Povoleny = false;
    const std::string cesta = CestaObrazku(s_, "BARVY", v.sel.DBarva.Kod);
    const bool je = !cesta.empty() && obrazky_.Exists(cesta);
    p.Vzorek.Cesta = je ? cesta : std::string();
    p.Vzorek.Viditelny = je;
}

void TVBarva::Vyber(StranaBarvy strana, int radek)
{
    Volba &v = volba(strana);
    if (!v.panel.Viditelny || radek < 0 || radek >= int(v.panel.Seznam.size()))
        return;
    v.panel.Radek = radek;
    TDbarva b;
    b.Polozka = radek;
    NactiBarvu(s_, v.panel.Seznam[std::size_t(radek)], b);
    b.Nazev = v.panel.Seznam[std::size_t(radek)];
    v.sel.DBarva = b;

    const Session &s = s_;
    if (s.SHPL1 || s.SHPL2) {
        if (strana == StranaBarvy::Vnejsi)
            pomHPL1_ = b.DDekor;
        else if (strana == StranaBarvy::Vnitrni)
            pomHPL2_ = b.DDekor;
    }

    const bool specialni = Specialni(b);
    if (strana == StranaBarvy::Vnitrni) {
        if (!(s.SHlinik || s.SGlas) || specialni) {
            vzorek(v, false);
        } else if (s.SGlas || !(s.SHlinik2 || s.SDyha2)) {
            vzorek(v, true);
        } else {
            // An aluminium panel with an aluminium or wood inner side of its own kind:
            // neither a swatch nor a number.
            v.panel.PopisRAL.Viditelny = false;
            v.panel.RAL.Viditelny = v.panel.RAL.Povoleny = false;
            v.panel.Vzorek.Viditelny = false;
            v.panel.Vzorek.Cesta.clear();
        }
    } else {
        vzorek(v, (s.SHlinik || s.SHlinik2 || s.SDyha2) && !specialni);
    }
    enableOk();
}

void TVBarva::NastavRAL(StranaBarvy strana, const std::string &text)
{
    std::string cislice;
    for (char c : text)
        if (c >= '0' && c <= '9' && cislice.size() < kDelkaRAL)
            cislice += c;
    volba(strana).panel.RAL.Text = cislice;
    enableOk();
}

void TVBarva::enableOk()
{
    const Session &s = s_;
    const TDbarva &b1 = v1_.sel.DBarva;
    const TDbarva &b12 = v12_.sel.DBarva;
    const TDbarva &b2 = v2_.sel.DBarva;
    const auto hotova = [](const Volba &v) { return Specialni(v.sel.DBarva) || RALZadan(v.panel.RAL.Text); };
    if ((!s.SGlas && b1.Polozka < 0) || b2.Polozka < 0 || (s.SDvojbarva && b12.Polozka < 0)) {
        ok_ = false;
    } else if (s.SGlas) {
        ok_ = hotova(v2_);
    } else if (s.SHlinik) {
        ok_ = hotova(v1_) && (!s.SDvojbarva || hotova(v12_)) && hotova(v2_);
    } else if (s.SHlinik2 || s.SDyha2) {
        ok_ = hotova(v1_) && (!s.SDvojbarva || hotova(v12_));
    } else {
        ok_ = true;
    }
}

std::string TVBarva::cisloRAL(StranaBarvy strana) const
{
    return Trim(ShortString(volba(strana).panel.RAL.Text, kDelkaRAL));
}

int TVBarva::Potvrd()
{
    // Nothing is written unless every required colour and number is there, so a dialog
    // left open and then cancelled has changed nothing.
    if (!ok_)
        return 0;
    Session &s = s_;
    s.SHPL1 = pomHPL1_;
    s.SHPL2 = pomHPL2_;
    s.SRadaK = pomRadaK_;

    s.SBarva1 = v1_.sel;
    s.SBarva2 = v2_.sel;
    s.SBarva12 = v12_.sel;
    s.BarvyVybrany = true;
    NastavMaxima(s, false);

    TDbarva &b1 = s.SBarva1.DBarva;
    TDbarva &b12 = s.SBarva12.DBarva;
    TDbarva &b2 = s.SBarva2.DBarva;
    const TDVypln &vypln = s.SVypln.DVypln;
    const bool format1 = s.SFormat == 1;

    if (!s.RozmerVybran) {
        if (s.FixRozmer) {
            s.SSirka = s.TurSirka;
            s.SVyska = s.TurVyska;
        } else {
            s.SSirka = format1 ? vypln.MaxSirkaF1 : vypln.MaxSirkaF2;
            s.SVyska = format1 ? vypln.MaxVyskaF1 : vypln.MaxVyskaF2;
        }
    }

    // RAL numbers, in every format: the dialog asked for them.
    if (s.SHlinik || s.SHlinik2 || s.SDyha2 || s.SGlas) {
        b1.Cislo = Specialni(b1) ? std::string() : cisloRAL(StranaBarvy::Vnejsi);
        b12.Cislo = !s.SDvojbarva || Specialni(b12) ? std::string() : cisloRAL(StranaBarvy::Pozice2);
        b2.Cislo = s.SHlinik2 || s.SDyha2 || Specialni(b2) ? std::string() : cisloRAL(StranaBarvy::Vnitrni);
    } else {
        b1.Cislo.clear();
        b12.Cislo.clear();
        b2.Cislo.clear();
    }

    // Wood colours limit the size; a limit the catalogue leaves at 0 is no limit.
    const auto omez = [&s](int maxV, int maxS) {
        if (maxV > 0 && maxV < s.SVyska)
            s.SVyska = maxV;
        if (maxS > 0 && maxS < s.SSirka)
            s.SSirka = maxS;
    };
    if (vypln.Special || b1.Drevo == 2 || b2.Drevo == 2 || (s.SDvojbarva && b12.Drevo == 2)) {
        if (format1) {
            if (!pomHPL1_ && b1.Drevo > 0)
                omez(b1.MaxVF1, b1.MaxSF1);
            if (!pomHPL2_ && b2.Drevo > 0)
                omez(b2.MaxVF1, b2.MaxSF1);
            if (s.SDvojbarva && !pomHPL1_ && b12.Drevo > 0)
                omez(b12.MaxVF1, b12.MaxSF1);
        } else {
            if (b1.Drevo > 0)
                omez(b1.MaxVF2, b1.MaxSF2);
            if (b2.Drevo > 0)
                omez(b2.MaxVF2, b2.MaxSF2);
            if (s.SDvojbarva && b12.Drevo > 0)
                omez(b12.MaxVF2, b12.MaxSF2);
        }
    }

    const TDefaultData &pred = s.SVolby.DefaultData;
    if (pred.Sirka != 0 && pred.Sirka < s.SSirka)
        s.SSirka = pred.Sirka;
    if (pred.Vyska != 0 && pred.Vyska < s.SVyska)
        s.SVyska = pred.Vyska;
    s.SSirka = std::min(s.SSirka, s.MaxSirka);
    s.SVyska = std::min(s.SVyska, s.MaxVyska);

    VnutTPR(s);
    if (!s.SPrekryvna)
        s.RozmerVybran = true;
    return kVysledekOK;
}

} // namespace qmr
