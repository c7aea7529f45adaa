#pragma once
// The end customer's data in a job file: section [Zakaznik]. Used only while the
// start-up switch apZakaznik is on (it never is in this system).
#include "core/IniFile.h"
#include "core/PartnerData.h"
#include "core/Session.h"

namespace qmr {

// Writes ZJmeno, ZPrijmeni, ZUlice, ZMesto, ZPSC, ZMobil, ZTelefon, ZEmail (all texts).
void ZapisZakaznika(IniFile &Soubor, const TZakazData &Data);

// Reads the eight keys back. Missing keys read as empty (the INI service drops the
// trailing blanks of the space-filled defaults the fields are given).
void NactiZakaznika(const IniFile &Soubor, TZakazData &Data);

// The dialog's OK: the eight texts are stored and Volna1, VCena1, ZaMontaz take the
// session's apVolna1, apVCena1, apMontaz.
void PotvrdZakaznika(Session &s, const TZakazData &Texty);

} // namespace qmr
