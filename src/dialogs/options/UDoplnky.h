#pragma once
// The accessories dialog: up to four accessories (handles and other fittings) from the
// accessory catalogue, each mounted on the panel or not (jobs with an infill), or with a
// number of pieces and a door thickness (accessories-only jobs, TypZakazky 2). It also
// decides which accessory needs a spacer frame and the frame's colour.
//
// The dialog works on four working slots (SelDoplnek); the accessories chosen before are
// preloaded into them without check marks in the list. Potvrd copies the slots into
// SDoplnek1..4, Cancel leaves the session as it was, Smaz empties the session's slots at
// once and closes with No (7).
//
// The view: caption kTitulek, centred over the main window (Umisteni); the sorted check
// list Seznam (hint kNapoveda): a click on a row calls Klik, a change of a check mark
// Zaskrtni; Image1 (300 x 300) the picture of the row last clicked; four slot rows, each
// with its label, the check box kMontaz (its change calls MontazExit), the count field
// (1..100) and the thickness field (20..max), whose changes call PoleExit with both
// values of the row; the caption Label5 kLabel5 above the thickness fields; NicButton
// kNicButton (Smaz), OK kOKButton (Potvrd), Cancel kEscButton (result 2). After every
// action the view re-reads the whole state.
#include "catalogues/PictureStore.h"
#include "core/Currency.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <array>
#include <string>
#include <vector>

namespace qmr {

// An integer spin field.
struct CiselnePole {
    int Hodnota = 0;
    int Min = 0;
    int Max = 0;
    bool Viditelny = false;
    bool Povoleny = false;
    bool operator==(const CiselnePole &) const = default;
};

// One slot row of the dialog.
struct RadekDoplnku {
    Popisek Jmeno;        // Label1..Label4
    Zaskrtavatko Montaz;  // CheckBox1..CheckBox4
    CiselnePole Pocet;    // DPocet1..Dpocet4
    CiselnePole Tloustka; // TL1..TL4
    bool operator==(const RadekDoplnku &) const = default;
};

class TVDoplnky {
public:
    static constexpr const char *kTitulek = "Wybór akcesoriów";
    static constexpr const char *kNapoveda = "Wybrane akcesoria wlewo zakreślić i wprawo określić montaż";
    static constexpr const char *kMontaz = "Montaż";
    static constexpr const char *kLabel5 = "grubość mm";
    static constexpr const char *kNicButton = "&Skasowań selekcję";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kMax4 = "Maksymalnie 4 akcesoria!";
    static constexpr const char *kRamkaNutna = "Do wybranej grubości konieczna jest ramka dystansowa (RD)";
    static constexpr const char *kRamkaOtazka = "Czy potrzebna jest Państvu ramka dystansowa?";
    // The handle preparation, whose price is CenaPripravy.
    static constexpr const char *kKodPripravy = "prmdl";
    // The accessory with a white spacer frame; every other one has a black frame.
    static constexpr const char *kKodBileRamky = "tipbi";
    static constexpr int kSlotu = 4;
    static constexpr int kMinPocet = 1;
    static constexpr int kMaxPocet = 100;
    static constexpr int kMinTloustka = 20;
    static constexpr int kMaxTloustka = 99;
    static constexpr int kBilaRamka = 0;  // SBarvaDR
    static constexpr int kCernaRamka = 1;

    // Lists the accessories the job allows (sorted by name; the price of the handle
    // preparation is taken on the way) and preloads the slots: slot 1 when accessories
    // are chosen or a muntin option is (SOMrizka > 0), slots 2-4 when accessories are
    // chosen, each unless empty. No check mark is set.
    TVDoplnky(Session &s, Messages &m, const PictureStore &obrazky);

    // The check list: names in the order shown, and the check marks.
    const std::vector<std::string> &Seznam() const { return seznam_; }
    const std::vector<bool> &Zaskrtnute() const { return zaskrtnuto_; }
    // The row last clicked (-1 none).
    int Radek() const { return radek_; }
    // The picture of the accessory last clicked; hidden when it has none.
    const Obrazek &Image1() const { return image1_; }
    // The slot rows 0..3 (slot 1..4).
    const RadekDoplnku &Slot(int i) const { return radky_[std::size_t(i)]; }
    const Popisek &Label5() const { return label5_; }
    bool OKPovolen() const { return pocet_ > 0; }

    // The dialog's own data.
    int Pocet() const { return pocet_; }
    const TODoplnek &SelDoplnek(int i) const { return sel_[std::size_t(i)]; }
    const TODoplnek &Pomocny() const { return pomocny_; }
    // The price of the handle preparation ("prmdl"), zero when the catalogue has none.
    Currency CenaPripravy() const { return cenaPripravy_; }

    // Centred over the main window.
    Bod Umisteni(int sirka, int vyska) const { return UmistiNadOknem(s_, sirka, vyska); }

    // A click on row `radek`: the accessory of that row becomes Pomocny and its picture
    // is shown (hidden when it has none). A row outside the list changes nothing.
    void Klik(int radek);
    // The check mark of row `radek` set or removed by the user; runs Klik first. A fifth
    // accessory is refused with a message and its mark removed. An accessory that needs a
    // spacer frame gets its colour (with a message in a job with an infill of ordinary
    // thickness, after a question in an accessories-only job); it goes into the next slot,
    // mounted when it is always mounted, with its thickness limit as door thickness.
    // Removing a mark takes that accessory out of its slot and moves the later slots up.
    void Zaskrtni(int radek, bool zaskrtnout);
    // The "Montaż" box of slot i (0..3) left with the state `zaskrtnuto`.
    void MontazExit(int i, bool zaskrtnuto);
    // The count or thickness field of slot i left: both values of the row are stored,
    // each held to its field's range.
    void PoleExit(int i, int pocet, int tloustka);

    // OK: when slot 1 holds an accessory, DoplnkyVybrany and SDoplnek1..4 := the slots;
    // otherwise nothing is stored. Returns 1.
    int Potvrd();
    // "Skasowań selekcję": SDoplnek2..4 emptied, SDoplnek1 too unless a muntin option is
    // chosen; no slot, no check mark; DoplnkyVybrany false; a mounted handle (SMadlo) is
    // cleared and with it the PUR reinforcement 10 mm (SVyztuz 7 -> 0). Returns 7 (No).
    int Smaz();

private:
    bool zakazkaVyplne() const { return s_.TypZakazky == 1; }
    void seznamy();
    void obnovSeznam();
    int maxTloustky(const TDDoplnek &d) const;

    Session &s_;
    Messages &m_;
    const PictureStore &obrazky_;
    std::vector<std::string> seznam_;
    std::vector<bool> zaskrtnuto_;
    int radek_ = -1;
    int pocet_ = 0;
    std::array<TODoplnek, kSlotu> sel_{};
    // Whether a slot was filled by a check mark of this dialog (preloaded slots have none).
    std::array<bool, kSlotu> zeSeznamu_{};
    TODoplnek pomocny_;
    Obrazek image1_;
    Currency cenaPripravy_;
    std::array<RadekDoplnku, kSlotu> radky_{};
    Popisek label5_;
};

} // namespace qmr
