#include "mainwindow/UCenyPanel.h"

#include "core/Errors.h"
#include "core/Funkce.h"
#include "mainwindow/VolbaTexty.h"
#include "pricing/UOcen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qmr {

std::string FloatToStrPL(double x)
{
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    if (x == 0)
        return "0";

    // 15 significant digits and the decimal exponent.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string cislice;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            cislice += *p;
    const int e = *p == 'e' ? std::atoi(p + 1) : 0;
    while (cislice.size() > 1 && cislice.back() == '0')
        cislice.pop_back();

    std::string t = x < 0 ? "-" : "";
    if (e < 15 && e >= -5) {
        if (e >= 0) {
            const std::size_t cele = static_cast<std::size_t>(e) + 1;
            if (cislice.size() <= cele) {
                t += cislice + std::string(cele - cislice.size(), '0');
            } else {
                t += cislice.substr(0, cele) + kDecimalSeparator + cislice.substr(cele);
            }
        } else {
            t += std::string("0") + kDecimalSeparator + std::string(static_cast<std::size_t>(-e - 1), '0') +
                 cislice;
        }
        return t;
    }
    t += cislice.substr(0, 1);
    if (cislice.size() > 1)
        t += kDecimalSeparator + cislice.substr(1);
    t += "E" + std::to_string(e);
    return t;
}

long long ZaokrouhliNaJednotky(Currency c)
{
    const std::int64_t raw = c.Raw();
    long long q = raw / Currency::Scale;
    const std::int64_t r = raw % Currency::Scale;
    const std::int64_t pul = Currency::Scale / 2;
    if (r > pul || (r == pul && (q % 2 != 0)))
        ++q;
    else if (r < -pul || (r == -pul && (q % 2 != 0)))
        --q;
    return q;
}

std::string TitulekOkna(const Session &s)
{
    std::string t = std::string(kTitulOkna) + s.apSoubor;
    if (s.apVyberOdb)
        t += " (" + s.apFirma + ")";
    return t;
}

void OcenOkno(Session &s, VolbaStav &st)
{
    try {
        Ocen(s);
        st.ChybaOceneni.clear();
    } catch (const QmrError &e) {
        st.ChybaOceneni = e.what();
    }
    CenyDoPanelu(s, st);
}

void CenyDoPanelu(const Session &s, VolbaStav &st)
{
    st.Titulek = TitulekOkna(s);
    const TCenyData &c = s.SCeny.CenyData;
    const int rezim = c.Zobrazit;

    // Part amounts are shown only with purchase prices; a zero amount leaves its label empty.
    auto vyprazdni = [&](Popis &p, Currency n) {
        if (n.IsZero() || rezim != 1)
            p.Text.clear();
    };
    vyprazdni(st.CenaVyplne, s.nVypln);
    vyprazdni(st.CenaBarvy1, s.nBarva1);
    vyprazdni(st.CenaBarvy12, s.nBarva12);
    vyprazdni(st.CenaBarvy2, s.nBarva2);
    vyprazdni(st.CenaRozmeru, s.nRozmer);
    vyprazdni(st.CenaVyztuze, s.nVyztuz);
    vyprazdni(st.CenaVitraze, s.nVitraz);
    vyprazdni(st.CenaSkla1, s.nDekor1);
    vyprazdni(st.CenaSklaP, s.nDekorP);
    vyprazdni(st.CenaSklaP2, s.nDekor4);
    vyprazdni(st.CenaSkla2, s.nDekor2);
    vyprazdni(st.CenaMrizky, s.nMrizka);
    vyprazdni(st.CenaDoplnku[0], s.nDoplnek1);
    vyprazdni(st.CenaDoplnku[1], s.nDoplnek2);
    vyprazdni(st.CenaDoplnku[2], s.nDoplnek3);
    vyprazdni(st.CenaDoplnku[3], s.nDoplnek4);

    long long t = 0;
    if (rezim == 1) {
        t = ZaokrouhliNaJednotky(s.nDopravaIn);
    } else if (rezim == 2) {
        t = ZaokrouhliNaJednotky(s.nDopravaIn + s.nDopravaOut);
    } else {
        st.Panel3.Viditelny = false;
    }
    if (rezim >= 1 && t >= 1 && c.Dopravy >= 1)
        st.Nakonec.Text = std::string(kSDopravou) + std::to_string(t) + "):";
    else
        st.Nakonec.Text = std::string(kBezDopravy);

    if (!((s.VyplnVybrana || s.TypZakazky == 2) && rezim >= 1))
        return;

    st.Panel3.Viditelny = true;
    st.Panel2.Viditelny = true;

    std::string sleva{kRabat};
    if (s.nProcSlevy != 0) {
        if (rezim == 1)
            sleva = std::string(kRabatDodavatele) + FloatToStrPL(s.nProcSlevy1) + std::string(kProcentKonec);
        else if (rezim == 2)
            sleva = std::string(kRabatKlienta) + FloatToStrPL(s.nProcSlevy2) + std::string(kProcentKonec);
    }
    std::string celkem{rezim == 1 ? kKupnoOgolem : kProdejOgolem};
    if (c.Pocitat == 1 && s.nDPH != 0)
        celkem += std::string(kSDani) + " (" + FloatToStrPL(s.nDPH) + std::string(kProcentKonec);
    else
        celkem += kBezDane;
    st.Celkem.Text = celkem;
    st.ProcentoSlevy.Text = sleva;
    st.CenaPoSleve.Text = MyCurrStr(s.nKonecna, 10);

    if (rezim == 1) {
        auto zapis = [](Popis &p, Currency n, bool podminka = true) {
            if (!n.IsZero() && podminka)
                p.Text = MyCurrStr(n, 8);
        };
        zapis(st.CenaVyplne, s.nVypln);
        zapis(st.CenaBarvy1, s.nBarva1);
        zapis(st.CenaBarvy12, s.nBarva12, s.SDvojbarva);
        zapis(st.CenaBarvy2, s.nBarva2);
        zapis(st.CenaVyztuze, s.nVyztuz);
        zapis(st.CenaVitraze, s.nVitraz);
        zapis(st.CenaSkla1, s.nDekor1);
        zapis(st.CenaSklaP, s.nDekorP, s.STrojsklo || s.SCtyrsklo);
        zapis(st.CenaSklaP2, s.nDekor4, s.SPrekryvna && s.SPrekryv == 2 && s.SCtyrsklo);
        zapis(st.CenaSkla2, s.nDekor2);
        zapis(st.CenaMrizky, s.nMrizka);
        zapis(st.CenaDoplnku[0], s.nDoplnek1);
        zapis(st.CenaDoplnku[1], s.nDoplnek2);
        zapis(st.CenaDoplnku[2], s.nDoplnek3);
        zapis(st.CenaDoplnku[3], s.nDoplnek4);

        if (s.SHPL1 || s.SHPL2) {
            if (!s.BarvyVybrany)
                st.CenaVyplne.Text.clear();
            if (s.nRozmer > Currency{}) {
                if (!s.SPosunOs) {
                    st.Prekryvy.Text = std::string(kDoplatekHPL);
                    st.Prekryvy.Barva = BarvaTextu::Cervena;
                }
                st.CenaRozmeru.Text = MyCurrStr(s.nRozmer, 8);
            } else {
                if (!s.SPosunOs) {
                    st.Prekryvy.Text.clear();
                    st.Prekryvy.Barva = BarvaTextu::Okno;
                }
                st.CenaRozmeru.Text.clear();
            }
        }

        st.CenaPredSlevou.Text = MyCurrStr(s.nPredSlevou, 10);
        st.TZ1.Text = MyCurrStr(s.nTZ1, 10);
        st.TZ2.Text = MyCurrStr(s.nTZ2, 10);
        st.Mezisouc.Text = MyCurrStr(s.nMezisouc, 10);
        st.CenaSlevy.Text = MyCurrStr(s.nSleva, 10);
        st.Label6.Viditelny = true;
        st.CenaNet.Text = MyCurrStr(s.SNetto, 10);
    } else if (rezim == 2) {
        st.CenaNet.Text.clear();
        st.Label6.Viditelny = false;
        for (Popis *p : {&st.LabTz1, &st.LabTZ2, &st.LabMezisouc, &st.TZ1, &st.TZ2, &st.Mezisouc})
            p->Viditelny = false;
        st.CenaPredSlevou.Text = MyCurrStr(s.nPredSlevou, 10);
        st.CenaSlevy.Text = MyCurrStr(s.nSleva, 10);
    }
}

} // namespace qmr
