// The files of a project folder beside the panel file: a damaged IP data
// file is kept until the user agrees, the IP data of a new panel go into
// its own folder, and what interrupted writes left behind is cleared.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

#include "HauptForm.h"
#include "Maske.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WLDDatei.h"
#include "WinIni.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

struct DateienTest : ::testing::Test {
    Umgebung u;
    THauptformular* pForm = nullptr;
    void SetUp() override
    {
        pForm = FensterOhneStart();
        int iFehler = 0;
        ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.9.9.9", 0, 0, 0, &iFehler));
        ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, &iFehler));
        u.Meldungen.clear();
    }
    void TearDown() override { FensterWeg(pForm); }
    std::string ErstesSpeichern(const std::string& sName)
    {
        pForm->Objekte[pForm->iAnzahlObjekte++] = new TMyObj(pForm, LED, 10, 50, 0, 0);
        pForm->SetMaskeGeaendert(true);
        EingabenVorgeben({sName});
        pForm->aDatei_SpeichernExecute();
        return MaskeFile;
    }
    int Anzahl(const std::string& sText) const
    {
        int n = 0;
        for (const TMeldung& m : u.Meldungen) n += m.sText == sText;
        return n;
    }
};

std::string IPWert(const fs::path& pf, const char* pcSchluessel)
{
    return ProfilStringLesen(pf.string(), "D7ED_DATEN", pcSchluessel, "<fehlt>");
}

} // namespace

// A damaged IP data file: a box at open, its valid keys taken, its bytes
// kept through every save the user does not agree to overwrite it; once the
// user agrees, it holds the valid values.
TEST_F(DateienTest, DamagedIpDataFileIsKeptUntilTheUserAgrees)
{
    const std::string sMaske = ErstesSpeichern("Anlage");
    ASSERT_FALSE(sMaske.empty());
    const fs::path pfIP = fs::path(sMaske).parent_path() / "IPADR.DAT";
    const std::string sKaputt = "[D7ED_DATEN]\r\nD7ED_IP_ADRESSE=127.0.0.1\r\nD7ED_PORT_ADRESSE=70000\r\n"
                                "D7ED_IP_ADRESSE_2=127.0.0.2\r\nD7ED_PORT_ADRESSE_2=20105\r\n";
    std::string sZufall;
    for (int i = 0; i < 700; ++i) sZufall += static_cast<char>((i * 151 + 7) & 0xFF);
    for (const std::string& sInhalt : {sKaputt, sZufall}) {
        testhilfe::DateiSchreiben(pfIP, sInhalt);
        u.Meldungen.clear();
        ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
        ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
        EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6730, "%s", pfIP.string().c_str()));
        // Declined: no failure, the panel counts as saved, the file is kept.
        u.Antworten = {IDNO};
        EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske));
        EXPECT_EQ(testhilfe::DateiLesen(pfIP), sInhalt);
        EXPECT_FALSE(pForm->bMaskeGeaendert);
        EXPECT_EQ(Anzahl(PoolTextFormat(6731, "%s", pfIP.string().c_str())), 1) << u.MeldungsTexte();
    }
    // The file of random bytes gave nothing: the addresses in effect stay.
    u.Antworten = {IDYES};
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE"), "127.0.0.1");

    testhilfe::DateiSchreiben(pfIP, sKaputt);
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    u.Antworten = {IDYES};
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE"), "127.0.0.1");
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE_2"), "127.0.0.2");
    EXPECT_EQ(IPWert(pfIP, "D7ED_PORT_ADRESSE"), "0");
    // Agreed once: the next save does not ask again.
    u.Meldungen.clear();
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
}

// Open A, New, Save: the new panel's IP data go into its own folder, and
// project A's file is not touched.
TEST_F(DateienTest, FirstSaveAfterOpenAndNewWritesTheIpDataIntoTheNewFolder)
{
    const std::string sA = ErstesSpeichern("A");
    ASSERT_FALSE(sA.empty());
    const fs::path pfIPA = fs::path(sA).parent_path() / "IPADR.DAT";
    ASSERT_TRUE(pForm->bMaskeLesen(sA));
    const std::string sIPA = testhilfe::DateiLesen(pfIPA);
    ASSERT_EQ(IPWert(pfIPA, "D7ED_IP_ADRESSE"), "10.9.9.9");

    pForm->aDatei_NeuExecute();
    int iFehler = 0;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.8.8.8", 0, 0, 0, &iFehler));
    u.Meldungen.clear();
    const std::string sB = ErstesSpeichern("B");
    ASSERT_FALSE(sB.empty());
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_FALSE(pForm->bMaskeGeaendert);
    EXPECT_EQ(testhilfe::DateiLesen(pfIPA), sIPA);
    EXPECT_EQ(IPWert(fs::path(sB).parent_path() / "IPADR.DAT", "D7ED_IP_ADRESSE"), "10.8.8.8");
}

// What a write killed half way left beside a project file goes with that
// file's next successful write; the IP data file is replaced once per save;
// the registry's files are shared with the presets program and keep theirs.
TEST_F(DateienTest, TempFilesGoAfterTheirOwnWriteAndTheIpDataFileIsReplacedOnce)
{
    const std::string sMaske = ErstesSpeichern("Anlage");
    ASSERT_FALSE(sMaske.empty());
    const fs::path pfOrdner = fs::path(sMaske).parent_path();
    const auto Rest = [&](const char* pcDatei) { return pfOrdner / (std::string(".") + pcDatei + ".tmpQ3x9Zk"); };
    for (const char* pc : {"PLC.DAT", "IPADR.DAT", "Startup.wld"}) testhilfe::DateiSchreiben(Rest(pc), "halb");

    const int iWache = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(iWache, 0);
    ASSERT_GE(inotify_add_watch(iWache, pfOrdner.c_str(), IN_MOVED_TO), 0);
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    int iErsetzt = 0;
    alignas(inotify_event) char acPuffer[8192];
    for (ssize_t n; (n = read(iWache, acPuffer, sizeof acPuffer)) > 0;)
        for (char* p = acPuffer; p < acPuffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            iErsetzt += e->len > 0 && std::string(e->name) == "IPADR.DAT";
            p += sizeof(inotify_event) + e->len;
        }
    close(iWache);
    EXPECT_EQ(iErsetzt, 1);
    EXPECT_FALSE(fs::exists(Rest("PLC.DAT")));
    EXPECT_FALSE(fs::exists(Rest("IPADR.DAT")));
    EXPECT_TRUE(fs::exists(Rest("Startup.wld"))) << "no dump was written";

    // A dump of one block.
    std::string sBild(64, '\0');
    sBild[0] = sBild[1] = 'p';
    sBild[5] = static_cast<char>(D7ED_BST_FC);
    sBild[7] = 1;
    sBild[11] = 64;
    sBild[35] = 64 - 36;
    int iFehler = 0;
    ASSERT_TRUE(D7ED_BstWrite(D7ED_BST_FC, 1, 64, 0, sBild.data(), &iFehler));
    pForm->StartupWldSchreiben();
    AlleBausteineLoeschen();
    EXPECT_TRUE(fs::exists(pfOrdner / "Startup.wld"));
    EXPECT_FALSE(fs::exists(Rest("Startup.wld")));

    // The registry file of the IP data.
    fs::path pfRegistry;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(std::getenv("XDG_CONFIG_HOME"))))
        if (e.is_regular_file() && testhilfe::DateiLesen(e.path()).find("IP_ADRESSE_1") != std::string::npos)
            pfRegistry = e.path();
    ASSERT_FALSE(pfRegistry.empty());
    const fs::path pfRegRest = pfRegistry.parent_path() / ("." + pfRegistry.filename().string() + ".tmpQ3x9Zk");
    testhilfe::DateiSchreiben(pfRegRest, "halb");
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.7.7.7", 0, 0, 0, &iFehler));
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_TRUE(fs::exists(pfRegRest));
}
