#pragma once
// What the quote form (TNabidka) and the order form (TObjed) compose once when they are
// created: the proposed delivery date with the hint of the date field, and the lines
// that describe the job as two parallel columns, labels and values. The mail, the gateway
// message and the printouts copy these lines unchanged.
#include "core/Session.h"

#include <string>
#include <vector>

namespace qmr {

class Clock;

// Which form asks; the two differ in a few rules.
enum class Formular {
    Nabidka, // quote
    Objed,   // order
};

// The job described line by line: Radky1[i] is the label of line i, Radky2[i] its value.
// A group of lines has its label on the first line only.
struct RadkyZakazky {
    std::vector<std::string> Radky1;
    std::vector<std::string> Radky2;

    void Pridej(std::string Popis, std::string Hodnota);
    std::size_t Pocet() const { return Radky1.size(); }
};

// The lines of the job: for an infill job (TypZakazky 1) the infill, its extras,
// reinforcement, dimensions, overlays (the order form adds the fixing points), colours,
// stained glass, glass panes and muntin; for every job kind the accessory group when
// accessories are chosen or a decorative muntin is.
RadkyZakazky DejRadky(const Session &s, Formular f);

// The delivery date proposed by a form.
struct NavrhTerminu {
    double Termin = 0;    // the date for the form's field Termin
    std::string Napoveda; // hint of Termin; empty for a job that is no infill job
    int Dni = 0;          // colour lead time in working days, 0 without one
};

// Counts working days from the clock's today: 5, plus the longest colour lead time; for an
// infill job a base by the kind of panel (glazed, aluminium, special glass, extras) plus the
// lead time plus 4. An infill job whose form was completed before (apPocet not 0) keeps
// apTermin.
NavrhTerminu NavrhniTermin(const Session &s, const Clock &Hodiny, Formular f);

} // namespace qmr
