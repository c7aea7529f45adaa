// Where dialogs place themselves on the main window's 800 x 600 area.
#include "core/Session.h"
#include "core/Umisteni.h"

#include <gtest/gtest.h>

using namespace qmr;

namespace {

Session Okno(int left, int top, int width = 0, int height = 0)
{
    Session s;
    s.VolbaLeft = left;
    s.VolbaTop = top;
    s.VolbaWidth = width;
    s.VolbaHeight = height;
    return s;
}

TEST(Umisteni, HalvesRoundToTheEvenNeighbour)
{
    struct {
        int d, half;
    } cases[] = {{0, 0}, {8, 4}, {1, 0}, {3, 2}, {5, 2}, {7, 4}, {-1, 0}, {-3, -2}, {-5, -2}, {-8, -4}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.d);
        EXPECT_EQ(PulRound(c.d), c.half);
    }
}

TEST(Umisteni, DialogIsCentredOnTheAreaAtTheMainWindowsCorner)
{
    const Session s = Okno(10, 20);
    struct {
        int w, h;
        bool obrazkovy;
        Bod expected;
    } cases[] = {
        {400, 300, false, {210, 170}},
        {403, 303, false, {208, 168}}, // 198.5 and 148.5 go down to the even neighbour
        {405, 305, false, {208, 168}}, // 197.5 and 147.5 go up
        {403, 303, true, {258, 168}},  // picture-choice dialogs sit 50 further right
        {796, 596, false, {12, 22}},   // the largest that is still centred
        {797, 300, false, {10, 20}},   // too wide: the corner, for both edges
        {300, 597, false, {10, 20}},   // too high: likewise
        {797, 300, true, {10, 20}},
        {1000, 800, false, {10, 20}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << (c.obrazkovy ? " picture" : ""));
        EXPECT_EQ(UmistiDialog(s, c.w, c.h, c.obrazkovy), c.expected);
    }
}

TEST(Umisteni, SettingsRuleDecidesEachEdgeOnItsOwn)
{
    const Session s = Okno(10, 20);
    struct {
        int w, h;
        bool obrazkovy;
        Bod expected;
    } cases[] = {
        {403, 303, false, {208, 168}},
        {796, 596, false, {12, 22}},
        {797, 300, false, {10, 170}},  // too wide: only the left edge takes the corner
        {300, 597, false, {260, 20}},  // too high: only the top
        {900, 700, false, {10, 20}},
        {403, 303, true, {258, 168}},
        {797, 303, true, {10, 168}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << (c.obrazkovy ? " picture" : ""));
        EXPECT_EQ(UmistiDialogOsy(s, c.w, c.h, c.obrazkovy), c.expected);
    }
}

TEST(Umisteni, CentredOverTheMainWindow)
{
    const Session s = Okno(10, 20, 1000, 700);
    EXPECT_EQ(UmistiNadOknem(s, 400, 300), (Bod{310, 220}));
    EXPECT_EQ(UmistiNadOknem(s, 401, 301), (Bod{310, 220})); // 299.5 and 199.5 go up to the even neighbour
    EXPECT_EQ(UmistiNadOknem(s, 1001, 701), (Bod{10, 20}));  // -0.5 goes to 0
    EXPECT_EQ(UmistiNadOknem(s, 1200, 900), (Bod{-90, -80}));
}

} // namespace
