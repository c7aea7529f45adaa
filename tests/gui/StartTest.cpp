// Start-up: the fixed formats, the splash, the icon, the single instance (in this process
// and with the real program in two processes), the start-up probe and the exit code.
#include "GuiTestApp.h"

#include "core/Session.h"
#include "gui/mainwindow/Start.h"
#include "support/TestPaths.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

namespace guitest {
namespace {

TEST(Start, FormatsUseADecimalCommaAndDayMonthYearWhateverTheEnvironment)
{
    std::setlocale(LC_NUMERIC, "");
    qmr::NastavFormaty();
    const QLocale l;
    EXPECT_EQ(l.decimalPoint(), ",");
    EXPECT_EQ(l.toString(QDate(2024, 3, 5), QLocale::ShortFormat), "05.03.2024");
    EXPECT_EQ(l.toDate("05.03.2024", qmr::kFormatDatumu), QDate(2024, 3, 5));
    EXPECT_TRUE(l.toString(1234.5, 'f', 2).endsWith(",50"));
    EXPECT_STREQ(std::localeconv()->decimal_point, ".") << "the C library converts numbers the C way";
    EXPECT_DOUBLE_EQ(std::strtod("2.5", nullptr), 2.5);
}

TEST(Start, CentringRoundsHalvesToEven)
{
    struct Pripad {
        int obrazovka, sirka, vysledek;
    };
    for (const Pripad p : {Pripad{1024, 290, 367}, Pripad{1001, 290, 356}, Pripad{1003, 290, 356},
                           Pripad{1005, 290, 358}, Pripad{291, 290, 0}, Pripad{290, 290, 0}, Pripad{200, 290, 0}})
        EXPECT_EQ(qmr::Vycentruj(p.obrazovka, p.sirka), p.vysledek) << p.obrazovka;
}

TEST(Start, SplashIsAnEllipseOnTopAndClosesItselfAfterTwoSeconds)
{
    qmrtest::TempDir dir;
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(QString::fromStdString(dir.file("QMRlogo.jpg")), "JPG"));

    qmr::Session s;
    s.apCesta = dir.path().string() + "/";
    QElapsedTimer t;
    t.start();
    QPointer<qmr::TOSplash> splash = qmr::UkazSplash(s);
    ASSERT_TRUE(splash);
    EXPECT_LT(t.elapsed(), 1000) << "showing the splash does not wait";
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->maObrazek());
    EXPECT_EQ(splash->size(), QSize(290, 170));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash->mask(), QRegion(0, 0, 290, 170, QRegion::Ellipse));
    EXPECT_FALSE(splash->mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(splash->mask().contains(QPoint(145, 85)));
    const QRect scr = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash->x(), scr.x() + qmr::Vycentruj(scr.width(), 290));
    EXPECT_EQ(splash->y(), scr.y() + qmr::Vycentruj(scr.height(), 170));

    QTest::qWait(1800);
    EXPECT_TRUE(splash) << "still there before 2000 ms";
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1500));
}

TEST(Start, MissingSplashPictureAndIconAreTolerated)
{
    qmrtest::TempDir dir;
    qmr::Session s;
    s.apCesta = dir.path().string() + "/";
    QPointer<qmr::TOSplash> splash = qmr::UkazSplash(s);
    ASSERT_TRUE(splash);
    EXPECT_FALSE(splash->maObrazek());
    splash->grab(); // paints without a picture
    delete splash.data();
    EXPECT_TRUE(qmr::NactiIkonu(s).isNull());
}

QString NoveId() { return QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::Id128).left(12); }

TEST(Start, ASecondInstanceHandsOverToTheFirst)
{
    const QString id = NoveId();
    qmr::JedinaInstance prvni(id);
    ASSERT_EQ(prvni.Over(), qmr::JedinaInstance::Vysledek::Prvni);
    EXPECT_TRUE(QFile::exists(prvni.jmenoSoketu()));
    EXPECT_TRUE(QFile::exists(prvni.jmenoZamku()));
    QSignalSpy aktivace(&prvni, &qmr::JedinaInstance::aktivovat);

    // The second start in this process: its answer comes only when the event loop runs,
    // so the hand-over waits for it in vain and ends anyway.
    qmr::JedinaInstance druha(id);
    EXPECT_EQ(druha.Over(500), qmr::JedinaInstance::Vysledek::Predano);
    EXPECT_TRUE(aktivace.wait(2000));
    EXPECT_EQ(aktivace.count(), 1);

    // Another name is another instance.
    qmr::JedinaInstance jina(NoveId());
    EXPECT_EQ(jina.Over(), qmr::JedinaInstance::Vysledek::Prvni);
}

// ---- The real program in separate processes ------------------------------------------------

QString Program() { return QString::fromStdString(qmrtest::programDir() + "/quilmar"); }

QProcessEnvironment Prostredi(const QString &id)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QUILMAR_INSTANCE_ID", id);
    env.insert("QUILMAR_INSTANCE_TRACE", "1");
    return env;
}

// Starts the program and waits until it listens on its instance socket.
bool SpustPrvni(QProcess &p, const QString &id, const qmr::JedinaInstance &jmena, int timeoutMs = 10000)
{
    p.setProcessEnvironment(Prostredi(id));
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(Program(), {});
    if (!p.waitForStarted(5000))
        return false;
    // The socket of a killed instance may still be there: wait for a live one.
    return QTest::qWaitFor(
        [&] {
            QLocalSocket s;
            s.connectToServer(jmena.jmenoSoketu());
            const bool ok = s.waitForConnected(50);
            s.abort();
            return ok && p.state() == QProcess::Running;
        },
        timeoutMs);
}

// A second start ends at once with exit code 0 and the first reports the hand-over.
void OcekavejPredani(QProcess &prvni, const QString &id)
{
    const qsizetype pred = prvni.readAllStandardError().count("quilmar: activated");
    QProcess druha;
    druha.setProcessEnvironment(Prostredi(id));
    QElapsedTimer t;
    t.start();
    druha.start(Program(), {});
    ASSERT_TRUE(druha.waitForFinished(10000));
    EXPECT_EQ(druha.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(druha.exitCode(), 0);
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(druha.readAllStandardError().count("first paint"), 0);
    QByteArray chyby;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            prvni.waitForReadyRead(20);
            chyby += prvni.readAllStandardError();
            return chyby.count("quilmar: activated") > pred;
        },
        5000))
        << chyby.toStdString();
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(Program()))
            GTEST_SKIP() << "the program is not built: " << Program().toStdString();
    }
};

TEST_F(ProgramTest, SecondStartActivatesTheFirstAndAKilledInstanceDoesNotBlock)
{
    const QString id = NoveId();
    const qmr::JedinaInstance jmena(id);

    QProcess prvni;
    ASSERT_TRUE(SpustPrvni(prvni, id, jmena)) << prvni.readAllStandardError().toStdString();
    OcekavejPredani(prvni, id);

    // Killed: its lock file and socket stay behind.
    prvni.kill();
    ASSERT_TRUE(prvni.waitForFinished(5000));
    EXPECT_TRUE(QFile::exists(jmena.jmenoZamku()));
    EXPECT_TRUE(QFile::exists(jmena.jmenoSoketu()));

    // The next start runs as the instance and takes the hand-over of the one after it.
    QProcess treti;
    ASSERT_TRUE(SpustPrvni(treti, id, jmena)) << treti.readAllStandardError().toStdString();
    OcekavejPredani(treti, id);
    treti.terminate();
    if (!treti.waitForFinished(3000)) {
        treti.kill();
        treti.waitForFinished(3000);
    }
}

// The start-up probe prints the time to the first paint and ends as a close would: the
// exit code says whether an order could be made from the job.
TEST_F(ProgramTest, StartupProbeEndsWithTheExitCodeOfTheJob)
{
    struct Pripad {
        QStringList argumenty;
        int kod;
    };
    const Pripad pripady[] = {
        {{}, 0},
        {{QString::fromStdString(qmrtest::sourceDir() + "/tools/demo-jobs/demo.qms")}, 1},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.argumenty.join(' ').toStdString());
        QProcess q;
        QProcessEnvironment env = Prostredi(NoveId());
        env.insert("QUILMAR_STARTUP_PROBE", "1");
        q.setProcessEnvironment(env);
        q.start(Program(), p.argumenty);
        ASSERT_TRUE(q.waitForFinished(15000));
        const QString chyby = QString::fromUtf8(q.readAllStandardError());
        EXPECT_EQ(q.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(q.exitCode(), p.kod) << chyby.toStdString();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("first paint after (\\d+) ms")).match(chyby);
        ASSERT_TRUE(m.hasMatch()) << chyby.toStdString();
        EXPECT_LT(m.captured(1).toInt(), 10000);
    }
}

} // namespace
} // namespace guitest
