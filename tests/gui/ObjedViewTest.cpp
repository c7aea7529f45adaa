// The order form's view: opening, filling and mailing it through a fake mail client, the
// customer dialog before a send without a customer number, the number demanded on the
// way to the save button in manual mode, a date that is no working day or no date, Escape.
#include "FormularViewFixture.h"
#include "GuiTestApp.h"
#include "Modalni.h"

#include "core/DateCore.h"
#include "documents/UObjed.h"
#include "gui/documents/ObjedView.h"
#include "gui/partners/PartneriViews.h"
#include "jobfiles/UZapis.h"
#include "partners/UJejichDef.h"
#include "support/TestPaths.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace qmr;

namespace {

using formtest::U;
using formtest::Zavri;

// The panel bought at 1234.56 PLN with the supplier's transport 50 PLN, the purchase
// prices shown; the dealer's customer number and the supplier.
Session Relace()
{
    Session s = formtest::Relace();
    s.nPoSleve1 = Currency::FromRaw(12345600);
    s.nDopravaIn = Currency::FromUnits(50);
    s.cMenaObj = "PLN";
    s.SCeny.CenyData.Zobrazit = 1;
    s.Firma.Data.Kod = "40711";
    s.Quilmar.QMData.Mail = "zamowienia@quilmar.example";
    return s;
}

// The job file and the configuration (with the company) in a temporary folder.
using Zaklad = formtest::Prostredi<ObjedAkce, SpustObjednavku>;

struct Prostredi : Zaklad {
    qmrtest::TempDir dir;
    guitest::Modalni modalni;
    Prostredi() : Zaklad(Relace())
    {
        s.apPriloha = dir.file("QMRobj.qmr");
        s.apConf = dir.file("Quilmar.cfg");
        Zapis(s, s.Firma);
    }
};

TEST(ObjedView, FilledFormIsMailedAndFinishStoresIt)
{
    Prostredi p;
    bool videno = false;
    p.modalni.Cekej<ObjedView>([&](ObjedView *v) {
        Zavri z{v};
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_EQ(v->windowTitle(), U("Dokończenie zamówienia"));
        formtest::OverOtevreni(v);
        EXPECT_TRUE(v->MailButton()->isEnabled());
        EXPECT_FALSE(v->UlozButton()->isVisible());
        EXPECT_TRUE(v->Pocet()->isVisible());
        EXPECT_EQ(v->TxLine2()->text(), U("sztuk wypełnień drzwiowych według następującej specyfikacji:"));
        EXPECT_TRUE(v->Doprava()->button(0)->isChecked());
        EXPECT_TRUE(v->DopravaBox()->isEnabled());
        EXPECT_EQ(v->TxCena()->text(), U("Bez transportu 1 234,56 PLN bez podatku"));
        EXPECT_TRUE(v->TxCena()->isVisible());

        v->Cislo()->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(v->Cislo(), QStringLiteral("Z-77"));
        // Leaving the number for the date stores it.
        QTest::keyClick(v->Cislo(), Qt::Key_Tab);
        EXPECT_EQ(p.s.apCislo, "Z-77");
        EXPECT_TRUE(p.s.apEdited);
        ASSERT_TRUE(v->Termin()->hasFocus());
        v->Termin()->setCursorPosition(0);
        QTest::keyClicks(v->Termin(), QStringLiteral("20032024"));
        EXPECT_EQ(v->Termin()->text(), QStringLiteral("20.03.2024"));
        v->Pocet()->setFocus(Qt::MouseFocusReason); // leaving the date stores it
        EXPECT_EQ(p.s.apTermin, EncodeDate(2024, 3, 20));
        v->Pocet()->selectAll();
        QTest::keyClicks(v->Pocet(), QStringLiteral("3"));
        QTest::mouseClick(v->Doprava()->button(1), Qt::LeftButton);
        EXPECT_EQ(v->TxCena()->text(), U("Z transportem 3 853,68 PLN bez podatku"));
        guitest::Snimek(v, "objednavka");

        QTest::mouseClick(v->MailButton(), Qt::LeftButton);
        ASSERT_EQ(p.mail.zpravy.size(), 1u);
        const ZpravaMailu &zp = p.mail.zpravy[0];
        EXPECT_EQ(zp.Adresat, "zamowienia@quilmar.example");
        EXPECT_EQ(zp.Predmet, "Zamówienie Z-77");
        EXPECT_EQ(zp.Priloha, p.s.apPriloha);
        EXPECT_NE(zp.Obsah.find("Zamówienie Nr.    Z-77   Data sporządzenia: 05.03.2024\r\n"
                                "Termin dostawy:   20.03.2024\r\n"
                                "Transport: Transport zabezpiecza dostawca\r\n"),
                  std::string::npos)
            << zp.Obsah;
        EXPECT_NE(zp.Obsah.find("Zamawiamy u Państwa 3 sztuk"), std::string::npos);
        EXPECT_TRUE(NactiDataPrijme(p.s.apPriloha));
        EXPECT_TRUE(p.s.SMail);
        EXPECT_TRUE(p.m.empty()) << ::testing::PrintToString(p.m.texts());
        EXPECT_TRUE(v->isVisible()); // mailing leaves the form open

        formtest::DopisAUkonci(v);
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(videno);
    formtest::OverUlozeno(p.s, "Z-77");
}

TEST(ObjedView, CustomerDialogBeforeASendWithoutCustomerNumber)
{
    Prostredi p;
    p.s.apCislo = "Z-78";
    p.s.Firma.Data.Kod = "00000";
    Zapis(p.s, p.s.Firma);
    bool dialog = false;
    p.modalni.Cekej<ObjedView>([&](ObjedView *v) {
        Zavri z{v};
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        // The real customer dialog opens over the form and is cancelled.
        p.modalni.Cekej<JejichDefView>([&](JejichDefView *d) {
            dialog = true;
            EXPECT_EQ(d->parentWidget(), v);
        });
        QTest::mouseClick(v->MailButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog);
        // Sending went on after the dialog.
        ASSERT_EQ(p.mail.zpravy.size(), 1u);
        EXPECT_NE(p.mail.zpravy[0].Obsah.find("Numer klienta: 00000\r\n"), std::string::npos);
        QTest::keyClick(v, Qt::Key_Escape);
        EXPECT_FALSE(v->isVisible());
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(dialog);
}

TEST(ObjedView, ManualModeWithoutTransportPrice)
{
    Prostredi p;
    p.s.apCislo = "staré";
    p.s.Firma.Data.MapiGroup = 2;
    p.s.nDopravaIn = Currency();
    int ulozeni = 0;
    p.akce.UlozitJako = [&] { return ++ulozeni, IDYES; };
    bool videno = false;
    p.modalni.Cekej<ObjedView>([&](ObjedView *v) {
        Zavri z{v};
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_FALSE(v->MailButton()->isEnabled());
        ASSERT_TRUE(v->UlozButton()->isVisible());
        EXPECT_EQ(v->UlozButton()->text(), U("&Uložit pro odeslání"));
        EXPECT_FALSE(v->DopravaBox()->isEnabled());
        EXPECT_TRUE(v->Doprava()->button(0)->isChecked());

        // A blank number is refused on the way to the save button.
        ASSERT_NO_FATAL_FAILURE(
            formtest::OverPrazdneCislo(v, v->UlozButton(), p.m, p.s, "Należy wypełnić Państwa numer zamówienia"));
        EXPECT_EQ(ulozeni, 0);

        QTest::keyClicks(v->Cislo(), QStringLiteral("Z-79"));
        QTest::mouseClick(v->UlozButton(), Qt::LeftButton);
        EXPECT_EQ(ulozeni, 1);
        EXPECT_EQ(p.s.apCislo, "Z-79");
        EXPECT_TRUE(std::filesystem::exists(p.s.apPriloha));
        QTest::keyClick(v, Qt::Key_Escape);
        EXPECT_FALSE(v->isVisible());
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(p.mail.zpravy.empty());
    EXPECT_EQ(p.s.apSoubor, "Z-79.qms");
}

TEST(ObjedView, DateOnANonWorkingDayStopsThePrint)
{
    Prostredi p;
    p.s.apCislo = "Z-80";
    std::optional<DataObjednavky> tisk;
    p.akce.Tisk = [&](const DataObjednavky &d) { tisk = d; };
    bool videno = false;
    p.modalni.Cekej<ObjedView>([&](ObjedView *v) {
        Zavri z{v};
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        v->Termin()->setFocus(Qt::MouseFocusReason);
        v->Termin()->setCursorPosition(0);
        QTest::keyClicks(v->Termin(), QStringLiteral("16032024")); // a Saturday
        QTest::mouseClick(v->TiskButton(), Qt::LeftButton);
        EXPECT_FALSE(tisk);
        EXPECT_TRUE(v->Termin()->hasFocus());
        EXPECT_TRUE(p.m.empty());
        // A date field without a date: its error once, and no print either.
        v->Termin()->selectAll();
        QTest::keyClick(v->Termin(), Qt::Key_Delete);
        QTest::mouseClick(v->TiskButton(), Qt::LeftButton);
        EXPECT_FALSE(tisk);
        EXPECT_TRUE(v->Termin()->hasFocus());
        ASSERT_EQ(p.m.count(), 1u);
        EXPECT_NE(p.m.last().text.find("is not a valid date"), std::string::npos) << p.m.last().text;
        v->Termin()->setCursorPosition(0);
        QTest::keyClicks(v->Termin(), QStringLiteral("18032024"));
        QTest::mouseClick(v->TiskButton(), Qt::LeftButton);
        ASSERT_TRUE(tisk);
        EXPECT_EQ(tisk->Termin, "18.03.2024");
        EXPECT_EQ(tisk->Cislo, "Z-80");
        EXPECT_EQ(p.s.apTermin, EncodeDate(2024, 3, 18));
        QTest::mouseClick(v->KonecButton(), Qt::LeftButton);
        EXPECT_FALSE(v->isVisible());
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(videno);
}

TEST(ObjedView, GatewayNoticeStandsOverTheLinesWhileTheRequestRuns)
{
    Prostredi p;
    p.s.apCislo = "Z-81";
    p.s.Firma.Data.MapiGroup = 1;
    QPointer<ObjedView> okno;
    bool oznameni = false;
    int poslano = 0;
    p.akce.Status = [&] {
        oznameni = okno && okno->Oznameni()->isVisible() && !okno->Radky2()->isVisible();
        return false; // unreachable: the gateway client has reported it
    };
    p.akce.Posli = [&](const ZpravaBrany &) { return ++poslano, false; };
    p.modalni.Cekej<ObjedView>([&](ObjedView *v) {
        Zavri z{v};
        okno = v;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_EQ(v->MailButton()->text(), QStringLiteral("WWW"));
        QTest::mouseClick(v->MailButton(), Qt::LeftButton);
        EXPECT_TRUE(oznameni);
        EXPECT_EQ(poslano, 1); // sent even though the status request failed
        EXPECT_FALSE(v->Oznameni()->isVisible());
        EXPECT_TRUE(v->Radky2()->isVisible());
        EXPECT_TRUE(p.mail.zpravy.empty());
        EXPECT_TRUE(p.m.empty()); // no own-attachment question
        QTest::mouseClick(v->KonecButton(), Qt::LeftButton);
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(oznameni);
}

} // namespace
