// The program: start-up in two stages, then the main window's event loop.
//
// Stage 1 (before any window): the session's version, switches and paths, the fixed
// formats, the splash picture and the catalogue lists. Stage 2: the icon, the single
// instance, the main window. The single-instance check runs before the splash, so that a
// second start ends without showing any window.
//
// Environment for tests and measurements (no effect otherwise):
//   QUILMAR_INSTANCE_ID     private name of the single-instance lock and socket
//   QUILMAR_INSTANCE_TRACE  non-empty: "quilmar: activated" on stderr at each hand-over
//   QUILMAR_STARTUP_PROBE   non-empty: print the milliseconds from the start to the first
//                           paint of the main window on stderr, then end without asking
#include "catalogues/Seznamy.h"
#include "core/Clock.h"
#include "core/Constants.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "gui/core/QtFileDialogs.h"
#include "gui/core/QtMessages.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/Tiskarna.h"
#include "gui/mainwindow/Start.h"
#include "gui/mainwindow/TVolba.h"
#include "gui/mainwindow/VolbaDialogy.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    QElapsedTimer odStartu;
    odStartu.start();

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quilmar"));
    qmr::NastavFormaty();

    qmr::Session s;
    const bool jdeTo = qmr::InitSession(s, std::string());

    qmr::JedinaInstance instance;
    if (instance.Over() == qmr::JedinaInstance::Vysledek::Predano)
        return 0;

    qmr::QtMessages zpravy;
    QPointer<qmr::TOSplash> splash; // deletes itself after 2000 ms; a shorter run deletes it below
    if (jdeTo) {
        splash = qmr::UkazSplash(s);
        if (qmr::StartBuildsCatalogueLists(s)) {
            qmr::RunCommand(zpravy, [&] {
                qmr::SeznamyVyplni(s);
                qmr::SeznamyBarev(s);
            });
        }
        if (qmr::StartShowsForeignLanguageNotice(s))
            zpravy.Hlaska("", std::string(qmr::kHlaskaCiziReci), qmr::MB_OK);
    }

    app.setWindowIcon(qmr::NactiIkonu(s));

    qmr::QtFileDialogs dialogy;
    qmr::QtPictureStore obrazky;
    qmr::SystemClock hodiny;
    qmr::Tiskarna tisk;
    qmr::Platforma platforma{zpravy, dialogy, obrazky, hodiny,
                             [&obrazky](qmr::PictureStore::Target t) { return obrazky.Image(t); }};

    std::vector<std::string> argumenty;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        argumenty.push_back(args[i].toStdString());

    qmr::TVolba okno(s, platforma, {}, argumenty);
    okno.setDialogy(qmr::StandardniDialogy(s, zpravy, tisk, obrazky, hodiny, &okno));
    // Ends the run also while the splash is still up (it is a window of its own).
    okno.poZavreni = [](int kod) { QCoreApplication::exit(kod); };

    const bool stopa = !qEnvironmentVariableIsEmpty("QUILMAR_INSTANCE_TRACE");
    QObject::connect(&instance, &qmr::JedinaInstance::aktivovat, &okno, [&okno, stopa] {
        okno.Aktivuj();
        if (stopa) {
            std::fputs("quilmar: activated\n", stderr);
            std::fflush(stderr);
        }
    });
    if (!qEnvironmentVariableIsEmpty("QUILMAR_STARTUP_PROBE")) {
        okno.poPrvnimVykresleni = [&okno, &odStartu] {
            std::fprintf(stderr, "quilmar: first paint after %lld ms\n",
                         static_cast<long long>(odStartu.elapsed()));
            std::fflush(stderr);
            okno.UkonciBezDotazu();
        };
    }

    okno.show();
    const int vysledek = app.exec();
    delete splash.data();
    return okno.Zavreno() ? okno.KodUkonceni() : vysledek;
}
