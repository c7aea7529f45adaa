#pragma once
// Which keys of which catalogue file hold enciphered prices. The one place that knows
// it: the demo catalogue generator and the price recalculation tool both ask here.
#include <string>

namespace qmr {

// True when key `klic` of the catalogue file `soubor` is stored enciphered.
// `soubor` is a file name or a path; only its last component counts, compared without
// regard to case ("vyplne.qmr", "VYPLNE.qmr", ".../DATA/Vyplne.qmr"). Keys are compared
// without regard to case. Files without enciphered keys (glass, customer list, supplier,
// configuration, job files) and unknown files give False for every key.
//   vyplne.qmr   ZC/ZS5/ZS/ZSV/B/TP/TV/CC/SSO/K1/K3/TR + F{1,2}S{0..6},
//                BM/PS/SSM/VS + F{1,2}S{1..6}, ZSF{1,2}E1, ZSF{1,2}E2, KCF2ABS, HLF1S1,
//                RMF1S1, RM2F1S1, RMAF1S1, RMA2F1S1, OPF1S1, OP2F1S1, ODF1S1, OD2F1S1,
//                FMF1S1, FFF1S1
//   barvy.qmr    BF{1,2,3}S{1,2}, PHPL1, VHPL1, NETPS1, NETPS2, PRDEKOR,
//                PRDVOJBARVA1, PRDVOJBARVA2
//   doplnky.qmr  Cena, Montaz, CenaDR
//   vitraze.qmr  CF{1,2}S{1..6}
//   mrizky.qmr   CS{1..6}S{1..3}F{1,2}
bool JeSifrovany(const std::string &soubor, const std::string &klic);

} // namespace qmr
