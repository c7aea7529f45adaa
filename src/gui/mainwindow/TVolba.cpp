#include "gui/mainwindow/TVolba.h"

#include "core/Constants.h"
#include "core/Messages.h"
#include "gui/mainwindow/Start.h"
#include "gui/mainwindow/TPlocha.h"
#include "gui/mainwindow/TVypinac.h"
#include "dialogs/infill/StartFlow.h"
#include "mainwindow/UCenyPanel.h"
#include "mainwindow/UGrafika.h"
#include "mainwindow/VolbaTexty.h"
#include "partners/UJejichDef.h"
#include "partners/UNaseDef.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace qmr {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Layout of the client area (pixels). The model places the panels and buttons from
// their sizes; the rows inside the panels are fixed here.
constexpr int kPanel1Sirka = 655;
constexpr int kPanel2Sirka = 80;
constexpr int kPanel3Sirka = 420;
constexpr int kRadek = 17;       // height of a summary line
constexpr int kPrvniRadek = 6;   // top of the first summary line
constexpr int kPocetRadku = 26;
constexpr int kPanel1Vyska = kPrvniRadek * 2 + kPocetRadku * kRadek;
constexpr int kTlacitkoX = 8, kTlacitkoSirka = 118, kTlacitkoVyska = 26, kTlacitkoKrok = 30;
constexpr int kSloupec0 = 134;   // summary texts (and captions of the captioned lines)
constexpr int kSloupec1 = 282;   // texts of the captioned lines
constexpr int kObjNabSirka = 110, kObjNabVyska = 28;
constexpr int kVypinacLeft = 10;
constexpr int kPismo = 12;       // pixel size of the texts

// The rows of Panel1 (0-based), shared by the amounts of Panel2.
enum Radek {
    rVypln, rTloustka, rPrekryv, rRamecek1, rRamecek2, rBarva1, rBarva12, rBarva2,
    rRozmer, rPrekryvy, rPrekryvy2, rVyztuz, rVitraz, rSklo1, rSkloP, rSkloP2, rSklo2,
    rMrizka, rDoplnek1, rPozn1 = rDoplnek1 + 4,
};
static_assert(rPozn1 + 4 == kPocetRadku);

int RadekY(int r) { return kPrvniRadek + r * kRadek; }

QColor BarvaPopisu(BarvaTextu b)
{
    return b == BarvaTextu::Cervena ? QColor(Qt::red) : QColor(Qt::black);
}

// A label that reports a click (the frame-colour labels).
class TKlikPopis : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> priKliku;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && priKliku)
            priKliku();
        QLabel::mousePressEvent(e);
    }
};

QFrame *NovyPanel(QWidget *parent, const char *jmeno)
{
    auto *p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(jmeno));
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(1);
    p->setAutoFillBackground(true);
    return p;
}

} // namespace

// ---- Creation ---------------------------------------------------------------------------

TVolba::TVolba(Session &s, Platforma p, VolbaDialogy d, const std::vector<std::string> &argumenty,
               QWidget *parent)
    : QMainWindow(parent), s_(s), p_(p), dialogy_(std::move(d)), zapis_(s, p.Zpravy, p.Hodiny, p.Soubory)
{
    setObjectName(Q(kMainWindowClass));
    Vytvor();

    // The supplier and the customer company first: the customer file gives apFirma (for
    // the caption) and the folder of job files DataPath (for apPath).
    RunCommand(p_.Zpravy, [this] { Nacti(s_, s_.Quilmar); });
    RunCommand(p_.Zpravy, [this] { Nacti(s_, s_.Firma); });
    stav_ = VolbaVytvor(s_, p_.Hodiny);
    if (!stav_.ChybaOceneni.empty())
        ShowCommandError(p_.Zpravy, stav_.ChybaOceneni);

    setWindowIcon(NactiIkonu(s_));

    const QSize okno = sizeHint();
    int sw = okno.width(), sh = okno.height();
    if (const QScreen *scr = QGuiApplication::primaryScreen()) {
        sw = scr->geometry().width();
        sh = scr->geometry().height();
    }
    const auto [left, top] = VystredOkno(s_, sw, sh, okno.width(), okno.height());
    move(left, top);

    // The surcharge lines are decided at creation: rows only for the shown ones.
    VytvorPanel3();

    radka_ = KontrolaPrikazoveRadky(argumenty, p_.Zpravy);
    Pouzij(stav_, stav_, true);
}

TVolba::~TVolba()
{
    s_.VolbaNeniNil = false;
}

void TVolba::Vytvor()
{
    plocha_ = new TPlocha(this);
    plocha_->setObjectName(QStringLiteral("Plocha"));
    plocha_->setFixedSize(kSirka, kVyska);
    QFont pismo(QStringLiteral("DejaVu Sans"));
    pismo.setPixelSize(kPismo);
    plocha_->setFont(pismo);
    setCentralWidget(plocha_);
    plocha_->priKresleni = [this] {
        NaplanujObnovu();
        if (prvniVykresleni_) {
            prvniVykresleni_ = false;
            QTimer::singleShot(0, this, [this] {
                if (poPrvnimVykresleni)
                    poPrvnimVykresleni();
            });
        }
    };
    plocha_->priStisku = [this](QPoint p) { Stisk(p); };

    VytvorMenu();
    VytvorPanel1();
    VytvorPanel2();

    objButton_ = new QPushButton(Q(kObjButton), plocha_);
    objButton_->setObjectName(QStringLiteral("ObjButton"));
    objButton_->resize(kObjNabSirka, kObjNabVyska);
    nabButton_ = new QPushButton(Q(kNabButton), plocha_);
    nabButton_->setObjectName(QStringLiteral("NabButton"));
    nabButton_->resize(kObjNabSirka, kObjNabVyska);
    connect(objButton_, &QPushButton::clicked, this, &TVolba::ObjButtonClick);
    connect(nabButton_, &QPushButton::clicked, this, &TVolba::NabButtonClick);

    vypinac_ = new TVypinac(plocha_);
    vypinac_->setObjectName(QStringLiteral("Vypinac"));
    vypinac_->move(kVypinacLeft, 0);
    connect(vypinac_, &QAbstractButton::clicked, this, [this] { close(); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TVolba::VytvorMenu()
{
    QMenuBar *mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu"));
    auto polozka = [this](QMenu *m, const char *jmeno, std::string_view text, auto handler) {
        QAction *a = m->addAction(Q(text));
        a->setObjectName(QString::fromLatin1(jmeno));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    QMenu *soubor = mb->addMenu(Q(kMenuSoubor));
    soubor->setObjectName(QStringLiteral("mSoubor"));
    polozka(soubor, "Novy", kMenuNovy, &TVolba::NovyClick)->setShortcut(QKeySequence(Q(kMenuNovyZkratka)));
    polozka(soubor, "Otevrit", kMenuOtevrit, &TVolba::OtevritClick)
        ->setShortcut(QKeySequence(Q(kMenuOtevritZkratka)));
    ulozit_ = polozka(soubor, "Ulozit", kMenuUlozit, &TVolba::UlozitClick);
    ulozit_->setShortcut(QKeySequence(Q(kMenuUlozitZkratka)));
    jako_ = polozka(soubor, "Jako", kMenuJako, &TVolba::JakoClick);
    soubor->addSeparator();
    polozka(soubor, "Konec", kMenuKonec, [this] { close(); });

    QMenu *nast = mb->addMenu(Q(kMenuNastaveni));
    nast->setObjectName(QStringLiteral("Nastaveni"));
    polozka(nast, "Definicecen", kMenuDefinicecen, &TVolba::DefinicecenClick);
    predvolby_ = polozka(nast, "Predvolby", kMenuPredvolby, &TVolba::PredvolbyClick);
    nast->addSeparator();
    polozka(nast, "DefiniceOdb", s_.apVyberOdb ? kMenuDefiniceOdbVyber : kMenuDefiniceOdb,
            &TVolba::DefiniceOdbClick);
    polozka(nast, "DefiniceDod", kMenuDefiniceDod, &TVolba::DefiniceDodClick);
    nast->addSeparator();
    polozka(nast, "Prepocet", kMenuPrepocet, &TVolba::PrepocetClick);
    nast->addSeparator();
    polozka(nast, "NastavTisk", kMenuNastavTisk, &TVolba::NastavTiskClick);

    QMenu *nap = mb->addMenu(Q(kMenuNapoveda));
    nap->setObjectName(QStringLiteral("Napoveda"));
    polozka(nap, "Oprogramu", kMenuOprogramu, &TVolba::OprogramuClick);
    test_ = polozka(nap, "Test", kMenuTest, &TVolba::TestClick);
    test_->setCheckable(true);
}

QLabel *TVolba::Popisek(QWidget *parent, const char *jmeno, QRect r, bool castka)
{
    QLabel *l = castka ? new QLabel(parent) : new TKlikPopis(parent);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(r);
    if (castka) {
        QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setFamily(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(kPismo);
        l->setFont(f);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return l;
}

void TVolba::Svaz(QLabel *w, std::function<const Popis &(const VolbaStav &)> clen)
{
    popisky_.emplace_back(w, std::move(clen));
}

#define QMR_SVAZ(w, clen) Svaz(w, [](const VolbaStav &st) -> const Popis & { return st.clen; })

void TVolba::VytvorPanel1()
{
    panel1_ = NovyPanel(plocha_, "Panel1");
    panel1_->resize(kPanel1Sirka, kPanel1Vyska);

    struct Tl {
        QPushButton **w;
        const char *jmeno;
        std::string_view text;
        void (TVolba::*handler)();
    };
    const Tl tlacitka[] = {
        {&startButton_, "StartButton", kStartButton, &TVolba::StartButtonClick},
        {&barvyButton_, "BarvyButton", kBarvyButton, &TVolba::BarvyButtonClick},
        {&rozmerButton_, "RozmerButton", kRozmerButton, &TVolba::RozmerButtonClick},
        {&vyztuzButton_, "VyztuzButton", kVyztuzButton, &TVolba::VyztuzButtonClick},
        {&vitrazButton_, "VitrazButton", kVitrazButton, &TVolba::VitrazButtonClick},
        {&dekoryButton_, "DekoryButton", kDekoryButton, &TVolba::DekoryButtonClick},
        {&mrizkyButton_, "MrizkyButton", kMrizkyButton, &TVolba::MrizkyButtonClick},
        {&doplnkyButton_, "DoplnkyButton", kDoplnkyButton, &TVolba::DoplnkyButtonClick},
        {&commentButton_, "CommentButton", kCommentButton, &TVolba::CommentButtonClick},
    };
    int y = 8;
    for (const Tl &t : tlacitka) {
        auto *b = new QPushButton(Q(t.text), panel1_);
        b->setObjectName(QString::fromLatin1(t.jmeno));
        b->setGeometry(kTlacitkoX, y, kTlacitkoSirka, kTlacitkoVyska);
        connect(b, &QPushButton::clicked, this, t.handler);
        *t.w = b;
        y += kTlacitkoKrok;
    }

    const int plna = kPanel1Sirka - kSloupec0 - 6;  // a line without a caption
    const int text = kPanel1Sirka - kSloupec1 - 6;  // the text of a captioned line
    const int popis = kSloupec1 - kSloupec0 - 4;    // the caption of a captioned line
    auto radek = [&](const char *jmeno, int r) { return Popisek(panel1_, jmeno, QRect(kSloupec0, RadekY(r), plna, kRadek)); };
    auto vlevo = [&](const char *jmeno, int r) { return Popisek(panel1_, jmeno, QRect(kSloupec0, RadekY(r), popis, kRadek)); };
    auto vpravo = [&](const char *jmeno, int r) { return Popisek(panel1_, jmeno, QRect(kSloupec1, RadekY(r), text, kRadek)); };

    QMR_SVAZ(radek("JmenoVyplne", rVypln), JmenoVyplne);
    QMR_SVAZ(radek("TextProfilu", rTloustka), TextProfilu);
    QMR_SVAZ(radek("TextTloustky", rTloustka), TextTloustky);
    QMR_SVAZ(radek("TextPrekryv", rPrekryv), TextPrekryv);

    // The side extras and their frame colours: clickable (frame-colour dialog).
    const int pulka = plna / 2;
    auto ramecek = [&](const char *jmeno, int r, int x, int w, int strana) {
        auto *l = static_cast<TKlikPopis *>(Popisek(panel1_, jmeno, QRect(x, RadekY(r), w, kRadek)));
        l->priKliku = [this, strana] { strana == 1 ? TextRamecku1Click() : TextRamecku2Click(); };
        l->setCursor(Qt::PointingHandCursor);
        return l;
    };
    QMR_SVAZ(ramecek("TextRamecku1", rRamecek1, kSloupec0, pulka - 4, 1), TextRamecku1);
    QMR_SVAZ(ramecek("BarvaRam1", rRamecek1, kSloupec0 + pulka, plna - pulka, 1), BarvaRam1);
    QMR_SVAZ(ramecek("TextRamecku2", rRamecek2, kSloupec0, pulka - 4, 2), TextRamecku2);
    QMR_SVAZ(ramecek("BarvaRam2", rRamecek2, kSloupec0 + pulka, plna - pulka, 2), BarvaRam2);

    QMR_SVAZ(vlevo("Label1", rBarva1), Label1);
    QMR_SVAZ(vpravo("TextBarvy1", rBarva1), TextBarvy1);
    QMR_SVAZ(vlevo("Label5", rBarva12), Label5);
    QMR_SVAZ(vpravo("TextBarvy12", rBarva12), TextBarvy12);
    QMR_SVAZ(vlevo("Label2", rBarva2), Label2);
    QMR_SVAZ(vpravo("TextBarvy2", rBarva2), TextBarvy2);

    QMR_SVAZ(radek("TextRozmeru", rRozmer), TextRozmeru);
    QMR_SVAZ(radek("Prekryvy", rPrekryvy), Prekryvy);
    QMR_SVAZ(radek("Prekryvy2", rPrekryvy2), Prekryvy2);
    // TextB1 and TextB2 are always empty; they sit at the end of the reinforcement line,
    // below its text.
    QMR_SVAZ(Popisek(panel1_, "TextB1", QRect(kPanel1Sirka - 106, RadekY(rVyztuz), 50, kRadek)), TextB1);
    QMR_SVAZ(Popisek(panel1_, "TextB2", QRect(kPanel1Sirka - 56, RadekY(rVyztuz), 50, kRadek)), TextB2);
    QMR_SVAZ(radek("TextVyztuze", rVyztuz), TextVyztuze);
    QMR_SVAZ(radek("TextVitraze", rVitraz), TextVitraze);
    QMR_SVAZ(vlevo("Label3", rSklo1), Label3);
    QMR_SVAZ(vpravo("TextDekoru1", rSklo1), TextDekoru1);
    QMR_SVAZ(vlevo("TextProstredni", rSkloP), TextProstredni);
    QMR_SVAZ(vpravo("TextDP", rSkloP), TextDP);
    QMR_SVAZ(vlevo("TextProstredni2", rSkloP2), TextProstredni2);
    QMR_SVAZ(vpravo("TextDP2", rSkloP2), TextDP2);
    QMR_SVAZ(vlevo("Label4", rSklo2), Label4);
    QMR_SVAZ(vpravo("TextDekoru2", rSklo2), TextDekoru2);
    QMR_SVAZ(radek("TextMrizky", rMrizka), TextMrizky);

    static const char *const doplnky[] = {"TextDoplnku1", "TextDoplnku2", "TextDoplnku3", "TextDoplnku4"};
    static const char *const poznamky[] = {"TxPozn1", "TxPozn2", "TxPozn3", "TxPozn4"};
    for (int i = 0; i < 4; ++i) {
        Svaz(radek(doplnky[i], rDoplnek1 + i), [i](const VolbaStav &st) -> const Popis & { return st.TextDoplnku[i]; });
        Svaz(radek(poznamky[i], rPozn1 + i), [i](const VolbaStav &st) -> const Popis & { return st.TxPozn[i]; });
    }
}

void TVolba::VytvorPanel2()
{
    panel2_ = NovyPanel(plocha_, "Panel2");
    panel2_->resize(kPanel2Sirka, kPanel1Vyska);
    auto castka = [&](const char *jmeno, int r) {
        return Popisek(panel2_, jmeno, QRect(3, RadekY(r), kPanel2Sirka - 8, kRadek), true);
    };
    QMR_SVAZ(castka("CenaVyplne", rVypln), CenaVyplne);
    QMR_SVAZ(castka("CenaBarvy1", rBarva1), CenaBarvy1);
    QMR_SVAZ(castka("CenaBarvy12", rBarva12), CenaBarvy12);
    QMR_SVAZ(castka("CenaBarvy2", rBarva2), CenaBarvy2);
    // Beside the line that names the HPL oversize surcharge (Prekryvy).
    QMR_SVAZ(castka("CenaRozmeru", rPrekryvy), CenaRozmeru);
    QMR_SVAZ(castka("CenaVyztuze", rVyztuz), CenaVyztuze);
    QMR_SVAZ(castka("CenaVitraze", rVitraz), CenaVitraze);
    QMR_SVAZ(castka("CenaSkla1", rSklo1), CenaSkla1);
    QMR_SVAZ(castka("CenaSklaP", rSkloP), CenaSklaP);
    QMR_SVAZ(castka("CenaSklaP2", rSkloP2), CenaSklaP2);
    QMR_SVAZ(castka("CenaSkla2", rSklo2), CenaSkla2);
    QMR_SVAZ(castka("CenaMrizky", rMrizka), CenaMrizky);
    static const char *const jmena[] = {"CenaDoplnku1", "CenaDoplnku2", "CenaDoplnku3", "CenaDoplnku4"};
    for (int i = 0; i < 4; ++i)
        Svaz(castka(jmena[i], rDoplnek1 + i), [i](const VolbaStav &st) -> const Popis & { return st.CenaDoplnku[i]; });
}

void TVolba::VytvorPanel3()
{
    panel3_ = NovyPanel(plocha_, "Panel3");
    panel3_->installEventFilter(this);
    struct R {
        const char *popis;
        Popis VolbaStav::*popisClen;
        const char *castka;
        Popis VolbaStav::*castkaClen;
    };
    const R radky[] = {
        {"Celkem", &VolbaStav::Celkem, "CenaPredSlevou", &VolbaStav::CenaPredSlevou},
        {"LabTz1", &VolbaStav::LabTz1, "TZ1", &VolbaStav::TZ1},
        {"LabTZ2", &VolbaStav::LabTZ2, "TZ2", &VolbaStav::TZ2},
        {"LabMezisouc", &VolbaStav::LabMezisouc, "Mezisouc", &VolbaStav::Mezisouc},
        {"ProcentoSlevy", &VolbaStav::ProcentoSlevy, "CenaSlevy", &VolbaStav::CenaSlevy},
        {"Label6", &VolbaStav::Label6, "CenaNet", &VolbaStav::CenaNet},
        {"Nakonec", &VolbaStav::Nakonec, "CenaPoSleve", &VolbaStav::CenaPoSleve},
    };
    constexpr int kCastka = 92, kKrok = 18;
    int y = 6;
    for (const R &r : radky) {
        // Lines hidden at creation (the surcharges of old configuration versions) stay
        // hidden for the whole run: they take no room.
        const bool radekVidim = (stav_.*r.popisClen).Viditelny || (stav_.*r.castkaClen).Viditelny;
        QLabel *p = Popisek(panel3_, r.popis, QRect(6, radekVidim ? y : 0, kPanel3Sirka - kCastka - 14, kRadek));
        p->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel *c = Popisek(panel3_, r.castka, QRect(kPanel3Sirka - kCastka - 6, radekVidim ? y : 0, kCastka, kRadek), true);
        auto pc = r.popisClen, cc = r.castkaClen;
        Svaz(p, [pc](const VolbaStav &st) -> const Popis & { return st.*pc; });
        Svaz(c, [cc](const VolbaStav &st) -> const Popis & { return st.*cc; });
        if (radekVidim)
            y += kKrok;
    }
    panel3_->resize(kPanel3Sirka, y + 6);
    // The final price stands out.
    for (const char *j : {"Nakonec", "CenaPoSleve"}) {
        QLabel *l = panel3_->findChild<QLabel *>(QString::fromLatin1(j));
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
}

#undef QMR_SVAZ

// ---- Applying the state ----------------------------------------------------------------

VolbaRozmery TVolba::Rozmery() const
{
    VolbaRozmery r;
    r.Panel1 = {panel1_->width(), panel1_->height()};
    r.Panel2 = {panel2_->width(), panel2_->height()};
    r.Panel3 = {panel3_ ? panel3_->width() : kPanel3Sirka, panel3_ ? panel3_->height() : 0};
    r.ObjButton = {objButton_->width(), objButton_->height()};
    r.NabButton = {nabButton_->width(), nabButton_->height()};
    r.Vypinac = {vypinac_->width(), vypinac_->height()};
    r.VypinacLeft = kVypinacLeft;
    if (p_.Obraz) {
        const QImage a = p_.Obraz(PictureStore::Target::Picture);
        const QImage b = p_.Obraz(PictureStore::Target::PomRys);
        r.HlavniRys = {a.width(), a.height()};
        r.PomRys = {b.width(), b.height()};
    }
    return r;
}

Kresba TVolba::KresbaZ(const VolbaStav &st) const
{
    Kresba k;
    k.HlavniRys = st.HlavniRys;
    k.PomRys = st.PomRys;
    if (p_.Obraz) {
        if (st.HlavniRys.Viditelny)
            k.HlavniRysObraz = p_.Obraz(PictureStore::Target::Picture);
        if (st.PomRys.Viditelny)
            k.PomRysObraz = p_.Obraz(PictureStore::Target::PomRys);
    }
    k.Rantl = st.Rantl;
    k.RantlTeckovany = st.RantlPero == PeroRantlu::CerneTeckovane;
    k.Prekryv = st.Prekryv;
    k.Zakryt = st.Zakryt;
    k.PH = st.PH;
    k.PV = st.PV;
    k.Shape = st.Shape;
    k.MShape = st.MShape;
    k.SShape = st.SShape;
    return k;
}

void TVolba::Pouzij(const VolbaStav &novy, const VolbaStav &stary, bool vse)
{
    auto zmena = [&](auto const &a, auto const &b) { return vse || !(a == b); };

    if (zmena(novy.Titulek, stary.Titulek)) {
        setWindowTitle(QString::fromStdString(novy.Titulek));
        ++zapisy_;
    }

    auto umisti = [&](QWidget *w, const Tvar &n, const Tvar &o, bool viditelnost) {
        if (zmena(n.Left, o.Left) || zmena(n.Top, o.Top)) {
            w->move(n.Left, n.Top);
            ++zapisy_;
        }
        if (viditelnost && zmena(n.Viditelny, o.Viditelny)) {
            w->setVisible(n.Viditelny);
            ++zapisy_;
        }
    };
    umisti(panel1_, novy.Panel1, stary.Panel1, false);
    umisti(panel2_, novy.Panel2, stary.Panel2, true);
    umisti(panel3_, novy.Panel3, stary.Panel3, true);
    umisti(objButton_, novy.ObjButton, stary.ObjButton, false);
    umisti(nabButton_, novy.NabButton, stary.NabButton, false);
    umisti(vypinac_, novy.Vypinac, stary.Vypinac, false);

    auto povol = [&](QWidget *w, bool n, bool o) {
        if (zmena(n, o)) {
            w->setEnabled(n);
            ++zapisy_;
        }
    };
    povol(startButton_, novy.StartButton, stary.StartButton);
    povol(barvyButton_, novy.BarvyButton, stary.BarvyButton);
    povol(rozmerButton_, novy.RozmerButton, stary.RozmerButton);
    povol(vyztuzButton_, novy.VyztuzButton, stary.VyztuzButton);
    povol(vitrazButton_, novy.VitrazButton, stary.VitrazButton);
    povol(dekoryButton_, novy.DekoryButton, stary.DekoryButton);
    povol(mrizkyButton_, novy.MrizkyButton, stary.MrizkyButton);
    povol(doplnkyButton_, novy.DoplnkyButton, stary.DoplnkyButton);
    povol(commentButton_, novy.CommentButton, stary.CommentButton);
    povol(objButton_, novy.ObjButtonPovolen, stary.ObjButtonPovolen);
    povol(nabButton_, novy.NabButtonPovolen, stary.NabButtonPovolen);
    auto povolAkci = [&](QAction *a, bool n, bool o) {
        if (zmena(n, o)) {
            a->setEnabled(n);
            ++zapisy_;
        }
    };
    povolAkci(ulozit_, novy.Ulozit, stary.Ulozit);
    povolAkci(jako_, novy.Jako, stary.Jako);
    povolAkci(predvolby_, novy.Predvolby, stary.Predvolby);

    for (auto &[w, clen] : popisky_) {
        const Popis &n = clen(novy);
        const Popis &o = clen(stary);
        if (zmena(n.Text, o.Text)) {
            w->setText(QString::fromStdString(n.Text));
            ++zapisy_;
        }
        if (zmena(n.Barva, o.Barva)) {
            QPalette pal = w->palette();
            pal.setColor(QPalette::WindowText, BarvaPopisu(n.Barva));
            w->setPalette(pal);
            ++zapisy_;
        }
        if (zmena(n.Viditelny, o.Viditelny)) {
            w->setVisible(n.Viditelny);
            ++zapisy_;
        }
        if (zmena(n.Povoleny, o.Povoleny)) {
            w->setEnabled(n.Povoleny);
            ++zapisy_;
        }
    }

    const Kresba k = KresbaZ(novy);
    if (vse || !(k == plocha_->kresba())) {
        plocha_->Nastav(k);
        ++zapisy_;
    }
}

template <class F>
void TVolba::ZmenStav(F &&f)
{
    const VolbaStav stary = stav_;
    std::forward<F>(f)(stav_);
    Pouzij(stav_, stary, false);
}

void TVolba::Obnov()
{
    if (vObnove_)
        return;
    vObnove_ = true;
    const std::string chyba = stav_.ChybaOceneni;
    RunCommand(p_.Zpravy, [this] {
        if (NacistPriPrvnimObnoveni(s_, radka_) && zapis_.NactiData(radka_.Cesta))
            ZpracujRys(s_, p_.Obrazky);
    });
    VolbaVstup vstup;
    vstup.Rozmery = Rozmery();
    vstup.OknoLeft = x();
    vstup.OknoTop = y();
    vstup.OknoWidth = width();
    vstup.Predchozi = &stav_;
    VolbaStav novy = qmr::Obnov(s_, vstup);
    const VolbaStav stary = std::move(stav_);
    stav_ = std::move(novy);
    Pouzij(stav_, stary, false);
    vObnove_ = false;
    // A pricing failure is reported once, when it first appears.
    if (!stav_.ChybaOceneni.empty() && stav_.ChybaOceneni != chyba)
        ShowCommandError(p_.Zpravy, stav_.ChybaOceneni);
}

void TVolba::Prekresli()
{
    Obnov();
    plocha_->update();
}

void TVolba::NaplanujObnovu()
{
    if (vObnove_ || obnovaNaplanovana_)
        return;
    obnovaNaplanovana_ = true;
    QTimer::singleShot(0, this, [this] {
        obnovaNaplanovana_ = false;
        if (!zavreno_)
            Obnov();
    });
}

void TVolba::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        NaplanujObnovu();
}

// ---- Window, close, exit code ---------------------------------------------------------

void TVolba::Aktivuj()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void TVolba::closeEvent(QCloseEvent *e)
{
    vypinac_->setChecked(false);
    int odpoved = IDCANCEL;
    // A save that fails on the way out keeps the window open: the changes are not lost.
    RunCommand(p_.Zpravy, [&] { odpoved = zapis_.TestZapisu(); });
    if (odpoved == IDCANCEL) {
        vypinac_->setChecked(true);
        e->ignore();
        return;
    }
    kod_ = qmr::KodUkonceni(stav_, s_);
    zavreno_ = true;
    s_.VolbaNeniNil = false;
    e->accept();
    if (poZavreni)
        poZavreni(kod_);
}

int TVolba::UkonciBezDotazu()
{
    kod_ = qmr::KodUkonceni(stav_, s_);
    zavreno_ = true;
    s_.VolbaNeniNil = false;
    hide();
    if (poZavreni)
        poZavreni(kod_);
    return kod_;
}

// ---- Commands -----------------------------------------------------------------------------

template <class F>
void TVolba::Prikaz(F &&f)
{
    RunCommand(p_.Zpravy, std::forward<F>(f));
}

int TVolba::Dialog(const VolbaDialogy::Dialog &d)
{
    return d ? d() : IDCANCEL;
}

void TVolba::NastavTitulek(const std::string &t)
{
    // Kept in the state as well, so that the next refresh that decides the caption
    // writes it again when it differs.
    stav_.Titulek = t;
    setWindowTitle(QString::fromStdString(t));
}

namespace {

// The start flow's dialogs as the window shows them: the unsaved-changes check, the
// repaint and the accessories dialog are the window's; the rest comes from the runner
// of VolbaDialogy, or, without one, from its plain Typ, Format and Varianta dialogs.
class OknaStartu : public DialogRunner {
public:
    OknaStartu(const VolbaDialogy &d, std::function<int()> test, std::function<void()> prekresli,
               std::function<int()> doplnky)
        : d_(d), test_(std::move(test)), prekresli_(std::move(prekresli)), doplnky_(std::move(doplnky))
    {
    }
    int TestZapisu() override { return test_(); }
    void Prekresli() override { prekresli_(); }
    int RunTyp(TVTyp &typ) override { return d_.Okna ? d_.Okna->RunTyp(typ) : spust(d_.Typ); }
    int RunVypln(TVVypln &v) override { return d_.Okna ? d_.Okna->RunVypln(v) : IDCANCEL; }
    int RunDoplnky() override { return doplnky_(); }
    int RunFormat(TVFormat &f) override { return d_.Okna ? d_.Okna->RunFormat(f) : spust(d_.Format); }
    int RunOPrava(TVOPrava &p) override { return d_.Okna ? d_.Okna->RunOPrava(p) : spust(d_.Varianta); }
    int RunORam(TVORam &x) override { return d_.Okna ? d_.Okna->RunORam(x) : IDCANCEL; }
    int RunOMrizka(TVOMrizka &x) override { return d_.Okna ? d_.Okna->RunOMrizka(x) : IDCANCEL; }
    int RunOPaska(TVOPaska &x) override { return d_.Okna ? d_.Okna->RunOPaska(x) : IDCANCEL; }
    int RunODrazka(TVODrazka &x) override { return d_.Okna ? d_.Okna->RunODrazka(x) : IDCANCEL; }

private:
    static int spust(const VolbaDialogy::Dialog &d) { return d ? d() : IDCANCEL; }
    const VolbaDialogy &d_;
    std::function<int()> test_;
    std::function<void()> prekresli_;
    std::function<int()> doplnky_;
};

} // namespace

void TVolba::StartButtonClick()
{
    Prikaz([this] {
        OknaStartu okna(
            dialogy_, [this] { return zapis_.TestZapisu(); }, [this] { Prekresli(); },
            [this] {
                // As the accessories command shows it.
                if (!dialogy_.Doplnky)
                    return IDCANCEL;
                PredDoplnky(s_);
                const int r = Dialog(dialogy_.Doplnky);
                const bool potvrzen = r != IDCANCEL;
                if (potvrzen && DoplnkyPotrebujiUmisteni(s_))
                    Dialog(dialogy_.DoplSup);
                PoDoplncich(s_, potvrzen);
                return r;
            });
        ZmenStav([&](VolbaStav &st) { qmr::StartButtonClick(s_, okna, p_.Obrazky, st); });
    });
}

void TVolba::BarvyButtonClick()
{
    if (!dialogy_.Barvy)
        return;
    Prikaz([this] {
        Prekresli();
        PoBarvach(s_, Dialog(dialogy_.Barvy) != IDCANCEL);
        Prekresli();
    });
}

void TVolba::RozmerButtonClick()
{
    const bool prekryvna = s_.SPrekryvna;
    if (prekryvna ? !(dialogy_.PrekrSpec || dialogy_.Prekr2Spec) : !dialogy_.Rozmer)
        return;
    Prikaz([this] {
        Prekresli();
        bool potvrzen = false;
        if (s_.SPrekryvna) {
            RozmerZacniPrekryv(s_);
            if (!RozmerDvoustranny(s_)) {
                potvrzen = Dialog(dialogy_.PrekrSpec) != IDCANCEL;
            } else {
                potvrzen = Dialog(dialogy_.Prekr2Spec) != IDCANCEL;
                RozmerDruhaStrana(s_);
                if (potvrzen)
                    potvrzen = Dialog(dialogy_.Prekr2Spec) != IDCANCEL;
            }
            if (potvrzen) {
                RozmerPoSpecifikaci(s_);
                ZpracujRys(s_, p_.Obrazky);
                Prekresli();
                potvrzen = Dialog(dialogy_.Prekryv) != IDCANCEL;
                if (potvrzen)
                    RozmerPoPrekryvu(s_);
            }
        } else {
            potvrzen = Dialog(dialogy_.Rozmer) != IDCANCEL;
            if (potvrzen)
                RozmerPoRozmerech(s_, p_.Zpravy);
        }
        RozmerKonec(s_, potvrzen, p_.Zpravy);
        Prekresli();
        ZpracujRys(s_, p_.Obrazky);
        Prekresli();
    });
}

void TVolba::VyztuzButtonClick()
{
    if (!dialogy_.Vyztuz)
        return;
    Prikaz([this] {
        Prekresli();
        PoVyztuzi(s_, Dialog(dialogy_.Vyztuz) != IDCANCEL);
        Prekresli();
    });
}

void TVolba::VitrazButtonClick()
{
    if (!dialogy_.Vitraz)
        return;
    Prikaz([this] {
        Prekresli();
        PoVitrazi(s_, Dialog(dialogy_.Vitraz) != IDCANCEL);
        Prekresli();
    });
}

void TVolba::DekoryButtonClick()
{
    if (!dialogy_.Dekory)
        return;
    Prikaz([this] {
        Prekresli();
        PoDekorech(s_, Dialog(dialogy_.Dekory) != IDCANCEL, p_.Zpravy);
        Prekresli();
    });
}

void TVolba::MrizkyButtonClick()
{
    if (!dialogy_.Mrizky)
        return;
    Prikaz([this] {
        Prekresli();
        if (Dialog(dialogy_.Mrizky) != IDCANCEL) {
            Prekresli();
            if (ObnovObr(s_, p_.Obrazky))
                Prekresli();
        }
        Prekresli();
    });
}

void TVolba::DoplnkyButtonClick()
{
    if (!dialogy_.Doplnky)
        return;
    Prikaz([this] {
        Prekresli();
        PredDoplnky(s_);
        const bool potvrzen = Dialog(dialogy_.Doplnky) != IDCANCEL;
        if (potvrzen && DoplnkyPotrebujiUmisteni(s_))
            Dialog(dialogy_.DoplSup);
        PoDoplncich(s_, potvrzen);
        Prekresli();
        if (s_.PrepisMadlo)
            Prekresli();
    });
}

void TVolba::CommentButtonClick()
{
    if (!dialogy_.Poznamky)
        return;
    Prikaz([this] {
        Prekresli();
        PoPoznamkach(s_, Dialog(dialogy_.Poznamky) != IDCANCEL);
        Prekresli();
    });
}

void TVolba::ObjButtonClick()
{
    if (!dialogy_.Objednavka)
        return;
    Prikaz([this] {
        Prekresli();
        Dialog(dialogy_.Objednavka);
        Prekresli();
    });
}

void TVolba::NabButtonClick()
{
    if (!dialogy_.Nabidka)
        return;
    Prikaz([this] {
        Prekresli();
        Dialog(dialogy_.Nabidka);
        Prekresli();
    });
}

void TVolba::BarvaRamu(int strana)
{
    if (!dialogy_.BarvaRamu)
        return;
    Prikaz([this, strana] {
        if (BarvaRamuMuze(s_, strana)) {
            PredBarvouRamu(s_, strana);
            PoBarveRamu(s_, strana, Dialog(dialogy_.BarvaRamu) != IDCANCEL);
        }
        Prekresli();
    });
}

void TVolba::TextRamecku1Click() { BarvaRamu(1); }
void TVolba::TextRamecku2Click() { BarvaRamu(2); }

void TVolba::NovyClick()
{
    Prikaz([this] {
        if (zapis_.TestZapisu() == IDCANCEL)
            return;
        ZmenStav([this](VolbaStav &st) { NovyPlik(s_, st, p_.Hodiny); });
        Prekresli();
    });
}

void TVolba::OtevritClick()
{
    Prikaz([this] {
        zapis_.FileOpen();
        ZpracujRys(s_, p_.Obrazky);
        Prekresli();
    });
}

void TVolba::UlozitClick()
{
    Prikaz([this] {
        Prekresli();
        if (zapis_.Ulozit() == IDYES)
            NastavTitulek(TitulekPoUlozeni(s_));
        Prekresli();
    });
}

void TVolba::JakoClick()
{
    Prikaz([this] {
        Prekresli();
        if (zapis_.UlozitJako(false) == IDYES)
            NastavTitulek(TitulekPoUlozeni(s_));
        Prekresli();
    });
}

void TVolba::DefinicecenClick()
{
    if (!dialogy_.CenyDef)
        return;
    Prikaz([this] {
        if (s_.apHeslo && Dialog(dialogy_.Heslo) == IDCANCEL)
            return;
        const bool potvrzen = Dialog(dialogy_.CenyDef) != IDCANCEL;
        ZmenStav([&](VolbaStav &st) { PoDefiniciCen(s_, st, potvrzen); });
        Prekresli();
    });
}

void TVolba::PredvolbyClick()
{
    if (!dialogy_.Predvolby)
        return;
    Prikaz([this] {
        Dialog(dialogy_.Predvolby);
        Prekresli();
    });
}

void TVolba::DefiniceOdbClick()
{
    const VolbaDialogy::Dialog &d = s_.apVyberOdb ? dialogy_.SeznamFirem : dialogy_.Odberatel;
    if (!d)
        return;
    Prikaz([this, &d] {
        if (s_.apHeslo && !s_.apVyberOdb && Dialog(dialogy_.Heslo) == IDCANCEL)
            return;
        Dialog(d);
        Nacti(s_, s_.Firma);
        Prekresli();
    });
}

void TVolba::DefiniceDodClick()
{
    if (!dialogy_.Dodavatel)
        return;
    Prikaz([this] {
        Dialog(dialogy_.Dodavatel);
        Nacti(s_, s_.Quilmar);
        Prekresli();
    });
}

void TVolba::PrepocetClick()
{
    if (!dialogy_.Prepocet)
        return;
    Prikaz([this] {
        Dialog(dialogy_.Prepocet);
        Prekresli();
    });
}

void TVolba::NastavTiskClick()
{
    if (!dialogy_.NastavTisk)
        return;
    Prikaz([this] { Dialog(dialogy_.NastavTisk); });
}

void TVolba::OprogramuClick()
{
    if (dialogy_.Oprogramu)
        Prikaz([this] { dialogy_.Oprogramu(); });
}

void TVolba::TestClick()
{
    qmr::TestClick(s_);
    test_->setChecked(s_.TestMysi);
}

// ---- Mouse-coordinate test mode -------------------------------------------------------------

void TVolba::Stisk(QPoint p)
{
    if (!s_.TestMysi)
        return;
    // The topmost control at the point: the opening outline, the picture, else the window.
    auto uvnitr = [&](const Tvar &t) {
        return t.Viditelny && p.x() >= t.Left && p.x() < t.Right() && p.y() >= t.Top && p.y() < t.Bottom();
    };
    const Tvar &r = stav_.Rantl;
    const Tvar &h = stav_.HlavniRys;
    if (uvnitr(r))
        NastavTitulek(TestTitulek(p.x() - r.Left, p.y() - r.Top));
    else if (uvnitr(h))
        NastavTitulek(TestTitulek(p.x() - h.Left, p.y() - h.Top));
    else
        NastavTitulek(TestTitulek(p.x(), p.y()));
}

bool TVolba::eventFilter(QObject *o, QEvent *e)
{
    if (o == panel3_ && e->type() == QEvent::MouseButtonPress && s_.TestMysi) {
        const QPoint p = static_cast<QMouseEvent *>(e)->position().toPoint();
        NastavTitulek(TestTitulek(p.x() + panel3_->x(), p.y() + panel3_->y()));
    }
    return QMainWindow::eventFilter(o, e);
}

} // namespace qmr
