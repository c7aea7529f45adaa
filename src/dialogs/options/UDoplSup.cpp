#include "dialogs/options/UDoplSup.h"

#include "core/Funkce.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qmr {

namespace {

// Rounds halves to even.
int Z(double x) { return static_cast<int>(std::nearbyint(x)); }

constexpr int kOkraj = 10;
constexpr int kVyplnTop = 40;
constexpr int kBezObrazku = 20; // margin around the outline when there is no drawing
constexpr int kZnacka = 20;     // marker diameter
constexpr int kRadek = 100;     // height of a slot row
constexpr int kSloupec = 30;    // gap between the sketch and the slot rows
constexpr int kTlacitkoVyska = 26;

TDDoplnek &Doplnek(Session &s, int i)
{
    TODoplnek *d[] = {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4};
    return d[i]->DDoplnek;
}

// A field's text as its value: no number reads as the minimum; held to the range.
int Hodnota(const std::string &text, const PolePozice &p)
{
    const std::string t = Trim(text);
    int v = p.Min;
    const char *konec = t.data() + t.size();
    const auto [kde, chyba] = std::from_chars(t.data(), konec, v);
    if (t.empty() || chyba != std::errc() || kde != konec)
        v = p.Min;
    return std::clamp(v, p.Min, p.Max);
}

} // namespace

unsigned TVDoplSup::Barva(int i)
{
    static constexpr unsigned barvy[kSlotu] = {0x00FFFF, 0xFF00FF, 0xFFFF00, 0x00FF00};
    return barvy[std::clamp(i, 0, kSlotu - 1)];
}

TVDoplSup::TVDoplSup(Session &s, int sirkaObrazku, int vyskaObrazku, int sirkaSkla, int vyskaSkla) : s_(s)
{
    rozloz(sirkaObrazku, vyskaObrazku, sirkaSkla, vyskaSkla);
    for (int i = 0; i < kSlotu; ++i) {
        const TDDoplnek &d = Doplnek(s, i);
        SlotUmisteni &sl = sloty_[std::size_t(i)];
        sl.Nabizen = d.Polozka >= 0 && d.Namontovat && !d.AutoMontaz && !(i == 0 && s.SOMrizka != 0);
        sl.Madlo = sl.Nabizen && d.MadloVert;
        sl.Jmeno = d.Nazev;
        sl.Zleva = {0, kOkrajPozice, std::max(kOkrajPozice, s.SSirka - kOkrajPozice)};
        const int minZdola = kOkrajPozice + (sl.Madlo ? d.VzdVert : 0);
        sl.Zdola = {0, minZdola, std::max(minZdola, s.SVyska - kOkrajPozice)};
        sl.Umisten = sl.Nabizen && d.Umisten;
        if (sl.Umisten) {
            sl.Zleva.Hodnota = std::clamp(d.Zleva, sl.Zleva.Min, sl.Zleva.Max);
            sl.Zdola.Hodnota = std::clamp(d.Zdola, sl.Zdola.Min, sl.Zdola.Max);
        } else {
            vychozi(i);
        }
        obnovSlot(i);
    }
    enableOk();
}

void TVDoplSup::rozloz(int sirkaObrazku, int vyskaObrazku, int sirkaSkla, int vyskaSkla)
{
    const Session &s = s_;
    RozlozeniUmisteni &r = r_;
    r.Nadpis = {kOkraj, 8, 420, 20, true};
    r.Rantl.Width = Z(s.SSirka / 5.0);
    r.Rantl.Height = Z(s.SVyska / 5.0);
    r.Rantl.Viditelny = true;
    r.RantlTeckovany = s.SPrekryvna;

    Tvar &V = r.Vypln;
    V.Left = kOkraj;
    V.Top = kVyplnTop;
    if (sirkaObrazku > 0 && vyskaObrazku > 0) {
        V.Width = s.SFormat == 2 ? kSirkaF2 : sirkaObrazku;
        V.Height = vyskaObrazku;
        V.Viditelny = true;
    } else {
        V.Width = r.Rantl.Width + 2 * kBezObrazku;
        V.Height = r.Rantl.Height + 2 * kBezObrazku;
        V.Viditelny = false;
    }

    Tvar &R = r.Rantl;
    if (!s.SExcentr || s.SDvojbarva)
        R.Left = V.Left + Z((V.Width - R.Width) * s.SHPomer);
    else if (s.SPrava)
        R.Left = V.Right() - R.Width;
    else
        R.Left = V.Left;
    R.Top = V.Top + Z((V.Height - R.Height) * s.SVPomer);
    if (sirkaObrazku <= 0 || vyskaObrazku <= 0) {
        R.Left = V.Left + kBezObrazku;
        R.Top = V.Top + kBezObrazku;
    }

    Tvar &G = r.Skla;
    G.Width = sirkaSkla;
    G.Height = vyskaSkla;
    G.Viditelny = s.SPrekryvna && s.VidimPomRys && sirkaSkla > 0 && vyskaSkla > 0;
    if (!s.SExcentr || s.SDvojbarva)
        G.Left = R.Left + Z((R.Width - G.Width) * s.SHPomer);
    else if (s.SPrava)
        G.Left = R.Right() - G.Width - 1;
    else
        G.Left = R.Left + 12;
    G.Top = R.Top + Z((R.Height - G.Height) * s.SVPomer);

    const int tl = s.SCary.Tloustka / 5;
    const int phLeft[] = {s.PH1Left, s.PH2Left, s.PH3Left, s.PH4Left, s.PH5Left, s.PH6Left};
    const int phTop[] = {s.PH1Top, s.PH2Top, s.PH3Top, s.PH4Top, s.PH5Top, s.PH6Top};
    const int phSir[] = {s.PH1Sir, s.PH2Sir, s.PH3Sir, s.PH4Sir, s.PH5Sir, s.PH6Sir};
    const int pvLeft[] = {s.PV1Left, s.PV2Left, s.PV3Left, s.PV4Left, s.PV5Left, s.PV6Left};
    for (int n = 0; n < 6; ++n) {
        Tvar &h = r.PH[std::size_t(n)];
        h = {R.Left + phLeft[n] - s.RantlLeft, R.Top + phTop[n] - s.RantlTop, phSir[n], tl,
             s.Carame && n < s.SCary.HPocet};
        Tvar &v = r.PV[std::size_t(n)];
        v = {R.Left + pvLeft[n] - s.RantlLeft, R.Top, tl, R.Height, s.Carame && n < s.SCary.VPocet};
    }

    r.VOsa = {R.Left + R.Width / 2, V.Top, 1, V.Height, true};
    r.HOsa = {V.Left, R.Top + R.Height / 2, V.Width, 1, true};
    r.Nula = {R.Left, R.Bottom()};
    r.Maxa = {R.Right(), R.Top};

    // The slot rows right of the sketch.
    const int x0 = std::max({V.Right(), R.Right(), G.Viditelny ? G.Right() : 0}) + kSloupec;
    for (int i = 0; i < kSlotu; ++i) {
        const int y = kVyplnTop + i * kRadek;
        const std::size_t k = std::size_t(i);
        r.Paleta[k] = {x0, y, kZnacka, kZnacka, true};
        r.Jmeno[k] = {x0 + 30, y, 270, 20, true};
        r.PopisZleva[k] = {x0 + 30, y + 28, 50, 20, true};
        r.PoleZleva[k] = {x0 + 80, y + 26, 70, 24, true};
        r.PopisZdola[k] = {x0 + 160, y + 28, 45, 20, true};
        r.PoleZdola[k] = {x0 + 205, y + 26, 70, 24, true};
        r.Misto[k] = {x0 + 30, y + 54, 270, 20, true};
    }
    r.Sirka = x0 + 310;
    const int dole = std::max({V.Bottom(), R.Bottom() + 20, kVyplnTop + kSlotu * kRadek});
    const int yb = dole + 16;
    r.NicButton = {kOkraj, yb, 180, kTlacitkoVyska, true};
    r.EscButton = {r.Sirka - kOkraj - 84, yb, 84, kTlacitkoVyska, true};
    r.OKButton = {r.EscButton.Left - 8 - 84, yb, 84, kTlacitkoVyska, true};
    r.Vyska = yb + kTlacitkoVyska + kOkraj;
}

std::string TVDoplSup::Maxa() const
{
    return "{" + std::to_string(s_.SSirka) + ";" + std::to_string(s_.SVyska) + "}--->";
}

void TVDoplSup::vychozi(int i)
{
    SlotUmisteni &sl = sloty_[std::size_t(i)];
    sl.Zleva.Hodnota = std::clamp(kOkrajPozice, sl.Zleva.Min, sl.Zleva.Max);
    sl.Zdola.Hodnota = std::clamp(kOkrajPozice + 100 * i, sl.Zdola.Min, sl.Zdola.Max);
}

void TVDoplSup::obnovSlot(int i)
{
    SlotUmisteni &sl = sloty_[std::size_t(i)];
    const Tvar &R = r_.Rantl;
    // An unplaced marker waits in its row; a placed one is centred on its position.
    if (sl.Umisten) {
        sl.Shape = {R.Left + Z(sl.Zleva.Hodnota / 5.0) - kZnacka / 2,
                    R.Top + Z((s_.SVyska - sl.Zdola.Hodnota) / 5.0) - kZnacka / 2, kZnacka, kZnacka, sl.Nabizen};
    } else {
        sl.Shape = r_.Paleta[std::size_t(i)];
        sl.Shape.Viditelny = sl.Nabizen;
    }
    const int vzd = Doplnek(s_, i).VzdVert / 5;
    const bool madlo = sl.Madlo && sl.Umisten;
    sl.MShape = {sl.Shape.Left, sl.Shape.Top + vzd, kZnacka, kZnacka, madlo};
    sl.SShape = {sl.Shape.Left + 5, sl.Shape.Top + 10, 10, vzd, madlo};
    sl.DOsa = {sl.Shape.Left + 10, sl.Shape.Top + 10, 1, vzd, madlo};
    sl.Misto = sl.Madlo ? "(" + std::to_string(sl.Zleva.Hodnota) + " / " +
                              std::to_string(sl.Zdola.Hodnota - Doplnek(s_, i).VzdVert) + ")"
                        : std::string();
}

void TVDoplSup::enableOk()
{
    ok_ = std::all_of(sloty_.begin(), sloty_.end(), [](const SlotUmisteni &sl) { return !sl.Nabizen || sl.Umisten; });
}

void TVDoplSup::Zmena(int i, bool zleva, const std::string &text)
{
    if (i < 0 || i >= kSlotu || !sloty_[std::size_t(i)].Nabizen)
        return;
    SlotUmisteni &sl = sloty_[std::size_t(i)];
    PolePozice &p = zleva ? sl.Zleva : sl.Zdola;
    p.Hodnota = Hodnota(text, p);
    sl.Umisten = true;
    obnovSlot(i);
    enableOk();
}

void TVDoplSup::NastavPozici(int i, int zleva, int zdola)
{
    if (i < 0 || i >= kSlotu || !sloty_[std::size_t(i)].Nabizen)
        return;
    SlotUmisteni &sl = sloty_[std::size_t(i)];
    sl.Zleva.Hodnota = std::clamp(zleva, sl.Zleva.Min, sl.Zleva.Max);
    sl.Zdola.Hodnota = std::clamp(zdola, sl.Zdola.Min, sl.Zdola.Max);
    sl.Umisten = true;
    obnovSlot(i);
    enableOk();
}

void TVDoplSup::TahniNadRantl(int i, int x, int y)
{
    NastavPozici(i, x * kMmNaPixel, s_.SVyska - y * kMmNaPixel);
}

void TVDoplSup::TahniNadSkly(int i, int x, int y)
{
    const Tvar &G = r_.Skla;
    const Tvar &R = r_.Rantl;
    TahniNadRantl(i, x + G.Left - R.Left, y + G.Top - R.Top);
}

void TVDoplSup::Smaz()
{
    for (int i = 0; i < kSlotu; ++i) {
        sloty_[std::size_t(i)].Umisten = false;
        vychozi(i);
        obnovSlot(i);
    }
    ok_ = false;
}

int TVDoplSup::Potvrd()
{
    if (!ok_)
        return 0;
    for (int i = 0; i < kSlotu; ++i) {
        const SlotUmisteni &sl = sloty_[std::size_t(i)];
        if (!sl.Nabizen)
            continue;
        TDDoplnek &d = Doplnek(s_, i);
        d.Umisten = sl.Umisten;
        if (sl.Umisten) {
            d.Zleva = sl.Zleva.Hodnota;
            d.Zdola = sl.Zdola.Hodnota;
        }
        if (sl.Madlo)
            s_.SMadlo = true;
    }
    return kVysledekOK;
}

} // namespace qmr
