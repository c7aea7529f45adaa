#pragma once
// The dealer's price settings ([Ceny] of the configuration file) and preferences
// ([Volby]). Plain data; reading and writing live in pricing/UCenyDef.h.
#include <string>

namespace qmr {

struct TCenyData {
    double DPHin = 0;       // VAT percentage of purchase prices
    double DPHout = 0;      // VAT percentage of sale prices
    int DopravaIn = 0;      // transport from the supplier, whole units
    int DopravaOut = 0;     // transport to the customer, whole units
    std::string MenaP{"EUR"}; // currency of converted prices
    double KurzP = 0.0542;  // conversion rate of catalogue prices
    double KurzN = 0.0542;  // conversion rate of net items
    bool PrepObj = true;    // convert the order's amounts
    bool PrepNab = true;    // convert the quote's amounts
    int SlevaQM = 0;        // supplier discount, percent
    int MarzeProd = 0;      // margin: an amount in whole units or a percentage
    int MarzeTyp = 0;       // 0 amount, 1 percentage
    int MarzeZpusob = 0;    // percentage of 0 the price before, 1 after the supplier discount
    int Ram = 0;            // frame price added to the sale price of an infill job
    int SlevaZak = 0;       // customer discount, percent
    int Zobrazit = 1;       // price shown: 0 none, 1 purchase, 2 sale
    int Pocitat = 0;        // 0 without VAT, 1 with VAT
    int Dopravy = 0;        // 0 transport not included in the final price, 1 included
    bool CenuNab = false;   // no prices in the simple quote
};

struct TCeny {
    TCenyData CenyData;
};

struct TDefaultData {
    int Sirka = 0; // proposed panel width
    int Vyska = 0; // proposed panel height
};

struct TVolby {
    TDefaultData DefaultData;
};

} // namespace qmr
