#include "dialogs/options/UDoplnky.h"

#include "catalogues/Katalog.h"
#include "core/Constants.h"
#include "dialogs/infill/Razeni.h"

#include <algorithm>

namespace qmr {

namespace {

// Infill codes whose "Montaż" box is hidden in glazing format 2.
bool BezMontazeF2(const std::string &kod) { return kod == "PA" || kod == "PB" || kod == "PC"; }

// Empties a slot the way the list does when the slots move up: the catalogue flags,
// prices and the spacer colour go, the count and the thickness limit stay.
void Vyprazdni(TDDoplnek &d)
{
    d.Polozka = -1;
    d.Nazev.clear();
    d.Kod.clear();
    d.Namontovat = d.Umisten = d.MaDistanci = d.MadloVert = d.BezTloustky = false;
    d.CenaNetto = d.AutoMontaz = d.NeSMont = d.NeBezM = false;
    d.SCena = d.SMontaz = d.SCenaDR = d.VzdVert = 0;
    d.SBarvaDR = -1;
    d.Tloustka = 20;
}

} // namespace

TVDoplnky::TVDoplnky(Session &s, Messages &m, const PictureStore &obrazky) : s_(s), m_(m), obrazky_(obrazky)
{
    image1_.Viditelny = false;
    label5_ = {kLabel5, false};
    seznamy();

    // Preloading: the accessories chosen before (slot 1 also for the muntin set of a
    // muntin option), without check marks.
    const std::array<const TODoplnek *, kSlotu> sloty{&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4};
    pocet_ = 0;
    for (int i = 0; i < kSlotu; ++i) {
        const bool nacist = i == 0 ? s.DoplnkyVybrany || s.SOMrizka > 0 : s.DoplnkyVybrany;
        if (nacist && sloty[std::size_t(i)]->DDoplnek.Polozka >= 0) {
            sel_[std::size_t(i)] = *sloty[std::size_t(i)];
            ++pocet_;
        }
    }
    obnovSeznam();
}

void TVDoplnky::seznamy()
{
    const Session &s = s_;
    const TSifraSoubor &f = Katalog(s_, kDoplnky);
    std::vector<std::string> nazvy;
    int min = 0; // only read after a minimum was set
    for (const std::string &sekce : f.ReadSections()) {
        const std::string kod = f.ReadString(sekce, "Kod", "?");
        const bool maDistanci = f.ReadBool(sekce, "MaDistanci", false);
        const bool limitTl = f.ReadBool(sekce, "LimitTl", false);
        const bool priprava = kod == kKodPripravy;
        if (priprava)
            cenaPripravy_ = Currency::FromUnits(f.ReadSifra(sekce, "Cena"));

        // The thickness window of the panel the accessory fits.
        int max = kMaxTloustka;
        bool lMin = false;
        if (limitTl) {
            max = f.ReadInteger(sekce, "MaxTloust", 99);
            lMin = f.ReadBool(sekce, "Minimum", false);
            if (lMin) {
                min = max;
                max = kMaxTloustka;
                if ((priprava && s.SHlinik) || s.SHlinik2 || s.SGlas)
                    min = 24;
            }
        } else {
            min = s.CTloustka;
        }
        if ((s.TypZakazky != 1 && s.SHlinik) || s.SHlinik2 || s.SGlas)
            min = s.CTloustka - 4;

        if (f.ReadBool(sekce, "Neukazat", false))
            continue;
        const bool vejde = (s.STloustka < 71 || !maDistanci) && (s.CTloustka <= max || !limitTl) && s.CTloustka >= min;
        if (s.TypZakazky > 1 || !lMin || vejde)
            nazvy.push_back(sekce);
    }
    for (std::size_t i : SeradNazvy(nazvy))
        seznam_.push_back(nazvy[i]);
    zaskrtnuto_.assign(seznam_.size(), false);
}

void TVDoplnky::Klik(int radek)
{
    if (radek < 0 || radek >= int(seznam_.size()))
        return;
    radek_ = radek;
    TDDoplnek &d = pomocny_.DDoplnek;
    NactiDoplnek(s_, seznam_[std::size_t(radek)], d);
    d.Polozka = radek;
    d.SBarvaDR = -1;
    if (d.MaxTloust == 0 || d.MaxTloust == 99)
        d.BezTloustky = true;
    const std::string cesta = CestaObrazku(s_, "DOPLNKY", d.Kod);
    const bool je = !cesta.empty() && obrazky_.Exists(cesta);
    image1_.Cesta = je ? cesta : std::string();
    image1_.Viditelny = je;
}

void TVDoplnky::Zaskrtni(int radek, bool zaskrtnout)
{
    if (radek < 0 || radek >= int(seznam_.size()) || zaskrtnuto_[std::size_t(radek)] == zaskrtnout)
        return;
    Klik(radek);
    if (zaskrtnout) {
        if (pocet_ >= kSlotu) {
            m_.Hlaska(kUwaga, kMax4, MB_OK);
            obnovSeznam();
            return;
        }
        TDDoplnek d = pomocny_.DDoplnek;
        if (d.MaDistanci) {
            const int barva = d.Kod == kKodBileRamky ? kBilaRamka : kCernaRamka;
            if (zakazkaVyplne()) {
                if (s_.SZesil < 20 && s_.SPrekryv < 2) {
                    m_.Hlaska("", kRamkaNutna, MB_OK);
                    d.SBarvaDR = barva;
                }
            } else if (m_.NeAno(kUwaga, kRamkaOtazka)) {
                d.SBarvaDR = barva;
            }
        }
        d.Namontovat = d.AutoMontaz;
        d.Tloustka = d.MaxTloust;
        // The next slot; the first empty one, so that a gap left by a job file (slot 2
        // without slot 1) is filled instead of an accessory being overwritten.
        std::size_t volny = 0;
        while (volny + 1 < kSlotu && sel_[volny].DDoplnek.Polozka >= 0)
            ++volny;
        sel_[volny].DDoplnek = d;
        zeSeznamu_[volny] = true;
        ++pocet_;
        zaskrtnuto_[std::size_t(radek)] = true;
    } else {
        zaskrtnuto_[std::size_t(radek)] = false;
        pocet_ = std::max(0, pocet_ - 1);
        // Only a slot this list filled can lose its mark: a preloaded slot (the muntin
        // set of slot 1, an accessory of a job file) may carry the same row number.
        for (int i = 0; i < kSlotu; ++i) {
            if (!zeSeznamu_[std::size_t(i)] || sel_[std::size_t(i)].DDoplnek.Polozka != radek)
                continue;
            for (int j = i; j + 1 < kSlotu; ++j) {
                sel_[std::size_t(j)] = sel_[std::size_t(j + 1)];
                zeSeznamu_[std::size_t(j)] = zeSeznamu_[std::size_t(j + 1)];
            }
            Vyprazdni(sel_[kSlotu - 1].DDoplnek);
            zeSeznamu_[kSlotu - 1] = false;
            break;
        }
    }
    obnovSeznam();
}

int TVDoplnky::maxTloustky(const TDDoplnek &d) const
{
    return d.MaxTl && !d.Minimum ? d.MaxTloust : kMaxTloustka;
}

void TVDoplnky::obnovSeznam()
{
    const Session &s = s_;
    bool tloustka = false;
    for (int i = 0; i < kSlotu; ++i) {
        const TDDoplnek &d = sel_[std::size_t(i)].DDoplnek;
        RadekDoplnku &r = radky_[std::size_t(i)];
        r = RadekDoplnku{};
        r.Montaz.Text = kMontaz;
        r.Pocet.Min = kMinPocet;
        r.Pocet.Max = kMaxPocet;
        r.Pocet.Hodnota = d.PocetKs;
        r.Tloustka.Min = kMinTloustka;
        r.Tloustka.Max = maxTloustky(d);
        r.Tloustka.Hodnota = d.Tloustka;
        if (d.Polozka < 0)
            continue;
        r.Jmeno.Text = d.Nazev;
        if (zakazkaVyplne()) {
            r.Montaz.Viditelny = s.SFormat == 1 || !BezMontazeF2(s.SVypln.DVypln.Kod);
            r.Montaz.Povoleny = !d.AutoMontaz && d.SMontaz > 0;
            r.Montaz.Zaskrtnuto = d.Namontovat || d.AutoMontaz;
            if (d.MaDistanci && s.SZesil < 20 && s.SPrekryv < 2 && d.SBarvaDR >= 0)
                r.Jmeno.Text += " + " + cBarvaDR(d.SBarvaDR);
        } else {
            if (d.MaDistanci && d.SBarvaDR >= 0)
                r.Jmeno.Text += " + " + cBarvaDR(d.SBarvaDR);
            r.Pocet.Viditelny = r.Pocet.Povoleny = true;
            r.Tloustka.Viditelny = r.Tloustka.Povoleny = !d.BezTloustky;
            tloustka = tloustka || r.Tloustka.Viditelny;
        }
    }
    label5_.Viditelny = tloustka;
}

void TVDoplnky::MontazExit(int i, bool zaskrtnuto)
{
    if (i < 0 || i >= kSlotu || sel_[std::size_t(i)].DDoplnek.Polozka < 0)
        return;
    sel_[std::size_t(i)].DDoplnek.Namontovat = zaskrtnuto;
    obnovSeznam();
}

void TVDoplnky::PoleExit(int i, int pocet, int tloustka)
{
    if (i < 0 || i >= kSlotu || sel_[std::size_t(i)].DDoplnek.Polozka < 0)
        return;
    TDDoplnek &d = sel_[std::size_t(i)].DDoplnek;
    d.PocetKs = std::clamp(pocet, kMinPocet, kMaxPocet);
    d.Tloustka = std::clamp(tloustka, kMinTloustka, std::max(kMinTloustka, maxTloustky(d)));
    obnovSeznam();
}

int TVDoplnky::Potvrd()
{
    if (sel_[0].DDoplnek.Polozka >= 0) {
        s_.DoplnkyVybrany = true;
        s_.SDoplnek1 = sel_[0];
        s_.SDoplnek2 = sel_[1];
        s_.SDoplnek3 = sel_[2];
        s_.SDoplnek4 = sel_[3];
    }
    return kVysledekOK;
}

int TVDoplnky::Smaz()
{
    Session &s = s_;
    s.SDoplnek2.DDoplnek.Polozka = -1;
    s.SDoplnek3.DDoplnek.Polozka = -1;
    s.SDoplnek4.DDoplnek.Polozka = -1;
    if (s.SOMrizka == 0)
        s.SDoplnek1.DDoplnek.Polozka = -1;
    pocet_ = 0;
    zaskrtnuto_.assign(seznam_.size(), false);
    s.DoplnkyVybrany = false;
    if (s.SMadlo) {
        s.SMadlo = false;
        if (s.SVyztuz == 7)
            s.SVyztuz = 0;
    }
    obnovSeznam();
    return IDNO;
}

} // namespace qmr
