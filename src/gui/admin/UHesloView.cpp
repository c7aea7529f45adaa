#include "gui/admin/UHesloView.h"

#include "gui/core/DialogHelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace qmr {

HesloView::HesloView(const Session &s, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Heslo"));
    setWindowTitle(QString::fromUtf8(Heslo::kTitulek));
    // Background in the info colour.
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    setAutoFillBackground(true);

    auto *label = new QLabel(QString::fromUtf8(Heslo::kVyzva), this);
    label->setObjectName(QStringLiteral("Label1"));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("HesloText"));
    edit_->setMaxLength(Heslo::kMaxDelka);
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    label->setBuddy(edit_);
    ok_ = new QPushButton(QStringLiteral("O&K"), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);

    auto *radek = new QHBoxLayout;
    radek->addWidget(edit_, 1);
    radek->addWidget(ok_);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(label);
    lay->addLayout(radek);

    connect(edit_, &QLineEdit::textChanged, this, [this](const QString &t) { logika_.setText(StdStr(t)); });
    // A wrong password closes the dialog like Cancel.
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (logika_.Prijato())
            accept();
        else
            reject();
    });

    ZafixujVelikost(this);
    Umisti(this, UmistiDialog(s, width(), height()));
}

bool HesloView::Over(const Session &s, QWidget *parent)
{
    HesloView d(s, parent);
    return d.exec() == QDialog::Accepted;
}

} // namespace qmr
