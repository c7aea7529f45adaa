#include "core/Umisteni.h"

#include "core/Session.h"

namespace qmr {

namespace {

constexpr int kPlochaSirka = 800;
constexpr int kPlochaVyska = 600;
constexpr int kObrazkovyPosun = 50;

} // namespace

int PulRound(int d)
{
    // Floor division, then an odd d (a half) goes to the even one of q and q + 1.
    int q = d / 2;
    if (d % 2 != 0 && d < 0)
        --q;
    if (d % 2 != 0 && q % 2 != 0)
        ++q;
    return q;
}

Bod UmistiDialog(const Session &s, int Sirka, int Vyska, bool Obrazkovy)
{
    if (Sirka > kPlochaSirka - 4 || Vyska > kPlochaVyska - 4)
        return {s.VolbaLeft, s.VolbaTop};
    return {PulRound(kPlochaSirka - Sirka) + (Obrazkovy ? kObrazkovyPosun : 0) + s.VolbaLeft,
            PulRound(kPlochaVyska - Vyska) + s.VolbaTop};
}

Bod UmistiDialogOsy(const Session &s, int Sirka, int Vyska, bool Obrazkovy)
{
    Bod b{s.VolbaLeft, s.VolbaTop};
    if (Sirka < kPlochaSirka - 3)
        b.Left += PulRound(kPlochaSirka - Sirka) + (Obrazkovy ? kObrazkovyPosun : 0);
    if (Vyska < kPlochaVyska - 3)
        b.Top += PulRound(kPlochaVyska - Vyska);
    return b;
}

Bod UmistiNadOknem(const Session &s, int Sirka, int Vyska)
{
    return {s.VolbaLeft + PulRound(s.VolbaWidth - Sirka), s.VolbaTop + PulRound(s.VolbaHeight - Vyska)};
}

} // namespace qmr
