#include "gui/documents/ObjedView.h"

#include "documents/UObjed.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtFileDialogs.h"
#include "gui/partners/PartneriViews.h"
#include "jobfiles/UZapis.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace qmr {

ObjedView::ObjedView(TObjed &d, QWidget *parent) : FormularView(d, parent), d_(d)
{
    QVBoxLayout *l = Zacni();

    // Number and date.
    QHBoxLayout *h = RadekCisla(TObjed::kTxObjed);
    h->addStretch();
    l->addLayout(h);

    RadekPoctu(l, TObjed::kTxLine1, TObjed::kTxLine2);
    RadkyZakazky(l);
    PolePoznamek(l);

    // Transport and price.
    auto *v = new QHBoxLayout;
    DopravaACena(v);
    l->addLayout(v);

    uloz_ = RadekPodpisu(l, TObjed::kUlozButton, "UlozButton", CilFokusu::Uloz);
    connect(uloz_, &QPushButton::clicked, this, Tlacitko(CilFokusu::Uloz, [this] { d_.UlozClick(); }));
    Dokonci();
}

void ObjedView::ObnovDalsi()
{
    dopravaBox_->setEnabled(d_.DopravaPovolena());
    TxCena()->setVisible(d_.TxCenaViditelna());
    uloz_->setVisible(d_.UlozViditelny());
    uloz_->setEnabled(d_.UlozViditelny());
}

bool ObjedView::TerminOdchod() { return d_.TerminExit(); }

int SpustObjednavku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                    ObjedAkce akce, QWidget *parent)
{
    // The form's own dialogs are parented to it once it exists.
    const RodicFormulare rodic(parent);
    DoplnAkce(akce, s, m, hodiny, tisk, rodic, true);
    if (!akce.Odberatel)
        akce.Odberatel = [&s, &m, rodic] { return SpustOdberatele(s, m, rodic()); };
    if (!akce.Dodavatel)
        akce.Dodavatel = [&s, &m, rodic] { return SpustDodavatele(s, m, rodic()); };
    if (!akce.TestZapisu)
        akce.TestZapisu = [&s, &m, &hodiny] {
            QtFileDialogs dialogy;
            TZapis zapis(s, m, hodiny, dialogy);
            return zapis.TestZapisu();
        };
    if (!akce.VlastniPriloha)
        akce.VlastniPriloha = [&s]() -> std::string {
            QtFileDialogs dialogy;
            return dialogy.Open("", s.DataPath, "").value_or(std::string());
        };
    TObjed d(s, m, hodiny, mail, std::move(akce));
    ObjedView v(d, parent);
    return SpustFormular(v, rodic);
}

} // namespace qmr
