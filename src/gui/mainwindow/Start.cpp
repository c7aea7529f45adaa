#include "gui/mainwindow/Start.h"

#include "core/Constants.h"
#include "core/Session.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLocalSocket>
#include <QLocale>
#include <QPainter>
#include <QRegion>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cmath>

namespace qmr {

QLocale PevnyLocale()
{
    // No Polish locale writes short dates as dd.MM.yyyy (Qt's Polish data says
    // d.MM.yyyy). Norwegian Bokmål formats numbers exactly like Polish (decimal comma,
    // a space between thousands) and writes dates as dd.MM.yyyy.
    QLocale l(QLocale::NorwegianBokmal, QLocale::Norway);
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l;
}

void NastavFormaty()
{
    QLocale::setDefault(PevnyLocale());
    // QApplication sets the C library's locale from the environment; numbers in files
    // are converted by the core helpers, which expect the "C" numeric locale.
    std::setlocale(LC_NUMERIC, "C");
}

int Vycentruj(int sw, int w)
{
    if (w >= sw)
        return 0;
    return static_cast<int>(std::nearbyint((sw - w) / 2.0)); // default mode: halves to even
}

TOSplash::TOSplash(const QString &obrazek, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("OSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kSirka, kVyska);
    if (const QScreen *scr = QGuiApplication::primaryScreen()) {
        const QRect g = scr->geometry();
        int x = g.x(), y = g.y();
        if (kSirka < g.width())
            x += Vycentruj(g.width(), kSirka);
        if (kVyska < g.height())
            y += Vycentruj(g.height(), kVyska);
        move(x, y);
    }
    setMask(QRegion(0, 0, kSirka, kVyska, QRegion::Ellipse));
    // A missing picture is tolerated silently; a present one that does not decode
    // leaves the form empty as well (the picture is cosmetic).
    if (QFileInfo::exists(obrazek)) {
        QImageReader r(obrazek);
        r.setDecideFormatFromContent(true);
        obrazek_ = r.read();
    }
}

void TOSplash::Ukaz()
{
    show();
    QCoreApplication::processEvents();
    QTimer::singleShot(kDobaMs, this, &QWidget::close);
}

void TOSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (obrazek_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawImage(rect(), obrazek_);
}

TOSplash *UkazSplash(const Session &s)
{
    auto *w = new TOSplash(QString::fromStdString(s.apCesta + std::string(kSplashPicture)));
    w->Ukaz();
    return w;
}

QIcon NactiIkonu(const Session &s)
{
    const QString f = QString::fromStdString(s.apCesta + std::string(kIconFile));
    if (!QFileInfo::exists(f))
        return QIcon();
    QIcon ikona(f);
    return ikona;
}

// ---- Single instance ------------------------------------------------------------------

namespace {

constexpr char kZprava[] = "activate\n";
constexpr char kOdpoved[] = "ok\n";

QString bezpecneId(QString id)
{
    if (id.isEmpty())
        id = qEnvironmentVariable("QUILMAR_INSTANCE_ID");
    if (id.isEmpty())
        id = QStringLiteral("default");
    static const QRegularExpression ok(QStringLiteral("^[A-Za-z0-9._-]{1,40}$"));
    if (!ok.match(id).hasMatch())
        id = QString::fromLatin1(
            QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex().left(24));
    return id;
}

QString slozkaBehu()
{
    // Per user: $XDG_RUNTIME_DIR; without it a private folder of this user below the temp
    // folder (created 0700; one that another user made, or that others may enter, is not
    // used).
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir())
        return xdg;
    const QString vlastni = QDir::tempPath() + QStringLiteral("/quilmar-") + QString::number(::getuid());
    const QByteArray cesta = QFile::encodeName(vlastni);
    ::mkdir(cesta.constData(), 0700);
    struct stat st {};
    if (::lstat(cesta.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid()
        && (st.st_mode & 077) == 0)
        return vlastni;
    const QString qt = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!qt.isEmpty())
        return qt;
    return QDir::tempPath();
}

} // namespace

JedinaInstance::JedinaInstance(const QString &id, QObject *parent) : QObject(parent)
{
    const QString dir = slozkaBehu();
    const QString jmeno = QStringLiteral("quilmar-") + bezpecneId(id);
    soket_ = dir + QLatin1Char('/') + jmeno + QStringLiteral(".sock");
    zamek_ = dir + QLatin1Char('/') + jmeno + QStringLiteral(".lock");
}

JedinaInstance::~JedinaInstance()
{
    if (server_)
        server_->close(); // removes the socket file
    if (lock_)
        lock_->unlock();
}

bool JedinaInstance::predej(int timeoutMs)
{
    QLocalSocket sock;
    sock.connectToServer(soket_);
    if (!sock.waitForConnected(timeoutMs))
        return false;
    sock.write(kZprava);
    sock.waitForBytesWritten(timeoutMs);
    // The answer confirms the hand-over; a running instance that is busy may answer late,
    // and this start ends either way: it must not open a second window.
    sock.waitForReadyRead(timeoutMs);
    sock.disconnectFromServer();
    return true;
}

JedinaInstance::Vysledek JedinaInstance::Over(int timeoutMs)
{
    if (predej(1000))
        return Vysledek::Predano;

    lock_ = std::make_unique<QLockFile>(zamek_);
    // A live instance holds the lock for its whole run: never treat it as stale by age.
    // tryLock takes over a lock whose process no longer runs (checked by process id).
    lock_->setStaleLockTime(0);
    QElapsedTimer t;
    t.start();
    while (!lock_->tryLock(100)) {
        if (lock_->error() != QLockFile::LockFailedError) {
            // No usable lock (an unwritable runtime folder): run without the guard
            // rather than not at all.
            lock_.reset();
            break;
        }
        // Another instance holds it: it runs, starts or ends; wait for its socket.
        if (predej(200))
            return Vysledek::Predano;
        if (t.elapsed() > timeoutMs) {
            // It holds the lock but does not answer: it hangs. A second window is not
            // opened; the user ends the hung one.
            qWarning("quilmar: another instance holds %s but does not answer", qPrintable(zamek_));
            return Vysledek::Predano;
        }
    }

    // Holding the lock, any socket file left is one of a killed instance.
    if (lock_ && predej(200))
        return Vysledek::Predano;
    QLocalServer::removeServer(soket_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, &JedinaInstance::prijmi);
    if (!server_->listen(soket_))
        server_.reset();
    return Vysledek::Prvni;
}

void JedinaInstance::prijmi()
{
    while (QLocalSocket *c = server_->nextPendingConnection()) {
        connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
        auto cti = [this, c] {
            while (c->canReadLine()) {
                if (c->readLine() == kZprava) {
                    c->write(kOdpoved);
                    c->flush();
                    emit aktivovat();
                }
            }
        };
        connect(c, &QLocalSocket::readyRead, this, cti);
        cti(); // what arrived with the connection
    }
}

} // namespace qmr
