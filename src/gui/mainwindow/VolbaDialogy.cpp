#include "gui/mainwindow/VolbaDialogy.h"

#include "core/Messages.h"
#include "documents/UNabidka.h"
#include "documents/UObjed.h"
#include "transmission/UJason.h"
#include "gui/admin/UAboutView.h"
#include "gui/admin/UHesloView.h"
#include "gui/admin/UKoefView.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/XdgMailClient.h"
#include "gui/core/Tiskarna.h"
#include "gui/dialogs/infill/QtDialogRunner.h"
#include "gui/dialogs/options/BarvaView.h"
#include "gui/dialogs/options/DekoryView.h"
#include "gui/dialogs/options/DoplSupView.h"
#include "gui/dialogs/options/DoplnkyView.h"
#include "gui/dialogs/options/PoznamkyView.h"
#include "gui/dialogs/options/PrekrSpecView.h"
#include "gui/dialogs/options/PrekryvView.h"
#include "gui/documents/NabidkaView.h"
#include "gui/documents/ObjedView.h"
#include "gui/documents/TiskDokumentu.h"
#include "gui/dialogs/options/MrizkyView.h"
#include "gui/dialogs/options/VitrazView.h"
#include "gui/dialogs/options/RozmerView.h"
#include "gui/partners/PartneriViews.h"
#include "gui/pricing/UCenyDefView.h"

#include <QPointer>
#include <memory>
#include <QWidget>

namespace qmr {

namespace {

int Vysledek(bool potvrzeno) { return potvrzeno ? IDOK : IDCANCEL; }

} // namespace

VolbaDialogy StandardniDialogy(Session &s, Messages &m, Tiskarna &tisk, const PictureStore &obrazky,
                               const Clock &hodiny, QWidget *okno)
{
    VolbaDialogy d;
    d.Barvy = [&s, &obrazky, okno] { return SpustBarvy(s, obrazky, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    d.BarvaRamu = [&s, &obrazky, okno] {
        return SpustBarvuRamu(s, obrazky, okno) == kVysledekOK ? IDOK : IDCANCEL;
    };
    d.Rozmer = [&s, &m, okno] { return SpustRozmer(s, m, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    d.Dekory = [&s, &m, &obrazky, okno] { return SpustDekory(s, m, obrazky, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    // Stained glass and muntins: 1 chosen, 7 cleared, 2 cancelled.
    d.Vitraz = [&s, &obrazky, okno] { return SpustVitraz(s, obrazky, okno); };
    d.Mrizky = [&s, &obrazky, okno] { return SpustMrizky(s, obrazky, okno); };
    // Accessories: 1 chosen, 7 cleared, 2 cancelled.
    d.Doplnky = [&s, &m, &obrazky, okno] { return SpustDoplnky(s, m, obrazky, okno); };
    d.DoplSup = [&s, &obrazky, okno] {
        // Placement over the window's current drawing (none with another picture store).
        const auto *qt = dynamic_cast<const QtPictureStore *>(&obrazky);
        const QImage obraz = qt ? qt->Image(PictureStore::Target::Picture) : QImage();
        const QImage skla = qt ? qt->Image(PictureStore::Target::PomRys) : QImage();
        return SpustDoplSup(s, obraz, skla, okno) == kVysledekOK ? IDOK : IDCANCEL;
    };
    d.Poznamky = [&s, &m, okno] { return SpustPoznamky(s, m, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    d.Dodavatel = [&s, &m, okno] { return SpustDodavatele(s, m, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    d.Odberatel = [&s, &m, okno] { return SpustOdberatele(s, m, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    auto posta = std::make_shared<XdgMailClient>();
    d.SeznamFirem = [&s, &m, posta, okno] {
        return SpustVyberOdberatele(s, m, *posta, okno) == kVysledekOK ? IDOK : IDCANCEL;
    };
    d.Prepocet = [&s, &m, okno] { return SpustKoef(s, m, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    d.PrekrSpec = [&s, &m, okno] { return SpustPrekrSpec(s, m, okno) == kVysledekOK ? IDOK : IDCANCEL; };
    d.Prekr2Spec = d.PrekrSpec; // one function for both passes: the session names the side
    d.Prekryv = [&s, &m, &obrazky, okno] {
        // The fastening sketch shows the overlay's glass picture.
        const auto *qt = dynamic_cast<const QtPictureStore *>(&obrazky);
        const QImage sklo = qt ? qt->Image(PictureStore::Target::PomRys) : QImage();
        return SpustPrekryv(s, m, sklo, okno) == kVysledekOK ? IDOK : IDCANCEL;
    };
    // The quote: printed through the printer dialog, mailed, or sent to the gateway.
    auto brana = std::make_shared<TMujJas>(s, m);
    d.Nabidka = [&s, &m, &tisk, &obrazky, &hodiny, posta, brana, okno] {
        NabidkaAkce akce;
        const auto *qt = dynamic_cast<const QtPictureStore *>(&obrazky);
        akce.Tisk = [&s, &m, &tisk, qt, &hodiny, okno](const DataNabidky &data) {
            TiskniNabidku(s, m, tisk, qt, hodiny, data, {false, {}, okno});
        };
        akce.Status = [brana] { return brana->DejStatus(false, true); };
        akce.Posli = [brana](const ZpravaBrany &z) {
            return brana->PosliNeco(z.Typ, z.Adresat, z.Predmet, z.Obsah, z.PredmetPotvr, z.ObsahPotvr, z.Priloha,
                                    z.Priloha2, z.NazevRysu, z.TypZakazky);
        };
        return SpustNabidku(s, m, hodiny, *posta, &tisk, std::move(akce), okno) == kVysledekOK ? IDOK : IDCANCEL;
    };
    // The order: printed through the printer dialog, mailed with the job file, or sent to
    // the gateway.
    d.Objednavka = [&s, &m, &tisk, &obrazky, &hodiny, posta, brana, okno] {
        ObjedAkce akce;
        const auto *qt = dynamic_cast<const QtPictureStore *>(&obrazky);
        akce.Tisk = [&s, &m, &tisk, qt, &hodiny, okno](const DataObjednavky &data) {
            TiskniObjednavku(s, m, tisk, qt, hodiny, data, {false, {}, okno});
        };
        akce.Status = [brana] { return brana->DejStatus(false, true); };
        akce.Posli = [brana](const ZpravaBrany &z) {
            return brana->PosliNeco(z.Typ, z.Adresat, z.Predmet, z.Obsah, z.PredmetPotvr, z.ObsahPotvr, z.Priloha,
                                    z.Priloha2, z.NazevRysu, z.TypZakazky);
        };
        return SpustObjednavku(s, m, hodiny, *posta, &tisk, std::move(akce), okno) == kVysledekOK ? IDOK : IDCANCEL;
    };
    d.Heslo = [&s, okno] { return Vysledek(HesloView::Over(s, okno)); };
    d.CenyDef = [&s, &m, okno] { return Vysledek(CenyDefView::Spust(s, m, okno)); };
    d.Predvolby = [&s, &m, okno] { return Vysledek(DefaultView::Spust(s, m, okno)); };
    d.Okna = std::make_shared<QtDialogRunner>(okno);
    d.Vyztuz = [&s, okno] { return SpustVyztuz(s, okno); };
    d.NastavTisk = [&tisk, okno] { return Vysledek(tisk.NastavTisk(okno)); };
    // One about box at a time; a second click brings the open one forward.
    auto about = std::make_shared<QPointer<AboutView>>();
    d.Oprogramu = [&s, &m, okno, about] {
        if (*about) {
            (*about)->raise();
            (*about)->activateWindow();
            return;
        }
        *about = AboutView::Ukaz(s, m, okno);
    };
    return d;
}

} // namespace qmr
