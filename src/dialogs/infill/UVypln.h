#pragma once
// The infill selection dialog: the user picks one infill of the chosen family from the
// infill catalogue and decides its execution (plain, second format, frame, decorative
// muntin, glued strips, grooves or milled strips), the sides that carry the extra, the
// frame material (foreign-market configurations) and, for the overlay families, the
// overlay. Opened by the type dialog after the family flags are set.
//
// Everything the dialog decides while browsing lives in the object (the record of the
// selected entry, the capabilities and picked types, the temporary frame colours,
// accessory slot 1); Potvrd() writes it to the session. A dialog that is closed without
// Potvrd() leaves the session as it was. The option dialogs of the extras (frame,
// muntin, strip, groove type) are opened from the execution choice through the
// OptionDialogRunner given to the constructor; without one they count as cancelled.
//
// A view binds each control to the state below and after every action it passes on
// re-reads all of it (each action ends with the dialog's refresh). Window 880 x 569,
// caption kTitulek; the list sorted by name (aqua); three pictures 180 x 300 stretched
// with their titles LF1..LF3 above them; a red rectangle (pen 3) around the picked
// picture (Oznaceny); the execution radio Volitko; the side boxes CheckBox1/CheckBox2,
// the material boxes Ram1AK/Ram2AK ("AX - alunox") and Ram1KK/Ram2KK ("AK -
// nierzdzewna"); the overlay radio RadioPrekryv; Upo1..Upo4 empty; OK "O&K" (result 1,
// starts disabled) and Cancel "&Anuluj" (result 2).
#include "catalogues/PictureStore.h"
#include "core/Records.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/VyberVyplne.h"

#include <array>
#include <string>
#include <vector>

namespace qmr {

class OptionDialogRunner;

class TVVypln {
public:
    static constexpr const char *kTitulek = "Wybór typu i formatu wypełnienia";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr int kSirka = 880; // design size
    static constexpr int kVyska = 569;
    // Width of the side boxes outside the aluminium family (SirokeStrany).
    static constexpr int kSirkaStran = 525;

    // Execution modes (Rezim).
    static constexpr int kNic = -1;       // nothing picked
    static constexpr int kPrvni = 0;      // plain panel from the first picture
    static constexpr int kStandard = 1;   // standard execution or the second picture
    static constexpr int kRamecek = 2;    // frame
    static constexpr int kOMrizka = 3;    // decorative muntin
    static constexpr int kPasky = 4;      // glued strips
    static constexpr int kDrazky = 5;     // grooves
    static constexpr int kZafrezovane = 6; // milled strips

    // Opening: the list of the family (SHlinik, SHlinik2, SHPL1, SGlas, SDyha2 of the
    // session; the catalogue lists are built first when they are empty), nothing
    // selected, OK disabled. Pictures are looked up in obrazky; okna shows the option
    // dialogs (may be null).
    TVVypln(Session &s, const PictureStore &obrazky, OptionDialogRunner *okna = nullptr);
    TVVypln(const TVVypln &) = delete;
    TVVypln &operator=(const TVVypln &) = delete;

    // ---- Placement ------------------------------------------------------------------
    // left = round((800 - width) / 2) + VolbaLeft, top = round((600 - height) / 2) +
    // VolbaTop (the main window's corner for a dialog wider than 796 or higher than 596).
    Bod Umisteni(int sirka = kSirka, int vyska = kVyska) const;

    // ---- The list -------------------------------------------------------------------
    // Names of the infills of the family, sorted: not action infills; aluminium flag
    // equal to SHlinik and glass flag equal to SGlas; K series only when SHlinik2 or
    // SHPL1; two-colour infills only in the aluminium, AL/ABS or AL/wood (SDyha2) family.
    const std::vector<std::string> &Seznam() const { return seznam_; }
    // The selected line, -1 none.
    int VybranyRadek() const { return radek_; }

    // ---- Controls -------------------------------------------------------------------
    // Image1..Image3 (i = 1..3). Image1 shows the preview of the chosen variant once the
    // execution choice loaded one (its Cesta then names a picture of "RYSY/").
    const Obrazek &Image(int i) const;
    // LF1..LF3.
    const Popisek &LF(int i) const;
    // LF3's left edge relative to Image3's: -20 for the code "K0", else +40.
    int LF3Posun() const { return lf3Posun_; }
    // The picture the red rectangle surrounds: 1..3, 0 when it is hidden.
    int Oznaceny() const { return oznaceny_; }
    // The execution radio and its height (20 x items + 20 when it was built).
    const Prepinac &Volitko() const { return volitko_; }
    int VolitkoVyska() const { return volitkoVyska_; }
    // Side boxes (outer, inner) with their full captions, material suffix included.
    const Zaskrtavatko &CheckBox1() const { return cb1_; }
    const Zaskrtavatko &CheckBox2() const { return cb2_; }
    // Material boxes: Ram1AK/Ram2AK = AX, Ram1KK/Ram2KK = AK.
    const Zaskrtavatko &Ram1AK() const { return ram1AK_; }
    const Zaskrtavatko &Ram2AK() const { return ram2AK_; }
    const Zaskrtavatko &Ram1KK() const { return ram1KK_; }
    const Zaskrtavatko &Ram2KK() const { return ram2KK_; }
    // The side boxes are kSirkaStran wide (outside the aluminium family, once shown).
    bool SirokeStrany() const { return sirokeStrany_; }
    // Standard execution or overlay: items 0 standard, 1 one-sided, 2 two-sided overlay.
    const Prepinac &RadioPrekryv() const { return prekryv_; }
    // Upo1..Upo4: always empty.
    std::string Upo(int) const { return {}; }
    bool OKPovolen() const { return okPovolen_; }

    // ---- User actions (each ends with the refresh) ----------------------------------
    // Click on line i of the list: reads that infill and offers its variants.
    void VyberRadek(int i);
    // Click on picture i (1..3); ignored when it is hidden or disabled.
    void KlikObrazek(int i);
    // Click on item i of the execution radio; ignored when the radio is hidden or
    // disabled or i is no item.
    void KlikVolitko(int i);
    // The side boxes: a click that sets the box to zaskrtnuto (ignored when hidden or
    // disabled), and leaving the outer box (its exit handler runs again).
    void NastavCheckBox1(bool zaskrtnuto);
    void OpustCheckBox1();
    void NastavCheckBox2(bool zaskrtnuto);
    // The material boxes (ignored when hidden or disabled).
    void NastavRam1AK(bool zaskrtnuto);
    void NastavRam1KK(bool zaskrtnuto);
    void NastavRam2AK(bool zaskrtnuto);
    void NastavRam2KK(bool zaskrtnuto);
    // The overlay radio (ignored when hidden or disabled or i is no item).
    void NastavPrekryv(int i);
    // The refresh on activation and paint: side captions, material boxes, OK.
    void Obnov();

    // OK: writes the selection to the session and returns 1 (the view closes with it);
    // does nothing and returns 0 while OK is disabled or after the first confirmation.
    // Written: SVypln := the record (for the third picture of "K0" with the K limits as
    // its F1/F2 limits and no play values), SAkcni, VyplnVybrana, Carame; SImage := the
    // picked variant's picture; the browsing values of Vyber() (KodVyplne, NazevVyplne,
    // the Muze* capabilities, the Vybran* types, PBarva1/PBarva2, and accessory slot 1
    // when a decorative muntin is picked); SOMrizka; the record's SExcentr, SAsymH,
    // SPomerH, SAsymp, SPomerP, SPravaV, SJednoZask, SFixFormat (4 characters); SPrava
    // false; SFormat := the variant (2 for the third picture of "K0"); SZaskleni and
    // SVyztuz -1; the colour, dimension, glass, stained-glass and muntin choices cleared;
    // side 1 (SRamecek1, SOPaska1, SODrazka1, SODr1, SDvojbarva, SPozic, SZetkova,
    // SEnkova) when the outer side is taken, else 0 / false / SPozic 1; SRameckova,
    // SGlas, SRadaK, SLisovana, SPulpanel, RamPouzeAK; side 2 (SRamecek2, SOPaska2,
    // SODrazka2, SODr2; AL/ABS and AL/wood put a groove or milled type as glued strips
    // inside) when the inner side is checked, else 0; the overlay (SPrekryvna, SPrekryv;
    // an AL/ABS infill without apKneprekryv always one-sided), IndZesil -1, Zesilena
    // false, PrekryvVybran/Prekryv2Vybran false, PVL..PVD 10; RBarva1/RBarva2 :=
    // PBarva1/PBarva2; the line layout (NactiCary) and the drawing code (SetKodRysu).
    int Potvrd();
    bool Potvrzeno() const { return potvrzeno_; }

    // ---- Working state (for the preview, the option dialogs and tests) ---------------
    int Rezim() const { return rezim_; }
    int NFormat() const { return nFormat_; } // variant picked: 1, 2, 3 (0 before any)
    int Moznosti() const { return moznosti_; }
    // Radio index of the frame, muntin, strip, groove and milled-strip items (-1 absent).
    int XRamecek() const { return xRamecek_; }
    int XMrizka() const { return xMrizka_; }
    int XPaska() const { return xPaska_; }
    int XDrazka() const { return xDrazka_; }
    int XPDr() const { return xPDr_; }
    // The record of the selected entry (Polozka = its line, -1 none).
    const TDVypln &SelVypln() const { return sel_; }
    // Capabilities, picked types, temporary frame colours, accessory slot 1.
    const VyberVyplne &Vyber() const { return w_; }
    // Full paths of the three variant pictures of the selected entry.
    const std::string &SIm(int i) const;
    // Type flags of the selected entry.
    bool VDvojbarva() const { return vDvojbarva_; }
    bool VZetkova() const { return vZetkova_; }
    bool VEnkova() const { return vEnkova_; }
    bool VRadaK() const { return vRadaK_; }
    bool VPulpanel() const { return vPulpanel_; }
    bool VRameckova() const { return vRameckova_; }
    bool VGlas() const { return vGlas_; }
    bool VLisovana() const { return vLisovana_; }
    bool VRamPouzeAK() const { return vRamPouzeAK_; }
    bool VRamNeDekor() const { return vRamNeDekor_; }
    int VPozic() const { return vPozic_; }

private:
    void plnVyplne();
    void seznamClick(int i);
    void image1Click();
    void image2Click();
    void image3Click();
    void volitkoClick(int i);
    void nactiRys();
    void prekryvPodleRodiny(bool dvoupolozkovyPovolen);
    void obnov();

    // Check boxes whose change runs their handler, as a click does.
    void nastavCB1(bool v);
    void nastavCB2(bool v);
    void nastavR1AK(bool v);
    void nastavR1KK(bool v);
    void nastavR2AK(bool v);
    void nastavR2KK(bool v);
    void checkBox1Exit();
    void checkBox2Click();
    void ram1AKClick();
    void ram1KKClick();
    void ram2AKClick();
    void ram2KKClick();
    void nulPBarva(int strana);
    void skryjStrany();

    void oRam1();
    void oMrizka1();
    void oPaska1();
    void oDrazka1();
    void vyberRamecek();
    void vyberOMrizku();
    void vyberPasku();
    void vyberDrazku();

    bool specialni() const { return vDvojbarva_ || vZetkova_ || vEnkova_; }

    Session &s_;
    const PictureStore &obr_;
    OptionDialogRunner *okna_;

    std::vector<std::string> seznam_;
    int radek_ = -1;

    TDVypln sel_;
    VyberVyplne w_;
    bool vKamen_ = false, vKamen1_ = false, vKamen2_ = false;
    bool vDvojbarva_ = false, vZetkova_ = false, vEnkova_ = false, vRadaK_ = false;
    bool vPulpanel_ = false, vRameckova_ = false, vGlas_ = false, vLisovana_ = false;
    bool vRamPouzeAK_ = false, vRamNeDekor_ = false;
    int vPozic_ = 1;

    int moznosti_ = 0;
    int xRamecek_ = -1, xMrizka_ = -1, xPaska_ = -1, xDrazka_ = -1, xPDr_ = -1;
    bool nenacitej_ = false;
    std::array<std::string, 3> sIm_;
    int nFormat_ = 0;
    int rezim_ = kNic;

    std::array<Obrazek, 3> obrazky_;
    std::array<Popisek, 3> lf_;
    int lf3Posun_ = 40;
    int oznaceny_ = 0;
    Prepinac volitko_;
    int volitkoVyska_ = 0;
    // Side captions before the material suffix of the refresh.
    std::string popis1_, popis2_;
    Zaskrtavatko cb1_, cb2_;
    Zaskrtavatko ram1AK_, ram2AK_, ram1KK_, ram2KK_;
    bool sirokeStrany_ = false;
    Prepinac prekryv_;
    bool okPovolen_ = false;
    bool potvrzeno_ = false;
};

} // namespace qmr
