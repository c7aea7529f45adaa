#include "dialogs/options/UPoznamky.h"

#include "dialogs/infill/Ovladace.h"

namespace qmr {

TVPoznamky::TVPoznamky(Session &s, Messages &m) : s_(s), m_(m)
{
    for (std::size_t i = 0; i < s.SPoznamky.size(); ++i)
        text_ += (i ? "\n" : "") + s.SPoznamky[i];
    // A final empty line needs its own line break to come back from Radky().
    if (!s.SPoznamky.empty() && s.SPoznamky.back().empty())
        text_ += "\n";
}

std::vector<std::string> TVPoznamky::RozdelRadky(const std::string &text)
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

std::vector<std::string> TVPoznamky::Radky() const { return RozdelRadky(text_); }

void TVPoznamky::PoznamkyExit()
{
    if (Radky().size() > std::size_t(kMaxRadku))
        m_.Hlaska(kUwaga, kMax10Radku, MB_OK);
}

int TVPoznamky::Potvrd()
{
    s_.SPoznamky = Radky();
    return kVysledekOK;
}

} // namespace qmr
