#include "documents/TiskStrana.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace qmr {

const PolozkaStrany *StranaTisku::Najdi(const std::string &Nazev) const
{
    for (const PolozkaStrany &p : Polozky)
        if (p.Nazev == Nazev)
            return &p;
    return nullptr;
}

std::string StranaTisku::Text(const std::string &Nazev) const
{
    const PolozkaStrany *p = Najdi(Nazev);
    return p ? p->Text : std::string();
}

PolozkaStrany &StranaTisku::Text(std::string Nazev, double X, double Y, std::string Text, Pismo p)
{
    PolozkaStrany t;
    t.druh = PolozkaStrany::Druh::Text;
    t.Nazev = std::move(Nazev);
    t.X = X;
    t.Y = Y;
    t.Text = std::move(Text);
    t.pismo = p;
    Polozky.push_back(std::move(t));
    return Polozky.back();
}

PolozkaStrany &StranaTisku::Ramecek(std::string Nazev, double X, double Y, double Sirka, double Vyska)
{
    PolozkaStrany &r = Text(std::move(Nazev), X, Y, {});
    r.druh = PolozkaStrany::Druh::Ramecek;
    r.Sirka = Sirka;
    r.Vyska = Vyska;
    return r;
}

PolozkaStrany &StranaTisku::Cara(std::string Nazev, double X, double Y, double Sirka)
{
    PolozkaStrany &c = Text(std::move(Nazev), X, Y, {});
    c.druh = PolozkaStrany::Druh::Cara;
    c.Sirka = Sirka;
    return c;
}

std::string KreditniRadek(const Session &s)
{
    return "Wydruk programu Quilmar " + s.apVerze + " – konfiguracja i wycena wypełnień drzwiowych";
}

namespace {

// Pixel rectangle inside the drawing frame (origin at its top-left corner).
struct Px {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

// Halves to the even neighbour (the default rounding mode).
int Zaokrouhli(double x) { return static_cast<int>(std::nearbyint(x)); }
int Pul(int x) { return Zaokrouhli(x / 2.0); }
int Desetina(int x) { return Zaokrouhli(x / 10.0); }

bool BezPomRysu(const std::string &kod)
{
    return kod == "K0" || kod == "B0" || kod == "D0" || kod == "W0";
}

class Kreslic {
public:
    Kreslic(StranaTisku &s, double x, double y) : strana_(s), x_(x), y_(y) {}

    double mmX(double px) const { return x_ + px * kMMNaPixel; }
    double mmY(double px) const { return y_ + px * kMMNaPixel; }

    void Obrazek(const std::string &nazev, const Px &r, ZdrojObrazku z, const std::string &soubor = {},
                 bool roztahnout = false)
    {
        PolozkaStrany p;
        p.druh = PolozkaStrany::Druh::Obrazek;
        p.Nazev = nazev;
        Umisti(p, r);
        p.Zdroj = z;
        p.Soubor = soubor;
        p.Roztahnout = roztahnout;
        strana_.Polozky.push_back(std::move(p));
    }
    void Ramecek(const std::string &nazev, const Px &r, bool teckovany = false)
    {
        strana_.Ramecek(nazev, mmX(r.Left), mmY(r.Top), r.Width * kMMNaPixel, r.Height * kMMNaPixel).Teckovana =
            teckovany;
    }
    void Cara(const std::string &nazev, int x, int y, int dx, int dy)
    {
        PolozkaStrany &c = strana_.Cara(nazev, mmX(x), mmY(y), dx * kMMNaPixel);
        c.Vyska = dy * kMMNaPixel;
        c.Teckovana = true;
    }
    void Text(const std::string &nazev, int x, int y, const std::string &t)
    {
        strana_.Text(nazev, mmX(x), mmY(y), t);
    }

private:
    void Umisti(PolozkaStrany &p, const Px &r) const
    {
        p.X = mmX(r.Left);
        p.Y = mmY(r.Top);
        p.Sirka = r.Width * kMMNaPixel;
        p.Vyska = r.Height * kMMNaPixel;
    }

    StranaTisku &strana_;
    double x_, y_;
};

} // namespace

void PridejMiniaturu(StranaTisku &strana, const Session &s, double X, double Y,
                     VelikostObrazku Rys, VelikostObrazku PomRys)
{
    if (s.TypZakazky != 1)
        return;
    Kreslic k(strana, X, Y);
    const std::string &kod = s.SVypln.DVypln.Kod;

    // The drawing frame has a fixed size by the kind of panel and the glazing format.
    Px podklad;
    if (s.SPrekryvna) {
        podklad.Height = 240;
        podklad.Width = 120;
    } else if (s.SHlinik || s.SHlinik2 || s.MuzeRamecek > 0 || s.SRadaK) {
        podklad.Height = 220;
        podklad.Width = 100;
    } else {
        podklad.Height = 210;
        podklad.Width = 90;
    }
    if (s.SFormat != 1) {
        if (kod == "PA" || kod == "PB")
            podklad.Height = 98;
        else if (kod == "PC")
            podklad.Height = 65;
        else
            podklad.Width = 60;
    }

    Px rantl;
    rantl.Width = Desetina(s.SSirka);
    rantl.Height = Desetina(s.SVyska);
    const bool prekryv = s.SPrekryvna && s.PrekryvVybran;
    const bool prava = s.SExcentr && s.SPrava;
    if (prekryv) {
        rantl.Left = prava ? podklad.Width - Desetina(s.SSirka + s.PVP) : Desetina(s.PVL);
        rantl.Top = Desetina(s.PVH);
    } else {
        if (s.SExcentr)
            rantl.Left = s.SPrava ? podklad.Width - rantl.Width : 0;
        else
            rantl.Left = Zaokrouhli((podklad.Width - rantl.Width) * s.SHPomer);
        rantl.Top = Zaokrouhli((podklad.Height - rantl.Height) * s.SVPomer);
    }

    Px obrys; // the overlay outline
    obrys.Left = prava ? rantl.Left - Desetina(s.PVL) : 0;
    obrys.Top = 0;
    obrys.Width = rantl.Width + Desetina(s.PVL + s.PVP);
    obrys.Height = rantl.Height + Desetina(s.PVH + s.PVD);

    const bool pomRys = prekryv && s.VidimPomRys && !BezPomRysu(kod);
    bool obrysViditelny = false;
    if (pomRys && s.SGlas) {
        // A glass panel shows its drawing file in the opening.
        k.Obrazek("Podklad", rantl, ZdrojObrazku::Soubor, s.NazevRysu, true);
    } else if (pomRys) {
        Px skla;
        skla.Width = Pul(PomRys.Sirka);
        skla.Height = Pul(PomRys.Vyska);
        if (s.SExcentr)
            skla.Left = s.SPrava ? rantl.Right() - skla.Width - 6 : rantl.Left + 6;
        else
            skla.Left = std::max(0, rantl.Left + Zaokrouhli((rantl.Width - skla.Width) * s.SHPomer));
        skla.Top = std::max(0, rantl.Top + Zaokrouhli((rantl.Height - skla.Height) * s.SVPomer));
        if (skla.Width > 0 && skla.Height > 0)
            k.Obrazek("Skla", skla, ZdrojObrazku::PomRys, {}, true);
        obrysViditelny = true;
    } else if (Rys.Sirka > 0 && Rys.Vyska > 0) {
        k.Obrazek("Podklad", podklad, ZdrojObrazku::Rys);
    }
    if (obrysViditelny)
        k.Ramecek("Prekryv", obrys);
    k.Ramecek("Rantl", rantl, prekryv);

    // Line marks at half the main window's geometry, against the overlay outline of an
    // overlay panel and the opening otherwise.
    if (s.Carame) {
        const Px &ref = s.SPrekryvna ? obrys : rantl;
        const std::array<int, 6> phTop{s.PH1Top, s.PH2Top, s.PH3Top, s.PH4Top, s.PH5Top, s.PH6Top};
        const std::array<int, 6> phSir{s.PH1Sir, s.PH2Sir, s.PH3Sir, s.PH4Sir, s.PH5Sir, s.PH6Sir};
        const std::array<int, 6> pvLeft{s.PV1Left, s.PV2Left, s.PV3Left, s.PV4Left, s.PV5Left, s.PV6Left};
        const std::array<int, 6> pvVys{s.PV1Vys, s.PV2Vys, s.PV3Vys, s.PV4Vys, s.PV5Vys, s.PV6Vys};
        const int tl = Zaokrouhli(s.SCary.Tloustka / 5.0);
        for (int i = 0; i < 6 && i < s.SCary.HPocet; ++i) {
            Px m;
            m.Top = rantl.Top + Pul(phTop[i] - s.RantlTop);
            m.Width = Pul(phSir[i]);
            m.Height = tl;
            m.Left = s.SCary.Hneg[i + 1] ? ref.Right() - m.Width : ref.Left;
            k.Ramecek("PH" + std::to_string(i + 1), m);
        }
        for (int i = 0; i < 6 && i < s.SCary.VPocet; ++i) {
            Px m;
            m.Left = rantl.Left + Pul(pvLeft[i] - s.RantlLeft);
            m.Top = ref.Top;
            m.Height = Pul(pvVys[i]);
            m.Width = tl;
            k.Ramecek("PV" + std::to_string(i + 1), m);
        }
    }

    // Accessory marks: an "x" at the fixing point of a mounted, placed accessory; a
    // vertical handle gets a second one lower down and a dotted bar between them.
    if (s.DoplnkyVybrany) {
        const std::array<const TDDoplnek *, 4> sloty{&s.SDoplnek1.DDoplnek, &s.SDoplnek2.DDoplnek,
                                                     &s.SDoplnek3.DDoplnek, &s.SDoplnek4.DDoplnek};
        for (int i = 0; i < 4; ++i) {
            const TDDoplnek &d = *sloty[i];
            if (d.Polozka < 0 || !d.Namontovat || !d.Umisten)
                continue;
            const std::string n = std::to_string(i + 1);
            const int x = rantl.Left + Desetina(d.Zleva) - 3;
            const int y = rantl.Bottom() - (Desetina(d.Zdola) + 7);
            k.Text("Label" + n, x, y, "x");
            if (d.MadloVert) {
                const int dy = Desetina(d.VzdVert);
                k.Text("SDopl" + n, x, y + dy, "x");
                k.Cara("TDopl" + n, x + 3, y + 7, 0, dy);
            }
        }
    }
}

} // namespace qmr
