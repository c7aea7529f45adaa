// The partner dialogs as Qt views, run modally offscreen: the supplier, the dealer's
// company, the customer list and the end customer. Each test edits, confirms or cancels
// and checks the file or the session.
#include "GuiTestApp.h"

#include "core/IniFile.h"
#include "core/Session.h"
#include "dialogs/infill/Ovladace.h"
#include "gui/partners/PartneriViews.h"
#include "partners/UNaseDef.h"
#include "support/FakeMailClient.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace {

using qmr::PoleDodavatele;
using qmr::PoleFirmy;
using qmr::PoleZakaznika;

QString U(const char *s) { return QString::fromUtf8(s); }

class PartneriViewsTest : public ::testing::Test {
protected:
    PartneriViewsTest()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        dir.write("DATA/.keep", "");
    }
    void TearDown() override { casovace.reset(); }

    // Runs krok on the modal dialog of class T once it is on the screen, then closes it
    // (reject) if krok left it open, a failed assertion included.
    template <class T> void Cekej(std::function<void(T *)> krok)
    {
        auto *t = new QTimer(casovace.get());
        QObject::connect(t, &QTimer::timeout, t, [t, krok] {
            auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!w)
                return;
            t->stop();
            t->deleteLater();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
            krok(w);
            if (w->isVisible())
                w->reject();
        });
        t->start(10);
    }

    static void Napis(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }

    std::string Obsah(const std::string &soubor) const
    {
        return std::filesystem::exists(soubor) ? qmrtest::TempDir::read(soubor) : "<none>";
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages zpravy;
    std::unique_ptr<QObject> casovace = std::make_unique<QObject>();
};

TEST_F(PartneriViewsTest, SupplierIsEditedAndWritten)
{
    dir.write("DATA/quilmar.qmr", "[Quilmar]\r\nNazev=Quilmar Polska\r\nFax=22 100 201\r\n");
    bool videno = false;
    Cekej<qmr::NaseDefView>([&](qmr::NaseDefView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), U("Określenie dostawcy"));
        EXPECT_EQ(d->StaticText1()->text(), U("Dla zamówienia jest niezbędne, by następnujące dane były poprawne:"));
        EXPECT_EQ(d->Popisek(PoleDodavatele::PSC)->text(), U("Miejscowość:"));
        EXPECT_EQ(d->Popisek(PoleDodavatele::Obec), nullptr);
        EXPECT_EQ(d->OKButton()->text(), U("O&K"));
        EXPECT_EQ(d->EscButton()->text(), U("&Anuluj"));
        EXPECT_EQ(d->Edit(PoleDodavatele::Nazev)->text(), U("Quilmar Polska"));
        EXPECT_EQ(d->Edit(PoleDodavatele::Mail)->text(), QString::fromStdString(qmr::TNaseDef::Tovarni().Mail));
        Napis(d->Edit(PoleDodavatele::PSC), QStringLiteral("pl00950"));
        EXPECT_EQ(d->Edit(PoleDodavatele::PSC)->text(), QStringLiteral("PL-00950"));
        Napis(d->Edit(PoleDodavatele::Fax), QString());
        Napis(d->Edit(PoleDodavatele::Mail), QStringLiteral("obj@quilmar.pl"));
        guitest::Snimek(d, "partneri-dodavatel");
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDodavatele(s, zpravy, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(zpravy.empty());
    const qmr::IniFile f(qmr::SouborDodavatele(s));
    EXPECT_EQ(f.ReadString("Quilmar", "PSC", ""), "PL-00950");
    EXPECT_EQ(f.ReadString("Quilmar", "Mail", ""), "obj@quilmar.pl");
    EXPECT_TRUE(f.ValueExists("Quilmar", "Fax"));
    EXPECT_EQ(f.ReadString("Quilmar", "Fax", "?"), "");
    EXPECT_EQ(f.ReadString("Quilmar", "Stranka", ""), qmr::TNaseDef::Tovarni().Stranka);
    EXPECT_EQ(s.Quilmar.QMData.Mail, "obj@quilmar.pl");
}

TEST_F(PartneriViewsTest, SupplierCancelWritesNothing)
{
    const std::string soubor = dir.write("DATA/quilmar.qmr", "[Quilmar]\r\nNazev=A\r\n");
    Cekej<qmr::NaseDefView>([&](qmr::NaseDefView *d) {
        Napis(d->Edit(PoleDodavatele::Nazev), QStringLiteral("B"));
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDodavatele(s, zpravy, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(Obsah(soubor), "[Quilmar]\r\nNazev=A\r\n");
    Cekej<qmr::NaseDefView>([&](qmr::NaseDefView *d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(qmr::SpustDodavatele(s, zpravy, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(Obsah(soubor), "[Quilmar]\r\nNazev=A\r\n");
}

constexpr const char *kKonfigurace = "[Ceny]\r\nSlevaQM=10\r\n"
                                     "[Firma]\r\nNazev1=Drzwi Kowalski\r\nPSC=PL-00950\r\nObec=Warszawa\r\n"
                                     "Mail=biuro@drzwi.pl\r\nMapiGroup=2\r\nKod=00000\r\n";

TEST_F(PartneriViewsTest, CustomerChecksTheMailAndStoresMode0)
{
    dir.write("DATA/Quilmar.cfg", kKonfigurace);
    bool videno = false;
    Cekej<qmr::JejichDefView>([&](qmr::JejichDefView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), U("Określenie klienta"));
        EXPECT_EQ(d->Label1()->text(), U("Następne dane niezbędne są dla właściwego zamówienia:"));
        EXPECT_EQ(d->Label14()->text(), QString::fromStdString(s.apConf));
        EXPECT_EQ(d->Popisek(PoleFirmy::Kod)->text(), U("Numer klienta u dostawcy: "));
        EXPECT_EQ(d->Edit(PoleFirmy::Nazev1)->text(), U("Drzwi Kowalski"));
        EXPECT_EQ(d->Edit(PoleFirmy::Obec)->text(), U("Warszawa"));
        ASSERT_TRUE(d->MapiGroup()->isVisible());
        EXPECT_EQ(d->MapiGroup()->title(), U("Komunikacja (zamówienia)"));
        EXPECT_TRUE(d->Polozka(2)->isChecked());

        Napis(d->Edit(PoleFirmy::Kod), QStringLiteral("0004217"));
        EXPECT_EQ(d->Edit(PoleFirmy::Kod)->text(), QStringLiteral("00042"));

        // A rejected address keeps the focus in jMail.
        QLineEdit *mail = d->Edit(PoleFirmy::Mail);
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        Napis(mail, QStringLiteral("biuro@drzwi"));
        ASSERT_TRUE(mail->hasFocus());
        QTest::keyClick(mail, Qt::Key_Tab);
        EXPECT_TRUE(QTest::qWaitFor([&] { return zpravy.count() == 1; }, 2000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return mail->hasFocus(); }, 2000));
        ASSERT_EQ(zpravy.count(), 1u);
        EXPECT_EQ(zpravy.last().text, "Mail address error!");
        EXPECT_EQ(zpravy.last().caption, "Quilmar");

        Napis(mail, QStringLiteral("biuro@drzwi.pl"));
        QTest::keyClick(mail, Qt::Key_Tab);
        QTest::qWait(50);
        EXPECT_EQ(zpravy.count(), 1u);
        QTest::mouseClick(d->Polozka(1), Qt::LeftButton);
        EXPECT_TRUE(d->Polozka(1)->isChecked());
        guitest::Snimek(d, "partneri-odberatel");
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustOdberatele(s, zpravy, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    const qmr::IniFile f(s.apConf);
    EXPECT_EQ(f.ReadString("Firma", "Kod", ""), "00042");
    EXPECT_EQ(f.ReadString("Firma", "Mail", ""), "biuro@drzwi.pl");
    EXPECT_EQ(f.ReadString("Firma", "MapiGroup", ""), "0");
    EXPECT_EQ(f.ReadInteger("Ceny", "SlevaQM", 0), 10);
    EXPECT_EQ(s.Firma.Data.Kod, "00042");
    EXPECT_EQ(s.apFirma, "Drzwi Kowalski");
}

TEST_F(PartneriViewsTest, CustomerLeavingTheGatewayItemWithoutAnAddressGoesToTheMail)
{
    std::string konf = kKonfigurace;
    konf.replace(konf.find("biuro@drzwi.pl"), 14, "");
    dir.write("DATA/Quilmar.cfg", konf);
    bool videno = false;
    Cekej<qmr::JejichDefView>([&](qmr::JejichDefView *d) {
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        QTest::mouseClick(d->Polozka(1), Qt::LeftButton);
        ASSERT_TRUE(d->Polozka(1)->hasFocus());
        d->Edit(PoleFirmy::Nazev1)->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([&] { return d->Edit(PoleFirmy::Mail)->hasFocus(); }, 2000));
        ASSERT_EQ(zpravy.count(), 1u);
        EXPECT_EQ(zpravy.last().text, "Mail address error!");
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustOdberatele(s, zpravy, nullptr), qmr::kVysledekZrusit);
    EXPECT_TRUE(videno);
    EXPECT_EQ(zpravy.count(), 1u) << "Cancel asks nothing";
}

TEST_F(PartneriViewsTest, CustomerForAForeignCustomerHidesTheModeAndCancelWritesNothing)
{
    const std::string konf = dir.write("DATA/Quilmar.cfg", kKonfigurace);
    s.Cizina = true;
    Cekej<qmr::JejichDefView>([&](qmr::JejichDefView *d) {
        EXPECT_FALSE(d->MapiGroup()->isVisible());
        Napis(d->Edit(PoleFirmy::Nazev1), QStringLiteral("X"));
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustOdberatele(s, zpravy, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(Obsah(konf), kKonfigurace);
    EXPECT_TRUE(zpravy.empty());
}

TEST_F(PartneriViewsTest, CustomerListChoosesACompany)
{
    dir.write("DATA/Quilmar.cfg", kKonfigurace);
    dir.write("DATA/FIRMY.qmr", "[Zeta]\r\nNazev1=Zeta\r\n"
                                "[Beta & Syn]\r\nKod=00042\r\nNazev1=Beta & Syn\r\nObec=Poznań\r\nPSC=PL-60001\r\n"
                                "Mail=ewa@beta.pl\r\nOsoba=Ewa Beta\r\n");
    qmrtest::FakeMailClient posta;
    bool videno = false;
    Cekej<qmr::VKFirmyView>([&](qmr::VKFirmyView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), U("Vyberte odběratele a místo dodání"));
        ASSERT_EQ(d->Seznam()->count(), 2);
        EXPECT_EQ(d->Seznam()->item(0)->text(), U("Beta & Syn"));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        EXPECT_EQ(d->Stitek("Naz1")->text(), QString());
        QListWidget *l = d->Seznam();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
        EXPECT_EQ(d->Stitek("Naz1")->text(), U("Beta & Syn"));
        EXPECT_EQ(d->Stitek("SObec")->text(), U("PL-60001 Poznań"));
        EXPECT_EQ(d->Stitek("Pomkod")->text(), U("Numer klienta u dostawcy: 00042"));
        EXPECT_EQ(d->Stitek("SMail")->toolTip(), U("ewa@beta.pl"));
        QTest::mouseClick(d->Stitek("SOsoba"), Qt::LeftButton);
        EXPECT_EQ(posta.zpravy.size(), 1u);
        guitest::Snimek(d, "partneri-seznam-firem");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustVyberOdberatele(s, zpravy, posta, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    ASSERT_EQ(posta.zpravy.size(), 1u);
    EXPECT_EQ(posta.zpravy[0].Adresat, "ewa@beta.pl");
    EXPECT_EQ(qmr::IniFile(s.apConf).ReadString("Firma", "Nazev1", ""), "Beta & Syn");
    EXPECT_EQ(s.apFirma, "Beta & Syn");
}

TEST_F(PartneriViewsTest, EndCustomerIsStoredOnlyByOk)
{
    s.Zakaznik.Data.Jmeno = "Anna";
    s.apVolna1 = "montaż";
    bool videno = false;
    Cekej<qmr::ZakazdefView>([&](qmr::ZakazdefView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), U("Popis zákazníka"));
        EXPECT_EQ(d->Popisek(PoleZakaznika::PSC)->text(), U("PSČ:"));
        EXPECT_EQ(d->Edit(PoleZakaznika::Jmeno)->text(), U("Anna"));
        Napis(d->Edit(PoleZakaznika::Prijmeni), U("Nowak"));
        Napis(d->Edit(PoleZakaznika::PSC), U("pl-30001"));
        guitest::Snimek(d, "partneri-zakaznik");
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustZakaznika(s, zpravy, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_EQ(s.Zakaznik.Data.Prijmeni, "Nowak");
    EXPECT_EQ(s.Zakaznik.Data.PSC, "PL-30001");
    EXPECT_EQ(s.Zakaznik.Data.Volna1, "montaż");

    // Closed by the window frame: nothing stored.
    Cekej<qmr::ZakazdefView>([&](qmr::ZakazdefView *d) {
        Napis(d->Edit(PoleZakaznika::Jmeno), U("Ewa"));
        d->close();
    });
    EXPECT_EQ(qmr::SpustZakaznika(s, zpravy, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(s.Zakaznik.Data.Jmeno, "Anna");
}

} // namespace
