#include "dialogs/options/UPrekryv.h"

#include "dialogs/options/UPrekrSpec.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace qmr {

namespace {

// Rounds halves to even.
int Z(double x) { return static_cast<int>(std::nearbyint(x)); }

int Orizni(const SpinPole &p, int v) { return TSpecPrekryvu::Orizni(v, p.Min, p.Max); }

bool CeleCislo(const std::string &t, int &vysledek)
{
    std::size_t i = 0, e = t.size();
    while (i < e && t[i] == ' ')
        ++i;
    while (e > i && t[e - 1] == ' ')
        --e;
    bool zaporne = false;
    if (i < e && (t[i] == '+' || t[i] == '-'))
        zaporne = t[i++] == '-';
    if (i >= e || e - i > 9)
        return false;
    int v = 0;
    for (; i < e; ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        v = v * 10 + (t[i] - '0');
    }
    vysledek = zaporne ? -v : v;
    return true;
}

int Hodnota(const SpinPole &p)
{
    int v = 0;
    return CeleCislo(p.Text, v) ? v : p.Min;
}

} // namespace

const char *TVPrekryv::Jmeno(Kotva k)
{
    static const char *const jmena[kPocetKotev] = {"G1", "G2", "D1", "D2", "L1", "L2",
                                                   "L3", "L4", "P1", "P2", "P3", "P4"};
    return jmena[Ix(k)];
}

TVPrekryv::TVPrekryv(Session &s, Messages &m, int sirkaSkla, int vyskaSkla)
    : s_(s), m_(m), sirkaSkla_(sirkaSkla), vyskaSkla_(vyskaSkla)
{
    // Caption and the side shown.
    titulek_ = s.SDyha2 ? kTitulekDyha : kTitulek;
    textStrana_ = {"", true};
    if (!(s.SHlinik2 || s.SDyha2 || s.SGlas)) {
        titulek_ += std::string(" ") + kStranaVnejsi;
        if (s.SPrekryv > 1)
            textStrana_.Text = kTextStrana2;
    }
    label1_ = {kSirka + std::to_string(s.SSirka) + " mm", true};
    label2_ = {kVyska + std::to_string(s.SVyska) + " mm", true};

    // Overall limits.
    maxSirka_ = (s.SHlinik || s.SHlinik2) && s.SBarva1.DBarva.DDekor ? 1130 : 1200;
    minSirka_ = s.SGlas ? 850 : 0;
    minVyska_ = s.SGlas ? 1950 : 0;

    // Ranges of the points.
    const int pul = PulRound(s.SSirka);
    const int q = Z(s.SVyska / 4.0);
    const auto rozsah = [this](Kotva k, int min, int max) {
        SpinPole &p = kotvy_[Ix(k)];
        p.Min = min;
        p.Max = max;
    };
    rozsah(Kotva::H1, kOdstup, pul - kOdstup);
    rozsah(Kotva::D1, kOdstup, pul - kOdstup);
    rozsah(Kotva::H2, pul + kOdstup, s.SSirka - kOdstup);
    rozsah(Kotva::D2, pul + kOdstup, s.SSirka - kOdstup);
    const int strany[2][4] = {{int(Kotva::L1), int(Kotva::L2), int(Kotva::L3), int(Kotva::L4)},
                              {int(Kotva::P1), int(Kotva::P2), int(Kotva::P3), int(Kotva::P4)}};
    for (const auto &strana : strany) {
        rozsah(Kotva(strana[0]), kOdstup, q - kOdstup);
        rozsah(Kotva(strana[1]), q, 2 * q - kOdstup);
        rozsah(Kotva(strana[2]), 2 * q, 3 * q - kOdstup);
        rozsah(Kotva(strana[3]), 3 * q, s.SVyska - kOdstup);
    }
    nVys_ = Z(s.SVyska / 5.0);

    for (SpinPole &p : prekryvy_) {
        p.Min = kMinPrekryv;
        p.Max = kMaxPrekryv;
        p.Text = std::to_string(kMinPrekryv);
    }
    for (int i = 0; i < kPocetKotev; ++i)
        ulozene_[std::size_t(i)] = Ulozena(Kotva(i));

    // Start values.
    if (s.PrekryvVybran) {
        const int pv[4] = {s.PVL, s.PVP, s.PVH, s.PVD};
        for (int i = 0; i < 4; ++i) {
            if (pv[i] > 9)
                NastavPrekryv(StranaPrekryvu(i), pv[i]);
            pom_[std::size_t(i)] = Z(PrekryvMm(StranaPrekryvu(i)) / 5.0);
        }
        for (int i = 0; i < kPocetKotev; ++i) {
            const int v = ulozene_[std::size_t(i)];
            NastavKotvu(Kotva(i), v >= 10 ? v : Standard(Kotva(i)));
        }
    } else {
        pom_ = {2, 2, 2, 2};
        NicButtonClick();
    }
}

int TVPrekryv::Ulozena(Kotva k) const
{
    const int v[kPocetKotev] = {s_.KotH1, s_.KotH2, s_.KotD1, s_.KotD2, s_.KotL1, s_.KotL2,
                                s_.KotL3, s_.KotL4, s_.KotP1, s_.KotP2, s_.KotP3, s_.KotP4};
    return v[Ix(k)];
}

int TVPrekryv::Standard(Kotva k) const
{
    switch (k) {
    case Kotva::H1:
    case Kotva::D1:
    case Kotva::L1:
    case Kotva::P1:
        return kStandard;
    case Kotva::H2:
    case Kotva::D2:
        return s_.SSirka - kStandard;
    case Kotva::L2:
    case Kotva::P2:
        return 2 * nVys_;
    case Kotva::L3:
    case Kotva::P3:
        return 3 * nVys_;
    case Kotva::L4:
    case Kotva::P4:
        return s_.SVyska - kStandard;
    }
    return 0;
}

int TVPrekryv::Hodnota(Kotva k) const { return qmr::Hodnota(Pole(k)); }
int TVPrekryv::PrekryvMm(StranaPrekryvu p) const { return qmr::Hodnota(Prekryv(p)); }

void TVPrekryv::NastavKotvu(Kotva k, int v)
{
    SpinPole &p = kotvy_[Ix(k)];
    p.Text = std::to_string(Orizni(p, v));
}

void TVPrekryv::Napis(Kotva k, const std::string &text)
{
    SpinPole &p = kotvy_[Ix(k)];
    p.Text = text.size() > 4 ? text.substr(0, 4) : text;
}

void TVPrekryv::Krok(Kotva k, int kroky) { NastavKotvu(k, Hodnota(k) + kroky * kKrok); }

void TVPrekryv::Opust(Kotva k) { NastavKotvu(k, Hodnota(k)); }

void TVPrekryv::NastavPrekryv(StranaPrekryvu p, int mm)
{
    SpinPole &f = prekryvy_[Ix(p)];
    const std::string text = std::to_string(Orizni(f, mm));
    if (text == f.Text)
        return;
    f.Text = text;
    Pravidlo(p);
}

void TVPrekryv::Pravidlo(StranaPrekryvu p)
{
    const bool vodorovne = p == StranaPrekryvu::Leva || p == StranaPrekryvu::Prava;
    const StranaPrekryvu druha = p == StranaPrekryvu::Leva    ? StranaPrekryvu::Prava
                                 : p == StranaPrekryvu::Prava ? StranaPrekryvu::Leva
                                 : p == StranaPrekryvu::Horni ? StranaPrekryvu::Dolni
                                                              : StranaPrekryvu::Horni;
    const int rozmer = vodorovne ? s_.SSirka : s_.SVyska;
    const int min = vodorovne ? minSirka_ : minVyska_;
    const int max = vodorovne ? maxSirka_ : kMaxVyskaCelkem;
    const int tato = PrekryvMm(p), jina = PrekryvMm(druha);
    if (tato + rozmer + jina < min)
        NastavPrekryv(p, min - rozmer - jina);
    else if (tato + rozmer + jina > max)
        NastavPrekryv(p, max - rozmer - jina);
    pom_[Ix(p)] = Z(PrekryvMm(p) / 5.0);
}

void TVPrekryv::NicButtonClick()
{
    for (int i = 0; i < kPocetKotev; ++i)
        NastavKotvu(Kotva(i), Standard(Kotva(i)));
    if (s_.SGlas) {
        Pravidlo(StranaPrekryvu::Dolni);
        Pravidlo(StranaPrekryvu::Prava);
    }
}

int TVPrekryv::Potvrd()
{
    if (s_.SGlas) {
        Pravidlo(StranaPrekryvu::Leva);
        Pravidlo(StranaPrekryvu::Horni);
    }
    for (int i = 0; i < kPocetKotev; ++i)
        Opust(Kotva(i));
    s_.PrekryvVybran = true;
    s_.PVL = PrekryvMm(StranaPrekryvu::Leva);
    s_.PVP = PrekryvMm(StranaPrekryvu::Prava);
    s_.PVH = PrekryvMm(StranaPrekryvu::Horni);
    s_.PVD = PrekryvMm(StranaPrekryvu::Dolni);
    int *kot[kPocetKotev] = {&s_.KotH1, &s_.KotH2, &s_.KotD1, &s_.KotD2, &s_.KotL1, &s_.KotL2,
                             &s_.KotL3, &s_.KotL4, &s_.KotP1, &s_.KotP2, &s_.KotP3, &s_.KotP4};
    for (int i = 0; i < kPocetKotev; ++i)
        *kot[i] = Hodnota(Kotva(i));
    return kVysledekOK;
}

Tvar TVPrekryv::VyplnTvar() const
{
    const Tvar podklad{112, 33, 240, 480, true};
    Tvar v;
    v.Width = Z(s_.SSirka / 5.0);
    v.Height = Z(s_.SVyska / 5.0);
    const int leva = pom_[Ix(StranaPrekryvu::Leva)], prava = pom_[Ix(StranaPrekryvu::Prava)];
    v.Left = s_.SExcentr && s_.SPrava ? podklad.Left + podklad.Width - v.Width - prava - leva
                                      : podklad.Left + leva;
    v.Top = podklad.Top + pom_[Ix(StranaPrekryvu::Horni)];
    v.Viditelny = true;
    return v;
}

RozlozeniPrekryvu TVPrekryv::Rozlozeni() const
{
    RozlozeniPrekryvu r;
    r.Podklad = {112, 33, 240, 480, true};
    const Tvar &pod = r.Podklad;
    r.Vypln = VyplnTvar();
    const Tvar &v = r.Vypln;
    const int leva = pom_[Ix(StranaPrekryvu::Leva)], prava = pom_[Ix(StranaPrekryvu::Prava)];
    const int horni = pom_[Ix(StranaPrekryvu::Horni)], dolni = pom_[Ix(StranaPrekryvu::Dolni)];
    r.Orez = {v.Left - leva, v.Top - horni, leva + v.Width + prava, horni + s_.SVyska / 5 + dolni, true};

    // Markers centred on their points.
    for (int i = 0; i < kPocetKotev; ++i) {
        const Kotva k = Kotva(i);
        const int h = Hodnota(k);
        Tvar &z = r.Znacky[std::size_t(i)];
        z.Width = z.Height = 20;
        z.Viditelny = true;
        switch (k) {
        case Kotva::H1:
        case Kotva::H2:
        case Kotva::D1:
        case Kotva::D2:
            z.Left = v.Left + Z(h / 5.0) - 10;
            z.Top = (k == Kotva::H1 || k == Kotva::H2) ? v.Top - 10 : v.Top + v.Height - 10;
            break;
        default:
            z.Top = v.Top + Z((s_.SVyska - h) / 5.0) - 10;
            z.Left = i < int(Kotva::P1) ? v.Left - 10 : v.Left + v.Width - 10;
            break;
        }
    }

    // Glass picture, placed like the panel's glazing.
    const bool profilSCarami = s_.Carame && (s_.SZetkova || s_.SEnkova);
    const std::string &kod = s_.SVypln.DVypln.Kod;
    const bool bezSkla = kod == "K0" || kod == "B0" || kod == "D0" || kod == "W0";
    Tvar &g = r.Skla;
    g.Width = sirkaSkla_;
    g.Height = vyskaSkla_;
    g.Viditelny = !profilSCarami && !bezSkla && sirkaSkla_ > 0 && vyskaSkla_ > 0;
    if (!s_.SExcentr || s_.SDvojbarva)
        g.Left = std::max(v.Left + Z((v.Width - g.Width) * s_.SHPomer), pod.Left);
    else if (s_.SPrava)
        g.Left = v.Left + v.Width - g.Width - 12;
    else
        g.Left = v.Left + 12;
    g.Top = std::max(v.Top + Z((v.Height - g.Height) * s_.SVPomer), pod.Top);
    r.Zakryt = {g.Left - 1, g.Top - 1, g.Width + 1, g.Height + 1, g.Viditelny};

    // Profile lines of a Z- or N-profile panel, of a standard 1000 x 2200 mm panel
    // centred on the real one.
    if (profilSCarami) {
        const TCary &c = s_.SCary;
        const double ppl = PrekryvMm(StranaPrekryvu::Leva), ppp = PrekryvMm(StranaPrekryvu::Prava);
        const double pph = PrekryvMm(StranaPrekryvu::Horni), ppd = PrekryvMm(StranaPrekryvu::Dolni);
        const double K = (1000 - s_.SSirka) / 10.0;
        const double T = (2200 - s_.SVyska) / 10.0;
        const int nH = std::clamp(c.HPocet, 0, 6), nV = std::clamp(c.VPocet, 0, 6);
        for (int i = 1; i <= nH; ++i) {
            Tvar &l = r.PH[std::size_t(i - 1)];
            l.Viditelny = true;
            l.Top = pod.Top + Z((pph + ppd + 2200) / 5) - Z(T) - Z(ppd / 5 + c.Hpos[std::size_t(i)] / 5.0);
            l.Height = Z(c.Tloustka / 5.0);
            const int rel = c.Hrel[std::size_t(i)];
            if (rel >= 100) {
                l.Left = pod.Left;
                l.Width = Z((ppl + ppp + s_.SSirka) / 5);
            } else if (c.Hneg[std::size_t(i)]) {
                l.Width = Z(ppp / 5 + 2.0 * rel) - Z(K);
                l.Left = pod.Left + Z((ppl + ppp + 1000) / 5) - Z(ppp / 5 + 2.0 * rel) - Z(K);
            } else {
                l.Left = pod.Left;
                l.Width = Z(ppl / 5 + 2.0 * rel - Z(K));
            }
        }
        const int pvLeft[6] = {s_.PV1Left, s_.PV2Left, s_.PV3Left, s_.PV4Left, s_.PV5Left, s_.PV6Left};
        for (int i = 1; i <= nV; ++i) {
            Tvar &l = r.PV[std::size_t(i - 1)];
            l.Viditelny = true;
            l.Top = r.Orez.Top;
            l.Height = r.Orez.Height;
            l.Left = v.Left + pvLeft[i - 1] - s_.RantlLeft;
            l.Width = Z(c.Tloustka / 5.0);
        }
    }
    return r;
}

} // namespace qmr
