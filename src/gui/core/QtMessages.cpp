#include "gui/core/QtMessages.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QPointer>

#include <vector>

namespace qmr {

namespace {

using SB = QMessageBox::StandardButton;

// The buttons of the box in their order, and the one Escape presses.
struct Tlacitka {
    std::vector<SB> poradi;
    SB escape;
};

Tlacitka TlacitkaZ(unsigned Flags)
{
    switch (Flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{SB::Ok, SB::Cancel}, SB::Cancel};
    case MB_ABORTRETRYIGNORE:
        return {{SB::Abort, SB::Retry, SB::Ignore}, SB::Abort};
    case MB_YESNOCANCEL:
        return {{SB::Yes, SB::No, SB::Cancel}, SB::Cancel};
    case MB_YESNO:
        return {{SB::Yes, SB::No}, SB::No};
    case MB_RETRYCANCEL:
        return {{SB::Retry, SB::Cancel}, SB::Cancel};
    case MB_OK:
    default:
        return {{SB::Ok}, SB::Ok};
    }
}

QMessageBox::Icon IkonaZ(unsigned Flags)
{
    switch (Flags & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Polish texts on the buttons whatever the system language is.
QString Popisek(SB b)
{
    switch (b) {
    case SB::Ok:
        return QStringLiteral("OK");
    case SB::Cancel:
        return QStringLiteral("Anuluj");
    case SB::Yes:
        return QStringLiteral("Tak");
    case SB::No:
        return QStringLiteral("Nie");
    case SB::Abort:
        return QStringLiteral("Przerwij");
    case SB::Retry:
        return QStringLiteral("Ponów");
    case SB::Ignore:
        return QStringLiteral("Ignoruj");
    default:
        return {};
    }
}

} // namespace

int QtMessages::IdTlacitka(QMessageBox::StandardButton b)
{
    switch (b) {
    case SB::Ok:
        return IDOK;
    case SB::Cancel:
        return IDCANCEL;
    case SB::Abort:
        return IDABORT;
    case SB::Retry:
        return IDRETRY;
    case SB::Ignore:
        return IDIGNORE;
    case SB::Yes:
        return IDYES;
    case SB::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

QMessageBox *QtMessages::VytvorBox(const std::string &Nadpis, const std::string &Text, unsigned Flags,
                                   QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setWindowTitle(QString::fromStdString(Nadpis));
    box->setText(QString::fromStdString(Text));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(IkonaZ(Flags));
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowFlag(Qt::WindowStaysOnTopHint, true);

    const Tlacitka t = TlacitkaZ(Flags);
    for (SB b : t.poradi)
        box->addButton(b)->setText(Popisek(b));
    // MB_DEFBUTTON1..3 count the buttons in their order; one past the last means the first.
    const std::size_t def = (Flags & MB_DEFMASK) >> 8;
    box->setDefaultButton(t.poradi[def < t.poradi.size() ? def : 0]);
    box->setEscapeButton(box->button(t.escape));
    return box;
}

int QtMessages::Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QPointer<QMessageBox> box = VytvorBox(Nadpis, Text, Flags, parent);
    const int r = box->exec();
    int id = IdTlacitka(static_cast<SB>(r));
    // exec() gives the standard button; a box closed otherwise answers like Escape.
    if (box && box->clickedButton() == nullptr)
        id = IdTlacitka(box->standardButton(box->escapeButton()));
    delete box;
    return id;
}

} // namespace qmr
