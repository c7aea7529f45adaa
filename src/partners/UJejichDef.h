#pragma once
// The dealer's company (the supplier's customer): section [Firma] of the configuration
// file apConf, and the folder of job files, [USER] "Path".
#include "core/PartnerData.h"
#include "core/Session.h"

#include <string>

namespace qmr {

// Reads every key of [Firma] into Firma.Data (missing texts empty, a missing MapiGroup
// 0), sets apFirma := Nazev1 and takes DataPath from [USER] "Path" (NactiDataPath).
void Nacti(Session &s, TFirma &Firma);

// Reads [Firma] into Firma.Data like Nacti, leaving the session's apFirma and DataPath
// alone (the customer dialog's private copy).
void NactiFirmu(Session &s, TFirma &Firma);

// Writes every key of [Firma] in its order (MapiGroup as an integer) in one atomic
// replace of apConf, then takes DataPath from [USER] "Path" again. Throws EFileError
// when the file cannot be written.
void Zapis(Session &s, const TFirma &Firma);

// Remembers the folder of job files: when DataPath is not blank and names an existing
// folder, it is written to [USER] "Path"; otherwise nothing happens. Throws EFileError
// when the file cannot be written.
void ZapisPath(Session &s);

// DataPath := [USER] "Path" when it names an existing folder; otherwise the data folder
// apData, or the program folder apCesta, whichever exists first (empty when neither
// does), so that a missing or stale folder never makes a save fail. A non-empty
// DataPath always ends with '/'.
void NactiDataPath(Session &s);

// The fallback of NactiDataPath on its own.
std::string VychoziDataPath(const Session &s);

} // namespace qmr
