#include "catalogues/Seznamy.h"

#include "KatalogFixture.h"

#include <gtest/gtest.h>

using namespace qmr;
using qmrtest::KatalogFixture;

namespace {

std::vector<bool> B(std::initializer_list<int> v)
{
    std::vector<bool> out;
    for (int x : v)
        out.push_back(x != 0);
    return out;
}

TEST(Seznamy, InfillListHasOneLineAndFlagPerSectionInFileOrder)
{
    KatalogFixture f;
    f.soubor("vyplne.qmr", "[Zeta]\nKod=Z1\nHlinik=1\nDvojbarva=1\nAkcniV=1\nKamen=1\n"
                           "[Alfa]\nKod=A1\nGlas=1\nRadaK=1\nEnkova=1\n"
                           "[Mezi]\nKod=M1\nDyha=1\nZetkova=1\n");
    SeznamyVyplni(f.s);
    EXPECT_EQ(f.s.ListVyplni, (std::vector<std::string>{"Zeta", "Alfa", "Mezi"}));
    EXPECT_EQ(f.s.ListHlinik, B({1, 0, 0}));
    EXPECT_EQ(f.s.ListGlas, B({0, 1, 0}));
    EXPECT_EQ(f.s.ListHladka, B({0, 1, 0}));
    EXPECT_EQ(f.s.ListDyha, B({0, 0, 1}));
    EXPECT_EQ(f.s.ListKamen, B({0, 0, 0})); // never taken from the catalogue
    EXPECT_EQ(f.s.ListDvojbarva, B({1, 0, 0}));
    EXPECT_EQ(f.s.ListZetkova, B({0, 0, 1}));
    EXPECT_EQ(f.s.ListEnkova, B({0, 1, 0}));
    EXPECT_EQ(f.s.ListAkcni, B({1, 0, 0}));
}

TEST(Seznamy, ColourListReadsAlabsAndLeavesStoneAndConcreteOff)
{
    KatalogFixture f;
    f.soubor("BARVY.qmr", "[Bila]\nKod=b\nHlinik=1\nALABS=2\nKamen=1\nBeton=1\n"
                          "[Dub]\nKod=d\nDyha=1\nDDekor=1\nProHPL=1\nJenomHPL=1\n");
    SeznamyBarev(f.s);
    EXPECT_EQ(f.s.ListBarev, (std::vector<std::string>{"Bila", "Dub"}));
    EXPECT_EQ(f.s.ListBAlabs, (std::vector<int>{2, 0}));
    EXPECT_EQ(f.s.ListBHlinik, B({1, 0}));
    EXPECT_EQ(f.s.ListBHladka, B({0, 1}));
    EXPECT_EQ(f.s.ListBHPL, B({0, 1}));
    EXPECT_EQ(f.s.ListBKamen, B({0, 0}));
    EXPECT_EQ(f.s.ListBBeton, B({0, 0}));
    EXPECT_EQ(f.s.ListBDyha, B({0, 1}));
    EXPECT_EQ(f.s.ListBDekor, B({0, 1}));
}

TEST(Seznamy, MissingCataloguesGiveEmptyListsAndArrays)
{
    KatalogFixture f;
    f.s.ListVyplni = {"stale"};
    f.s.ListHlinik = {true};
    f.s.ListBarev = {"stale"};
    f.s.ListBAlabs = {4};
    SeznamyVyplni(f.s);
    SeznamyBarev(f.s);
    EXPECT_TRUE(f.s.ListVyplni.empty());
    EXPECT_TRUE(f.s.ListHlinik.empty());
    EXPECT_TRUE(f.s.ListAkcni.empty());
    EXPECT_TRUE(f.s.ListBarev.empty());
    EXPECT_TRUE(f.s.ListBAlabs.empty());
    EXPECT_TRUE(f.s.ListBDekor.empty());
}

TEST(Seznamy, DuplicateSectionsAreListedEachWithTheFirstCopysFlags)
{
    KatalogFixture f;
    f.soubor("vyplne.qmr", "[Dvakrat]\nHlinik=1\n[Jina]\n[Dvakrat]\nHlinik=0\nGlas=1\n");
    SeznamyVyplni(f.s);
    ASSERT_EQ(f.s.ListVyplni.size(), 3u);
    EXPECT_EQ(f.s.ListHlinik, B({1, 0, 1}));
    EXPECT_EQ(f.s.ListGlas, B({0, 0, 0}));
}

} // namespace
