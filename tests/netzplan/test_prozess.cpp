// The real program: one instance only, and the closing notice on the
// session bus that outlives the process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <memory>

#include "Netzplan.h"
#include "TestUmgebung.h"
#include "VoreinstellAufruf.h"
#include "WinProzess.h"
#include "WinFensterNachricht.h"

namespace {

QString Programm()
{
    return QString::fromStdString((testhilfe::Programmordner() / "__system/Netzplanung/Netzplan").string());
}

std::unique_ptr<QProcess> Starten(const QStringList& argumente)
{
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::SeparateChannels);
    p->start(Programm(), argumente);
    EXPECT_TRUE(p->waitForStarted(10000));
    return p;
}

// The arguments with which Veltrano (in English unless told) starts the program.
QStringList WieVeltrano(unsigned uTextSprache = 2)
{
    QStringList argumente;
    const std::vector<std::string> teile = KommandozeileZerlegen(
        VoreinstellAufrufZeile(Programm().toStdString(), 4711, 10, 20, 880, 700, uTextSprache));
    for (std::size_t i = 1; i < teile.size(); ++i)
        argumente << QString::fromStdString(teile[i]);
    return argumente;
}

bool WarteBis(const std::function<bool()>& bBedingung, int iMs)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!bBedingung() && uhr.elapsed() < iMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return bBedingung();
}

} // namespace

TEST(NetzplanProzess, ZweiteInstanzWarntUndEndet)
{
    auto pErste = Starten(WieVeltrano());
    // The first holds the mutex once its window is up; give it the time.
    ASSERT_FALSE(pErste->waitForFinished(1500)) << pErste->readAllStandardError().toStdString();
    // The box speaks the language of its own call.
    for (const auto& [uSprache, pcText] : {std::pair<unsigned, const char*>{2, "Veltrano TCP/IP Settings is still running!"},
                                           {1, "Veltrano TCP/IP Settings läuft bereits!"}}) {
        auto pZweite = Starten(WieVeltrano(uSprache));
        ASSERT_TRUE(pZweite->waitForFinished(15000));
        EXPECT_EQ(pZweite->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(pZweite->exitCode(), 0);
        EXPECT_TRUE(QString::fromUtf8(pZweite->readAllStandardError()).contains(QString::fromUtf8(pcText))) << uSprache;
    }
    EXPECT_EQ(pErste->state(), QProcess::Running) << "the first goes on";
    pErste->kill();
    pErste->waitForFinished(5000);
}

TEST(NetzplanProzess, OhneArgumenteSchliesstUndMeldetDasEnde)
{
    const uint32_t uNachricht = RegisterWindowMessageA(cSchliessNachrichtName);
    int iEmpfangen = 0;
    QObject::connect(FensterNachrichten(), &TFensterNachrichten::Empfangen,
                     [&](quint32 u) { iEmpfangen += u == uNachricht; });
    auto p = Starten({});
    ASSERT_TRUE(p->waitForFinished(20000)) << "the window closes by itself";
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0);
    EXPECT_TRUE(p->readAllStandardError().contains(
        "Die Anwendung wird nicht korrekt aufgerufen!\nThe calling-parameters of the application are not correct!"));
    // The process has ended; its notice still arrives.
    EXPECT_TRUE(WarteBis([&] { return iEmpfangen == 1; }, 5000));
}
