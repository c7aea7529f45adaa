#pragma once
// The main window: the view of the main-window model (mainwindow/UVolbaModel.h). It
// holds the controls, applies every refresh's VolbaStav (only what differs from the state
// applied last) and runs the commands of the menus and buttons in the order of
// mainwindow/UVolba.h, showing the dialogs of VolbaDialogy.
//
// The refresh runs on every activation and, deferred and guarded, after every paint of
// the client area; a refresh that changes nothing writes nothing, so it triggers no
// further paint. Commands refresh synchronously where the model says "repaint".
#include "catalogues/PictureStore.h"
#include "gui/mainwindow/VolbaDialogy.h"
#include "jobfiles/UZapis.h"
#include "mainwindow/UVolba.h"
#include "mainwindow/UVolbaModel.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QPushButton;

namespace qmr {

class Clock;
class FileDialogs;
class Messages;
class TPlocha;
class TVypinac;
struct Kresba;

// The platform services of the window; the application passes the Qt ones, tests fakes.
struct Platforma {
    Messages &Zpravy;
    FileDialogs &Soubory;
    PictureStore &Obrazky;
    const Clock &Hodiny;
    // The picture a store target holds now, for painting (empty function: none shown).
    std::function<QImage(PictureStore::Target)> Obraz;
};

class TVolba : public QMainWindow {
    Q_OBJECT
public:
    // Client area of the design, fixed.
    static constexpr int kSirka = 998;
    static constexpr int kVyska = 614;

    // FormCreate: loads the partners, the window's session state (VolbaVytvor), centres
    // the window, checks the command line (the arguments after the program name) and
    // applies the initial state. The window is not shown yet.
    TVolba(Session &s, Platforma p, VolbaDialogy d, const std::vector<std::string> &argumenty = {},
           QWidget *parent = nullptr);
    ~TVolba() override;

    // The dialogs can be set after creation (they need the window as parent).
    void setDialogy(VolbaDialogy d) { dialogy_ = std::move(d); }

    // The refresh (FormActivate): runs the command-line load on the first call, then the
    // model's refresh, and applies the differences.
    void Obnov();
    // Repaint: the refresh now, then the paint.
    void Prekresli();

    // A later start asked this instance to come forward: shows the window (also when
    // hidden or minimised), raises and activates it.
    void Aktivuj();

    // The exit code decided when the window closed (0 before that).
    int KodUkonceni() const { return kod_; }
    bool Zavreno() const { return zavreno_; }
    // Ends the window without asking (the start-up probe): the exit code by the rule.
    int UkonciBezDotazu();

    // Called when the window has closed, with the exit code (the application ends its
    // event loop with it).
    std::function<void(int)> poZavreni;
    // Called once, after the client area was painted the first time.
    std::function<void()> poPrvnimVykresleni;

    // What the window shows now and how many control properties the refreshes wrote.
    const VolbaStav &Stav() const { return stav_; }
    long PocetZapisu() const { return zapisy_; }
    TZapis &Zapis() { return zapis_; }

    // Commands (the menu items and buttons call these).
    void StartButtonClick();
    void BarvyButtonClick();
    void RozmerButtonClick();
    void VyztuzButtonClick();
    void VitrazButtonClick();
    void DekoryButtonClick();
    void MrizkyButtonClick();
    void DoplnkyButtonClick();
    void CommentButtonClick();
    void ObjButtonClick();
    void NabButtonClick();
    void TextRamecku1Click();
    void TextRamecku2Click();
    void NovyClick();
    void OtevritClick();
    void UlozitClick();
    void JakoClick();
    void DefinicecenClick();
    void PredvolbyClick();
    void DefiniceOdbClick();
    void DefiniceDodClick();
    void PrepocetClick();
    void NastavTiskClick();
    void OprogramuClick();
    void TestClick();

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Vytvor();
    void VytvorMenu();
    void VytvorPanel1();
    void VytvorPanel2();
    void VytvorPanel3();
    QLabel *Popisek(QWidget *parent, const char *jmeno, QRect r, bool castka = false);
    void Svaz(QLabel *w, std::function<const Popis &(const VolbaStav &)> clen);

    void Pouzij(const VolbaStav &novy, const VolbaStav &stary, bool vse);
    // Runs f on the window's state and applies what it changed.
    template <class F> void ZmenStav(F &&f);
    VolbaRozmery Rozmery() const;
    Kresba KresbaZ(const VolbaStav &st) const;
    void NaplanujObnovu();
    // Runs a command; a failure is reported and ends it.
    template <class F> void Prikaz(F &&f);
    int Dialog(const VolbaDialogy::Dialog &d);
    void NastavTitulek(const std::string &t);
    void Stisk(QPoint p);
    void BarvaRamu(int strana);

    Session &s_;
    Platforma p_;
    VolbaDialogy dialogy_;
    TZapis zapis_;
    PrikazovaRadka radka_;
    VolbaStav stav_;

    bool vObnove_ = false;
    bool obnovaNaplanovana_ = false;
    bool prvniVykresleni_ = true;
    bool zavreno_ = false;
    int kod_ = 0;
    long zapisy_ = 0;

    TPlocha *plocha_ = nullptr;
    QFrame *panel1_ = nullptr;
    QFrame *panel2_ = nullptr;
    QFrame *panel3_ = nullptr;
    TVypinac *vypinac_ = nullptr;
    QPushButton *startButton_ = nullptr;
    QPushButton *barvyButton_ = nullptr;
    QPushButton *rozmerButton_ = nullptr;
    QPushButton *vyztuzButton_ = nullptr;
    QPushButton *vitrazButton_ = nullptr;
    QPushButton *dekoryButton_ = nullptr;
    QPushButton *mrizkyButton_ = nullptr;
    QPushButton *doplnkyButton_ = nullptr;
    QPushButton *commentButton_ = nullptr;
    QPushButton *objButton_ = nullptr;
    QPushButton *nabButton_ = nullptr;
    QAction *ulozit_ = nullptr;
    QAction *jako_ = nullptr;
    QAction *predvolby_ = nullptr;
    QAction *test_ = nullptr;
    std::vector<std::pair<QLabel *, std::function<const Popis &(const VolbaStav &)>>> popisky_;
};

} // namespace qmr
