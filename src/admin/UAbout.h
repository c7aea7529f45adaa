#pragma once
// The texts of the about box.
#include <string>

namespace qmr {

struct Session;

class About {
public:
    explicit About(const Session &s);

    std::string Titulek() const; // "Informacja o programie " + apDatum
    std::string Logo() const;    // apCesta + "QMRlogo.jpg" (Image1)
    std::string Nazev() const;   // Label1: program name and apVerze
    std::string Autor() const;   // Label2: credit line
    std::string Web1() const;    // Label3, Label4: web addresses
    std::string Web2() const;

private:
    const Session &s_;
};

} // namespace qmr
