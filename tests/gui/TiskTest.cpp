// The printed order and quote rendered offscreen into PDF files and through the printer
// dialog, read back with pdftotext.
#include "GuiTestApp.h"

#include "core/DateCore.h"
#include "documents/TiskTestData.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/Tiskarna.h"
#include "gui/documents/StrankaTisk.h"
#include "gui/documents/TiskDokumentu.h"
#include "mainwindow/UGrafika.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qmr;
using guitest::ZaModalnim;
namespace fs = std::filesystem;

namespace {

// Output of a poppler tool on the file; empty when it cannot run.
std::string Poppler(const char *nastroj, const QStringList &argumenty)
{
    QProcess p;
    p.start(QString::fromUtf8(nastroj), argumenty);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput().toStdString();
}

std::string Text(const std::string &pdf, int strana = 0)
{
    QStringList a{QStringLiteral("-layout")};
    if (strana > 0)
        a << QStringLiteral("-f") << QString::number(strana) << QStringLiteral("-l") << QString::number(strana);
    a << QString::fromStdString(pdf) << QStringLiteral("-");
    return Poppler("pdftotext", a);
}

std::string Info(const std::string &pdf) { return Poppler("pdfinfo", {QString::fromStdString(pdf)}); }

int Stran(const std::string &info)
{
    const std::size_t i = info.find("Pages:");
    return i == std::string::npos ? -1 : std::atoi(info.c_str() + i + 6);
}

bool MaPoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// The demonstration job opened as the main window opens it, with its drawing loaded.
class TiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!MaPoppler())
            GTEST_SKIP() << "poppler-utils are not installed";
        const fs::path prog = qmrtest::programDir();
        if (!fs::exists(prog / "DATA" / "vyplne.qmr") || !fs::exists(prog / "RYSY"))
            GTEST_SKIP() << "the demo catalogue is not built: " << prog;
        ASSERT_TRUE(tisktest::OtevriDemo(dir, {"DATA", "RYSY"}, s, zpravy, hodiny));
        s.VolbaNeniNil = true; // the drawing goes to the store as under the main window
        ZpracujRys(s, obrazky);

        tisktest::Prodejce(s.Firma.Data);
        s.Firma.Data.DUlice = "ul. Magazynowa 3";
        s.Quilmar.QMData.Nazev = "Quilmar s.r.o.";
        s.Quilmar.QMData.Obec = "Brno";
    }

    DataObjednavky Objednavka() const
    {
        DataObjednavky d = tisktest::ObjednavkaJobu(s);
        d.Podpis = "Jan Wiśniewski";
        d.TxCena = "Bez transportu 1 234,50 PLN bez podatku";
        return d;
    }

    DataNabidky Nabidka() const
    {
        DataNabidky d = tisktest::Nabidka();
        d.Termin = FormatDate(s.apTermin);
        d.Radky = DejRadky(s, Formular::Nabidka);
        d.Poznamky = s.SPoznamky;
        return d;
    }

    qmrtest::TempDir dir;
    Session s;
    qmrtest::FakeMessages zpravy;
    qmrtest::FakeClock hodiny{2024, 3, 5};
    QtPictureStore obrazky;
    Tiskarna tiskarna;
};

void ObsahujeVse(const std::string &text, const std::vector<std::string> &casti)
{
    for (const std::string &c : casti)
        EXPECT_NE(text.find(c), std::string::npos) << "missing: " << c << "\n" << text;
}

} // namespace

TEST_F(TiskTest, OrderOfTheDemoJobAsPdf)
{
    ASSERT_FALSE(obrazky.Image(PictureStore::Target::Picture).isNull()) << s.NazevRysu;
    const std::string pdf = dir.file("zamowienie.pdf");
    CilTisku cil;
    cil.Pdf = true;
    cil.Soubor = pdf;
    ASSERT_TRUE(TiskniObjednavku(s, zpravy, tiskarna, &obrazky, hodiny, Objednavka(), cil));
    EXPECT_TRUE(zpravy.texts().empty());

    const std::string info = Info(pdf);
    EXPECT_EQ(Stran(info), 1) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Druk zamówienia"), std::string::npos) << info;
    const std::string t = Text(pdf);
    ObsahujeVse(t, {"Zamówienie Nr.:", "DEMO-1", "Data sporządzenia:", "05.03.2024", "Termin dostawy:", "12.03.2024",
                    "Transport zabezpiecza odbiorca", "Quilmar s.r.o.", "Drzwi-Pol Sp. z o.o.", "ul. Źródlana 7",
                    "90-001", "Łódź", "Zamawiamy u Państwa 1 sztuk wypełnień drzwiowych według następującej",
                    "Wypełnienie:", "Wzmocnienie:", "1 x Fe (stal)", "szerokość 900 mm, wysokość 2000 mm",
                    "Kolory:", "strona wewnętrzna Biały 9016", "Akcesoria:", "Klamka z szyldem włącznie montażu",
                    "Bez transportu 1 234,50 PLN bez podatku", "Sporządził:", "Jan Wiśniewski",
                    "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):",
                    "Drzwi wejściowe – próbna konfiguracja", "Montaż u klienta, dojazd 12 km", "telefon:",
                    "42 600 00 00", "Adres dostawy:", "ul. Magazynowa 3", "Czasy pracy:"});
    // Label and value of a job line share their row.
    EXPECT_NE(t.find("Akcesoria:"), std::string::npos);
    const std::size_t r = t.find("Kolory:");
    ASSERT_NE(r, std::string::npos);
    const std::size_t konec = t.find('\n', r);
    EXPECT_NE(t.substr(r, konec - r).find("strona zewnętrzna Kremowy"), std::string::npos) << t;

    if (const char *slozka = std::getenv("QUILMAR_SHOTS"))
        QProcess::execute("pdftoppm", {"-png", "-r", "100", "-singlefile", QString::fromStdString(pdf),
                                       QString::fromUtf8(slozka) + "/tisk-objednavky"});
}

TEST_F(TiskTest, QuoteWithManyNotesContinuesOnASecondPage)
{
    DataNabidky d = Nabidka();
    d.Poznamky.clear();
    for (int i = 1; i <= 30; ++i)
        d.Poznamky.push_back("Uwaga numer " + std::to_string(i) + " – żółć");
    const std::string pdf = dir.file("oferta.pdf");
    CilTisku cil;
    cil.Pdf = true;
    cil.Soubor = pdf;
    ASSERT_TRUE(TiskniNabidku(s, zpravy, tiskarna, &obrazky, hodiny, d, cil));
    const std::string info = Info(pdf);
    EXPECT_EQ(Stran(info), 2) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string t1 = Text(pdf, 1), t2 = Text(pdf, 2);
    ObsahujeVse(t1, {"Nr. oferty:", "N-88", "Termin dostawy:", "Transport zabezpieczamy my",
                     "Proponujemy Państwu 3 sztuk wypełnień drzwiowych", "Z transportem 3 703,68 PLN z podatkiem",
                     "Ważność oferty: 14 dni", "Anna Kowalczyk", "Uwaga numer 1 – żółć", "42 600 00 00"});
    // Every note is printed once, the last ones on the second page.
    for (int i = 1; i <= 30; ++i) {
        const std::string n = "Uwaga numer " + std::to_string(i) + " ";
        const bool na1 = t1.find(n) != std::string::npos, na2 = t2.find(n) != std::string::npos;
        EXPECT_NE(na1, na2) << n;
    }
    EXPECT_NE(t2.find("Uwaga numer 30 – żółć"), std::string::npos) << t2;
    // The foot stays on the first page; the notes stop above it.
    EXPECT_EQ(t2.find("telefon:"), std::string::npos);

    if (const char *slozka = std::getenv("QUILMAR_SHOTS"))
        QProcess::execute("pdftoppm", {"-png", "-r", "100", "-f", "1", "-singlefile", QString::fromStdString(pdf),
                                       QString::fromUtf8(slozka) + "/tisk-nabidky"});
}

TEST_F(TiskTest, PrinterDialogCancelPrintsNothingAndOkPrints)
{
    const std::string pdf = dir.file("tiskarna.pdf");
    tiskarna.Printer().setOutputFormat(QPrinter::PdfFormat);
    tiskarna.Printer().setOutputFileName(QString::fromStdString(pdf));

    ZaModalnim<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
    EXPECT_FALSE(TiskniObjednavku(s, zpravy, tiskarna, &obrazky, hodiny, Objednavka()));
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_TRUE(zpravy.texts().empty());

    QString titulek;
    ZaModalnim<QPrintDialog>([&titulek](QPrintDialog *d) {
        titulek = d->windowTitle();
        d->accept();
    });
    EXPECT_TRUE(TiskniNabidku(s, zpravy, tiskarna, &obrazky, hodiny, Nabidka()));
    EXPECT_EQ(titulek.toStdString(), "Druk oferty");
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_NE(Info(pdf).find("(A4)"), std::string::npos);
    ObsahujeVse(Text(pdf), {"Nr. oferty:", "N-88", "Wypełnienie:", "Klamka z szyldem włącznie montażu"});
    // Printing leaves the printer on a full page without margins.
    EXPECT_TRUE(tiskarna.Printer().fullPage());
}

TEST_F(TiskTest, UnwritablePdfIsReported)
{
    CilTisku cil;
    cil.Pdf = true;
    cil.Soubor = dir.file("chybi/oferta.pdf");
    EXPECT_FALSE(TiskniNabidku(s, zpravy, tiskarna, &obrazky, hodiny, Nabidka(), cil));
    ASSERT_EQ(zpravy.texts().size(), 1u);
    EXPECT_NE(zpravy.texts()[0].find(cil.Soubor), std::string::npos);
}

TEST(StrankaTisk, LongJobLinesWrapAndEveryLabelKeepsItsValue)
{
    if (!MaPoppler())
        GTEST_SKIP() << "poppler-utils are not installed";
    qmrtest::TempDir dir;
    StranaTisku p;
    PolozkaStrany r;
    r.druh = PolozkaStrany::Druh::Sloupce;
    r.X = 10.6;
    r.Y = 80.4;
    r.Sirka = 40.5;
    r.Vyska = 87.0;
    r.X2 = 50.8;
    r.Sirka2 = 114.6;
    r.Radky.push_back("Przekrywy:");
    r.Radky2.push_back("strona zewnętrzna: na lewo 140, na prawo 160, na gorze 120, na dołe 130 "
                       "strona wewnętrzna: na lewo 40, na prawo 60, na gorze 20, na dołe 30");
    // More lines than the box holds at 10 points: the type gets smaller, nothing is lost.
    for (int i = 1; i <= 30; ++i) {
        r.Radky.push_back(i % 3 == 1 ? "Etykieta " + std::to_string(i) + ":" : "");
        r.Radky2.push_back("wartość " + std::to_string(i));
    }
    p.Polozky.push_back(r);
    const std::string pdf = dir.file("radky.pdf");
    ASSERT_TRUE(UlozPdf(p, {}, pdf));
    const std::string t = Text(pdf);
    EXPECT_EQ(Stran(Info(pdf)), 1);
    EXPECT_EQ(t.find("na dołe 30"), t.rfind("na dołe 30")) << t;
    ObsahujeVse(t, {"na dołe 130", "na dołe 30"});
    for (int i = 1; i <= 30; ++i) {
        const std::string w = "wartość " + std::to_string(i) + "\n";
        const std::size_t k = t.find(w);
        ASSERT_NE(k, std::string::npos) << w << t;
        if (i % 3 == 1) {
            // The label stands on the row of its value.
            const std::size_t zacatek = t.rfind('\n', k) + 1;
            EXPECT_NE(t.substr(zacatek, k - zacatek).find("Etykieta " + std::to_string(i) + ":"),
                      std::string::npos)
                << t;
        }
    }
}
