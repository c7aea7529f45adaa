#pragma once
// The picture-choice dialogs of the extras, opened by the execution choice of the infill
// selection when the chosen infill offers two or more types: frame (TVORam), decorative
// muntin (TVOMrizka), glued or milled strips (TVOPaska) and grooves (TVODrazka). Each
// shows its types as pictures side by side (200 x 440, stretched); a click on an
// enabled picture stores the type in the infill selection's working copy (VyberVyplne)
// and closes the dialog; Cancel "&Anuluj" closes it without a change (the selection has
// set the type to 0 before opening). A picture whose file does not exist stays disabled.
// The picked picture is marked (Oznaceny).
#include "catalogues/PictureStore.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/VyberVyplne.h"

#include <string>
#include <vector>

namespace qmr {

class TVOVolba {
public:
    static constexpr const char *kEscButton = "&Anuluj";

    virtual ~TVOVolba() = default;
    TVOVolba(const TVOVolba &) = delete;
    TVOVolba &operator=(const TVOVolba &) = delete;

    // Window caption.
    const std::string &Titulek() const { return titulek_; }
    // The pictures left to right: type 1, 2 (, 3), with their hints.
    const std::vector<Obrazek> &Obrazky() const { return obrazky_; }
    // The marked picture: the type picked (1..n), 0 none.
    int Oznaceny() const { return oznaceny_; }
    // left = round((800 - width) / 2 + 50) + VolbaLeft; top = round((600 - height) / 2)
    // + VolbaTop when the dialog is lower than 597, else VolbaTop.
    Bod Umisteni(int sirka, int vyska) const;

    // Click on picture k (1..n): when it is enabled, stores type k (and what goes with
    // it) and returns 1, the dialog closes; otherwise 0 and nothing happens.
    int Klik(int k);

protected:
    TVOVolba(Session &s, VyberVyplne &w, const PictureStore &obrazky, std::string titulek);
    // Adds a picture of "RYSY/" named jmeno (without ".jpg"), enabled when it exists.
    void pridej(const std::string &jmeno, std::string tip);
    // The type currently stored (to mark it at opening).
    void oznac(int typ);
    virtual void uloz(int k) = 0;

    Session &s_;
    VyberVyplne &w_;

private:
    const PictureStore &obr_;
    std::string titulek_;
    std::vector<Obrazek> obrazky_;
    int oznaceny_ = 0;
};

// Name the strip and groove pictures start with: the infill code, or for the veneer
// families (SDyha or SDyha2) its drawing code.
std::string JmenoPasku(const Session &s, const VyberVyplne &w);

} // namespace qmr
