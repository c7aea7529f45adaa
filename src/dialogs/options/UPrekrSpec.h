#pragma once
// The overlay dimensions dialogs ("Specyfikacja wymiarów"): the panel size together with the
// overlay widths. TPrekrSpec serves a panel overlaid on one side (inner side's width and
// height, the four overlays of the outer side, the total thickness); TPrekr2spec
// (dialogs/options/UPrekr2spec.h) a panel overlaid on both sides, one pass per direction.
//
// Both work on their own fields and write the session only in Potvrd(). The view builds
// one block per section (Sekce(): heading, picture, rows of letter, text and value) and
// shows the caption kTitulek, OK kOKButton (enabled by OKPovoleno()) and Cancel
// kEscButton (result 2, nothing written). A field reports what is typed (Napis), the
// arrows (Krok) and its leaving by the user (Opust); after every action the view
// re-reads the whole state.
//
// Every field behaves as an integer spin field: its value is the number typed, or its
// minimum when the text is no number; a value set by the dialog is clamped into the
// range; leaving the field clamps what was typed. A change of a field's text runs the
// field's limit rule.
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/options/URozmer.h"

#include <array>
#include <string>
#include <vector>

namespace qmr {

// The fields of the overlay dimension dialogs.
enum class PoleSpec { Sirka, Vyska, PPL, PPP, PPH, PPD, Tloustka };
inline constexpr int kPocetPoliSpec = 7;

// What a row shows as its value.
enum class HodnotaSpec { Pole, CSirka, CVyska, ListZesil };

// A row: letter, text (Text2 is a second line, empty for none) and value.
struct RadekSpec {
    std::string Pismeno;
    std::string Text;
    std::string Text2;
    HodnotaSpec Druh = HodnotaSpec::Pole;
    PoleSpec Pole = PoleSpec::Sirka; // for Druh == Pole
    bool Viditelny = true;
    bool operator==(const RadekSpec &) const = default;
};

// A block of rows under a heading, beside its picture.
struct SekceSpec {
    Popisek Nadpis;
    qmr::Obrazek Obraz;
    std::vector<RadekSpec> Radky;
};

// What both overlay dimensions dialogs share: the fields, the totals, the rows, the spin
// field behaviour and the range of the panel dimension.
class TSpecPrekryvu {
public:
    static constexpr const char *kTitulek = "Specyfikacja wymiarów";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr const char *kVnejsi = "(Strona zewnętrzna)";
    static constexpr const char *kVnitrni = "(Strona wewnętrzna)";
    static constexpr const char *kPohledZvenku = "(Spojrzenie od strony zewnętrznej)";
    static constexpr const char *kPohledZevnitr = "(Spojrzenie od strony wewnętrznej)";
    static constexpr int kKrok = 10;        // step of the dimension and overlay fields
    static constexpr int kMinPrekryv = 10;  // range of an overlay field
    static constexpr int kMaxPrekryv = 2000;
    static constexpr int kMaxDelka = 4;     // characters of a field

    virtual ~TSpecPrekryvu() = default;
    TSpecPrekryvu(const TSpecPrekryvu &) = delete;
    TSpecPrekryvu &operator=(const TSpecPrekryvu &) = delete;

    // ---- What the view shows --------------------------------------------------------
    const std::vector<SekceSpec> &Sekce() const { return sekce_; }
    const SpinPole &Pole(PoleSpec p) const { return pole_[Ix(p)]; }
    // The value as the spin field reads it: the number typed, or the minimum.
    int Hodnota(PoleSpec p) const;
    // The totals shown by the labels CSirka and CVyska.
    virtual int CSirka() const = 0;
    virtual int CVyska() const = 0;
    // The thickness list (only the one-sided dialog shows it).
    const Prepinac &ListZesil() const { return listZesil_; }
    virtual bool OKPovoleno() const { return true; }
    Bod Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska); }

    // ---- Actions ------------------------------------------------------------------------
    // The text of a field as typed (cut to kMaxDelka characters); a change runs the rule.
    void Napis(PoleSpec p, const std::string &text);
    // An arrow or Up/Down key: the value moves by kroky steps and is clamped.
    void Krok(PoleSpec p, int kroky);
    // Leaving a field: a typed value outside the range is replaced by the limit.
    void Opust(PoleSpec p);
    // A click on row i of the thickness list (ignored unless it is a row).
    virtual void VyberZesil(int) {}
    // OK: everything the dialog decided goes to the session. Returns kVysledekOK.
    virtual int Potvrd() = 0;

    // A value clamped into [min, max] as a spin field does it: a field without a range
    // (min equal to max) takes any value; below min gives min, else above max gives max.
    static int Orizni(int v, int min, int max);

protected:
    TSpecPrekryvu(Session &s, Messages &m);
    static std::size_t Ix(PoleSpec p) { return std::size_t(p); }
    SpinPole &P(PoleSpec p) { return pole_[Ix(p)]; }
    // A value set by the dialog: clamped; a change of the text runs the field's rule.
    void Nastav(PoleSpec p, int v);
    // The limit rule of a field, run after each change of its text.
    virtual void Pravidlo(PoleSpec p) = 0;
    // The range of the panel dimension of one direction (width: true) before the colours
    // and caps: the infill's format-1 range; the first of a frame of kind 1, of kind 2, a
    // strip or groove of kind 1, of kind 2 gives a second minimum that replaces the
    // minimum when it is not 0 and smaller.
    void ZakladniRozsah(bool sirka, int &min, int &max) const;
    // The colours that limit the maxima: when the infill is Special or a side's colour has
    // Drevo 2, the outer colour (unless SHPL1) and the inner colour (unless SHPL2) whose
    // Drevo is above 0.
    std::vector<const TDbarva *> DreveneBarvy() const;
    // Width cap of an overlay panel: 1130 with a decor outer colour, else 1200.
    int MezSirky() const;
    // The overlay start value: the stored width when above 9 mm, else 10.
    static int Prekryv(int ulozeny) { return ulozeny > 9 ? ulozeny : kMinPrekryv; }
    // Every field clamped into its range, in the order of the rows (before OK stores).
    void OpustVse();

    Session &s_;
    Messages &m_;
    std::array<SpinPole, kPocetPoliSpec> pole_{};
    std::vector<SekceSpec> sekce_;
    Prepinac listZesil_;
};

// The one-sided overlay: rows A-D and Z under "szerokość", E-H under "wysokość".
class TPrekrSpec : public TSpecPrekryvu {
public:
    static constexpr const char *kLSirka = "szerokość";
    static constexpr const char *kLVyska = "wysokość";
    static constexpr const char *kTextA = "Szerokość strony przekrywającej";
    static constexpr const char *kTextB = "Szerokość strony wewnętrznej";
    static constexpr const char *kTextC = "Szerokość prawego przekrywu";
    static constexpr const char *kTextD = "Szerokość lewego przekrywu";
    static constexpr const char *kTextZ = "Ogólna grubość wypełnienia";
    static constexpr const char *kTextE = "Wysokość strony przekrywającej";
    static constexpr const char *kTextF = "Wysokość strony wewnętrznej";
    static constexpr const char *kTextG = "Wysokość dolnego przekrywu";
    static constexpr const char *kTextH = "Wysokość górnego przekrywu";
    static constexpr int kMaxVyskaCelkem = 2400; // height with the overlays

    // Ranges of the width and height, start values, the thickness list and its
    // preselection, the pictures. Nothing of the session is written until Potvrd().
    TPrekrSpec(Session &s, Messages &m);

    int CSirka() const override;
    int CVyska() const override;
    bool OKPovoleno() const override { return listZesil_.Index >= 0; }
    void VyberZesil(int i) override;
    // RozmerVybran and PrekryvVybran; SSirka, SVyska, PVL, PVP, PVH, PVD; IndZesil,
    // SZesil (row thickness - PomTloustka), Zesilena (SZesil > 0); a changed SZesil drops
    // the glass choice (DekoryVybrany). Does nothing (0) while no row is selected.
    int Potvrd() override;

    // The thickness rows, thickest first.
    static const std::vector<int> &Tloustky();
    // The total width limit W of the rules: 1130 or 1200.
    int W() const { return w_; }

protected:
    void Pravidlo(PoleSpec p) override;

private:
    int w_ = 1200;
};

} // namespace qmr
