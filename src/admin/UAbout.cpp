#include "admin/UAbout.h"

#include "core/Constants.h"
#include "core/Session.h"

namespace qmr {

About::About(const Session &s) : s_(s) {}

std::string About::Titulek() const { return "Informacja o programie " + s_.apDatum; }
std::string About::Logo() const { return s_.apCesta + std::string(kSplashPicture); }
std::string About::Nazev() const { return "Quilmar - wypełnienia drzwiowe, wersja " + s_.apVerze; }
std::string About::Autor() const { return "Program przygotował dział informatyki producenta"; }
std::string About::Web1() const { return "www.quilmar.example"; }
std::string About::Web2() const { return "zamowienia.quilmar.example"; }

} // namespace qmr
