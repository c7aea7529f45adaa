#include "gui/core/XdgMailClient.h"

#include "gui/core/QtPictureStore.h"

#include <QCoreApplication>
#include <QProcess>

namespace qmr {

XdgMailClient::XdgMailClient(QString Program, int CekaniMs) : program_(std::move(Program)), cekani_(CekaniMs) {}

QStringList XdgMailClient::Argumenty(const ZpravaMailu &Zprava, const QString &Priloha)
{
    QStringList a{QStringLiteral("--utf8"), QStringLiteral("--subject"), QString::fromStdString(Zprava.Predmet),
                  QStringLiteral("--body"), QString::fromStdString(Zprava.Obsah)};
    if (!Priloha.isEmpty())
        a << QStringLiteral("--attach") << Priloha;
    a << QString::fromStdString(Zprava.Adresat);
    return a;
}

bool XdgMailClient::Posli(const ZpravaMailu &Zprava)
{
    QString priloha;
    if (!Zprava.Priloha.empty())
        priloha = QString::fromStdString(QtPictureStore::Najdi(Zprava.Priloha));
    auto *p = new QProcess;
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->start(program_, Argumenty(Zprava, priloha));
    if (!p->waitForStarted(5000)) {
        delete p;
        return false;
    }
    if (!p->waitForFinished(cekani_)) {
        // Still running: the mail client holds its compose window open through it.
        p->setParent(QCoreApplication::instance());
        QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
        return true;
    }
    const bool ok = p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0;
    delete p;
    return ok;
}

} // namespace qmr
