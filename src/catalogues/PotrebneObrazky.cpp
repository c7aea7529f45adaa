#include "catalogues/PotrebneObrazky.h"

#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"
#include "catalogues/PictureStore.h"
#include "core/Funkce.h"
#include "core/Session.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace qmr {

namespace {

using Druh = PotrebnyObrazek::Druh;

std::string cislo(int n) { return std::to_string(n); }
// Rounds halves to the even neighbour (the default floating-point rounding mode).
int zaokr(double x) { return static_cast<int>(std::nearbyint(x)); }
std::string FS(int f, int z) { return "F" + cislo(f) + "S" + cislo(z); }

// The infill families of the type dialog: the flags a family button sets.
struct Rodina {
    const char *nazev;
    bool Hlinik;  // SHlinik
    bool Hlinik2; // SHlinik2
    bool HPL1;    // SHPL1
    bool Glas;    // SGlas (the glass family; its button is hidden, a job file brings it)
};
constexpr Rodina kRodiny[] = {
    {"ABS", false, false, false, false}, {"HPL", false, false, true, false},
    {"AL", true, false, false, false},   {"AL/ABS", false, true, false, false},
    {"sklo", false, false, false, true},
};

// One infill type of the catalogue as the selection dialog reads it.
struct Typ {
    std::string sekce;
    TDVypln v;
    int RMF1S1 = 0, RM2F1S1 = 0, RMAF1S1 = 0, RMA2F1S1 = 0;
    int OPF1S1 = 0, OP2F1S1 = 0, ODF1S1 = 0, OD2F1S1 = 0;
    int OZMPocet = 0; // decorative muntin types
    bool lisovana = false;
    bool maCary = false; // has a line layout
    bool obr2 = false;   // VYPLNE picture 2 is made (it means format 2 or a frame)
    bool obr3 = false;   // VYPLNE picture 3 is made (decorative muntin, third format of K0)

    bool specialni() const { return v.Dvojbarva || v.Zetkova || v.Enkova; }
    bool K0() const { return v.Kod == "K0"; }
};

// A muntin of the muntin catalogue.
struct Mrizka {
    std::string sekce; // its name
    std::string Kod;
};

// A stained glass of the stained-glass catalogue.
struct Vitraz {
    std::string sekce;
    std::string Kod;
    int VitrPis = 0;
};

enum class Polozka { Standard, Ramecek, OMrizka, Paska, Drazka, PDr };

// What the selection dialog offers for one infill type in one family.
struct Vyber {
    int MuzeRamecek = 0, MuzeOMrizku = 0, MuzeOPasku = 0, MuzeODrazku = 0, MuzeOPDr = 0;
    int presetRam = 0, presetPaska = 0, presetDrazka = 0; // chosen types set by the type itself
    std::vector<Polozka> polozky; // the execution radio; empty when it is hidden
    bool nabidka2 = false, nabidka3 = false; // pictures 2 and 3 are offered
    bool povolen1 = false, auto1 = false;    // picture 1 clickable; picked automatically
    std::vector<int> prekryvy;               // reachable SPrekryv (0 = no overlay)
};

Vyber vyber(const Typ &t, const Rodina &r)
{
    const TDVypln &v = t.v;
    Vyber w;
    if (v.Rameckova) {
        w.MuzeRamecek = 1;
        w.presetRam = 1;
    } else if (t.RMF1S1 < 1) {
        if (t.RMAF1S1 > 0)
            w.MuzeRamecek = t.RMA2F1S1 >= 1 ? 2 : 1;
    } else {
        w.MuzeRamecek = t.RM2F1S1 >= 1 ? 2 : 1;
    }
    if (v.Zetkova) {
        w.MuzeOPasku = 1;
        w.presetPaska = 1;
    } else if (t.OPF1S1 > 0) {
        w.MuzeOPasku = t.OP2F1S1 >= 1 ? 2 : 1;
    }
    if (v.Enkova) {
        w.MuzeODrazku = 1;
        w.presetDrazka = 1;
    } else if ((r.Hlinik || r.Hlinik2 || r.Glas) && t.ODF1S1 > 0) {
        w.MuzeODrazku = t.OD2F1S1 >= 1 ? 2 : 1;
    }
    w.MuzeOMrizku = t.OZMPocet;

    const bool zVenku = v.Zetkova && !r.Hlinik && !r.Hlinik2;
    if (!v.Dvojbarva && !v.Rameckova && !zVenku && !v.Enkova &&
        (w.MuzeOPasku > 0 || w.MuzeODrazku > 0)) {
        if (w.MuzeOPasku > 0 && w.MuzeODrazku > 0)
            w.MuzeOPDr = w.MuzeODrazku;
        if (!v.Zetkova)
            w.polozky.push_back(Polozka::Standard);
        if (w.MuzeRamecek > 0)
            w.polozky.push_back(Polozka::Ramecek);
        if (w.MuzeOMrizku > 0)
            w.polozky.push_back(Polozka::OMrizka);
        if (w.MuzeOPasku > 0)
            w.polozky.push_back(Polozka::Paska);
        if (w.MuzeODrazku > 0 && !v.Zetkova)
            w.polozky.push_back(Polozka::Drazka);
        if (w.MuzeOPDr > 0)
            w.polozky.push_back(Polozka::PDr);
    }
    const int Moznosti = static_cast<int>(w.polozky.size());
    w.nabidka2 = !(Moznosti > 2 || v.Kod == "B0" || t.specialni());
    w.nabidka3 = !(Moznosti > 2 || (w.MuzeOMrizku < 1 && (!t.K0() || r.HPL1 || r.Hlinik2)));
    w.povolen1 = !(Moznosti > 2 || t.specialni());
    w.auto1 = v.AkcniV || (v.Zetkova && w.MuzeOPDr < 1) || !Trim(v.FixFormat).empty() ||
              v.Enkova || v.Dvojbarva || r.Glas;
    w.prekryvy = {0};
    if (r.Hlinik) {
        w.prekryvy.push_back(1);
        if (!v.Dvojbarva)
            w.prekryvy.push_back(2);
    } else if (r.Hlinik2 || r.Glas) {
        w.prekryvy.push_back(1);
    }
    return w;
}

// Whether the selection dialog of family r lists the type (action infills included: a
// job file brings them).
bool vSeznamu(const Typ &t, const Rodina &r)
{
    const TDVypln &v = t.v;
    if (v.Hlinik != r.Hlinik || v.Glas != r.Glas)
        return false;
    if ((r.Hlinik2 || r.HPL1) && !v.RadaK)
        return false;
    return !v.Dvojbarva || r.Hlinik || r.Hlinik2;
}

// A choice in the selection dialog: the variant picked, the chosen types and the sides.
struct Volba {
    int nFormat = 1;
    int ram = 0, omr = 0, pas = 0, dra = 0, pdr = 0;
    bool vnejsi = false, vnitrni = false; // side boxes checked
};

// The panel as configured when the start flow draws it.
struct Stav {
    const Typ *t = nullptr;
    const Rodina *r = nullptr;
    int MuzeRamecek = 0;
    int SFormat = 1, SZaskleni = 0;
    int SRamecek1 = 0, SRamecek2 = 0, SOPaska1 = 0, SOPaska2 = 0, SODrazka1 = 0, SODrazka2 = 0;
    int SODr1 = 0, SODr2 = 0, SOMrizka = 0;
    bool SDvojbarva = false, SZetkova = false, SEnkova = false;
    int SPozic = 1;
    bool SPrava = false;
    int SPrekryv = 0;
    bool SDyha = false;
    bool kLimity = false; // the third variant of K0: its own limits, no play values

    int ramecek() const { return std::max(SRamecek1, SRamecek2); }
    int pasky() const { return std::max(SOPaska1, SOPaska2); }
    int drazky() const { return std::max({SODrazka1, SODrazka2, SODr1, SODr2}); }
};

// The values NactiRys and the dimension dialog look at on top of a state.
struct Pozdeji {
    bool SDyha = false;
    bool ZmensenyVyrez = false;
    bool RozmerVybran = false;
    int SSirka = 1000, SVyska = 2200;
    const Mrizka *mrizka = nullptr;
};

// The OK button of the selection dialog for choice c.
Stav potvrd(const Typ &t, const Rodina &r, const Vyber &w, const Volba &c)
{
    const TDVypln &v = t.v;
    Stav st;
    st.t = &t;
    st.r = &r;
    st.MuzeRamecek = w.MuzeRamecek;
    st.SFormat = c.nFormat;
    const bool treti = c.nFormat == 3;
    if ((treti && !t.K0()) || c.vnejsi || t.specialni() || v.Rameckova) {
        st.SRamecek1 = c.ram;
        st.SOPaska1 = c.pas;
        st.SODrazka1 = c.dra;
        st.SODr1 = c.pdr;
        st.SDvojbarva = v.Dvojbarva;
        st.SPozic = v.Pozic;
        st.SZetkova = v.Zetkova;
        st.SEnkova = v.Enkova;
    }
    if (treti && t.K0()) {
        st.SFormat = 2;
        st.kLimity = true;
    }
    if (c.vnitrni) {
        st.SRamecek2 = c.ram;
        st.SOPaska2 = c.pas;
        st.SODrazka2 = c.dra;
        st.SODr2 = c.pdr;
        if (r.Hlinik2) {
            const int typ = c.dra > 0 ? c.dra : c.pdr;
            if (typ > 0)
                st.SOPaska2 = typ;
            st.SODrazka2 = 0;
            st.SODr2 = 0;
        }
    }
    st.SOMrizka = c.omr;
    return st;
}

std::string popisStavu(const Stav &st)
{
    const TDVypln &v = st.t->v;
    return v.Kod + " \"" + v.Nazev + "\" [" + st.r->nazev + "] SFormat " + cislo(st.SFormat) +
           " SZaskleni " + cislo(st.SZaskleni) + ", ramka " + cislo(st.SRamecek1) + "/" +
           cislo(st.SRamecek2) + ", paski " + cislo(st.SOPaska1) + "/" + cislo(st.SOPaska2) +
           ", rowki " + cislo(st.SODrazka1) + "/" + cislo(st.SODrazka2) + ", zafrez. " +
           cislo(st.SODr1) + "/" + cislo(st.SODr2) + ", kratka " + cislo(st.SOMrizka) +
           (st.SPrava ? ", prawe" : "") +
           (st.SPrekryv > 0 ? ", przekrycie " + cislo(st.SPrekryv) : "") +
           (st.SDyha ? ", SDyha" : "");
}

std::string popisPozdeji(const Pozdeji &p)
{
    std::string t;
    if (p.SDyha)
        t += ", SDyha (zlecenie)";
    if (p.ZmensenyVyrez)
        t += ", wycięcie umniejszone";
    if (p.RozmerVybran)
        t += ", " + cislo(p.SSirka) + " x " + cislo(p.SVyska);
    if (p.mrizka)
        t += ", szpros " + p.mrizka->Kod;
    return t;
}

// The number a muntin drawing carries (its two digits), 0 when they are no number.
int cisloMrizky(const std::string &dveZnaky)
{
    if (dveZnaky.empty() || !std::all_of(dveZnaky.begin(), dveZnaky.end(),
                                         [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(dveZnaky);
}

// Panel size in mm for the working format and the glass size letter.
std::pair<int, int> rozmerPanelu(const TDVypln &v, int format, char pismeno)
{
    int s = v.MaxSirkaF1, h = v.MaxVyskaF1;
    if (format == 2) {
        s = v.MaxSirkaF2;
        h = v.MaxVyskaF2;
    } else if (format == 3 && v.KMaxSirkaF2 > 0 && v.KMaxVyskaF2 > 0) {
        s = v.KMaxSirkaF2;
        h = v.KMaxVyskaF2;
    }
    if (s <= 0)
        s = 1000;
    if (h <= 0)
        h = 2200;
    if (pismeno == 'B') {
        s = std::min(s, 900);
        h = std::min(h, 2050);
    } else if (pismeno == 'C') {
        s = std::min(s, 800);
        h = std::min(h, 1900);
    }
    return {s, h};
}

// A main drawing: the panel at 5 mm per pixel inside the margin, placed as the main
// window places the opening (SHPomer, SVPomer; flush with the picture's left or right
// edge for an eccentric panel).
void umistiVypln(PopisRysu &p, const TDVypln &v, char pismeno, double hPomer, double vPomer)
{
    const auto [s, h] = rozmerPanelu(v, p.Format, pismeno);
    p.PanelSirka = zaokr(double(s) / kMmNaPixel);
    p.PanelVyska = zaokr(double(h) / kMmNaPixel);
    p.SirkaPx = p.PanelSirka + 2 * kOkrajRysu;
    p.VyskaPx = p.PanelVyska + 2 * kOkrajRysu;
    const int volnoX = p.SirkaPx - p.PanelSirka;
    const int volnoY = p.VyskaPx - p.PanelVyska;
    if (v.Excentr && !p.Dvojbarva)
        p.PanelX = p.Zrcadlo ? volnoX : 0;
    else
        p.PanelX = std::clamp(zaokr(volnoX * hPomer), 0, volnoX);
    p.PanelY = std::clamp(zaokr(volnoY * vPomer), 0, volnoY);
}

// The decorated part of an overlay panel: a little smaller than the panel, no margin.
void umistiPomocny(PopisRysu &p, const TDVypln &v)
{
    const auto [s, h] = rozmerPanelu(v, 1, 0);
    p.SirkaPx = zaokr(double(s) / kMmNaPixel) - 2 * 10;
    p.VyskaPx = zaokr(double(h) / kMmNaPixel) - 2 * 10;
    p.PanelX = p.PanelY = 0;
    p.PanelSirka = p.SirkaPx;
    p.PanelVyska = p.VyskaPx;
}

// A picture of a dialog that is not drawn to scale: the panel fitted into a box of
// boxW x boxH pixels at the top of a picture of W x H.
void umistiNahled(PopisRysu &p, const TDVypln &v, int W, int H, int boxW, int boxH)
{
    const auto [s, h] = rozmerPanelu(v, p.Format, 0);
    const double k = std::min(double(boxW) / s, double(boxH) / h);
    p.SirkaPx = W;
    p.VyskaPx = H;
    p.PanelSirka = std::max(1, zaokr(s * k));
    p.PanelVyska = std::max(1, zaokr(h * k));
    p.PanelX = (W - p.PanelSirka) / 2;
    p.PanelY = (boxH - p.PanelVyska) / 2 + (H - boxH) / 4;
}

// Records what NactiRys asks for.
class Zaznam : public PictureStore {
public:
    bool Exists(const std::string &path) const override
    {
        chtene.push_back(path);
        return true;
    }
    bool Load(Target, const std::string &path) override
    {
        chtene.push_back(path);
        return true;
    }
    mutable std::vector<std::string> chtene;
};

// A store without pictures (for the drawing ratios only).
class Nic : public PictureStore {
public:
    bool Exists(const std::string &) const override { return false; }
    bool Load(Target, const std::string &) override { return false; }
};

class Pruvodce {
public:
    explicit Pruvodce(const std::string &apCesta)
    {
        s_.apCesta = apCesta;
        s_.apData = apCesta + "DATA/";
    }

    std::vector<PotrebnyObrazek> vse()
    {
        nactiKatalogy();
        projdiVyplne();
        polozkyKatalogu();
        PotrebnyObrazek logo;
        logo.druh = Druh::Logo;
        logo.cesta = "QMRlogo.jpg";
        logo.kdo = "splash";
        logo.popis = "obraz powitalny 290 x 170";
        pridej(std::move(logo));
        PotrebnyObrazek ikona;
        ikona.druh = Druh::Ikona;
        ikona.cesta = "quilmar.ico";
        ikona.kdo = "main window";
        ikona.popis = "ikona programu";
        pridej(std::move(ikona));

        std::vector<PotrebnyObrazek> out;
        out.reserve(obrazky_.size());
        for (auto &[cesta, o] : obrazky_)
            out.push_back(std::move(o));
        return out;
    }

private:
    Session s_;
    std::vector<Typ> typy_;
    std::vector<Mrizka> mrizky_;
    std::vector<Vitraz> vitraze_;
    std::map<std::string, PotrebnyObrazek> obrazky_;
    // (infill code, SFormat, SZaskleni) of the configured panels: the glass pictures.
    std::set<std::tuple<std::string, int, int>> zaskleni_;

    void pridej(PotrebnyObrazek o) { obrazky_.emplace(o.cesta, std::move(o)); }

    void rys(const std::string &jmeno, const std::string &kdo, const std::string &popis,
             const PopisRysu &p)
    {
        if (!BezpecnyNazev(jmeno))
            return;
        PotrebnyObrazek o;
        o.druh = Druh::Rys;
        o.cesta = "RYSY/" + jmeno;
        o.kdo = kdo;
        o.popis = popis;
        o.rys = p;
        o.Kod = p.Kod;
        o.Nazev = p.Nazev;
        pridej(std::move(o));
    }

    void nactiKatalogy()
    {
        const TSifraSoubor &f = Katalog(s_, kVyplne);
        for (const std::string &sekce : f.ReadSections()) {
            Typ t;
            t.sekce = sekce;
            NactiVyplnVyberu(s_, sekce, t.v);
            const auto E = [&](const char *k) { return f.ReadSifra(sekce, k); };
            t.RMF1S1 = E("RMF1S1");
            t.RM2F1S1 = E("RM2F1S1");
            t.RMAF1S1 = E("RMAF1S1");
            t.RMA2F1S1 = E("RMA2F1S1");
            t.OPF1S1 = E("OPF1S1");
            t.OP2F1S1 = E("OP2F1S1");
            t.ODF1S1 = E("ODF1S1");
            t.OD2F1S1 = E("OD2F1S1");
            t.OZMPocet = f.ReadInteger(sekce, "OZMPocet", 0);
            if (t.OZMPocet == 0)
                t.OZMPocet = f.ReadInteger(sekce, "MuzeOMrizku", 0);
            t.lisovana = !(t.v.Hlinik || t.v.RadaK || t.v.Glas || t.v.Dyha);
            t.maCary = f.ReadInteger(sekce, "HPasek", 0) > 0 || f.ReadInteger(sekce, "VPasek", 0) > 0;
            if (t.v.Kod.empty())
                continue;
            typy_.push_back(std::move(t));
        }
        const TSifraSoubor &m = Katalog(s_, kMrizky);
        for (const std::string &sekce : m.ReadSections())
            mrizky_.push_back({sekce, m.ReadString(sekce, "Kod", sekce)});
        const TSifraSoubor &vi = Katalog(s_, kVitraze);
        for (const std::string &sekce : vi.ReadSections())
            vitraze_.push_back({sekce, vi.ReadString(sekce, "Kod", sekce),
                                vi.ReadInteger(sekce, "VitrPis", 0)});

        // Pictures 2 and 3 of the selection dialog: a loaded picture 2 means format 2
        // (pressed panels) or the frame (any other); picture 3 the decorative muntin or
        // the third format of K0. Only where the dialog offers them and they mean that.
        for (Typ &t : typy_) {
            bool maF2 = false;
            for (int z = 0; z <= 6; ++z)
                maF2 = maF2 || t.v.ZCF(2, z) > 0;
            for (const Rodina &r : kRodiny) {
                if (!vSeznamu(t, r))
                    continue;
                const Vyber w = vyber(t, r);
                if (w.nabidka2 && (t.lisovana ? maF2 : w.MuzeRamecek > 0))
                    t.obr2 = true;
                if (w.nabidka3 && (w.MuzeOMrizku > 0 || t.K0()))
                    t.obr3 = true;
            }
        }
    }

    // ---- The selection dialog ------------------------------------------------------------

    void projdiVyplne()
    {
        bool cary = false;
        for (const Typ &t : typy_) {
            obrazkyVyplne(t);
            cary = cary || t.maCary;
            for (const Rodina &r : kRodiny) {
                if (!vSeznamu(t, r))
                    continue;
                const Vyber w = vyber(t, r);
                for (const Volba &c : volby(t, r, w))
                    for (int p : w.prekryvy)
                        for (bool dyha : {false, true}) {
                            Stav st = potvrd(t, r, w, c);
                            st.SPrekryv = p;
                            st.SDyha = dyha;
                            startovniTok(st);
                        }
            }
        }
        if (cary) {
            // The base picture of a line layout on a panel without overlay.
            PopisRysu p;
            p.druh = PopisRysu::Druh::Zaklad;
            p.Hlinik = true;
            p.SirkaPx = p.PanelSirka = 1000 / kMmNaPixel;
            p.VyskaPx = p.PanelVyska = 2200 / kMmNaPixel;
            rys("HLF1S0.JPG", "NactiRys", "podkład układu linii", p);
        }
    }

    void stranyVolby(std::vector<Volba> &out, Volba c, bool vnejsiMuze, bool vnejsiVzdy,
                     bool vnitrniMuze, bool aspon1)
    {
        for (bool ven : {false, true}) {
            if ((ven && !vnejsiMuze && !vnejsiVzdy) || (!ven && vnejsiVzdy))
                continue;
            for (bool dovnitr : {false, true}) {
                if (dovnitr && !vnitrniMuze)
                    continue;
                if (aspon1 && !ven && !dovnitr)
                    continue;
                c.vnejsi = ven;
                c.vnitrni = dovnitr;
                out.push_back(c);
            }
        }
    }

    // Every choice the dialog confirms for the type in the family, with the pictures its
    // option dialogs and its preview show on the way.
    std::vector<Volba> volby(const Typ &t, const Rodina &r, const Vyber &w)
    {
        const TDVypln &v = t.v;
        std::vector<Volba> out;
        const bool vynucenaVnejsi = t.specialni() || v.Rameckova;
        const bool vnitrniPoObr1 = v.Zetkova || v.Enkova || v.Rameckova;
        Volba zaklad;
        zaklad.ram = w.presetRam;
        zaklad.pas = w.presetPaska;
        zaklad.dra = w.presetDrazka;

        // Picture 1.
        if (w.povolen1 || w.auto1) {
            Volba c = zaklad;
            c.nFormat = 1;
            stranyVolby(out, c, false, vynucenaVnejsi, vnitrniPoObr1, false);
        }
        // Picture 2.
        if (w.nabidka2 && t.obr2) {
            if (!t.lisovana && w.MuzeRamecek > 0) {
                volbaRamecku(out, t, r, w, false);
            } else {
                Volba c = zaklad;
                c.nFormat = 2;
                stranyVolby(out, c, false, vynucenaVnejsi, vnitrniPoObr1, false);
            }
        }
        // Picture 3.
        if (w.nabidka3 && t.obr3) {
            if (t.K0() || t.lisovana || w.MuzeOMrizku < 1) {
                Volba c = zaklad;
                c.nFormat = 3;
                stranyVolby(out, c, false, false, vnitrniPoObr1, false);
            } else {
                volbaMrizky(out, t, r, w, false);
            }
        }
        // The execution radio.
        for (Polozka pol : w.polozky) {
            Volba c;
            c.pas = v.Zetkova ? 1 : 0;
            c.dra = v.Enkova ? 1 : 0;
            switch (pol) {
            case Polozka::Standard:
                c.nFormat = 1;
                nahled(t, r, w, c);
                out.push_back(c);
                break;
            case Polozka::Ramecek:
                volbaRamecku(out, t, r, w, true);
                break;
            case Polozka::OMrizka:
                volbaMrizky(out, t, r, w, true);
                break;
            case Polozka::Paska:
            case Polozka::PDr:
                if (w.MuzeOPasku == 2)
                    dialogPasku(t, r, w, "TVOPaska");
                for (int k = 1; k <= w.MuzeOPasku; ++k) {
                    c.nFormat = 1;
                    c.pas = k;
                    c.pdr = pol == Polozka::PDr ? k : 0;
                    nahled(t, r, w, c);
                    stranyVolby(out, c, true, v.Zetkova, true, true);
                }
                break;
            case Polozka::Drazka:
                if (w.MuzeODrazku == 2)
                    dialogPasku(t, r, w, "TVODrazka");
                for (int k = 1; k <= w.MuzeODrazku; ++k) {
                    c.nFormat = 1;
                    c.dra = k;
                    nahled(t, r, w, c);
                    stranyVolby(out, c, true, v.Enkova, true, true);
                }
                break;
            }
        }
        return out;
    }

    void volbaRamecku(std::vector<Volba> &out, const Typ &t, const Rodina &r, const Vyber &w,
                      bool zRadia)
    {
        if (w.MuzeRamecek == 2) {
            // The frame type dialog: the catalogue code, format 2, glazing 1.
            for (int k = 1; k <= 2; ++k) {
                PopisRysu p = popisNahledu(t, r, w, 2, 1, k, 0, 0, false);
                rys(t.v.Kod + "F2S1" + (k > 1 ? "R2" : "") + ".jpg", "TVORam",
                    t.v.Kod + " typ ramki " + cislo(k), p);
            }
        }
        for (int k = 1; k <= w.MuzeRamecek; ++k) {
            Volba c;
            c.nFormat = 2;
            c.ram = k;
            c.pas = t.v.Zetkova ? 1 : 0;
            c.dra = t.v.Enkova ? 1 : 0;
            if (zRadia)
                nahled(t, r, w, c);
            stranyVolby(out, c, true, false, true, true);
        }
    }

    void volbaMrizky(std::vector<Volba> &out, const Typ &t, const Rodina &r, const Vyber &w,
                     bool zRadia)
    {
        const int pocet = std::min(w.MuzeOMrizku, 3);
        if (w.MuzeOMrizku >= 2) {
            for (int k = 1; k <= pocet; ++k) {
                PopisRysu p = popisNahledu(t, r, w, 1, 1, 1, 0, k, false);
                rys(t.v.Kod + "M" + cislo(k) + ".jpg", "TVOMrizka",
                    t.v.Kod + " kratka " + cislo(k), p);
            }
        }
        for (int k = 1; k <= pocet; ++k) {
            Volba c;
            c.nFormat = 3;
            c.omr = k;
            const std::string &kod = t.v.Kod;
            c.ram = (k == 2 && (kod == "0K" || kod == "0B" || kod == "0D")) ? 2 : 1;
            c.pas = t.v.Zetkova ? 1 : 0;
            c.dra = t.v.Enkova ? 1 : 0;
            if (zRadia)
                nahled(t, r, w, c);
            stranyVolby(out, c, false, false, true, false);
        }
    }

    // The strip and groove type dialogs: "P1", "P2" after the catalogue code, or for the
    // wood families after the drawing code (from the session as the earlier jobs left it).
    void dialogPasku(const Typ &t, const Rodina &r, const Vyber &w, const char *kdo)
    {
        const bool drazky = std::string(kdo) == "TVODrazka";
        std::set<std::string> jmena{t.v.Kod};
        for (bool radaK : {false, true})
            for (bool dvoj : {false, true})
                jmena.insert(GetKodRysu(t.v.Kod, radaK, true, dvoj, false, false));
        for (const std::string &jmeno : jmena)
            for (int k = 1; k <= 2; ++k) {
                PopisRysu p = popisNahledu(t, r, w, 1, 0, 0, k, 0, drazky);
                rys(jmeno + "P" + cislo(k) + ".jpg", kdo, t.v.Kod + " typ " + cislo(k), p);
            }
    }

    // The preview of the selection dialog after a click in the execution radio.
    void nahled(const Typ &t, const Rodina &r, const Vyber &w, const Volba &c)
    {
        const TDVypln &v = t.v;
        const std::string kod =
            GetKodRysu(v.Kod, v.RadaK, v.Dyha, v.Dvojbarva, false, v.Zetkova || v.Enkova);
        std::vector<int> formaty;
        if (c.ram > 0)
            formaty = {2};
        else if (t.K0())
            formaty = {3, c.nFormat}; // 3 while the session's format is 2
        else
            formaty = {c.nFormat};
        for (int f : formaty) {
            std::string jmeno;
            PopisRysu p;
            if (kod == "B0") {
                jmeno = c.ram > 0 ? "B0PF2S0" : "B0PF1S0";
                p = popisNahledu(t, r, w, c.ram > 0 ? 2 : 1, 0, c.ram, 0, 0, false);
            } else if (c.omr > 0) {
                jmeno = kod + "M" + cislo(c.omr);
                p = popisNahledu(t, r, w, 1, 1, c.ram, 0, c.omr, false);
            } else if (c.pas > 0 || c.dra > 0 || c.pdr > 0) {
                const int typ = c.pas > 0 ? c.pas : (c.dra > 0 ? c.dra : c.pdr);
                jmeno = kod + "P" + cislo(typ);
                p = popisNahledu(t, r, w, 1, 0, c.ram, typ, 0, c.pas == 0 && c.dra > 0);
            } else {
                jmeno = kod + FS(f, 1);
                p = popisNahledu(t, r, w, f, 1, c.ram, 0, 0, false);
            }
            if (c.ram >= 2)
                jmeno += "R2";
            rys(jmeno + ".jpg", "TVVypln.NactiRys", v.Kod + " náhled volby", p);
        }
    }

    // A drawing shown by a dialog for the type (not mirrored, no reduced cut-out).
    PopisRysu popisNahledu(const Typ &t, const Rodina &r, const Vyber &w, int format,
                           int zaskleni, int ram, int pasky, int omr, bool drazky)
    {
        Volba c;
        c.nFormat = std::min(format, 2);
        Stav st = potvrd(t, r, w, c);
        st.SFormat = format;
        PopisRysu p = obsah(st, format, zaskleni, false, false, 0);
        p.Ramecek = ram;
        p.Pasky = pasky;
        p.Drazky = drazky;
        p.OMrizka = omr;
        const auto [h, vv] = pomery(st);
        umistiVypln(p, t.v, 0, h, vv);
        return p;
    }

    // ---- The start flow -----------------------------------------------------------------

    void startovniTok(Stav st)
    {
        const TDVypln &v = st.t->v;
        const Rodina &r = *st.r;
        const std::string fix = SubStr(v.FixFormat, 1, static_cast<int>(kFixFormatLen));
        const bool rozhodnuto = st.SDyha || r.Hlinik || r.Hlinik2 || v.RadaK || v.Pulpanel ||
                                (v.JednoZask && !fix.empty());
        std::vector<Stav> stavy;
        if (rozhodnuto) {
            if (v.JednoZask && !fix.empty()) {
                const auto cif = [&](int p) {
                    const std::string z = SubStr(fix, p, 1);
                    return (z.size() == 1 && z[0] >= '0' && z[0] <= '9') ? z[0] - '0' : 0;
                };
                st.SFormat = cif(2);
                st.SZaskleni = cif(4);
            } else {
                const bool bezSkla = v.Kod == "B0" || v.Kod == "K0" || v.Kod == "D0" ||
                                     v.Kod == "W0" || st.SZetkova || st.SEnkova || v.Pulpanel;
                st.SZaskleni = bezSkla ? 0 : 1;
                st.SFormat = v.Pulpanel ? 2 : ((v.Kod == "K0" && st.SFormat >= 2) ? 2 : 1);
            }
            stavy.push_back(st);
        } else {
            // The glazing format dialog; Cancel leaves variant 0.
            const int f = st.SFormat == 1 ? 1 : 2;
            bool nula = false;
            for (int z = 0; z <= 6; ++z) {
                if (v.ZCF(f, z) <= 0)
                    continue;
                zaskleniObr(*st.t, f, z);
                Stav x = st;
                x.SZaskleni = z;
                stavy.push_back(x);
                nula = nula || z == 0;
            }
            if (!nula) {
                Stav x = st;
                x.SZaskleni = 0;
                stavy.push_back(x);
            }
        }
        for (Stav &x : stavy) {
            if (x.SFormat <= 0)
                continue;
            const bool varianta = (v.Kod == "NI" && x.SFormat == 2) || v.Excentr || v.AsymP;
            if (varianta) {
                dialogVarianty(x);
                for (bool prava : {false, true}) {
                    x.SPrava = prava;
                    vykresli(x);
                }
            } else {
                x.SPrava = false;
                vykresli(x);
            }
        }
    }

    void zaskleniObr(const Typ &t, int f, int z)
    {
        PotrebnyObrazek o;
        o.druh = Druh::Zaskleni;
        o.cesta = "ZASKLENI/" + t.v.Kod + FS(f, z) + ".jpg";
        if (!BezpecnyNazev(t.v.Kod + FS(f, z)))
            return;
        o.kdo = "TVFormat";
        o.popis = t.v.Kod + " " + FS(f, z);
        o.Kod = t.v.Kod;
        o.Nazev = t.v.Nazev;
        Stav st;
        st.t = &t;
        st.SFormat = f;
        st.SZaskleni = z;
        o.rys = obsah(st, f, z, false, false, 0);
        umistiNahled(o.rys, t.v, 90, 180, 80, 150);
        pridej(std::move(o));
    }

    // The execution variant dialog: left-hand and right-hand pictures.
    void dialogVarianty(const Stav &st)
    {
        const TDVypln &v = st.t->v;
        const bool ram = st.ramecek() > 0;
        const int f = ram ? 2 : ((st.t->K0() && st.SFormat == 2) ? 3 : st.SFormat);
        std::string jmeno =
            GetKodRysu(v.Kod, v.RadaK, v.Dyha, v.Dvojbarva, false, v.Zetkova || v.Enkova);
        int zaskleni = st.SZaskleni;
        if (st.SOMrizka > 0) {
            jmeno += "M" + cislo(st.SOMrizka);
            zaskleni = 1;
        } else if (st.pasky() > 0) {
            jmeno += "P" + cislo(st.pasky());
            zaskleni = 0;
        } else if (std::max(st.SODrazka1, st.SODrazka2) > 0) {
            jmeno += "P" + cislo(std::max(st.SODrazka1, st.SODrazka2));
            zaskleni = 0;
        } else {
            jmeno += FS(f, st.SZaskleni);
        }
        if (st.ramecek() >= 2)
            jmeno += "R2";
        if (st.r->Glas)
            jmeno += "A";
        for (bool prava : {false, true}) {
            Stav x = st;
            x.SPrava = prava;
            PopisRysu p = obsah(x, f, zaskleni, prava, false, st.r->Glas ? 'A' : 0);
            const auto [h, vv] = pomery(x);
            umistiVypln(p, v, st.r->Glas ? 'A' : 0, h, vv);
            rys(jmeno + (prava ? "P" : "") + ".jpg", "TVOPrava", popisStavu(x), p);
        }
    }

    // ---- Drawing the configured panel -------------------------------------------------------

    // The session as the state and the later choices leave it.
    void nastav(const Stav &st, const Pozdeji &z)
    {
        Session &s = s_;
        const TDVypln &v = st.t->v;
        const Rodina &r = *st.r;
        s.SVypln.DVypln = v;
        s.SHlinik = r.Hlinik;
        s.SHlinik2 = r.Hlinik2;
        s.SHPL1 = r.HPL1;
        s.SHPL2 = false;
        s.SGlas = r.Glas;
        s.SDyha = z.SDyha;
        s.SDyha2 = false;
        s.SRadaK = v.RadaK;
        s.SKamen = false;
        s.SExcentr = v.Excentr;
        s.SAsymH = v.AsymH;
        s.SPomerH = v.PomerH;
        s.SAsymp = v.AsymP;
        s.SPomerP = v.PomerP;
        s.SPravaV = v.PravaV;
        s.SJednoZask = v.JednoZask;
        s.SFixFormat = SubStr(v.FixFormat, 1, static_cast<int>(kFixFormatLen));
        s.SPulpanel = v.Pulpanel;
        s.SRameckova = v.Rameckova;
        s.SFormat = st.SFormat;
        s.SZaskleni = st.SZaskleni;
        s.SRamecek1 = st.SRamecek1;
        s.SRamecek2 = st.SRamecek2;
        s.SOPaska1 = st.SOPaska1;
        s.SOPaska2 = st.SOPaska2;
        s.SODrazka1 = st.SODrazka1;
        s.SODrazka2 = st.SODrazka2;
        s.SODr1 = st.SODr1;
        s.SODr2 = st.SODr2;
        s.SOMrizka = st.SOMrizka;
        s.SDvojbarva = st.SDvojbarva;
        s.SZetkova = st.SZetkova;
        s.SEnkova = st.SEnkova;
        s.SPozic = st.SPozic;
        s.SPrava = st.SPrava;
        s.SPrekryvna = st.SPrekryv > 0;
        s.SPrekryv = st.SPrekryv;
        s.MuzeRamecek = st.MuzeRamecek;
        s.ZmensenyVyrez = z.ZmensenyVyrez;
        s.RozmerVybran = z.RozmerVybran;
        s.SSirka = z.SSirka;
        s.SVyska = z.SVyska;
        s.MrizkaVybrana = z.mrizka != nullptr;
        s.SKodMrizky = z.mrizka ? z.mrizka->Kod : std::string();
        s.VolbaNeniNil = true;
        s.Carame = true;
        NactiCary(s, Katalog(s, kVyplne), st.t->sekce, s.SZetkova);
        SetKodRysu(s, v.Kod);
    }

    // SHPomer and SVPomer of a state, as NactiRys sets them.
    std::pair<double, double> pomery(const Stav &st)
    {
        Stav x = st;
        x.SPrekryv = 0;
        if (x.SFormat <= 0)
            x.SFormat = 1;
        nastav(x, Pozdeji{});
        s_.VolbaNeniNil = false;
        s_.Carame = false;
        Nic nic;
        NactiRys(s_, nic);
        return {s_.SHPomer, s_.SVPomer};
    }

    // The reduced cut-out can be reached: the dimension dialog's minimum lies below its
    // play value (an overlay panel keeps the play values of an earlier dialog: any).
    bool zmensitelny(const Stav &st, bool dyha) const
    {
        if (st.SPrekryv > 0)
            return true;
        if (st.kLimity)
            return false;
        const TDVypln &v = st.t->v;
        const Rodina &r = *st.r;
        int minS, minV, hraS, hraV;
        if (st.SFormat == 1 || r.Hlinik || r.Hlinik2 || dyha || st.MuzeRamecek > 0) {
            minS = v.MinSirkaF1;
            minV = v.MinVyskaF1;
            hraS = v.HraSirkaF1;
            hraV = v.HraVyskaF1;
            const auto zvys = [&](int ms, int mv, int hs, int hv) {
                minS = std::max(minS, ms);
                minV = std::max(minV, mv);
                hraS = std::max(hraS, hs);
                hraV = std::max(hraV, hv);
            };
            if (st.SRamecek1 == 1 || st.SRamecek2 == 1)
                zvys(v.MinSirkaF2, v.MinVyskaF2, v.HraSirkaF2, v.HraVyskaF2);
            if (st.SRamecek1 == 2 || st.SRamecek2 == 2)
                zvys(v.MinSirkaF2R2, v.MinVyskaF2R2, v.HraSirkaF2R2, v.HraVyskaF2R2);
            const auto ma = [&](int k) {
                return st.SOPaska1 == k || st.SOPaska2 == k || st.SODrazka1 == k ||
                       st.SODrazka2 == k;
            };
            if (ma(1))
                zvys(v.MinSirkaF2P1, v.MinVyskaF2P1, v.HraSirkaF2P1, v.HraVyskaF2P1);
            if (ma(2))
                zvys(v.MinSirkaF2P2, v.MinVyskaF2P2, v.HraSirkaF2P2, v.HraVyskaF2P2);
        } else {
            minS = v.MinSirkaF2;
            minV = v.MinVyskaF2;
            hraS = v.HraSirkaF2;
            hraV = v.HraVyskaF2;
        }
        return minS < hraS || minV < hraV;
    }

    std::vector<const Mrizka *> mrizkyPro(const Stav &st)
    {
        std::vector<const Mrizka *> out;
        const TSifraSoubor &f = Katalog(s_, kMrizky);
        for (const Mrizka &m : mrizky_)
            if (SubStr(m.Kod, 1, 2) == st.t->v.Kod &&
                f.ReadSifra(m.sekce, "CS" + cislo(st.SZaskleni) + "S1F" + cislo(st.SFormat)) > 0)
                out.push_back(&m);
        return out;
    }

    // Everything drawn for a configured panel: the main window's drawing through NactiRys
    // in every later state, the muntin pictures, the two-colour picture, the overlay views.
    void vykresli(const Stav &st)
    {
        const TDVypln &v = st.t->v;
        zaskleni_.insert({v.Kod, st.SFormat, st.SZaskleni});
        const auto mrizky = mrizkyPro(st);
        for (bool dyha : {false, true}) {
            std::vector<bool> zmens{false};
            if (zmensitelny(st, dyha))
                zmens.push_back(true);
            std::vector<Pozdeji> rozmery;
            rozmery.push_back({});
            if (st.r->Glas) {
                for (auto [w, h] : {std::pair{1000, 2200}, std::pair{850, 2000}, std::pair{700, 1800}}) {
                    Pozdeji p;
                    p.RozmerVybran = true;
                    p.SSirka = w;
                    p.SVyska = h;
                    rozmery.push_back(p);
                }
            }
            std::vector<const Mrizka *> mr{nullptr};
            mr.insert(mr.end(), mrizky.begin(), mrizky.end());
            for (bool z : zmens)
                for (Pozdeji p : rozmery)
                    for (const Mrizka *m : mr) {
                        p.SDyha = dyha;
                        p.ZmensenyVyrez = z;
                        p.mrizka = m;
                        nactiRys(st, p);
                        if (m)
                            obrazkyMrizky(st, p);
                    }
        }
        if (st.SDvojbarva) {
            // The colour dialog's two-colour picture.
            const bool p = v.Excentr && st.SPrava;
            PopisRysu d = obsah(st, 1, 1, p, false, 0);
            const auto [h, vv] = pomery(st);
            umistiVypln(d, v, 0, h, vv);
            rys(v.Kod + "F1S1" + (p ? "P" : "") + ".jpg", "TVBarva", popisStavu(st), d);
        }
        if (st.SPrekryv > 0)
            pohledy(st);
    }

    void nactiRys(const Stav &st, const Pozdeji &z)
    {
        nastav(st, z);
        Zaznam zaznam;
        NactiRys(s_, zaznam);
        const Session &s = s_;
        const std::string popis = popisStavu(st) + popisPozdeji(z);
        for (const std::string &cesta : zaznam.chtene) {
            const std::string rysy = s.apCesta + "RYSY/";
            if (cesta.compare(0, rysy.size(), rysy) != 0)
                continue;
            const std::string jmeno = cesta.substr(rysy.size());
            if (jmeno == "PREKRYVB.JPG" || jmeno == "PREKRYVK.JPG") {
                PopisRysu p;
                p.druh = PopisRysu::Druh::Prekryv;
                p.Kod = st.t->v.Kod;
                p.Hlinik = jmeno == "PREKRYVB.JPG";
                p.SirkaPx = p.PanelSirka = 1000 / kMmNaPixel + 2 * kOkrajRysu;
                p.VyskaPx = p.PanelVyska = 2200 / kMmNaPixel + 2 * kOkrajRysu;
                rys(jmeno, "NactiRys", popis, p);
            } else if (jmeno == "HLF1S0.JPG") {
                PopisRysu p;
                p.druh = PopisRysu::Druh::Zaklad;
                p.SirkaPx = p.PanelSirka = 1000 / kMmNaPixel;
                p.VyskaPx = p.PanelVyska = 2200 / kMmNaPixel;
                rys(jmeno, "NactiRys", popis, p);
            } else if (s.SPrekryvna) {
                rys(jmeno, "NactiRys", popis, popisPomocneho(st, z));
            } else {
                rys(jmeno, "NactiRys", popis, popisHlavniho(st, z));
            }
        }
    }

    int pomFormat(const Stav &st) const
    {
        if (st.ramecek() > 0)
            return 2;
        if (st.t->K0() && st.SFormat == 2)
            return 3;
        return st.SFormat;
    }

    // What the main drawing of NactiRys shows (s_ holds the state after NactiRys).
    PopisRysu popisHlavniho(const Stav &st, const Pozdeji &z)
    {
        const TDVypln &v = st.t->v;
        const Session &s = s_;
        int zaskleni = st.SZaskleni;
        int mrizka = 0;
        if (st.SOMrizka > 0)
            zaskleni = 1;
        else if (st.pasky() > 0 || st.drazky() > 0)
            zaskleni = 0;
        else if (z.mrizka)
            mrizka = cisloMrizky(SubStr(z.mrizka->Kod, 6, 2));
        char pismeno = 0;
        if (st.r->Glas)
            pismeno = (!z.RozmerVybran || z.SVyska > 2050 || z.SSirka > 900)   ? 'A'
                      : (z.SVyska > 1900 || z.SSirka > 800)                    ? 'B'
                                                                               : 'C';
        const bool zrcadlo =
            st.SPrava && (v.Excentr || v.AsymP || (v.Kod == "NI" && st.SFormat == 2));
        PopisRysu p = obsah(st, pomFormat(st), zaskleni, zrcadlo, z.ZmensenyVyrez, pismeno);
        p.Mrizka = mrizka;
        umistiVypln(p, v, pismeno, s.SHPomer, s.SVPomer);
        return p;
    }

    // What the auxiliary drawing of an overlay panel shows.
    PopisRysu popisPomocneho(const Stav &st, const Pozdeji &z)
    {
        const Session &s = s_;
        const bool zrcadlo = (st.t->v.Excentr || st.t->v.AsymP) && st.SPrava;
        PopisRysu p = obsah(st, pomFormat(st), st.SZaskleni, zrcadlo, z.ZmensenyVyrez, 0);
        p.druh = PopisRysu::Druh::Pomocny;
        if (st.SOMrizka > 0) {
            p.Zaskleni = 1;
        } else if (s.KodRysu == "B0") {
            if (s.SGlas) {
                p.Sklo = true;
                if (s.NazevRysu.find("P1A") != std::string::npos) {
                    p.Pasky = 1;
                    p.Zaskleni = 0;
                }
            } else if (st.SOPaska1 > 0 || st.SODrazka1 > 0 || st.SODr1 > 0) {
                p.Pasky = std::max(st.SOPaska1, st.SODrazka1);
                p.Drazky = st.SOPaska1 == 0;
                p.Zaskleni = 0;
            } else {
                p.Pasky = 0;
            }
        } else {
            // The generic overlay drawing: a plain panel, with the frame when one is chosen.
            p.Format = st.ramecek() > 0 ? 2 : 1;
            p.Zaskleni = 0;
            p.Pasky = 0;
            p.OMrizka = 0;
            p.Sklo = false;
            p.Dvojbarva = false;
            p.Kod = "B0";
        }
        p.Excentr = false;
        umistiPomocny(p, st.t->v);
        return p;
    }

    // The parts of a panel drawing that follow from the state.
    PopisRysu obsah(const Stav &st, int format, int zaskleni, bool zrcadlo, bool zmenseny,
                    char pismeno) const
    {
        const TDVypln &v = st.t->v;
        PopisRysu p;
        p.Kod = v.Kod;
        p.Nazev = v.Nazev;
        p.Format = format;
        p.Zaskleni = zaskleni;
        p.Ramecek = st.ramecek();
        p.Pasky = std::max(st.pasky(), st.drazky());
        p.Drazky = st.pasky() == 0 && st.drazky() > 0;
        p.OMrizka = st.SOMrizka;
        p.Sklo = v.Glas || pismeno != 0;
        p.Hlinik = v.Hlinik;
        p.Zrcadlo = zrcadlo;
        p.Zmenseny = zmenseny;
        p.Dvojbarva = v.Dvojbarva;
        p.Excentr = v.Excentr || v.AsymP;
        return p;
    }

    void obrazkyMrizky(const Stav &st, const Pozdeji &z)
    {
        // s_ holds the state of the last NactiRys: KodRysu is the drawing code.
        const std::string kodRysu = s_.KodRysu;
        const std::string cisla = SubStr(z.mrizka->sekce, 4, 2);
        PopisRysu p = obsah(st, std::min(std::max(st.SFormat, 1), 3), st.SZaskleni, false,
                            false, st.r->Glas ? 'A' : 0);
        p.Ramecek = 0;
        p.Pasky = 0;
        p.OMrizka = 0;
        p.Mrizka = cisloMrizky(cisla);
        const auto [h, vv] = pomery(st);
        umistiVypln(p, st.t->v, st.r->Glas ? 'A' : 0, h, vv);
        const std::string konec = FS(st.SFormat, st.SZaskleni) + "M" + cisla + ".jpg";
        const std::string popis = popisStavu(st) + popisPozdeji(z);
        rys(kodRysu + konec, "ObnovObr", popis, p);
        rys(st.t->v.Kod + konec, "TVMrizky", popis, p);
    }

    void pohledy(const Stav &st)
    {
        const bool dve = st.SPrekryv > 1;
        const bool alabs = st.r->Hlinik2;
        for (bool vyskovy : {false, true}) {
            PopisRysu p;
            p.druh = PopisRysu::Druh::Pohled;
            p.Kod = st.t->v.Kod;
            p.Strany = dve ? 2 : 1;
            p.Vyskovy = vyskovy;
            p.AlAbs = alabs && !dve;
            p.SirkaPx = vyskovy ? 240 : 400;
            p.VyskaPx = vyskovy ? 400 : 240;
            const std::string jmeno = std::string(dve ? "2" : (alabs ? "1K" : "1H")) + "Prekr" +
                                      (vyskovy ? "L" : "H") + ".jpg";
            rys(jmeno, dve ? "TPrekr2spec" : "TPrekrSpec", popisStavu(st), p);
        }
    }

    // ---- Pictures of the catalogue items --------------------------------------------------

    void obrazkyVyplne(const Typ &t)
    {
        const TDVypln &v = t.v;
        const auto prvni = [&](int f) {
            for (int z = 1; z <= 6; ++z)
                if (v.ZCF(f, z) > 0)
                    return z;
            return 0;
        };
        for (int n = 1; n <= 3; ++n) {
            if ((n == 2 && !t.obr2) || (n == 3 && !t.obr3))
                continue;
            if (!BezpecnyNazev(v.Kod + cislo(n)))
                continue;
            PotrebnyObrazek o;
            o.druh = Druh::Vypln;
            o.cesta = "VYPLNE/" + v.Kod + cislo(n) + ".jpg";
            o.kdo = "TVVypln";
            o.popis = v.Kod + " \"" + v.Nazev + "\" obraz " + cislo(n);
            o.Kod = v.Kod;
            o.Nazev = v.Nazev;
            o.Varianta = n;
            Stav st;
            st.t = &t;
            st.SPozic = v.Pozic;
            st.SDvojbarva = v.Dvojbarva;
            if (v.Zetkova)
                st.SOPaska1 = 1;
            if (v.Enkova)
                st.SODrazka1 = 1;
            if (v.Rameckova)
                st.SRamecek1 = 1;
            int format = 1, zaskleni = prvni(1);
            if (n == 2) {
                if (t.lisovana) {
                    format = 2;
                    zaskleni = prvni(2);
                } else {
                    format = 2;
                    st.SRamecek1 = 1;
                }
            } else if (n == 3) {
                if (t.K0()) {
                    format = 3;
                    zaskleni = 0;
                } else {
                    st.SOMrizka = 1;
                    st.SRamecek1 = 1;
                    zaskleni = 1;
                }
            }
            if (v.Pulpanel)
                format = 2;
            if (st.pasky() > 0 || st.drazky() > 0)
                zaskleni = 0;
            o.rys = obsah(st, format, zaskleni, false, false, v.Glas ? 'A' : 0);
            umistiNahled(o.rys, v, 180, 300, 150, 230);
            pridej(std::move(o));
        }
    }

    void polozkyKatalogu()
    {
        {
            const TSifraSoubor &f = Katalog(s_, kBarvy);
            for (const std::string &sekce : f.ReadSections()) {
                PotrebnyObrazek o;
                o.druh = Druh::Barva;
                NactiBarvu(f, sekce, o.Barva);
                o.Kod = o.Barva.Kod;
                o.Nazev = sekce;
                o.Kamen = f.ReadBool(sekce, "Kamen", false);
                if (!BezpecnyNazev(o.Kod))
                    continue;
                o.cesta = "BARVY/" + o.Kod + ".jpg";
                o.kdo = "TVBarva";
                o.popis = "kolor " + sekce;
                pridej(std::move(o));
            }
        }
        {
            const TSifraSoubor &f = Katalog(s_, kDekory);
            const TSifraSoubor &vy = Katalog(s_, kVyplne);
            for (const std::string &sekce : f.ReadSections()) {
                TDdekor d;
                NactiDekor(f, sekce, d);
                const auto dekor = [&](const std::string &jmeno, const std::string &popis) {
                    if (!BezpecnyNazev(jmeno))
                        return;
                    PotrebnyObrazek o;
                    o.druh = Druh::Dekor;
                    o.cesta = "DEKORY/" + jmeno + ".jpg";
                    o.kdo = "TVDekory";
                    o.popis = popis;
                    o.Kod = d.Kod;
                    o.Nazev = sekce;
                    o.Typ = d.TypSkla;
                    pridej(std::move(o));
                };
                dekor(d.Kod, "szkło " + sekce);
                if (d.TypSkla != 4 || d.Kod == "cx444")
                    continue;
                // Convex glass: a picture per infill and glazing where it is priced.
                for (const auto &[kod, f2, z] : zaskleni_) {
                    const Typ *t = nullptr;
                    for (const Typ &x : typy_)
                        if (x.v.Kod == kod)
                            t = &x;
                    if (t && vy.ReadSifra(t->sekce, "VS" + FS(f2, z)) > 0)
                        dekor(d.Kod + kod + "S" + cislo(z), "szkło " + sekce + " w " + kod + " S" + cislo(z));
                }
            }
        }
        {
            const TSifraSoubor &f = Katalog(s_, kDoplnky);
            for (const std::string &sekce : f.ReadSections()) {
                TDDoplnek d;
                NactiDoplnek(f, sekce, d);
                if (!BezpecnyNazev(d.Kod))
                    continue;
                PotrebnyObrazek o;
                o.druh = Druh::Doplnek;
                o.cesta = "DOPLNKY/" + d.Kod + ".jpg";
                o.kdo = "TVDoplnky";
                o.popis = "akcesorium " + sekce;
                o.Kod = d.Kod;
                o.Nazev = sekce;
                o.Typ = d.MadloVert ? 1 : 0;
                pridej(std::move(o));
            }
        }
        {
            const TSifraSoubor &f = Katalog(s_, kVitraze);
            for (const Vitraz &vi : vitraze_) {
                const auto vitraz = [&](const std::string &jmeno, const std::string &popis) {
                    if (!BezpecnyNazev(jmeno))
                        return;
                    PotrebnyObrazek o;
                    o.druh = Druh::Vitraz;
                    o.cesta = "VITRAZE/" + jmeno + ".jpg";
                    o.kdo = "TVVitraz";
                    o.popis = popis;
                    o.Kod = vi.Kod;
                    o.Nazev = vi.sekce;
                    o.Typ = vi.VitrPis;
                    pridej(std::move(o));
                };
                vitraz(vi.Kod, "witraż " + vi.sekce);
                for (const auto &[kod, f2, z] : zaskleni_)
                    if (SubStr(vi.Kod, 1, 2) == kod && f.ReadSifra(vi.sekce, "C" + FS(f2, z)) > 0)
                        vitraz(vi.Kod + FS(f2, z), "witraż " + vi.sekce + " " + FS(f2, z));
            }
        }
    }
};

} // namespace

std::vector<PotrebnyObrazek> PotrebneObrazky(const std::string &apCesta)
{
    Pruvodce p(apCesta);
    return p.vse();
}

} // namespace qmr
