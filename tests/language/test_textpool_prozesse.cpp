// The shared block's life across processes. This program does not load
// kolv_spr2 itself, so the helper processes it starts are the only holders.
#include "HelferAufruf.h"
#include <QProcess>
#include <QProcessEnvironment>
#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

const std::string sStandard = "Unbekannter String/Unknown String";

std::filesystem::path Textdatei(const std::string& sInhalt)
{
    const auto pf = testhilfe::NeuerOrdner("texte") / "TEST.dat";
    testhilfe::DateiSchreiben(pf, sInhalt);
    return pf;
}

} // namespace

namespace {

QProcessEnvironment MitLaufzeitordner(const std::filesystem::path& pf)
{
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert("XDG_RUNTIME_DIR", QString::fromStdString(pf.string()));
    return u;
}

// A helper that has read its texts and holds the block until closed.
struct THalter {
    QProcess prozess;
    THalter(const std::filesystem::path& pfLauf, const std::filesystem::path& pfTexte)
    {
        prozess.setProcessEnvironment(MitLaufzeitordner(pfLauf));
        prozess.start(QStringLiteral(SPR2_HELFER),
                      {QString::fromStdString("lesen:" + pfTexte.string()), "warten"});
    }
    bool bBereit()
    {
        while (!prozess.readAllStandardOutput().contains("warten=1"))
            if (!prozess.waitForReadyRead(30000)) return false;
        return true;
    }
    ~THalter()
    {
        prozess.closeWriteChannel();
        if (!prozess.waitForFinished(10000)) prozess.kill();
        prozess.waitForFinished();
    }
};

} // namespace

TEST(TextpoolProzesse, ErsterProzessSiehtNurDenStandardtext)
{
    const THelferAntwort a = HelferAufrufen({"standard", "text:0", "text:9999", "text:10000"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("standard"), "10000");
    EXPECT_EQ(a.Wert("0"), sStandard);
    EXPECT_EQ(a.Wert("10000"), "Index (10000) for string invalid!");
}

TEST(TextpoolProzesse, BlockEndetMitDemLetztenProzess)
{
    const auto pf = Textdatei("1=eins\n");
    const THelferAntwort a = HelferAufrufen({"lesen:" + pf.string(), "text:1"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    ASSERT_EQ(a.Wert("1"), "eins");
    // Like a mapping of the paging file, the block went with its last holder.
    const THelferAntwort b = HelferAufrufen({"text:1", "standard"});
    ASSERT_EQ(b.iExitCode, 0) << b.sFehlerausgabe;
    EXPECT_EQ(b.Wert("1"), sStandard);
    EXPECT_EQ(b.Wert("standard"), "10000");
}

TEST(TextpoolProzesse, OhneBlockKeinAbsturz)
{
    // A folder in the place of the block makes every attempt to open it fail.
    // The block lives in this test's own runtime folder, so nobody else holds it.
    const char* pcLauf = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(pcLauf, nullptr);
    const std::filesystem::path pfBlock = std::filesystem::path(pcLauf) / "harlenz-shm.KOLV_ENGINE";
    std::filesystem::remove(pfBlock);
    ASSERT_TRUE(std::filesystem::create_directory(pfBlock));
    struct TAufraeumen {
        std::filesystem::path pf;
        ~TAufraeumen() { std::filesystem::remove(pf); }
    } aufraeumen{pfBlock};

    const auto pf = Textdatei("1=eins\n");
    const THelferAntwort a = HelferAufrufen({"text:1", "lesen:" + pf.string(), "text:1", "text:10000", "standard"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    // The name exists but is no block: the opening step failed.
    EXPECT_NE(a.sFehlerausgabe.find("Fehler: Fehler bei OpenFileMapping"), std::string::npos)
        << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("lesen"), "0,0,0,-1");
    EXPECT_EQ(a.Wert("1"), sStandard);
    EXPECT_EQ(a.Wert("10000"), "Index (10000) for string invalid!");
    EXPECT_EQ(a.Wert("standard"), "10000");

    // No runtime folder to make the block in: the creating step failed.
    const THelferAntwort b = HelferAufrufen({"text:1"}, MitLaufzeitordner(std::filesystem::path(pcLauf) / "fehlt"));
    ASSERT_EQ(b.iExitCode, 0) << b.sFehlerausgabe;
    EXPECT_NE(b.sFehlerausgabe.find("Fehler!: Fehler bei CreateFileMapping"), std::string::npos)
        << b.sFehlerausgabe;
    EXPECT_EQ(b.Wert("1"), sStandard);
}


// The block belongs to the user session, as its runtime folder does: two
// sessions side by side each see their own texts, and another user gets
// a block of their own instead of an error box.
TEST(TextpoolProzesse, JedeSitzungHatIhrenBlock)
{
    const auto pfA = testhilfe::NeuerOrdner("sitzung_a");
    const auto pfB = testhilfe::NeuerOrdner("sitzung_b");
    THalter a(pfA, Textdatei("1=von A\n"));
    THalter b(pfB, Textdatei("1=von B\n"));
    ASSERT_TRUE(a.bBereit());
    ASSERT_TRUE(b.bBereit());
    const THelferAntwort inA = HelferAufrufen({"text:1"}, MitLaufzeitordner(pfA));
    const THelferAntwort inB = HelferAufrufen({"text:1"}, MitLaufzeitordner(pfB));
    ASSERT_EQ(inA.iExitCode, 0) << inA.sFehlerausgabe;
    ASSERT_EQ(inB.iExitCode, 0) << inB.sFehlerausgabe;
    EXPECT_EQ(inA.Wert("1"), "von A");
    EXPECT_EQ(inB.Wert("1"), "von B");

    if (::geteuid() != 0 || !std::filesystem::exists("/usr/bin/setpriv"))
        GTEST_SKIP() << "another user needs root and setpriv here; the second-user case is not run";
    // "nobody" without a runtime folder of its own: its block lies in its
    // own folder below /tmp, beside the one of this user.
    char acOrdner[] = "/tmp/veltrano-nobody-XXXXXX";
    ASSERT_NE(::mkdtemp(acOrdner), nullptr);
    struct TWeg {
        std::filesystem::path pf;
        ~TWeg() { std::filesystem::remove_all(pf); }
    } weg{acOrdner};
    const auto pfTexte = weg.pf / "TEST.dat";
    testhilfe::DateiSchreiben(pfTexte, "1=von nobody\n");
    ::chmod(acOrdner, 0755);
    ::chmod(pfTexte.c_str(), 0644);
    const std::filesystem::path pfHelfer(SPR2_HELFER);
    if (::access(pfHelfer.c_str(), X_OK) != 0)
        GTEST_SKIP() << "the helper cannot be run by another user";
    QProcessEnvironment ohne = QProcessEnvironment::systemEnvironment();
    ohne.remove("XDG_RUNTIME_DIR");
    ohne.insert("HOME", "/nonexistent");
    const THelferAntwort n = HelferAufrufen({"lesen:" + pfTexte.string(), "text:1"}, ohne,
                                            {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    if (n.iExitCode != 0 && n.sFehlerausgabe.find("setpriv") != std::string::npos)
        GTEST_SKIP() << "cannot switch user: " << n.sFehlerausgabe;
    ASSERT_EQ(n.iExitCode, 0) << n.sFehlerausgabe;
    EXPECT_EQ(n.sFehlerausgabe.find("Fehler"), std::string::npos) << n.sFehlerausgabe;
    EXPECT_EQ(n.Wert("1"), "von nobody");
    EXPECT_EQ(HelferAufrufen({"text:1"}, MitLaufzeitordner(pfA)).Wert("1"), "von A");
}
