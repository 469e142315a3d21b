// Named mutex: one holder at a time, across processes, released on
// destruction and when the holding process dies.
#include "WinMutex.h"

#include "HelferProzess.h"
#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {
std::string EinmaligerName(const char* pc)
{
    return std::string(pc) + "_" + std::to_string(::getpid());
}
}

TEST(WinMutex, NurEinBesitzerBisZurFreigabe)
{
    const std::string sName = EinmaligerName("HARLENZ_ENGINE_V1");
    {
        TBenannterMutex erster(sName);
        ASSERT_TRUE(erster.bBesitzt());
        TBenannterMutex zweiter(sName);
        EXPECT_FALSE(zweiter.bBesitzt());
    }
    TBenannterMutex dritter(sName);
    EXPECT_TRUE(dritter.bBesitzt());
}

TEST(WinMutex, AndererProzessSiehtDenBesitz)
{
    const std::string sName = EinmaligerName("Veltrano TCP/IP Settings V1.012");
    std::string sAusgabe;
    {
        TBenannterMutex mutex(sName);
        ASSERT_TRUE(mutex.bBesitzt());
        ASSERT_EQ(HelferLaufenLassen({"mutex", QString::fromStdString(sName)}, sAusgabe), 0);
        EXPECT_EQ(sAusgabe, "besitzt=0\n");
    }
    ASSERT_EQ(HelferLaufenLassen({"mutex", QString::fromStdString(sName)}, sAusgabe), 0);
    EXPECT_EQ(sAusgabe, "besitzt=1\n");
}

TEST(WinMutex, AbgestuerzterBesitzerGibtFrei)
{
    const std::string sName = EinmaligerName("absturz");
    auto helfer = HelferStarten({"mutex", QString::fromStdString(sName), "halten"});
    ASSERT_TRUE(helfer);
    ASSERT_EQ(HelferZeile(*helfer), "besitzt=1");
    EXPECT_FALSE(TBenannterMutex(sName).bBesitzt());
    helfer->kill();  // SIGKILL: no clean-up code runs
    ASSERT_TRUE(helfer->waitForFinished(10000));
    EXPECT_TRUE(TBenannterMutex(sName).bBesitzt());
}

TEST(WinMutex, LockDateiMitSicheremNamenImLaufzeitordner)
{
    testhilfe::EigeneUmgebung umgebung;
    const std::string sLaufzeit = std::getenv("XDG_RUNTIME_DIR");
    TBenannterMutex mutex("Veltrano TCP/IP Settings V1.012");
    ASSERT_TRUE(mutex.bBesitzt());
    EXPECT_EQ(mutex.sLockDatei(), sLaufzeit + "/Veltrano_TCP_IP_Settings_V1.012.lock");
    EXPECT_TRUE(std::filesystem::exists(mutex.sLockDatei()));
    // Names that would leave the folder stay inside it.
    TBenannterMutex punkte("..");
    EXPECT_EQ(punkte.sLockDatei().rfind(sLaufzeit + "/", 0), 0u);
    EXPECT_EQ(punkte.sLockDatei().find('/', sLaufzeit.size() + 1), std::string::npos);
    EXPECT_TRUE(punkte.bBesitzt());

    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string sName = EinmaligerName("ohne_laufzeitordner");
    TBenannterMutex ohne(sName);
    EXPECT_EQ(ohne.sLockDatei(), "/tmp/" + sName + ".lock");
    EXPECT_TRUE(ohne.bBesitzt());
    ::unlink(ohne.sLockDatei().c_str());
}
