// Named shared memory with the Windows lifetime: shared while someone holds
// it, fresh (zeroed) once the last holder has gone, also after a crash.
#include "WinSharedMemory.h"

#include "HelferProzess.h"
#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr size_t kGroesse = 614401;

std::string EinmaligerName(const char* pc)
{
    return std::string(pc) + "_" + std::to_string(::getpid());
}

bool bAllesNull(const TGeteilterSpeicher& sp)
{
    const auto* p = static_cast<const unsigned char*>(sp.pBasis);
    for (size_t i = 0; i < sp.uGroesse; ++i) {
        if (p[i] != 0)
            return false;
    }
    return true;
}

QStringList Argumente(const std::string& sName, bool bHalten = false)
{
    QStringList a{"shm", QString::fromStdString(sName), QString::number(kGroesse)};
    if (bHalten)
        a << "halten";
    return a;
}

} // namespace

TEST(WinSharedMemory, ZweiterProzessSiehtDieDatenDesErsten)
{
    const std::string sName = EinmaligerName("KOLV_TEST");
    TGeteilterSpeicher sp;
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, kGroesse, sp));
    EXPECT_TRUE(sp.bNeuAngelegt);
    ASSERT_EQ(sp.uGroesse, kGroesse);
    EXPECT_TRUE(bAllesNull(sp));
    std::memcpy(sp.pBasis, "ERSTER", 7);
    static_cast<char*>(sp.pBasis)[kGroesse - 1] = 'Z';

    std::string sAusgabe;
    ASSERT_EQ(HelferLaufenLassen(Argumente(sName), sAusgabe), 0);
    EXPECT_EQ(sAusgabe, "neu=0 text=ERSTER\n");
    // The helper's bytes arrive here.
    EXPECT_STREQ(static_cast<const char*>(sp.pBasis) + 16, "HELFER");

    GeteiltenSpeicherSchliessen(sp);
    EXPECT_EQ(sp.pBasis, nullptr);
    EXPECT_EQ(sp.iFd, -1);
    GeteiltenSpeicherSchliessen(sp);  // twice is harmless

    // Both have let go: the next opener gets a fresh block.
    TGeteilterSpeicher neu;
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, kGroesse, neu));
    EXPECT_TRUE(neu.bNeuAngelegt);
    EXPECT_TRUE(bAllesNull(neu));
    GeteiltenSpeicherSchliessen(neu);
}

TEST(WinSharedMemory, BlockBleibtSolangeEinAndererIhnHaelt)
{
    const std::string sName = EinmaligerName("KOLV_HALTEN");
    TGeteilterSpeicher sp;
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, kGroesse, sp));
    std::memcpy(sp.pBasis, "TEXTPOOL", 9);
    auto helfer = HelferStarten(Argumente(sName, true));
    ASSERT_TRUE(helfer);
    ASSERT_EQ(HelferZeile(*helfer), "neu=0 text=TEXTPOOL");
    GeteiltenSpeicherSchliessen(sp);

    // The helper still holds it: reopening finds the old bytes.
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, kGroesse, sp));
    EXPECT_FALSE(sp.bNeuAngelegt);
    EXPECT_STREQ(static_cast<const char*>(sp.pBasis), "TEXTPOOL");
    EXPECT_STREQ(static_cast<const char*>(sp.pBasis) + 16, "HELFER");

    helfer->write("\n");
    ASSERT_TRUE(helfer->waitForFinished(10000));
    EXPECT_EQ(helfer->exitCode(), 0);
    GeteiltenSpeicherSchliessen(sp);
}

TEST(WinSharedMemory, AbgestuerzterHalterHinterlaesstKeineAltlast)
{
    const std::string sName = EinmaligerName("KOLV_ABSTURZ");
    auto helfer = HelferStarten(Argumente(sName, true));
    ASSERT_TRUE(helfer);
    ASSERT_EQ(HelferZeile(*helfer), "neu=1 text=");
    helfer->kill();
    ASSERT_TRUE(helfer->waitForFinished(10000));

    // The name is still there, but nobody holds it any more.
    TGeteilterSpeicher sp;
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, kGroesse, sp));
    EXPECT_TRUE(sp.bNeuAngelegt);
    EXPECT_TRUE(bAllesNull(sp));
    GeteiltenSpeicherSchliessen(sp);
    // The last closer removed the name.
    EXPECT_EQ(::shm_open(("/" + sName).c_str(), O_RDWR, 0600), -1);
}

TEST(WinSharedMemory, ZweiOeffnerImSelbenProzess)
{
    const std::string sName = EinmaligerName("KOLV_INTERN");
    TGeteilterSpeicher a, b;
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, 4096, a));
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, 4096, b));
    EXPECT_TRUE(a.bNeuAngelegt);
    EXPECT_FALSE(b.bNeuAngelegt);
    static_cast<char*>(a.pBasis)[100] = 42;
    EXPECT_EQ(static_cast<char*>(b.pBasis)[100], 42);
    GeteiltenSpeicherSchliessen(a);
    // b still holds the block: it is neither removed nor zeroed.
    TGeteilterSpeicher c;
    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(sName, 4096, c));
    EXPECT_FALSE(c.bNeuAngelegt);
    EXPECT_EQ(static_cast<char*>(c.pBasis)[100], 42);
    GeteiltenSpeicherSchliessen(b);
    GeteiltenSpeicherSchliessen(c);
}

TEST(WinSharedMemory, UngueltigeAnfragenScheitern)
{
    TGeteilterSpeicher sp;
    EXPECT_FALSE(bGeteiltenSpeicherOeffnen("", 100, sp));
    EXPECT_FALSE(bGeteiltenSpeicherOeffnen(EinmaligerName("NULL"), 0, sp));
    EXPECT_EQ(sp.pBasis, nullptr);
    EXPECT_EQ(sp.iFd, -1);
}

// Each failed step names itself, so the caller can say which one failed:
// no runtime folder (nothing can be made), a name that exists but is no
// block (cannot be opened), and a block too big for the address space
// (cannot be mapped).
TEST(WinSharedMemory, FehlschlaegeNennenIhrenSchritt)
{
    testhilfe::EigeneUmgebung umgebung;
    const std::filesystem::path pfLauf = testhilfe::NeuerOrdner("laufzeit");
    ::setenv("XDG_RUNTIME_DIR", (pfLauf / "fehlt").c_str(), 1);
    TGeteilterSpeicher sp;
    TSpeicherFehler eFehler = TSpeicherFehler::Keiner;
    EXPECT_FALSE(bGeteiltenSpeicherOeffnen("KOLV_ENGINE", kGroesse, sp, &eFehler));
    EXPECT_EQ(eFehler, TSpeicherFehler::Anlegen);

    ::setenv("XDG_RUNTIME_DIR", pfLauf.c_str(), 1);
    ASSERT_TRUE(std::filesystem::create_directory(pfLauf / "harlenz-shm.KOLV_ENGINE"));
    EXPECT_FALSE(bGeteiltenSpeicherOeffnen("KOLV_ENGINE", kGroesse, sp, &eFehler));
    EXPECT_EQ(eFehler, TSpeicherFehler::Oeffnen);
    EXPECT_EQ(sp.iFd, -1);

    // The mapping fails in a child whose address space is held just above
    // what it uses; file and size succeed there (the file is sparse).
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        long lSeiten = 0;
        if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(f, "%ld", &lSeiten) != 1) lSeiten = 0;
            std::fclose(f);
        }
        if (lSeiten <= 0) ::_exit(10);
        rlimit r{};
        r.rlim_cur = r.rlim_max = static_cast<rlim_t>(lSeiten) * ::sysconf(_SC_PAGESIZE) + (4u << 20);
        if (::setrlimit(RLIMIT_AS, &r) != 0) ::_exit(11);
        TGeteilterSpeicher kind;
        TSpeicherFehler e = TSpeicherFehler::Keiner;
        const bool b = bGeteiltenSpeicherOeffnen("GROSS", size_t{1} << 30, kind, &e);
        ::_exit(b ? 12 : static_cast<int>(e));
    }
    int iStatus = 0;
    ASSERT_EQ(::waitpid(pid, &iStatus, 0), pid);
    ASSERT_TRUE(WIFEXITED(iStatus));
    EXPECT_EQ(WEXITSTATUS(iStatus), static_cast<int>(TSpeicherFehler::Abbilden));
    EXPECT_FALSE(std::filesystem::exists(pfLauf / "harlenz-shm.GROSS")) << "a block made for nothing stays";

    ASSERT_TRUE(bGeteiltenSpeicherOeffnen(EinmaligerName("GUT"), 100, sp, &eFehler));
    EXPECT_EQ(eFehler, TSpeicherFehler::Keiner);
    GeteiltenSpeicherSchliessen(sp);
}
