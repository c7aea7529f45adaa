#include "pricing/UCenyDefDialog.h"

#include "core/Errors.h"
#include "core/Session.h"

#include <algorithm>

namespace qmr {

namespace {

int Omez(int v, int lo, int hi) { return std::clamp(v, lo, hi); }

} // namespace

CenyDef::CenyDef(Session &s) : s_(s)
{
    TCeny Ceny;
    Nacti(s_, Ceny);
    const TCenyData &d = Ceny.CenyData;
    h_.DPHin = DPHnaText(d.DPHin);
    h_.DPHout = DPHnaText(d.DPHout);
    h_.DopravaOut = d.DopravaOut;
    h_.Marze = d.MarzeProd;
    h_.Ram = d.Ram;
    h_.DopravaIn = d.DopravaIn;
    h_.TypMarze = d.MarzeTyp;
    h_.ZpusobMarze = d.MarzeZpusob;
    h_.Zobrazit = d.Zobrazit;
    h_.Pocitat = d.Pocitat;
    h_.Dopravy = d.Dopravy;
    h_.CenuNab = d.CenuNab;
    setSlevaQM(d.SlevaQM);
    setSlevaZak(d.SlevaZak);
}

const std::string &CenyDef::Soubor() const { return s_.apConf; }

bool CenyDef::PlatneDPH(const std::string &t)
{
    try {
        DPHzTextu(t);
        return true;
    } catch (const EConvertError &) {
        return false;
    }
}

void CenyDef::setSlevaQM(int v) { h_.SlevaQM = Omez(v, 0, kMaxSleva); }
void CenyDef::setSlevaZak(int v) { h_.SlevaZak = Omez(v, 0, kMaxSleva); }

bool CenyDef::MuzePotvrdit() const { return PlatneDPH(h_.DPHin) && PlatneDPH(h_.DPHout); }

void CenyDef::Potvrd()
{
    // Checked before anything is written, so a refused OK leaves the file as it was.
    DPHzTextu(h_.DPHin);
    DPHzTextu(h_.DPHout);
    if (h_.DopravaIn <= 0)
        h_.Dopravy = 0;
    ZapisCeny(s_, h_);
}

Default::Default(Session &s) : s_(s)
{
    TVolby Volby;
    Nacti(s_, Volby);
    if (Volby.DefaultData.Sirka > kMinUlozena)
        setSirka(Volby.DefaultData.Sirka);
    if (Volby.DefaultData.Vyska > kMinUlozena)
        setVyska(Volby.DefaultData.Vyska);
}

void Default::setSirka(int v) { sirka_ = Omez(v, 0, kMaxSirka); }
void Default::setVyska(int v) { vyska_ = Omez(v, 0, kMaxVyska); }

void Default::Potvrd() { ZapisVolby(s_, sirka_, vyska_); }

} // namespace qmr
