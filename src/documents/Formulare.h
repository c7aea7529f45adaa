#pragma once
// Pieces shared by the quote form (TNabidka) and the order form (TObjed): the message
// they hand to the order gateway, where the focus goes when the number field is left,
// and the note lines as the memo holds them.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace qmr {

// A message for the order gateway (kind 3 a quote, 2 an order).
struct ZpravaBrany {
    int Typ = 3;
    std::string Adresat;
    std::string Predmet;
    std::string Obsah;
    std::string PredmetPotvr;
    std::string ObsahPotvr;
    std::string Priloha;  // job file (orders)
    std::string Priloha2; // the dealer's own attachment
    std::string NazevRysu;
    int TypZakazky = 0;
};

// Where the focus goes when the number field is left (Uloz: the order form's button
// that saves the job file for manual sending).
enum class CilFokusu { Jinam, Tisk, Mail, Uloz };

// Lines joined by '\n', as the memo shows them.
inline std::string SpojRadkyMemo(const std::vector<std::string> &radky)
{
    std::string t;
    for (std::size_t i = 0; i < radky.size(); ++i)
        t += (i ? "\n" : "") + radky[i];
    return t;
}

// The lines of a memo text: a final line break opens no line, an empty text has none;
// a CR before the line break is dropped.
inline std::vector<std::string> RadkyMemo(const std::string &text)
{
    std::vector<std::string> radky;
    std::size_t od = 0;
    while (od < text.size()) {
        const std::size_t nl = text.find('\n', od);
        std::string r = text.substr(od, nl == std::string::npos ? std::string::npos : nl - od);
        if (!r.empty() && r.back() == '\r')
            r.pop_back();
        radky.push_back(std::move(r));
        if (nl == std::string::npos)
            break;
        od = nl + 1;
    }
    return radky;
}

} // namespace qmr
