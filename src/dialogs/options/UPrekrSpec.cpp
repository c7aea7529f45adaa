#include "dialogs/options/UPrekrSpec.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qmr {

namespace {

// The first n characters of a UTF-8 text.
std::string PrvniZnaky(const std::string &t, std::size_t n)
{
    std::size_t znaku = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) {
            if (znaku == n)
                return t.substr(0, i);
            ++znaku;
        }
    }
    return t;
}

// A whole decimal number (blanks around it and a sign allowed); false otherwise or when
// it does not fit an int.
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
    if (i >= e)
        return false;
    std::int64_t v = 0;
    for (; i < e; ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        v = v * 10 + (t[i] - '0');
        if (v > std::int64_t(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    v = zaporne ? -v : v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    vysledek = int(v);
    return true;
}

} // namespace

// ---- TSpecPrekryvu ----------------------------------------------------------------------

TSpecPrekryvu::TSpecPrekryvu(Session &s, Messages &m) : s_(s), m_(m)
{
    for (PoleSpec p : {PoleSpec::PPL, PoleSpec::PPP, PoleSpec::PPH, PoleSpec::PPD}) {
        SpinPole &f = P(p);
        f.Min = kMinPrekryv;
        f.Max = kMaxPrekryv;
        f.Text = std::to_string(kMinPrekryv);
    }
}

int TSpecPrekryvu::Orizni(int v, int min, int max)
{
    if (min != max) {
        if (v < min)
            return min;
        if (v > max)
            return max;
    }
    return v;
}

int TSpecPrekryvu::Hodnota(PoleSpec p) const
{
    const SpinPole &f = Pole(p);
    int v = 0;
    return CeleCislo(f.Text, v) ? v : f.Min;
}

void TSpecPrekryvu::Nastav(PoleSpec p, int v)
{
    SpinPole &f = P(p);
    const std::string text = std::to_string(Orizni(v, f.Min, f.Max));
    if (text == f.Text)
        return;
    f.Text = text;
    Pravidlo(p);
}

void TSpecPrekryvu::Napis(PoleSpec p, const std::string &text)
{
    SpinPole &f = P(p);
    if (!f.Povoleny)
        return;
    const std::string t = PrvniZnaky(text, kMaxDelka);
    if (t == f.Text)
        return;
    f.Text = t;
    Pravidlo(p);
}

void TSpecPrekryvu::Krok(PoleSpec p, int kroky)
{
    if (!Pole(p).Povoleny)
        return;
    const int krok = p == PoleSpec::Tloustka ? 1 : kKrok;
    Nastav(p, Hodnota(p) + kroky * krok);
}

void TSpecPrekryvu::Opust(PoleSpec p)
{
    const SpinPole &f = Pole(p);
    const int v = Hodnota(p);
    if (Orizni(v, f.Min, f.Max) != v || std::to_string(v) != f.Text)
        Nastav(p, v);
}

void TSpecPrekryvu::OpustVse()
{
    for (const SekceSpec &sekce : sekce_)
        for (const RadekSpec &r : sekce.Radky)
            if (r.Druh == HodnotaSpec::Pole && r.Viditelny)
                Opust(r.Pole);
}

void TSpecPrekryvu::ZakladniRozsah(bool sirka, int &min, int &max) const
{
    const TDVypln &v = s_.SVypln.DVypln;
    min = sirka ? v.MinSirkaF1 : v.MinVyskaF1;
    max = sirka ? v.MaxSirkaF1 : v.MaxVyskaF1;
    const auto druh = [&](int d) {
        return s_.SOPaska1 == d || s_.SOPaska2 == d || s_.SODrazka1 == d || s_.SODrazka2 == d;
    };
    int druhe = 0;
    if (s_.SRamecek1 == 1 || s_.SRamecek2 == 1)
        druhe = sirka ? v.MinSirkaF2 : v.MinVyskaF2;
    else if (s_.SRamecek1 == 2 || s_.SRamecek2 == 2)
        druhe = sirka ? v.MinSirkaF2R2 : v.MinVyskaF2R2;
    else if (druh(1))
        druhe = sirka ? v.MinSirkaF2P1 : v.MinVyskaF2P1;
    else if (druh(2))
        druhe = sirka ? v.MinSirkaF2P2 : v.MinVyskaF2P2;
    if (druhe != 0 && druhe < min)
        min = druhe;
}

std::vector<const TDbarva *> TSpecPrekryvu::DreveneBarvy() const
{
    std::vector<const TDbarva *> barvy;
    const TDbarva &b1 = s_.SBarva1.DBarva;
    const TDbarva &b2 = s_.SBarva2.DBarva;
    if (!(s_.SVypln.DVypln.Special || b1.Drevo == 2 || b2.Drevo == 2))
        return barvy;
    if (!s_.SHPL1 && b1.Drevo > 0)
        barvy.push_back(&b1);
    if (!s_.SHPL2 && b2.Drevo > 0)
        barvy.push_back(&b2);
    return barvy;
}

int TSpecPrekryvu::MezSirky() const { return s_.SBarva1.DBarva.DDekor ? 1130 : 1200; }

// ---- TPrekrSpec --------------------------------------------------------------------------

const std::vector<int> &TPrekrSpec::Tloustky()
{
    static const std::vector<int> t{72, 71, 70, 69, 68, 67, 66, 65, 64, 63, 62, 61, 60, 59,
                                    58, 57, 56, 55, 54, 49, 44, 39, 36, 34, 32, 29, 28, 24};
    return t;
}

TPrekrSpec::TPrekrSpec(Session &s, Messages &m) : TSpecPrekryvu(s, m)
{
    // Ranges of the inner side.
    SpinPole &sir = P(PoleSpec::Sirka);
    SpinPole &vys = P(PoleSpec::Vyska);
    ZakladniRozsah(true, sir.Min, sir.Max);
    ZakladniRozsah(false, vys.Min, vys.Max);
    // A wood colour sets both maxima when it is below either of them; a maximum the
    // catalogue leaves at 0 is no limit.
    for (const TDbarva *b : DreveneBarvy()) {
        const bool nizsi = (b->MaxVF1 > 0 && b->MaxVF1 < vys.Max) || (b->MaxSF1 > 0 && b->MaxSF1 < sir.Max);
        if (!nizsi)
            continue;
        if (b->MaxVF1 > 0)
            vys.Max = b->MaxVF1;
        if (b->MaxSF1 > 0)
            sir.Max = b->MaxSF1;
    }
    w_ = MezSirky();
    vys.Max = std::min(vys.Max, s.MaxVyska);
    sir.Max = std::min(sir.Max, w_);
    sir.Povoleny = vys.Povoleny = !s.FixRozmer;
    P(PoleSpec::Tloustka).Povoleny = false;

    // Rows.
    const auto pole = [](const char *pismeno, const char *text, const char *text2, PoleSpec p) {
        return RadekSpec{pismeno, text, text2, HodnotaSpec::Pole, p, true};
    };
    const auto soucet = [](const char *pismeno, const char *text, const char *text2, HodnotaSpec h) {
        return RadekSpec{pismeno, text, text2, h, PoleSpec::Sirka, true};
    };
    const bool k = s.SHlinik2 || s.SDyha2;
    const std::string rysy = s.apCesta + "RYSY/" + (k ? "1K" : "1H");
    SekceSpec sirka{{kLSirka, true}, {rysy + "PrekrH.jpg", "", true, false}, {}};
    sirka.Radky = {soucet("A", kTextA, kVnejsi, HodnotaSpec::CSirka),
                   pole("B", kTextB, "", PoleSpec::Sirka),
                   pole("C", kTextC, kPohledZvenku, PoleSpec::PPP),
                   pole("D", kTextD, kPohledZvenku, PoleSpec::PPL),
                   soucet("Z", kTextZ, "", HodnotaSpec::ListZesil)};
    SekceSpec vyska{{kLVyska, true}, {rysy + "PrekrL.jpg", "", true, false}, {}};
    vyska.Radky = {soucet("E", kTextE, kVnejsi, HodnotaSpec::CVyska),
                   pole("F", kTextF, "", PoleSpec::Vyska),
                   pole("G", kTextG, "", PoleSpec::PPD),
                   pole("H", kTextH, "", PoleSpec::PPH)};
    sekce_ = {std::move(sirka), std::move(vyska)};

    // Start values: the size, then the overlays confirmed before; each runs its rule.
    Nastav(PoleSpec::Sirka, s.SSirka);
    Nastav(PoleSpec::Vyska, s.SVyska);
    if (s.PrekryvVybran) {
        Nastav(PoleSpec::PPL, Prekryv(s.PVL));
        Nastav(PoleSpec::PPP, Prekryv(s.PVP));
        Nastav(PoleSpec::PPH, Prekryv(s.PVH));
        Nastav(PoleSpec::PPD, Prekryv(s.PVD));
    }

    // Thickness list: the thinnest row, or the current thickness when thickened.
    for (int t : Tloustky())
        listZesil_.Polozky.push_back(std::to_string(t));
    listZesil_.Viditelny = true;
    listZesil_.Povoleny = true;
    listZesil_.Index = int(Tloustky().size()) - 1;
    if (s.Zesilena) {
        const auto it = std::find(Tloustky().begin(), Tloustky().end(), s.CTloustka);
        listZesil_.Index = it == Tloustky().end() ? -1 : int(it - Tloustky().begin());
    }
}

int TPrekrSpec::CSirka() const { return Hodnota(PoleSpec::Sirka) + Hodnota(PoleSpec::PPL) + Hodnota(PoleSpec::PPP); }
int TPrekrSpec::CVyska() const { return Hodnota(PoleSpec::Vyska) + Hodnota(PoleSpec::PPD) + Hodnota(PoleSpec::PPH); }

void TPrekrSpec::Pravidlo(PoleSpec p)
{
    const int sirka = Hodnota(PoleSpec::Sirka), vyska = Hodnota(PoleSpec::Vyska);
    const int ppl = Hodnota(PoleSpec::PPL), ppp = Hodnota(PoleSpec::PPP);
    const int pph = Hodnota(PoleSpec::PPH), ppd = Hodnota(PoleSpec::PPD);
    switch (p) {
    case PoleSpec::PPL:
        if (sirka + ppl + ppp > w_)
            Nastav(PoleSpec::PPL, w_ - sirka - ppp);
        break;
    case PoleSpec::PPP:
        if (sirka + ppl + ppp > w_)
            Nastav(PoleSpec::PPP, w_ - sirka - ppl);
        break;
    case PoleSpec::Sirka:
        if (sirka + ppl + ppp > w_)
            Nastav(PoleSpec::Sirka, w_ - ppl - ppp);
        break;
    case PoleSpec::PPH:
        if (vyska + pph + ppd > kMaxVyskaCelkem)
            Nastav(PoleSpec::PPH, kMaxVyskaCelkem - vyska - ppd);
        break;
    case PoleSpec::PPD:
        if (vyska + pph + ppd > kMaxVyskaCelkem)
            Nastav(PoleSpec::PPD, kMaxVyskaCelkem - vyska - pph);
        break;
    case PoleSpec::Vyska:
        if (vyska + pph + ppd > s_.MaxVyskaP1)
            Nastav(PoleSpec::Vyska, s_.MaxVyskaP1 - pph - ppd);
        break;
    case PoleSpec::Tloustka:
        break;
    }
}

void TPrekrSpec::VyberZesil(int i)
{
    if (i >= 0 && i < int(listZesil_.Polozky.size()))
        listZesil_.Index = i;
}

int TPrekrSpec::Potvrd()
{
    if (!OKPovoleno())
        return 0;
    OpustVse();
    s_.RozmerVybran = true;
    s_.PrekryvVybran = true;
    s_.SVyska = Hodnota(PoleSpec::Vyska);
    s_.SSirka = Hodnota(PoleSpec::Sirka);
    s_.PVL = Hodnota(PoleSpec::PPL);
    s_.PVP = Hodnota(PoleSpec::PPP);
    s_.PVH = Hodnota(PoleSpec::PPH);
    s_.PVD = Hodnota(PoleSpec::PPD);
    const int stary = s_.SZesil;
    s_.IndZesil = listZesil_.Index;
    s_.SZesil = Tloustky()[std::size_t(listZesil_.Index)] - s_.PomTloustka;
    s_.Zesilena = s_.SZesil > 0;
    if (s_.SZesil != stary)
        s_.DekoryVybrany = false;
    return kVysledekOK;
}

} // namespace qmr
