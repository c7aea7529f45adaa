#pragma once
// Thin modal views of the partner dialogs: the supplier, the dealer's company (customer),
// the customer list and the end customer. Every caption, text, limit and visibility comes
// from the logic objects (partners/UNaseDefDlg.h, UJejichDefDlg.h, UVKFirmy.h,
// UZakazdefDlg.h); a view passes each edit and click on and re-reads the whole state.
#include "partners/UJejichDefDlg.h"
#include "partners/UNaseDefDlg.h"
#include "partners/UVKFirmy.h"
#include "partners/UZakazdefDlg.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qmr {

class MailClient;
class Messages;
struct Session;

// The edit fields of a form built from a list of PoleEditu: one row per captioned field;
// a field without a caption sits below the one before, or beside a postal code.
class PoleFormulare {
public:
    // Builds the rows into the grid of parent. nastav(i, text) passes an edit of field i on.
    PoleFormulare(QWidget *parent, QGridLayout *mrizka, int radek, const std::vector<PoleEditu> &pole,
                  std::function<void(int, const std::string &)> nastav);
    QLineEdit *Edit(int i) const { return edity_[i]; }
    QLabel *Popisek(int i) const { return popisky_[i]; } // null for a field without a caption
    int Radku() const { return radku_; }
    // Copies texts and limits into the edits.
    void Obnov(const std::vector<PoleEditu> &pole);

private:
    std::vector<QLineEdit *> edity_;
    std::vector<QLabel *> popisky_;
    int radku_ = 0;
};

class NaseDefView : public QDialog {
    Q_OBJECT
public:
    NaseDefView(TNaseDef &v, Messages &zpravy, QWidget *parent);
    QLineEdit *Edit(PoleDodavatele p) const { return pole_->Edit(static_cast<int>(p)); }
    QLabel *Popisek(PoleDodavatele p) const { return pole_->Popisek(static_cast<int>(p)); }
    QLabel *StaticText1() const { return text1_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    void Obnov();

private:
    TNaseDef &v_;
    std::unique_ptr<PoleFormulare> pole_;
    QLabel *text1_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
};

class JejichDefView : public QDialog {
    Q_OBJECT
public:
    JejichDefView(TJejichDef &v, QWidget *parent);
    ~JejichDefView() override;
    QLineEdit *Edit(PoleFirmy p) const { return pole_->Edit(static_cast<int>(p)); }
    QLabel *Popisek(PoleFirmy p) const { return pole_->Popisek(static_cast<int>(p)); }
    QLabel *Label1() const { return label1_; }
    QLabel *Label14() const { return label14_; }
    QGroupBox *MapiGroup() const { return mapi_; }
    QRadioButton *Polozka(int i) const { return polozky_[i]; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    void Obnov();

private:
    void zmenaFokusu(QWidget *stary, QWidget *novy);

    TJejichDef &v_;
    std::unique_ptr<PoleFormulare> pole_;
    QLabel *label1_ = nullptr;
    QLabel *label14_ = nullptr;
    QGroupBox *mapi_ = nullptr;
    std::vector<QRadioButton *> polozky_;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    QMetaObject::Connection fokus_;
};

class VKFirmyView : public QDialog {
    Q_OBJECT
public:
    VKFirmyView(TVKFirmy &v, QWidget *parent);
    QListWidget *Seznam() const { return seznam_; }
    // Pomkod, Naz1, Naz2, SUlice, SObec, STelef, SFax, SMail, SOsoba, DDUlice, DDObec.
    QLabel *Stitek(const char *jmeno) const;
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    void Obnov();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    TVKFirmy &v_;
    QListWidget *seznam_ = nullptr;
    std::vector<QLabel *> stitky_;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool plnim_ = false;
};

class ZakazdefView : public QDialog {
    Q_OBJECT
public:
    ZakazdefView(TZakazdef &v, QWidget *parent);
    QLineEdit *Edit(PoleZakaznika p) const { return pole_->Edit(static_cast<int>(p)); }
    QLabel *Popisek(PoleZakaznika p) const { return pole_->Popisek(static_cast<int>(p)); }
    QPushButton *OKButton() const { return ok_; }
    void Obnov();

private:
    TZakazdef &v_;
    std::unique_ptr<PoleFormulare> pole_;
    QPushButton *ok_ = nullptr;
};

// The supplier dialog, modal: 1 when confirmed (DATA/quilmar.qmr written, s.Quilmar
// reloaded), 2 when cancelled (nothing written). A failed write is reported through
// zpravy and keeps the dialog open.
int SpustDodavatele(Session &s, Messages &zpravy, QWidget *parent);

// The customer dialog, modal: 1 when confirmed ([Firma] written with MapiGroup 0,
// s.Firma reloaded), 2 when cancelled. zpravy shows the e-mail checks and write errors.
int SpustOdberatele(Session &s, Messages &zpravy, QWidget *parent);

// The customer list, modal: 1 when a company was chosen and confirmed ([Firma] written,
// s.Firma and s.SCeny reloaded), 2 when cancelled. posta opens a message to a company's
// address.
int SpustVyberOdberatele(Session &s, Messages &zpravy, MailClient &posta, QWidget *parent);

// The end-customer dialog, modal: 1 when confirmed (s.Zakaznik.Data stored), 2 when
// closed by the window frame (nothing stored). zpravy is not used (uniform call).
int SpustZakaznika(Session &s, Messages &zpravy, QWidget *parent);

} // namespace qmr
