// The quote form's view: opening, filling and mailing it through a fake mail client,
// the number demanded on the way to the mail button, Escape; and the xdg-email hand-over.
#include "FormularViewFixture.h"
#include "GuiTestApp.h"

#include "core/DateCore.h"
#include "documents/UNabidka.h"
#include "gui/core/XdgMailClient.h"
#include "gui/documents/NabidkaView.h"
#include "support/TestPaths.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
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

using namespace qmr;

namespace {

using formtest::U;
using formtest::Zavri;

// The panel priced at 1234.56 EUR, sale prices shown.
Session Relace()
{
    Session s = formtest::Relace();
    s.nPoSleve2 = Currency::FromRaw(12345600);
    s.cMenaNab = "EUR";
    s.SCeny.CenyData.Zobrazit = 2;
    return s;
}

using Zaklad = formtest::Prostredi<NabidkaAkce, SpustNabidku>;

struct Prostredi : Zaklad {
    Prostredi() : Zaklad(Relace()) {}
};

TEST(NabidkaView, FilledFormIsMailedAndFinishStoresIt)
{
    Prostredi p;
    bool videno = false;
    guitest::ZaModalnim<NabidkaView>([&](NabidkaView *v) {
        Zavri z{v};
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_EQ(v->windowTitle(), U("Dokończenie oferty"));
        formtest::OverOtevreni(v);
        EXPECT_EQ(v->Platnost()->value(), 1);
        EXPECT_TRUE(v->Verze()->button(0)->isChecked());
        EXPECT_EQ(v->TxCena()->text(), U(" 1 234,56 EUR bez podatku"));

        v->Cislo()->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(v->Cislo(), QStringLiteral("N-77"));
        // Leaving the number for the date stores it.
        QTest::keyClick(v->Cislo(), Qt::Key_Tab);
        EXPECT_EQ(p.s.apCislo, "N-77");
        ASSERT_TRUE(v->Termin()->hasFocus());
        v->Termin()->setCursorPosition(0);
        QTest::keyClicks(v->Termin(), QStringLiteral("20032024"));
        EXPECT_EQ(v->Termin()->text(), QStringLiteral("20.03.2024"));
        EXPECT_TRUE(p.s.apEdited);
        v->Pocet()->setFocus(Qt::MouseFocusReason);
        v->Pocet()->selectAll();
        QTest::keyClicks(v->Pocet(), QStringLiteral("3"));
        QTest::mouseClick(v->Verze()->button(1), Qt::LeftButton);
        QTest::mouseClick(v->Doprava()->button(1), Qt::LeftButton);
        EXPECT_EQ(v->TxCena()->text(), U("Z transportem 3 703,68 EUR bez podatku"));
        guitest::Snimek(v, "nabidka");

        QTest::mouseClick(v->MailButton(), Qt::LeftButton);
        ASSERT_EQ(p.mail.zpravy.size(), 1u);
        const ZpravaMailu &zp = p.mail.zpravy[0];
        EXPECT_EQ(zp.Adresat, "Wybór adresata!");
        EXPECT_EQ(zp.Predmet, "Oferta  N-77");
        EXPECT_EQ(zp.Obsah.rfind("Oferta Nr.: N-77\r\nData sporządzenia: 05.03.2024\r\n"
                                 "Termin dostawy:   20.03.2024\r\n",
                                 0),
                  0u)
            << zp.Obsah;
        EXPECT_NE(zp.Obsah.find("Proponujemy Państwu 3 sztuk"), std::string::npos);
        EXPECT_TRUE(p.m.empty()) << ::testing::PrintToString(p.m.texts());
        EXPECT_TRUE(v->isVisible()); // mailing leaves the form open

        formtest::DopisAUkonci(v);
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(videno);
    formtest::OverUlozeno(p.s, "N-77");
}

TEST(NabidkaView, BlankNumberStopsTheMailAndEscapeFinishes)
{
    Prostredi p;
    p.s.apCislo = "staré";
    p.s.Firma.Data.MapiGroup = 0;
    bool videno = false;
    guitest::ZaModalnim<NabidkaView>([&](NabidkaView *v) {
        Zavri z{v};
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        ASSERT_NO_FATAL_FAILURE(
            formtest::OverPrazdneCislo(v, v->MailButton(), p.m, p.s, "Należy wypełnić Państwa numer oferty"));
        EXPECT_TRUE(p.mail.zpravy.empty());
        QTest::keyClick(v, Qt::Key_Escape);
        EXPECT_FALSE(v->isVisible());
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(videno);
    // Escape finished the form: the blank number was stored.
    EXPECT_EQ(p.s.apCislo, "");
    EXPECT_EQ(p.s.apPocet, 1);
    EXPECT_EQ(p.s.apSoubor, "Nowy plik.qms");
}

TEST(NabidkaView, GatewayNoticeStandsOverTheLinesWhileTheRequestRuns)
{
    Prostredi p;
    p.s.apCislo = "N-78";
    p.s.Firma.Data.MapiGroup = 1;
    QPointer<NabidkaView> okno;
    bool oznameni = false;
    p.akce.Status = [&] {
        oznameni = okno && okno->Oznameni()->isVisible() && !okno->Radky2()->isVisible();
        return false; // unreachable: the gateway client has reported it
    };
    p.akce.Posli = [](const ZpravaBrany &) { return true; };
    guitest::ZaModalnim<NabidkaView>([&](NabidkaView *v) {
        Zavri z{v};
        okno = v;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_EQ(v->MailButton()->text(), QStringLiteral("WWW"));
        QTest::mouseClick(v->MailButton(), Qt::LeftButton);
        EXPECT_TRUE(oznameni);
        EXPECT_FALSE(v->Oznameni()->isVisible());
        EXPECT_TRUE(v->Radky2()->isVisible());
        EXPECT_TRUE(p.mail.zpravy.empty());
        QTest::mouseClick(v->KonecButton(), Qt::LeftButton);
    });
    EXPECT_EQ(p.Spust(), kVysledekOK);
    EXPECT_TRUE(oznameni);
}

// ---- xdg-email --------------------------------------------------------------------------

// A script in place of xdg-email that writes its arguments, one per NUL-ended item, and
// exits with the given code.
std::string Skript(const qmrtest::TempDir &dir, int kod)
{
    const std::string args = dir.file("args");
    const std::string cesta = dir.write("xdg-email", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" +
                                                         args + "'\nexit " + std::to_string(kod) + "\n");
    std::filesystem::permissions(cesta, std::filesystem::perms::owner_all);
    return cesta;
}

QStringList Argumenty(const qmrtest::TempDir &dir)
{
    QFile f(QString::fromStdString(dir.file("args")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList l = QString::fromUtf8(f.readAll()).split(QChar(0));
    if (!l.isEmpty() && l.back().isEmpty())
        l.pop_back();
    return l;
}

TEST(XdgMailClient, HandsOverTheArgumentsAndReportsItsExitCode)
{
    qmrtest::TempDir dir;
    const std::string rys = dir.write("RYSY/pa1s1.JPG", "jpeg");
    {
        XdgMailClient k(QString::fromStdString(Skript(dir, 0)));
        ASSERT_TRUE(k.Posli({"Wybór adresata!", "Oferta  N-1", "a\r\nb ż\r\n", dir.file("rysy/PA1S1.jpg")}));
        EXPECT_EQ(Argumenty(dir), (QStringList{"--utf8", "--subject", "Oferta  N-1", "--body", U("a\r\nb ż\r\n"),
                                               "--attach", QString::fromStdString(rys), U("Wybór adresata!")}));
    }
    {
        // A missing attachment is left out.
        XdgMailClient k(QString::fromStdString(Skript(dir, 0)));
        ASSERT_TRUE(k.Posli({"a@b.example", "S", "B", dir.file("RYSY/zadny.jpg")}));
        EXPECT_EQ(Argumenty(dir), (QStringList{"--utf8", "--subject", "S", "--body", "B", "a@b.example"}));
    }
    // No mail client configured (exit 3) and no tool at all.
    EXPECT_FALSE(XdgMailClient(QString::fromStdString(Skript(dir, 3))).Posli({"a@b.example", "S", "B", ""}));
    EXPECT_FALSE(XdgMailClient(QString::fromStdString(dir.file("chybi"))).Posli({"a@b.example", "S", "B", ""}));
}

} // namespace
