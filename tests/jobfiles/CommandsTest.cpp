// The file commands: open, save, save as and the question about unsaved changes.
#include "jobfiles/JobFixture.h"

#include <filesystem>

namespace {

using namespace jobtest;
using qmrtest::FakeFileDialogs;

class Commands : public JobTest {
protected:
    Commands() : zapis(s, zpravy, hodiny, dialogy) {}

    // A job saved in jobs/ and opened, as the session after the open command.
    std::string OtevrenaZakazka(const std::string &jmeno = "otevrena.qms")
    {
        Vypln(s, "Vzor A1");
        s.apCislo = "O-1";
        const std::string cesta = Uloz(s, jmeno);
        s = qmr::Session{};
        Pripravit(s);
        EXPECT_TRUE(qmr::NactiData(s, cesta, zpravy, hodiny));
        zpravy.clear();
        return cesta;
    }

    std::string UlozenaCesta() const { return qmr::IniFile(s.apConf).ReadString("USER", "Path", ""); }

    FakeFileDialogs dialogy;
    qmr::TZapis zapis;
};

TEST_F(Commands, SaveProposesTheDefaultOrTheNumberedName)
{
    struct Pripad {
        std::string apSoubor, apCislo;
        bool jako, lMail;
        std::string navrh, filtr;
    };
    for (const Pripad &p : {
             Pripad{"", "", false, false, "Nowy plik.qms", "Pliki Quilmar|*.qms"},
             Pripad{"Nowy plik.qms", "N123", false, false, "N123.qms", "Pliki Quilmar|*.qms"},
             Pripad{"", "N123", true, false, "N123.qms", "Pliki Quilmar|*.qms"},
             Pripad{"", "N123", true, true, "N123.qmr", "Quilmar|*.qmr"},
             Pripad{"Stary.qms", "N123", true, false, "Stary.qms", "Pliki Quilmar|*.qms"},
             Pripad{"Stary.qms", "", true, true, "Stary.qmr", "Quilmar|*.qmr"},
         }) {
        s.apSoubor = p.apSoubor;
        s.apCislo = p.apCislo;
        dialogy.Cancel();
        const int vysledek = p.jako ? zapis.UlozitJako(p.lMail) : zapis.Ulozit();
        EXPECT_EQ(vysledek, qmr::IDCANCEL);
        ASSERT_FALSE(dialogy.empty());
        EXPECT_EQ(dialogy.last().kind, FakeFileDialogs::Kind::Save);
        EXPECT_EQ(dialogy.last().fileName, p.navrh);
        EXPECT_EQ(dialogy.last().folder, Job(""));
        EXPECT_EQ(dialogy.last().filter, p.filtr);
    }
    EXPECT_FALSE(std::filesystem::exists(Job("N123.qms")));
}

TEST_F(Commands, ChosenNameGetsTheExtensionOfItsKind)
{
    struct Pripad {
        std::string zvoleno;
        bool jako, lMail;
        std::string ulozeno;
    };
    for (const Pripad &p : {
             Pripad{"abc", false, false, "abc.qms"},
             Pripad{"abc.txt", false, false, "abc.qms"},
             Pripad{"abc.QMS", true, false, "abc.qms"},
             Pripad{"v1.2.qmr", true, false, "v1.2.qms"},
             Pripad{"abc", true, true, "abc.qmr"},
             Pripad{"abc.qms", true, true, "abc.qmr"},
         }) {
        s.apSoubor.clear();
        s.TypZakazky = 2;
        s.apEdited = true;
        dialogy.Choose(Job(p.zvoleno));
        EXPECT_EQ(p.jako ? zapis.UlozitJako(p.lMail) : zapis.Ulozit(), qmr::IDYES);
        EXPECT_EQ(s.apPath, Job(p.ulozeno));
        EXPECT_EQ(s.apSoubor, p.ulozeno);
        EXPECT_EQ(s.DataPath, Job(""));
        EXPECT_FALSE(s.apEdited);
        EXPECT_TRUE(qmr::NactiDataPrijme(Job(p.ulozeno))) << p.ulozeno; // the named file, not the attachment
        EXPECT_EQ(UlozenaCesta(), Job(""));
    }
    EXPECT_FALSE(std::filesystem::exists(s.apPriloha));
}

TEST_F(Commands, SavingAnOpenedJobWritesBackToItsPathWithoutAsking)
{
    const std::string cesta = OtevrenaZakazka();
    s.apPodpis = "změněno";
    s.apEdited = true;
    EXPECT_EQ(zapis.Ulozit(), qmr::IDYES);
    EXPECT_TRUE(dialogy.empty());
    EXPECT_EQ(qmr::IniFile(cesta).ReadString("Objednavka", "Podpis", ""), "změněno");
    EXPECT_FALSE(s.apEdited);
}

TEST_F(Commands, SavingAJobOpenedAsAttachmentWritesThatFile)
{
    const std::string cesta = OtevrenaZakazka("priloha.qmr");
    s.apPodpis = "nový podpis";
    EXPECT_EQ(zapis.Ulozit(), qmr::IDYES);
    EXPECT_EQ(qmr::IniFile(cesta).ReadString("Objednavka", "Podpis", ""), "nový podpis");
    EXPECT_FALSE(std::filesystem::exists(s.apPriloha));
}

TEST_F(Commands, NameGivenByTheFormsIsProposedInsteadOfOverwritingTheDefaultFile)
{
    dir.write("jobs/Nowy plik.qms", "[Objednavka]\r\nTyp=2\r\nCislo=jiny\r\n");
    s.apSoubor = "N9.qms"; // the quote form named the new job after its number
    s.apPath = Job("Nowy plik.qms");
    s.TypZakazky = 2;
    dialogy.Choose(Job("N9.qms"));
    EXPECT_EQ(zapis.Ulozit(), qmr::IDYES);
    ASSERT_EQ(dialogy.calls().size(), 1u);
    EXPECT_EQ(dialogy.last().fileName, "N9.qms");
    EXPECT_EQ(qmr::IniFile(Job("Nowy plik.qms")).ReadString("Objednavka", "Cislo", ""), "jiny");
    EXPECT_TRUE(std::filesystem::exists(Job("N9.qms")));
}

TEST_F(Commands, CancelledSaveWritesNothingAndKeepsTheJobEdited)
{
    s.TypZakazky = 2;
    s.apEdited = true;
    s.apPath = Job("Nowy plik.qms");
    dialogy.Cancel();
    EXPECT_EQ(zapis.UlozitJako(false), qmr::IDCANCEL);
    EXPECT_TRUE(s.apEdited);
    EXPECT_EQ(s.apPath, Job("Nowy plik.qms"));
    EXPECT_FALSE(std::filesystem::exists(Job("Nowy plik.qms")));
    EXPECT_EQ(UlozenaCesta(), "");
}

TEST_F(Commands, OpenProposesTheDefaultNameAndLoadsTheChosenJob)
{
    Vypln(s, "Vzor A1");
    s.apCislo = "K-3";
    const std::string cesta = Uloz(s, "k3.qms");
    s = qmr::Session{};
    Pripravit(s);
    s.apPodpis = "zůstane?";

    dialogy.Choose(cesta);
    zapis.FileOpen();
    ASSERT_EQ(dialogy.calls().size(), 1u);
    EXPECT_EQ(dialogy.last().kind, FakeFileDialogs::Kind::Open);
    EXPECT_EQ(dialogy.last().fileName, Job("Nowy plik.qms"));
    EXPECT_EQ(dialogy.last().folder, Job(""));
    EXPECT_EQ(dialogy.last().filter, "Pliki Quilmar|*.qms");
    EXPECT_EQ(s.apPath, cesta);
    EXPECT_EQ(s.apCislo, "K-3");
    EXPECT_EQ(s.apPodpis, "");
    EXPECT_TRUE(s.VyplnVybrana);
}

TEST_F(Commands, OpenThatIsCancelledOrFindsNoJobLeavesThePanelUntouched)
{
    OtevrenaZakazka();
    s.apEdited = false;
    const std::string pred = OtiskSession(s);
    const std::string cizi = dir.write("jobs/cizi.qms", "[Objednavka]\r\nTyp=7\r\n");

    dialogy.Cancel();
    zapis.FileOpen();
    EXPECT_EQ(OtiskSession(s), pred);

    dialogy.Choose(Job("neni.qms"));
    zapis.FileOpen();
    EXPECT_EQ(OtiskSession(s), pred);
    EXPECT_TRUE(zpravy.empty());

    dialogy.Choose(cizi);
    zapis.FileOpen();
    EXPECT_EQ(OtiskSession(s), pred);
    ASSERT_EQ(zpravy.count(), 1u);
    EXPECT_EQ(zpravy.last().text, "Zły plik  " + cizi);
}

TEST_F(Commands, UnsavedChangesAreOfferedForSaving)
{
    EXPECT_EQ(zapis.TestZapisu(), qmr::IDYES); // nothing changed: nothing asked
    EXPECT_TRUE(zpravy.empty());

    struct Pripad {
        int odpoved;
        bool zvolit;
        int vysledek;
        bool ulozeno;
    };
    int n = 0;
    for (const Pripad &p : {Pripad{qmr::IDYES, true, qmr::IDYES, true},
                            Pripad{qmr::IDYES, false, qmr::IDCANCEL, false},
                            Pripad{qmr::IDNO, false, qmr::IDYES, false},
                            Pripad{qmr::IDCANCEL, false, qmr::IDCANCEL, false}}) {
        s.apSoubor.clear();
        s.TypZakazky = 2;
        s.apEdited = true;
        const std::string jmeno = "odpoved" + std::to_string(++n) + ".qms";
        zpravy.Answer(p.odpoved);
        if (p.zvolit)
            dialogy.Choose(Job(jmeno));
        else
            dialogy.Cancel();
        EXPECT_EQ(zapis.TestZapisu(), p.vysledek) << n;
        EXPECT_EQ(zpravy.last().caption, "Quilmar");
        EXPECT_EQ(zpravy.last().text, "Konfiguracja została zmieniona. Zapisać zmiany?");
        EXPECT_EQ(zpravy.last().flags, qmr::MB_YESNOCANCEL | qmr::MB_ICONQUESTION);
        EXPECT_EQ(std::filesystem::exists(Job(jmeno)), p.ulozeno) << n;
        EXPECT_EQ(s.apEdited, !p.ulozeno) << n;
    }
}

TEST_F(Commands, CancelledQuestionKeepsTheOpenCommandFromAskingForAFile)
{
    s.apEdited = true;
    zpravy.Answer(qmr::IDCANCEL);
    zapis.FileOpen();
    EXPECT_TRUE(dialogy.empty());
}

} // namespace
