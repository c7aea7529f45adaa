#include "gui/documents/NabidkaView.h"

#include "documents/UNabidka.h"
#include "gui/core/DialogHelpers.h"
#include "gui/documents/FormularPrvky.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace qmr {

using namespace formular;

NabidkaView::NabidkaView(TNabidka &d, QWidget *parent) : FormularView(d, parent), d_(d)
{
    QVBoxLayout *l = Zacni();

    // Number, date, validity.
    QHBoxLayout *h = RadekCisla(TNabidka::kTxObjed);
    h->addSpacing(20);
    h->addWidget(new QLabel(QStr(TNabidka::kTxPlat1), this));
    platnost_ = new QSpinBox(this);
    platnost_->setObjectName(QStringLiteral("Platnost"));
    platnost_->setRange(TNabidka::kMinPlatnost, TNabidka::kMaxPlatnost);
    h->addWidget(platnost_);
    h->addWidget(new QLabel(QStr(TNabidka::kTxPlat2), this));
    h->addStretch();
    l->addLayout(h);

    RadekPoctu(l, TNabidka::kTxLine1, nullptr);
    RadkyZakazky(l);
    PolePoznamek(l);

    // Version, transport, price.
    auto *v = new QHBoxLayout;
    auto *verzeBox = new QGroupBox(QStr(TNabidka::kVerze), this);
    verzeBox->setObjectName(QStringLiteral("Verze"));
    verze_ = Skupina(this, verzeBox, TNabidka::kVerzeProsta, TNabidka::kVerzePlna);
    v->addWidget(verzeBox);
    DopravaACena(v);
    l->addLayout(v);

    RadekPodpisu(l);

    connect(platnost_, &QSpinBox::valueChanged, this, [this](int n) {
        if (obnovuji_)
            return;
        d_.NastavPlatnost(n);
        Obnov();
    });
    connect(verze_, &QButtonGroup::idClicked, this, [this](int i) {
        d_.VerzeClick(i);
        Obnov();
    });
    Dokonci();
}

void NabidkaView::ObnovDalsi()
{
    platnost_->setValue(d_.Platnost());
    TxLine2()->setText(QStr(d_.TxLine2()));
    verze_->button(d_.Verze())->setChecked(true);
}

bool NabidkaView::TerminOdchod()
{
    d_.TerminExit();
    return false;
}

int SpustNabidku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                 NabidkaAkce akce, QWidget *parent)
{
    // The form's own dialogs are parented to it once it exists.
    const RodicFormulare rodic(parent);
    DoplnAkce(akce, s, m, hodiny, tisk, rodic, false);
    TNabidka d(s, m, hodiny, mail, std::move(akce));
    NabidkaView v(d, parent);
    return SpustFormular(v, rodic);
}

} // namespace qmr
