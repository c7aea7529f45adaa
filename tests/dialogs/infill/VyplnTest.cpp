// The infill selection: the list of a family, what an entry allows, its pictures and
// titles, the execution choices with their side and material boxes, and what OK writes.
#include "dialogs/infill/UVypln.h"

#include "dialogs/infill/KatalogVyplni.h"
#include "dialogs/infill/Snimek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace qmr;
using namespace qmrtest;

namespace {

struct VyplnTest : ::testing::Test, VyplnFixture {
    VyplnTest() { katalog(KatalogVyplni()); }

    // A dialog with the entry named nazev selected.
    std::unique_ptr<TVVypln> otevri(const std::string &nazev)
    {
        auto v = std::make_unique<TVVypln>(s, obrazky, &okna);
        const auto &sez = v->Seznam();
        const auto it = std::find(sez.begin(), sez.end(), nazev);
        EXPECT_NE(it, sez.end()) << nazev << " is not in the list";
        if (it != sez.end())
            v->VyberRadek(int(it - sez.begin()));
        return v;
    }
};

using Seznam = std::vector<std::string>;

} // namespace

TEST_F(VyplnTest, EachFamilyListsItsInfillsSortedByName)
{
    struct Pripad {
        const char *rodina;
        std::function<void(VyplnTest &)> nastav;
        Seznam ocekavany;
    } pripady[] = {
        // Not aluminium, not glass, no two-colour; the Polish letters after their base.
        {"ABS", [](VyplnTest &t) { t.abs(); },
         {"Aura", "Bora", "Cyrus", "Kalia", "Kappa", "Lato", "Łuk", "Mozaika", "Połówka", "Solo", "Zefir"}},
        // K series only.
        {"HPL", [](VyplnTest &t) { t.hpl(); }, {"Kalia", "Kappa", "Mozaika"}},
        // Aluminium, two-colour included, the action infill never.
        {"AL", [](VyplnTest &t) { t.hlinik(); }, {"Alba", "Arkada", "Atlas", "Baza", "Duet", "Enna", "Rama"}},
        // K series, two-colour included.
        {"AL/ABS", [](VyplnTest &t) { t.alAbs(); }, {"Dwukolor ABS", "Kalia", "Kappa", "Mozaika"}},
        {"glass", [](VyplnTest &t) { t.sklo(); }, {"Kryształ"}},
        // AL/wood admits two-colour infills of the ABS flags.
        {"AL/wood", [](VyplnTest &t) { t.abs(); t.s.SDyha2 = true; },
         {"Aura", "Bora", "Cyrus", "Dwukolor ABS", "Kalia", "Kappa", "Lato", "Łuk", "Mozaika", "Połówka", "Solo",
          "Zefir"}},
    };
    for (auto &p : pripady) {
        VyplnTest &t = *this;
        t.s = Session{};
        t.s.apCesta = dir.path().string() + "/";
        t.s.apData = t.s.apCesta + "DATA/";
        p.nastav(t);
        TVVypln v(t.s, obrazky);
        EXPECT_EQ(v.Seznam(), p.ocekavany) << p.rodina;
        EXPECT_EQ(v.VybranyRadek(), -1);
        EXPECT_FALSE(v.OKPovolen());
        EXPECT_EQ(t.s.ListVyplni.size(), 21u) << "the catalogue list is built when empty";
    }
}

TEST_F(VyplnTest, AMissingCatalogueGivesAnEmptyListAndNoOK)
{
    std::filesystem::remove(dir.file("DATA/vyplne.qmr"));
    abs();
    TVVypln v(s, obrazky);
    EXPECT_TRUE(v.Seznam().empty());
    v.VyberRadek(0);
    EXPECT_EQ(v.VybranyRadek(), -1);
    EXPECT_FALSE(v.OKPovolen());
    EXPECT_EQ(v.Potvrd(), 0);
}

TEST_F(VyplnTest, CapabilitiesComeFromTheCatalogueKeysAndTheFamily)
{
    struct Pripad {
        const char *nazev;
        void (VyplnFixture::*rodina)();
        int ramecek, mrizka, pasky, drazky, pdr, prekryv;
        bool pouzeAK, neDekor;
        Seznam radio; // empty: hidden
        int vybranyRamecek, vybranaPaska, vybranaDrazka;
    } pripady[] = {
        // One frame price, a non-decor frame, two strip types; grooves only outside ABS.
        {"Bora", &VyplnFixture::abs, 1, 0, 2, 0, 0, 0, false, true,
         {"Wykonanie standardowe", "z ramką", "z paskami naklejonymi"}, 0, 0, 0},
        {"Kalia", &VyplnFixture::abs, 2, 0, 2, 0, 0, 0, false, false,
         {"Wykonanie standardowe", "z ramką", "z paskami naklejonymi"}, 0, 0, 0},
        // In AL/ABS the grooves are possible, and with strips also milled strips.
        {"Kalia", &VyplnFixture::alAbs, 2, 0, 2, 2, 2, 1, false, false,
         {"Wykonanie standardowe", "z ramką", "z paskami naklejonymi", "z rowkami dekoracyjnymi",
          "z paskami zafrezowanymi"},
         0, 0, 0},
        {"Arkada", &VyplnFixture::hlinik, 0, 0, 2, 2, 2, 2, false, false,
         {"Wykonanie standardowe", "z paskami naklejonymi", "z rowkami dekoracyjnymi", "z paskami zafrezowanymi"},
         0, 0, 0},
        // Frame prices only in the stainless pair.
        {"Atlas", &VyplnFixture::hlinik, 2, 0, 0, 0, 0, 2, true, false, {}, 0, 0, 0},
        // Muntin types from OZMPocet, or from MuzeOMrizku when that is 0.
        {"Alba", &VyplnFixture::hlinik, 1, 2, 0, 0, 0, 2, false, false, {}, 0, 0, 0},
        {"Mozaika", &VyplnFixture::hpl, 0, 1, 0, 0, 0, 0, false, false, {}, 0, 0, 0},
        // Types that carry their extra.
        {"Rama", &VyplnFixture::hlinik, 1, 0, 0, 0, 0, 2, false, false, {}, 1, 0, 0},
        {"Zefir", &VyplnFixture::abs, 0, 0, 1, 0, 0, 0, false, false, {}, 0, 1, 0},
        {"Enna", &VyplnFixture::hlinik, 0, 0, 0, 1, 0, 2, false, false, {}, 0, 0, 1},
        // A two-colour aluminium infill: only the one-sided overlay.
        {"Duet", &VyplnFixture::hlinik, 0, 0, 0, 0, 0, 2, false, false, {}, 0, 0, 0},
        {"Kryształ", &VyplnFixture::sklo, 0, 0, 0, 0, 0, 1, false, false, {}, 0, 0, 0},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        (this->*p.rodina)();
        auto v = otevri(p.nazev);
        const VyberVyplne &w = v->Vyber();
        SCOPED_TRACE(p.nazev);
        EXPECT_EQ(w.MuzeRamecek, p.ramecek);
        EXPECT_EQ(w.MuzeOMrizku, p.mrizka);
        EXPECT_EQ(w.MuzeOPasku, p.pasky);
        EXPECT_EQ(w.MuzeODrazku, p.drazky);
        EXPECT_EQ(w.MuzeOPDr, p.pdr);
        EXPECT_EQ(w.MuzePrekryv, p.prekryv);
        EXPECT_EQ(v->VRamPouzeAK(), p.pouzeAK);
        EXPECT_EQ(v->VRamNeDekor(), p.neDekor);
        EXPECT_EQ(v->Volitko().Polozky, p.radio);
        EXPECT_EQ(v->Volitko().Viditelny, !p.radio.empty());
        EXPECT_EQ(v->Moznosti(), int(p.radio.size()));
        if (!p.radio.empty()) {
            EXPECT_EQ(v->VolitkoVyska(), 20 * int(p.radio.size()) + 20);
            EXPECT_EQ(v->Volitko().Index, -1);
        }
        EXPECT_EQ(w.VybranyRamecek, p.vybranyRamecek);
        EXPECT_EQ(w.VybranaOPaska, p.vybranaPaska);
        EXPECT_EQ(w.VybranaOdrazka, p.vybranaDrazka);
        EXPECT_EQ(w.KodVyplne, v->SelVypln().Kod);
        EXPECT_EQ(w.NazevVyplne, p.nazev);
    }
}

TEST_F(VyplnTest, RadioIndicesFollowTheItemsOffered)
{
    alAbs();
    auto v = otevri("Kalia");
    EXPECT_EQ(v->XRamecek(), 1);
    EXPECT_EQ(v->XMrizka(), -1);
    EXPECT_EQ(v->XPaska(), 2);
    EXPECT_EQ(v->XDrazka(), 3);
    EXPECT_EQ(v->XPDr(), 4);
}

TEST_F(VyplnTest, PictureTitlesAndOfferedPictures)
{
    struct Pripad {
        const char *nazev;
        void (VyplnFixture::*rodina)();
        const char *lf1, *lf2, *lf3;
        bool im2, im3;
        int lf3Posun;
    } pripady[] = {
        {"Aura", &VyplnFixture::abs, "format 1/1", "1/2", "", true, false, 40},
        {"Cyrus", &VyplnFixture::abs, "format 1/1", "1/3", "", true, false, 40},
        {"Połówka", &VyplnFixture::abs, "", "format 2/1", "", true, false, 40},
        // "K0" outside HPL and AL/ABS: the third picture is the format 1/2.
        {"Kappa", &VyplnFixture::abs, "ABS wypełnienie", "", "1/2", true, true, -20},
        {"Kappa", &VyplnFixture::hpl, "HPL wypełnienie", "", "", true, false, 40},
        {"Kalia", &VyplnFixture::alAbs, "AL / ABS wypełnienie", "z ramką", "", false, false, 40},
        {"Alba", &VyplnFixture::hlinik, "Aluminiowe wypełnienie", "z ramką", "z AX ramką i kratką dekoracyjną", true,
         true, 40},
        // B0 and the types that carry their extra have no second picture.
        {"Baza", &VyplnFixture::hlinik, "Aluminiowe wypełnienie", "z ramką", "", false, false, 40},
        {"Enna", &VyplnFixture::hlinik, "Aluminiowe wypełnienie", "", "", false, false, 40},
        {"Kryształ", &VyplnFixture::sklo, "Szklo / AL wypełnienie", "", "", true, false, 40},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        (this->*p.rodina)();
        auto v = otevri(p.nazev);
        SCOPED_TRACE(std::string(p.nazev) + " " + v->LF(1).Text);
        EXPECT_EQ(v->LF(1).Text, p.lf1);
        EXPECT_EQ(v->LF(2).Text, p.lf2);
        EXPECT_EQ(v->LF(3).Text, p.lf3);
        const std::string kod = v->SelVypln().Kod;
        EXPECT_EQ(v->SIm(1), cesta("VYPLNE", kod + "1"));
        EXPECT_EQ(v->Image(1).Cesta, cesta("VYPLNE", kod + "1"));
        EXPECT_TRUE(v->Image(1).Viditelny);
        EXPECT_EQ(v->Image(2).Viditelny, p.im2);
        EXPECT_EQ(v->Image(2).Cesta, p.im2 ? cesta("VYPLNE", kod + "2") : "");
        EXPECT_EQ(v->Image(3).Viditelny, p.im3);
        EXPECT_EQ(v->Image(3).Cesta, p.im3 ? cesta("VYPLNE", kod + "3") : "");
        if (p.im3) {
            EXPECT_EQ(v->LF3Posun(), p.lf3Posun);
        }
    }
}

TEST_F(VyplnTest, AMissingPictureHidesItWithItsTitle)
{
    obrazky.everythingExists = false;
    obrazky.Add(cesta("VYPLNE", "A11"));
    obrazky.Add(cesta("VYPLNE", "A13"));
    hlinik();
    auto v = otevri("Alba");
    EXPECT_TRUE(v->Image(1).Viditelny);
    EXPECT_FALSE(v->Image(2).Viditelny);
    EXPECT_FALSE(v->Image(2).Povoleny);
    EXPECT_FALSE(v->LF(2).Viditelny);
    EXPECT_EQ(v->Rezim(), TVVypln::kNic); // no second picture, so no frame mode yet
    EXPECT_TRUE(v->Image(3).Viditelny);
    EXPECT_TRUE(v->LF(3).Viditelny);
    // The remaining pictures stay usable.
    v->KlikObrazek(1);
    EXPECT_TRUE(v->OKPovolen());
    v->KlikObrazek(2); // hidden: nothing
    EXPECT_EQ(v->Oznaceny(), 1);
}

TEST_F(VyplnTest, ALoadedSecondPictureMeansTheFrameModeUntilAPick)
{
    abs();
    auto v = otevri("Aura");
    EXPECT_EQ(v->Rezim(), TVVypln::kRamecek);
    EXPECT_EQ(v->Oznaceny(), 0);
    EXPECT_FALSE(v->OKPovolen());
    EXPECT_FALSE(v->CheckBox1().Viditelny);
}

TEST_F(VyplnTest, FirstPictureIsThePlainPanel)
{
    hlinik();
    auto v = otevri("Alba");
    v->KlikObrazek(1);
    EXPECT_EQ(v->Rezim(), TVVypln::kPrvni);
    EXPECT_EQ(v->NFormat(), 1);
    EXPECT_EQ(v->Oznaceny(), 1);
    EXPECT_TRUE(v->OKPovolen());
    EXPECT_FALSE(v->CheckBox1().Viditelny);
    EXPECT_FALSE(v->CheckBox2().Viditelny);
    // Aluminium: standard, one- and two-sided overlay.
    EXPECT_EQ(v->RadioPrekryv().Polozky,
              (Seznam{"Wykonanie standardowe", "Przekryw jednostronny", "Przekryw obustronny"}));
    EXPECT_TRUE(v->RadioPrekryv().Viditelny);
    EXPECT_TRUE(v->RadioPrekryv().Povoleny);
    EXPECT_EQ(v->RadioPrekryv().Index, 0);
}

TEST_F(VyplnTest, TypesWithTheirExtraArePickedAtOnceWithTheOuterSideFixed)
{
    struct Pripad {
        const char *nazev;
        void (VyplnFixture::*rodina)();
        const char *popis1, *popis2;
        bool vnitrni;
    } pripady[] = {
        {"Zefir", &VyplnFixture::abs, "Paski naklejone s. zewnętrzna", "Paski naklejone s. wewnętrzna", true},
        {"Enna", &VyplnFixture::hlinik, "Rowki strona zewnętrzna", "Rowki strona wewnętrzna", true},
        {"Duet", &VyplnFixture::hlinik, "Dwukolorowa strona zewnętrzna", "Dwukolorowa strona wewnętrzna", false},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        (this->*p.rodina)();
        auto v = otevri(p.nazev);
        SCOPED_TRACE(p.nazev);
        EXPECT_EQ(v->Rezim(), TVVypln::kPrvni);
        EXPECT_EQ(v->Oznaceny(), 1);
        EXPECT_FALSE(v->Image(1).Povoleny);
        EXPECT_FALSE(v->Volitko().Viditelny);
        EXPECT_TRUE(v->CheckBox1().Viditelny);
        EXPECT_TRUE(v->CheckBox1().Zaskrtnuto);
        EXPECT_FALSE(v->CheckBox1().Povoleny);
        EXPECT_EQ(v->CheckBox2().Viditelny, p.vnitrni);
        EXPECT_TRUE(v->OKPovolen()); // domestic: the outer side is enough
        EXPECT_EQ(v->CheckBox2().Text, p.popis2);
        const std::string &t1 = v->CheckBox1().Text;
        EXPECT_EQ(t1.substr(0, std::string(p.popis1).size()), p.popis1);
    }
}

TEST_F(VyplnTest, AFixedFormatAndTheGlassFamilyArePickedAtOnce)
{
    abs();
    auto solo = otevri("Solo");
    EXPECT_EQ(solo->Oznaceny(), 1);
    EXPECT_TRUE(solo->OKPovolen());
    sklo();
    auto krysztal = otevri("Kryształ");
    EXPECT_EQ(krysztal->Oznaceny(), 1);
    EXPECT_EQ(krysztal->RadioPrekryv().Polozky, (Seznam{"Wykonanie standardowe", "Przekryw jednostronny"}));
}

TEST_F(VyplnTest, SecondPictureOfAPressedPanelEnablesOK)
{
    abs();
    auto v = otevri("Aura");
    v->KlikObrazek(2);
    EXPECT_EQ(v->Oznaceny(), 2);
    EXPECT_EQ(v->NFormat(), 2);
    EXPECT_EQ(v->Rezim(), TVVypln::kStandard);
    EXPECT_TRUE(v->OKPovolen());
    EXPECT_EQ(v->Potvrd(), 1);
    EXPECT_EQ(s.SFormat, 2);
    EXPECT_EQ(s.SImage, cesta("VYPLNE", "PA2"));
}

TEST_F(VyplnTest, SecondPictureWithAFrameOptionChoosesTheFrameAndShowsBothSides)
{
    hlinik();
    auto v = otevri("Alba");
    v->KlikObrazek(2);
    EXPECT_EQ(v->Rezim(), TVVypln::kRamecek);
    EXPECT_EQ(v->NFormat(), 2);
    EXPECT_EQ(v->Vyber().VybranyRamecek, 1); // one frame type: no dialog
    EXPECT_TRUE(okna.ukazane.empty());
    EXPECT_TRUE(v->CheckBox1().Viditelny && v->CheckBox1().Povoleny);
    EXPECT_TRUE(v->CheckBox2().Viditelny && v->CheckBox2().Povoleny);
    EXPECT_EQ(v->CheckBox1().Text, "Ramka strona zewnętrzna");
    EXPECT_EQ(v->CheckBox2().Text, "Ramka strona wewnętrzna");
    EXPECT_FALSE(v->OKPovolen()); // no side yet
    // The picture click does not replace the picture by a preview.
    EXPECT_EQ(v->Image(1).Cesta, cesta("VYPLNE", "A11"));
}

TEST_F(VyplnTest, TwoFrameTypesAskForTheTypeAndShowItInTheCaptions)
{
    abs();
    okna.volby = {2};
    auto v = otevri("Kalia");
    v->KlikVolitko(1);
    ASSERT_EQ(okna.ukazane, (Seznam{"Wybór typu ramki"}));
    EXPECT_EQ(okna.obrazky[0][0].Cesta, cesta("RYSY", "KAF2S1"));
    EXPECT_EQ(okna.obrazky[0][1].Cesta, cesta("RYSY", "KAF2S1R2"));
    EXPECT_EQ(v->Vyber().VybranyRamecek, 2);
    EXPECT_EQ(v->CheckBox1().Text, "Ramka strona zewnętrzna (typ 2)");
    EXPECT_EQ(v->CheckBox2().Text, "Ramka strona wewnętrzna (typ 2)");
    // The preview shows the frame variant of type 2.
    EXPECT_EQ(v->Image(1).Cesta, cesta("RYSY", "BAF2S1R2"));
    v->NastavCheckBox2(true);
    EXPECT_EQ(v->CheckBox2().Text, "Ramka strona wewnętrzna (typ 2): AX - alunox");
    EXPECT_TRUE(v->OKPovolen());
}

TEST_F(VyplnTest, CancellingTheTypeDialogLeavesTheTypeAtZero)
{
    abs();
    auto v = otevri("Kalia");
    v->KlikVolitko(1); // no scripted pick: cancelled
    EXPECT_EQ(v->Vyber().VybranyRamecek, 0);
    EXPECT_EQ(v->Rezim(), TVVypln::kRamecek);
    EXPECT_EQ(v->CheckBox1().Text, "Ramka strona zewnętrzna (typ 0)");
}

TEST_F(VyplnTest, ExecutionChoicesSetModeFormatAndCaptions)
{
    struct Pripad {
        const char *nazev;
        void (VyplnFixture::*rodina)();
        int polozka;
        std::deque<int> volby;
        int rezim, nFormat;
        const char *popis1, *popis2;
        bool vnejsi, vnitrni; // side boxes shown
    } pripady[] = {
        {"Bora", &VyplnFixture::abs, 0, {}, TVVypln::kStandard, 1, "", "", false, false},
        {"Bora", &VyplnFixture::abs, 1, {}, TVVypln::kRamecek, 2, "Ramka strona zewnętrzna",
         "Ramka strona wewnętrzna", true, true},
        {"Bora", &VyplnFixture::abs, 2, {2}, TVVypln::kPasky, 1, "Paski naklejone s. zewnętrzna (typ 2)",
         "Paski naklejone s. wewnętrzna (typ 2)", true, true},
        // Grooves in the aluminium family have groove captions on both sides.
        {"Arkada", &VyplnFixture::hlinik, 2, {1}, TVVypln::kDrazky, 1, "Rowki strona zewnętrzna (typ 1)",
         "Rowki strona wewnętrzna (typ 1)", true, true},
        // Elsewhere the inner side gets glued strips, and the outer side is taken.
        {"Kalia", &VyplnFixture::alAbs, 3, {2}, TVVypln::kDrazky, 1,
         "Rowki strona zewnętrzna (typ 2)", "Paski naklejone s. wewnętrzna (typ 2)", true, true},
        {"Arkada", &VyplnFixture::hlinik, 3, {2}, TVVypln::kZafrezovane, 1, "Páski zafrezowane s. zewnętrzna (typ 2)",
         "Pásky zafrezowane s. wewnętrzna (typ 2)", true, true},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        (this->*p.rodina)();
        okna.volby = p.volby;
        auto v = otevri(p.nazev);
        v->KlikVolitko(p.polozka);
        SCOPED_TRACE(std::string(p.nazev) + " item " + std::to_string(p.polozka));
        EXPECT_EQ(v->Volitko().Index, p.polozka);
        EXPECT_EQ(v->Rezim(), p.rezim);
        EXPECT_EQ(v->NFormat(), p.nFormat);
        EXPECT_EQ(v->CheckBox1().Viditelny, p.vnejsi);
        EXPECT_EQ(v->CheckBox2().Viditelny, p.vnitrni);
        if (p.vnejsi) {
            EXPECT_EQ(v->CheckBox1().Text, p.popis1);
            EXPECT_EQ(v->CheckBox2().Text, p.popis2);
        }
        EXPECT_TRUE(okna.volby.empty());
    }
}

TEST_F(VyplnTest, MilledStripsTakeTheStripType)
{
    hlinik();
    okna.volby = {2};
    auto v = otevri("Arkada");
    v->KlikVolitko(3);
    EXPECT_EQ(okna.ukazane, (Seznam{"Wybór pasków dekoracynych"}));
    EXPECT_EQ(v->Vyber().VybranaOPaska, 2);
    EXPECT_EQ(v->Vyber().VybranaOPDR, 2);
    EXPECT_EQ(v->Vyber().VybranaOdrazka, 0);
    // Glued strips afterwards forget the milled type.
    okna.volby = {1};
    v->KlikVolitko(1);
    EXPECT_EQ(v->Vyber().VybranaOPaska, 1);
    EXPECT_EQ(v->Vyber().VybranaOPDR, 0);
}

TEST_F(VyplnTest, SideBoxesAndMaterialInAForeignMarketConfiguration)
{
    s.Cizina = true;
    abs();
    auto v = otevri("Bora");
    v->KlikVolitko(1); // frame
    // The material boxes follow the outer side: shown with it, usable once it is checked.
    EXPECT_TRUE(v->Ram1AK().Viditelny);
    EXPECT_FALSE(v->Ram1AK().Povoleny);
    v->NastavCheckBox1(true);
    // Without a material OK stays disabled.
    EXPECT_TRUE(v->Ram1AK().Viditelny && v->Ram1AK().Povoleny);
    EXPECT_TRUE(v->Ram1KK().Viditelny && v->Ram1KK().Povoleny);
    EXPECT_EQ(v->Ram1AK().Text, "AX - alunox");
    EXPECT_EQ(v->Ram1KK().Text, "AK - nierzdzewna");
    EXPECT_FALSE(v->OKPovolen());
    EXPECT_EQ(v->CheckBox1().Text, "Ramka strona zewnętrzna: AX - alunox");
    EXPECT_EQ(v->SirokeStrany(), true);

    // AK outside is copied inside and clears AX on both sides.
    v->NastavRam1AK(true);
    v->NastavRam1KK(true);
    EXPECT_TRUE(v->Ram1KK().Zaskrtnuto);
    EXPECT_TRUE(v->Ram2KK().Zaskrtnuto);
    EXPECT_FALSE(v->Ram1AK().Zaskrtnuto);
    EXPECT_FALSE(v->Ram2AK().Zaskrtnuto);
    EXPECT_TRUE(v->OKPovolen());
    EXPECT_EQ(v->CheckBox1().Text, "Ramka strona zewnętrzna: AK - nierzdzewna");
    EXPECT_TRUE(v->Vyber().PBarva1.RBarva.AK);
    EXPECT_FALSE(v->Vyber().PBarva1.RBarva.Hlinik);
    EXPECT_TRUE(v->Vyber().PBarva2.RBarva.AK);

    // The inner side with the outer one checked: its material follows the outer one.
    v->NastavCheckBox2(true);
    EXPECT_TRUE(v->Ram2KK().Viditelny);
    EXPECT_FALSE(v->Ram2KK().Povoleny);
    EXPECT_EQ(v->CheckBox2().Text, "Ramka strona wewnętrzna: AK - nierzdzewna");
    EXPECT_TRUE(v->OKPovolen());

    // Only the inner side: its own material is required.
    v->NastavCheckBox1(false);
    EXPECT_TRUE(v->Ram2AK().Povoleny);
    v->NastavRam2KK(false);
    EXPECT_FALSE(v->OKPovolen());
    v->NastavRam2AK(true);
    EXPECT_TRUE(v->OKPovolen());
    EXPECT_TRUE(v->Vyber().PBarva2.RBarva.Hlinik);
}

TEST_F(VyplnTest, ADomesticConfigurationTakesAXFramesWithTheOuterSide)
{
    struct Pripad {
        const char *nazev;
        void (VyplnFixture::*rodina)();
        int polozka; // -1: second picture
        bool ax;
    } pripady[] = {
        {"Alba", &VyplnFixture::hlinik, -1, true}, // aluminium family
        {"Kalia", &VyplnFixture::alAbs, 1, true},  // AL/ABS family (two frame types)
        {"Bora", &VyplnFixture::abs, 1, true},     // a non-decor frame
        {"Kalia", &VyplnFixture::abs, 1, false},   // an ABS decor frame: no material
    };
    const auto popis = [](const std::string &nazev) {
        return std::string("Ramka strona zewnętrzna") + (nazev == "Kalia" ? " (typ 1)" : "") + ": AX - alunox";
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        (this->*p.rodina)();
        okna.volby = {1};
        auto v = otevri(p.nazev);
        if (p.polozka < 0)
            v->KlikObrazek(2);
        else
            v->KlikVolitko(p.polozka);
        v->NastavCheckBox1(true);
        SCOPED_TRACE(p.nazev);
        EXPECT_FALSE(v->Ram1AK().Viditelny);
        EXPECT_EQ(v->Ram1AK().Zaskrtnuto, p.ax);
        EXPECT_EQ(v->Vyber().PBarva1.RBarva.Hlinik, p.ax);
        EXPECT_TRUE(v->OKPovolen());
        EXPECT_EQ(v->CheckBox1().Text, popis(p.nazev));
    }
}

TEST_F(VyplnTest, GroovesNeedASideButNoMaterial)
{
    s.Cizina = true;
    hlinik();
    okna.volby = {1};
    auto v = otevri("Arkada");
    v->KlikVolitko(2);
    EXPECT_FALSE(v->OKPovolen());
    v->NastavCheckBox2(true);
    EXPECT_TRUE(v->OKPovolen());
}

TEST_F(VyplnTest, ThirdPictureOfK0MarksItAndHidesTheOuterSide)
{
    abs();
    auto v = otevri("Kappa");
    const Prepinac radio = v->Volitko();
    v->KlikObrazek(3);
    EXPECT_EQ(v->Oznaceny(), 3);
    EXPECT_EQ(v->NFormat(), 3);
    EXPECT_EQ(v->Rezim(), TVVypln::kOMrizka);
    EXPECT_FALSE(v->CheckBox1().Viditelny);
    EXPECT_EQ(v->Volitko(), radio);
    EXPECT_TRUE(okna.ukazane.empty());
    EXPECT_TRUE(v->OKPovolen());
}

TEST_F(VyplnTest, ThirdPictureWithMuntinTypesAsksForTheMuntin)
{
    hlinik();
    okna.volby = {2};
    auto v = otevri("Alba");
    v->KlikObrazek(3);
    ASSERT_EQ(okna.ukazane, (Seznam{"Wybór kratki dekoracyjnej"}));
    EXPECT_EQ(okna.obrazky[0].size(), 3u);
    const VyberVyplne &w = v->Vyber();
    EXPECT_EQ(w.VybranaOMrizka, 2);
    EXPECT_EQ(w.VybranyRamecek, 1);
    EXPECT_EQ(w.SDoplnek1.DDoplnek.Nazev, "M2 = 3 x kratka dekoracyjna");
    EXPECT_EQ(w.SDoplnek1.DDoplnek.PocetKs, 3);
    EXPECT_FALSE(v->CheckBox1().Viditelny);
    EXPECT_TRUE(v->CheckBox2().Viditelny);
    EXPECT_EQ(v->CheckBox2().Text, "Ramka strona wewnętrzna (typ 2)");
    EXPECT_TRUE(v->OKPovolen());
}

TEST_F(VyplnTest, OneMuntinTypeBecomesAccessorySlotOneWithoutADialog)
{
    hpl();
    auto v = otevri("Mozaika");
    // The third picture is offered for the muntin.
    ASSERT_TRUE(v->Image(3).Viditelny);
    v->KlikObrazek(3);
    EXPECT_TRUE(okna.ukazane.empty());
    const TDDoplnek &d = v->Vyber().SDoplnek1.DDoplnek;
    EXPECT_EQ(d.Polozka, 1);
    EXPECT_EQ(d.Kod, "MX01");
    EXPECT_EQ(d.Nazev, "M1 = 1 x kratka dekoracyjna");
    EXPECT_TRUE(d.Namontovat);
    EXPECT_FALSE(d.Umisten);
    EXPECT_TRUE(d.AutoMontaz);
    EXPECT_FALSE(d.MaDistanci);
    EXPECT_EQ(d.SCena, 450);
    EXPECT_EQ(d.SMontaz, 150);
    EXPECT_EQ(d.SCenaDR, 0);
    EXPECT_EQ(d.PocetKs, 1);
}

TEST_F(VyplnTest, OverlayOfTheALABSFamily)
{
    struct Pripad {
        bool kneprekryv;
        int klik; // overlay item clicked, -1 none
        bool prekryvna;
        int prekryv;
    } pripady[] = {
        {true, -1, false, 0},
        {true, 1, true, 1},
        // Without apKneprekryv an AL/ABS infill always overlays one side.
        {false, -1, true, 1},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apKneprekryv = p.kneprekryv;
        alAbs();
        auto v = otevri("Kappa");
        v->KlikObrazek(1);
        if (p.klik >= 0)
            v->NastavPrekryv(p.klik);
        ASSERT_EQ(v->Potvrd(), 1);
        EXPECT_EQ(s.SPrekryvna, p.prekryvna);
        EXPECT_EQ(s.SPrekryv, p.prekryv);
    }
}

TEST_F(VyplnTest, ALABSExecutionWithoutApKneprekryvFixesTheOneSidedOverlay)
{
    s.apKneprekryv = false;
    alAbs();
    okna.volby = {1};
    auto v = otevri("Kalia");
    v->KlikVolitko(2);
    EXPECT_EQ(v->RadioPrekryv().Index, 1);
    EXPECT_FALSE(v->RadioPrekryv().Povoleny);
}

TEST_F(VyplnTest, TwoSidedAluminiumOverlay)
{
    hlinik();
    auto v = otevri("Alba");
    v->KlikObrazek(1);
    v->NastavPrekryv(2);
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_TRUE(s.SPrekryvna);
    EXPECT_EQ(s.SPrekryv, 2);
    EXPECT_EQ(s.PVL, 10);
    EXPECT_EQ(s.IndZesil, -1);
}

TEST_F(VyplnTest, ConfirmationWritesTheRecordAndResetsLaterChoices)
{
    hlinik();
    s.SFormat = 2;
    s.SZaskleni = 3;
    s.SVyztuz = 4;
    s.BarvyVybrany = s.RozmerVybran = s.DekoryVybrany = s.VitrazVybrana = s.MrizkaVybrana = true;
    s.SPrava = true;
    s.Zesilena = true;
    s.PVL = 30;
    auto v = otevri("Rama");
    v->KlikObrazek(1);
    ASSERT_TRUE(v->OKPovolen());
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_TRUE(v->Potvrzeno());
    EXPECT_EQ(v->Potvrd(), 0); // once
    EXPECT_EQ(s.SVypln.DVypln.Nazev, "Rama");
    EXPECT_EQ(s.SVypln.DVypln.Kod, "R1");
    EXPECT_EQ(s.SVypln.DVypln.Polozka, v->VybranyRadek());
    EXPECT_EQ(s.SVypln.DVypln.RM1cena, 2500);
    EXPECT_TRUE(s.VyplnVybrana);
    EXPECT_EQ(s.KodVyplne, "R1");
    EXPECT_EQ(s.NazevVyplne, "Rama");
    EXPECT_EQ(s.KodRysu, "R1");
    EXPECT_EQ(s.SImage, cesta("VYPLNE", "R11"));
    EXPECT_EQ(s.SFormat, 1);
    EXPECT_EQ(s.SZaskleni, -1);
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_FALSE(s.SPrava);
    EXPECT_FALSE(s.BarvyVybrany || s.RozmerVybran || s.DekoryVybrany || s.VitrazVybrana || s.MrizkaVybrana);
    EXPECT_FALSE(s.Zesilena);
    EXPECT_EQ(s.PVL, 10);
    // A frame type takes the frame on the outer side.
    EXPECT_TRUE(s.SRameckova);
    EXPECT_EQ(s.SRamecek1, 1);
    EXPECT_EQ(s.SRamecek2, 0);
    EXPECT_EQ(s.MuzeRamecek, 1);
    EXPECT_EQ(s.MuzePrekryv, 2);
    EXPECT_TRUE(s.RBarva1.RBarva.Hlinik); // AX of the domestic configuration
    EXPECT_EQ(s.RBarva1.RBarva.Kod, "");
}

TEST_F(VyplnTest, ConfirmationCopiesTheTypeFlagsAndTheFixedFormat)
{
    abs();
    auto solo = otevri("Solo");
    ASSERT_EQ(solo->Potvrd(), 1);
    EXPECT_TRUE(s.SJednoZask);
    EXPECT_EQ(s.SFixFormat, "F1S2");
    EXPECT_TRUE(s.SLisovana);
    EXPECT_EQ(s.SPozic, 1);

    hlinik();
    auto duet = otevri("Duet");
    ASSERT_EQ(duet->Potvrd(), 1);
    EXPECT_TRUE(s.SDvojbarva);
    EXPECT_EQ(s.SPozic, 2);
    EXPECT_FALSE(s.SLisovana);
    EXPECT_EQ(s.SFixFormat, "");
}

TEST_F(VyplnTest, ThirdFormatOfK0IsStoredAsFormatTwoWithItsOwnLimits)
{
    abs();
    auto v = otevri("Kappa");
    v->KlikObrazek(3);
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_EQ(s.SFormat, 2);
    EXPECT_EQ(s.SImage, cesta("VYPLNE", "K03"));
    const TDVypln &d = s.SVypln.DVypln;
    EXPECT_EQ(d.MaxVyskaF1, 2100);
    EXPECT_EQ(d.MaxVyskaF2, 2100);
    EXPECT_EQ(d.MaxSirkaF1, 950);
    EXPECT_EQ(d.MaxSirkaF2, 950);
    EXPECT_EQ(d.MinVyskaF1, 1800);
    EXPECT_EQ(d.MinSirkaF2, 700);
    EXPECT_EQ(d.HraVyskaF1, 0);
    EXPECT_EQ(d.HraSirkaF1, 0);
    // The third picture of "K0" takes no outer-side options.
    EXPECT_EQ(s.SRamecek1, 0);
    EXPECT_EQ(s.SPozic, 1);
}

TEST_F(VyplnTest, ThirdFormatOfOtherCodesKeepsFormatThreeAndTakesTheOuterSide)
{
    hlinik();
    okna.volby = {2};
    auto v = otevri("Alba");
    v->KlikObrazek(3);
    ASSERT_FALSE(v->CheckBox1().Povoleny && v->CheckBox1().Viditelny);
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_EQ(s.SFormat, 3);
    EXPECT_EQ(s.SImage, cesta("VYPLNE", "A13"));
    EXPECT_EQ(s.SRamecek1, 1);
    EXPECT_EQ(s.SOMrizka, 2);
    EXPECT_EQ(s.VybranaOMrizka, 2);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Nazev, "M2 = 3 x kratka dekoracyjna");
    EXPECT_EQ(s.SVypln.DVypln.MaxVyskaF1, 2200); // no K limits
}

TEST_F(VyplnTest, ALABSInnerGroovesBecomeGluedStrips)
{
    alAbs();
    okna.volby = {2};
    auto v = otevri("Kalia");
    v->KlikVolitko(3); // grooves, type 2
    v->NastavCheckBox2(true);
    ASSERT_TRUE(v->OKPovolen());
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_EQ(s.SODrazka1, 2); // the outer side is taken by the refresh
    EXPECT_EQ(s.SOPaska2, 2);
    EXPECT_EQ(s.VybranaOPaska, 2);
    EXPECT_EQ(s.SODrazka2, 0);
    EXPECT_EQ(s.SODr2, 0);
}

TEST_F(VyplnTest, SidesNotTakenAreCleared)
{
    abs();
    s.SRamecek1 = s.SRamecek2 = 2;
    s.SOPaska1 = s.SOPaska2 = 1;
    s.SDvojbarva = true;
    s.SPozic = 3;
    okna.volby = {1};
    auto v = otevri("Bora");
    v->KlikVolitko(2);
    v->NastavCheckBox2(true); // inner only
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_EQ(s.SOPaska1, 0);
    EXPECT_EQ(s.SRamecek1, 0);
    EXPECT_FALSE(s.SDvojbarva);
    EXPECT_EQ(s.SPozic, 1);
    EXPECT_EQ(s.SOPaska2, 1);
    EXPECT_EQ(s.SRamecek2, 0);
}

TEST_F(VyplnTest, CancelLeavesTheSessionAsItWas)
{
    // A configured job with an accessory in slot 1 and frame colours.
    hlinik();
    s.KodVyplne = "XX";
    s.NazevVyplne = "Stara";
    s.MuzeRamecek = 2;
    s.VybranyRamecek = 2;
    s.SDoplnek1.DDoplnek.Polozka = 3;
    s.SDoplnek1.DDoplnek.Nazev = "Klamka";
    s.PBarva1.RBarva.Kod = "RAL9016";
    s.RBarva1.RBarva.Kod = "RAL9016";
    const Snimek pred = Snimej(s);
    {
        okna.volby = {2, 1};
        auto v = otevri("Alba");
        v->KlikObrazek(3); // muntin 2: the accessory in the working copy
        v->VyberRadek(0);
        v->KlikObrazek(2);
        v->NastavCheckBox1(true);
        ASSERT_EQ(v->Vyber().SDoplnek1.DDoplnek.Nazev, "M2 = 3 x kratka dekoracyjna");
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
}

TEST_F(VyplnTest, AMuntinDroppedWhileBrowsingIsNotKept)
{
    hlinik();
    s.SDoplnek1.DDoplnek.Nazev = "Klamka";
    okna.volby = {2};
    auto v = otevri("Alba");
    v->KlikObrazek(3);
    v->KlikObrazek(1); // then the plain panel after all
    ASSERT_EQ(v->Potvrd(), 1);
    EXPECT_EQ(s.SOMrizka, 0);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Nazev, "Klamka");
}

TEST_F(VyplnTest, PreviewOfTheChosenVariant)
{
    struct Pripad {
        const char *nazev;
        void (VyplnFixture::*rodina)();
        int polozka;
        std::deque<int> volby;
        const char *nahled; // in RYSY
    } pripady[] = {
        {"Bora", &VyplnFixture::abs, 0, {}, "PBF1S1"},
        {"Bora", &VyplnFixture::abs, 1, {}, "PBF2S1"},
        {"Bora", &VyplnFixture::abs, 2, {2}, "PBP2"},
        {"Kalia", &VyplnFixture::hpl, 1, {2}, "BAF2S1R2"},
        {"Baza", &VyplnFixture::hlinik, 0, {}, "B0PF1S0"},
        {"Baza", &VyplnFixture::hlinik, 1, {}, "B0PF2S0"},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        (this->*p.rodina)();
        okna.volby = p.volby;
        auto v = otevri(p.nazev);
        v->KlikVolitko(p.polozka);
        EXPECT_EQ(v->Image(1).Cesta, cesta("RYSY", p.nahled)) << p.nazev << " " << p.polozka;
    }
}

TEST_F(VyplnTest, APreviewThatDoesNotExistKeepsThePicture)
{
    obrazky.everythingExists = false;
    obrazky.Add(cesta("VYPLNE", "PB1"));
    abs();
    auto v = otevri("Bora");
    v->KlikVolitko(1);
    EXPECT_EQ(v->Image(1).Cesta, cesta("VYPLNE", "PB1"));
}

TEST_F(VyplnTest, PlacementOnTheMainWindowArea)
{
    s.VolbaLeft = 100;
    s.VolbaTop = 50;
    abs();
    TVVypln v(s, obrazky);
    // 880 is wider than 796: the main window's corner.
    EXPECT_EQ(v.Umisteni(), (Bod{100, 50}));
    EXPECT_EQ(v.Umisteni(700, 500), (Bod{150, 100}));
    EXPECT_EQ(std::string(TVVypln::kTitulek), "Wybór typu i formatu wypełnienia");
}
