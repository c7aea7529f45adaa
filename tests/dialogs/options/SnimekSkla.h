#pragma once
// The session as the glass, stained-glass and muntin dialogs may touch it: the start-flow
// snapshot plus the four panes, the stained glass, the muntin and their flags, so that a
// cancelled dialog can be checked field by field.
#include "dialogs/infill/Snimek.h"

namespace qmrtest {

inline Snimek SnimejSkla(const qmr::Session &s)
{
    Snimek out = Snimej(s);
    using detail::text;
    const auto dekor = [&out](const std::string &p, const qmr::TDdekor &d) {
#define F(x) out.emplace_back(p + "." #x, text(d.x))
        F(Polozka); F(Nazev); F(Kod); F(TypSkla); F(Tloustka);
#undef F
    };
    dekor("SDekor1", s.SDekor1.DDekor);
    dekor("SDekor2", s.SDekor2.DDekor);
    dekor("SDekorP", s.SDekorP.DDekor);
    dekor("SDekor4", s.SDekor4.DDekor);
    const qmr::TDVitraz &v = s.SVitraz.DVitraz;
#define F(x) out.emplace_back("SVitraz." #x, text(v.x))
    F(Polozka); F(Nazev); F(Kod); F(VitrPis); F(CF1S1); F(CF1S2); F(CF1S3); F(CF1S4); F(CF1S5); F(CF1S6);
    F(CF2S1); F(CF2S2); F(CF2S3); F(CF2S4); F(CF2S5); F(CF2S6);
#undef F
    const qmr::TDMrizka &m = s.SMrizka.DMrizka;
#define F(x) out.emplace_back("SMrizka." #x, text(m.x))
    F(Polozka); F(Nazev); F(Kod); F(SSirka); F(SCena); F(Sirka1); F(Cena1); F(Sirka2); F(Cena2); F(Sirka3);
    F(Cena3);
#undef F
#define F(x) out.emplace_back(#x, text(s.x))
    F(SCtyrsklo); F(SKodMrizky); F(CTloustka); F(STloustka); F(STloustkaS); F(SVitraz.DVitraz.VitrPis);
    F(SVypln.DVypln.Kod); F(SVypln.DVypln.Nazev);
#undef F
    return out;
}

} // namespace qmrtest
