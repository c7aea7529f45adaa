#include "mainwindow/UVolbaModel.h"

#include "core/Constants.h"
#include "mainwindow/UCenyPanel.h"
#include "mainwindow/VolbaTexty.h"
#include "pricing/UOcen.h"

#include <algorithm>
#include <string>

namespace qmr {

namespace {

std::string S(std::string_view v) { return std::string(v); }
std::string N(int n) { return std::to_string(n); }

void nastav(Popis &p, std::string text, BarvaTextu barva)
{
    p.Text = std::move(text);
    p.Barva = barva;
}

std::string textRozmeru(int sirka, int vyska, int tloustka)
{
    return S(kSirka) + " " + N(sirka) + ", " + S(kVyska) + " " + N(vyska) + ", " + S(kTloustka) + " " +
           N(tloustka) + S(kMm);
}

std::string textPrekryvu(std::string_view zacatek, int l, int p, int h, int d)
{
    return S(zacatek) + N(l) + ", " + S(kNaPravo) + " " + N(p) + ", " + S(kNaHore) + " " + N(h) + ", " +
           S(kNaDole) + " " + N(d);
}

// Families of infills that carry their own rules for reinforcement and colours.
bool rodinaBezDekoru(const Session &s)
{
    return s.SHlinik || s.SHlinik2 || s.SDyha || s.SDyha2 || s.SHPL1 || s.SHPL2;
}

// An ordinary infill with a decor colour outside needs a reinforcement variant: without
// one the reinforcement is still to be chosen.
void pravidloDekoru(Session &s)
{
    if (!(s.RozmerVybran || s.FixRozmer) || s.SZaskleni < 0 || !s.ProselVyztuze)
        return;
    if (rodinaBezDekoru(s) || !s.SBarva1.DBarva.DDekor)
        return;
    if (s.SVyztuz > 0) {
        s.ProselVyztuze = true;
    } else {
        s.ProselVyztuze = false;
        s.SVyztuz = -1;
    }
}

std::string jmenoACislo(const TOBarva &b) { return b.DBarva.Nazev + " " + b.DBarva.Cislo; }

std::string radekVitraze(const Session &s)
{
    return cVitrPis(s.SVitraz.DVitraz.VitrPis) + " " + s.SVitraz.DVitraz.Nazev;
}

// The summary line of one accessory slot; marks SMadlo for a handle.
std::string popisDoplnku(Session &s, const TDDoplnek &d, bool zakazkaVyplne)
{
    if (d.Polozka < 0)
        return {};
    std::string t;
    const bool distance = d.MaDistanci && d.SBarvaDR >= 0;
    if (zakazkaVyplne) {
        t = d.Nazev;
        if (distance && s.SZesil < 20 && !(s.SPrekryvna && s.SPrekryv == 2))
            t += " + " + cBarvaDR(d.SBarvaDR);
        if (d.Kod != kMadloNaVykres) {
            if (d.Namontovat) {
                if (!d.NeSMont)
                    t += " " + S(kVcetneMontaze);
                if (d.Umisten && d.MadloVert)
                    s.SMadlo = true;
            } else if (d.SMontaz > 0 && !d.NeBezM) {
                t += " " + S(kBezMontaze);
            }
        } else {
            t += " " + S(kRysunekWymagany);
            s.SMadlo = true;
        }
    } else {
        t = N(d.PocetKs) + " x " + d.Nazev;
        if (distance)
            t += " + " + cBarvaDR(d.SBarvaDR);
        if (!d.BezTloustky)
            t += " (" + N(d.Tloustka) + S(kMm) + ")";
    }
    if (d.CenaNetto)
        t += " " + S(kNettoDoplnek);
    return t;
}

void ulozGeometrii(Session &s, const VolbaStav &st, const VolbaVstup &in)
{
    s.VolbaLeft = in.OknoLeft;
    s.VolbaTop = in.OknoTop;
    s.VolbaWidth = in.OknoWidth;
    s.VolbaHeight = st.OknoVyska;
    s.RantlLeft = st.Rantl.Left;
    s.RantlTop = st.Rantl.Top;
    int *phTop[6] = {&s.PH1Top, &s.PH2Top, &s.PH3Top, &s.PH4Top, &s.PH5Top, &s.PH6Top};
    int *phLeft[6] = {&s.PH1Left, &s.PH2Left, &s.PH3Left, &s.PH4Left, &s.PH5Left, &s.PH6Left};
    int *phSir[6] = {&s.PH1Sir, &s.PH2Sir, &s.PH3Sir, &s.PH4Sir, &s.PH5Sir, &s.PH6Sir};
    int *pvLeft[6] = {&s.PV1Left, &s.PV2Left, &s.PV3Left, &s.PV4Left, &s.PV5Left, &s.PV6Left};
    int *pvVys[6] = {&s.PV1Vys, &s.PV2Vys, &s.PV3Vys, &s.PV4Vys, &s.PV5Vys, &s.PV6Vys};
    for (int i = 0; i < 6; ++i) {
        *phTop[i] = st.PH[i].Top;
        *phLeft[i] = st.PH[i].Left;
        *phSir[i] = st.PH[i].Width;
        *pvLeft[i] = st.PV[i].Left;
        *pvVys[i] = st.PV[i].Height;
    }
}

} // namespace

VolbaStav PocatecniStav(const Session &s)
{
    VolbaStav st;
    st.Titulek = TitulekOkna(s);
    st.Panel1.Viditelny = true;
    st.ObjButton.Viditelny = true;
    st.NabButton.Viditelny = true;
    st.Vypinac.Viditelny = true;
    // The surcharge lines belong to configurations up to version 5 of the other build.
    const bool priplatky = !(kBuildJazyk == "CZ" || s.nVerze > 5);
    st.LabTz1 = {S(kLabTz1), BarvaTextu::Okno, priplatky};
    st.LabTZ2 = {S(kLabTZ2), BarvaTextu::Okno, priplatky};
    st.LabMezisouc = {S(kLabMezisouc), BarvaTextu::Okno, priplatky};
    st.TZ1.Viditelny = priplatky;
    st.TZ2.Viditelny = priplatky;
    st.Mezisouc.Viditelny = priplatky;
    return st;
}

VolbaStav Obnov(Session &s, const VolbaVstup &in)
{
    VolbaStav st = in.Predchozi ? *in.Predchozi : PocatecniStav(s);
    const VolbaRozmery &r = in.Rozmery;

    // 1. Layout.
    st.OknoVyska = 605;
    st.HlavniRys.Left = 10;
    st.HlavniRys.Top = 10;
    st.HlavniRys.Width = r.HlavniRys.Width;
    st.HlavniRys.Height = r.HlavniRys.Height;
    st.PomRys.Width = r.PomRys.Width;
    st.PomRys.Height = r.PomRys.Height;
    st.Panel1 = {257, 0, r.Panel1.Width, r.Panel1.Height, true};
    st.Panel2.Left = st.Panel1.Right();
    st.Panel2.Top = 0;
    st.Panel2.Width = r.Panel2.Width;
    st.Panel2.Height = r.Panel2.Height;
    st.Panel3.Width = r.Panel3.Width;
    st.Panel3.Height = r.Panel3.Height;
    st.Panel3.Top = st.Panel1.Bottom();
    st.Panel3.Left = st.Panel2.Right() - st.Panel3.Width;
    st.NabButton = {st.Panel1.Left, st.Panel1.Bottom() + 20, r.NabButton.Width, r.NabButton.Height, true};
    st.ObjButton = {st.NabButton.Left - 20 - r.ObjButton.Width, st.NabButton.Top, r.ObjButton.Width,
                    r.ObjButton.Height, true};
    st.Vypinac = {r.VypinacLeft, st.Panel1.Bottom() + 8, r.Vypinac.Width, r.Vypinac.Height, true};

    // 2. The command-line load of the first refresh is the view's (NacistPriPrvnimObnoveni).

    const bool zakazkaVyplne = s.TypZakazky == 1;
    const bool vyplnZvolena = zakazkaVyplne && s.VyplnVybrana;
    // The dimensions line shows the thickness of the current configuration.
    if (vyplnZvolena)
        TloustkaVyplne(s);

    // 3. Dimensions and overlay.
    if (zakazkaVyplne) {
        Popis &tr = st.TextRozmeru;
        if (s.RozmerVybran)
            nastav(tr, textRozmeru(s.SSirka, s.SVyska, s.CTloustka), BarvaTextu::Okno);
        else if (s.FixRozmer)
            nastav(tr, textRozmeru(s.TurSirka, s.TurVyska, s.CTloustka), BarvaTextu::Okno);
        else
            tr.Text.clear();
        if (s.ZmensenyVyrez)
            tr.Text += " " + S(kZmensenyVyrez);

        if (s.SPrekryvna && s.PrekryvVybran) {
            nastav(st.Prekryvy, textPrekryvu(kPrekryvy, s.PVL, s.PVP, s.PVH, s.PVD), BarvaTextu::Okno);
            st.Prekryv.Viditelny = true;
            st.RantlPero = PeroRantlu::CerneTeckovane;
            if (s.SPrekryv == 2) {
                if (s.Prekryv2Vybran)
                    nastav(st.Prekryvy2, textPrekryvu(kPrekryvy2, s.PVL2, s.PVP2, s.PVH2, s.PVD2),
                           BarvaTextu::Okno);
                else
                    nastav(st.Prekryvy2, S(kPrekryvy2Otaznik), BarvaTextu::Cervena);
            } else {
                st.Prekryvy2.Text.clear();
            }
        } else if (s.SPrekryvna) {
            nastav(st.Prekryvy, S(kPrekryvyOtaznik), BarvaTextu::Cervena);
            st.Prekryv.Viditelny = false;
            st.RantlPero = PeroRantlu::CervenePlne;
        } else {
            // A shifted axis and the HPL surcharge use the overlay lines themselves.
            if (!s.SPosunOs && !s.SHPL1 && !s.SHPL2) {
                st.Prekryvy.Text.clear();
                st.Prekryvy2.Text.clear();
            }
            if (!s.SPosunOs) {
                st.Prekryv.Viditelny = false;
                st.RantlPero = PeroRantlu::CervenePlne;
            }
        }

        Obrysy o{st.Rantl, st.Prekryv, st.PomRys, st.Zakryt};
        Grafuj(s, st.HlavniRys, o);
        st.Rantl = o.Rantl;
        st.Prekryv = o.Prekryv;
        st.PomRys = o.PomRys;
        st.Zakryt = o.Zakryt;
        st.Rantl.Viditelny = (s.SPrekryvna && s.PrekryvVybran) || s.RozmerVybran || s.FixRozmer;
    } else {
        st.TextRozmeru.Text.clear();
        st.TextProfilu.Text.clear();
        st.Prekryvy.Text.clear();
        st.Prekryvy2.Text.clear();
        st.Rantl.Viditelny = false;
        st.Prekryv.Viditelny = false;
        if (s.TypZakazky != 2)
            s.DoplnkyVybrany = false;
        s.ProselVyztuze = false;
    }

    // 4. Accessories-only job.
    if (s.TypZakazky == 2) {
        OcenOkno(s, st);
        s.VidimPomRys = false;
        st.DoplnkyButton = true;
    }

    // 5. The infill.
    if (vyplnZvolena) {
        Nazvi(s);
        OcenOkno(s, st);
        st.JmenoVyplne.Text = s.SJmenoV;

        if ((s.SGlas || s.SHlinik || s.SHlinik2 || s.SDyha2) && s.SPrekryvna) {
            st.TextPrekryv.Text = s.SJmenoP;
            if (s.SPrekryv < 2)
                s.Prekryv2Vybran = true; // one side only: nothing more to specify
            st.TextPrekryv.Barva =
                s.PrekryvVybran && s.Prekryv2Vybran ? BarvaTextu::Okno : BarvaTextu::Cervena;
            st.Prekryv.Viditelny = true;
        } else {
            st.Prekryv.Viditelny = false;
        }

        st.TextTloustky.Text = s.SJmenoZ;
        st.TextTloustky.Viditelny = true;
        st.TextRamecku1.Text = s.SJmenoR1;
        st.BarvaRam1.Text = s.SBarvaR1;
        st.TextRamecku2.Text = s.SJmenoR2;
        st.BarvaRam2.Text = s.SBarvaR2;
        const bool extra1 = s.SKamen1 || s.SDvojbarva || s.SRamecek1 > 0 || s.SOPaska1 > 0 ||
                            s.SODrazka1 > 0 || s.SODr1 > 0;
        const bool barva1 = s.SKamen1 || s.SRamecek1 > 0 || s.SOPaska1 > 0;
        const bool extra2 = s.SKamen2 || s.SRamecek2 > 0 || s.SOPaska2 > 0 || s.SODrazka2 > 0 || s.SODr2 > 0;
        const bool barva2 = s.SKamen2 || s.SRamecek2 > 0 || s.SOPaska2 > 0;
        st.TextRamecku1.Viditelny = st.TextRamecku1.Povoleny = extra1;
        st.BarvaRam1.Viditelny = st.BarvaRam1.Povoleny = barva1;
        st.TextRamecku2.Viditelny = st.TextRamecku2.Povoleny = extra2;
        st.BarvaRam2.Viditelny = st.BarvaRam2.Povoleny = barva2;

        st.HlavniRys.Viditelny = true;
        st.BarvyButton = true;

        // Command availability and the flags derived from it.
        st.RozmerButton = s.BarvyVybrany;
        if (!s.BarvyVybrany) {
            s.RozmerVybran = false;
            s.PrekryvVybran = false;
            s.Prekryv2Vybran = false;
        }
        s.ProjitVyztuze = !s.SDyha && (s.MuzeTPR || s.MuzeRC3 || s.MuzeRC2 || (s.Zesilena && s.SZesil == 10));
        const bool rozmery = s.RozmerVybran || s.FixRozmer;
        if (rozmery) {
            st.VyztuzButton = s.ProjitVyztuze || s.SVyztuz > 0;
        } else {
            st.VyztuzButton = false;
            st.DoplnkyButton = false;
            s.MrizkaVybrana = false;
            s.DoplnkyVybrany = false;
            s.ProselVyztuze = false;
        }
        if (s.BarvyVybrany && !s.ProjitVyztuze)
            s.ProselVyztuze = true;
        if (s.Zesilena && s.SVyztuz == 6) {
            s.SVyztuz = -1;
            s.ProselVyztuze = false;
        }
        if (rozmery && s.SZaskleni >= 0 && s.ProselVyztuze) {
            pravidloDekoru(s);
            const bool sklo = s.SZaskleni > 0 && s.ProselVyztuze;
            st.DekoryButton = sklo;
            st.DoplnkyButton = true;
            st.VitrazButton = sklo && !s.SGlas && s.SVyztuz != 4 && s.SVyztuz != 5;
            st.MrizkyButton = sklo && !s.SHlinik && !s.SDyha && !s.SGlas && s.MuzeRamecek <= 0 && !s.STrojsklo;
        } else {
            st.DekoryButton = false;
            st.VitrazButton = false;
            st.MrizkyButton = false;
        }
        if (!st.MrizkyButton)
            s.MrizkaVybrana = false;
        if (!st.VitrazButton)
            s.VitrazVybrana = false;

        if (s.Carame) {
            CarovaZnacky z{st.PH, st.PV};
            UmistiCary(s, st.HlavniRys, st.Rantl, st.Prekryv, z);
            st.PH = z.PH;
            st.PV = z.PV;
        } else {
            for (Tvar &m : st.PH)
                m.Viditelny = false;
            for (Tvar &m : st.PV)
                m.Viditelny = false;
        }
        st.PomRys.Viditelny = PomRysViditelny(s);
    } else {
        st.JmenoVyplne.Text.clear();
        st.HlavniRys.Viditelny = false;
        st.PomRys.Viditelny = false;
        s.VidimPomRys = false;
        st.TextTloustky.Viditelny = false;
        s.SVyztuz = -1;
        for (bool *f : {&s.Zesilena, &s.SZetkova, &s.SEnkova, &s.SRameckova, &s.SPosunOs, &s.SPrekryvna,
                        &s.PrekryvVybran, &s.Prekryv2Vybran, &s.ZmensenyVyrez, &s.ProselVyztuze,
                        &s.RozmerVybran, &s.BarvyVybrany, &s.VitrazVybrana, &s.DekoryVybrany,
                        &s.MrizkaVybrana})
            *f = false;
        for (int *n : {&s.SZesil, &s.SHPosun, &s.SVPosun, &s.SRamecek1, &s.SRamecek2, &s.SOMrizka,
                       &s.SOPaska1, &s.SOPaska2, &s.SODrazka1, &s.SODrazka2, &s.SODr1, &s.SODr2})
            *n = 0;
        s.SFormat = -1;
        st.BarvyButton = false;
        st.RozmerButton = false;
        st.VyztuzButton = false;
        st.DekoryButton = false;
        st.VitrazButton = false;
        st.MrizkyButton = false;
        if (s.TypZakazky != 2)
            st.DoplnkyButton = false;
        // No infill: no frame, strip or groove lines of a previous one.
        for (Popis *p : {&st.TextRamecku1, &st.BarvaRam1, &st.TextRamecku2, &st.BarvaRam2}) {
            p->Text.clear();
            p->Viditelny = false;
            p->Povoleny = false;
        }
        for (Tvar &m : st.PH)
            m.Viditelny = false;
        for (Tvar &m : st.PV)
            m.Viditelny = false;
    }

    // 6. Colours.
    st.Label1.Viditelny = s.BarvyVybrany;
    st.Label2.Viditelny = s.BarvyVybrany;
    st.Label5.Viditelny = s.BarvyVybrany && s.SDvojbarva;
    st.Label3.Viditelny = st.DekoryButton;
    st.Label4.Viditelny = st.DekoryButton;
    if (s.BarvyVybrany) {
        if (s.SDvojbarva) {
            st.Label1.Text = S(kZevnitrPozice1);
            st.Label5.Text = S(kZevnitrPozice2);
            st.TextBarvy12.Text = jmenoACislo(s.SBarva12);
        } else {
            st.Label1.Text = S(kZevnitr);
            st.Label5.Text.clear();
            st.TextBarvy12.Text.clear();
        }
        if (s.SHlinik) {
            st.TextBarvy1.Text = jmenoACislo(s.SBarva1);
            st.TextBarvy2.Text = jmenoACislo(s.SBarva2);
        } else {
            std::string predpona1, predpona2;
            if (s.SGlas) {
                st.TextBarvy1.Text = S(kSklenenaDeska);
            } else if (s.SHlinik2 || s.SDyha2) {
                st.TextBarvy1.Text = jmenoACislo(s.SBarva1);
            } else {
                if (s.SHPL1 != s.SHPL2) {
                    predpona1 = S(s.SHPL1 ? kPredponaHPL : kPredponaABS);
                    predpona2 = S(s.SHPL2 ? kPredponaHPL : kPredponaABS);
                }
                st.TextBarvy1.Text = predpona1 + s.SBarva1.DBarva.Nazev;
            }
            st.TextBarvy2.Text = predpona2 + jmenoACislo(s.SBarva2);
        }
        pravidloDekoru(s);
    } else {
        st.TextBarvy1.Text.clear();
        st.TextBarvy12.Text.clear();
        st.TextBarvy2.Text.clear();
    }
    st.TextB1.Text.clear();
    st.TextB2.Text.clear();

    // 7. Stained glass: excludes muntins.
    if (zakazkaVyplne && s.VitrazVybrana) {
        st.TextVitraze.Text = radekVitraze(s);
        s.MrizkaVybrana = false;
        st.MrizkyButton = false;
    } else {
        st.TextVitraze.Text.clear();
    }

    // 8. Glass panes.
    for (Popis *p : {&st.TextDekoru1, &st.TextDekoru2, &st.TextProstredni, &st.TextDP, &st.TextProstredni2,
                     &st.TextDP2})
        p->Text.clear();
    if (zakazkaVyplne && s.DekoryVybrany) {
        const int druh = s.SVitraz.DVitraz.VitrPis;
        if (s.SGlas)
            st.TextDekoru1.Text = S(kSklenenaDeska);
        else if (s.VitrazVybrana && (druh == 3 || (druh == 1 && !s.STrojsklo)))
            st.TextDekoru1.Text = s.SVitraz.DVitraz.Nazev;
        else
            st.TextDekoru1.Text = s.SDekor1.DDekor.Nazev;
        st.TextDekoru2.Text = s.SDekor2.DDekor.Nazev;
        if (s.STrojsklo || s.SCtyrsklo) {
            st.TextProstredni.Text = S(kDruhaTabule);
            if (s.VitrazVybrana && druh != 3)
                st.TextDP.Text = (druh == 0 ? S(kFloat) : std::string()) + radekVitraze(s);
            else
                st.TextDP.Text = s.SDekorP.DDekor.Nazev;
            if (s.SCtyrsklo) {
                st.TextProstredni2.Text = S(kTretiTabule);
                st.TextDP2.Text = s.SDekor4.DDekor.Nazev;
            }
        }
    }

    // 9. Muntin, with its own width.
    if (zakazkaVyplne && s.MrizkaVybrana)
        st.TextMrizky.Text = s.SMrizka.DMrizka.Nazev + ", " + S(kSirka) + " " + N(s.SMrizka.DMrizka.SSirka);
    else
        st.TextMrizky.Text.clear();

    // 10. Accessories.
    s.SMadlo = false;
    const bool popsat = s.DoplnkyVybrany || s.SOMrizka > 0;
    const TODoplnek *sloty[4] = {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4};
    for (int i = 0; i < 4; ++i) {
        bool umisten = false;
        bool svisle = false;
        if (popsat && (i == 0 || s.DoplnkyVybrany)) {
            const TDDoplnek &d = sloty[i]->DDoplnek;
            umisten = zakazkaVyplne && d.Polozka >= 0 && d.Namontovat && d.Umisten;
            st.TextDoplnku[i].Text = popisDoplnku(s, d, zakazkaVyplne);
            if (umisten) {
                ZnackyDoplnku z{st.Shape[i], st.MShape[i], st.SShape[i]};
                UmistiDoplnek(d, st.Rantl, z);
                st.Shape[i] = z.Shape;
                st.MShape[i] = z.MShape;
                st.SShape[i] = z.SShape;
                svisle = d.MadloVert;
            }
        } else {
            st.TextDoplnku[i].Text.clear();
        }
        st.Shape[i].Viditelny = umisten;
        st.MShape[i].Viditelny = umisten && svisle;
        st.SShape[i].Viditelny = umisten && svisle;
    }

    // 11. Reinforcement: a handle needs the reinforced core.
    if (s.SMadlo && s.SVyztuz < 1 && !s.SHlinik && !s.SHlinik2 && !s.SGlas) {
        s.SVyztuz = 7;
        s.PrepisMadlo = true;
    }
    if (s.SVyztuz < 0) {
        if (s.ProselVyztuze || !s.ProjitVyztuze)
            st.TextVyztuze.Text.clear();
        else
            nastav(st.TextVyztuze, S(kVyztuzOtaznik), BarvaTextu::Cervena);
    } else {
        nastav(st.TextVyztuze, cVyztuz(s.SVyztuz), BarvaTextu::Okno);
    }

    // 12. Notes.
    for (std::size_t i = 0; i < 4; ++i)
        st.TxPozn[i].Text = i < s.SPoznamky.size() ? s.SPoznamky[i] : std::string();

    // 13. Notes, order, quote and save.
    st.CommentButton = vyplnZvolena || s.DoplnkyVybrany || s.SOMrizka > 0;
    const bool objVyplne = s.VyplnVybrana && (s.RozmerVybran || s.FixRozmer) && s.BarvyVybrany &&
                           (!s.SPrekryvna || (s.PrekryvVybran && s.Prekryv2Vybran)) &&
                           (s.ProselVyztuze || !s.ProjitVyztuze) && (s.DekoryVybrany || s.SZaskleni == 0);
    st.ObjButtonPovolen = (s.TypZakazky == 2 && s.DoplnkyVybrany) || objVyplne;
    st.NabButtonPovolen = st.ObjButtonPovolen;
    s.ObjMozna = st.ObjButtonPovolen;
    st.Ulozit = s.apEdited;
    st.Jako = s.apEdited;
    st.StartButton = true;
    st.Predvolby = false;

    // 14. Geometry for the dialogs and printouts.
    ulozGeometrii(s, st, in);
    return st;
}

} // namespace qmr
