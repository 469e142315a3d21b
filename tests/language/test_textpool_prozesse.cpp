// The shared block's life across processes. This program does not load
// kolv_spr2 itself, so the helper processes it starts are the only holders.
#include "HelferAufruf.h"
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
    EXPECT_NE(a.sFehlerausgabe.find("Fehler!: Fehler bei CreateFileMapping"), std::string::npos)
        << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("lesen"), "0,0,0,-1");
    EXPECT_EQ(a.Wert("1"), sStandard);
    EXPECT_EQ(a.Wert("10000"), "Index (10000) for string invalid!");
    EXPECT_EQ(a.Wert("standard"), "10000");
}
