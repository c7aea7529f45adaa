// The password guard and the texts of the about box.
#include "admin/UAbout.h"
#include "admin/UHeslo.h"
#include "core/Session.h"

#include <gtest/gtest.h>

using namespace qmr;

namespace {

TEST(Heslo, OnlyAnEmptyEntryIsAccepted)
{
    struct {
        const char *zadani;
        bool prijato;
    } cases[] = {{"", true}, {" ", false}, {"a", false}, {"HESLO", false}, {"heslo", false}, {"ąę", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.zadani);
        Heslo h;
        h.setText(c.zadani);
        EXPECT_EQ(h.Prijato(), c.prijato);
    }
}

TEST(Heslo, EntryIsCutToTwelveCharacters)
{
    Heslo h;
    h.setText("abcdefghijklmnop");
    EXPECT_EQ(h.Text(), "abcdefghijkl");
    // Characters, not bytes.
    h.setText("ąęółżźćńśĄĘÓŁŻ");
    EXPECT_EQ(h.Text(), "ąęółżźćńśĄĘÓ");
}

TEST(About, TextsComeFromTheSession)
{
    Session s;
    s.apCesta = "/opt/quilmar/";
    const About a(s);
    EXPECT_EQ(a.Titulek(), "Informacja o programie 1.8.2023");
    EXPECT_EQ(a.Logo(), "/opt/quilmar/QMRlogo.jpg");
    EXPECT_EQ(a.Nazev(), "Quilmar - wypełnienia drzwiowe, wersja 5.2");
    EXPECT_FALSE(a.Autor().empty());
    EXPECT_NE(a.Web1().find(".example"), std::string::npos);
    EXPECT_NE(a.Web2().find(".example"), std::string::npos);
}

} // namespace
