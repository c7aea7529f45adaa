// qmr-mkpictures: draws the picture folders of the program (RYSY, VYPLNE, ZASKLENI, BARVY,
// DEKORY, DOPLNKY, VITRAZE), the splash picture QMRlogo.jpg and the icon quilmar.ico from
// the catalogue in PROGRAM_DIR/DATA. Which files are drawn comes from PotrebneObrazky (the
// configurations the dialogs reach, run through the program's own naming rules); each
// drawing is a line drawing at 5 mm of panel per pixel. The output depends on the
// catalogue and this program only: no dates, no randomness, so a rebuild gives the same
// bytes.
//
//   qmr-mkpictures PROGRAM_DIR          draw everything, remove stale pictures
//   qmr-mkpictures --list PROGRAM_DIR   print what would be drawn (path, asker, configuration)
#include "catalogues/PotrebneObrazky.h"
#include "core/Constants.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;
using qmr::PopisRysu;
using qmr::PotrebnyObrazek;

namespace {

const char *const kSlozky[] = {"RYSY", "VYPLNE", "ZASKLENI", "BARVY", "DEKORY", "DOPLNKY", "VITRAZE"};

// ---- Deterministic helpers ----------------------------------------------------------------

std::uint32_t fnv(const std::string &s)
{
    std::uint32_t h = 2166136261u;
    for (unsigned char c : s) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

// A fixed-seed generator for textures (the same seed draws the same texture).
struct Lcg {
    std::uint32_t x;
    std::uint32_t next()
    {
        x = x * 1664525u + 1013904223u;
        return x >> 8;
    }
    double unit() { return double(next() % 65536) / 65536.0; }
};

QString q(const std::string &s) { return QString::fromStdString(s); }

QFont pismo(int px, bool tucne = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(px, 6));
    f.setBold(tucne);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The text in the rectangle, made smaller until it fits (at most two lines).
void text(QPainter &p, const QRectF &r, const QString &t, int px, bool tucne, const QColor &c,
          int flags = Qt::AlignCenter | Qt::TextWordWrap)
{
    int size = px;
    for (; size > 6; --size) {
        const QFontMetricsF fm(pismo(size, tucne));
        const QRectF b = fm.boundingRect(r, flags, t);
        if (b.width() <= r.width() + 0.5 && b.height() <= r.height() + 0.5)
            break;
    }
    p.setFont(pismo(size, tucne));
    p.setPen(c);
    p.drawText(r, flags, t);
}

QImage obraz(int w, int h, const QColor &pozadi = Qt::white)
{
    QImage img(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    img.fill(pozadi);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

// ---- Panel drawings -----------------------------------------------------------------------

const QColor kCara(30, 30, 30);
const QColor kSklo(196, 226, 242);
const QColor kSkloOkraj(40, 90, 140);
const QColor kRama(70, 70, 70);

// Glass openings of a glazing layout in panel-relative coordinates; cx is the middle of the
// glazing (0.5, or off the middle for an eccentric panel).
std::vector<QRectF> otvory(int format, int z, double cx)
{
    std::vector<QRectF> r;
    const auto sloupec = [&](double w, double y, double h) { r.emplace_back(cx - w / 2, y, w, h); };
    if (format == 2) {
        switch (z) {
        case 1: sloupec(0.50, 0.10, 0.34); break;
        case 2:
            r.emplace_back(cx - 0.27, 0.10, 0.24, 0.34);
            r.emplace_back(cx + 0.03, 0.10, 0.24, 0.34);
            break;
        case 3:
            for (int i = 0; i < 3; ++i)
                r.emplace_back(cx - 0.29 + i * 0.20, 0.10, 0.16, 0.30);
            break;
        case 4:
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j)
                    r.emplace_back(cx - 0.27 + j * 0.30, 0.08 + i * 0.20, 0.24, 0.16);
            break;
        case 5:
            sloupec(0.54, 0.08, 0.16);
            r.emplace_back(cx - 0.27, 0.28, 0.24, 0.16);
            r.emplace_back(cx + 0.03, 0.28, 0.24, 0.16);
            break;
        case 6: sloupec(0.76, 0.08, 0.36); break;
        default: break;
        }
    } else if (format == 3) {
        switch (z) {
        case 0: break;
        case 1: sloupec(0.22, 0.06, 0.30); break;
        case 2:
            sloupec(0.22, 0.06, 0.14);
            sloupec(0.22, 0.23, 0.14);
            break;
        default:
            for (int i = 0; i < z; ++i)
                sloupec(0.30, 0.06 + i * 0.07, 0.04);
            break;
        }
    } else {
        switch (z) {
        case 1: sloupec(0.22, 0.10, 0.62); break;
        case 2:
            sloupec(0.22, 0.10, 0.28);
            sloupec(0.22, 0.44, 0.28);
            break;
        case 3:
            for (int i = 0; i < 3; ++i)
                sloupec(0.22, 0.10 + i * 0.22, 0.16);
            break;
        case 4:
            for (int i = 0; i < 4; ++i)
                sloupec(0.50, 0.18 + i * 0.12, 0.035);
            break;
        case 5:
            for (int i = 0; i < 5; ++i)
                sloupec(0.16, 0.10 + i * 0.12, 0.07);
            break;
        case 6: sloupec(0.70, 0.08, 0.40); break;
        default: break;
        }
    }
    return r;
}

QRectF naPanel(const QRectF &rel, const QRectF &panel)
{
    return QRectF(panel.x() + rel.x() * panel.width(), panel.y() + rel.y() * panel.height(),
                  rel.width() * panel.width(), rel.height() * panel.height());
}

void mrizkaPres(QPainter &p, const QRectF &o, int druh, double sirka)
{
    // Muntin bars over one glass: 1 a cross, 2 horizontal bars, 0 (3, 6, ...) a grid.
    std::vector<QRectF> tyce;
    const auto vodorovne = [&](int n) {
        for (int i = 1; i <= n; ++i) {
            const double y = o.top() + o.height() * i / (n + 1);
            tyce.emplace_back(o.left(), y - sirka / 2, o.width(), sirka);
        }
    };
    const auto svisle = [&](int n) {
        for (int i = 1; i <= n; ++i) {
            const double x = o.left() + o.width() * i / (n + 1);
            tyce.emplace_back(x - sirka / 2, o.top(), sirka, o.height());
        }
    };
    switch (druh % 3) {
    case 1:
        vodorovne(o.height() > 2.2 * o.width() ? 2 : 1);
        svisle(1);
        break;
    case 2: vodorovne(o.height() > o.width() ? 3 : 2); break;
    default:
        vodorovne(o.height() > o.width() ? 3 : 1);
        svisle(2);
        break;
    }
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(QColor(250, 250, 250));
    for (const QRectF &t : tyce)
        p.drawRect(t);
}

void sklo(QPainter &p, const QRectF &o, bool satyna, double lw)
{
    p.setPen(QPen(kSkloOkraj, lw));
    p.setBrush(satyna ? QColor(236, 242, 246) : kSklo);
    p.drawRect(o);
    // Two reflection lines.
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.0, lw)));
    const double d = std::min(o.width(), o.height());
    p.drawLine(QPointF(o.left() + d * 0.25, o.top() + d * 0.55), QPointF(o.left() + d * 0.55, o.top() + d * 0.25));
    p.drawLine(QPointF(o.left() + d * 0.35, o.top() + d * 0.75), QPointF(o.left() + d * 0.75, o.top() + d * 0.35));
    if (satyna) {
        p.setPen(QPen(QColor(190, 205, 215), 1));
        for (double y = o.top() + 3; y < o.bottom() - 1; y += 4)
            p.drawLine(QPointF(o.left() + 2, y), QPointF(o.right() - 2, y));
    }
}

// The panel of a description inside rectangle panel (pixels of the picture).
void panel(QPainter &p, const PopisRysu &r, const QRectF &pr)
{
    const double lw = std::max(1.0, std::round(pr.width() / 100.0));
    const QColor zaklad = r.Sklo ? QColor(226, 240, 248)
                          : r.Hlinik ? QColor(222, 226, 230)
                                     : QColor(246, 243, 236);
    p.save();
    p.setClipRect(pr.adjusted(-1, -1, 1, 1));
    if (r.Zrcadlo) {
        p.translate(pr.center().x(), 0);
        p.scale(-1, 1);
        p.translate(-pr.center().x(), 0);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(zaklad);
    p.drawRect(pr);
    if (r.Dvojbarva) {
        // The second colour of the outer side, right of the division.
        QRectF druha = pr;
        druha.setLeft(pr.left() + pr.width() * 0.4);
        p.setBrush(QColor(150, 158, 166));
        p.drawRect(druha);
        p.setPen(QPen(kCara, lw));
        p.drawLine(druha.topLeft(), druha.bottomLeft());
    }
    if (r.Sklo) {
        // A glass panel: the aluminium edge around the pane.
        p.setPen(QPen(QColor(150, 156, 162), std::max(2.0, lw * 3)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(pr.adjusted(lw * 1.5, lw * 1.5, -lw * 1.5, -lw * 1.5));
        sklo(p, pr.adjusted(lw * 4, lw * 4, -lw * 4, -lw * 4), false, lw);
    }

    const double cx = r.Excentr ? 0.32 : 0.5;
    std::vector<QRectF> okna;
    for (const QRectF &rel : otvory(r.Format, r.Zaskleni, cx)) {
        QRectF o = naPanel(rel, pr);
        if (r.Zmenseny) {
            const QPointF c = o.center();
            o.setSize(o.size() * 0.8);
            o.moveCenter(c);
        }
        okna.push_back(o);
    }
    const double odsaz = std::max(2.0, pr.width() / 40.0);
    // Frames: a line around each glass (around an inner field without glass), the second
    // variant doubled with rounded corners.
    if (r.Ramecek > 0 || r.OMrizka > 0) {
        std::vector<QRectF> pole = okna;
        if (pole.empty())
            pole.push_back(pr.adjusted(pr.width() * 0.15, pr.width() * 0.15, -pr.width() * 0.15,
                                       -pr.width() * 0.15));
        p.setBrush(Qt::NoBrush);
        for (const QRectF &o : pole) {
            p.setPen(QPen(kRama, std::max(2.0, lw * 1.5)));
            p.drawRect(o.adjusted(-odsaz, -odsaz, odsaz, odsaz));
            if (r.Ramecek >= 2) {
                p.setPen(QPen(kRama, lw));
                const double d = odsaz * 2;
                p.drawRoundedRect(o.adjusted(-d, -d, d, d), d, d);
            }
        }
    }
    for (const QRectF &o : okna)
        sklo(p, o, r.Sklo, lw);
    if (r.OMrizka > 0) {
        // The decorative muntin: bars across the glass and its frame.
        for (const QRectF &o : okna)
            mrizkaPres(p, o.adjusted(-odsaz, -odsaz, odsaz, odsaz), r.OMrizka == 1 ? 2 : (r.OMrizka == 2 ? 1 : 0),
                       std::max(3.0, lw * 4));
    }
    if (r.Mrizka > 0)
        for (const QRectF &o : okna)
            mrizkaPres(p, o, r.Mrizka, std::max(2.0, lw * 3.5));
    if (r.Pasky > 0) {
        // Glued strips (a raised band) or grooves (a milled line).
        std::vector<QLineF> cary;
        const double x1 = pr.left() + pr.width() * 0.12, x2 = pr.right() - pr.width() * 0.12;
        if (r.Pasky == 1) {
            for (double f : {0.3, 0.5, 0.7}) {
                const double y = pr.top() + pr.height() * f;
                cary.emplace_back(x1, y, x2, y);
            }
        } else {
            for (double f : {0.3, 0.5, 0.7}) {
                const double x = pr.left() + pr.width() * f;
                cary.emplace_back(x, pr.top() + pr.height() * 0.08, x, pr.bottom() - pr.height() * 0.08);
            }
            for (double f : {0.25, 0.75}) {
                const double y = pr.top() + pr.height() * f;
                cary.emplace_back(x1, y, x2, y);
            }
        }
        for (const QLineF &c : cary) {
            if (r.Drazky) {
                p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, lw * 1.5)));
                p.drawLine(c);
                p.setPen(QPen(QColor(255, 255, 255), 1));
                p.drawLine(c.translated(1, 1));
            } else {
                const double w = std::max(3.0, lw * 3);
                p.setPen(QPen(QColor(80, 80, 80), w + 2, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(c);
                p.setPen(QPen(QColor(205, 205, 205), w, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(c);
            }
        }
    }
    p.restore();
    const double obrys = std::max(2.0, lw * 1.5);
    p.setPen(QPen(kCara, obrys));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pr.adjusted(obrys / 2, obrys / 2, -obrys / 2, -obrys / 2));
}

QImage rysVypln(const PopisRysu &r, const QString &jmeno)
{
    QImage img = obraz(r.SirkaPx, r.VyskaPx);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The sash around the panel.
    p.setPen(QPen(QColor(175, 175, 175), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 3.5, r.SirkaPx - 7, r.VyskaPx - 7));
    panel(p, r, QRectF(r.PanelX, r.PanelY, r.PanelSirka, r.PanelVyska));
    text(p, QRectF(2, r.VyskaPx - qmr::kOkrajRysu + 2, r.SirkaPx - 4, qmr::kOkrajRysu - 6), jmeno, 10,
         false, QColor(90, 90, 90));
    return img;
}

QImage rysPomocny(const PopisRysu &r)
{
    QImage img = obraz(r.SirkaPx, r.VyskaPx);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    PopisRysu x = r;
    x.Hlinik = true;
    panel(p, x, QRectF(0.5, 0.5, r.SirkaPx - 1, r.VyskaPx - 1));
    return img;
}

QImage rysPrekryv(const PopisRysu &r)
{
    QImage img = obraz(r.SirkaPx, r.VyskaPx);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor barva = r.Hlinik ? QColor(214, 219, 224) : QColor(240, 234, 222);
    const QRectF cela(1, 1, r.SirkaPx - 2, r.VyskaPx - 2);
    p.setPen(QPen(kCara, 2));
    p.setBrush(barva);
    p.drawRect(cela);
    // The sash opening under the overlay.
    const double m = qmr::kOkrajRysu;
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(m, m, r.SirkaPx - 2 * m, r.VyskaPx - 2 * m));
    text(p, QRectF(2, 2, r.SirkaPx - 4, m - 4),
         r.Hlinik ? QStringLiteral("przekrycie – aluminium") : QStringLiteral("przekrycie"), 10, false,
         QColor(80, 80, 80));
    return img;
}

QImage rysZaklad(const PopisRysu &r)
{
    QImage img = obraz(r.SirkaPx, r.VyskaPx);
    QPainter p(&img);
    p.setPen(QPen(kCara, 2));
    p.setBrush(QColor(222, 226, 230));
    p.drawRect(QRectF(1, 1, r.SirkaPx - 2, r.VyskaPx - 2));
    return img;
}

// The overlay dimension views: a section through sash, panel and overlay with the
// lettered dimensions of the dialog (width view A-D, height view E-H, Z the thickness).
QImage rysPohled(const PopisRysu &r)
{
    QImage img = obraz(r.SirkaPx, r.VyskaPx);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool V = r.Vyskovy;
    // Drawn in the width view's coordinates (400 x 240); the height view swaps x and y.
    const auto P = [&](double x, double y) { return V ? QPointF(y, x) : QPointF(x, y); };
    const auto R = [&](double x, double y, double w, double h) {
        return V ? QRectF(y, x, h, w) : QRectF(x, y, w, h);
    };
    const bool dve = r.Strany == 2;
    const double y0 = 84, yPanel = 100, yIn = dve ? 136 : 124;
    // Sash profiles, the inner panel, the overlay panel(s).
    p.setPen(QPen(kCara, 1.5));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(R(62, 92, 40, 40));
    p.drawRect(R(298, 92, 40, 40));
    p.setBrush(QColor(240, 234, 222));
    p.drawRect(R(102, yPanel, 196, 20));
    p.setBrush(r.AlAbs ? QColor(200, 206, 212) : QColor(150, 160, 172));
    p.drawRect(R(40, y0, 320, 8));
    if (dve)
        p.drawRect(R(40, 132, 320, 8));

    const auto koty = [&](double a, double b, double y, const QString &pismeno) {
        const QPointF A = P(a, y), B = P(b, y);
        p.setPen(QPen(QColor(180, 30, 30), 1));
        p.drawLine(A, B);
        const QPointF d = V ? QPointF(4, 0) : QPointF(0, 4);
        p.drawLine(A - d, A + d);
        p.drawLine(B - d, B + d);
        const QPointF m = P((a + b) / 2, y - 9);
        text(p, QRectF(m.x() - 14, m.y() - 8, 28, 16), pismeno, 12, true, QColor(180, 30, 30));
    };
    const auto L = [&](const char *sirka, const char *vyska) { return QString::fromLatin1(V ? vyska : sirka); };
    if (dve) {
        koty(40, 360, 22, L("A1", "E1"));
        koty(40, 102, 52, L("D1", "H1"));
        koty(298, 360, 52, L("C1", "G1"));
        koty(102, 298, 160, L("B", "F"));
        koty(40, 102, 186, L("D2", "H2"));
        koty(298, 360, 186, L("C2", "G2"));
        koty(40, 360, 214, L("A2", "E2"));
    } else {
        koty(40, 360, 30, L("A", "E"));
        koty(40, 102, 60, L("D", "H"));
        koty(298, 360, 60, L("C", "G"));
        koty(102, 298, 160, L("B", "F"));
    }
    if (!(dve && V)) {
        // The thickness.
        const double x = 380;
        const QPointF A = P(x, y0), B = P(x, yIn + (dve ? 4 : 8));
        p.setPen(QPen(QColor(30, 30, 160), 1));
        p.drawLine(A, B);
        const QPointF m = P(x - 10, (y0 + yIn) / 2);
        text(p, QRectF(m.x() - 8, m.y() - 8, 16, 16), QStringLiteral("Z"), 12, true, QColor(30, 30, 160));
    }
    const QString ven = QStringLiteral("strona zewnętrzna");
    const QString dovnitr = QStringLiteral("strona wewnętrzna");
    if (V) {
        text(p, QRectF(2, r.VyskaPx - 18, r.SirkaPx / 2.0 - 4, 16), ven, 9, false, QColor(90, 90, 90));
        text(p, QRectF(r.SirkaPx / 2.0, r.VyskaPx - 18, r.SirkaPx / 2.0 - 2, 16), dovnitr, 9, false,
             QColor(90, 90, 90));
    } else {
        text(p, QRectF(4, 2, 180, 14), ven, 9, false, QColor(90, 90, 90), Qt::AlignLeft | Qt::AlignVCenter);
        text(p, QRectF(4, r.VyskaPx - 16, 180, 14), dovnitr, 9, false, QColor(90, 90, 90),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    return img;
}

// A picture of a dialog: the panel fitted in, the caption below.
QImage nahled(const PopisRysu &r, const QString &nadpis, const QString &podpis, bool ramecek = true)
{
    QImage img = obraz(r.SirkaPx, r.VyskaPx, QColor(252, 252, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (ramecek) {
        p.setPen(QPen(QColor(200, 200, 200), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, r.SirkaPx - 1, r.VyskaPx - 1));
    }
    panel(p, r, QRectF(r.PanelX, r.PanelY, r.PanelSirka, r.PanelVyska));
    const double y = r.PanelY + r.PanelVyska + 4;
    const double zbyva = r.VyskaPx - y - 2;
    if (podpis.isEmpty()) {
        text(p, QRectF(2, y, r.SirkaPx - 4, zbyva), nadpis, 14, true, QColor(30, 30, 30));
    } else {
        text(p, QRectF(2, y, r.SirkaPx - 4, zbyva * 0.62), nadpis, 14, true, QColor(30, 30, 30));
        text(p, QRectF(2, y + zbyva * 0.62, r.SirkaPx - 4, zbyva * 0.38), podpis, 11, false,
             QColor(100, 100, 100));
    }
    return img;
}

// ---- Colour swatches ----------------------------------------------------------------------

struct Ral {
    int cislo;
    QRgb rgb;
};
// A few RAL colours by number (approximate screen values).
const Ral kRal[] = {{1013, 0xe3d9c6}, {1015, 0xe6d2b5}, {3000, 0xa72920}, {3004, 0x6d1f28},
                    {5010, 0x13447c}, {6005, 0x0f4336}, {7016, 0x383e42}, {7035, 0xcbd0cc},
                    {7039, 0x6b665e}, {8017, 0x45302b}, {9001, 0xe9e0d2}, {9005, 0x0a0a0d},
                    {9006, 0xa1a1a0}, {9007, 0x878581}, {9010, 0xf1ece1}, {9016, 0xf1f0ea}};

// The colours of the demo catalogue by code.
const std::map<std::string, QRgb> kBarvy = {
    {"b01", 0xf6f6f2},  {"b02", 0xefe4c4},    {"b09", 0x1f1f1f},   {"fol01", 0x6b4a2b},
    {"fol02", 0xb7843f}, {"kam01", 0x4f555b}, {"hpl01", 0x3b3e42}, {"hpl02", 0x6a6a66},
    {"hl01", 0xfbfbf8}, {"nest01", 0x7a4f8c}, {"elox1", 0xc3c7cb}, {"dekal1", 0xb07a3a},
    {"betal", 0xb9b7b0}, {"dy01", 0xc8a26a},  {"dy02", 0xdcc9a3},
};

bool obsahuje(const std::string &s, const char *co) { return s.find(co) != std::string::npos; }

// The RAL number in a name ("RAL 9016") or code ("a9016s"), 0 when none.
int ralCislo(const std::string &nazev, const std::string &kod)
{
    for (const std::string &s : {nazev, kod}) {
        for (std::size_t i = 0; i + 4 <= s.size(); ++i) {
            if (std::all_of(s.begin() + i, s.begin() + i + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
                (i == 0 || !(s[i - 1] >= '0' && s[i - 1] <= '9')) &&
                (i + 4 == s.size() || !(s[i + 4] >= '0' && s[i + 4] <= '9')))
                return std::stoi(s.substr(i, 4));
        }
    }
    return 0;
}

QImage vzornik(const PotrebnyObrazek &o)
{
    const int W = 160, H = 160, pole = 124;
    QImage img = obraz(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qmr::TDbarva &b = o.Barva;
    const std::string nazev = o.Nazev;
    QColor barva;
    if (auto it = kBarvy.find(o.Kod); it != kBarvy.end()) {
        barva = QColor(it->second);
    } else if (const int ral = ralCislo(nazev, o.Kod); ral > 0) {
        barva = QColor(0x808080);
        for (const Ral &r : kRal)
            if (r.cislo == ral)
                barva = QColor(r.rgb);
    } else {
        const std::uint32_t h = fnv(o.Kod);
        barva = QColor::fromHsv(int(h % 360), 90 + int((h >> 9) % 100), 120 + int((h >> 17) % 110));
    }
    const QRectF r(0, 0, W, pole);
    Lcg g{fnv(o.Kod) | 1u};
    const bool drevo = b.Dyha || b.Drevo > 0 || obsahuje(nazev, "ąb") || obsahuje(nazev, "rzech") ||
                       obsahuje(nazev, "fornir");
    const bool ralVzornik = obsahuje(o.Kod, "ral") && ralCislo(nazev, o.Kod) == 0;
    if (ralVzornik) {
        // A RAL fan: the colour is chosen by its number.
        const QRgb pruhy[] = {0xe6d2b5, 0xa72920, 0x13447c, 0x0f4336, 0x383e42, 0xf1f0ea, 0x45302b, 0xcbd0cc};
        for (int i = 0; i < 8; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(pruhy[i]));
            p.drawRect(QRectF(i * W / 8.0, 0, W / 8.0 + 1, pole));
        }
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawRoundedRect(QRectF(30, 42, 100, 40), 6, 6);
        text(p, QRectF(30, 42, 100, 40), QStringLiteral("RAL"), 24, true, QColor(40, 40, 40));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(barva);
        p.drawRect(r);
        if (drevo) {
            // Wood grain: wavy darker lines.
            for (int i = 0; i < 26; ++i) {
                const double y = i * pole / 26.0 + g.unit() * 3;
                QPainterPath c;
                c.moveTo(0, y);
                for (int x = 0; x <= W; x += 16)
                    c.lineTo(x, y + std::sin((x + i * 37) / 23.0) * (1.5 + g.unit() * 2));
                p.setPen(QPen(barva.darker(118 + int(g.unit() * 25)), 1 + g.unit() * 1.2));
                p.setBrush(Qt::NoBrush);
                p.drawPath(c);
            }
        } else if (o.Kamen || b.Beton) {
            // Stone or concrete: speckles.
            const int n = o.Kamen ? 900 : 500;
            for (int i = 0; i < n; ++i) {
                const double x = g.unit() * W, y = g.unit() * pole, s = 0.8 + g.unit() * (o.Kamen ? 2.6 : 1.6);
                p.setPen(Qt::NoPen);
                p.setBrush(g.unit() < 0.5 ? barva.darker(112 + int(g.unit() * 30)) : barva.lighter(108 + int(g.unit() * 20)));
                p.drawEllipse(QPointF(x, y), s, s);
            }
            if (o.Kamen)
                for (int i = 0; i < 5; ++i) {
                    p.setPen(QPen(barva.lighter(125), 1));
                    p.drawLine(QPointF(0, g.unit() * pole), QPointF(W, g.unit() * pole));
                }
        } else if (b.Elox || obsahuje(nazev, "metalik") || obsahuje(nazev, "Srebro")) {
            QLinearGradient lg(0, 0, W, pole);
            lg.setColorAt(0, barva.lighter(130));
            lg.setColorAt(0.5, barva);
            lg.setColorAt(1, barva.darker(125));
            p.setBrush(lg);
            p.drawRect(r);
            for (int i = 0; i < 300; ++i) {
                p.setPen(QPen(QColor(255, 255, 255, 60), 1));
                const double x = g.unit() * W, y = g.unit() * pole;
                p.drawPoint(QPointF(x, y));
            }
        } else if (obsahuje(nazev, "struktura")) {
            for (int i = 0; i < 700; ++i) {
                p.setPen(QPen(barva.darker(106 + int(g.unit() * 8)), 1));
                p.drawPoint(QPointF(g.unit() * W, g.unit() * pole));
            }
        }
        if (b.Hlinik) {
            text(p, QRectF(4, 4, 40, 14), QStringLiteral("AL"), 10, true,
                 barva.lightness() > 128 ? QColor(60, 60, 60) : QColor(235, 235, 235), Qt::AlignLeft | Qt::AlignTop);
        }
    }
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1, pole - 1));
    text(p, QRectF(3, pole + 1, W - 6, 21), q(nazev), 11, false, QColor(30, 30, 30));
    text(p, QRectF(3, pole + 22, W - 6, 13), q(o.Kod), 9, false, QColor(110, 110, 110));
    return img;
}

// ---- Glass, stained glass and accessories -------------------------------------------------

QImage dekor(const PotrebnyObrazek &o)
{
    const int W = 200, H = 200, pole = 160;
    QImage img = obraz(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    Lcg g{fnv(o.Kod) | 1u};
    QLinearGradient lg(0, 0, W, pole);
    lg.setColorAt(0, QColor(214, 234, 244));
    lg.setColorAt(1, QColor(180, 212, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    p.drawRect(QRectF(0, 0, W, pole));
    const std::string &kod = o.Kod;
    if (o.Typ == 4 || obsahuje(kod, "wyp")) {
        // Convex glass: rings.
        for (int i = 10; i > 0; --i) {
            QRadialGradient rg(QPointF(W / 2.0, pole / 2.0), i * 9.0);
            rg.setColorAt(0, QColor(255, 255, 255, 120));
            rg.setColorAt(1, QColor(150, 190, 215, 80));
            p.setBrush(rg);
            p.setPen(QPen(QColor(120, 160, 190, 120), 1));
            p.drawEllipse(QPointF(W / 2.0, pole / 2.0), i * 9.0, i * 8.0);
        }
    } else if (obsahuje(kod, "mat") || obsahuje(kod, "szr")) {
        // Satin or frosted: a fine even grain.
        for (int i = 0; i < 2500; ++i) {
            p.setPen(QPen(QColor(255, 255, 255, 90 + int(g.unit() * 80)), 1));
            p.drawPoint(QPointF(g.unit() * W, g.unit() * pole));
        }
    } else if (obsahuje(kod, "krp")) {
        for (int i = 0; i < 70; ++i) {
            const double x = g.unit() * W, y = g.unit() * pole, s = 3 + g.unit() * 6;
            p.setPen(QPen(QColor(110, 150, 180, 150), 1));
            p.setBrush(QColor(255, 255, 255, 110));
            p.drawEllipse(QPointF(x, y), s * 0.8, s);
        }
    } else if (obsahuje(kod, "mkw")) {
        // Ice flowers.
        for (int i = 0; i < 12; ++i) {
            const QPointF c(g.unit() * W, g.unit() * pole);
            for (int k = 0; k < 6; ++k) {
                const double a = k * M_PI / 3 + g.unit();
                p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
                p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * (8 + g.unit() * 10));
            }
        }
    } else if (obsahuje(kod, "kor")) {
        for (int i = 0; i < 40; ++i) {
            const double x = g.unit() * W;
            p.setPen(QPen(QColor(120, 150, 170, 130), 1 + g.unit() * 2));
            p.drawLine(QPointF(x, 0), QPointF(x + (g.unit() - 0.5) * 20, pole));
        }
    } else {
        // Clear, laminated or toughened glass: reflections (and the laminate's foil lines).
        p.setPen(QPen(QColor(255, 255, 255, 200), 3));
        p.drawLine(QPointF(30, 120), QPointF(120, 30));
        p.drawLine(QPointF(60, 140), QPointF(160, 40));
        if (obsahuje(kod, "cx")) {
            p.setPen(QPen(QColor(110, 140, 160), 1, Qt::DashLine));
            for (int y : {50, 80, 110})
                p.drawLine(QPointF(8, y), QPointF(W - 8, y));
        }
    }
    p.setPen(QPen(QColor(120, 150, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1, pole - 1));
    text(p, QRectF(3, pole + 2, W - 6, 22), q(o.Nazev), 12, false, QColor(30, 30, 30));
    const std::string jmeno = fs::path(o.cesta).stem().string();
    text(p, QRectF(3, pole + 24, W - 6, 14), q(jmeno), 9, false, QColor(110, 110, 110));
    return img;
}

QImage vitraz(const PotrebnyObrazek &o)
{
    const std::string jmeno = fs::path(o.cesta).stem().string();
    const int W = 200, H = 300, pole = 250;
    QImage img = obraz(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    Lcg g{fnv(o.Kod) | 1u};
    const QRectF r(10, 10, W - 20, pole - 20);
    p.setPen(Qt::NoPen);
    p.setBrush(o.Typ == 0 ? QColor(210, 228, 238) : QColor(232, 236, 238));
    p.drawRect(r);
    if (o.Typ == 0) {
        // Stained glass: coloured cells in lead lines.
        const QRgb farby[] = {0xc0392b, 0xe67e22, 0xf1c40f, 0x27ae60, 0x2980b9, 0x8e44ad, 0x16a085};
        const int sl = 4, ra = 6;
        for (int i = 0; i < ra; ++i)
            for (int j = 0; j < sl; ++j) {
                const QRectF c(r.left() + j * r.width() / sl, r.top() + i * r.height() / ra, r.width() / sl,
                               r.height() / ra);
                QPolygonF poly;
                poly << c.topLeft() + QPointF(g.unit() * 6, 0) << c.topRight() << c.bottomRight() - QPointF(0, g.unit() * 6)
                     << c.bottomLeft();
                p.setBrush(QColor(farby[g.next() % 7]).lighter(110));
                p.setPen(QPen(QColor(50, 50, 50), 2.5));
                p.drawPolygon(poly);
            }
        // A flower in the middle.
        p.setBrush(QColor(0xc0392b));
        for (int k = 0; k < 6; ++k) {
            const double a = k * M_PI / 3;
            p.drawEllipse(r.center() + QPointF(std::cos(a), std::sin(a)) * 22, 14, 14);
        }
        p.setBrush(QColor(0xf1c40f));
        p.drawEllipse(r.center(), 12, 12);
    } else {
        // Sand-blasted, fused or printed: a pattern on frosted glass.
        for (int i = 0; i < 3000; ++i) {
            p.setPen(QPen(QColor(255, 255, 255, 120), 1));
            p.drawPoint(QPointF(r.left() + g.unit() * r.width(), r.top() + g.unit() * r.height()));
        }
        p.setBrush(Qt::NoBrush);
        if (o.Typ == 1 || o.Typ == 2) {
            for (int i = 0; i < 9; ++i) {
                QPainterPath c;
                const double y = r.top() + 20 + i * 24;
                c.moveTo(r.left(), y);
                for (double x = r.left(); x <= r.right(); x += 6)
                    c.lineTo(x, y + std::sin((x + i * 20) / 18.0) * 8);
                p.setPen(QPen(QColor(160, 175, 185), 3));
                p.drawPath(c);
            }
            if (o.Typ == 2) {
                p.setPen(QPen(QColor(60, 120, 60), 2));
                p.setBrush(QColor(120, 180, 110));
                for (int i = 0; i < 5; ++i)
                    p.drawEllipse(QPointF(r.center().x() + (i - 2) * 26, r.center().y() + (i % 2) * 30), 10, 18);
            }
        } else if (o.Typ == 3) {
            for (int i = 0; i < 40; ++i) {
                const QPointF c(r.left() + g.unit() * r.width(), r.top() + g.unit() * r.height());
                p.setPen(QPen(QColor(120, 160, 200), 1));
                p.setBrush(QColor(180, 210, 240, 180));
                p.drawEllipse(c, 3 + g.unit() * 6, 3 + g.unit() * 6);
            }
        } else {
            QLinearGradient lg(r.topLeft(), r.bottomLeft());
            lg.setColorAt(0, QColor(120, 170, 220));
            lg.setColorAt(0.6, QColor(240, 200, 140));
            lg.setColorAt(1, QColor(90, 130, 80));
            p.setPen(Qt::NoPen);
            p.setBrush(lg);
            p.drawRect(r.adjusted(10, 10, -10, -10));
            p.setBrush(QColor(70, 90, 70));
            QPolygonF hory;
            hory << QPointF(r.left() + 10, r.bottom() - 40) << QPointF(r.left() + 60, r.center().y())
                 << QPointF(r.left() + 100, r.bottom() - 70) << QPointF(r.right() - 40, r.center().y() - 20)
                 << QPointF(r.right() - 10, r.bottom() - 40) << QPointF(r.right() - 10, r.bottom() - 10)
                 << QPointF(r.left() + 10, r.bottom() - 10);
            p.drawPolygon(hory);
        }
    }
    p.setPen(QPen(QColor(90, 90, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    text(p, QRectF(3, pole + 1, W - 6, 30), q(o.Nazev), 12, false, QColor(30, 30, 30));
    text(p, QRectF(3, pole + 32, W - 6, 16), q(jmeno), 9, false, QColor(110, 110, 110));
    return img;
}

QImage doplnek(const PotrebnyObrazek &o)
{
    const int W = 300, H = 300;
    QImage img = obraz(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor kov(150, 155, 160), tmavy(70, 72, 76);
    const std::string &k = o.Kod;
    const QPointF c(W / 2.0, 120);
    p.setPen(QPen(tmavy, 2));
    if (o.Typ == 1) {
        // A vertical pull handle with its two fixings.
        QLinearGradient lg(c.x() - 10, 0, c.x() + 10, 0);
        lg.setColorAt(0, kov.lighter(130));
        lg.setColorAt(1, kov.darker(130));
        p.setBrush(lg);
        p.drawRoundedRect(QRectF(c.x() - 8, 20, 16, 200), 8, 8);
        p.setBrush(tmavy);
        p.drawRect(QRectF(c.x() - 22, 50, 14, 10));
        p.drawRect(QRectF(c.x() - 22, 180, 14, 10));
    } else if (obsahuje(k, "kl")) {
        // A lever handle on its plate.
        p.setBrush(kov);
        p.drawRoundedRect(QRectF(c.x() - 22, 30, 44, 190), 10, 10);
        p.setBrush(kov.darker(115));
        p.drawRoundedRect(QRectF(c.x() - 20, 70, 110, 22), 11, 11);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x(), 170), 7, 11);
    } else if (obsahuje(k, "wiz")) {
        QRadialGradient rg(c, 40);
        rg.setColorAt(0, QColor(40, 60, 90));
        rg.setColorAt(1, QColor(150, 180, 210));
        p.setBrush(kov);
        p.drawEllipse(c, 48, 48);
        p.setBrush(rg);
        p.drawEllipse(c, 30, 30);
    } else if (obsahuje(k, "kol")) {
        // A door knocker.
        p.setBrush(kov);
        p.drawEllipse(QPointF(c.x(), 50), 18, 18);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kov.darker(120), 12));
        p.drawEllipse(QPointF(c.x(), 130), 55, 60);
    } else if (obsahuje(k, "tip") || obsahuje(k, "wrz")) {
        // A letter slot.
        p.setBrush(QColor(245, 245, 245));
        p.drawRoundedRect(QRectF(40, 80, 220, 80), 8, 8);
        p.setBrush(tmavy);
        p.drawRect(QRectF(60, 112, 180, 16));
    } else if (obsahuje(k, "num")) {
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(QRectF(70, 40, 160, 160), 12, 12);
        text(p, QRectF(70, 40, 160, 160), QStringLiteral("12"), 72, true, tmavy);
    } else if (obsahuje(k, "MX")) {
        // The decorative muntin set.
        p.setBrush(QColor(196, 226, 242));
        p.drawRect(QRectF(80, 30, 140, 180));
        p.setPen(QPen(tmavy, 1));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(146, 30, 8, 180));
        p.drawRect(QRectF(80, 90, 140, 8));
        p.drawRect(QRectF(80, 150, 140, 8));
    } else if (obsahuje(k, "prmdl")) {
        // Handle preparation: the milled holes.
        p.setBrush(QColor(240, 234, 222));
        p.drawRect(QRectF(60, 20, 180, 200));
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(180, 30, 30), 2, Qt::DashLine));
        p.drawEllipse(QPointF(c.x(), 60), 12, 12);
        p.drawEllipse(QPointF(c.x(), 180), 12, 12);
        p.drawLine(QPointF(c.x(), 72), QPointF(c.x(), 168));
    } else {
        p.setBrush(kov);
        p.drawEllipse(c, 60, 60);
    }
    text(p, QRectF(6, 232, W - 12, 44), q(o.Nazev), 16, false, QColor(30, 30, 30));
    text(p, QRectF(6, 276, W - 12, 18), q(o.Kod), 11, false, QColor(110, 110, 110));
    return img;
}

// ---- Splash picture and icon ----------------------------------------------------------------

QImage logo()
{
    const int W = 290, H = 170;
    QImage img = obraz(W, H, QColor(16, 52, 96));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The splash window is the ellipse inscribed in the picture.
    QRadialGradient rg(QPointF(W / 2.0, H / 2.0), W / 1.6);
    rg.setColorAt(0, QColor(72, 140, 200));
    rg.setColorAt(1, QColor(16, 52, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(rg);
    p.drawEllipse(QRectF(0, 0, W, H));
    // A small door with a glazed panel left of the name.
    p.setPen(QPen(QColor(240, 240, 240), 2));
    p.setBrush(QColor(230, 232, 235));
    p.drawRect(QRectF(44, 46, 40, 80));
    p.setBrush(QColor(196, 226, 242));
    p.drawRect(QRectF(58, 54, 12, 44));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(76, 88, 4, 12));
    text(p, QRectF(92, 52, 170, 46), QStringLiteral("Quilmar"), 40, true, QColor(255, 255, 255),
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(94, 96, 170, 18), QStringLiteral("wypełnienia drzwiowe"), 13, false,
         QColor(220, 232, 245), Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(94, 114, 170, 16), QStringLiteral("wersja ") + QString::fromLatin1(qmr::kVerze.data(), qsizetype(qmr::kVerze.size())), 11, false,
         QColor(200, 215, 235), Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage ikona(int s)
{
    QImage img(s, s, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double k = s / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 52, 96));
    p.drawRoundedRect(QRectF(1 * k, 1 * k, 30 * k, 30 * k), 6 * k, 6 * k);
    p.setBrush(QColor(235, 237, 240));
    p.drawRect(QRectF(9 * k, 5 * k, 14 * k, 23 * k));
    p.setBrush(QColor(120, 190, 235));
    p.drawRect(QRectF(13.5 * k, 8 * k, 5 * k, 12 * k));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(20 * k, 18 * k, 1.6 * k, 4 * k));
    return img;
}

// An icon file of PNG-compressed images (16, 32 and 48 pixels).
QByteArray icoSoubor()
{
    std::vector<QByteArray> png;
    const int velikosti[] = {16, 32, 48};
    for (int s : velikosti) {
        QByteArray b;
        QBuffer buf(&b);
        buf.open(QIODevice::WriteOnly);
        ikona(s).save(&buf, "PNG");
        png.push_back(b);
    }
    QByteArray out;
    const auto u16 = [&](int v) { out.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    const auto u32 = [&](quint32 v) { u16(int(v & 0xffff)); u16(int(v >> 16)); };
    u16(0);
    u16(1);
    u16(int(png.size()));
    quint32 offset = 6 + 16 * quint32(png.size());
    for (std::size_t i = 0; i < png.size(); ++i) {
        out.append(char(velikosti[i] & 0xff)).append(char(velikosti[i] & 0xff)).append(char(0)).append(char(0));
        u16(1);
        u16(32);
        u32(quint32(png[i].size()));
        u32(offset);
        offset += quint32(png[i].size());
    }
    for (const QByteArray &b : png)
        out.append(b);
    return out;
}

// ---- Writing ------------------------------------------------------------------------------

bool zapisBajty(const fs::path &cil, const QByteArray &data)
{
    const fs::path tmp = cil.string() + ".mkpictures-tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f.write(data.constData(), data.size());
        if (!f)
            return false;
    }
    std::error_code ec;
    fs::rename(tmp, cil, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool zapisJpeg(const fs::path &cil, const QImage &img)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "jpeg");
    w.setQuality(90);
    if (!w.write(img)) {
        std::fprintf(stderr, "qmr-mkpictures: %s: %s\n", cil.string().c_str(), w.errorString().toStdString().c_str());
        return false;
    }
    return zapisBajty(cil, b);
}

QImage nakresli(const PotrebnyObrazek &o)
{
    using D = PotrebnyObrazek::Druh;
    const QString jmeno = q(fs::path(o.cesta).stem().string());
    switch (o.druh) {
    case D::Rys:
        switch (o.rys.druh) {
        case PopisRysu::Druh::Vypln: return rysVypln(o.rys, jmeno);
        case PopisRysu::Druh::Pomocny: return rysPomocny(o.rys);
        case PopisRysu::Druh::Prekryv: return rysPrekryv(o.rys);
        case PopisRysu::Druh::Zaklad: return rysZaklad(o.rys);
        case PopisRysu::Druh::Pohled: return rysPohled(o.rys);
        }
        break;
    case D::Vypln: return nahled(o.rys, q(o.Nazev), q(o.Kod));
    case D::Zaskleni: return nahled(o.rys, QStringLiteral("S") + QString::number(o.rys.Zaskleni), QString(), false);
    case D::Barva: return vzornik(o);
    case D::Dekor: return dekor(o);
    case D::Doplnek: return doplnek(o);
    case D::Vitraz: return vitraz(o);
    case D::Logo: return logo();
    case D::Ikona: break;
    }
    return {};
}

// Qt's notes about the session environment (no runtime folder in a build) are noise here.
void zpravy(QtMsgType typ, const QMessageLogContext &, const QString &zprava)
{
    if (typ == QtDebugMsg || typ == QtInfoMsg || zprava.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "qmr-mkpictures: %s\n", zprava.toLocal8Bit().constData());
}

int pouziti()
{
    std::fprintf(stderr, "usage: qmr-mkpictures [--list] PROGRAM_DIR\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    bool seznam = false;
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--list")
            seznam = true;
        else if (dir.empty())
            dir = a;
        else
            return pouziti();
    }
    if (dir.empty())
        return pouziti();
    std::string apCesta = fs::path(dir).lexically_normal().string();
    if (apCesta.empty() || apCesta.back() != '/')
        apCesta += '/';

    const std::vector<PotrebnyObrazek> obrazky = qmr::PotrebneObrazky(apCesta);
    if (seznam) {
        for (const PotrebnyObrazek &o : obrazky)
            std::printf("%s\t%s\t%s\n", o.cesta.c_str(), o.kdo.c_str(), o.popis.c_str());
        return 0;
    }
    if (!fs::is_directory(apCesta + "DATA")) {
        std::fprintf(stderr, "qmr-mkpictures: %sDATA is missing\n", apCesta.c_str());
        return 1;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(zpravy);
    QGuiApplication app(argc, argv);
    if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
        std::fprintf(stderr, "qmr-mkpictures: warning: the font DejaVu Sans is missing; texts use another font\n");

    for (const char *s : kSlozky)
        fs::create_directories(apCesta + s);
    std::set<std::string> hotove;
    int chyby = 0;
    for (const PotrebnyObrazek &o : obrazky) {
        const fs::path cil = apCesta + o.cesta;
        bool ok;
        if (o.druh == PotrebnyObrazek::Druh::Ikona) {
            QByteArray data;
            QBuffer buf(&data);
            buf.open(QIODevice::WriteOnly);
            QImageWriter w(&buf, "ico");
            ok = w.write(ikona(32)) && zapisBajty(cil, data);
            if (!ok)
                ok = zapisBajty(cil, icoSoubor());
        } else {
            ok = zapisJpeg(cil, nakresli(o));
        }
        if (!ok) {
            std::fprintf(stderr, "qmr-mkpictures: cannot write %s\n", cil.string().c_str());
            ++chyby;
        }
        hotove.insert(o.cesta);
    }
    // Pictures left from an earlier catalogue.
    int stare = 0;
    for (const char *s : kSlozky) {
        for (const auto &e : fs::directory_iterator(apCesta + s)) {
            std::string ext = e.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
            const std::string rel = std::string(s) + "/" + e.path().filename().string();
            if (e.is_regular_file() && (ext == ".jpg" || ext == ".mkpictures-tmp") && !hotove.count(rel)) {
                std::error_code ec;
                fs::remove(e.path(), ec);
                ++stare;
            }
        }
    }
    std::printf("qmr-mkpictures: %zu pictures in %s%s\n", obrazky.size(), apCesta.c_str(),
                stare ? (" (" + std::to_string(stare) + " stale removed)").c_str() : "");
    return chyby ? 1 : 0;
}
