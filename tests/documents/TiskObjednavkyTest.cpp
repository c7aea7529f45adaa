// The page of the printed order and the miniature of the panel shared with the quote.
#include "documents/TiskObjednavky.h"

#include "documents/TiskTestData.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace qmr;

namespace {

using D = PolozkaStrany::Druh;

// A dealer with a delivery address, a supplier and the panel placed by the ratios.
Session Zakazka()
{
    Session s = tisktest::Zakazka();
    s.SHPomer = 0.5;
    s.SVPomer = 0.5;
    TFirmaData &f = s.Firma.Data;
    f.DUlice = "ul. Magazynowa 3";
    f.DPSC = "90-002";
    f.DObec = "Zgierz";
    f.PracDoba = "7-15";
    TQMData &q = s.Quilmar.QMData;
    q.Nazev = "Quilmar s.r.o.";
    q.Ulice = "Průmyslová 12";
    q.PSC = "602 00";
    q.Obec = "Brno";
    return s;
}

DataObjednavky Data()
{
    DataObjednavky d;
    d.Cislo = "Z-2024/17";
    d.Termin = "22.03.2024";
    d.Podpis = "Jan Wiśniewski";
    d.TxCena = "Bez transportu 1 234,50 PLN bez podatku";
    d.Pocet = 2;
    d.Radky.Pridej("Wypełnienie:", "Aura 1/1 S1");
    d.Radky.Pridej("Wymiary:", "szerokość 900 mm, wysokość 2000 mm, grubość 24 mm");
    d.Radky.Pridej("", "strona wewnętrzna Biały 9016");
    d.Poznamky = {"Dostawa rano", "Proszę dzwonić"};
    return d;
}

using tisktest::kDnes;

} // namespace

TEST(TiskObjednavkyTest, PageOfAnInfillOrder)
{
    const Session s = Zakazka();
    const StranaTisku p = StranaObjednavky(s, Data(), kDnes);
    EXPECT_EQ(p.Titulek, "Druk zamówienia");

    struct Ocekavany {
        const char *nazev;
        double x, y;
        std::string text;
        Pismo pismo;
    };
    const std::vector<Ocekavany> texty = {
        {"QNazev1", 31.8, 19.1, "Drzwi-Pol Sp. z o.o.", Pismo::Normalni},
        {"QNazev2", 31.8, 23.3, "Salon Łódź", Pismo::Normalni},
        {"QUlice", 31.8, 27.5, "ul. Źródlana 7", Pismo::Normalni},
        {"QPSC", 14.8, 31.8, "90-001", Pismo::Normalni},
        {"QObec", 31.8, 31.8, "Łódź", Pismo::Normalni},
        {"QRLabel1", 14.8, 38.4, "Regon:", Pismo::Normalni},
        {"QICO", 31.8, 38.4, "123456789", Pismo::Normalni},
        {"QRLabel2", 14.8, 43.1, "NIP:", Pismo::Normalni},
        {"QDIC", 31.8, 43.1, "725-000-11-22", Pismo::Normalni},
        {"QRLabel3", 114.3, 15.1, "Zamówienie Nr.:", Pismo::Velke},
        {"QCislo", 156.6, 15.1, "Z-2024/17", Pismo::Velke},
        {"QRLabel4", 114.3, 22.0, "Data sporządzenia:", Pismo::Tucne},
        {"QDatum", 156.6, 22.0, "05.03.2024", Pismo::Tucne},
        {"QRLabel5", 114.3, 26.2, "Termin dostawy:", Pismo::Tucne},
        {"QTermin", 156.6, 26.2, "22.03.2024", Pismo::Tucne},
        {"Doprava", 114.3, 32.0, "Transport zabezpiecza odbiorca", Pismo::Tucne},
        {"VNazev", 129.1, 38.6, "Quilmar s.r.o.", Pismo::Tucne},
        {"VUlice", 129.1, 43.9, "Průmyslová 12", Pismo::Tucne},
        {"VPSC", 109.8, 48.7, "602 00", Pismo::Tucne},
        {"VObec", 129.1, 48.7, "Brno", Pismo::Tucne},
        {"QText", 19.1, 56.6,
         "Zamawiamy u Państwa 2 sztuk wypełnień drzwiowych według następującej specyfikacji:", Pismo::Normalni},
        {"TxCena", 55.0, 180.4, "Bez transportu 1 234,50 PLN bez podatku", Pismo::Tucne},
        {"QRLabel7", 19.1, 186.8, "Sporządził:", Pismo::Normalni},
        {"Podpis", 44.5, 186.8, "Jan Wiśniewski", Pismo::Normalni},
        {"QRLabel8", 19.1, 195.3, "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):", Pismo::Normalni},
        {"QRLabel9", 21.2, 264.6, "telefon: ", Pismo::Normalni},
        {"Qtelefon", 38.1, 264.6, "42 600 00 00", Pismo::Normalni},
        {"QRLabel10", 21.2, 268.8, "fax:     ", Pismo::Normalni},
        {"Qfax", 38.1, 268.8, "42 600 00 01", Pismo::Normalni},
        {"QRLabel11", 21.2, 273.1, "e-mail:  ", Pismo::Normalni},
        {"Qmail", 38.1, 273.1, "biuro@drzwipol.example", Pismo::Normalni},
        {"QRLabel13", 93.1, 264.6, "Adres dostawy:", Pismo::Normalni},
        {"SUlice", 139.7, 264.6, "ul. Magazynowa 3", Pismo::Normalni},
        {"SPSC", 120.7, 268.8, "90-002", Pismo::Normalni},
        {"SObec", 139.7, 268.8, "Zgierz", Pismo::Normalni},
        {"QRLabel14", 93.1, 273.1, "Czasy pracy:  ", Pismo::Normalni},
        {"SPracDoba", 120.7, 273.1, "7-15", Pismo::Normalni},
    };
    for (const Ocekavany &o : texty) {
        SCOPED_TRACE(o.nazev);
        const PolozkaStrany *i = p.Najdi(o.nazev);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->druh, D::Text);
        EXPECT_DOUBLE_EQ(i->X, o.x);
        EXPECT_DOUBLE_EQ(i->Y, o.y);
        EXPECT_EQ(i->Text, o.text);
        EXPECT_EQ(i->pismo, o.pismo);
    }

    const PolozkaStrany *r = p.Najdi("Radky1");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->druh, D::Sloupce);
    EXPECT_EQ(r->Radky, Data().Radky.Radky1);
    EXPECT_EQ(r->Radky2, Data().Radky.Radky2);
    EXPECT_DOUBLE_EQ(r->X, 9.3);
    EXPECT_DOUBLE_EQ(r->X2, 51.3);
    EXPECT_DOUBLE_EQ(r->Y, 63.2);
    EXPECT_DOUBLE_EQ(r->Sirka, 40.5);
    EXPECT_DOUBLE_EQ(r->Sirka2, 114.6);
    EXPECT_DOUBLE_EQ(r->Vyska, 116.7);

    const PolozkaStrany *ram = p.Najdi("QRShape1");
    ASSERT_NE(ram, nullptr);
    EXPECT_EQ(ram->druh, D::Ramecek);
    EXPECT_DOUBLE_EQ(ram->X, 10.6);
    EXPECT_DOUBLE_EQ(ram->Sirka, 186.5);
    EXPECT_DOUBLE_EQ(ram->Vyska, 40.5);
    const PolozkaStrany *cara = p.Najdi("QRShape2");
    ASSERT_NE(cara, nullptr);
    EXPECT_EQ(cara->druh, D::Cara);
    EXPECT_DOUBLE_EQ(cara->Y, 259.6);
    EXPECT_DOUBLE_EQ(cara->Sirka, 178.1);
    EXPECT_DOUBLE_EQ(cara->Vyska, 0);

    EXPECT_NE(p.Text("QRLabel12").find("Quilmar"), std::string::npos);
}

TEST(TiskObjednavkyTest, TransportHiddenPricesAndLongNotes)
{
    Session s = Zakazka();
    DataObjednavky d = Data();
    d.Doprava = 1;
    d.Poznamky.clear();
    for (int i = 1; i <= 14; ++i)
        d.Poznamky.push_back("Uwaga " + std::to_string(i));
    s.SCeny.CenyData.Zobrazit = 0;
    const StranaTisku p = StranaObjednavky(s, d, kDnes);
    EXPECT_EQ(p.Text("Doprava"), "Transport zabezpiecza dostawca");
    // The form computed a price line, but prices are not shown.
    ASSERT_NE(p.Najdi("TxCena"), nullptr);
    EXPECT_EQ(p.Text("TxCena"), "");
    // Every note line goes to the notes box, which grows; nothing is cut at 10.
    const PolozkaStrany *n = p.Najdi("Poznamky");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->druh, D::Blok);
    EXPECT_EQ(n->Radky, d.Poznamky);
    EXPECT_TRUE(n->Roste);
    EXPECT_DOUBLE_EQ(n->X, 21.2);
    EXPECT_DOUBLE_EQ(n->Y, 200.8);
    EXPECT_DOUBLE_EQ(n->Sirka, 169.6);
    EXPECT_DOUBLE_EQ(n->Vyska, 59.3);
    // It never runs into the foot: what does not fit continues on the next page.
    EXPECT_LE(n->Mez, 260.1);
    EXPECT_LT(n->PokracujY, 20.0);

    s.SCeny.CenyData.Zobrazit = 2;
    EXPECT_EQ(StranaObjednavky(s, d, kDnes).Text("TxCena"), d.TxCena);
}

TEST(TiskObjednavkyTest, AccessoriesOnlyOrderHasNoQuantityAndNoDrawing)
{
    Session s = Zakazka();
    s.TypZakazky = 2;
    DataObjednavky d = Data();
    d.Radky = {};
    d.Radky.Pridej("Akcesoria:", "2 x Klamka (10 mm)");
    const StranaTisku p = StranaObjednavky(s, d, kDnes, {200, 420}, {});
    EXPECT_EQ(p.Text("QText"), "Zamawiamy u Państwa");
    for (const char *n : {"Podklad", "Rantl", "Prekryv", "Skla", "Label1"})
        EXPECT_EQ(p.Najdi(n), nullptr) << n;
    EXPECT_EQ(p.Najdi("Radky1")->Radky2, std::vector<std::string>{"2 x Klamka (10 mm)"});
}

// ---- The miniature -------------------------------------------------------------------

namespace {

// A rectangle in report pixels relative to the drawing frame's corner at (X, Y) mm.
struct Px {
    int Left, Top, Width, Height;
    bool operator==(const Px &) const = default;
};

Px VPixelech(const PolozkaStrany &i, double X, double Y)
{
    auto px = [](double mm) { return int(std::lround(mm / kMMNaPixel)); };
    return {px(i.X - X), px(i.Y - Y), px(i.Sirka), px(i.Vyska)};
}

std::ostream &operator<<(std::ostream &o, const Px &p)
{
    return o << "(" << p.Left << ", " << p.Top << ", " << p.Width << " x " << p.Height << ")";
}

constexpr double kX = 167.5, kY = 80.4;

Px Prvek(const StranaTisku &p, const char *nazev)
{
    const PolozkaStrany *i = p.Najdi(nazev);
    EXPECT_NE(i, nullptr) << nazev;
    return i ? VPixelech(*i, kX, kY) : Px{-1, -1, -1, -1};
}

} // namespace

TEST(TiskObjednavkyTest, MiniatureFrameSizeByPanelKindAndFormat)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int sirka, vyska;
    };
    const std::vector<Pripad> pripady = {
        {"ordinary panel", [](Session &) {}, 90, 210},
        {"aluminium", [](Session &s) { s.SHlinik = true; }, 100, 220},
        {"aluminium inside", [](Session &s) { s.SHlinik2 = true; }, 100, 220},
        {"frame possible", [](Session &s) { s.MuzeRamecek = 1; }, 100, 220},
        {"K series", [](Session &s) { s.SRadaK = true; }, 100, 220},
        {"overlay panel", [](Session &s) { s.SPrekryvna = true; s.SHlinik = true; }, 120, 240},
        {"format 2, PA", [](Session &s) { s.SFormat = 2; }, 90, 98},
        {"format 2, PB", [](Session &s) { s.SFormat = 2; s.SVypln.DVypln.Kod = "PB"; }, 90, 98},
        {"format 2, PC", [](Session &s) { s.SFormat = 2; s.SVypln.DVypln.Kod = "PC"; }, 90, 65},
        {"format 2, other code", [](Session &s) { s.SFormat = 2; s.SVypln.DVypln.Kod = "A1"; }, 60, 210},
    };
    for (const Pripad &c : pripady) {
        SCOPED_TRACE(c.popis);
        Session s = Zakazka();
        c.nastav(s);
        const StranaTisku p = StranaObjednavky(s, Data(), kDnes, {180, 400}, {});
        const PolozkaStrany *i = p.Najdi("Podklad");
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->druh, D::Obrazek);
        EXPECT_EQ(i->Zdroj, ZdrojObrazku::Rys);
        EXPECT_EQ(VPixelech(*i, kX, kY), (Px{0, 0, c.sirka, c.vyska}));
    }
}

TEST(TiskObjednavkyTest, MiniatureOpeningPlacement)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        Px rantl;
        bool teckovany;
    };
    const std::vector<Pripad> pripady = {
        // 803 mm is 80 px; the free 10 px split by the ratios, 2.5 rounding to even.
        {"by the ratios", [](Session &s) { s.SSirka = 803; s.SVPomer = 0.25; }, {5, 2, 80, 200}, false},
        {"eccentric right", [](Session &s) { s.SSirka = 700; s.SExcentr = true; s.SPrava = true; }, {20, 5, 70, 200}, false},
        // Two-coloured or not, an eccentric panel is flush with an edge.
        {"eccentric left, two-coloured",
         [](Session &s) { s.SSirka = 700; s.SExcentr = s.SDvojbarva = true; s.SHPomer = 1; }, {0, 5, 70, 200}, false},
        {"overlay confirmed",
         [](Session &s) {
             s.SPrekryvna = s.PrekryvVybran = true;
             s.SSirka = 800;
             s.PVL = 60; s.PVP = 80; s.PVH = 120; s.PVD = 30;
         },
         {6, 12, 80, 200}, true},
        {"overlay confirmed, right-hand",
         [](Session &s) {
             s.SPrekryvna = s.PrekryvVybran = s.SExcentr = s.SPrava = true;
             s.SSirka = 800;
             s.PVL = 60; s.PVP = 80; s.PVH = 120;
         },
         {120 - 88, 12, 80, 200}, true},
        // Not confirmed: placed like an ordinary panel in the larger frame.
        {"overlay not confirmed",
         [](Session &s) { s.SPrekryvna = true; s.SSirka = 800; s.PVL = 60; }, {20, 20, 80, 200}, false},
    };
    for (const Pripad &c : pripady) {
        SCOPED_TRACE(c.popis);
        Session s = Zakazka();
        c.nastav(s);
        const StranaTisku p = StranaObjednavky(s, Data(), kDnes, {180, 400}, {});
        EXPECT_EQ(Prvek(p, "Rantl"), c.rantl);
        ASSERT_NE(p.Najdi("Rantl"), nullptr);
        EXPECT_EQ(p.Najdi("Rantl")->Teckovana, c.teckovany);
    }
}

TEST(TiskObjednavkyTest, MiniatureAuxiliaryOverlayPicture)
{
    Session s = Zakazka();
    s.SPrekryvna = s.PrekryvVybran = s.VidimPomRys = true;
    s.SSirka = 800;
    s.SVyska = 2000;
    s.PVL = 60;
    s.PVP = 80;
    s.PVH = 120;
    s.PVD = 30;
    s.SVypln.DVypln.Kod = "A1";
    // The auxiliary picture 100 x 300 px is shown at half size inside the opening
    // (6, 12, 80 x 200); the overlay outline covers the opening and the overlays.
    StranaTisku p = StranaObjednavky(s, Data(), kDnes, {240, 480}, {100, 300});
    EXPECT_EQ(p.Najdi("Podklad"), nullptr);
    EXPECT_EQ(Prvek(p, "Skla"), (Px{6 + 15, 12 + 25, 50, 150}));
    EXPECT_EQ(p.Najdi("Skla")->Zdroj, ZdrojObrazku::PomRys);
    EXPECT_EQ(Prvek(p, "Prekryv"), (Px{0, 0, 80 + 14, 200 + 15}));

    // Eccentric: 6 pixels inside the right edge of the opening.
    s.SExcentr = s.SPrava = true;
    p = StranaObjednavky(s, Data(), kDnes, {240, 480}, {100, 300});
    EXPECT_EQ(Prvek(p, "Rantl").Left, 32);
    EXPECT_EQ(Prvek(p, "Skla").Left, 32 + 80 - 50 - 6);
    EXPECT_EQ(Prvek(p, "Prekryv").Left, 32 - 6);
    s.SExcentr = s.SPrava = false;

    // A glass panel shows its drawing file in the opening instead, without the outline.
    s.SGlas = true;
    s.NazevRysu = "/prog/RYSY/G1.jpg";
    p = StranaObjednavky(s, Data(), kDnes, {240, 480}, {100, 300});
    ASSERT_NE(p.Najdi("Podklad"), nullptr);
    EXPECT_EQ(p.Najdi("Podklad")->Zdroj, ZdrojObrazku::Soubor);
    EXPECT_EQ(p.Najdi("Podklad")->Soubor, "/prog/RYSY/G1.jpg");
    EXPECT_EQ(Prvek(p, "Podklad"), (Px{6, 12, 80, 200}));
    EXPECT_EQ(p.Najdi("Prekryv"), nullptr);
    s.SGlas = false;

    // These infill codes have no auxiliary picture: the drawing itself is shown.
    for (const char *kod : {"K0", "B0", "D0", "W0"}) {
        s.SVypln.DVypln.Kod = kod;
        p = StranaObjednavky(s, Data(), kDnes, {240, 480}, {100, 300});
        EXPECT_EQ(p.Najdi("Skla"), nullptr) << kod;
        ASSERT_NE(p.Najdi("Podklad"), nullptr) << kod;
        EXPECT_EQ(p.Najdi("Podklad")->Zdroj, ZdrojObrazku::Rys);
    }
}

TEST(TiskObjednavkyTest, MiniatureLineAndAccessoryMarks)
{
    Session s = Zakazka();
    s.Carame = true;
    s.SCary.Tloustka = 10;
    s.SCary.HPocet = 2;
    s.SCary.Hneg[2] = true;
    s.SCary.VPocet = 1;
    s.RantlLeft = 40;
    s.RantlTop = 30;
    s.PH1Top = 130;
    s.PH1Sir = 181;
    s.PH2Top = 330;
    s.PH2Sir = 60;
    s.PV1Left = 100;
    s.PV1Vys = 400;
    // The opening 90 x 200 sits at (0, 5).
    StranaTisku p = StranaObjednavky(s, Data(), kDnes, {180, 400}, {});
    EXPECT_EQ(Prvek(p, "PH1"), (Px{0, 5 + 50, 90, 2}));
    EXPECT_EQ(Prvek(p, "PH2"), (Px{90 - 30, 5 + 150, 30, 2}));
    EXPECT_EQ(Prvek(p, "PV1"), (Px{30, 5, 2, 200}));
    for (const char *n : {"PH3", "PV2"})
        EXPECT_EQ(p.Najdi(n), nullptr) << n;

    s.Carame = false;
    s.DoplnkyVybrany = true;
    TDDoplnek &d1 = s.SDoplnek1.DDoplnek;
    d1.Polozka = 0;
    d1.Namontovat = d1.Umisten = true;
    d1.Zleva = 450;
    d1.Zdola = 1000;
    TDDoplnek &d3 = s.SDoplnek3.DDoplnek;
    d3 = d1;
    d3.MadloVert = true;
    d3.VzdVert = 600;
    TDDoplnek &d2 = s.SDoplnek2.DDoplnek;
    d2.Polozka = 0; // not placed: no mark
    d2.Namontovat = true;
    p = StranaObjednavky(s, Data(), kDnes, {180, 400}, {});
    for (const char *n : {"PH1", "PV1", "Label2", "Label4", "SDopl1"})
        EXPECT_EQ(p.Najdi(n), nullptr) << n;
    EXPECT_EQ(p.Text("Label1"), "x");
    EXPECT_EQ(Prvek(p, "Label1").Left, 45 - 3);
    EXPECT_EQ(Prvek(p, "Label1").Top, 205 - 100 - 7);
    EXPECT_EQ(p.Text("SDopl3"), "x");
    EXPECT_EQ(Prvek(p, "SDopl3").Top, 205 - 107 + 60);
    const PolozkaStrany *bar = p.Najdi("TDopl3");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->druh, D::Cara);
    EXPECT_TRUE(bar->Teckovana);
    EXPECT_NEAR(bar->Vyska, 60 * kMMNaPixel, 1e-9);

    // Without chosen accessories there are no marks.
    s.DoplnkyVybrany = false;
    EXPECT_EQ(StranaObjednavky(s, Data(), kDnes, {180, 400}, {}).Najdi("Label1"), nullptr);
}

// ---- The demonstration job ---------------------------------------------------------------

TEST(TiskObjednavkyTest, DemoJob)
{
    namespace fs = std::filesystem;
    const fs::path data = fs::path(qmrtest::programDir()) / "DATA";
    if (!fs::exists(data / "vyplne.qmr"))
        GTEST_SKIP() << "the demo catalogue is not built: " << data;
    qmrtest::TempDir dir;
    Session s;
    qmrtest::FakeMessages zpravy;
    ASSERT_TRUE(tisktest::OtevriDemo(dir, {"DATA"}, s, zpravy, kDnes));

    const DataObjednavky d = tisktest::ObjednavkaJobu(s);
    const StranaTisku p = StranaObjednavky(s, d, kDnes, {180, 400}, {});
    EXPECT_EQ(p.Text("QCislo"), "DEMO-1");
    EXPECT_EQ(p.Text("QTermin"), "12.03.2024");
    EXPECT_EQ(p.Text("QText"),
              "Zamawiamy u Państwa 1 sztuk wypełnień drzwiowych według następującej specyfikacji:");
    const PolozkaStrany *r = p.Najdi("Radky1");
    ASSERT_NE(r, nullptr);
    ASSERT_FALSE(r->Radky.empty());
    EXPECT_EQ(r->Radky.front(), "Wypełnienie:");
    EXPECT_EQ(r->Radky2.back(), "Klamka z szyldem włącznie montażu");
    EXPECT_EQ(p.Najdi("Poznamky")->Radky,
              (std::vector<std::string>{"Drzwi wejściowe – próbna konfiguracja", "Montaż u klienta, dojazd 12 km"}));
    EXPECT_NE(p.Najdi("Podklad"), nullptr);
}
