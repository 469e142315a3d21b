// The files of a project folder beside the panel file: a damaged IP data
// file is kept until the user agrees, the IP data of a new panel go into
// its own folder, and what interrupted writes left behind is cleared; the
// questions of a save come before its first write, files another program
// changed are overwritten only with the user's word, and closing the presets
// program writes only what it changed.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <netinet/in.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDialog>

#include "DlgEinstellungenForm.h"
#include "HauptForm.h"
#include "IPDaten.h"
#include "Maske.h"
#include "MyObj.h"
#include "PLCDatBericht.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WLDDatei.h"
#include "WinDialoge.h"
#include "WinIni.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {
// Set: the engine refuses every project path handed over.
bool g_bPfadeAblehnen = false;
} // namespace

extern "C" bool D7ED_PfadeUebergeben(const char* pcOrdner, const char* pcName, const char* pcPfad)
{
    using Fn = bool (*)(const char*, const char*, const char*);
    static Fn echt = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "D7ED_PfadeUebergeben"));
    return !g_bPfadeAblehnen && echt(pcOrdner, pcName, pcPfad);
}

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

// A loopback port nobody listens on at this moment.
uint16_t wFreierPort()
{
    const int iFd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    bind(iFd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    getsockname(iFd, reinterpret_cast<sockaddr*>(&a), &n);
    close(iFd);
    return ntohs(a.sin_port);
}

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
    const std::string sKaputt = "[D7ED_DATEN]\r\nD7ED_IP_ADRESSE=127.0.0.1\r\nkeine Schluesselzeile\r\n"
                                "D7ED_PORT_ADRESSE=70000\r\nD7ED_IP_ADRESSE_2=127.0.0.2\r\n"
                                "D7ED_PORT_ADRESSE_2=20105\r\n[Andere]\r\nfremd\r\n";
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
    // The file of random bytes gave nothing: every key is empty, nothing of
    // the file read before stays.
    u.Antworten = {IDYES};
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE"), "");
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE_2"), "");

    testhilfe::DateiSchreiben(pfIP, sKaputt);
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    u.Antworten = {IDYES};
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE"), "127.0.0.1");
    EXPECT_EQ(IPWert(pfIP, "D7ED_IP_ADRESSE_2"), "127.0.0.2");
    EXPECT_EQ(IPWert(pfIP, "D7ED_PORT_ADRESSE"), "0");
    // The line that made it damaged went with the write, the other section
    // stayed: the next open reads it without a box.
    const std::string sGeschrieben = testhilfe::DateiLesen(pfIP);
    EXPECT_EQ(sGeschrieben.find("keine Schluesselzeile"), std::string::npos) << sGeschrieben;
    EXPECT_NE(sGeschrieben.find("[Andere]\nfremd\n"), std::string::npos) << sGeschrieben;
    // Agreed once: the next save does not ask again.
    u.Meldungen.clear();
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
}

// Open A, New, Save: New leaves the engine with empty IP data, no listening socket and default CPU properties, the
// new panel's IP data go into its own folder, and project A's file is not touched.
TEST_F(DateienTest, FirstSaveAfterOpenAndNewWritesTheIpDataIntoTheNewFolder)
{
    const std::string sA = ErstesSpeichern("A");
    ASSERT_FALSE(sA.empty());
    const fs::path pfIPA = fs::path(sA).parent_path() / "IPADR.DAT";
    ASSERT_TRUE(pForm->bMaskeLesen(sA));
    const std::string sIPA = testhilfe::DateiLesen(pfIPA);
    ASSERT_EQ(IPWert(pfIPA, "D7ED_IP_ADRESSE"), "10.9.9.9");

    // A listens on a loopback port; the new panel listens on nothing and
    // has empty IP data until TCP/IP is switched on.
    int iFehler = 0;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", wFreierPort(), 0, 0, &iFehler));
    ASSERT_TRUE(bIPDatenEinstellen());
    ASSERT_TRUE(D7ED_TcpIpKommuAktiv());
    D7ED_SetZyklusUeberwachungszeit(900); // A's CPU properties do not go into the new project either.
    pForm->aDatei_NeuExecute();
    EXPECT_FALSE(D7ED_TcpIpKommuAktiv());
    EXPECT_EQ(D7ED_wGetZyklusUeberwachungszeit(), 150);
    char acIP[D7ED_IP_TEXT_LAENGE] = "x";
    uint16_t w1 = 1, w2 = 1;
    D7ED_GetEingestellteIPDaten(acIP, &w1, &w2);
    EXPECT_EQ(std::string(acIP) + std::to_string(w1 + w2), "0");
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
// file's next successful write, and what killed writes and copies left goes at an open that may save once it is a
// minute old; the IP data file is replaced once per save; the registry's leftovers go after its next write.
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
    const fs::path pfRegRest = pfRegistry.parent_path() / ".Andere.tmpQ3x9Zk.d";
    testhilfe::DateiSchreiben(pfRegRest, "halb");
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.7.7.7", 0, 0, 0, &iFehler));
    EXPECT_FALSE(fs::exists(pfRegRest));

    // Killed writes and copies go at the open; a young one may be another's write in progress; read-only keeps all.
    const auto Halb = [](const fs::path& pf, int iMinuten) {
        testhilfe::DateiSchreiben(pf, "halb");
        fs::last_write_time(pf, fs::file_time_type::clock::now() - std::chrono::minutes(iMinuten));
        return pf;
    };
    const fs::path pfKopie = Halb(pfOrdner / ".Bild.bmp.kopieAb12Cd", 2), pfTemp = Halb(Rest("Anlage.maske_ini"), 2);
    const fs::path pfJung = Halb(pfOrdner / ".Bild.bmp.kopieXy34Zq", 0);
    bNurLesen = true;
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    bNurLesen = false;
    EXPECT_TRUE(fs::exists(pfKopie) && fs::exists(pfTemp));
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    EXPECT_FALSE(fs::exists(pfKopie) || fs::exists(pfTemp));
    EXPECT_TRUE(fs::exists(pfJung));
}

namespace {

const std::string sKaputtePLC = "[KOLV_D7ED]\r\nTaktmerkerByte=hundert\r\n";

// A file changed by another program: its bytes, and a modification time that
// differs from the one this program noted even when the size stays.
fs::file_time_type FremdAendern(const fs::path& pf, const std::string& sInhalt)
{
    const auto t = fs::last_write_time(pf) + std::chrono::seconds(7);
    testhilfe::DateiSchreiben(pf, sInhalt);
    fs::last_write_time(pf, t);
    return t;
}

bool bHoert(uint16_t wPort)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(wPort);
    const bool b = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return b;
}

uint16_t wLaufenderPort()
{
    char acIP[D7ED_IP_TEXT_LAENGE] = {};
    uint16_t wS7 = 0, wIntern = 0;
    D7ED_GetEingestellteIPDaten(acIP, &wS7, &wIntern);
    return wS7;
}

} // namespace

// Damaged PLC.DAT and IPADR.DAT: both questions come before the panel file
// is written; Cancel in either writes nothing, keeps the "*" and ends the
// New that asked to save; No writes the panel and keeps the file.
TEST_F(DateienTest, SaveAsksBeforeWritingAndCancelEndsTheSaveAndItsCaller)
{
    const std::string sMaske = ErstesSpeichern("Anlage");
    ASSERT_FALSE(sMaske.empty());
    const fs::path pfOrdner = fs::path(sMaske).parent_path();
    const std::string sKaputtIP = "[D7ED_DATEN]\nD7ED_IP_ADRESSE=127.0.0.1\nD7ED_PORT_ADRESSE=70000\n";
    testhilfe::DateiSchreiben(pfOrdner / "IPADR.DAT", sKaputtIP);
    testhilfe::DateiSchreiben(pfOrdner / "PLC.DAT", sKaputtePLC);
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    ASSERT_EQ(u.Meldungen.size(), 2u) << u.MeldungsTexte();
    pForm->Objekte[pForm->iAnzahlObjekte++] = new TMyObj(pForm, LED, 90, 50, 0, 0);
    pForm->SetMaskeGeaendert(true);
    const std::string sPanel = testhilfe::DateiLesen(sMaske);
    const std::string s6801 = PLCDatBerichtText(6801, (pfOrdner / "PLC.DAT").string());
    const std::string s6731 = PoolTextFormat(6731, "%s", (pfOrdner / "IPADR.DAT").string().c_str());
    const auto Unberuehrt = [&](const char* pcFall) {
        EXPECT_EQ(testhilfe::DateiLesen(sMaske), sPanel) << pcFall;
        EXPECT_EQ(testhilfe::DateiLesen(pfOrdner / "PLC.DAT"), sKaputtePLC) << pcFall;
        EXPECT_EQ(testhilfe::DateiLesen(pfOrdner / "IPADR.DAT"), sKaputtIP) << pcFall;
        EXPECT_TRUE(pForm->bMaskeGeaendert) << pcFall;
    };

    u.Meldungen.clear();
    u.Antworten = {IDCANCEL};
    EXPECT_FALSE(pForm->bMaskeSchreiben(sMaske));
    Unberuehrt("Cancel at PLC.DAT");
    EXPECT_EQ(u.MeldungsTexte(), s6801 + "\n");

    u.Meldungen.clear();
    u.Antworten = {IDYES, IDCANCEL};
    EXPECT_FALSE(pForm->bMaskeSchreiben(sMaske));
    Unberuehrt("Yes at PLC.DAT, Cancel at IPADR.DAT");
    EXPECT_EQ(Anzahl(s6731), 1);

    // From the save-changes question of New: the panel stays, asked once.
    u.Meldungen.clear();
    u.Antworten = {IDYES, IDNO, IDCANCEL};
    pForm->aDatei_NeuExecute();
    Unberuehrt("Cancel in a save that New asked for");
    EXPECT_EQ(Anzahl(PoolText(1346)), 1) << u.MeldungsTexte();
    EXPECT_EQ(MaskeFile, sMaske);
    EXPECT_EQ(pForm->iAnzahlObjekte, 2);

    u.Antworten = {IDNO, IDNO};
    EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_NE(testhilfe::DateiLesen(sMaske), sPanel);
    EXPECT_EQ(testhilfe::DateiLesen(pfOrdner / "PLC.DAT"), sKaputtePLC);
    EXPECT_EQ(testhilfe::DateiLesen(pfOrdner / "IPADR.DAT"), sKaputtIP);
    EXPECT_FALSE(pForm->bMaskeGeaendert);
}

// Another program changed the panel file (only its time), PLC.DAT or
// IPADR.DAT, or put a link in its place: the save asks, No writes nothing,
// Yes replaces, and the own write is noted. The PLC settings' OK asks too, and its write is noted, so
// that a save after it asks neither this nor the damaged-file question.
// Save as copies the folder as it is, and writes nothing where the engine
// refused the new paths.
TEST_F(DateienTest, FilesChangedByAnotherProgramAreReplacedOnlyWithTheUsersWord)
{
    const std::string sMaske = ErstesSpeichern("Anlage");
    ASSERT_FALSE(sMaske.empty());
    const fs::path pfOrdner = fs::path(sMaske).parent_path();
    // The IPADR.DAT that the open creates counts as read.
    fs::remove(pfOrdner / "IPADR.DAT");
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    pForm->SetMaskeGeaendert(true);
    u.Meldungen.clear();
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();

    for (const fs::path& pf : {fs::path(sMaske), pfOrdner / "PLC.DAT", pfOrdner / "IPADR.DAT"}) {
        const std::string sAlt = testhilfe::DateiLesen(pf);
        const auto tFremd = FremdAendern(pf, pf == fs::path(sMaske) ? sAlt : sAlt + "\n; fremd\n");
        std::map<fs::path, std::string> vorher;
        for (const auto& e : fs::directory_iterator(pfOrdner)) vorher[e.path()] = testhilfe::DateiLesen(e.path());
        pForm->SetMaskeGeaendert(true);
        u.Meldungen.clear();
        u.Antworten = {IDNO};
        EXPECT_FALSE(pForm->bMaskeSchreiben(sMaske)) << pf;
        EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6820, "%s", pf.string().c_str()) + "\n");
        for (const auto& [pfDatei, sInhalt] : vorher) EXPECT_EQ(testhilfe::DateiLesen(pfDatei), sInhalt) << pfDatei;
        EXPECT_TRUE(pForm->bMaskeGeaendert);
        u.Antworten = {IDYES};
        EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske)) << pf;
        EXPECT_NE(fs::last_write_time(pf), tFremd) << pf;
        u.Meldungen.clear();
        EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske));
        EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    }
    // A link put in a file's place is a change; a file that was a link when it was read asks nothing.
    const auto Verlinken = [](fs::path pf, fs::path pfZiel) { fs::rename(pf, pfZiel); fs::create_symlink(pfZiel, pf); };
    for (const fs::path& pf : {fs::path(sMaske), pfOrdner / "PLC.DAT", pfOrdner / "IPADR.DAT"}) {
        Verlinken(pf, pfOrdner / ("Ziel-" + pf.filename().string()));
        pForm->SetMaskeGeaendert(true);
        u.Meldungen.clear(); u.Antworten = {IDNO};
        EXPECT_FALSE(pForm->bMaskeSchreiben(sMaske)) << pf;
        EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6820, "%s", pf.string().c_str()) + "\n");
        EXPECT_TRUE(fs::is_symlink(pf)) << pf;
        u.Antworten = {IDYES};
        EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske)) << pf;
    }
    Verlinken(pfOrdner / "PLC.DAT", pfOrdner / "Ziel-PLC.DAT");
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    u.Meldungen.clear();
    EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();

    // PLC settings: a PLC.DAT that could not be read at open, changed on
    // disk while the dialog is open. No keeps it and the dialog open; Yes
    // writes it, and the next save asks nothing.
    const fs::path pfPLC = pfOrdner / "PLC.DAT";
    testhilfe::DateiSchreiben(pfPLC, sKaputtePLC);
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    int iErgebnisNein = -1;
    ModalAntworterSetzen([&](QDialog& d) {
        auto& dlg = static_cast<TDlgEinstellungen&>(d);
        FremdAendern(pfPLC, sKaputtePLC + "; fremd\r\n");
        u.Meldungen.clear();
        u.Antworten = {IDNO};
        dlg.bOkClick();
        iErgebnisNein = dlg.result();
        EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6820, "%s", pfPLC.string().c_str()) + "\n");
        EXPECT_EQ(testhilfe::DateiLesen(pfPLC), sKaputtePLC + "; fremd\r\n");
        u.Antworten = {IDYES};
        dlg.bOkClick();
        return dlg.result();
    });
    pForm->aExtras_RavoDAVEinstellungenExecute();
    ModalAntworterSetzen({});
    EXPECT_EQ(iErgebnisNein, 0);
    EXPECT_EQ(testhilfe::DateiLesen(pfPLC).find("fremd"), std::string::npos);
    const std::string sVomDialog = testhilfe::DateiLesen(pfPLC);
    pForm->SetMaskeGeaendert(true);
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(testhilfe::DateiLesen(pfPLC), sVomDialog);

    // Save as: the copies are the files as they are on disk, no question.
    FremdAendern(pfOrdner / "IPADR.DAT", testhilfe::DateiLesen(pfOrdner / "IPADR.DAT") + "; fremd\n");
    pForm->SetMaskeGeaendert(true);
    u.Meldungen.clear();
    EingabenVorgeben({"Kopie"});
    pForm->aDatei_SpeichernUnterExecute();
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(MaskeFile, (u.pfProjekte / "Kopie" / "Kopie.maske_ini").string());
    EXPECT_FALSE(pForm->bMaskeGeaendert);

    // The engine refuses the new paths: box 1329, the new folder holds the
    // copy of the last saved panel, and the panel stays modified.
    pForm->Objekte[pForm->iAnzahlObjekte++] = new TMyObj(pForm, LED, 90, 50, 0, 0);
    pForm->SetMaskeGeaendert(true);
    const std::string sGespeichert = testhilfe::DateiLesen(MaskeFile);
    u.Meldungen.clear();
    EingabenVorgeben({"Abgelehnt"});
    g_bPfadeAblehnen = true;
    pForm->aDatei_SpeichernUnterExecute();
    g_bPfadeAblehnen = false;
    EXPECT_EQ(u.MeldungsTexte(), PoolText(1329) + "\n");
    EXPECT_EQ(testhilfe::DateiLesen(u.pfProjekte / "Abgelehnt" / "Abgelehnt.maske_ini"), sGespeichert);
    EXPECT_TRUE(pForm->bMaskeGeaendert);
}

// Closing the presets program: with no change, or after New (the folder still the last project's), the file stays; what
// the presets changed goes into a damaged file only after Yes to 6731, and
// into a file changed on disk only after Yes to 6820; a failed write is
// reported with the path. The sockets listen on the presets every time, and
// a file not written is not read again, not even into IP-ADR and PortNr.
TEST_F(DateienTest, ClosingThePresetsProgramWritesOnlyWhatItChangedWithTheUsersWord)
{
    // A presets program that ends at once: the notice is given by hand.
    const fs::path pfProgramm = u.pfProgramm / "__system" / "Netzplanung" / "Netzplan";
    fs::create_directories(pfProgramm.parent_path());
    testhilfe::DateiSchreiben(pfProgramm, "#!/bin/sh\nexit 0\n");
    fs::permissions(pfProgramm, fs::perms::owner_all);
    int iFehler = 0;
    const auto Voreinstellen = [&](uint16_t wPort) {
        VoreinstellDialogStarten();
        ++pForm->iVoreinstellStarts;
        if (wPort) {
            // As the presets program's OK, which stores both addresses.
            ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", wPort, 0, 0, &iFehler) &&
                        D7ED_IPDaten_2_InRegistryAbspeichern("0.0.0.0", 0, 0, &iFehler));
        }
        bool bBehandelt = false;
        pForm->ApplicationEvents1Message(pForm->uiVoreinstellMeldung, bBehandelt);
        EXPECT_TRUE(bBehandelt);
    };
    const uint16_t p1 = wFreierPort(), p2 = wFreierPort();
    ASSERT_NE(p1, p2);
    const std::string sMaske = ErstesSpeichern("Netz");
    ASSERT_FALSE(sMaske.empty());
    const fs::path pfIP = fs::path(sMaske).parent_path() / "IPADR.DAT";
    const std::string sIP = "; eigene Zeile\n[D7ED_DATEN]\nD7ED_IP_ADRESSE=127.0.0.1\nD7ED_PORT_ADRESSE=" +
                            std::to_string(p1) + "\n";
    testhilfe::DateiSchreiben(pfIP, sIP);
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    ASSERT_TRUE(bHoert(p1));

    // OK without a change (a missing second address reads as 0.0.0.0 without ports, the same): the file is kept.
    u.Meldungen.clear();
    Voreinstellen(p1);
    EXPECT_EQ(testhilfe::DateiLesen(pfIP), sIP);
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_TRUE(bHoert(p1));

    // A damaged file: No keeps it, yet the sockets take the presets.
    const std::string sKaputt = sIP + "D7ED_PORT_ADRESSE_3=99999\n";
    testhilfe::DateiSchreiben(pfIP, sKaputt);
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    Voreinstellen(p2);
    EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6731, "%s", pfIP.string().c_str()) + "\n");
    EXPECT_EQ(testhilfe::DateiLesen(pfIP), sKaputt);
    EXPECT_EQ(wLaufenderPort(), p2);
    EXPECT_TRUE(bHoert(p2));
    EXPECT_FALSE(bHoert(p1));

    // Yes: the presets in the file, which is no longer marked damaged.
    u.Meldungen.clear();
    u.Antworten = {IDYES};
    Voreinstellen(p1);
    EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6731, "%s", pfIP.string().c_str()) + "\n");
    EXPECT_EQ(IPWert(pfIP, "D7ED_PORT_ADRESSE"), std::to_string(p1));
    EXPECT_NE(testhilfe::DateiLesen(pfIP).find("; eigene Zeile"), std::string::npos);
    EXPECT_TRUE(bHoert(p1));
    u.Meldungen.clear();
    EXPECT_TRUE(pForm->bMaskeSchreiben(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();

    // Changed on disk by another program: No keeps it, and neither its address nor its port reaches IP-ADR and PortNr.
    const std::string sFremd = "[D7ED_DATEN]\nD7ED_IP_ADRESSE=127.0.0.3\nD7ED_PORT_ADRESSE=" + std::to_string(p2);
    FremdAendern(pfIP, sFremd);
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    Voreinstellen(p2);
    EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6820, "%s", pfIP.string().c_str()) + "\n");
    EXPECT_EQ(testhilfe::DateiLesen(pfIP), sFremd);
    EXPECT_TRUE(bHoert(p2));
    EXPECT_EQ(IP_ADR + " " + std::to_string(PortNr), "127.0.0.1 " + std::to_string(p1));

    // A write that fails is reported as at Save.
    u.Meldungen.clear();
    u.Antworten = {IDYES};
    VoreinstellDialogStarten();
    ++pForm->iVoreinstellStarts;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", p1, 0, 0, &iFehler));
    {
        Dateigrenze grenze(100);
        bool bBehandelt = false;
        pForm->ApplicationEvents1Message(pForm->uiVoreinstellMeldung, bBehandelt);
    }
    EXPECT_EQ(u.MeldungsTexte(), PoolTextFormat(6820, "%s", pfIP.string().c_str()) + "\n" +
                                     PoolTextFormat(1342, "%s", pfIP.string().c_str()) + "\n");
    EXPECT_EQ(testhilfe::DateiLesen(pfIP), sFremd);
    EXPECT_TRUE(bHoert(p1));

    // After New the folder is still this project's: the file is not its.
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    pForm->aDatei_NeuExecute();
    Voreinstellen(p1);
    EXPECT_EQ(testhilfe::DateiLesen(pfIP), sFremd);
}

// A PLC.DAT written by hand: keys in other letters are taken, a value that
// cannot be read takes its default; the box at open and the question at
// Save name what takes its default and which lines are left out, and Yes
// writes the file with the kept values.
TEST_F(DateienTest, PlcDatKeepsEveryReadableValueAndNamesTheRest)
{
    const std::string sMaske = ErstesSpeichern("Anlage");
    ASSERT_FALSE(sMaske.empty());
    const fs::path pfPLC = fs::path(sMaske).parent_path() / "PLC.DAT";
    const std::string sVonHand = "[kolv_d7ed]\r\ntaktmerkerbyte = 100\r\nTaktmerkerAktiv=ja\r\n"
                                 "Unbekannt=1\r\n[UhrzeitAlarm_OB10]\r\nJAHR=2020\r\n";
    testhilfe::DateiSchreiben(pfPLC, sVonHand);
    u.Meldungen.clear();
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 100);
    EXPECT_FALSE(D7ED_IstGetTaktMerkerAktiv());
    TUhrzeitAlarm alarm{};
    ASSERT_TRUE(D7ED_GetUhrzeitOBDaten(0, &alarm));
    EXPECT_EQ(alarm.wJahr, 2020);
    ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    const std::string sBox = u.Meldungen[0].sText;
    EXPECT_EQ(sBox.rfind(PoolTextFormat(6800, "%s", pfPLC.string().c_str()), 0), 0u) << sBox;
    EXPECT_NE(sBox.find("[KOLV_D7ED] Format, TaktmerkerAktiv, PAEPAAAktualisieren"), std::string::npos) << sBox;
    EXPECT_NE(sBox.find("\n[UHRZEITALARM_OB10] Aktiv, Monat, Tag,"), std::string::npos) << sBox;
    // Held to a few lines: the sections further down are not listed.
    EXPECT_EQ(sBox.find("WECKALARM"), std::string::npos) << sBox;
    EXPECT_NE(sBox.find("4: Unbekannt=1"), std::string::npos) << sBox;

    // The question says the same; No keeps the file, Yes writes the values
    // in force, those of the file among them.
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    const std::string sFrage = u.Meldungen[0].sText;
    EXPECT_EQ(sFrage.rfind(PoolTextFormat(6801, "%s", pfPLC.string().c_str()), 0), 0u) << sFrage;
    EXPECT_EQ(sFrage.substr(sFrage.find(PoolTextFormat(6802, "%s", ""))),
              sBox.substr(sBox.find(PoolTextFormat(6802, "%s", ""))));
    EXPECT_EQ(testhilfe::DateiLesen(pfPLC), sVonHand);
    u.Antworten = {IDYES};
    ASSERT_TRUE(pForm->bMaskeSchreiben(sMaske));
    const std::string sNeu = testhilfe::DateiLesen(pfPLC);
    EXPECT_NE(sNeu.find("TaktmerkerByte=100\n"), std::string::npos) << sNeu;
    EXPECT_NE(sNeu.find("Jahr=2020\n"), std::string::npos) << sNeu;
    u.Meldungen.clear();
    ASSERT_TRUE(pForm->bMaskeLesen(sMaske));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
}
