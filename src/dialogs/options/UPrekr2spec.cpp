#include "dialogs/options/UPrekr2spec.h"

#include <algorithm>

namespace qmr {

TPrekr2spec::TPrekr2spec(Session &s, Messages &m) : TSpecPrekryvu(s, m), vyska_(s.SStrana == 2)
{
    // Range of the pass's dimension.
    SpinPole &sir = P(PoleSpec::Sirka);
    ZakladniRozsah(!vyska_, sir.Min, sir.Max);
    // Wood colours lower the maximum of the pass; a maximum left at 0 is no limit.
    for (const TDbarva *b : DreveneBarvy()) {
        const int max = vyska_ ? b->MaxVF1 : b->MaxSF1;
        if (max > 0 && max < sir.Max)
            sir.Max = max;
    }
    sir.Max = std::min(sir.Max, vyska_ ? s.MaxVyska : MezSirky());
    sir.Povoleny = !s.FixRozmer;
    P(PoleSpec::Vyska).Povoleny = false;
    l1_ = vyska_ ? s.MaxVyskaP1 : s.MaxSirkaP1;
    l2_ = vyska_ ? s.MaxVyskaP2 : s.MaxSirkaP2;

    SpinPole &tl = P(PoleSpec::Tloustka);
    tl.Min = kMinTloustka;
    tl.Max = kMaxTloustka;
    tl.Povoleny = !vyska_;

    // Rows.
    const auto pole = [](const char *pismeno, const char *text, const char *text2, PoleSpec p) {
        return RadekSpec{pismeno, text, text2, HodnotaSpec::Pole, p, true};
    };
    const auto soucet = [](const char *pismeno, const char *text, const char *text2, HodnotaSpec h) {
        return RadekSpec{pismeno, text, text2, h, PoleSpec::Sirka, true};
    };
    SekceSpec sekce;
    if (!vyska_) {
        sekce.Nadpis = {kSirka, true};
        sekce.Obraz = {s.apCesta + "RYSY/2PrekrH.jpg", "", true, false};
        sekce.Radky = {soucet("A1", kSirkaPrekr, kVnejsi, HodnotaSpec::CSirka),
                       pole("B", kSirkaVnitrni, "", PoleSpec::Sirka),
                       pole("C1", kSirkaPrava, kPohledZvenku, PoleSpec::PPP),
                       pole("D1", kSirkaLeva, kPohledZvenku, PoleSpec::PPL),
                       soucet("A2", kSirkaPrekr, kVnitrni, HodnotaSpec::CVyska),
                       pole("C2", kSirkaPrava, kPohledZevnitr, PoleSpec::PPH),
                       pole("D2", kSirkaLeva, kPohledZevnitr, PoleSpec::PPD),
                       pole("Z", kTextZ, "", PoleSpec::Tloustka)};
    } else {
        sekce.Nadpis = {kVyska, true};
        sekce.Obraz = {s.apCesta + "RYSY/2PrekrL.jpg", "", true, false};
        RadekSpec z = pole("Z", kTextZ, "", PoleSpec::Tloustka);
        z.Viditelny = false;
        sekce.Radky = {soucet("E1", kVyskaPrekr, kVnejsi, HodnotaSpec::CSirka),
                       pole("F", kVyskaVnitrni, "", PoleSpec::Sirka),
                       pole("G1", kVyskaDolni, "", PoleSpec::PPP),
                       pole("H1", kVyskaHorni, "", PoleSpec::PPL),
                       soucet("E2", kVyskaPrekr, kVnitrni, HodnotaSpec::CVyska),
                       pole("G2", kVyskaDolni, "", PoleSpec::PPH),
                       pole("H2", kVyskaHorni, "", PoleSpec::PPD),
                       z};
    }
    sekce_ = {std::move(sekce)};

    // Start values: the dimension, then the overlays of the side confirmed before; each
    // runs its rule.
    Nastav(PoleSpec::Sirka, vyska_ ? s.SVyska : s.SSirka);
    if (!vyska_ && s.PrekryvVybran) {
        Nastav(PoleSpec::PPL, Prekryv(s.PVL));
        Nastav(PoleSpec::PPP, Prekryv(s.PVP));
        Nastav(PoleSpec::PPH, Prekryv(s.PVL2));
        Nastav(PoleSpec::PPD, Prekryv(s.PVP2));
    } else if (vyska_ && s.Prekryv2Vybran) {
        Nastav(PoleSpec::PPL, Prekryv(s.PVH));
        Nastav(PoleSpec::PPP, Prekryv(s.PVD));
        Nastav(PoleSpec::PPH, Prekryv(s.PVD2));
        Nastav(PoleSpec::PPD, Prekryv(s.PVH2));
    }
    if (!vyska_)
        Nastav(PoleSpec::Tloustka, s.STloustka);
}

int TPrekr2spec::CSirka() const { return Hodnota(PoleSpec::Sirka) + Hodnota(PoleSpec::PPL) + Hodnota(PoleSpec::PPP); }
int TPrekr2spec::CVyska() const { return Hodnota(PoleSpec::Sirka) + Hodnota(PoleSpec::PPD) + Hodnota(PoleSpec::PPH); }

void TPrekr2spec::Pravidlo(PoleSpec p)
{
    const int sirka = Hodnota(PoleSpec::Sirka);
    const int ppl = Hodnota(PoleSpec::PPL), ppp = Hodnota(PoleSpec::PPP);
    const int pph = Hodnota(PoleSpec::PPH), ppd = Hodnota(PoleSpec::PPD);
    switch (p) {
    case PoleSpec::PPL:
        if (sirka + ppl + ppp > l1_)
            Nastav(PoleSpec::PPL, l1_ - sirka - ppp);
        break;
    case PoleSpec::PPP:
        if (sirka + ppl + ppp > l1_)
            Nastav(PoleSpec::PPP, l1_ - sirka - ppl);
        break;
    case PoleSpec::PPH:
        if (sirka + pph + ppd > l2_)
            Nastav(PoleSpec::PPH, l2_ - sirka - ppd);
        break;
    case PoleSpec::PPD:
        if (sirka + pph + ppd > l2_)
            Nastav(PoleSpec::PPD, l2_ - sirka - pph);
        break;
    case PoleSpec::Sirka:
        // The panel dimension is held to both sides: the outer total to L1, the inner
        // total to L2.
        if (sirka + ppl + ppp > l1_ || sirka + pph + ppd > l2_)
            Nastav(PoleSpec::Sirka, std::min(l1_ - ppl - ppp, l2_ - pph - ppd));
        break;
    case PoleSpec::Vyska:
    case PoleSpec::Tloustka:
        break;
    }
}

int TPrekr2spec::Potvrd()
{
    OpustVse();
    s_.RozmerVybran = true;
    s_.PrekryvVybran = true;
    const int sirka = Hodnota(PoleSpec::Sirka);
    const int ppl = Hodnota(PoleSpec::PPL), ppp = Hodnota(PoleSpec::PPP);
    const int pph = Hodnota(PoleSpec::PPH), ppd = Hodnota(PoleSpec::PPD);
    if (!vyska_) {
        s_.SSirka = sirka;
        s_.PVP = ppp;
        s_.PVL = ppl;
        s_.PVL2 = pph;
        s_.PVP2 = ppd;
        s_.STloustka = Hodnota(PoleSpec::Tloustka);
    } else {
        s_.SVyska = sirka;
        s_.PVD = ppp;
        s_.PVH = ppl;
        s_.PVD2 = pph;
        s_.PVH2 = ppd;
    }
    return kVysledekOK;
}

} // namespace qmr
