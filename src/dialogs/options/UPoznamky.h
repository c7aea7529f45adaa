#pragma once
// The notes dialog: free-text remarks and non-standard requirements of the panel, kept
// in SPoznamky (one string per line). The user is asked for at most 10 lines; more are
// stored all the same.
//
// The view: caption kTitulek, centred over the main window (Umisteni); the multi-line
// text Poznamky (every edit calls NastavText, leaving it PoznamkyExit); OK kOKButton
// (Potvrd, result 1) and Cancel kEscButton (result 2, nothing changed).
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"

#include <string>
#include <vector>

namespace qmr {

class TVPoznamky {
public:
    static constexpr const char *kTitulek = "Uwagi i wymagania niestandardowe";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kMax10Radku = "Maksymalnie 10 wierszy";
    static constexpr int kMaxRadku = 10;

    // The text starts with the lines of SPoznamky (OK without an edit stores them again).
    TVPoznamky(Session &s, Messages &m);

    // The text, lines separated by '\n'.
    const std::string &Text() const { return text_; }
    void NastavText(const std::string &text) { text_ = text; }
    // The lines of the text: split at '\n' (a '\r' before it is dropped); a final line
    // break opens no line, an empty text has none.
    std::vector<std::string> Radky() const;
    // Leaving the text: more than 10 lines give a message; the text stays as typed.
    void PoznamkyExit();
    // OK: SPoznamky := every line of the text. Returns 1.
    int Potvrd();

    // Centred over the main window.
    Bod Umisteni(int sirka, int vyska) const { return UmistiNadOknem(s_, sirka, vyska); }

    // The lines of a text as Radky() splits them.
    static std::vector<std::string> RozdelRadky(const std::string &text);

private:
    Session &s_;
    Messages &m_;
    std::string text_;
};

} // namespace qmr
