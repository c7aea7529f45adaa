#pragma once
// The session state the start-flow dialogs may touch, as named text values, so that a
// test can compare the whole of it before and after and name every field that differs.
#include "core/Session.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace qmrtest {

using Snimek = std::vector<std::pair<std::string, std::string>>;

namespace detail {

inline std::string text(const std::string &v) { return "\"" + v + "\""; }
inline std::string text(const char *v) { return text(std::string(v)); }
inline std::string text(bool v) { return v ? "true" : "false"; }
inline std::string text(int v) { return std::to_string(v); }
inline std::string text(unsigned char v) { return std::to_string(int(v)); }
inline std::string text(double v)
{
    std::ostringstream o;
    o << v;
    return o.str();
}
inline std::string text(const qmr::Currency &v) { return std::to_string(v.Raw()); }
inline std::string text(const std::vector<std::string> &v)
{
    std::string t;
    for (const auto &r : v)
        t += text(r) + ",";
    return t;
}
template <class T, std::size_t N>
std::string text(const std::array<T, N> &a)
{
    std::string t;
    for (const auto &x : a)
        t += text(x) + ",";
    return t;
}

} // namespace detail

inline void pridejVypln(Snimek &out, const std::string &p, const qmr::TDVypln &v)
{
    const std::string pre = p + ".";
#define F(x) out.emplace_back(pre + #x, detail::text(v.x))
    F(Polozka); F(Nazev); F(Kod); F(Special); F(Hlinik); F(Dyha); F(Glas); F(RadaK); F(Lisovana);
    F(Kamen); F(Pulpanel); F(Dvojbarva); F(Pozic); F(Zetkova); F(Enkova); F(Rameckova); F(Excentr);
    F(AsymH); F(PomerH); F(AsymP); F(PravaV); F(PomerP); F(JednoZask); F(AkcniV); F(FixFormat);
    F(MaxVyskaF1); F(MaxSirkaF1); F(MaxVyskaF2); F(MaxSirkaF2); F(MinVyskaF1); F(MinSirkaF1);
    F(MinVyskaF2); F(MinSirkaF2); F(HraVyskaF1); F(HraSirkaF1); F(HraVyskaF2); F(HraSirkaF2);
    F(OZMPocet); F(OZM1); F(OZM2); F(OZM3); F(HPasek); F(VPasek);
    F(ZCF1S0); F(ZCF1S1); F(ZCF1S2); F(ZCF1S3); F(ZCF2S0); F(ZCF2S1); F(ZCF2S2);
    F(RM1cena); F(RM2cena); F(RamJenAK); F(OP1cena); F(OP2cena); F(OD1cena); F(OD2cena);
    F(KMaxVyskaF2); F(KMaxSirkaF2); F(KMinVyskaF2); F(KMinSirkaF2); F(KCF2ABS);
#undef F
}

inline void pridejRBarvu(Snimek &out, const std::string &p, const qmr::TRbarva &r)
{
    const std::string pre = p + ".";
#define F(x) out.emplace_back(pre + #x, detail::text(r.x))
    F(Polozka); F(Nazev); F(Kod); F(Drevo); F(Hlinik); F(JenomHPL); F(ALABS); F(AK); F(Dyha);
    F(DDekor); F(Elox); F(FixRal); F(Beton); F(Kamen); F(Cislo); F(ObjDni); F(NetPS1); F(NetPS2);
#undef F
}

inline void pridejDoplnek(Snimek &out, const std::string &p, const qmr::TDDoplnek &d)
{
    const std::string pre = p + ".";
#define F(x) out.emplace_back(pre + #x, detail::text(d.x))
    F(Polozka); F(Nazev); F(Kod); F(Namontovat); F(Umisten); F(MaDistanci); F(BezTloustky);
    F(AutoMontaz); F(MaxTl); F(Minimum); F(CenaNetto); F(MaxTloust); F(SCena); F(SMontaz);
    F(SCenaDR); F(SPom); F(SBarvaDR); F(Tloustka); F(Zleva); F(Zdola); F(PocetKs);
#undef F
}

// Everything of the panel, the choice flags, the type and family flags, the browsing
// values of the infill selection, frames and accessories, the line layout, the limits
// and the price outputs shown.
inline Snimek Snimej(const qmr::Session &s)
{
    Snimek out;
#define F(x) out.emplace_back(#x, detail::text(s.x))
    F(TypZakazky); F(apEdited); F(apCislo); F(apPocet); F(SMail); F(SPoznamky);
    F(SHlinik); F(SHlinik2); F(SHPL1); F(SHPL2); F(SGlas); F(SDyha); F(SDyha2);
    F(DoplnkyVybrany); F(SMadlo); F(KodVyplne); F(NazevVyplne); F(KodRysu); F(SImage); F(SJmenoV);
    F(VyplnVybrana); F(RozmerVybran); F(PrekryvVybran); F(Prekryv2Vybran); F(BarvyVybrany);
    F(DekoryVybrany); F(VitrazVybrana); F(MrizkaVybrana); F(ProjitVyztuze); F(ProselVyztuze);
    F(VidimPomRys); F(Carame);
    F(SFormat); F(SZaskleni); F(SSirka); F(SVyska); F(SAkcni); F(SKamen); F(SKamen1); F(SKamen2);
    F(SDvojbarva); F(SZetkova); F(SEnkova); F(SRameckova); F(SPulpanel); F(SRadaK); F(SJednoZask);
    F(SExcentr); F(SPravaV); F(SLisovana); F(SAsymH); F(SPomerH); F(SAsymp); F(SPomerP); F(SPrava);
    F(SFixFormat); F(SPozic); F(Zesilena); F(SZesil); F(IndZesil); F(STrojsklo); F(ZmensenyVyrez);
    F(SVyztuz); F(SPrekryvna); F(SPrekryv); F(PVL); F(PVP); F(PVH); F(PVD); F(SPosunOs); F(SHPosun);
    F(SVPosun);
    F(VybranyRamecek); F(VybranaOMrizka); F(VybranaOPaska); F(VybranaOdrazka); F(VybranaOPDR);
    F(SRamecek1); F(SRamecek2); F(SOMrizka); F(SOPaska1); F(SOPaska2); F(SODrazka1); F(SODrazka2);
    F(SODr1); F(SODr2); F(MuzeRamecek); F(MuzeOMrizku); F(MuzeOPasku); F(MuzeODrazku); F(MuzeOPDr);
    F(MuzePrekryv); F(RamPouzeAK); F(MuzeTPR); F(MuzeRC3); F(MuzeRC2);
    F(MaxSirka); F(MaxVyska); F(nVypln); F(nKonecna);
#undef F
    const qmr::TCary &c = s.SCary;
    out.emplace_back("SCary.Tloustka", detail::text(c.Tloustka));
    out.emplace_back("SCary.HPocet", detail::text(c.HPocet));
    out.emplace_back("SCary.Hpos", detail::text(c.Hpos));
    out.emplace_back("SCary.VPocet", detail::text(c.VPocet));
    out.emplace_back("SCary.Vpos", detail::text(c.Vpos));
    pridejVypln(out, "SVypln", s.SVypln.DVypln);
    pridejRBarvu(out, "RBarva1", s.RBarva1.RBarva);
    pridejRBarvu(out, "RBarva2", s.RBarva2.RBarva);
    pridejRBarvu(out, "PBarva1", s.PBarva1.RBarva);
    pridejRBarvu(out, "PBarva2", s.PBarva2.RBarva);
    pridejDoplnek(out, "SDoplnek1", s.SDoplnek1.DDoplnek);
    pridejDoplnek(out, "SDoplnek2", s.SDoplnek2.DDoplnek);
    pridejDoplnek(out, "SDoplnek3", s.SDoplnek3.DDoplnek);
    pridejDoplnek(out, "SDoplnek4", s.SDoplnek4.DDoplnek);
    return out;
}

// The fields whose values differ, as "name: before -> after" lines.
inline std::string Rozdily(const Snimek &pred, const Snimek &po)
{
    std::string t;
    for (std::size_t i = 0; i < pred.size() && i < po.size(); ++i)
        if (pred[i].second != po[i].second)
            t += pred[i].first + ": " + pred[i].second + " -> " + po[i].second + "\n";
    return t;
}

} // namespace qmrtest
