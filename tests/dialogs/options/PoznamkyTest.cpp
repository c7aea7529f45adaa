// The notes dialog: the text from the session's lines, the 10-line message, OK storing
// every line, Cancel changing nothing.
#include "dialogs/options/UPoznamky.h"

#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/Snimek.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qmr;
using qmrtest::FakeMessages;
using Radky = std::vector<std::string>;

TEST(Poznamky, LinesOfTheText)
{
    struct Pripad {
        const char *text;
        Radky radky;
    } pripady[] = {
        {"", {}},
        {"jeden", {"jeden"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"ą ę ł\nżółć", {"ą ę ł", "żółć"}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(TVPoznamky::RozdelRadky(p.text), p.radky);
    }
}

TEST(Poznamky, OkWithoutAnEditStoresTheSameLines)
{
    const std::vector<Radky> pripady{{}, {""}, {"a"}, {"a", ""}, {"", "b"}, {"a", "", ""}, {"x", "y", "z"}};
    for (const Radky &r : pripady) {
        Session s;
        FakeMessages m;
        s.SPoznamky = r;
        TVPoznamky d(s, m);
        d.Potvrd();
        EXPECT_EQ(s.SPoznamky, r) << d.Text();
    }
}

TEST(Poznamky, OpensWithTheNotesAndStoresEveryLineOnOk)
{
    Session s;
    FakeMessages m;
    s.SPoznamky = {"Klamka po prawej", "", "Dostawa rano"};
    TVPoznamky d(s, m);
    EXPECT_EQ(d.Text(), "Klamka po prawej\n\nDostawa rano");
    EXPECT_STREQ(TVPoznamky::kTitulek, "Uwagi i wymagania niestandardowe");
    EXPECT_STREQ(TVPoznamky::kOKButton, "O&K");
    EXPECT_STREQ(TVPoznamky::kEscButton, "&Anuluj");

    // Ten lines are fine; twelve give the message on leaving and are all stored.
    std::string dlouhy;
    for (int i = 1; i <= 12; ++i) {
        dlouhy += "Wiersz " + std::to_string(i) + "\n";
        if (i == 10) {
            d.NastavText(dlouhy);
            d.PoznamkyExit();
            EXPECT_TRUE(m.empty()) << "10 lines with a final line break";
        }
    }
    d.NastavText(dlouhy);
    EXPECT_TRUE(m.empty()) << "only leaving the text checks";
    d.PoznamkyExit();
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().kind, FakeMessages::Kind::Hlaska);
    EXPECT_EQ(m.last().flags & ~MB_TOPMOST, MB_OK);
    EXPECT_EQ(m.last().caption, "UWAGA!");
    EXPECT_EQ(m.last().text, "Maksymalnie 10 wierszy");
    EXPECT_EQ(d.Text(), dlouhy) << "the text stays as typed";

    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    ASSERT_EQ(s.SPoznamky.size(), 12u);
    EXPECT_EQ(s.SPoznamky.front(), "Wiersz 1");
    EXPECT_EQ(s.SPoznamky.back(), "Wiersz 12");

    // An emptied text leaves no notes.
    TVPoznamky prazdny(s, m);
    prazdny.NastavText("");
    prazdny.Potvrd();
    EXPECT_TRUE(s.SPoznamky.empty());
}

TEST(Poznamky, CancelAfterEditingLeavesThePreviousNotes)
{
    Session s;
    FakeMessages m;
    s.SPoznamky = {"Stare uwagi"};
    const qmrtest::Snimek pred = qmrtest::Snimej(s);
    {
        TVPoznamky d(s, m);
        d.NastavText("Nowe\nuwagi\n1\n2\n3\n4\n5\n6\n7\n8\n9");
        d.PoznamkyExit();
    }
    EXPECT_EQ(m.count(), 1u);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::Snimej(s)), "");
    EXPECT_EQ(s.SPoznamky, Radky{"Stare uwagi"});
}
