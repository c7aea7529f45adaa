// The price settings and preferences dialogs: captions, binding, what OK and Cancel write.
#include "GuiTestApp.h"

#include "core/Session.h"
#include "core/Umisteni.h"
#include "gui/pricing/UCenyDefView.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace qmr;
using guitest::ZaModalnim;

namespace {

class SettingsDialogs : public ::testing::Test {
protected:
    SettingsDialogs()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        s.VolbaLeft = 100;
        s.VolbaTop = 40;
        dir.write("DATA/.keep", "");
    }
    void Conf(const std::string &t) { dir.write("DATA/Quilmar.cfg", t); }
    std::string Bytes() const { return qmrtest::TempDir::read(s.apConf); }

    template <class T>
    static T *W(QWidget *d, const char *name)
    {
        T *w = d->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The caption of a labelled control by its name.
    static QString Text(QWidget *d, const char *name)
    {
        QObject *o = d->findChild<QObject *>(QString::fromLatin1(name));
        if (auto *l = qobject_cast<QLabel *>(o))
            return l->text();
        if (auto *g = qobject_cast<QGroupBox *>(o))
            return g->title();
        if (auto *b = qobject_cast<QAbstractButton *>(o))
            return b->text();
        ADD_FAILURE() << "no control " << name;
        return {};
    }

    qmrtest::TempDir dir;
    Session s;
    qmrtest::FakeMessages m;
};

const std::string kUlozene = "[Ceny]\r\nDPHin=23,00\r\nDPHout=8,5\r\nDopravaIn=30\r\nDopravaOut=40\r\nSlevaQM=12\r\n"
                             "Marze=250\r\nTypMarze=1\r\nZpusobMarze=0\r\nRam=60\r\nSlevaZak=5\r\nZobrazit=2\r\n"
                             "Pocitat=1\r\nDopravy=1\r\nCenuNab=1\r\n";

TEST_F(SettingsDialogs, PriceSettingsShowEveryCaptionAndTheStoredValues)
{
    Conf(kUlozene);
    CenyDefView d(s, m);
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Nastawienie danych cenowych i kalkulacyjnych"));
    const std::vector<std::pair<const char *, const char *>> captions = {
        {"Label1", "Cena kupna"}, {"Label2", "Procent VAT:"}, {"Label3", "Rabat dostawcy:"},
        {"Label8", "Cena dowozu:"}, {"Label4", "Cena sprzedaży"}, {"Label5", "Procent VAT:"},
        {"Label6", "Marża handlowa:"}, {"DruhMarze", "Marża wynosi"}, {"DruhMarze0", "w EUR"},
        {"DruhMarze1", "w %"}, {"ZpusobMarze", "Marżę kalkulować z ceny"}, {"ZpusobMarze0", "przed zniżką"},
        {"ZpusobMarze1", "po zniżce"}, {"Label7", "Rabat dla klienta:"}, {"Label9", "Cena transportu:"},
        {"Label13", "Kalkulacja"}, {"Label14", "Cena ramy:"}, {"Zobraz1", "Wyrażenie ceny"},
        {"Zobraz10", "żadnej"}, {"Zobraz11", "ceny kupna"}, {"Zobraz12", "ceny sprzedaży"},
        {"Zobraz2", "Obliczyć cenę"}, {"Zobraz20", "bez podatku"}, {"Zobraz21", "z podatkiem"},
        {"Zobraz3", "Transport"}, {"Zobraz30", "nie zaliczyć"}, {"Zobraz31", "zaliczyć"},
        {"ZobrNab", "Nie drukowat cenu w prostej ofercie"}, {"Label16", "EUR"}, {"Label17", "EUR"},
        {"Label18", "EUR"}, {"OKButton", "O&K"}, {"EscButton", "&Anuluj"},
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(Text(&d, name), QString::fromUtf8(caption)) << name;
    EXPECT_EQ(Text(&d, "Label10"), QString::fromStdString(s.apConf));

    // Values: VAT in two decimals, spins, radio items, the check box.
    EXPECT_EQ(W<QLineEdit>(&d, "ProcDPH1")->displayText(), QStringLiteral("23,00"));
    EXPECT_EQ(W<QLineEdit>(&d, "ProcDPH2")->displayText(), QStringLiteral(" 8,50"));
    const std::vector<std::pair<const char *, int>> spins = {
        {"ProcSlevy", 12}, {"Doprava1", 30}, {"Marze", 250}, {"ProcSlevyZak", 5}, {"Doprava2", 40}, {"CenaRamu", 60}};
    for (const auto &[name, value] : spins)
        EXPECT_EQ(W<QSpinBox>(&d, name)->value(), value) << name;
    for (const char *checked : {"DruhMarze1", "ZpusobMarze0", "Zobraz12", "Zobraz21", "Zobraz31"})
        EXPECT_TRUE(W<QRadioButton>(&d, checked)->isChecked()) << checked;
    EXPECT_TRUE(W<QCheckBox>(&d, "ZobrNab")->isChecked());

    // Digit limits and steps.
    const std::vector<std::tuple<const char *, int, int>> limits = {
        {"ProcSlevy", 99, 1}, {"ProcSlevyZak", 99, 1}, {"Doprava1", 9999, 10},
        {"Doprava2", 9999, 10}, {"Marze", 9999, 1}, {"CenaRamu", 99999, 1}};
    for (const auto &[name, max, step] : limits) {
        EXPECT_EQ(W<QSpinBox>(&d, name)->maximum(), max) << name;
        EXPECT_EQ(W<QSpinBox>(&d, name)->singleStep(), step) << name;
    }
}

TEST_F(SettingsDialogs, PriceSettingsOkWritesWhatWasEntered)
{
    CenyDefView d(s, m);
    QLineEdit *dph1 = W<QLineEdit>(&d, "ProcDPH1");
    dph1->setFocus();
    dph1->selectAll();
    QTest::keyClicks(dph1, "1950");
    EXPECT_EQ(dph1->text(), QStringLiteral("19,50"));
    QLineEdit *dph2 = W<QLineEdit>(&d, "ProcDPH2");
    dph2->selectAll();
    QTest::keyClicks(dph2, "0800");
    W<QSpinBox>(&d, "ProcSlevy")->setValue(10);
    W<QSpinBox>(&d, "Doprava1")->setValue(20);
    W<QSpinBox>(&d, "Doprava2")->setValue(30);
    W<QSpinBox>(&d, "Marze")->setValue(15);
    W<QSpinBox>(&d, "ProcSlevyZak")->setValue(3);
    W<QSpinBox>(&d, "CenaRamu")->setValue(60);
    W<QRadioButton>(&d, "DruhMarze1")->click();
    W<QRadioButton>(&d, "ZpusobMarze1")->click();
    W<QRadioButton>(&d, "Zobraz12")->click();
    W<QRadioButton>(&d, "Zobraz21")->click();
    W<QRadioButton>(&d, "Zobraz31")->click();
    W<QCheckBox>(&d, "ZobrNab")->click();
    QTest::mouseClick(d.okButton(), Qt::LeftButton);

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(Bytes(), "[Ceny]\r\nDPHin=19,50\r\nDPHout=08,00\r\nDopravaOut=30\r\nMarze=15\r\nRam=60\r\n"
                       "SlevaZak=3\r\nDopravaIn=20\r\nSlevaQM=10\r\nTypMarze=1\r\nZpusobMarze=1\r\nZobrazit=2\r\n"
                       "Pocitat=1\r\nDopravy=1\r\nCenuNab=1\r\n");
}

TEST_F(SettingsDialogs, NegativeDiscountTurnsToZeroAtOnce)
{
    CenyDefView d(s, m);
    for (const char *name : {"ProcSlevy", "ProcSlevyZak"}) {
        QSpinBox *sp = W<QSpinBox>(&d, name);
        sp->setValue(7);
        sp->setValue(-5);
        EXPECT_EQ(sp->value(), 0) << name;
    }
    EXPECT_EQ(d.Logika().SlevaQM(), 0);
    EXPECT_EQ(d.Logika().SlevaZak(), 0);
}

TEST_F(SettingsDialogs, OkWithoutSupplierTransportSelectsNotIncluded)
{
    Conf(kUlozene);
    CenyDefView d(s, m);
    W<QSpinBox>(&d, "Doprava1")->setValue(0);
    ASSERT_TRUE(W<QRadioButton>(&d, "Zobraz31")->isChecked());
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_TRUE(W<QRadioButton>(&d, "Zobraz30")->isChecked());
    EXPECT_NE(Bytes().find("\r\nDopravy=0\r\n"), std::string::npos);
}

TEST_F(SettingsDialogs, CancelWritesNothing)
{
    Conf(kUlozene);
    {
        CenyDefView d(s, m);
        W<QSpinBox>(&d, "Marze")->setValue(1);
        W<QRadioButton>(&d, "Zobraz10")->click();
        QTest::mouseClick(d.escButton(), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    EXPECT_EQ(Bytes(), kUlozene);

    // The modal run: Escape cancels, OK confirms.
    ZaModalnim<CenyDefView>([](CenyDefView *d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_FALSE(CenyDefView::Spust(s, m));
    EXPECT_EQ(Bytes(), kUlozene);
    ZaModalnim<CenyDefView>([](CenyDefView *d) { QTest::mouseClick(d->okButton(), Qt::LeftButton); });
    EXPECT_TRUE(CenyDefView::Spust(s, m));
    EXPECT_NE(Bytes(), kUlozene);
}

TEST_F(SettingsDialogs, VatEditWithoutDigitsDisablesOk)
{
    CenyDefView d(s, m);
    QLineEdit *dph = W<QLineEdit>(&d, "ProcDPH2");
    dph->clear();
    EXPECT_FALSE(d.okButton()->isEnabled());
    dph->setFocus();
    dph->setCursorPosition(0);
    QTest::keyClicks(dph, "5");
    EXPECT_TRUE(d.okButton()->isEnabled());
}

TEST_F(SettingsDialogs, WriteFailureIsReportedAndTheDialogStaysOpen)
{
    s.apConf = s.apData + "chybi/Quilmar.cfg"; // a folder that does not exist
    CenyDefView d(s, m);
    d.show();
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_TRUE(d.isVisible());
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().caption, "Quilmar");
    EXPECT_EQ(m.last().kind, qmrtest::FakeMessages::Kind::Chyba);
}

TEST_F(SettingsDialogs, DialogsArePlacedByTheSettingsRule)
{
    CenyDefView c(s, m);
    EXPECT_EQ(c.pos(), QPoint(UmistiDialogOsy(s, c.width(), c.height()).Left,
                              UmistiDialogOsy(s, c.width(), c.height()).Top));
    EXPECT_EQ(c.minimumSize(), c.maximumSize()); // fixed size
    DefaultView d(s, m);
    EXPECT_EQ(d.pos(), QPoint(UmistiDialogOsy(s, d.width(), d.height()).Left,
                              UmistiDialogOsy(s, d.width(), d.height()).Top));
}

TEST_F(SettingsDialogs, PreferencesShowTheirCaptionsAndOnlySizesAbove100)
{
    Conf("[Volby]\r\nSirka=100\r\nVyska=2050\r\n");
    DefaultView d(s, m);
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Nastavení předvoleb"));
    const std::vector<std::pair<const char *, const char *>> captions = {
        {"Label1", "Zde nastavte své preference pro urychlení kalkulace nabídky"},
        {"LSirka", "Šířka:"}, {"LVyska", "Výška:"}, {"LHlinik", "Barva Al strany:"},
        {"LABS", "Barva ABS strany:"}, {"LHPL", "Barva HPL strany:"}, {"OKButton", "O&K"}, {"EscButton", "&Anuluj"},
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(Text(&d, name), QString::fromUtf8(caption)) << name;
    QSpinBox *sirka = W<QSpinBox>(&d, "Sirka");
    QSpinBox *vyska = W<QSpinBox>(&d, "Vyska");
    EXPECT_EQ(sirka->value(), 0);
    EXPECT_EQ(vyska->value(), 2050);
    EXPECT_EQ(sirka->maximum(), 2000);
    EXPECT_EQ(vyska->maximum(), 3000);
}

TEST_F(SettingsDialogs, PreferencesOkWritesBothSizesAndCancelNothing)
{
    const std::string before = "[Volby]\r\nSirka=100\r\nVyska=2050\r\n";
    Conf(before);
    {
        DefaultView d(s, m);
        W<QSpinBox>(&d, "Sirka")->setValue(900);
        QTest::mouseClick(d.escButton(), Qt::LeftButton);
    }
    EXPECT_EQ(Bytes(), before);

    DefaultView d(s, m);
    W<QSpinBox>(&d, "Sirka")->setValue(900);
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Bytes(), "[Volby]\r\nSirka=900\r\nVyska=2050\r\n");
    EXPECT_EQ(s.SVolby.DefaultData.Sirka, 900);
}

} // namespace
