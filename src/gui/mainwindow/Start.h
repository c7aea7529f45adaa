#pragma once
// Start-up of the program before the main window exists: the fixed formats, the splash
// picture, the application icon and the single-instance hand-over.
#include <QIcon>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>

namespace qmr {

struct Session;

// The process-wide formats: decimal comma, short date "dd.MM.yyyy", whatever the
// system's locale says. The C library keeps the "C" numeric locale so that the core's
// number conversions never depend on the environment.
void NastavFormaty();
// The locale set by NastavFormaty (also usable before it).
QLocale PevnyLocale();
// The date pattern of every date edit.
inline constexpr const char *kFormatDatumu = "dd.MM.yyyy";

// The splash form: 290 x 170, frameless, always on top, elliptic, centred on the
// screen, showing apCesta + "QMRlogo.jpg" stretched (a missing picture leaves it empty).
// It deletes itself 2000 ms after it was shown.
class TOSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSirka = 290;
    static constexpr int kVyska = 170;
    static constexpr int kDobaMs = 2000;

    explicit TOSplash(const QString &obrazek, QWidget *parent = nullptr);
    // Shows the form, processes pending events once and starts the timer.
    void Ukaz();
    bool maObrazek() const { return !obrazek_.isNull(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage obrazek_;
};

// Creates and shows the splash of the session's program folder; the form owns itself.
TOSplash *UkazSplash(const Session &s);

// Left edge of a form of width w centred on a screen of width sw: round half to even
// of (sw - w) / 2; 0 when the screen is not wider.
int Vycentruj(int sw, int w);

// The application icon apCesta + "quilmar.ico"; an empty icon when the file is missing.
QIcon NactiIkonu(const Session &s);

// One running program per user. The first start holds a lock file and listens on a
// local socket in the user's runtime folder; a later start connects, asks the running
// one to show its window and ends. A lock or socket left by a killed instance does not
// block: the lock's owner is checked by process id, and the socket is only replaced
// while the lock is held. The environment variable QUILMAR_INSTANCE_ID gives the
// instance a private name (tests run side by side with it).
class JedinaInstance : public QObject {
    Q_OBJECT
public:
    enum class Vysledek {
        Prvni,   // this process is the running instance
        Predano, // another instance runs and was asked to show itself
    };

    // id empty: QUILMAR_INSTANCE_ID, else "default".
    explicit JedinaInstance(const QString &id = QString(), QObject *parent = nullptr);
    ~JedinaInstance() override;

    // Becomes the running instance or hands over to the one that runs. Waits at most
    // timeoutMs for a starting instance to open its socket.
    Vysledek Over(int timeoutMs = 5000);

    QString jmenoSoketu() const { return soket_; }
    QString jmenoZamku() const { return zamek_; }

signals:
    // A later start asked this instance to show its main window.
    void aktivovat();

private:
    bool predej(int timeoutMs);
    void prijmi();

    QString soket_;
    QString zamek_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace qmr
