#pragma once
// A printed page described without a toolkit: texts, blocks of lines, the two columns of
// the job lines, frames, lines and pictures at millimetre positions from the top-left
// corner of an A4 portrait page. The printed order and the printed quote build one; the
// page painter (gui/documents/StrankaTisk.h) draws it on a printer or a PDF file.
//
// The miniature of the panel drawing is laid out here too, in report pixels (96 per
// inch, one pixel per 10 mm of panel) converted to millimetres.
#include "core/Session.h"

#include <string>
#include <vector>

namespace qmr {

// Type faces of the printouts: a sans-serif 10 point face, bold 10 point, the large
// bold 14 point heading and the 12 point bold name of the dealer on the quote.
enum class Pismo { Normalni, Tucne, Velke, Nazev12 };

// Where a picture comes from: the session's drawing (apPicture), the auxiliary overlay
// drawing (apPomRys) or a picture file.
enum class ZdrojObrazku { Rys, PomRys, Soubor };

struct PolozkaStrany {
    enum class Druh {
        Text,     // one line at (X, Y), its font's top-left corner there; with a width Sirka
                  // a longer text is condensed to it
        Blok,     // Radky, one under another in the box X, Y, Sirka, Vyska; long lines wrap
        Sloupce,  // the job lines: labels Radky in the box X, Y, Sirka, Vyska, values Radky2
                  // beside them at X2 (width Sirka2); a pair always shares its row
        Ramecek,  // a frame
        Cara,     // a horizontal line of length Sirka
        Obrazek,  // a picture in the box: stretched, or as large as fits with its proportions, centred
    };
    Druh druh = Druh::Text;
    std::string Nazev; // the element's name on the page ("QCislo", "Radky1", ...)
    double X = 0, Y = 0, Sirka = 0, Vyska = 0;
    Pismo pismo = Pismo::Normalni;
    std::string Text;
    std::vector<std::string> Radky;
    // Sloupce: the value column.
    double X2 = 0, Sirka2 = 0;
    std::vector<std::string> Radky2;
    // Blok that grows with its text: lines below Vyska go on down to Mez; those that
    // do not fit there either continue on a further page from PokracujY.
    bool Roste = false;
    double Mez = 0;
    double PokracujY = 0;
    // Ramecek / Cara: dotted pen (the opening of an overlay panel).
    bool Teckovana = false;
    // Obrazek.
    ZdrojObrazku Zdroj = ZdrojObrazku::Rys;
    std::string Soubor;
    bool Roztahnout = false;
};

struct StranaTisku {
    std::string Titulek; // title of the print job
    double SirkaMM = 210, VyskaMM = 297;
    std::vector<PolozkaStrany> Polozky;

    // The first element of that name, nullptr when there is none.
    const PolozkaStrany *Najdi(const std::string &Nazev) const;
    // The text of the element (a Text element), empty when there is none.
    std::string Text(const std::string &Nazev) const;

    // Append an element and return it for the settings beyond these.
    PolozkaStrany &Text(std::string Nazev, double X, double Y, std::string Text,
                        Pismo p = Pismo::Normalni);
    PolozkaStrany &Ramecek(std::string Nazev, double X, double Y, double Sirka, double Vyska);
    PolozkaStrany &Cara(std::string Nazev, double X, double Y, double Sirka);
};

// Millimetres of one report pixel (96 per inch).
constexpr double kMMNaPixel = 25.4 / 96.0;

// Pixel sizes of the loaded drawings (0 x 0 when none is loaded).
struct VelikostObrazku {
    int Sirka = 0;
    int Vyska = 0;
};

// The miniature of the panel for an infill job (TypZakazky 1), with the drawing frame
// Podklad at (X, Y) mm: the drawing, the opening outline, the overlay outline and picture,
// the line marks and the accessory marks, appended to the page. Nothing for other jobs.
void PridejMiniaturu(StranaTisku &strana, const Session &s, double X, double Y,
                     VelikostObrazku Rys, VelikostObrazku PomRys);

// The credit line at the foot of both printouts.
std::string KreditniRadek(const Session &s);

} // namespace qmr
