// Reading job files: refusals, messages, catalogue look-ups and bad input.
#include "jobfiles/JobFixture.h"

#include "core/Funkce.h"

#include <functional>
#include <random>
#include <sys/stat.h>

namespace {

using namespace jobtest;
using qmr::Session;
using qmrtest::FakeMessages;

class Reader : public JobTest {
protected:
    // A job file of raw text in jobs/.
    std::string Soubor(const std::string &jmeno, const std::string &text) const
    {
        return dir.write("jobs/" + jmeno, text);
    }
    // An infill job of catalogue code Kod with the [Vypln] lines given.
    std::string Panel(const std::string &jmeno, const std::string &Kod, const std::string &vypln,
                      const std::string &objednavka = "") const
    {
        return Soubor(jmeno, "[Objednavka]\r\nVerze=5.2\r\nCislo=C1\r\nTyp=1\r\n" + objednavka +
                                 "[Vypln]\r\nKod=" + Kod + "\r\n" + vypln);
    }
    bool Nacti(const std::string &cesta) { return qmr::NactiData(s, cesta, zpravy, hodiny); }

    // A configured panel, opened from a file, as the session to be left alone.
    void OtevrenyPanel()
    {
        ASSERT_TRUE(Nacti(Panel("otevreny.qms", "A1",
                                "Format=1\r\nZaskleni=2\r\nSirka=900\r\nVyska=2000\r\nBarva1=B01\r\n"
                                "Barva2=B02\r\nSklo1=D01\r\nSklo2=D02\r\nDoplnek1=H01\r\nMontaz1=1\r\n",
                                "Pocet=3\r\nDodani=12.04.2024\r\n")));
        s.apEdited = true;
        zpravy.clear();
    }
};

TEST_F(Reader, FileThatIsNoJobIsRefusedAndLeavesTheSessionExactlyAsItWas)
{
    OtevrenyPanel();
    const std::string pred = OtiskSession(s);
    ::mkdir(Job("slozka.qms").c_str(), 0755);
    qmr::Session prazdna;
    Pripravit(prazdna);
    prazdna.TypZakazky = 0;
    std::string bezTypu = Job("bez-typu.qms");
    qmr::FileZapis(prazdna, bezTypu, false, hodiny); // no job type chosen: no key "Typ"

    const std::vector<std::string> soubory = {
        Soubor("typ3.qms", "[Objednavka]\r\nTyp=3\r\n[Vypln]\r\nKod=A1\r\n"),
        Soubor("typ0.qms", "[Objednavka]\r\nTyp=0\r\n"),
        Soubor("typ-text.qms", "[Objednavka]\r\nTyp=jedna\r\n"),
        Soubor("jina-sekce.qms", "[Vypln]\r\nTyp=1\r\n"),
        Soubor("prazdny.qms", ""),
        Soubor("smeti.qms", std::string("\x00\xff\xfe[\x01=\r\n\x80\x81", 11)),
        bezTypu,
        Job("chybi.qms"),
        Job("slozka.qms"),
    };
    for (const std::string &cesta : soubory) {
        zpravy.clear();
        EXPECT_FALSE(Nacti(cesta)) << cesta;
        ASSERT_EQ(zpravy.count(), 1u) << cesta;
        EXPECT_EQ(zpravy.last().caption, "Pliki Quilmar|*.qms");
        EXPECT_EQ(zpravy.last().text, "Zły plik  " + cesta);
        EXPECT_EQ(zpravy.last().flags, qmr::MB_ICONERROR | qmr::MB_OK);
        EXPECT_EQ(OtiskSession(s), pred) << cesta;
    }
}

TEST_F(Reader, PipeIsRefusedWithoutWaitingForIt)
{
    const std::string cesta = Job("roura.qms");
    ASSERT_EQ(::mkfifo(cesta.c_str(), 0600), 0);
    EXPECT_FALSE(Nacti(cesta));
    EXPECT_FALSE(qmr::NactiDataPrijme(cesta));
}

TEST_F(Reader, OtherVersionIsReportedAndTheFileStillRead)
{
    struct Pripad {
        std::string verze, text;
    };
    for (const Pripad &p : {Pripad{"Verze=5.1\r\n", "Uwaga - plik wersji 5.1"},
                            Pripad{"", "Uwaga - plik wersji ???"}}) {
        zpravy.clear();
        const std::string cesta =
            Soubor("verze.qms", "[Objednavka]\r\n" + p.verze + "Typ=2\r\n[Vypln]\r\nDoplnek1=H01\r\n");
        EXPECT_TRUE(Nacti(cesta));
        ASSERT_EQ(zpravy.count(), 1u);
        EXPECT_EQ(zpravy.last().caption, "Pliki Quilmar|*.qms");
        EXPECT_EQ(zpravy.last().text, p.text);
        EXPECT_EQ(zpravy.last().flags, 0u);
        EXPECT_EQ(s.SDoplnek1.DDoplnek.Nazev, "Madlo");
    }
}

TEST_F(Reader, JobWithoutNumberTakesTheFileName)
{
    EXPECT_TRUE(Nacti(Soubor("N-5.2024.qms", "[Objednavka]\r\nVerze=5.2\r\nTyp=2\r\n")));
    EXPECT_EQ(s.apCislo, "N-5.2024");
    EXPECT_EQ(s.apSoubor, "N-5.2024.qms");
    EXPECT_EQ(s.apPath, Job("N-5.2024.qms"));
    EXPECT_EQ(s.DataPath, Job(""));
    EXPECT_EQ(s.apPocet, 1);
    EXPECT_EQ(s.TypZakazky, 2);
}

TEST_F(Reader, DatesThatCannotBeReadAreToday)
{
    struct Pripad {
        std::string dodani, vystaveni;
        double termin, datObj;
    };
    const double dnes = hodiny.Today();
    for (const Pripad &p : {Pripad{"02.04.2024", "1.3.2024", qmr::EncodeDate(2024, 4, 2), qmr::EncodeDate(2024, 3, 1)},
                            Pripad{"", "", dnes, dnes},
                            Pripad{"31.02.2024", "zítra", dnes, dnes},
                            Pripad{"99999999999999999999.1.2024", "1.1.1.1", dnes, dnes}}) {
        EXPECT_TRUE(Nacti(Soubor("datum.qms", "[Objednavka]\r\nVerze=5.2\r\nTyp=2\r\nDodani=" + p.dodani +
                                                  "\r\nVystaveni=" + p.vystaveni + "\r\n")));
        EXPECT_EQ(s.apTermin, p.termin) << p.dodani;
        EXPECT_EQ(s.apDatObj, p.datObj) << p.vystaveni;
    }
}

TEST_F(Reader, UnknownInfillIsReportedAndLeavesThePanelWithoutType)
{
    EXPECT_TRUE(Nacti(Panel("neznama.qms", "ZZ9", "Format=1\r\nZaskleni=1\r\nSirka=800\r\nVyska=1900\r\n")));
    ASSERT_EQ(zpravy.count(), 1u);
    EXPECT_EQ(zpravy.last().caption, "Quilmar");
    EXPECT_EQ(zpravy.last().text, "Neznámý (nebo nepovolený) typ výplně: ZZ9");
    EXPECT_FALSE(s.VyplnVybrana);
    EXPECT_EQ(s.SVypln.DVypln.Kod, "ZZ9");
    EXPECT_EQ(s.SVypln.DVypln.Nazev, "");
    EXPECT_TRUE(s.RozmerVybran); // the dimensions are there
}

TEST_F(Reader, GlassPanelNeedsOnlyAnInnerColour)
{
    EXPECT_TRUE(Nacti(Panel("sklo.qms", "G1", "Glas=1\r\nBarva2=B01\r\nSklo2=D01\r\n")));
    EXPECT_TRUE(s.SGlas);
    EXPECT_TRUE(s.BarvyVybrany);
    EXPECT_TRUE(s.DekoryVybrany); // the glass panel is its own outer pane

    EXPECT_TRUE(Nacti(Panel("sklo.qms", "G1", "Glas=1\r\n")));
    EXPECT_FALSE(s.BarvyVybrany);
    EXPECT_TRUE(Nacti(Panel("deska.qms", "A1", "Barva2=B01\r\n")));
    EXPECT_FALSE(s.BarvyVybrany);
}

TEST_F(Reader, MuntinWidthMatchingNoCatalogueWidthTakesTheThirdPrice)
{
    struct Pripad {
        int sirka, cena;
    };
    for (const Pripad p : {Pripad{18, 100}, Pripad{26, 200}, Pripad{45, 300}, Pripad{30, 300}}) {
        EXPECT_TRUE(Nacti(Panel("mrizka.qms", "A1",
                                "Format=1\r\nZaskleni=2\r\nMrizka=M01\r\nMSirka=" + std::to_string(p.sirka) + "\r\n")));
        EXPECT_TRUE(s.MrizkaVybrana);
        EXPECT_EQ(s.SMrizka.DMrizka.Nazev, "Příčka");
        EXPECT_EQ(s.SMrizka.DMrizka.SCena, p.cena) << p.sirka;
    }
}

TEST_F(Reader, HalfPanelColoursComeBackWithTheirHalfPanelPrices)
{
    EXPECT_TRUE(Nacti(Panel("pul.qms", "H1", "Pulpanel=1\r\nFormat=2\r\nZaskleni=0\r\nSirka=800\r\nVyska=900\r\n"
                                             "Barva1=B01\r\nRal1=9016\r\nBarva2=B03\r\n")));
    EXPECT_TRUE(s.SPulpanel);
    EXPECT_EQ(s.SBarva1.DBarva.BF3S1, 131);
    EXPECT_EQ(s.SBarva1.DBarva.BF3S2, 132);
    EXPECT_EQ(s.SBarva2.DBarva.BF3S1, 331);
    EXPECT_EQ(s.SBarva1.DBarva.Cislo, "9016");
    EXPECT_EQ(s.MaxVyska, 1000); // limits of a half panel
}

TEST_F(Reader, CodesMissingFromTheCatalogueReadAsUnknownWithDefaults)
{
    EXPECT_TRUE(Nacti(Panel("nezname.qms", "A1",
                            "Format=1\r\nZaskleni=2\r\nRamecek1=1\r\nRBarva1=X1\r\nBarva1=X2\r\nBarva2=B01\r\n"
                            "Sklo1=X3\r\nSklo2=D01\r\nVitrazPisek=X4\r\nVitrPis=1\r\nMrizka=X5\r\nMSirka=18\r\n"
                            "Doplnek1=X6\r\n")));
    EXPECT_EQ(s.RBarva1.RBarva.Nazev, "?????");
    EXPECT_EQ(s.SBarva1.DBarva.Nazev, "?????");
    EXPECT_EQ(s.SBarva1.DBarva.BF1S1, 0);
    EXPECT_FALSE(s.BarvyVybrany); // an unknown colour is no colour
    EXPECT_EQ(s.SDekor1.DDekor.Nazev, "?????");
    EXPECT_EQ(s.SDekor1.DDekor.Tloustka, 4);
    EXPECT_TRUE(s.DekoryVybrany); // a glass code is a choice, known or not
    EXPECT_EQ(s.SVitraz.DVitraz.Nazev, "?????");
    EXPECT_EQ(s.SVitraz.DVitraz.VitrPis, 1);
    EXPECT_TRUE(s.VitrazVybrana);
    EXPECT_EQ(s.SMrizka.DMrizka.Nazev, "?????");
    EXPECT_EQ(s.SMrizka.DMrizka.SCena, 0);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Nazev, "?????");
    EXPECT_EQ(s.SDoplnek1.DDoplnek.MaxTloust, 99);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_EQ(zpravy.count(), 0u);
}

TEST_F(Reader, NothingOfThePreviouslyOpenJobRemains)
{
    OtevrenyPanel();
    EXPECT_EQ(s.SBarva1.DBarva.Nazev, "Bílá");
    EXPECT_TRUE(Nacti(Panel("sklo.qms", "G1", "Glas=1\r\nFormat=1\r\nZaskleni=1\r\nSirka=800\r\nVyska=2000\r\n"
                                              "Barva2=B03\r\n")));
    EXPECT_EQ(s.SBarva1.DBarva.Kod, "");
    EXPECT_EQ(s.SBarva1.DBarva.BF1S1, 0);
    EXPECT_EQ(s.SDekor1.DDekor.TypSkla, 0);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Polozka, -1);
    EXPECT_FALSE(s.DoplnkyVybrany);
    qmr::Ocen(s);
    EXPECT_TRUE(s.nBarva1.IsZero());
    EXPECT_TRUE(s.nDekor1.IsZero());
}

TEST_F(Reader, AtMostElevenNonBlankNoteLinesComeBack)
{
    std::string poznamky = "[Poznamky]\r\nRadek0=prvni\r\nRadek1=   \r\nRadek3=treti\r\n";
    for (int i = 4; i <= 12; ++i)
        poznamky += "Radek" + std::to_string(i) + "=r" + std::to_string(i) + "\r\n";
    EXPECT_TRUE(Nacti(Soubor("poznamky.qms", "[Objednavka]\r\nVerze=5.2\r\nTyp=2\r\n" + poznamky)));
    EXPECT_EQ(s.SPoznamky, (std::vector<std::string>{"prvni", "treti", "r4", "r5", "r6", "r7", "r8", "r9", "r10"}));
}

// Values outside their range are brought into it; whatever the file says, the session can
// be described and priced.
TEST_F(Reader, ValuesOutOfRangeAreBroughtIntoRange)
{
    const std::string cisla400(400, '7');
    struct Pripad {
        std::string kod, radky;
        std::function<int(const Session &)> pole;
        int ocekavano;
    };
    const std::vector<Pripad> pripady = {
        {"A1", "Format=7\r\n", [](const Session &x) { return x.SFormat; }, -1},
        {"A1", "Format=-3\r\n", [](const Session &x) { return x.SFormat; }, -1},
        {"A1", "Format=2\r\n", [](const Session &x) { return x.SFormat; }, 2},
        {"A1", "Zaskleni=9\r\n", [](const Session &x) { return x.SZaskleni; }, -1},
        {"A1", "Zaskleni=-1\r\n", [](const Session &x) { return x.SZaskleni; }, -1},
        {"A1", "Vyztuz=8\r\n", [](const Session &x) { return x.SVyztuz; }, -1},
        {"A1", "Vyztuz=-2147483648\r\n", [](const Session &x) { return x.SVyztuz; }, -1},
        {"A1", "VitrazPisek=V01\r\nVitrPis=99\r\n", [](const Session &x) { return x.SVitraz.DVitraz.VitrPis; }, 0},
        {"A1", "VitrazPisek=V01\r\nVitrPis=-1\r\n", [](const Session &x) { return x.SVitraz.DVitraz.VitrPis; }, 0},
        {"A1", "Doplnek1=K01\r\nDistanceD1=1\r\nBarvaDR1=7\r\n", [](const Session &x) { return x.SDoplnek1.DDoplnek.SBarvaDR; }, -1},
        {"A1", "Doplnek1=K01\r\nDistanceD1=1\r\nBarvaDR1=-2\r\n", [](const Session &x) { return x.SDoplnek1.DDoplnek.SBarvaDR; }, -1},
        {"A1", "Doplnek1=K01\r\nDistanceD1=1\r\n", [](const Session &x) { return x.SDoplnek1.DDoplnek.SBarvaDR; }, 0},
        {"A1", "Doplnek1=K01\r\nBarvaDR1=1\r\n", [](const Session &x) { return x.SDoplnek1.DDoplnek.SBarvaDR; }, -1},
        {"A1", "Sirka=2147483647\r\n", [](const Session &x) { return x.SSirka; }, 9999},
        {"A1", "Sirka=-2147483648\r\n", [](const Session &x) { return x.SSirka; }, -9999},
        {"A1", "Sirka=" + cisla400 + "\r\n", [](const Session &x) { return x.SSirka; }, 0},
        {"A1", "Vyska=99999999999\r\n", [](const Session &x) { return x.SVyska; }, 0},
        {"A1", "Doplnek1=H01\r\nDPocet1=1000000\r\n", [](const Session &x) { return x.SDoplnek1.DDoplnek.PocetKs; }, 9999},
        {"A1", "Doplnek1=H01\r\nDPocet1=-5\r\n", [](const Session &x) { return x.SDoplnek1.DDoplnek.PocetKs; }, 0},
        {"A1", "Zesilena=1\r\nSZesil=100000\r\n", [](const Session &x) { return x.SZesil; }, 99},
        {"A1", "Zesilena=1\r\nSZesil=-7\r\n", [](const Session &x) { return x.SZesil; }, 0},
        {"A1", "PosunOs=1\r\nHPosun=-2147483648\r\n", [](const Session &x) { return x.SHPosun; }, -9999},
        {"A1", "Ramecek1=5\r\n", [](const Session &x) { return x.SRamecek1; }, 0},
        {"A1", "OMrizka=-1\r\n", [](const Session &x) { return x.SOMrizka; }, 0},
        {"A1", "Prekryvna=1\r\nSPrekryv=7\r\n", [](const Session &x) { return x.SPrekryv; }, 1},
        {"A1", "Prekryvna=1\r\nSPrekryv=2\r\nSTloustka=2147483647\r\n", [](const Session &x) { return x.STloustka; }, 999},
        {"A1", "Prekryvna=1\r\nPVL=-2147483648\r\n", [](const Session &x) { return x.PVL; }, -9999},
        {"ZZ", "PomerH=-50\r\n", [](const Session &x) { return x.SPomerH; }, 0},
        {"ZZ", "Pozic=1000\r\n", [](const Session &x) { return x.SPozic; }, 99},
        {"A1", "Doplnek2=H01\r\nMontaz2=1\r\nMisto2=1\r\nZleva2=2147483647\r\n",
         [](const Session &x) { return x.SDoplnek2.DDoplnek.Zleva; }, 9999},
    };
    // The line under test comes first: the first occurrence of a key counts.
    for (const Pripad &p : pripady) {
        EXPECT_TRUE(Nacti(Panel("rozsah.qms", p.kod, p.radky + "Format=1\r\nZaskleni=2\r\nSirka=900\r\nVyska=2000\r\n",
                                "Pocet=-1\r\n")))
            << p.radky;
        EXPECT_EQ(p.pole(s), p.ocekavano) << p.radky;
        EXPECT_EQ(s.apPocet, 0);
        Obnov(s);
    }
}

TEST_F(Reader, JobWithOnlyItsHeaderOpensWithDefaults)
{
    EXPECT_TRUE(Nacti(Soubor("hlavicka.qms", "[Objednavka]\r\nTyp=1\r\n")));
    EXPECT_EQ(s.TypZakazky, 1);
    EXPECT_EQ(s.apCislo, "hlavicka");
    EXPECT_EQ(s.SPomerH, 100);
    EXPECT_EQ(s.SPozic, 1);
    EXPECT_FALSE(s.VyplnVybrana);
    EXPECT_FALSE(s.RozmerVybran);
    EXPECT_EQ(zpravy.count(), 2u); // the version and the unknown (empty) infill code
    Obnov(s);
}

TEST_F(Reader, AnyBytesAfterAValidHeaderAreReadWithoutHarm)
{
    std::mt19937 nahoda(20240305);
    const std::string klice[] = {"Format", "Zaskleni", "Sirka", "Vyska", "SZesil", "Zesilena", "Prekryvna",
                                 "SPrekryv", "STloustka", "Doplnek1", "DPocet1", "VitrPis", "VitrazPisek",
                                 "Mrizka", "MSirka", "Barva1", "Sklo1", "Vyztuz", "Ramecek1", "Paska1"};
    for (int n = 0; n < 60; ++n) {
        std::string text = "[Objednavka]\r\nTyp=" + std::to_string(1 + n % 2) + "\r\n[Vypln]\r\nKod=A1\r\n";
        for (int i = 0; i < 30; ++i) {
            text += klice[nahoda() % std::size(klice)] + "=";
            const int delka = static_cast<int>(nahoda() % 12);
            for (int j = 0; j < delka; ++j)
                text += static_cast<char>(nahoda() % 256);
            text += (nahoda() % 4) ? "\r\n" : "\n[Vypln]\n";
        }
        EXPECT_TRUE(Nacti(Soubor("nahoda.qms", text)));
        Obnov(s);
    }
}

} // namespace
