// The main window: its controls, the binding of the refresh to paints, the file menu,
// the unsaved-changes question, the exit code, the command line, the settings menu and
// the mouse-coordinate mode.
#include "VolbaTestFixture.h"

#include "core/IniFile.h"
#include "core/Messages.h"
#include "gui/core/Tiskarna.h"
#include "gui/mainwindow/TVypinac.h"
#include "gui/mainwindow/VolbaDialogy.h"
#include "gui/pricing/UCenyDefView.h"
#include "jobfiles/UZapis.h"
#include "mainwindow/VolbaTexty.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>

#include <filesystem>
#include <functional>
#include <map>

namespace guitest {
namespace {

using qmr::IDCANCEL;
using qmr::IDNO;
using qmr::IDOK;
using qmr::IDYES;
using qmr::Popis;
using qmr::VolbaStav;

const char *const kOtazka = "Konfiguracja została zmieniona. Zapisać zmiany?";


// Every label of the window and the member of the model's state it shows.
struct Vazba {
    const char *jmeno;
    std::function<const Popis &(const VolbaStav &)> clen;
};
#define V(n) Vazba{#n, [](const VolbaStav &st) -> const Popis & { return st.n; }}
#define VA(n, arr, i) Vazba{n, [](const VolbaStav &st) -> const Popis & { return st.arr[i]; }}
const std::vector<Vazba> &Vazby()
{
    static const std::vector<Vazba> v = {
        V(JmenoVyplne), V(TextProfilu), V(TextTloustky), V(TextPrekryv), V(TextRamecku1), V(BarvaRam1),
        V(TextRamecku2), V(BarvaRam2), V(Label1), V(TextBarvy1), V(Label5), V(TextBarvy12), V(Label2),
        V(TextBarvy2), V(TextRozmeru), V(Prekryvy), V(Prekryvy2), V(TextVyztuze), V(TextB1), V(TextB2),
        V(TextVitraze), V(Label3), V(TextDekoru1), V(TextProstredni), V(TextDP), V(TextProstredni2),
        V(TextDP2), V(Label4), V(TextDekoru2), V(TextMrizky),
        VA("TextDoplnku1", TextDoplnku, 0), VA("TextDoplnku2", TextDoplnku, 1),
        VA("TextDoplnku3", TextDoplnku, 2), VA("TextDoplnku4", TextDoplnku, 3),
        VA("TxPozn1", TxPozn, 0), VA("TxPozn2", TxPozn, 1), VA("TxPozn3", TxPozn, 2), VA("TxPozn4", TxPozn, 3),
        V(CenaVyplne), V(CenaBarvy1), V(CenaBarvy12), V(CenaBarvy2), V(CenaRozmeru), V(CenaVyztuze),
        V(CenaVitraze), V(CenaSkla1), V(CenaSklaP), V(CenaSklaP2), V(CenaSkla2), V(CenaMrizky),
        VA("CenaDoplnku1", CenaDoplnku, 0), VA("CenaDoplnku2", CenaDoplnku, 1),
        VA("CenaDoplnku3", CenaDoplnku, 2), VA("CenaDoplnku4", CenaDoplnku, 3),
        V(Celkem), V(CenaPredSlevou), V(LabTz1), V(TZ1), V(LabTZ2), V(TZ2), V(LabMezisouc), V(Mezisouc),
        V(ProcentoSlevy), V(CenaSlevy), V(Label6), V(CenaNet), V(Nakonec), V(CenaPoSleve),
    };
    return v;
}
#undef V
#undef VA

// Every label, button and menu item shows what the model's state says.
void OcekavejShodu(qmr::TVolba &w)
{
    const VolbaStav &st = w.Stav();
    EXPECT_EQ(w.windowTitle().toStdString(), st.Titulek);
    for (const Vazba &v : Vazby()) {
        SCOPED_TRACE(v.jmeno);
        auto *l = w.findChild<QLabel *>(QString::fromLatin1(v.jmeno));
        ASSERT_NE(l, nullptr);
        const Popis &p = v.clen(st);
        EXPECT_EQ(l->text().toStdString(), p.Text);
        EXPECT_EQ(l->isVisibleTo(l->parentWidget()), p.Viditelny);
        EXPECT_EQ(l->palette().color(QPalette::WindowText) == QColor(Qt::red), p.Barva == qmr::BarvaTextu::Cervena);
    }
    const std::pair<const char *, bool> tlacitka[] = {
        {"StartButton", st.StartButton},     {"BarvyButton", st.BarvyButton},
        {"RozmerButton", st.RozmerButton},   {"VyztuzButton", st.VyztuzButton},
        {"VitrazButton", st.VitrazButton},   {"DekoryButton", st.DekoryButton},
        {"MrizkyButton", st.MrizkyButton},   {"DoplnkyButton", st.DoplnkyButton},
        {"CommentButton", st.CommentButton}, {"ObjButton", st.ObjButtonPovolen},
        {"NabButton", st.NabButtonPovolen},
    };
    for (const auto &[jmeno, povolen] : tlacitka) {
        SCOPED_TRACE(jmeno);
        EXPECT_EQ(w.findChild<QPushButton *>(QString::fromLatin1(jmeno))->isEnabled(), povolen);
    }
    EXPECT_EQ(w.findChild<QAction *>("Ulozit")->isEnabled(), st.Ulozit);
    EXPECT_EQ(w.findChild<QAction *>("Jako")->isEnabled(), st.Jako);
    EXPECT_EQ(w.findChild<QFrame *>("Panel2")->isVisibleTo(&w), st.Panel2.Viditelny);
    EXPECT_EQ(w.findChild<QFrame *>("Panel3")->isVisibleTo(&w), st.Panel3.Viditelny);
}

TEST_F(VolbaTest, WindowHasTheDesignedControlsCaptionsAndMenu)
{
    qmr::TVolba &w = Okno();
    Ukaz();

    EXPECT_EQ(w.centralWidget()->size(), QSize(998, 614));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed size";
    EXPECT_EQ(w.objectName(), "TVolba");
    EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : Nowy plik.qms");

    const std::pair<const char *, const char *> tlacitka[] = {
        {"StartButton", "&Start"},  {"BarvyButton", "&Kolory"},   {"RozmerButton", "Wy&miary"},
        {"VyztuzButton", "Wzmo&cnienie"}, {"VitrazButton", "W&itraż, piasek ..."},
        {"DekoryButton", "&Szkła"}, {"MrizkyButton", "Kra&tka"},  {"DoplnkyButton", "&Akcesoria"},
        {"CommentButton", "&Uwagi"}, {"ObjButton", "Zamówienie"}, {"NabButton", "Oferta"},
    };
    for (const auto &[jmeno, text] : tlacitka)
        EXPECT_EQ(Tlacitko(jmeno)->text().toStdString(), text) << jmeno;

    struct Polozka {
        const char *jmeno;
        const char *text;
        const char *zkratka;
    };
    const Polozka menu[] = {
        {"Novy", "Nowy...", "Ctrl+N"},        {"Otevrit", "Otworzyć...", "Ctrl+O"},
        {"Ulozit", "Ułożyć", "Ctrl+S"},       {"Jako", "Ułożyć jako...", ""},
        {"Konec", "Koniec", ""},              {"Definicecen", "Określenie cen", ""},
        {"Predvolby", "Wybór przedwstępny", ""}, {"DefiniceOdb", "Opis odbiorcy", ""},
        {"DefiniceDod", "Opis dostawcy", ""}, {"Prepocet", "Przeliczenie ceny", ""},
        {"NastavTisk", "Nastawienie drukarki", ""}, {"Oprogramu", "O programie", ""},
        {"Test", "Test on/off", ""},
    };
    for (const Polozka &p : menu) {
        SCOPED_TRACE(p.jmeno);
        QAction *a = Akce(p.jmeno);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text().toStdString(), p.text);
        EXPECT_EQ(a->shortcut().toString().toStdString(), p.zkratka);
    }
    QStringList hlavni;
    for (QAction *a : w.menuBar()->actions())
        hlavni << a->text();
    EXPECT_EQ(hlavni, (QStringList{"&Plik", "&Nastawienie", "Pomoc"}));
    EXPECT_FALSE(Akce("Predvolby")->isEnabled());
    EXPECT_TRUE(Akce("Test")->isCheckable());
    EXPECT_FALSE(Akce("Test")->isChecked());

    // Static captions; the surcharge lines of old configuration versions stay hidden.
    EXPECT_EQ(Text("Label6"), "Netto (+):");
    EXPECT_EQ(Text("Nakonec"), "Cena ostateczna (bez transportu):");
    EXPECT_FALSE(Popisek("LabTz1")->isVisibleTo(&w));
    EXPECT_FALSE(Popisek("Mezisouc")->isVisibleTo(&w));

    // A new window: nothing chosen, only Start available, nothing to save, switch on.
    EXPECT_TRUE(Tlacitko("StartButton")->isEnabled());
    EXPECT_FALSE(Tlacitko("BarvyButton")->isEnabled());
    EXPECT_FALSE(Tlacitko("ObjButton")->isEnabled());
    EXPECT_FALSE(Akce("Ulozit")->isEnabled());
    EXPECT_TRUE(w.findChild<qmr::TVypinac *>("Vypinac")->isChecked());
    EXPECT_TRUE(s.VolbaNeniNil);
    OcekavejShodu(w);
    EXPECT_TRUE(zpravy.empty()) << zpravy.last().text;
}

TEST_F(VolbaTest, RepeatedPaintsAndActivationsWriteNothingAndDoNotLoop)
{
    qmr::TVolba &w = Okno();
    OtevriDemo();
    Ukaz();

    // Count the paints of the client area once everything has settled.
    struct Pocitadlo : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } pocitadlo;
    w.centralWidget()->installEventFilter(&pocitadlo);
    QTest::qWait(50);
    pocitadlo.paints = 0;
    QTest::qWait(200);
    EXPECT_EQ(pocitadlo.paints, 0) << "a refresh that changes nothing must not paint again";

    const long zapisy = w.PocetZapisu();
    for (int i = 0; i < 5; ++i) {
        w.centralWidget()->repaint();
        QEvent aktivace(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&w, &aktivace);
        w.Prekresli();
        QTest::qWait(5);
    }
    EXPECT_EQ(w.PocetZapisu(), zapisy);
    EXPECT_GT(pocitadlo.paints, 0);
    OcekavejShodu(w);
}

TEST_F(VolbaTest, OpeningAJobShowsItsSummaryPricesAndCaption)
{
    qmr::TVolba &w = Okno();
    Ukaz();
    OtevriDemo();

    ASSERT_EQ(soubory.calls().size(), 1u);
    const auto &c = soubory.last();
    EXPECT_EQ(c.kind, qmrtest::FakeFileDialogs::Kind::Open);
    EXPECT_EQ(c.filter, "Pliki Quilmar|*.qms");
    EXPECT_EQ(c.fileName, s.DataPath + "Nowy plik.qms");

    EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : demo.qms");
    EXPECT_EQ(Text("JmenoVyplne"), s.SJmenoV);
    EXPECT_FALSE(s.SJmenoV.empty());
    EXPECT_NE(Text("TextRozmeru").find("szerokość 900, wysokość 2000"), std::string::npos) << Text("TextRozmeru");
    EXPECT_FALSE(Text("TextBarvy1").empty());
    EXPECT_FALSE(Text("TextDekoru1").empty());
    EXPECT_EQ(Text("TextVyztuze"), "1 x Fe (stal)");
    EXPECT_EQ(Text("TxPozn1"), "Drzwi wejściowe – próbna konfiguracja");
    EXPECT_TRUE(Popisek("CenaPoSleve")->isVisible());
    EXPECT_FALSE(Text("CenaPoSleve").empty());
    EXPECT_TRUE(Tlacitko("ObjButton")->isEnabled()) << "the demo job is complete";
    EXPECT_TRUE(Tlacitko("NabButton")->isEnabled());
    EXPECT_TRUE(w.Stav().Rantl.Viditelny);
    EXPECT_EQ(w.Stav().Rantl.Width, 180);
    EXPECT_EQ(w.Stav().Rantl.Height, 400);
    OcekavejShodu(w);
}

TEST_F(VolbaTest, OpenCancelledLeavesTheJob)
{
    Okno();
    Ukaz();
    OtevriDemo();
    const std::string jmeno = Text("JmenoVyplne");
    soubory.Cancel();
    Akce("Otevrit")->trigger();
    EXPECT_EQ(Text("JmenoVyplne"), jmeno);
    EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : demo.qms");
}

TEST_F(VolbaTest, SaveItemsFollowTheEditedFlagAndSaveAsRenamesTheCaption)
{
    qmr::TVolba &w = Okno();
    Ukaz();
    OtevriDemo();
    EXPECT_FALSE(Akce("Ulozit")->isEnabled());
    EXPECT_FALSE(Akce("Jako")->isEnabled());

    s.apEdited = true;
    w.Prekresli();
    EXPECT_TRUE(Akce("Ulozit")->isEnabled());
    EXPECT_TRUE(Akce("Jako")->isEnabled());

    soubory.Choose(dir.file("kopie"));
    Akce("Jako")->trigger();
    ASSERT_EQ(soubory.last().kind, qmrtest::FakeFileDialogs::Kind::Save);
    EXPECT_EQ(soubory.last().filter, "Pliki Quilmar|*.qms");
    EXPECT_TRUE(std::filesystem::exists(dir.file("kopie.qms")));
    EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : kopie.qms");
    EXPECT_FALSE(Akce("Ulozit")->isEnabled()) << "saved: nothing to save";

    // Save of a job with a name writes back to its path without a dialog.
    s.apEdited = true;
    w.Prekresli();
    std::filesystem::remove(dir.file("kopie.qms"));
    const size_t dialogy = soubory.calls().size();
    Akce("Ulozit")->trigger();
    EXPECT_EQ(soubory.calls().size(), dialogy);
    EXPECT_TRUE(std::filesystem::exists(dir.file("kopie.qms")));
    EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : kopie.qms");
}

// New, Open, Start and closing ask before unsaved changes are lost; Cancel keeps them.
TEST_F(VolbaTest, UnsavedChangesAreAskedForAndCancelKeepsThem)
{
    struct Pripad {
        const char *prikaz;
        int odpoved;
        bool zrusenoZustava; // the job is still shown afterwards
    };
    const Pripad pripady[] = {
        {"Novy", IDCANCEL, true}, {"Novy", IDNO, false},    {"Otevrit", IDCANCEL, true},
        {"Start", IDCANCEL, true}, {"Konec", IDCANCEL, true}, {"Konec", IDNO, false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(std::string(p.prikaz) + " answered " + std::to_string(p.odpoved));
        int typ = 0;
        qmr::VolbaDialogy d;
        d.Typ = [&typ] { ++typ; return IDCANCEL; };
        qmr::TVolba &w = Okno({}, d);
        Ukaz();
        OtevriDemo();
        s.apEdited = true;
        w.Prekresli();
        zpravy.clear();
        zpravy.Answer(p.odpoved);
        const size_t dialogy = soubory.calls().size();

        if (std::string(p.prikaz) == "Start")
            QTest::mouseClick(Tlacitko("StartButton"), Qt::LeftButton);
        else
            Akce(p.prikaz)->trigger();

        ASSERT_GE(zpravy.count(), 1u);
        EXPECT_EQ(zpravy.calls()[0].text, kOtazka);
        EXPECT_EQ(zpravy.calls()[0].flags & qmr::MB_TYPEMASK, qmr::MB_YESNOCANCEL);
        EXPECT_EQ(soubory.calls().size(), dialogy) << "no file dialog after the question";
        EXPECT_EQ(typ, 0) << "the type dialog is not shown";
        if (p.zrusenoZustava) {
            EXPECT_FALSE(Text("JmenoVyplne").empty());
            EXPECT_TRUE(s.apEdited);
            EXPECT_TRUE(w.isVisible());
            EXPECT_FALSE(w.Zavreno());
            EXPECT_TRUE(w.findChild<qmr::TVypinac *>("Vypinac")->isChecked()) << "switch back on";
        } else if (std::string(p.prikaz) == "Novy") {
            EXPECT_EQ(Text("JmenoVyplne"), "");
            EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : Nowy plik.qms");
            EXPECT_FALSE(Tlacitko("ObjButton")->isEnabled());
        } else {
            EXPECT_TRUE(w.Zavreno());
            EXPECT_FALSE(w.isVisible());
        }
    }
}

TEST_F(VolbaTest, ExitCodeTellsWhetherAnOrderCouldBeMadeAndWasMailed)
{
    struct Pripad {
        bool zakazka;
        bool mail;
        int kod;
    };
    for (const Pripad p : {Pripad{false, false, 0}, Pripad{false, true, 0}, Pripad{true, false, 1},
                           Pripad{true, true, 2}}) {
        SCOPED_TRACE(std::to_string(p.zakazka) + "/" + std::to_string(p.mail));
        qmr::TVolba &w = Okno();
        Ukaz();
        if (p.zakazka)
            OtevriDemo();
        s.SMail = p.mail;
        // The switch closes the window.
        QTest::mouseClick(w.findChild<qmr::TVypinac *>("Vypinac"), Qt::LeftButton);
        EXPECT_TRUE(w.Zavreno());
        EXPECT_EQ(w.KodUkonceni(), p.kod);
        EXPECT_FALSE(s.VolbaNeniNil);
    }
}

TEST_F(VolbaTest, CommandLineJobIsOpenedAtTheFirstRefresh)
{
    namespace fs = std::filesystem;
    fs::copy_file(DemoZakazka(), dir.path() / "ZAKAZKA.QMR");
    struct Pripad {
        std::string argument;
        bool nacte;
        std::string chyba; // expected error text, empty: none
    };
    const Pripad pripady[] = {
        {dir.file("DATA/demo.qms"), true, ""},
        {dir.file("ZAKAZKA.QMR"), true, ""},
        {dir.file("chybi.qms"), false, "File not found:" + dir.file("chybi.qms")},
        {dir.file("DATA/vyplne.qmr.txt"), false, ""},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.argument);
        zpravy.clear();
        qmr::InitSession(s, dir.file("quilmar"));
        qmr::TVolba &w = Okno({p.argument});
        if (p.chyba.empty()) {
            EXPECT_TRUE(zpravy.empty()) << zpravy.last().text;
        } else {
            ASSERT_EQ(zpravy.count(), 1u);
            EXPECT_EQ(zpravy.last().caption, "Quilmar");
            EXPECT_EQ(zpravy.last().text, p.chyba);
        }
        EXPECT_EQ(Text("JmenoVyplne"), "") << "loaded only at the first refresh";
        Ukaz();
        EXPECT_EQ(!Text("JmenoVyplne").empty(), p.nacte);
        EXPECT_EQ(Tlacitko("ObjButton")->isEnabled(), p.nacte);
        OcekavejShodu(w);
    }
    // Two arguments: ignored.
    zpravy.clear();
    Okno({dir.file("chybi.qms"), dir.file("DATA/demo.qms")});
    Ukaz();
    EXPECT_TRUE(zpravy.empty());
    EXPECT_EQ(Text("JmenoVyplne"), "");
}

TEST_F(VolbaTest, PriceSettingsFromTheMenuWriteTheConfigurationAndRepriceTheWindow)
{
    qmr::Tiskarna tisk;
    qmr::TVolba &w = Okno();
    w.setDialogy(qmr::StandardniDialogy(s, zpravy, tisk, obrazky, hodiny, &w));
    Ukaz();
    OtevriDemo();
    ASSERT_TRUE(Popisek("CenaPoSleve")->isVisible());
    ASSERT_FALSE(Akce("Ulozit")->isEnabled());

    // Cancel: nothing written, nothing changed.
    const std::string pred = qmrtest::TempDir::read(s.apConf);
    ZaModalnim<qmr::CenyDefView>([](qmr::CenyDefView *d) {
        d->findChild<QSpinBox *>("ProcSlevy")->setValue(17);
        d->escButton()->click();
    });
    Akce("Definicecen")->trigger();
    EXPECT_EQ(qmrtest::TempDir::read(s.apConf), pred);
    EXPECT_FALSE(Akce("Ulozit")->isEnabled());

    // OK: "no prices shown" is written and the totals panel disappears.
    ZaModalnim<qmr::CenyDefView>([](qmr::CenyDefView *d) {
        d->findChild<QSpinBox *>("ProcSlevy")->setValue(17);
        d->findChild<QRadioButton *>("Zobraz10")->click();
        d->okButton()->click();
    });
    Akce("Definicecen")->trigger();
    const qmr::IniFile conf(s.apConf);
    EXPECT_EQ(conf.ReadString("Ceny", "SlevaQM", ""), "17");
    EXPECT_EQ(conf.ReadString("Ceny", "Zobrazit", ""), "0");
    EXPECT_FALSE(w.findChild<QFrame *>("Panel3")->isVisible());
    EXPECT_EQ(Text("CenaVyplne"), "");
    EXPECT_TRUE(Akce("Ulozit")->isEnabled()) << "confirmed settings mark the job edited";
    OcekavejShodu(w);
}

TEST_F(VolbaTest, SettingsAndHelpItemsOpenTheirDialogsBehindThePasswordGuard)
{
    std::map<std::string, int> otevreno;
    auto dialog = [&otevreno](const char *jmeno, int vysledek) {
        return [&otevreno, jmeno, vysledek] { ++otevreno[jmeno]; return vysledek; };
    };
    int hesloVysledek = IDCANCEL;
    qmr::VolbaDialogy d;
    d.Heslo = [&] { ++otevreno["Heslo"]; return hesloVysledek; };
    d.CenyDef = dialog("CenyDef", IDCANCEL);
    d.Odberatel = dialog("Odberatel", IDOK);
    d.SeznamFirem = dialog("SeznamFirem", IDOK);
    d.Dodavatel = dialog("Dodavatel", IDOK);
    d.Prepocet = dialog("Prepocet", IDOK);
    d.NastavTisk = dialog("NastavTisk", IDOK);
    d.Predvolby = dialog("Predvolby", IDOK);
    d.Oprogramu = [&] { ++otevreno["Oprogramu"]; };
    Okno({}, d);
    Ukaz();

    for (const char *a : {"Definicecen", "DefiniceOdb", "DefiniceDod", "Prepocet", "NastavTisk", "Oprogramu",
                          "Predvolby"})
        Akce(a)->trigger();
    EXPECT_EQ(otevreno, (std::map<std::string, int>{{"CenyDef", 1}, {"Odberatel", 1}, {"Dodavatel", 1},
                                                     {"Prepocet", 1}, {"NastavTisk", 1}, {"Oprogramu", 1}}))
        << "no password while apHeslo is off; the preferences item is disabled";

    // With the guard on, a refused password opens nothing; an accepted one the dialog.
    s.apHeslo = true;
    otevreno.clear();
    Akce("Definicecen")->trigger();
    Akce("DefiniceOdb")->trigger();
    EXPECT_EQ(otevreno, (std::map<std::string, int>{{"Heslo", 2}}));
    hesloVysledek = IDOK;
    otevreno.clear();
    Akce("Definicecen")->trigger();
    Akce("DefiniceOdb")->trigger();
    EXPECT_EQ(otevreno, (std::map<std::string, int>{{"Heslo", 2}, {"CenyDef", 1}, {"Odberatel", 1}}));
}

TEST_F(VolbaTest, AboutBoxIsModelessAndOpenedOnce)
{
    qmr::Tiskarna tisk;
    qmr::TVolba &w = Okno();
    w.setDialogy(qmr::StandardniDialogy(s, zpravy, tisk, obrazky, hodiny, &w));
    Ukaz();
    Akce("Oprogramu")->trigger();
    Akce("Oprogramu")->trigger();
    QTest::qWait(10);
    int boxy = 0;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->isVisible() && t->inherits("qmr::AboutView"))
            ++boxy;
    EXPECT_EQ(boxy, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Commands whose dialogs are not part of the program yet keep their enabling rules and
// open nothing; a dialog put in runs with the command's logic around it.
TEST_F(VolbaTest, OptionButtonsRunTheirDialogsWhenTheyExist)
{
    {
        qmr::TVolba &w = Okno();
        Ukaz();
        OtevriDemo();
        ASSERT_TRUE(Tlacitko("BarvyButton")->isEnabled());
        const long zapisy = w.PocetZapisu();
        for (const char *b : {"BarvyButton", "RozmerButton", "CommentButton", "ObjButton", "NabButton"})
            QTest::mouseClick(Tlacitko(b), Qt::LeftButton);
        EXPECT_EQ(w.PocetZapisu(), zapisy);
        EXPECT_FALSE(s.apEdited);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    int barvy = 0;
    qmr::VolbaDialogy d;
    d.Barvy = [&] { ++barvy; s.apPocet = 3; return IDOK; };
    Okno({}, d);
    Ukaz();
    OtevriDemo();
    QTest::mouseClick(Tlacitko("BarvyButton"), Qt::LeftButton);
    EXPECT_EQ(barvy, 1);
    EXPECT_TRUE(s.apEdited);
    EXPECT_EQ(s.apPocet, 0);
    EXPECT_TRUE(Akce("Ulozit")->isEnabled());
}

TEST_F(VolbaTest, StartWithTheTypeDialogCancelledChangesNothing)
{
    int typ = 0;
    qmr::VolbaDialogy d;
    d.Typ = [&] { ++typ; return IDCANCEL; };
    qmr::TVolba &w = Okno({}, d);
    Ukaz();
    OtevriDemo();
    const VolbaStav pred = w.Stav();
    QTest::mouseClick(Tlacitko("StartButton"), Qt::LeftButton);
    EXPECT_EQ(typ, 1);
    EXPECT_TRUE(zpravy.empty()) << "nothing unsaved: no question";
    EXPECT_EQ(w.Stav(), pred);
}

// The single-instance hand-over brings the window forward, also from hidden or minimised.
TEST_F(VolbaTest, ActivationShowsAHiddenOrMinimisedWindow)
{
    qmr::TVolba &w = Okno();
    Ukaz();
    w.hide();
    w.Aktivuj();
    EXPECT_TRUE(w.isVisible());
    w.showMinimized();
    QTest::qWait(10);
    w.Aktivuj();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
}

TEST_F(VolbaTest, MouseTestModeShowsCoordinatesInTheCaption)
{
    qmr::TVolba &w = Okno();
    Ukaz();
    QWidget *plocha = w.centralWidget();
    QTest::mouseClick(plocha, Qt::LeftButton, {}, QPoint(700, 600));
    EXPECT_EQ(Titulek(), "Quilmar - wypełnienia drzwiowe : Nowy plik.qms") << "off: nothing";

    Akce("Test")->trigger();
    EXPECT_TRUE(Akce("Test")->isChecked());
    EXPECT_TRUE(s.TestMysi);
    QTest::mouseClick(plocha, Qt::LeftButton, {}, QPoint(700, 600));
    EXPECT_EQ(Titulek(), "700, 600");

    // On the opening outline: relative to it.
    OtevriDemo();
    const qmr::Tvar r = w.Stav().Rantl;
    ASSERT_TRUE(r.Viditelny);
    QTest::mouseClick(plocha, Qt::LeftButton, {}, QPoint(r.Left + 7, r.Top + 9));
    EXPECT_EQ(Titulek(), "7, 9");

    // On the totals panel: its coordinates plus its position.
    auto *p3 = w.findChild<QFrame *>("Panel3");
    ASSERT_TRUE(p3->isVisible());
    QTest::mouseClick(p3, Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(Titulek(), std::to_string(p3->x() + 3) + ", " + std::to_string(p3->y() + 4));

    Akce("Test")->trigger();
    EXPECT_FALSE(s.TestMysi);
    EXPECT_FALSE(Akce("Test")->isChecked());
}

} // namespace
} // namespace guitest
