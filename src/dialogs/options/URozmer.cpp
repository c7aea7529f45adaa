#include "dialogs/options/URozmer.h"

#include "dialogs/infill/UVyztuz.h"
#include "pricing/UOcen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qmr {

namespace {

// Characters (not bytes) of a UTF-8 text.
std::size_t PocetZnaku(const std::string &t)
{
    return std::size_t(std::count_if(t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

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

// Without the control characters and blanks at both ends.
std::string Orez(const std::string &t)
{
    const auto prazdny = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto b = std::find_if_not(t.begin(), t.end(), prazdny);
    auto e = std::find_if_not(t.rbegin(), t.rend(), prazdny).base();
    return b < e ? std::string(b, e) : std::string();
}

// A whole decimal number (leading blanks and a sign allowed), false otherwise or when it
// does not fit an int.
bool CeleCislo(const std::string &t, int &vysledek)
{
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    bool zaporne = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        zaporne = t[i++] == '-';
    if (i >= t.size())
        return false;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
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

// A minimum or threshold is only ever raised.
void Zvys(int &co, int na) { co = std::max(co, na); }

} // namespace

const std::vector<int> &TVRozmer::Tloustky(bool sklo)
{
    static const std::vector<int> skla{64, 59, 54, 49, 44, 39, 36, 34};
    static const std::vector<int> ostatni{64, 59, 54, 49, 48, 44, 40, 39, 36, 34, 32, 29, 28};
    return sklo ? skla : ostatni;
}

TVRozmer::TVRozmer(Session &s, Messages &m) : s_(s), m_(m)
{
    // Limits.
    s.hraSirka = 0;
    s.hraVyska = 0;
    sirka_.Povoleny = !s.FixRozmer;
    vyska_.Povoleny = !s.FixRozmer;
    NastavMaxima(s, true);
    const TDVypln &v = s.SVypln.DVypln;
    if (s.SFormat == 1 || s.SHlinik || s.SHlinik2 || s.SDyha || s.MuzeRamecek > 0) {
        vyska_.Min = v.MinVyskaF1;
        vyska_.Max = v.MaxVyskaF1;
        sirka_.Min = v.MinSirkaF1;
        sirka_.Max = v.MaxSirkaF1;
        s.hraSirka = v.HraSirkaF1;
        s.hraVyska = v.HraVyskaF1;
        const auto zvys = [&](int minVyska, int minSirka, int hraSirka, int hraVyska) {
            Zvys(vyska_.Min, minVyska);
            Zvys(sirka_.Min, minSirka);
            Zvys(s.hraSirka, hraSirka);
            Zvys(s.hraVyska, hraVyska);
        };
        if (s.SRamecek1 == 1 || s.SRamecek2 == 1)
            zvys(v.MinVyskaF2, v.MinSirkaF2, v.HraSirkaF2, v.HraVyskaF2);
        if (s.SRamecek1 == 2 || s.SRamecek2 == 2)
            zvys(v.MinVyskaF2R2, v.MinSirkaF2R2, v.HraSirkaF2R2, v.HraVyskaF2R2);
        const auto strana = [&](int druh) {
            return s.SOPaska1 == druh || s.SOPaska2 == druh || s.SODrazka1 == druh || s.SODrazka2 == druh;
        };
        if (strana(1))
            zvys(v.MinVyskaF2P1, v.MinSirkaF2P1, v.HraSirkaF2P1, v.HraVyskaF2P1);
        if (strana(2))
            zvys(v.MinVyskaF2P2, v.MinSirkaF2P2, v.HraSirkaF2P2, v.HraVyskaF2P2);
    } else {
        vyska_.Min = v.MinVyskaF2;
        vyska_.Max = v.MaxVyskaF2;
        sirka_.Min = v.MinSirkaF2;
        sirka_.Max = v.MaxSirkaF2;
        s.hraSirka = v.HraSirkaF2;
        s.hraVyska = v.HraVyskaF2;
    }
    vyska_.Max = std::min(vyska_.Max, s.MaxVyska);
    sirka_.Max = std::min(sirka_.Max, s.MaxSirka);

    hraniceSirky_.Text = TextHranice(sirka_.Min, sirka_.Max, s.hraSirka);
    hraniceVysky_.Text = TextHranice(vyska_.Min, vyska_.Max, s.hraVyska);

    // Thickness list.
    tloustky_ = Tloustky(s.SGlas);
    for (int t : tloustky_)
        listZesil_.Polozky.push_back(std::to_string(t));
    listZesil_.Viditelny = true;
    labelZ_ = {kLabelZ, true};
    labelU_ = {"", false};
    checkBoxZ_.Viditelny = true;
    checkBoxZ_.Povoleny = true;
    checkBoxZ_.Zaskrtnuto = s.SZesil > 0;
    listZesil_.Povoleny = checkBoxZ_.Zaskrtnuto;
    listZesil_.Index = int(tloustky_.size()) - 1;
    if (s.Zesilena) {
        // The current total thickness when it is one of the rows; otherwise the thinnest.
        const auto it = std::find(tloustky_.begin(), tloustky_.end(), s.CTloustka);
        if (it != tloustky_.end())
            listZesil_.Index = int(it - tloustky_.begin());
    }

    // Notes.
    for (std::size_t i = 0; i < s.SPoznamky.size(); ++i)
        poznamky_ += (i ? "\n" : "") + s.SPoznamky[i];
}

std::string TVRozmer::TextHranice(int min, int max, int hra)
{
    std::string t = std::string(kMinimalnie) + std::to_string(min) + ", " + kMaksymalnie + " " + std::to_string(max);
    if (hra > 0)
        t += std::string(", ") + kOtvorZmenseny + " " + std::to_string(hra);
    return t + " mm";
}

int TVRozmer::Hodnota(const SpinPole &p)
{
    int v = 0;
    return CeleCislo(p.Text, v) ? v : p.Min;
}

int TVRozmer::Orizni(const SpinPole &p, int v)
{
    // A spin field without a range (minimum equal to maximum) takes any value.
    if (p.Min != p.Max) {
        if (v < p.Min)
            return p.Min;
        if (v > p.Max)
            return p.Max;
    }
    return v;
}

void TVRozmer::Aktivace()
{
    if (poprve_) {
        Nastav(vyska_, s_.SVyska);
        Nastav(sirka_, s_.SSirka);
        poprve_ = false;
    }
    okPovoleno_ = true;
}

void TVRozmer::NastavSirku(const std::string &text) { sirka_.Text = PrvniZnaky(text, kMaxDelkaSirky); }
void TVRozmer::NastavVysku(const std::string &text) { vyska_.Text = text; }

void TVRozmer::KrokSirky(int kroky)
{
    if (sirka_.Povoleny)
        Nastav(sirka_, Hodnota(sirka_) + kroky * kKrok);
}

void TVRozmer::KrokVysky(int kroky)
{
    if (vyska_.Povoleny)
        Nastav(vyska_, Hodnota(vyska_) + kroky * kKrok);
}

bool TVRozmer::Exit(SpinPole &p, const char *zaVelke, const char *zaMale)
{
    if (PocetZnaku(Orez(p.Text)) < 3)
        return true;
    if (poprve_)
        return false;
    const int v = Hodnota(p);
    if (v > p.Max) {
        m_.Chyba(kUwaga, zaVelke);
        Nastav(p, p.Max);
        return true;
    }
    if (v < p.Min) {
        m_.Chyba(kUwaga, zaMale);
        Nastav(p, p.Min);
        return true;
    }
    return false;
}

bool TVRozmer::SirkaExit() { return Exit(sirka_, kZaSiroke, kZaUzke); }
bool TVRozmer::VyskaExit() { return Exit(vyska_, kZaVysoke, kZaNizke); }

void TVRozmer::CheckBoxZClick()
{
    if (!checkBoxZ_.Povoleny)
        return;
    checkBoxZ_.Zaskrtnuto = !checkBoxZ_.Zaskrtnuto;
    const int radku = int(listZesil_.Polozky.size());
    if (checkBoxZ_.Zaskrtnuto) {
        listZesil_.Index = radku - 1;
        listZesil_.Povoleny = radku != 1;
    } else {
        listZesil_.Povoleny = false;
        listZesil_.Index = -1;
    }
}

void TVRozmer::VyberZesil(int i)
{
    if (listZesil_.Povoleny && i >= 0 && i < int(listZesil_.Polozky.size()))
        listZesil_.Index = i;
}

void TVRozmer::NastavPoznamky(const std::string &text) { poznamky_ = text; }

std::vector<std::string> TVRozmer::RadkyPoznamek() const
{
    std::vector<std::string> radky;
    if (poznamky_.empty())
        return radky;
    std::size_t od = 0;
    while (true) {
        const std::size_t nl = poznamky_.find('\n', od);
        std::string r = poznamky_.substr(od, nl == std::string::npos ? std::string::npos : nl - od);
        if (!r.empty() && r.back() == '\r')
            r.pop_back();
        radky.push_back(std::move(r));
        if (nl == std::string::npos)
            break;
        od = nl + 1;
        if (od == poznamky_.size())
            break; // a final line break opens no line
    }
    return radky;
}

void TVRozmer::PoznamkyExit()
{
    if (RadkyPoznamek().size() > std::size_t(kMaxRadkuPoznamek))
        m_.Chyba(kUwaga, kMax10Radku);
}

int TVRozmer::Potvrd()
{
    s_.RozmerVybran = true;
    s_.SSirka = HodnotaSirky();
    s_.SVyska = HodnotaVysky();
    s_.SPoznamky = RadkyPoznamek();

    s_.Zesilena = checkBoxZ_.Povoleny && checkBoxZ_.Zaskrtnuto && listZesil_.Index >= 0;
    const int stary = s_.SZesil;
    if (s_.Zesilena) {
        s_.IndZesil = listZesil_.Index;
        s_.SZesil = tloustky_[std::size_t(listZesil_.Index)] - s_.PomTloustka;
        if (s_.SZesil < 1) {
            // No thicker than the base: not thickened (SZesil keeps the difference).
            s_.Zesilena = false;
            checkBoxZ_.Zaskrtnuto = false;
            listZesil_.Povoleny = false;
            listZesil_.Index = -1;
        }
    } else {
        s_.SZesil = 0;
        s_.IndZesil = -1;
    }
    if (s_.SZesil != stary)
        s_.DekoryVybrany = false;

    TloustkaVyplne(s_);
    VnutTPR(s_);
    return kVysledekOK;
}

} // namespace qmr
