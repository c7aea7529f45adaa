#include "core/Messages.h"

#include "core/Errors.h"
#include "core/Funkce.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace qmr;
using qmrtest::FakeMessages;

TEST(Messages, QuestionsDefaultToTheirDefaultButtonAndFollowTheScript)
{
    FakeMessages m;
    EXPECT_TRUE(m.AnoNe("UWAGA!", "a"));   // Yes is the default
    EXPECT_FALSE(m.NeAno("UWAGA!", "b"));  // No is the default
    m.AnswerNo().AnswerYes();
    EXPECT_FALSE(m.AnoNe("UWAGA!", "c"));
    EXPECT_TRUE(m.NeAno("UWAGA!", "d"));
    EXPECT_EQ(m.Chyba("Quilmar", "e"), IDOK);
    EXPECT_EQ(m.Hlaska("BŁOD", "f", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    m.SetDefaultAnswer(IDNO);
    EXPECT_FALSE(m.AnoNe("", "g"));

    ASSERT_EQ(m.count(), 7u);
    EXPECT_EQ(m.calls()[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(m.calls()[1].flags, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(m.calls()[4].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(m.calls()[4].kind, FakeMessages::Kind::Chyba);
    EXPECT_EQ(m.calls()[5].caption, "BŁOD");
    EXPECT_EQ(m.count(FakeMessages::Kind::AnoNe), 3u);
    EXPECT_EQ(m.count(FakeMessages::Kind::NeAno), 2u);
    EXPECT_EQ(m.texts(), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g"}));
}

TEST(Messages, AFailedCommandShowsItsErrorTextAndTheProgramGoesOn)
{
    FakeMessages m;
    bool after = false;
    EXPECT_FALSE(RunCommand(m, [&] {
        MyStrToInt("abc");
        after = true;
    }));
    EXPECT_FALSE(after);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().kind, FakeMessages::Kind::Chyba);
    EXPECT_EQ(m.last().caption, "Quilmar");
    EXPECT_EQ(m.last().text, "'abc' is not a valid integer value");

    EXPECT_FALSE(RunCommand(m, [] { throw std::runtime_error("disk full"); }));
    EXPECT_EQ(m.last().text, "disk full");

    EXPECT_TRUE(RunCommand(m, [&] { after = true; }));
    EXPECT_TRUE(after);
    EXPECT_EQ(m.count(), 2u);
}
