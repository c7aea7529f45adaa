#pragma once
// What the tests of the quote and the order form's views share: the job they open on,
// the guard that closes a form a failed assertion left open, and the harness that runs a
// form with a fake mail client and a pricing engine that changes nothing.
#include "../documents/FormularFixture.h"

#include "core/DateCore.h"
#include "core/Session.h"
#include "dialogs/infill/Ovladace.h"
#include "support/FakeClock.h"
#include "support/FakeMailClient.h"
#include "gui/documents/FormularView.h"
#include "support/FakeMessages.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QPointer>
#include <QString>

namespace qmr {
class Tiskarna;
}

namespace formtest {

inline QString U(const char *t) { return QString::fromUtf8(t); }

// The panel with a note, a foreign customer and the dealer's company.
inline qmr::Session Relace()
{
    qmr::Session s;
    Panel(s);
    s.SPoznamky = {"Montaż u klienta"};
    s.Cizina = true;
    s.Firma.Data.Nazev1 = "Drzwi Nowak";
    s.Firma.Data.Osoba = "Jan Nowak";
    return s;
}

// Closes the form when the test's actions end without closing it (a failed assertion
// returns early), so that exec() always returns.
struct Zavri {
    QPointer<QDialog> d;
    ~Zavri()
    {
        if (d && d->isVisible())
            d->QDialog::done(qmr::kVysledekZrusit);
    }
};

// Runs the form through Spustit (SpustNabidku, SpustObjednavku) without a printer and
// without a parent.
template <class Akce, int (*Spustit)(qmr::Session &, qmr::Messages &, const qmr::Clock &, qmr::MailClient &,
                                     qmr::Tiskarna *, Akce, QWidget *)>
struct Prostredi {
    qmr::Session s;
    qmrtest::FakeMessages m;
    qmrtest::FakeClock hodiny{2024, 3, 5}; // a Tuesday
    qmrtest::FakeMailClient mail;
    Akce akce;

    explicit Prostredi(qmr::Session s0) : s(std::move(s0))
    {
        akce.Ocen = [](qmr::Session &) {};
    }
    int Spust() { return Spustit(s, m, hodiny, mail, nullptr, akce, nullptr); }
};

// What a form on Relace() shows when it opens: the buttons, the signature of the
// contact person, quantity 1, the lines of the job, the note, no gateway notice and the
// hint of the delivery date.
inline void OverOtevreni(qmr::FormularView *v)
{
    EXPECT_EQ(v->TiskButton()->text(), U("&Druk"));
    EXPECT_EQ(v->MailButton()->text(), U("&Mail"));
    EXPECT_EQ(v->KonecButton()->text(), U("&Koniec"));
    EXPECT_EQ(v->Podpis()->text(), U("Jan Nowak"));
    EXPECT_EQ(v->Pocet()->value(), 1);
    EXPECT_EQ(v->Radky1()->item(0)->text(), U("Wypełnienie:"));
    EXPECT_EQ(v->Radky2()->item(0)->text(), U("Aura 1/1 S1"));
    EXPECT_EQ(v->Radky1()->count(), v->Radky2()->count());
    EXPECT_EQ(v->Poznamky()->toPlainText(), U("Montaż u klienta"));
    EXPECT_FALSE(v->Oznameni()->isVisible());
    EXPECT_EQ(v->Termin()->toolTip(), U("oszklone wypełnienia do 14 dni pracy"));
}

// Empties the number field of a form whose session had the number "staré" and goes for
// button b by a click and by Tab: each time the stop message hlaska, the focus back in
// the number and the old number kept.
inline void OverPrazdneCislo(qmr::FormularView *v, QPushButton *b, const qmrtest::FakeMessages &m,
                             const qmr::Session &s, const char *hlaska)
{
    v->Cislo()->setFocus(Qt::MouseFocusReason);
    v->Cislo()->selectAll();
    QTest::keyClick(v->Cislo(), Qt::Key_Delete);
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().text, hlaska);
    EXPECT_TRUE(v->Cislo()->hasFocus());
    EXPECT_EQ(s.apCislo, "staré");
    // Tab from the number onto the button is refused the same way.
    b->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m.count(), 2u);
    EXPECT_TRUE(v->Cislo()->hasFocus());
}

// Adds the note line "bez progu" and finishes with the finish button.
inline void DopisAUkonci(qmr::FormularView *v)
{
    v->Poznamky()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(v->Poznamky(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(v->Poznamky(), Qt::Key_Return);
    QTest::keyClicks(v->Poznamky(), QStringLiteral("bez progu"));
    QTest::mouseClick(v->KonecButton(), Qt::LeftButton);
    EXPECT_FALSE(v->isVisible());
}

// The session after the form was filled with the number cislo, quantity 3, transport,
// delivery on 20.3.2024 and the added note, and finished.
inline void OverUlozeno(const qmr::Session &s, const std::string &cislo)
{
    EXPECT_EQ(s.apCislo, cislo);
    EXPECT_EQ(s.apPocet, 3);
    EXPECT_TRUE(s.apOdvoz);
    EXPECT_EQ(s.apTermin, qmr::EncodeDate(2024, 3, 20));
    EXPECT_EQ(s.apSoubor, cislo + ".qms");
    EXPECT_EQ(s.SPoznamky, (std::vector<std::string>{"Montaż u klienta", "bez progu"}));
}

} // namespace formtest
