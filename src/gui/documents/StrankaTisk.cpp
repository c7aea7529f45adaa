#include "gui/documents/StrankaTisk.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace qmr {

namespace {

QString Q(const std::string &s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QFont Font(Pismo p, double zmenseni = 0)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    switch (p) {
    case Pismo::Normalni: f.setPointSizeF(10); break;
    case Pismo::Tucne: f.setPointSizeF(10); f.setBold(true); break;
    case Pismo::Velke: f.setPointSizeF(14); f.setBold(true); break;
    case Pismo::Nazev12: f.setPointSizeF(12); f.setBold(true); break;
    }
    if (zmenseni > 0)
        f.setPointSizeF(f.pointSizeF() - zmenseni);
    // A spacing of a 64th of a pixel keeps the shaper from joining "fi" into a
    // ligature, so that the words of a PDF file can be searched and copied as typed.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return f;
}

// The visual lines of a text wrapped at the width (device units); an empty text keeps
// one empty line.
std::vector<QString> Zalom(const QString &text, const QFont &f, QPaintDevice *d, double sirka)
{
    std::vector<QString> radky;
    QTextLayout l(text, f, d);
    QTextOption o;
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    l.setTextOption(o);
    l.beginLayout();
    for (;;) {
        QTextLine r = l.createLine();
        if (!r.isValid())
            break;
        r.setLineWidth(sirka);
        radky.push_back(text.mid(r.textStart(), r.textLength()).trimmed());
    }
    l.endLayout();
    if (radky.empty())
        radky.emplace_back();
    return radky;
}

// Everything a page needs, worked out before the first stroke.
class Kresleni {
public:
    Kresleni(QPainter &p, const StranaTisku &s, const ObrazkyStrany &o)
        : p_(p), s_(s), o_(o), k_(p.device()->logicalDpiY() / 25.4)
    {
        // Notes that run out of their box continue on further pages.
        for (const PolozkaStrany &i : s_.Polozky) {
            if (i.druh != PolozkaStrany::Druh::Blok)
                continue;
            const QFont f = Font(i.pismo);
            const double krok = QFontMetricsF(f, p_.device()).lineSpacing();
            std::vector<QString> vse;
            for (const std::string &r : i.Radky)
                for (QString &z : Zalom(Q(r), f, p_.device(), i.Sirka * k_))
                    vse.push_back(std::move(z));
            Blok b{&i, krok, {}};
            const double mez = i.Roste ? std::max(i.Mez, i.Y + i.Vyska) : i.Y + i.Vyska;
            std::size_t n = 0;
            double y = i.Y * k_;
            b.Strany.emplace_back();
            for (; n < vse.size() && y + krok <= mez * k_ + 0.5; ++n, y += krok)
                b.Strany.back().push_back(vse[n]);
            const double dole = (s_.VyskaMM - 10.0) * k_;
            while (i.Roste && n < vse.size()) {
                b.Strany.emplace_back();
                y = i.PokracujY * k_;
                for (; n < vse.size() && (y + krok <= dole || b.Strany.back().empty()); ++n, y += krok)
                    b.Strany.back().push_back(vse[n]);
            }
            stran_ = std::max(stran_, int(b.Strany.size()));
            bloky_.push_back(std::move(b));
        }
    }

    int Stran() const { return stran_; }

    void Strana(int n)
    {
        if (n == 0)
            for (const PolozkaStrany &i : s_.Polozky)
                Polozka(i);
        for (const Blok &b : bloky_) {
            if (n >= int(b.Strany.size()))
                continue;
            p_.setFont(Font(b.Polozka->pismo));
            p_.setPen(Qt::black);
            double y = (n == 0 ? b.Polozka->Y : b.Polozka->PokracujY) * k_;
            for (const QString &r : b.Strany[n]) {
                p_.drawText(QRectF(b.Polozka->X * k_, y, b.Polozka->Sirka * k_, b.Krok),
                            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, r);
                y += b.Krok;
            }
        }
    }

private:
    struct Blok {
        const PolozkaStrany *Polozka;
        double Krok;
        std::vector<std::vector<QString>> Strany;
    };

    QRectF Obdelnik(const PolozkaStrany &i) const
    {
        return QRectF(i.X * k_, i.Y * k_, i.Sirka * k_, i.Vyska * k_);
    }

    QPen Pero(bool teckovane) const
    {
        QPen pen(Qt::black);
        pen.setWidthF(0.25 * k_);
        if (teckovane)
            pen.setStyle(Qt::DotLine);
        return pen;
    }

    void Polozka(const PolozkaStrany &i)
    {
        using D = PolozkaStrany::Druh;
        switch (i.druh) {
        case D::Text: {
            if (i.Text.empty())
                return;
            const QFont f = Font(i.pismo);
            p_.setFont(f);
            p_.setPen(Qt::black);
            const QFontMetricsF fm(f, p_.device());
            const QString text = Q(i.Text);
            const double delka = fm.horizontalAdvance(text);
            const double mez = (i.Sirka > 0 ? i.Sirka : s_.SirkaMM - i.X) * k_;
            // A text longer than its room is condensed rather than cut or run into its
            // neighbour.
            const double sx = delka > mez && delka > 0 ? mez / delka : 1.0;
            p_.save();
            p_.translate(i.X * k_, i.Y * k_);
            p_.scale(sx, 1.0);
            p_.drawText(QRectF(0, 0, delka + fm.maxWidth(), fm.lineSpacing()),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
            p_.restore();
            return;
        }
        case D::Blok:
            return; // drawn per page
        case D::Sloupce:
            Sloupce(i);
            return;
        case D::Ramecek:
            p_.setPen(Pero(i.Teckovana));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(Obdelnik(i));
            return;
        case D::Cara:
            p_.setPen(Pero(i.Teckovana));
            p_.drawLine(QPointF(i.X * k_, i.Y * k_), QPointF((i.X + i.Sirka) * k_, (i.Y + i.Vyska) * k_));
            return;
        case D::Obrazek: {
            const QImage obr = o_ ? o_(i.Zdroj, i.Soubor) : QImage();
            if (obr.isNull())
                return;
            QRectF r = Obdelnik(i);
            if (!i.Roztahnout) {
                const QSizeF v = QSizeF(obr.size()).scaled(r.size(), Qt::KeepAspectRatio);
                r = QRectF(r.center().x() - v.width() / 2, r.center().y() - v.height() / 2, v.width(), v.height());
            }
            p_.drawImage(r, obr);
            return;
        }
        }
    }

    // Label and value of a line share a row as high as the taller of the two once
    // wrapped; when the rows do not fit the box the type gets smaller (down to 6 points).
    void Sloupce(const PolozkaStrany &i)
    {
        const std::size_t n = std::max(i.Radky.size(), i.Radky2.size());
        auto text = [](const std::vector<std::string> &v, std::size_t j) {
            return j < v.size() ? Q(v[j]) : QString();
        };
        for (double zmenseni = 0;; zmenseni += 0.5) {
            const QFont f = Font(i.pismo, zmenseni);
            const double krok = QFontMetricsF(f, p_.device()).lineSpacing();
            std::vector<std::pair<std::vector<QString>, std::vector<QString>>> rady;
            double vyska = 0;
            for (std::size_t j = 0; j < n; ++j) {
                rady.emplace_back(Zalom(text(i.Radky, j), f, p_.device(), i.Sirka * k_),
                                  Zalom(text(i.Radky2, j), f, p_.device(), i.Sirka2 * k_));
                vyska += krok * double(std::max(rady.back().first.size(), rady.back().second.size()));
            }
            if (vyska > i.Vyska * k_ + 0.5 && f.pointSizeF() > 6.0)
                continue;
            p_.setFont(f);
            p_.setPen(Qt::black);
            double y = i.Y * k_;
            for (const auto &[popis, hodnota] : rady) {
                for (std::size_t r = 0; r < popis.size(); ++r)
                    p_.drawText(QRectF(i.X * k_, y + r * krok, i.Sirka * k_, krok),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, popis[r]);
                for (std::size_t r = 0; r < hodnota.size(); ++r)
                    p_.drawText(QRectF(i.X2 * k_, y + r * krok, i.Sirka2 * k_, krok),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, hodnota[r]);
                y += krok * double(std::max(popis.size(), hodnota.size()));
            }
            return;
        }
    }

    QPainter &p_;
    const StranaTisku &s_;
    const ObrazkyStrany &o_;
    double k_;
    int stran_ = 1;
    std::vector<Blok> bloky_;
};

} // namespace

int NakresliStranu(QPainter &p, QPagedPaintDevice &zarizeni, const StranaTisku &strana,
                   const ObrazkyStrany &obrazky, int Od, int Do)
{
    Kresleni k(p, strana, obrazky);
    const int stran = k.Stran();
    const int od = Od > 0 ? std::min(Od, stran) : 1;
    const int po = Do > 0 ? std::min(Do, stran) : stran;
    for (int n = od; n <= po; ++n) {
        if (n > od)
            zarizeni.newPage();
        k.Strana(n - 1);
    }
    return stran;
}

bool UlozPdf(const StranaTisku &strana, const ObrazkyStrany &obrazky, const std::string &soubor)
{
    QPdfWriter pdf(Q(soubor));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(Q(strana.Titulek));
    pdf.setCreator(QStringLiteral("Quilmar"));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    NakresliStranu(p, pdf, strana, obrazky);
    return p.end();
}

} // namespace qmr
