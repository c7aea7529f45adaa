#include "gui/admin/UAboutView.h"

#include "core/Messages.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtPictureStore.h"

#include <QFont>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qmr {

namespace {

QLabel *Popisek(const char *jmeno, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

} // namespace

AboutView::AboutView(const Session &s, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    const About a(s);
    setObjectName(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setWindowTitle(QStr(a.Titulek()));

    auto *lay = new QVBoxLayout(this);
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setAlignment(Qt::AlignHCenter);
    const QImage img = QtPictureStore::Nacti(a.Logo());
    if (img.isNull())
        chybaLoga_ = QStringLiteral("Cannot open file \"%1\". ").arg(QStr(a.Logo()))
                     + (QtPictureStore::Najdi(a.Logo()).empty() ? QStringLiteral("No such file or directory")
                                                                : QStringLiteral("The picture cannot be decoded"));
    else
        logo->setPixmap(QPixmap::fromImage(img)); // at its own size
    logo->setVisible(!img.isNull());
    lay->addWidget(logo);

    QLabel *nazev = Popisek("Label1", QStr(a.Nazev()), this);
    QFont f = nazev->font();
    f.setBold(true);
    nazev->setFont(f);
    lay->addWidget(nazev);
    lay->addWidget(Popisek("Label2", QStr(a.Autor()), this));
    lay->addWidget(Popisek("Label3", QStr(a.Web1()), this));
    lay->addWidget(Popisek("Label4", QStr(a.Web2()), this));

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OKbutton"));
    ok_->setDefault(true); // Enter and Escape both close the box
    connect(ok_, &QPushButton::clicked, this, &QDialog::close);
    auto *radek = new QHBoxLayout;
    radek->addStretch(1);
    radek->addWidget(ok_);
    radek->addStretch(1);
    lay->addSpacing(8);
    lay->addLayout(radek);

    ZafixujVelikost(this);
    Umisti(this, UmistiDialog(s, width(), height()));
}

AboutView *AboutView::Ukaz(const Session &s, Messages &m, QWidget *parent)
{
    auto *a = new AboutView(s, parent);
    if (!a->ChybaLoga().isEmpty())
        ShowCommandError(m, StdStr(a->ChybaLoga()));
    a->show();
    return a;
}

} // namespace qmr
