// The order of the sorted lists of the dialogs.
#include "dialogs/infill/Razeni.h"

#include <gtest/gtest.h>

using namespace qmr;

TEST(RazeniTest, PolishOrderWithoutRegardToCase)
{
    const std::vector<std::string> nazvy = {"żuraw", "Zefir", "źrebię", "Łuk", "lato", "Ósemka", "oliwa", "Pole",
                                            "Ćma", "cyrk", "Dąb", "Dab", "dach", "10 mm", "Ąb", "Azur", "Česká"};
    std::vector<std::string> serazene;
    for (std::size_t i : SeradNazvy(nazvy))
        serazene.push_back(nazvy[i]);
    EXPECT_EQ(serazene, (std::vector<std::string>{"10 mm", "Azur", "Ąb", "Česká", "cyrk", "Ćma", "Dab", "dach",
                                                  "Dąb", "lato", "Łuk", "oliwa", "Ósemka", "Pole", "Zefir",
                                                  "źrebię", "żuraw"}));
}

TEST(RazeniTest, CaseAndAccentsOnlyBreakTies)
{
    EXPECT_LT(PorovnejNazvy("abc", "ABD"), 0);
    EXPECT_LT(PorovnejNazvy("abc", "Abc"), 0); // lower case first
    EXPECT_GT(PorovnejNazvy("Abc", "abc"), 0);
    EXPECT_LT(PorovnejNazvy("Ceska", "Česká"), 0);
    EXPECT_LT(PorovnejNazvy("Česká", "Ceskb"), 0);
    EXPECT_LT(PorovnejNazvy("Kap", "Kappa"), 0);
    EXPECT_EQ(PorovnejNazvy("Kappa", "Kappa"), 0);
}

TEST(RazeniTest, EqualNamesKeepTheirOrderAndBadBytesDoNotBreakIt)
{
    const std::vector<std::string> nazvy = {"b", "a", "a", std::string("\xC4", 1), "A"};
    const auto poradi = SeradNazvy(nazvy);
    EXPECT_EQ(poradi, (std::vector<std::size_t>{1, 2, 4, 0, 3}));
}
