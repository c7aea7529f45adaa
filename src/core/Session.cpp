#include "core/Session.h"

#include <filesystem>
#include <system_error>

namespace qmr {

namespace {

// Removes spaces and control characters at both ends.
std::string trimmed(const std::string &s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

// The file name with its extension replaced by `ext` (appended when it has none).
std::string changeFileExt(const std::string &name, std::string_view ext)
{
    const auto pos = name.find_last_of("./\\");
    std::string base = (pos != std::string::npos && name[pos] == '.') ? name.substr(0, pos) : name;
    return base.append(ext);
}

// The file name: what follows the last separator.
std::string fileNameOf(const std::string &path)
{
    const auto pos = path.find_last_of('/');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

bool decorNotOnAluminium(const TOBarva &b) { return b.DBarva.DDekor && !b.DBarva.Hlinik; }
bool decorOnAluminium(const TOBarva &b) { return b.DBarva.DDekor && b.DBarva.Hlinik; }

} // namespace

void VynulujCary(Session &s, bool Zetkova)
{
    s.Carame = false;
    s.SCary = TCary{};
    s.SCary.Tloustka = Zetkova ? 15 : 10;
}

void ZrusVse(Session &s)
{
    s.apCislo.clear();
    s.apPocet = 0;
    s.SMail = false;
    s.SVypln.DVypln.Polozka = -1;
    s.VyplnVybrana = false;
    s.SFormat = -1;
    s.SZaskleni = -1;
    s.RozmerVybran = false;
    s.BarvyVybrany = false;
    s.VitrazVybrana = false;
    s.DekoryVybrany = false;
    s.MrizkaVybrana = false;
    s.SVyztuz = -1;
    s.SRamecek1 = 0;
    s.SRamecek2 = 0;
    s.SOMrizka = 0;
    s.SOPaska1 = 0;
    s.SOPaska2 = 0;
    s.SODrazka1 = 0;
    s.SODrazka2 = 0;
    s.SKamen = false;
    s.SKamen1 = false;
    s.SKamen2 = false;
    s.SDvojbarva = false;
    s.ProjitVyztuze = false;
    s.ProselVyztuze = false;
    s.ZmensenyVyrez = false;
    s.STrojsklo = false;
    s.SCtyrsklo = false;
    s.Zesilena = false;
    s.SZetkova = false;
    s.SEnkova = false;
    s.SRameckova = false;
    s.SZesil = 0;
    s.SPosunOs = false;
    s.SHPosun = 0;
    s.SVPosun = 0;
    s.SPrekryvna = false;
    s.SPrekryv = 0;
    s.PrekryvVybran = false;
    s.Prekryv2Vybran = false;
    s.PVL = 10;
    s.PVP = 10;
    s.PVH = 10;
    s.PVD = 10;
    s.SBarva1.DBarva.ObjDni = 0;
    s.SBarva2.DBarva.ObjDni = 0;
    s.RBarva1.RBarva.ObjDni = 0;
    s.RBarva2.RBarva.ObjDni = 0;
    s.VidimPomRys = false;
    s.SDoplnek1.DDoplnek.Namontovat = false;
    s.SDoplnek2.DDoplnek.Namontovat = false;
    s.SDoplnek3.DDoplnek.Namontovat = false;
    s.SDoplnek4.DDoplnek.Namontovat = false;
    s.SPoznamky.clear();
    s.apEdited = false;
    VynulujCary(s, s.SZetkova);
}

void NastavMaxima(Session &s, bool Urcite)
{
    // 1. Width of a panel of a stiff material; a decor foil not on aluminium is narrower.
    if (s.SRadaK || s.SHlinik || s.SDyha || s.SGlas || s.SHPL1) {
        const bool uzsi = (decorNotOnAluminium(s.SBarva1) && !s.SHPL1) ||
                          decorNotOnAluminium(s.SBarva12) ||
                          (decorNotOnAluminium(s.SBarva2) && !s.SHPL2);
        s.MaxSirka = uzsi ? 940 : 1000;
        s.MaxVyska = 2200;
    } else {
        s.MaxSirka = 900;
    }

    // 2. Overlay sides.
    s.MaxVyskaP1 = 2400;
    s.MaxSirkaP1 = 1200;
    s.MaxVyskaP2 = 2400;
    s.MaxSirkaP2 = 1200;

    // 3. Height; a decor on aluminium limits the panel and the overlay side it is on.
    if (s.SRadaK || s.SDyha || s.SHlinik || s.SGlas || s.SHlinik2 || s.SHPL1) {
        const bool strana1 = decorOnAluminium(s.SBarva1) || decorOnAluminium(s.SBarva12);
        const bool strana2 = decorOnAluminium(s.SBarva2);
        if (strana1 || strana2) {
            s.MaxVyska = 2130;
            s.MaxSirka = 1000;
            if (strana1) {
                s.MaxSirkaP1 = 1130;
                s.MaxVyskaP1 = 2400;
            }
            if (strana2) {
                s.MaxSirkaP2 = 1130;
                s.MaxVyskaP2 = 2400;
            }
        } else {
            s.MaxVyska = 2200;
        }
    } else {
        s.MaxVyska = 2100;
    }

    // 4. Half panel.
    if (s.SPulpanel) {
        s.MaxVyska = 1000;
        s.MaxSirka = 900;
    }

    // 5. Not yet confirmed HPL panel.
    if (!Urcite && s.SHPL1) {
        s.MaxVyska = 2100;
        s.MaxSirka = 900;
    }
}

bool OverConf(Session &s, const std::string &executablePath)
{
    namespace fs = std::filesystem;
    const auto pos = executablePath.find_last_of('/');
    std::string folder = pos == std::string::npos ? std::string() : executablePath.substr(0, pos + 1);
    if (folder.empty() || folder.front() != '/') {
        // A relative start path: anchor it at the current folder so later changes of
        // the working folder do not move the data folder.
        std::error_code ec;
        fs::path abs = fs::absolute(folder.empty() ? fs::path(".") : fs::path(folder), ec);
        if (!ec) {
            folder = abs.lexically_normal().string();
            if (folder.empty() || folder.back() != '/')
                folder += '/';
        } else if (folder.empty()) {
            folder = "./";
        }
    }
    s.apCesta = folder;
    s.apData = s.apCesta + std::string(kDataFolder) + "/";
    s.apConf = s.apData + std::string(kConfFile);
    s.apPriloha = s.apData + std::string(kPrilohaFile);
    return true;
}

std::string ExecutablePath()
{
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

bool InitSession(Session &s, const std::string &argv0OrExePath)
{
    s.VolbaNeniNil = false;
    s.apVerze = std::string(kVerze);
    s.nVerze = kNVerze;
    s.apDatum = std::string(kDatum);

    s.ListVyplni.clear();
    s.ListBarev.clear();
    s.ListPodkladu.clear();

    s.apHeslo = false;
    s.apZakaznik = false;
    s.apVyberOdb = false;
    s.apFirma.clear();
    s.apKneprekryv = true;
    s.apEdited = false;

    const std::string path = argv0OrExePath.empty() ? ExecutablePath() : argv0OrExePath;
    s.apProgram = fileNameOf(path);

    if (s.apProgram != kProgZavedLower && s.apProgram != kProgQMR11) {
        s.JdeTo = OverConf(s, path);
        if (!s.JdeTo)
            return false;
    }

    s.apVypnoutPomer = true;
    return true;
}

bool StartBuildsCatalogueLists(const Session &s)
{
    return s.apProgram != kProgQMR11 && s.apProgram != kProgZaved;
}

bool StartShowsForeignLanguageNotice(const Session &s) { return s.apProgram == kProgZaved; }

void VytvorJmeno(Session &s, bool LMail)
{
    const std::string jmeno = trimmed(s.apSoubor);
    if (jmeno.empty() || jmeno == trimmed(std::string(kNovyPlik))) {
        if (s.apCislo.empty()) {
            s.apSoubor = std::string(kNovyPlik);
        } else {
            s.apSoubor = s.apCislo + std::string(kJobExt);
            s.apEdited = true;
        }
    }
    if (LMail)
        s.apSoubor = changeFileExt(s.apSoubor, kPrilohaExt);
}

} // namespace qmr
