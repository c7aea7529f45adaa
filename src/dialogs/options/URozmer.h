#pragma once
// The dimensions dialog of a panel without overlay: width and height within the limits of
// the infill, its format, frames, strips and grooves; an optional thickening to a total
// thickness from a fixed list; free notes for the supplier.
//
// The view: caption kTitulek; Label1 kLabel1, the width field Sirka() (integer spin field,
// step kKrok, at most kMaxDelkaSirky characters), HraniceSirky(); Label2 kLabel2, the
// height field Vyska(), HraniceVysky(); the check box CheckBoxZ() (no caption), LabelZ(),
// LabelU() (empty, hidden), the list ListZesil() and the label kMm placed 10 px apart in
// one row; Label3 kLabel3 over the notes (Poznamky()); OK kOKButton (result 1 after
// Potvrd()), Cancel kEscButton (result 2, nothing written). The view calls Aktivace() when
// the dialog is shown and passes every edit, step, click and the leaving of a field on.
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <string>
#include <vector>

namespace qmr {

// An integer spin field: the text as typed, its range and whether it can be edited.
struct SpinPole {
    std::string Text;
    int Min = 0;
    int Max = 0;
    bool Povoleny = true;
    bool operator==(const SpinPole &) const = default;
};

class TVRozmer {
public:
    static constexpr const char *kTitulek = "Określenie wymiarów wypełnienia";
    static constexpr const char *kLabel1 = "Szerokość wypełnienia:";
    static constexpr const char *kLabel2 = "Wysokość wypełnienia:";
    static constexpr const char *kLabelZ = "Wypełnienie pogrubione na ";
    static constexpr const char *kMm = "mm";
    static constexpr const char *kLabel3 = "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    // Parts of the limit texts.
    static constexpr const char *kMinimalnie = "Minimalnie ";
    static constexpr const char *kMaksymalnie = "maksymalnie";
    static constexpr const char *kOtvorZmenseny = "otwór zmniejszony poniżej";
    // Warnings.
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kZaSiroke = "Wypełnienie za szerokie";
    static constexpr const char *kZaUzke = "Wypełnienie za wąskie";
    static constexpr const char *kZaVysoke = "Wypełnienie za wysokie";
    static constexpr const char *kZaNizke = "Wypełnienie za niskie";
    static constexpr const char *kMax10Radku = "Maksymalnie 10 wierszy";

    static constexpr int kKrok = 10;           // step of both spin fields
    static constexpr int kMaxDelkaSirky = 4;   // characters of the width field
    static constexpr int kMaxRadkuPoznamek = 10;

    // Creation: hraSirka/hraVyska := 0, NastavMaxima(true), then the width and height
    // ranges and the reduced-opening thresholds (written to hraSirka/hraVyska) from the
    // limit sets of the infill; the limit texts; the thickness list with its preselection;
    // the notes from SPoznamky. Nothing else of the session is written until Potvrd().
    TVRozmer(Session &s, Messages &m);

    // ---- What the view shows --------------------------------------------------------
    const SpinPole &Sirka() const { return sirka_; }
    const SpinPole &Vyska() const { return vyska_; }
    const Popisek &HraniceSirky() const { return hraniceSirky_; }
    const Popisek &HraniceVysky() const { return hraniceVysky_; }
    const Zaskrtavatko &CheckBoxZ() const { return checkBoxZ_; }
    const Popisek &LabelZ() const { return labelZ_; }
    const Popisek &LabelU() const { return labelU_; }
    // The thicknesses in mm (texts), the selected row (-1 none) and whether it is enabled.
    const Prepinac &ListZesil() const { return listZesil_; }
    // The notes as one text, lines separated by '\n'.
    const std::string &Poznamky() const { return poznamky_; }
    bool OKPovoleno() const { return okPovoleno_; }
    // True until the first activation has loaded the session values into the fields.
    bool Poprve() const { return poprve_; }

    // Value of a field as the spin field reads it: the number typed, or the field's
    // minimum when the text is no number.
    int HodnotaSirky() const { return Hodnota(sirka_); }
    int HodnotaVysky() const { return Hodnota(vyska_); }

    // Dialog placement: centred on the 800 x 600 area on each axis where it fits.
    Bod Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska); }

    // ---- Actions ------------------------------------------------------------------------
    // Activation and repaint: the first one sets Vyska to SVyska and Sirka to SSirka
    // (clamped into their ranges) and ends Poprve; every one enables OK.
    void Aktivace();
    // The text of a field as typed (the width is cut to kMaxDelkaSirky characters).
    void NastavSirku(const std::string &text);
    void NastavVysku(const std::string &text);
    // An arrow or Up/Down key: the value moves by kroky x kKrok and is clamped.
    void KrokSirky(int kroky);
    void KrokVysky(int kroky);
    // Leaving a field. True when the focus must return to it: the trimmed text is shorter
    // than 3 characters (no message), or, after the first activation, the value lay
    // outside the range (warning; the field then holds the violated limit).
    bool SirkaExit();
    bool VyskaExit();

    // A click on CheckBoxZ (toggles it): checked selects the last row and enables the
    // list (a single row is selected with the list left disabled); unchecked disables the
    // list and clears the selection.
    void CheckBoxZClick();
    // A click on row i of ListZesil (ignored unless the list is enabled and i is a row).
    void VyberZesil(int i);

    void NastavPoznamky(const std::string &text);
    // Leaving the notes: more than 10 lines give the warning; the text stays as typed.
    void PoznamkyExit();
    // The note lines as they are stored: a trailing line break makes no empty last line.
    std::vector<std::string> RadkyPoznamek() const;

    // OK: RozmerVybran; SSirka, SVyska, SPoznamky from the fields; the thickening (Zesilena,
    // SZesil, IndZesil) from the check box and the selected row (an increase below 1 mm
    // over PomTloustka is no thickening); a changed SZesil drops the glass choice
    // (DekoryVybrany); then TloustkaVyplne and VnutTPR. Returns kVysledekOK.
    int Potvrd();

    // The thickness rows of a glass infill and of any other, thickest first.
    static const std::vector<int> &Tloustky(bool sklo);

private:
    static int Hodnota(const SpinPole &p);
    static int Orizni(const SpinPole &p, int v);
    static void Nastav(SpinPole &p, int v) { p.Text = std::to_string(Orizni(p, v)); }
    static std::string TextHranice(int min, int max, int hra);
    bool Exit(SpinPole &p, const char *zaVelke, const char *zaMale);

    Session &s_;
    Messages &m_;
    SpinPole sirka_, vyska_;
    Popisek hraniceSirky_, hraniceVysky_;
    Zaskrtavatko checkBoxZ_;
    Popisek labelZ_, labelU_;
    Prepinac listZesil_;
    std::vector<int> tloustky_;
    std::string poznamky_;
    bool okPovoleno_ = false;
    bool poprve_ = true;
};

} // namespace qmr
