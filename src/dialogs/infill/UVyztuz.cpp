#include "dialogs/infill/UVyztuz.h"

#include "core/Constants.h"

namespace qmr {

TVVyztuz::TVVyztuz(Session &s) : s_(s)
{
    const auto pridej = [this](int hodnota) {
        tabVyzt_.push_back(hodnota);
        vyztuz_.Polozky.push_back(cVyztuz(hodnota));
    };
    pridej(0);
    const bool jenHpl = s.SBarva2.DBarva.JenomHPL;
    bool poznamkaRC2 = false;
    if (s.MuzeRC3 && !jenHpl) {
        pridej(3);
    } else if (s.MuzeRC2 && !jenHpl) {
        if (s.Zesilena || s.SZaskleni <= 0)
            pridej(4);
        else
            poznamkaRC2 = true;
    }
    bool poznamka35 = true;
    if (s.Zesilena && s.SZesil == 10) {
        pridej(5);
        poznamka35 = false;
    } else if (s.MuzeTPR && !s.Zesilena) {
        pridej(6);
    }
    if (s.MuzeTPR || s.SMadlo)
        pridej(7);

    if (s.SVyztuz <= 0) {
        vyztuz_.Index = s.MuzeTPR ? int(tabVyzt_.size()) - 1 : 0;
    } else {
        vyztuz_.Index = -1;
        for (std::size_t i = 0; i < tabVyzt_.size(); ++i)
            if (tabVyzt_[i] == s.SVyztuz)
                vyztuz_.Index = int(i);
    }
    vyztuz_.Viditelny = true;
    vyztuz_.Povoleny = true;

    // The RC2 note never shows without glazing.
    label2_ = poznamkaRC2 && s.SZaskleni > 0 ? kPoznamkaRC2 : "";
    label3_ = poznamka35 ? kPoznamka35dB : "";
}

Bod TVVyztuz::Umisteni(int sirka, int vyska) const { return UmistiDialog(s_, sirka, vyska); }

void TVVyztuz::Vyber(int i)
{
    if (i >= 0 && i < int(tabVyzt_.size()))
        vyztuz_.Index = i;
}

int TVVyztuz::Potvrd()
{
    const int stara = s_.SVyztuz;
    const int i = vyztuz_.Index;
    s_.SVyztuz = i > 0 ? tabVyzt_[i] : i;
    const int nova = s_.SVyztuz;
    if ((stara == 5) != (nova == 5) || (stara == 4) != (nova == 4)) {
        s_.DekoryVybrany = false;
        s_.VitrazVybrana = false;
    }
    return kVysledekOK;
}

void VnutTPR(Session &s)
{
    if (s.SVyztuz == 5 && !(s.Zesilena && s.SZesil == 10)) {
        s.SVyztuz = -1;
        s.ProselVyztuze = false;
    }
    if (s.SHlinik || s.SHlinik2 || s.SHPL1 || s.SDyha || s.SDyha2 || s.SGlas)
        return;
    if (s.SBarva1.DBarva.DDekor || (s.SDvojbarva && s.SBarva12.DBarva.DDekor)) {
        if (s.SVyztuz <= 0) {
            s.SVyztuz = 7;
            s.ProselVyztuze = true;
        }
    } else if (s.SVyztuz == 7) {
        s.SVyztuz = -1;
        s.ProselVyztuze = false;
    }
}

} // namespace qmr
