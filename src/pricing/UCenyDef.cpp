#include "pricing/UCenyDef.h"

#include "core/Errors.h"
#include "core/IniFile.h"

#include <charconv>
#include <cmath>
#include <string>

namespace qmr {

namespace {

const std::string kCeny = "Ceny";
const std::string kVolby = "Volby";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

EConvertError NotAFloat(const std::string &Text)
{
    return EConvertError("'" + Text + "' is not a valid floating point value");
}

} // namespace

double DPHzTextu(const std::string &Text)
{
    // The masked edit pads unfilled positions with spaces; they carry no digits.
    std::string t;
    for (char c : Text)
        if (c != ' ')
            t += c;
    if (t.empty())
        return 0;

    // [sign] digits [',' digits] [('e'|'E') [sign] digits], at least one mantissa digit.
    std::string norm;
    std::size_t i = 0;
    if (t[i] == '+')
        ++i;
    else if (t[i] == '-')
        norm += t[i++];
    std::size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) {
        norm += t[i++];
        ++digits;
    }
    if (i < t.size() && t[i] == ',') {
        norm += '.';
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            norm += t[i++];
            ++digits;
        }
    }
    if (digits == 0)
        throw NotAFloat(Text);
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        norm += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            norm += t[i++];
        std::size_t expDigits = 0;
        while (i < t.size() && IsDigit(t[i])) {
            norm += t[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            throw NotAFloat(Text);
    }
    if (i != t.size())
        throw NotAFloat(Text);
    // from_chars: independent of the process locale.
    double v = 0;
    const auto r = std::from_chars(norm.data(), norm.data() + norm.size(), v);
    if (r.ec != std::errc() || r.ptr != norm.data() + norm.size() || !std::isfinite(v))
        throw NotAFloat(Text);
    return v;
}

std::string DPHnaText(double Procent)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, Procent, std::chars_format::fixed, 2);
    std::string t(buf, r.ptr);
    for (char &c : t)
        if (c == '.')
            c = ',';
    return t;
}

void NactiCeny(Session &s, const IniFile &Conf, TCeny &Ceny)
{
    const TCenyData def;
    TCenyData d;
    d.DPHin = DPHzTextu(Conf.ReadString(kCeny, "DPHin", "0"));
    d.DPHout = DPHzTextu(Conf.ReadString(kCeny, "DPHout", "0"));
    d.DopravaIn = Conf.ReadInteger(kCeny, "DopravaIn", def.DopravaIn);
    d.DopravaOut = Conf.ReadInteger(kCeny, "DopravaOut", def.DopravaOut);
    d.SlevaQM = Conf.ReadInteger(kCeny, "SlevaQM", def.SlevaQM);
    d.MarzeProd = Conf.ReadInteger(kCeny, "Marze", def.MarzeProd);
    d.MarzeTyp = Conf.ReadInteger(kCeny, "TypMarze", def.MarzeTyp);
    d.MarzeZpusob = Conf.ReadInteger(kCeny, "ZpusobMarze", def.MarzeZpusob);
    d.Ram = Conf.ReadInteger(kCeny, "Ram", def.Ram);
    d.SlevaZak = Conf.ReadInteger(kCeny, "SlevaZak", def.SlevaZak);
    d.Zobrazit = Conf.ReadInteger(kCeny, "Zobrazit", def.Zobrazit);
    d.Pocitat = Conf.ReadInteger(kCeny, "Pocitat", def.Pocitat);
    d.Dopravy = Conf.ReadInteger(kCeny, "Dopravy", def.Dopravy);
    d.CenuNab = Conf.ReadBool(kCeny, "CenuNab", def.CenuNab);

    // Fixed: foreign-customer pricing in EUR, whatever the file holds.
    s.Cizina = true;
    d.MenaP = "EUR";
    d.KurzP = 0.0542;
    d.KurzN = 0.0542;
    d.PrepObj = true;
    d.PrepNab = true;
    Ceny.CenyData = d;
}

void Nacti(Session &s, TCeny &Ceny)
{
    NactiCeny(s, s.Soubory.Get(s.apConf), Ceny);
}

// The configuration file is a plain INI file: the base-class writes are used, so 0 and
// False are written rather than the key being deleted.
void ZapisSlevyZak(Session &s)
{
    TSifraSoubor &f = s.Soubory.Get(s.apConf);
    f.IniFile::WriteInteger(kCeny, "SlevaZak", s.SCeny.CenyData.SlevaZak);
    f.UpdateFile();
}

void ZapisCeny(Session &s, const CenyDialogValues &h)
{
    const int dopravy = h.DopravaIn <= 0 ? 0 : h.Dopravy;
    TSifraSoubor &f = s.Soubory.Get(s.apConf);
    f.WriteString(kCeny, "DPHin", h.DPHin);
    f.WriteString(kCeny, "DPHout", h.DPHout);
    f.IniFile::WriteInteger(kCeny, "DopravaOut", h.DopravaOut);
    f.IniFile::WriteInteger(kCeny, "Marze", h.Marze);
    f.IniFile::WriteInteger(kCeny, "Ram", h.Ram);
    f.IniFile::WriteInteger(kCeny, "SlevaZak", h.SlevaZak);
    f.IniFile::WriteInteger(kCeny, "DopravaIn", h.DopravaIn);
    f.IniFile::WriteInteger(kCeny, "SlevaQM", h.SlevaQM);
    f.IniFile::WriteInteger(kCeny, "TypMarze", h.TypMarze);
    f.IniFile::WriteInteger(kCeny, "ZpusobMarze", h.ZpusobMarze);
    f.IniFile::WriteInteger(kCeny, "Zobrazit", h.Zobrazit);
    f.IniFile::WriteInteger(kCeny, "Pocitat", h.Pocitat);
    f.IniFile::WriteInteger(kCeny, "Dopravy", dopravy);
    f.IniFile::WriteBool(kCeny, "CenuNab", h.CenuNab);
    f.UpdateFile();
}

void Nacti(Session &s, TVolby &Volby)
{
    const TSifraSoubor &f = s.Soubory.Get(s.apConf);
    Volby.DefaultData.Sirka = f.ReadInteger(kVolby, "Sirka", 0);
    Volby.DefaultData.Vyska = f.ReadInteger(kVolby, "Vyska", 0);
}

void ZapisVolby(Session &s, int Sirka, int Vyska)
{
    TSifraSoubor &f = s.Soubory.Get(s.apConf);
    f.IniFile::WriteInteger(kVolby, "Sirka", Sirka);
    f.IniFile::WriteInteger(kVolby, "Vyska", Vyska);
    f.UpdateFile();
    s.SVolby.DefaultData.Sirka = Sirka;
    s.SVolby.DefaultData.Vyska = Vyska;
}

} // namespace qmr
