#pragma once
// The supplier's data: section [Quilmar] of DATA/quilmar.qmr, a plain INI file.
#include "core/PartnerData.h"
#include "core/Session.h"

#include <string>

namespace qmr {

// The supplier file: s.apData + "quilmar.qmr".
std::string SouborDodavatele(const Session &s);

// Reads the eight keys of [Quilmar] into Dodavatel.QMData; a missing file or key reads
// as empty text.
void Nacti(Session &s, TQuilmar &Dodavatel);

// Writes the eight keys of [Quilmar] in their order, empty values included, in one
// atomic replace of the file (the supplier dialog's OK). Throws EFileError when the file
// cannot be written.
void Zapis(Session &s, const TQuilmar &Dodavatel);

} // namespace qmr
