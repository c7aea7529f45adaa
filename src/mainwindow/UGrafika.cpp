#include "mainwindow/UGrafika.h"

#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"
#include "core/Funkce.h"

#include <algorithm>
#include <cmath>

namespace qmr {

int Zaokrouhli(double x)
{
    // The default floating-point environment rounds to nearest, halves to even.
    return static_cast<int>(std::nearbyint(x));
}

namespace {

int Z(double x) { return Zaokrouhli(x); }

} // namespace

void Grafuj(const Session &s, const Tvar &H, Obrysy &o)
{
    Tvar &R = o.Rantl;
    Tvar &P = o.Prekryv;
    R.Width = Z(s.SSirka / 5.0);
    R.Height = Z(s.SVyska / 5.0);
    P.Width = Z((s.PVL + s.PVP) / 5.0) + R.Width;
    P.Height = Z((s.PVH + s.PVD) / 5.0) + R.Height;

    const bool excentr1 = s.SExcentr && !s.SDvojbarva; // eccentric, one colour

    if (!s.SPrekryvna) {
        o.Zakryt.Viditelny = false;
        if (excentr1) {
            R.Left = s.SPrava ? H.Right() - R.Width : H.Left;
        } else {
            const int x = H.Left + Z((H.Width - R.Width) * s.SHPomer);
            R.Left = x < 0 ? H.Left : x;
        }
        const int y = H.Top + Z((H.Height - R.Height) * s.SVPomer);
        R.Top = y < 0 ? H.Top : y;
        return;
    }

    // Overlay panel: the opening sits inside the overlay outline.
    if (s.SExcentr && s.SPrava)
        R.Left = H.Left + H.Width - R.Width - s.PVP / 5;
    else
        R.Left = H.Left + s.PVL / 5;
    if (s.SNeload) {
        R.Top = H.Top + s.PVH / 5;
    } else {
        const int y = H.Top + Z((H.Height - R.Height) * s.SVPomer);
        R.Top = y < 0 ? H.Top + s.PVH / 5 : y;
    }
    P.Top = s.PVH / 5 < R.Top ? R.Top - s.PVH / 5 : 0;
    P.Left = s.PVL / 5 < R.Left ? R.Left - s.PVL / 5 : 0;

    Tvar &G = o.PomRys;
    if (excentr1 && s.SPrava) {
        const int x = R.Left + R.Width - G.Width - 12;
        G.Left = x > 0 ? x : 0;
    } else if (excentr1) {
        G.Left = R.Left + 12;
    } else {
        G.Left = std::max(R.Left + Z((R.Width - G.Width) * s.SHPomer), H.Left);
    }
    G.Top = std::max(R.Top + Z((R.Height - G.Height) * s.SVPomer), H.Top);

    o.Zakryt.Left = G.Left - 1;
    o.Zakryt.Top = G.Top - 1;
    o.Zakryt.Width = G.Width + 1;
    o.Zakryt.Height = G.Height + 1;
    o.Zakryt.Viditelny = true;
}

void UmistiCary(Session &s, const Tvar &HlavniRys, const Tvar &Rantl, const Tvar &Prekryv,
                CarovaZnacky &z)
{
    const bool prekryvVybran = s.SPrekryvna && s.PrekryvVybran;
    Tvar ref;
    double kH = 1, kV = 1;
    int I = 0, J = 0;
    int O = 0, F = 0; // height of a vertical mark, width of a full horizontal one

    if (s.RozmerVybran) {
        ref = prekryvVybran ? Prekryv : Rantl;
        if (s.SPrekryvna && !s.PrekryvVybran)
            s.PVL = s.PVP = s.PVH = s.PVD = 10;
        kV = s.SVyska / 2200.0;
        kH = s.SSirka / 1000.0;
        O = Z((s.PVH + s.PVD + s.SVyska) / 5.0);
        F = Z((s.PVL + s.PVP + s.SSirka) / 5.0);
    } else {
        const TDefaultData &d = s.SVolby.DefaultData;
        if (d.Vyska != 0 && d.Vyska < s.SVyska)
            s.SVyska = d.Vyska;
        if (d.Sirka != 0 && d.Sirka < s.SSirka)
            s.SSirka = d.Sirka;
        ref = HlavniRys;
        s.PVL = s.PVP = s.PVH = s.PVD = 10;
        O = Z((s.PVH + s.PVD + 2200) / 5.0);
        F = Z((s.PVL + s.PVP + 1000) / 5.0);
    }
    int M = ref.Left, T = ref.Top, W = ref.Width, H = ref.Height;
    if (s.apVypnoutPomer) {
        // Lines of the standard 1000 x 2200 panel, not scaled to the real one.
        M = HlavniRys.Left;
        T = HlavniRys.Top;
        if (prekryvVybran) {
            H = Z((s.PVH + s.PVD + 2200) / 5.0);
            W = Z((s.PVL + s.PVP + 1000) / 5.0);
            I = Z((2200 - s.SVyska) / 2.0 / 5.0);
            J = Z((1000 - s.SSirka) / 2.0 / 5.0);
        } else {
            H = HlavniRys.Height;
            W = HlavniRys.Width;
        }
        kV = kH = 1;
    }
    const int B = T + H;
    const int R = M + W;
    const double Q = 200; // 1000 mm at 1:5: a relative length of 100 spans it

    const TCary &c = s.SCary;
    const int nH = std::clamp(c.HPocet, 0, 6);
    const int nV = std::clamp(c.VPocet, 0, 6);
    for (int n = 1; n <= 6; ++n) {
        Tvar &m = z.PH[n - 1];
        m.Viditelny = n <= nH;
        if (!m.Viditelny)
            continue;
        m.Top = B - I - Z(c.Hpos[n] / 5.0 * kV + s.PVD / 5.0);
        m.Height = Z(c.Tloustka / 5.0);
        if (c.Hneg[n] && c.Hrel[n] < 100) {
            const int L = Z(s.PVP / 5.0 + c.Hrel[n] * Q / 100);
            m.Left = R - L - J;
            m.Width = L - J;
        } else {
            m.Left = M;
            m.Width = c.Hrel[n] > 99 ? F : Z(s.PVL / 5.0 + c.Hrel[n] * Q / 100 - J);
        }
    }
    for (int n = 1; n <= 6; ++n) {
        Tvar &m = z.PV[n - 1];
        m.Viditelny = n <= nV;
        if (!m.Viditelny)
            continue;
        m.Top = T;
        m.Left = Z(c.Vpos[n] / 5.0 * kH + s.PVL / 5.0) + M - J;
        m.Height = O;
        m.Width = Z(c.Tloustka / 5.0);
    }
}

void UmistiDoplnek(const TDDoplnek &d, const Tvar &Rantl, ZnackyDoplnku &z)
{
    z.Shape.Left = Z(d.Zleva / 5.0) + Rantl.Left - 10;
    z.Shape.Top = std::max(10, Rantl.Top + Rantl.Height - Z(d.Zdola / 5.0) - 10);
    z.Shape.Width = 20;
    z.Shape.Height = 20;
    if (!d.MadloVert)
        return;
    // The two fixing points of a vertical handle and the bar between them.
    z.MShape.Left = z.Shape.Left;
    z.MShape.Top = d.VzdVert / 5 + z.Shape.Top;
    z.MShape.Width = 20;
    z.MShape.Height = 20;
    z.SShape.Top = z.Shape.Top + 10;
    z.SShape.Left = z.Shape.Left + 5;
    z.SShape.Height = d.VzdVert / 5;
    z.SShape.Width = 10;
}

void ZpracujRys(Session &s, PictureStore &obrazky)
{
    NactiRys(s, obrazky);
    if (!s.Carame && !(s.SFormat > 0 && s.SPrekryvna && s.VidimPomRys))
        s.VidimPomRys = false;
}

bool PomRysViditelny(const Session &s)
{
    return s.TypZakazky == 1 && s.VyplnVybrana && !s.Carame && s.SFormat > 0 && s.SPrekryvna &&
           s.VidimPomRys;
}

bool ObnovObr(Session &s, PictureStore &obrazky)
{
    if (!s.VyplnVybrana)
        return false;
    std::string jmeno = s.KodRysu + "F" + std::to_string(s.SFormat) + "S" + std::to_string(s.SZaskleni);
    if (s.MrizkaVybrana)
        jmeno += "M" + SubStr(s.SMrizka.DMrizka.Nazev, 4, 2);
    jmeno += ".jpg";
    const std::string cesta = s.apCesta + "RYSY/" + jmeno;
    if (cesta == s.SImage || !BezpecnyNazev(jmeno))
        return false;
    if (!obrazky.Load(PictureStore::Target::Picture, cesta))
        return false;
    s.SImage = cesta;
    return true;
}

} // namespace qmr
