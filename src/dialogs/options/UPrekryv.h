#pragma once
// The overlay dialog: a sketch of the panel (5 mm per pixel) with its overlays, and the
// points where the overlays are fastened to the sash: two on the top edge (G1, G2), two
// on the bottom edge (D1, D2), four on each vertical edge (L1-L4 left, P1-P4 right,
// bottom to top). Top and bottom points are measured from the panel's left edge, side
// points from its bottom edge, in mm.
//
// The overlay widths come from the overlay dimensions dialog (PVL, PVP, PVH, PVD); they are
// held in hidden fields, kept within the overall limits (MaxSirka, MinSirka, MinVyska and
// 2400 mm) and stored back on OK together with the twelve points and PrekryvVybran.
// Cancel writes nothing.
//
// The view: caption Titulek(), placed by Umisteni(); the sketch as Rozlozeni() lays it
// out (background Podklad, dotted panel outline Vypln, red outline of panel and overlays
// Orez, the glass picture Skla in its frame Zakryt, the line bars PH/PV, a black
// 20-pixel marker per point); per point its label Jmeno(k) and field Pole(k) (Napis,
// Krok, Opust); Label1(), Label2(), TextStrana(); NicButton kNicButton
// (NicButtonClick), OK kOKButton (Potvrd), Cancel kEscButton (result 2).
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/options/URozmer.h"
#include "mainwindow/UGrafika.h"

#include <array>
#include <string>

namespace qmr {

// The twelve fastening points, in the order of KotH1 ... KotP4.
enum class Kotva { H1, H2, D1, D2, L1, L2, L3, L4, P1, P2, P3, P4 };
inline constexpr int kPocetKotev = 12;

// The four overlays.
enum class StranaPrekryvu { Leva, Prava, Horni, Dolni };

// The sketch in dialog pixels.
struct RozlozeniPrekryvu {
    Tvar Podklad;
    Tvar Vypln;
    Tvar Orez;
    Tvar Skla;
    Tvar Zakryt;
    std::array<Tvar, kPocetKotev> Znacky{}; // ShapeH1 ... ShapeP4
    std::array<Tvar, 6> PH{};
    std::array<Tvar, 6> PV{};
    bool operator==(const RozlozeniPrekryvu &) const = default;
};

class TVPrekryv {
public:
    static constexpr const char *kTitulek = "Określenie przekrywów";
    static constexpr const char *kTitulekDyha = "Określenie przymocowania przekrywów";
    static constexpr const char *kStranaVnejsi = "strona zewnętrzna";
    static constexpr const char *kTextStrana2 = "strona zewnętrzna, widok od zewnątrz";
    static constexpr const char *kSirka = "szerokość: ";
    static constexpr const char *kVyska = "wysokość: ";
    static constexpr const char *kNicButton = "Przymocowanie stan&dardowe";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr int kKrok = 10;
    static constexpr int kMinPrekryv = 10; // range of an overlay width field
    static constexpr int kMaxPrekryv = 2000;
    static constexpr int kMaxVyskaCelkem = 2400;
    static constexpr int kStandard = 150;  // standard distance of the corner points
    static constexpr int kOdstup = 90;     // nearest distance of a point to a corner or middle

    // sirkaSkla, vyskaSkla: size in pixels of the glass picture (apPomRys), 0 without one.
    // Creation reads everything it shows: limits, ranges, overlay widths and points.
    TVPrekryv(Session &s, Messages &m, int sirkaSkla = 0, int vyskaSkla = 0);

    // ---- What the view shows --------------------------------------------------------
    const std::string &Titulek() const { return titulek_; }
    const Popisek &Label1() const { return label1_; }
    const Popisek &Label2() const { return label2_; }
    const Popisek &TextStrana() const { return textStrana_; }
    const SpinPole &Pole(Kotva k) const { return kotvy_[Ix(k)]; }
    static const char *Jmeno(Kotva k);
    // The value of a point as its field reads it: the number typed, or its minimum.
    int Hodnota(Kotva k) const;
    // The hidden overlay width fields (mm) and their sketch widths (pixels).
    const SpinPole &Prekryv(StranaPrekryvu p) const { return prekryvy_[Ix(p)]; }
    int PrekryvMm(StranaPrekryvu p) const;
    int PomSirka(StranaPrekryvu p) const { return pom_[Ix(p)]; }
    int MaxSirka() const { return maxSirka_; }
    int MinSirka() const { return minSirka_; }
    int MinVyska() const { return minVyska_; }
    // The whole sketch as painted now.
    RozlozeniPrekryvu Rozlozeni() const;
    Bod Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska); }

    // ---- Actions ------------------------------------------------------------------------
    // A point's field: the text as typed, an arrow step, leaving it (clamps into range).
    void Napis(Kotva k, const std::string &text);
    void Krok(Kotva k, int kroky);
    void Opust(Kotva k);
    // A value put into an overlay width field: clamped into 10-2000; a change runs the
    // field's limit rule.
    void NastavPrekryv(StranaPrekryvu p, int mm);
    // Standard fastening: every point gets its standard value; for a glass panel the
    // bottom and right rules run.
    void NicButtonClick();
    // OK: a glass panel re-runs the left and top rules; PrekryvVybran, PVL ... PVD from the
    // width fields, KotH1 ... KotP4 from the points (each clamped into its range).
    // Returns kVysledekOK.
    int Potvrd();

    // The standard value of a point for the panel size in the session.
    int Standard(Kotva k) const;

private:
    template <class E>
    static std::size_t Ix(E e) { return std::size_t(e); }
    void NastavKotvu(Kotva k, int v);
    void Pravidlo(StranaPrekryvu p);
    int Ulozena(Kotva k) const;
    Tvar VyplnTvar() const;

    Session &s_;
    Messages &m_;
    std::string titulek_;
    Popisek label1_, label2_, textStrana_;
    std::array<SpinPole, kPocetKotev> kotvy_{};
    std::array<SpinPole, 4> prekryvy_{};
    std::array<int, 4> pom_{2, 2, 2, 2}; // PomLeva, PomPrava, PomHorni, PomDolni
    std::array<int, kPocetKotev> ulozene_{}; // PomH1 ... PomP4: the points stored on entry
    int maxSirka_ = 1200;
    int minSirka_ = 0;
    int minVyska_ = 0;
    int nVys_ = 0;
    int sirkaSkla_ = 0;
    int vyskaSkla_ = 0;
};

} // namespace qmr
