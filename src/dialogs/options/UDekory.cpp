#include "dialogs/options/UDekory.h"

#include "catalogues/Katalog.h"
#include "dialogs/infill/Razeni.h"

#include <algorithm>

namespace qmr {

namespace {

// Layout: with only the outer and inner pane two columns of 440 (lists of 420); a third
// and a fourth column make all of them narrower.
constexpr int kOkraj = 10;
constexpr int kPanelTop = 10;
constexpr int kNadpisTop = 6;
constexpr int kNadpisVyska = 20;
constexpr int kSeznamTop = 28;
constexpr int kSeznamVyska = 260;
constexpr int kObrazekTop = 298;
constexpr int kObrazek = 200; // pictures are square
constexpr int kPanelVyska = kObrazekTop + kObrazek + kOkraj;
constexpr int kTlacitkoSirka = 84;
constexpr int kTlacitkoVyska = 26;

int sirkaSloupce(int pocet) { return pocet <= 2 ? 440 : pocet == 3 ? 300 : 225; }

bool zacina(const std::string &s, const char *pre) { return s.rfind(pre, 0) == 0; }

} // namespace

std::string KlicCenySkla(int TypSkla, int SFormat, int SZaskleni)
{
    static constexpr const char *kPredpona[] = {"BM", "PS", "SSM", "VS"};
    if (TypSkla < 1 || TypSkla > 4)
        return {};
    return std::string(kPredpona[TypSkla - 1]) + "F" + std::to_string(SFormat) + "S" + std::to_string(SZaskleni);
}

PozadovaneTabule Pozadovane(const Session &s, bool vitraz, int VitrPis)
{
    PozadovaneTabule p;
    const bool vicevrstve = s.STrojsklo || s.SCtyrsklo;
    p.MaByt1 = !(s.SGlas || (vitraz && VitrPis == 3));
    p.Mabyt2 = true;
    if (vicevrstve || (s.SPrekryvna && s.SPrekryv > 1)) {
        p.MaBytP = !vitraz || VitrPis == 3;
    } else {
        p.MaBytP = false;
        if (vitraz && VitrPis == 1)
            p.MaByt1 = false;
    }
    p.MaBytP2 = s.SCtyrsklo;
    p.Vnejsi = p.MaByt1;
    p.Druha = vicevrstve && p.MaBytP;
    p.Treti = s.SCtyrsklo && p.MaBytP2;
    return p;
}

TVDekory::TVDekory(Session &s, Messages &m, const PictureStore &obrazky) : s_(s), m_(m), obrazky_(obrazky)
{
    pozadovane_ = Pozadovane(s, s.VitrazVybrana, s.SVitraz.DVitraz.VitrPis);
    jeflt8_ = s.SVyztuz == 4 || s.SVyztuz == 5;

    const struct {
        Tabule t;
        const char *nadpis;
    } nadpisy[] = {{Tabule::Vnejsi, kStranaVnejsi},
                   {Tabule::Druha, kSzyba2},
                   {Tabule::Treti, kSzyba3},
                   {Tabule::Vnitrni, kStranaVnitrni}};
    for (const auto &n : nadpisy) {
        Sloupec &c = sloupec(n.t);
        c.panel.Nadpis.Text = n.nadpis;
        c.panel.Vzorek.Viditelny = false;
        // The outer column stays, with its list disabled, when that pane is not asked for.
        c.panel.Viditelny = c.panel.Povoleny = zadana(n.t) || n.t == Tabule::Vnejsi;
    }
    sloupec(Tabule::Vnejsi).panel.SeznamPovolen = pozadovane_.MaByt1;

    seznamy();
    rozloz();
    enableOk();
}

bool TVDekory::vicevrstve() const { return s_.STrojsklo || s_.SCtyrsklo; }

bool TVDekory::MaByt(Tabule t) const
{
    switch (t) {
    case Tabule::Vnejsi:
        return pozadovane_.MaByt1;
    case Tabule::Vnitrni:
        return pozadovane_.Mabyt2;
    case Tabule::Druha:
        return pozadovane_.MaBytP;
    case Tabule::Treti:
        return pozadovane_.MaBytP2;
    }
    return false;
}

bool TVDekory::zadana(Tabule t) const
{
    switch (t) {
    case Tabule::Vnejsi:
        return pozadovane_.Vnejsi;
    case Tabule::Vnitrni:
        return true;
    case Tabule::Druha:
        return pozadovane_.Druha;
    case Tabule::Treti:
        return pozadovane_.Treti;
    }
    return false;
}

bool TVDekory::Jeden(Tabule t) const { return zadana(t) && sloupec(t).panel.Seznam.size() == 1; }

void TVDekory::seznamy()
{
    Session &s = s_;
    const TSifraSoubor &dekory = Katalog(s, kDekory);
    const TSifraSoubor &vyplne = Katalog(s, kVyplne);
    const std::string &vypln = s.SVypln.DVypln.Nazev;
    const bool maByt1 = pozadovane_.MaByt1;
    const bool maBytP = pozadovane_.MaBytP;
    const bool maBytP2 = pozadovane_.MaBytP2;

    std::array<std::vector<std::string>, 4> nazvy;
    const auto pridej = [&nazvy](Tabule t, const std::string &nazev) { nazvy[std::size_t(t)].push_back(nazev); };

    for (const std::string &sekce : dekory.ReadSections()) {
        TDdekor d;
        NactiDekor(dekory, sekce, d);
        const RoleSkla role = NactiRoleSkla(dekory, sekce);
        const std::string &kod = d.Kod;

        // The glass the reinforcement prescribes goes to the outer list, and nowhere else.
        if (kod == "flt08" || kod == "cx444") {
            if ((kod == "flt08" && s.SVyztuz == 5) || (kod == "cx444" && s.SVyztuz == 4))
                pridej(Tabule::Vnejsi, sekce);
            continue;
        }

        const bool lConnex = (zacina(kod, "cx") || zacina(kod, "cp")) && s.SVyztuz == 4 &&
                             s.SZesil <= (s.STrojsklo ? 14 : 3);
        int typ = d.TypSkla;
        int cena = 0;
        const std::string klic = KlicCenySkla(typ, s.SFormat, s.SZaskleni);
        if (!klic.empty())
            cena = vyplne.ReadSifra(vypln, klic);
        if (s.SGlas) {
            if (kod == "cx331") {
                cena = 0;
            } else if (kod == "cx333") {
                typ = 0;
            } else if (kod == "cx442" || kod == "nflt1") {
                typ = 2;
                cena = 0;
            }
        }
        if (typ != 0 && cena <= 0)
            continue;

        if (vicevrstve()) {
            if (maByt1 && role.LTroj1 && !jeflt8_ && !role.LNeDvojsklo)
                pridej(Tabule::Vnejsi, sekce);
            if (s.SGlas ? kod == "cx333" : role.LTroj2 && !lConnex)
                pridej(Tabule::Vnitrni, sekce);
            if (role.LTrojU) {
                if (maBytP)
                    pridej(Tabule::Druha, sekce);
                if (maBytP2)
                    pridej(Tabule::Treti, sekce);
            }
        } else {
            if (maByt1 && !jeflt8_ && !role.LNeDvojsklo)
                pridej(Tabule::Vnejsi, sekce);
            if (!role.LNeDvojsklo && !lConnex)
                pridej(Tabule::Vnitrni, sekce);
        }
    }

    for (Tabule t : kTabule) {
        const auto &n = nazvy[std::size_t(t)];
        auto &seznam = sloupec(t).panel.Seznam;
        for (std::size_t i : SeradNazvy(n))
            seznam.push_back(n[i]);
    }
}

void TVDekory::rozloz()
{
    RozlozeniDekoru &r = rozlozeni_;
    int pocet = 0;
    for (Tabule t : kTabule)
        pocet += Panel(t).Viditelny ? 1 : 0;
    const int sirka = sirkaSloupce(pocet);
    int left = kOkraj;
    for (Tabule t : kTabule) {
        if (!Panel(t).Viditelny)
            continue;
        r.Panel[std::size_t(t)] = {left, kPanelTop, sirka, kPanelVyska};
        left += sirka + kOkraj;
    }
    const int vnitrni = sirka - 2 * kOkraj;
    r.Nadpis = {kOkraj, kNadpisTop, vnitrni, kNadpisVyska};
    r.Seznam = {kOkraj, kSeznamTop, vnitrni, kSeznamVyska};
    const int obrazek = std::min(kObrazek, vnitrni);
    r.Vzorek = {kOkraj, kObrazekTop, obrazek, obrazek};
    r.Sirka = left;
    const int tlTop = kPanelTop + kPanelVyska + kOkraj;
    r.Vyska = tlTop + kTlacitkoVyska + kOkraj;
    r.EscButton = {r.Sirka - kOkraj - kTlacitkoSirka, tlTop, kTlacitkoSirka, kTlacitkoVyska};
    r.OKButton = {r.EscButton.Left - 8 - kTlacitkoSirka, tlTop, kTlacitkoSirka, kTlacitkoVyska};
}

Bod TVDekory::Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska); }

void TVDekory::Aktivuj()
{
    if (aktivovan_)
        return;
    aktivovan_ = true;
    const Session &s = s_;
    if (s.VitrazVybrana && s.SVitraz.DVitraz.VitrPis == 2)
        m_.Hlaska(kUwaga, kMarteleCisty, kVarovani);
    if (jeflt8_) {
        vyber(Tabule::Vnejsi, 0);
        if (Panel(Tabule::Druha).Povoleny)
            vyber(Tabule::Druha, 0);
        vyber(Tabule::Vnitrni, 0);
    } else {
        for (Tabule t : {Tabule::Vnejsi, Tabule::Vnitrni, Tabule::Druha, Tabule::Treti})
            if (Jeden(t))
                vyber(t, 0);
    }
}

void TVDekory::Vyber(Tabule t, int radek)
{
    const PanelDekoru &p = Panel(t);
    if (!p.Viditelny || !p.Povoleny || !p.SeznamPovolen)
        return;
    vyber(t, radek);
}

void TVDekory::vyber(Tabule t, int radek)
{
    Sloupec &c = sloupec(t);
    if (radek < 0 || radek >= int(c.panel.Seznam.size()))
        return;
    c.panel.Radek = radek;
    TDdekor d;
    d.Polozka = radek;
    NactiDekor(s_, c.panel.Seznam[std::size_t(radek)], d);
    c.sel.DDekor = d;
    obrazek(c);

    const Session &s = s_;
    if (t == Tabule::Vnitrni && vicevrstve() && s.VitrazVybrana && s.SVitraz.DVitraz.VitrPis == 0)
        m_.Hlaska(kUwaga, kWitrazU, kVarovani);
    enableOk();
}

// Convex glass has a picture per infill and glazing variant, with one per infill as the
// fallback; any other glass one of its own.
void TVDekory::obrazek(Sloupec &c)
{
    const TDdekor &d = c.sel.DDekor;
    const std::string &vypln = s_.SVypln.DVypln.Kod;
    std::vector<std::string> jmena;
    if (d.TypSkla == 4) {
        jmena.push_back(d.Kod + vypln + "S" + std::to_string(s_.SZaskleni));
        jmena.push_back(d.Kod + vypln);
    } else {
        jmena.push_back(d.Kod);
    }
    Obrazek &o = c.panel.Vzorek;
    o.Cesta.clear();
    o.Viditelny = false;
    for (const std::string &jmeno : jmena) {
        const std::string cesta = CestaObrazku(s_, "DEKORY", jmeno);
        if (!cesta.empty() && obrazky_.Exists(cesta)) {
            o.Cesta = cesta;
            o.Viditelny = true;
            return;
        }
    }
}

void TVDekory::enableOk()
{
    const auto hotova = [this](Tabule t) { return !zadana(t) || SelDekor(t).DDekor.Polozka >= 0; };
    ok_ = hotova(Tabule::Vnejsi) && hotova(Tabule::Vnitrni) && hotova(Tabule::Druha) && hotova(Tabule::Treti);
}

int TVDekory::Potvrd()
{
    const TDdekor &vnejsi = SelDekor(Tabule::Vnejsi).DDekor;
    const TDdekor &vnitrni = SelDekor(Tabule::Vnitrni).DDekor;
    if (zadana(Tabule::Vnejsi) && vnejsi.Polozka >= 0 && vnitrni.Polozka >= 0 && vnejsi.TypSkla == 4 &&
        vnitrni.TypSkla == 4) {
        m_.Hlaska(kUwaga, kWypukleJednou, kVarovani);
        return kVysledekOK;
    }
    if (!ok_)
        return kVysledekOK;
    Session &s = s_;
    s.DekoryVybrany = true;
    const auto uloz = [this](Tabule t) { return zadana(t) ? SelDekor(t) : TDekor{}; };
    s.SDekor1 = uloz(Tabule::Vnejsi);
    s.SDekor2 = uloz(Tabule::Vnitrni);
    s.SDekorP = uloz(Tabule::Druha);
    s.SDekor4 = uloz(Tabule::Treti);
    return kVysledekOK;
}

} // namespace qmr
