#pragma once
// The overlay dimensions dialog of a panel overlaid on both sides, shown once per
// direction: the width pass (SStrana 1) takes the inner side's width, the right and left
// overlays of both sides and the sash profile thickness; the height pass (SStrana 2) the
// inner side's height and the bottom and top overlays of both sides.
//
// Overlays are stored in the outside view: the inner side's overlay that is on the right
// when seen from inside is stored as its left one (PVL2).
//
// Rows of the width pass (heights in brackets): A1 (E1) total of the outer side CSirka,
// B (F) Sirka, C1 (G1) PPP, D1 (H1) PPL, A2 (E2) total of the inner side CVyska, C2 (G2)
// PPH, D2 (H2) PPD, Z the thickness (hidden in the height pass).
#include "dialogs/options/UPrekrSpec.h"

namespace qmr {

class TPrekr2spec : public TSpecPrekryvu {
public:
    static constexpr const char *kSirka = "szerokość";
    static constexpr const char *kVyska = "wysokość";
    static constexpr const char *kSirkaPrekr = "Szerokość strony przekrywającej";
    static constexpr const char *kSirkaVnitrni = "Szerokość strony wewnętrznej";
    static constexpr const char *kSirkaPrava = "Szerokość prawego przekrywu";
    static constexpr const char *kSirkaLeva = "Szerokość lewego przekrywu";
    static constexpr const char *kVyskaPrekr = "Wysokość strony przekrywającej";
    static constexpr const char *kVyskaVnitrni = "Wysokość strony wewnętrznej";
    static constexpr const char *kVyskaDolni = "Wysokość dolnego przekrywu";
    static constexpr const char *kVyskaHorni = "Wysokość górnego przekrywu";
    static constexpr const char *kTextZ = "Grubość całkowita profilu ramy skrzydła (45-99mm)";
    static constexpr int kMinTloustka = 45;
    static constexpr int kMaxTloustka = 99;

    // The pass follows s.SStrana: 2 the height pass, anything else the width pass.
    TPrekr2spec(Session &s, Messages &m);

    bool VyskovyPruchod() const { return vyska_; }
    int CSirka() const override;
    int CVyska() const override;
    // RozmerVybran and PrekryvVybran; the pass's dimension and its four overlays (width:
    // SSirka, PVP, PVL, PVL2, PVP2 and STloustka; height: SVyska, PVD, PVH, PVD2, PVH2).
    int Potvrd() override;
    // The limits of the pass: L1 of the outer side, L2 of the inner side.
    int L1() const { return l1_; }
    int L2() const { return l2_; }

protected:
    void Pravidlo(PoleSpec p) override;

private:
    bool vyska_ = false;
    int l1_ = 0;
    int l2_ = 0;
};

} // namespace qmr
