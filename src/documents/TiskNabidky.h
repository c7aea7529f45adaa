#pragma once
// The printed quote: one A4 page for the end customer. The heading holds the end customer
// (or, without one, the dealer's company), the quote number, the date and, in the full
// version, the delivery date and transport; then the job lines with the miniature of the
// panel, the price, the validity, the signature and the notes; at the foot the dealer's
// contacts and, with an end customer, the dealer's name and address.
#include "documents/TiskStrana.h"
#include "documents/UNabidka.h"

namespace qmr {

class Clock;

// The page of the quote dated the clock's today. Rys and PomRys are the pixel sizes of
// the session's drawings (for the miniature).
StranaTisku StranaNabidky(const Session &s, const DataNabidky &d, const Clock &Hodiny,
                          VelikostObrazku Rys = {}, VelikostObrazku PomRys = {});

} // namespace qmr
