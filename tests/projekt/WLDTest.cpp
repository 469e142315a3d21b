// The block dump "Startup.wld" and block files: what the engine holds
// survives a switch to EDITOR and a reopened panel byte for byte, a wrong or
// damaged file never costs the engine its blocks, and the limits hold.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>

#include "HauptForm.h"
#include "Maske.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WLDDatei.h"
#include "WinDialoge.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

// Every hand-over to the engine passes here first, so the tests see the
// header value the loader passes; the engine's own function does the rest.
namespace {
struct TUebergabe { unsigned uTyp, uNr, uLaenge, uKopfwert; };
std::vector<TUebergabe> g_uebergaben;
// Set: the directory read fails after a part of the list was written.
bool g_bVerzeichnisFehler = false;
} // namespace

extern "C" bool D7ED_BstWrite(unsigned char byTyp, uint16_t wNr, uint16_t wLaenge,
                              uint16_t wKopfwert, const void* pBild, int* piFehler)
{
    using Fn = bool (*)(unsigned char, uint16_t, uint16_t, uint16_t, const void*, int*);
    static Fn echt = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "D7ED_BstWrite"));
    g_uebergaben.push_back({byTyp, wNr, wLaenge, wKopfwert});
    return echt(byTyp, wNr, wLaenge, wKopfwert, pBild, piFehler);
}

extern "C" bool D7ED_GetBausteinverzeichnis(uint16_t* pwPuffer, uint32_t dwMaxWorte,
                                             unsigned char* pbGekuerzt, int* piFehler)
{
    using Fn = bool (*)(uint16_t*, uint32_t, unsigned char*, int*);
    static Fn echt = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "D7ED_GetBausteinverzeichnis"));
    if (!g_bVerzeichnisFehler) return echt(pwPuffer, dwMaxWorte, pbGekuerzt, piFehler);
    echt(pwPuffer, std::min<uint32_t>(dwMaxWorte, 200), pbGekuerzt, piFehler);
    if (pbGekuerzt) *pbGekuerzt = 0;
    if (piFehler) *piFehler = D7ED_FEHLER_PARAMETER;
    return false;
}

namespace {

using Schluessel = std::pair<unsigned, unsigned>;
using Bausteine = std::map<Schluessel, std::string>;

// A block image with the given length; the data bytes come from the seed.
std::string Bild(unsigned uTyp, unsigned uNr, uint32_t dwLaenge, uint16_t wKopfwert = 0x1234,
                 unsigned uSaat = 1)
{
    std::string s(dwLaenge, '\0');
    std::mt19937 zufall(uSaat);
    for (auto& c : s) c = static_cast<char>(zufall());
    s[0] = 'p';
    s[1] = 'p';
    s[5] = static_cast<char>(uTyp);
    s[6] = static_cast<char>(uNr >> 8);
    s[7] = static_cast<char>(uNr);
    for (int i = 0; i < 4; ++i) s[8 + i] = static_cast<char>(dwLaenge >> (24 - 8 * i));
    if (dwLaenge >= 36) {
        s[32] = static_cast<char>(wKopfwert >> 8);
        s[33] = static_cast<char>(wKopfwert);
        const uint32_t dwCode = dwLaenge - 36;
        s[34] = static_cast<char>(dwCode >> 8);
        s[35] = static_cast<char>(dwCode);
    }
    return s;
}

bool Schreiben(const std::string& s)
{
    int iFehler = 0;
    return D7ED_BstWrite(static_cast<unsigned char>(s[5]),
                         static_cast<uint16_t>((uint8_t(s[6]) << 8) | uint8_t(s[7])),
                         static_cast<uint16_t>(s.size()), 0, s.data(), &iFehler);
}

// The engine's deletable blocks, each cut to its header's length.
Bausteine ImEngine()
{
    Bausteine m;
    std::vector<uint16_t> v(20000);
    D7ED_GetBausteinverzeichnis(v.data(), 20000, nullptr, nullptr);
    std::vector<uint16_t> puffer(65535);
    for (std::size_t i = 0; v[i] != 0; i += 2) {
        if (v[i] == D7ED_BST_SFC || v[i] == D7ED_BST_SFB) continue;
        uint16_t wWorte = 0;
        D7ED_BstRead(static_cast<unsigned char>(v[i]), v[i + 1], puffer.data(), 65535, &wWorte, nullptr);
        const auto* p = reinterpret_cast<const unsigned char*>(puffer.data());
        const uint32_t dwLaenge = (uint32_t(p[8]) << 24) | (p[9] << 16) | (p[10] << 8) | p[11];
        m[{v[i], v[i + 1]}] = std::string(reinterpret_cast<const char*>(p), dwLaenge);
    }
    return m;
}

int EigeneBausteine()
{
    std::vector<uint16_t> v(20000);
    D7ED_GetBausteinverzeichnis(v.data(), 20000, nullptr, nullptr);
    int n = 0;
    for (std::size_t i = 0; v[i] != 0; i += 2) n += v[i] == D7ED_BST_SFC || v[i] == D7ED_BST_SFB;
    return n;
}

// The images by type and number, as the engine's directory orders them.
Bausteine Satz(const std::vector<std::string>& bilder)
{
    Bausteine m;
    for (const auto& s : bilder) m[{uint8_t(s[5]), (uint8_t(s[6]) << 8) | uint8_t(s[7])}] = s;
    return m;
}

// The dump of these blocks: the images one after the other.
std::string DumpVon(const Bausteine& m)
{
    std::string s;
    for (const auto& [k, b] : m) s += b;
    return s;
}

// An image of 65536 bytes: too long to load.
std::string ZuLang() { return Bild(D7ED_BST_FB, 77, 65536); }

Bausteine Fuellen(const std::vector<std::string>& bilder)
{
    AlleBausteineLoeschen();
    for (const auto& s : bilder) EXPECT_TRUE(Schreiben(s)) << int(s[5]);
    return ImEngine();
}

class WLDTest : public AnlagenTest {
protected:
    void SetUp() override
    {
        AnlagenTest::SetUp();
        ASSERT_TRUE(bLeereMaskeAnlegen());
        AlleBausteineLoeschen();
        g_uebergaben.clear();
    }
    void TearDown() override
    {
        g_bVerzeichnisFehler = false;
        TestUhrFreigeben();
        AlleBausteineLoeschen();
        AnlagenTest::TearDown();
    }
    std::string Status() const { return pForm->StatusPanels[pForm->iPanelMeldung].cText; }
    fs::path Dump() const { return pfOrdner / "Startup.wld"; }
    // A block file beside the panel.
    std::string Datei(const std::string& sName, const std::string& sInhalt) const
    {
        testhilfe::DateiSchreiben(pfOrdner / sName, sInhalt);
        return (pfOrdner / sName).string();
    }
    void ZuEditor()
    {
        pForm->bEditorModus = false;
        pForm->aMaske_RUN_EDITORExecute();
        ASSERT_TRUE(pForm->bEditorModus);
    }
    // A project folder below the projects folder with a panel file of its
    // own and, when given, a dump; the panel file's path.
    std::string Projekt(const std::string& sName, bool bRestaurieren, const char* pcDump = nullptr,
                        std::size_t uDumpLaenge = 0) const
    {
        const fs::path pf = u.pfProjekte / sName;
        fs::create_directories(pf);
        testhilfe::DateiSchreiben(pf / (sName + ".maske_ini"),
                                  std::string("[Einstellungen]\n$BausteineRestaurieren=") +
                                      (bRestaurieren ? "1" : "0") + "\n");
        if (pcDump) testhilfe::DateiSchreiben(pf / "Startup.wld", std::string(pcDump, uDumpLaenge));
        return (pf / (sName + ".maske_ini")).string();
    }
    fs::path DumpIn(const char* pcProjekt) const { return u.pfProjekte / pcProjekt / "Startup.wld"; }
    void Oeffnen(const std::string& sPfad)
    {
        NaechsteDateiAntwort(sPfad);
        pForm->aDatei_OeffnenExecute();
    }
};

TEST_F(WLDTest, BlocksSurviveTheSwitchToEditorAndTheReopenedPanelByteForByte)
{
    const Bausteine vorher = Fuellen({
        Bild(D7ED_BST_OB, 1, 301),             // odd: the engine pads it to words
        Bild(D7ED_BST_OB, 35, 40),
        Bild(D7ED_BST_FC, 7, 2048),
        Bild(D7ED_BST_FB, 300, 65535),         // the largest image there is
        Bild(D7ED_BST_DB, 1, 41, 0x5555),      // a data block gets 0 whatever stands here
        Bild(D7ED_BST_DB, 255, 5000, 0),
        Bild(D7ED_BST_SDB, 0, 99, 0x0102),
        Bild(D7ED_BST_OB, 100, 38),            // two bytes of code
        Bild(D7ED_BST_FC, 8, 36),              // a header alone
    });
    ASSERT_EQ(vorher.size(), 9u);
    ZuEditor();
    ASSERT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(Status(), PoolTextFormat(1324, "%d", 9));
    // Exactly the images one after the other, in directory order, the
    // shortest the loader takes too, without the engine's own system
    // functions.
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), DumpVon(vorher));

    AlleBausteineLoeschen();
    const int iEigene = EigeneBausteine();
    g_uebergaben.clear();
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    EXPECT_EQ(ImEngine(), vorher);
    EXPECT_EQ(EigeneBausteine(), iEigene);
    EXPECT_EQ(Status(), PoolTextFormat(1252, "%d", 9));
    // The header value goes along, except for data blocks, which get 0.
    for (const TUebergabe& t : g_uebergaben)
        EXPECT_EQ(t.uKopfwert, t.uTyp == D7ED_BST_DB ? 0u : t.uTyp == D7ED_BST_SDB ? 0x0102u : 0x1234u)
            << t.uTyp << "/" << t.uNr;
    EXPECT_EQ(g_uebergaben.size(), 9u);

    // The panel's setting off: nothing is restored.
    AlleBausteineLoeschen();
    pForm->BausteineRestaurieren = false;
    ASSERT_TRUE(pForm->bMaskeSchreiben(MaskeFile));
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    EXPECT_TRUE(ImEngine().empty());
}

TEST_F(WLDTest, DumpLeavesTheOldFileWhenThereIsNothingOrNoPanelFile)
{
    Datei("Startup.wld", "alt");
    // Only the engine's own system functions: the last dump stays.
    ZuEditor();
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), "alt");
    // A panel never saved gets no dump.
    Fuellen({Bild(D7ED_BST_FC, 1, 100)});
    fs::remove(MaskeFile);
    ZuEditor();
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), "alt");
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    // A dump from Windows in other letters is the one replaced.
    fs::rename(Dump(), pfOrdner / "STARTUP.WLD");
    ASSERT_TRUE(pForm->bMaskeSchreiben(MaskeFile));
    ZuEditor();
    EXPECT_FALSE(fs::exists(Dump()));
    EXPECT_EQ(testhilfe::DateiLesen(pfOrdner / "STARTUP.WLD"), Bild(D7ED_BST_FC, 1, 100));
}

TEST_F(WLDTest, WrongDamagedOrCutFilesLeaveTheEngineAsItWas)
{
    const Bausteine vorher = Fuellen({Bild(D7ED_BST_OB, 1, 200), Bild(D7ED_BST_DB, 3, 80, 0)});
    const std::string a = Bild(D7ED_BST_FC, 1, 100), b = Bild(D7ED_BST_FB, 2, 120);
    std::string sNull = a + b;        // a record claiming length 0
    for (int i = 8; i < 12; ++i) sNull[a.size() + i] = 0;
    std::string sKurz = a + b;        // a length below the header
    sKurz[a.size() + 11] = 13;
    struct Fall { const char* pcName; std::string sInhalt; bool bBox; };
    const std::vector<Fall> faelle = {
        {"text", "Hallo Welt, das ist kein Baustein.\n", false},
        {"kurz", "pp", false},                      // shorter than one header
        {"null", sNull, true},
        {"unter14", sKurz, true},
        {"abgeschnitten", a + b.substr(0, b.size() - 1), true},
        {"kopf_abgeschnitten", a + b.substr(0, 20), true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pcName);
        u.Meldungen.clear();
        int iAnzahl = -7;
        EXPECT_FALSE(bWLDDateiLaden(Datei(f.pcName, f.sInhalt), iAnzahl));
        EXPECT_EQ(iAnzahl, -7);
        EXPECT_EQ(ImEngine(), vorher);
        if (f.bBox) {
            ASSERT_EQ(u.Meldungen.size(), 1u);
            EXPECT_EQ(u.Meldungen[0].sText, "Read Error WLD-Datei");
        } else {
            EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
        }
    }
    int iAnzahl = 0;
    EXPECT_FALSE(bWLDDateiLaden((pfOrdner / "fehlt.wld").string(), iAnzahl));
    EXPECT_FALSE(bWLDDateiLaden(pfOrdner.string(), iAnzahl));   // a folder
    EXPECT_EQ(ImEngine(), vorher);
}

TEST_F(WLDTest, LoadKeepsTheFileRulesAndReplacesTheEngineBlocks)
{
    Fuellen({Bild(D7ED_BST_OB, 1, 200), Bild(D7ED_BST_FC, 9, 80)});
    const int iEigene = EigeneBausteine();
    // Pieces between images that do not start with "pp" are stepped over
    // 14 bytes at a time; system functions in a file are not loaded; a type
    // 0 record ends the file, whatever follows. A type the engine refuses
    // is not counted as loaded.
    const std::string a = Bild(D7ED_BST_FB, 4, 500), b = Bild(D7ED_BST_DB, 8, 64, 0x7777);
    std::string sEnde(14, '\0');
    sEnde[0] = sEnde[1] = 'p';
    const std::string sDatei = a + std::string(28, 'x') + Bild(D7ED_BST_SFC, 20, 36) + Bild(9, 3, 50) +
                               b + sEnde + Bild(D7ED_BST_FC, 1, 60);
    int iAnzahl = 0;
    g_uebergaben.clear();
    ASSERT_TRUE(bWLDDateiLaden(Datei("gut.wld", sDatei), iAnzahl));
    EXPECT_EQ(iAnzahl, 2);
    EXPECT_EQ(ImEngine(), (Bausteine{{{D7ED_BST_DB, 8}, b}, {{D7ED_BST_FB, 4}, a}}));
    EXPECT_EQ(EigeneBausteine(), iEigene);
    ASSERT_EQ(g_uebergaben.size(), 3u);
    EXPECT_EQ(g_uebergaben[2].uKopfwert, 0u);   // data block, though 0x7777 stands there
    EXPECT_EQ(Status(), PoolTextFormat(1252, "%d", 2));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
}

TEST_F(WLDTest, OversizedImageAndTimeLimitKeepTheBlocksBefore)
{
    const Bausteine vorher = Fuellen({Bild(D7ED_BST_OB, 1, 200)});
    const std::string a = Bild(D7ED_BST_FC, 1, 100), b = Bild(D7ED_BST_FC, 2, 100);
    const std::string sGross = ZuLang();
    int iAnzahl = 0;
    // Nothing loadable before it (a system function is never loaded, nor a
    // type the engine does not know): the file is refused as damaged and
    // the engine keeps its blocks.
    for (const std::string& sDatei : {sGross + b, Bild(D7ED_BST_SFC, 20, 36) + sGross, Bild(9, 3, 50) + sGross}) {
        u.Meldungen.clear();
        iAnzahl = -7;
        EXPECT_FALSE(bWLDDateiLaden(Datei("gross.wld", sDatei), iAnzahl));
        EXPECT_EQ(iAnzahl, -7);
        EXPECT_EQ(ImEngine(), vorher);
        ASSERT_EQ(u.Meldungen.size(), 1u);
        EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6750, "%s", "FB77"));
    }
    // Blocks before it are loaded, and the box says how many.
    u.Meldungen.clear();
    ASSERT_TRUE(bWLDDateiLaden(Datei("gross.wld", a + sGross + b), iAnzahl));
    EXPECT_EQ(iAnzahl, 1);
    EXPECT_EQ(ImEngine(), (Bausteine{{{D7ED_BST_FC, 1}, a}}));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6751, "%s%d", "FB77", 1));

    // Each look at the clock costs a second: the limit of 5 s ends the load
    // after a few blocks, and those stay.
    u.Meldungen.clear();
    std::string sViele;
    for (unsigned i = 1; i <= 20; ++i) sViele += Bild(D7ED_BST_FC, i, 50);
    TestUhrSetzen(1000);
    TestUhrSchrittSetzen(1000);
    ASSERT_TRUE(bWLDDateiLaden(Datei("viele.wld", sViele), iAnzahl));
    TestUhrFreigeben();
    EXPECT_GT(iAnzahl, 0);
    EXPECT_LT(iAnzahl, 6);
    const Bausteine m = ImEngine();
    EXPECT_EQ(m.size(), static_cast<std::size_t>(iAnzahl));
    for (const auto& [k, s] : m) EXPECT_EQ(s, Bild(D7ED_BST_FC, k.second, 50));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolText(1249));
}

TEST_F(WLDTest, FailedDumpKeepsTheLastGoodOne)
{
    Fuellen({Bild(D7ED_BST_FC, 1, 3000), Bild(D7ED_BST_FC, 2, 3000)});
    const std::string sAlt = Bild(D7ED_BST_OB, 1, 500);
    Datei("Startup.wld", sAlt);

    // A short write (file size limit): the old dump stays, text 1323.
    struct rlimit alt {};
    getrlimit(RLIMIT_FSIZE, &alt);
    struct rlimit neu = alt;
    neu.rlim_cur = 4000;
    signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &neu), 0);
    ZuEditor();
    setrlimit(RLIMIT_FSIZE, &alt);
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), sAlt);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1323, "%s", Dump().string().c_str()));
    for (const auto& e : fs::directory_iterator(pfOrdner))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(WLDTest, RefusedDumpAtOpenIsToldInOneBoxAndNotOverwrittenByTheBlocksOfThePanelBefore)
{
    const std::string a = Bild(D7ED_BST_FC, 1, 100);
    // Each refused in its own way by the loader; at the opening only the
    // box that names the dump and what follows is shown.
    for (const std::string& sKaputt : {std::string("Hier stand einmal eine Bausteinsicherung."),
                                       a + a.substr(0, 50),                    // cut image
                                       Bild(9, 3, 50) + Bild(D7ED_BST_SFC, 20, 36),  // nothing loadable
                                       ZuLang() + a}) {
        SCOPED_TRACE(sKaputt.size());
        // The blocks of the panel opened before, and this project's damaged dump.
        Fuellen({Bild(D7ED_BST_FC, 1, 300), Bild(D7ED_BST_OB, 1, 120)});
        Datei("Startup.wld", sKaputt);
        u.Meldungen.clear();
        ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
        ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
        EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6752, "%s", Dump().string().c_str()));
        EXPECT_TRUE(ImEngine().empty());
        ZuEditor();
        EXPECT_EQ(testhilfe::DateiLesen(Dump()), sKaputt);
    }
}

TEST_F(WLDTest, AFileWithoutALoadableBlockIsRefusedBeforeAnyBlockIsDeleted)
{
    const Bausteine vorher = Fuellen({Bild(D7ED_BST_OB, 1, 200), Bild(D7ED_BST_FC, 9, 80)});
    std::string sEnde(14, '\0');
    sEnde[0] = sEnde[1] = 'p';
    struct Fall { const char* pcName; std::string sInhalt; };
    const std::vector<Fall> faelle = {
        {"leer", ""},
        {"ende_zuerst", sEnde + Bild(D7ED_BST_FC, 1, 60)},   // the end mark before any block
        {"fremd", Bild(9, 3, 50) + std::string(14, 'x') + Bild(D7ED_BST_SFB, 4, 36)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pcName);
        u.Meldungen.clear();
        const std::string sPfad = Datei(f.pcName, f.sInhalt);
        int iAnzahl = -7;
        EXPECT_FALSE(bWLDDateiLaden(sPfad, iAnzahl));
        EXPECT_EQ(iAnzahl, -7);
        EXPECT_EQ(ImEngine(), vorher);
        ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
        EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6762, "%s", sPfad.c_str()));
    }
    // One loadable block among them is enough.
    int iAnzahl = 0;
    ASSERT_TRUE(bWLDDateiLaden(Datei("eins.wld", Bild(9, 3, 50) + Bild(D7ED_BST_FC, 2, 36)), iAnzahl));
    EXPECT_EQ(iAnzahl, 1);
    EXPECT_EQ(ImEngine(), Satz({Bild(D7ED_BST_FC, 2, 36)}));
}

TEST_F(WLDTest, EachProjectRunsAndDumpsOnlyTheBlocksThatCameInWhileItWasOpen)
{
    const Bausteine a = Satz({Bild(D7ED_BST_OB, 1, 200, 0x1234, 11), Bild(D7ED_BST_FC, 1, 300, 0x1234, 12),
                              Bild(D7ED_BST_FB, 2, 400, 0x1234, 13), Bild(D7ED_BST_DB, 3, 80, 0, 14)});
    const Bausteine b = Satz({Bild(D7ED_BST_OB, 1, 150, 0x1234, 21), Bild(D7ED_BST_FC, 5, 90, 0x1234, 22)});
    const std::string sDumpA = DumpVon(a), sDumpB = DumpVon(b);
    // A's file from elsewhere: an image the engine skips, an older FC1 before the valid one, bytes past the end record.
    const std::string sDateiA =
        Bild(D7ED_BST_SFB, 4, 36) + Bild(D7ED_BST_FC, 1, 60) + sDumpA + "pp" + std::string(12, '\0') + "Rest";
    const std::string sA = Projekt("A", true, sDateiA.data(), sDateiA.size());
    const std::string sB = Projekt("B", false, sDumpB.data(), sDumpB.size());
    const std::string sC = Projekt("C", true);

    Oeffnen(sA);
    ASSERT_EQ(MaskeFile, sA);
    EXPECT_EQ(ImEngine(), a);
    // A file that is no panel is refused: the open panel keeps its blocks, and its dump, only looked at, stays so.
    const std::string sKeine = (u.pfProjekte / "keine.maske_ini").string();
    testhilfe::DateiSchreiben(sKeine, "Hallo\n");
    Oeffnen(sKeine);
    EXPECT_EQ(MaskeFile, sA);
    EXPECT_EQ(ImEngine(), a);
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("A")), sDateiA);
    ZuEditor();
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("A")), sDumpA);

    // A block file loaded in EDITOR belongs to A: A's dump takes it before
    // B is opened.
    const Bausteine x = Satz({Bild(D7ED_BST_FC, 9, 120, 0x1234, 31)});
    int iAnzahl = 0;
    ASSERT_TRUE(bWLDDateiLaden(Datei("x.wld", DumpVon(x)), iAnzahl));
    u.Meldungen.clear();
    Oeffnen(sB);
    ASSERT_EQ(MaskeFile, sB);
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("A")), DumpVon(x));
    // B restores no blocks: it runs with an empty engine, and its own dump
    // stays as it is.
    EXPECT_TRUE(ImEngine().empty());
    ZuEditor();
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("B")), sDumpB);
    // A refused file leaves B's setting as it was for B's next Save.
    Oeffnen(sKeine);
    EXPECT_FALSE(pForm->BausteineRestaurieren);
    u.Meldungen.clear();

    // C has no dump, then one of 10 bytes: none is made or replaced.
    Oeffnen(sC);
    ASSERT_EQ(MaskeFile, sC);
    EXPECT_TRUE(ImEngine().empty());
    ZuEditor();
    EXPECT_FALSE(fs::exists(DumpIn("C")));
    testhilfe::DateiSchreiben(DumpIn("C"), "pp34567890");
    Oeffnen(sC);
    ZuEditor();
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("C")), "pp34567890");
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("A")), DumpVon(x));
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("B")), sDumpB);

    // Blocks from the programming software go with C before New empties
    // the engine.
    ASSERT_TRUE(Schreiben(Bild(D7ED_BST_FC, 7, 60)));
    pForm->aDatei_NeuExecute();
    EXPECT_TRUE(MaskeFile.empty());
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("C")), Bild(D7ED_BST_FC, 7, 60));
    EXPECT_TRUE(ImEngine().empty());
    Oeffnen(sA);
    EXPECT_EQ(ImEngine(), x);
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
}

TEST_F(WLDTest, ADumpCutShortAtOpenReplacesTheFileOnlyWhenTheUserSaysYes)
{
    // Three blocks, one too long to load, two more: six in the file.
    const Bausteine vorn =
        Satz({Bild(D7ED_BST_OB, 1, 200), Bild(D7ED_BST_FC, 1, 100, 0x1234, 2), Bild(D7ED_BST_FC, 2, 100, 0x1234, 3)});
    const std::string sVoll = DumpVon(vorn) + ZuLang() + Bild(D7ED_BST_FC, 3, 100) + Bild(D7ED_BST_DB, 4, 60, 0);
    Datei("Startup.wld", sVoll);
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    EXPECT_EQ(ImEngine(), vorn);
    const std::string sFrage = PoolTextFormat(6760, "%s%d%d", Dump().string().c_str(), 6, 3);
    // No keeps the file, the status bar says so, and each switch asks again.
    for (int i = 0; i < 2; ++i) {
        u.Meldungen.clear();
        u.Antworten = {IDNO};
        ZuEditor();
        ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
        EXPECT_EQ(u.Meldungen[0].sText, sFrage);
        EXPECT_EQ(testhilfe::DateiLesen(Dump()), sVoll);
        EXPECT_EQ(Status(), PoolTextFormat(6761, "%d", 6));
    }
    // The close in RUN asks as well; No keeps the file and the close goes on.
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    pForm->bEditorModus = false;
    bool bSchliessen = true;
    pForm->FormClose(bSchliessen);
    EXPECT_TRUE(pForm->bEditorModus);
    EXPECT_NE(pForm->dwSchliessZeitpunkt, 0u);
    pForm->dwSchliessZeitpunkt = 0;
    ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    EXPECT_EQ(u.Meldungen[0].sText, sFrage);
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), sVoll);
    // Cancel keeps the file and RUN: neither the switch nor the close goes on.
    u.Antworten = {IDCANCEL, IDCANCEL};
    pForm->bEditorModus = false;
    pForm->aMaske_RUN_EDITORExecute();
    pForm->FormClose(bSchliessen);
    EXPECT_FALSE(pForm->bEditorModus || pForm->dwSchliessZeitpunkt);
    // Yes replaces it; from then on the dump asks nothing.
    u.Meldungen.clear();
    u.Antworten = {IDYES};
    ZuEditor();
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), DumpVon(vorn));
    EXPECT_EQ(Status(), PoolTextFormat(1324, "%d", 3));
    ZuEditor();
    EXPECT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();

    // The time limit cuts the load too; a block file loaded in full ends
    // the question.
    std::string sViele;
    for (unsigned i = 1; i <= 20; ++i) sViele += Bild(D7ED_BST_FC, i, 50);
    Datei("Startup.wld", sViele);
    TestUhrSetzen(1000);
    TestUhrSchrittSetzen(1000);
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    TestUhrFreigeben();
    const int iTeil = static_cast<int>(ImEngine().size());
    ASSERT_GT(iTeil, 0);
    ASSERT_LT(iTeil, 20);
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    ZuEditor();
    ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6760, "%s%d%d", Dump().string().c_str(), 20, iTeil));
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), sViele);
    int iAnzahl = 0;
    ASSERT_TRUE(bWLDDateiLaden(Datei("x.wld", Bild(D7ED_BST_FC, 30, 70)), iAnzahl));
    u.Meldungen.clear();
    ZuEditor();
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), Bild(D7ED_BST_FC, 30, 70));

    // The limit before the first block the engine takes: not damaged but loaded in part; counts of 1 are singular.
    Datei("Startup.wld", Bild(D7ED_BST_SFB, 1, 36) + std::string(8 * 14, 'x') + Bild(D7ED_BST_FC, 1, 50));
    TestUhrSetzen(1000); TestUhrSchrittSetzen(1000);
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    TestUhrFreigeben();
    EXPECT_EQ(u.Meldungen.back().sText, PoolText(1249));
    ASSERT_TRUE(Schreiben(Bild(D7ED_BST_FC, 9, 60)));
    u.Antworten = {IDNO}; ZuEditor();
    EXPECT_EQ(u.Meldungen.back().sText, PoolTextFormat(6882, "%s", Dump().string().c_str()));
    EXPECT_EQ(Status(), PoolText(6883));
    // A block cut by the end of the file counts as one the file holds.
    Datei("Startup.wld", Bild(D7ED_BST_FC, 1, 100) + ZuLang().substr(0, 300));
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    u.Antworten = {IDNO}; ZuEditor();
    EXPECT_EQ(u.Meldungen.back().sText, PoolTextFormat(6881, "%s%d", Dump().string().c_str(), 2));

    // Before another panel opens the same question comes once the engine differs from the file; Cancel keeps the
    // panel open, for Open and for New. The next project then dumps its own blocks without a question.
    Datei("Startup.wld", sVoll);
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    const std::string sA = MaskeFile, sB = Projekt("B", true);
    ASSERT_TRUE(Schreiben(Bild(D7ED_BST_FC, 2, 120)));
    u.Antworten = {IDCANCEL, IDCANCEL};
    Oeffnen(sB);
    pForm->aDatei_NeuExecute();
    EXPECT_EQ(MaskeFile, sA);
    u.Meldungen.clear();
    u.Antworten = {IDNO};
    Oeffnen(sB);
    ASSERT_EQ(MaskeFile, sB);
    ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    EXPECT_EQ(u.Meldungen[0].sText, sFrage);
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), sVoll);
    ASSERT_TRUE(Schreiben(Bild(D7ED_BST_FC, 8, 80)));
    ZuEditor();
    EXPECT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    EXPECT_EQ(testhilfe::DateiLesen(DumpIn("B")), Bild(D7ED_BST_FC, 8, 80));
}

TEST_F(WLDTest, LongDirectoryIsDumpedWholeAndAFailedReadWritesNoDump)
{
    // More blocks than a directory of 20000 words holds.
    AlleBausteineLoeschen();
    std::string sErwartet;
    const unsigned uViele = 10100;
    for (unsigned i = 1; i <= uViele; ++i) {
        const std::string s = Bild(D7ED_BST_FC, i, 40);
        ASSERT_TRUE(Schreiben(s)) << i;
        sErwartet += s;
    }
    ZuEditor();
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(Status(), PoolTextFormat(1324, "%d", int(uViele)));
    EXPECT_TRUE(testhilfe::DateiLesen(Dump()) == sErwartet);

    // A directory that cannot be read: no dump, the last good one stays.
    g_bVerzeichnisFehler = true;
    ZuEditor();
    g_bVerzeichnisFehler = false;
    EXPECT_TRUE(testhilfe::DateiLesen(Dump()) == sErwartet);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6753, "%s", Dump().string().c_str()));

    // Deleting all blocks reaches the last of them too.
    AlleBausteineLoeschen();
    uint16_t aw[40];
    uint16_t wWorte = 0;
    EXPECT_FALSE(D7ED_BstRead(D7ED_BST_FC, uViele, aw, 40, &wWorte, nullptr));
}

// Root writes into any folder, so the folder is made read-only by a
// read-only bind mount in a mount namespace of a child of its own.
TEST_F(WLDTest, DumpIntoAReadOnlyFolderKeepsTheOldFile)
{
    Fuellen({Bild(D7ED_BST_FC, 1, 300)});
    const std::string sAlt = Bild(D7ED_BST_OB, 1, 500);
    Datei("Startup.wld", sAlt);
    const std::string sOrdner = pfOrdner.string();
    int aRohr[2];
    ASSERT_EQ(pipe(aRohr), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(aRohr[0]);
        // 0 done, 1 refused by the system (skip), 2 wrong result.
        char c = 1;
        if (unshare(CLONE_NEWNS | (geteuid() == 0 ? 0 : CLONE_NEWUSER)) == 0 &&
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            mount(sOrdner.c_str(), sOrdner.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
            mount(nullptr, sOrdner.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0) {
            GezeigteMeldungenLoeschen();
            pForm->bEditorModus = false;
            pForm->aMaske_RUN_EDITORExecute();
            const auto m = GezeigteMeldungen();
            c = (m.size() == 1 && m[0].sText == PoolTextFormat(1322, "%s", (sOrdner + "/Startup.wld").c_str()) &&
                 testhilfe::DateiLesen(sOrdner + "/Startup.wld") == sAlt)
                    ? 0 : 2;
        }
        (void)!write(aRohr[1], &c, 1);
        _exit(0);
    }
    close(aRohr[1]);
    char c = 3;
    (void)!read(aRohr[0], &c, 1);
    close(aRohr[0]);
    int iStatus = 0;
    waitpid(pid, &iStatus, 0);
    if (c == 1) GTEST_SKIP() << "no private mount namespace here (unshare refused)";
    EXPECT_EQ(c, 0);
    EXPECT_EQ(testhilfe::DateiLesen(Dump()), sAlt);
}

// Random and mutated files: the loader never crashes or hangs, and the
// engine holds either what it held or exactly the file's valid blocks.
TEST(WLDZufall, RandomAndMutatedFilesNeverHurtTheEngine)
{
    // Without a main window: the loader alone, as fast as it runs.
    Umgebung u;
    // The 10,000 files live in memory where it can: the loader, not the
    // disk, is under test.
    fs::path pfOrdner = testhilfe::NeuerOrdner("zufall");
    if (fs::is_directory("/dev/shm")) {
        pfOrdner = fs::path("/dev/shm") / ("veltrano_wld_" + std::to_string(getpid()));
        fs::create_directories(pfOrdner);
    }
    std::mt19937 zufall(4711);
    std::vector<std::string> vorlagen;
    for (int i = 0; i < 8; ++i) {
        std::string s;
        for (int j = 0; j < 1 + i % 4; ++j)
            s += Bild(std::vector<unsigned>{8, 10, 11, 12, 14, 13}[zufall() % 6], zufall() % 50,
                      36 + zufall() % 300, static_cast<uint16_t>(zufall()), zufall());
        vorlagen.push_back(s);
    }
    Fuellen({Bild(D7ED_BST_OB, 1, 120)});
    const std::string sPfad = (pfOrdner / "fuzz.wld").string();
    int iGeladen = 0, iAbgelehnt = 0;
    for (int iRunde = 0; iRunde < 10000; ++iRunde) {
        std::string s;
        if (iRunde % 4 == 0) {
            s.resize(zufall() % 200);
            for (auto& c : s) c = static_cast<char>(zufall());
            if (zufall() % 2 && s.size() > 1) s[0] = s[1] = 'p';
        } else {
            s = vorlagen[zufall() % vorlagen.size()];
            for (unsigned k = 0, n = 1 + zufall() % 4; k < n && !s.empty(); ++k) {
                const std::size_t p = zufall() % s.size();
                switch (zufall() % 4) {
                case 0: s[p] = static_cast<char>(zufall()); break;
                case 1: s.resize(p); break;
                case 2: s.insert(p, std::string(1 + zufall() % 20, static_cast<char>(zufall()))); break;
                default:   // a length field of the first header
                    if (s.size() > 11) s[8 + p % 4] = static_cast<char>(zufall());
                    break;
                }
            }
        }
        testhilfe::DateiSchreiben(sPfad, s);
        const Bausteine vorher = ImEngine();
        int iAnzahl = 0;
        if (!bWLDDateiLaden(sPfad, iAnzahl)) {
            ++iAbgelehnt;
            ASSERT_EQ(ImEngine(), vorher) << "round " << iRunde;
            continue;
        }
        ++iGeladen;
        // Every block now in the engine stands byte for byte in the file;
        // none of those before survived unless the file holds it.
        const Bausteine nachher = ImEngine();
        ASSERT_LE(nachher.size(), static_cast<std::size_t>(iAnzahl)) << "round " << iRunde;
        for (const auto& [k, bild] : nachher)
            ASSERT_NE(s.find(bild), std::string::npos) << "round " << iRunde;
        if (iRunde % 50 == 0) Fuellen({Bild(D7ED_BST_OB, 1, 120)});
    }
    EXPECT_GT(iGeladen, 100);
    EXPECT_GT(iAbgelehnt, 100);
    AlleBausteineLoeschen();
    if (pfOrdner.string().rfind("/dev/shm/", 0) == 0) fs::remove_all(pfOrdner);
}

} // namespace
