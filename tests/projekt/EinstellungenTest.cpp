// Registry values with their defaults and reading rules, the ini file, and
// the command line.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenuBar>
#include <QToolBar>

#include <filesystem>
#include <utility>
#include <vector>

#include "Einstellungen.h"
#include "IPDaten.h"
#include "HauptForm.h"
#include "MyObj.h"
#include "Maske.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WinIni.h"
#include "WinRegistry.h"
#include "WinZeit.h"
#include "kolv_spr2.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

void Wert(const char* pcName, const std::string& s)
{
    ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, pcName, s));
}

std::string Gespeichert(const char* pcName)
{
    std::string s = "<none>";
    bRegWertLesen(cRegistrySchluessel, pcName, s);
    return s;
}

uint16_t Intervall(const std::string& s)
{
    Wert("RavoDAVInterval", s);
    RegistryEinstellungenLesen();
    return RavoDAVInterval;
}

} // namespace

// The one clamp of the pacing interval, which the settings dialog's field
// uses as it stands, and the registry reader's own rules around it.
TEST(Registry, PacingIntervalIsHeldTo2To200)
{
    for (const auto& [llMs, wSoll] : std::vector<std::pair<long long, uint16_t>>{
             {-99, 2}, {0, 2}, {1, 2}, {2, 2}, {3, 3}, {150, 150}, {199, 199}, {200, 200},
             {201, 200}, {65538, 200}, {1LL << 62, 200}})
        EXPECT_EQ(wAufrufintervallBegrenzt(llMs), wSoll) << llMs;

    Umgebung u;
    EXPECT_EQ(Intervall("1"), 2);
    EXPECT_EQ(Intervall("3"), 3);
    EXPECT_EQ(Intervall("500"), 200);
    EXPECT_EQ(Intervall("abc"), 2);
    EXPECT_EQ(Intervall("-1"), 200);   // 65535 in 16 bits
    EXPECT_EQ(Intervall("65538"), 2);  // 2 in 16 bits
    EXPECT_EQ(Intervall(""), 5);       // empty: the default
    ASSERT_TRUE(bRegWertLoeschen(cRegistrySchluessel, "RavoDAVInterval"));
    RavoDAVInterval = 99;
    RegistryEinstellungenLesen();
    EXPECT_EQ(RavoDAVInterval, 5);
}

TEST(Registry, PortAndAddressRules)
{
    Umgebung u;
    Wert("PortNr", "0");
    RegistryEinstellungenLesen();
    EXPECT_EQ(PortNr, 102);
    Wert("PortNr", "1102");
    RegistryEinstellungenLesen();
    EXPECT_EQ(PortNr, 1102);

    for (const char* pc : {"0.0.0.0", "x", "", "255.255.255.255", "300.1.1.1"}) {
        IP_ADR = "9.9.9.9";
        Wert("IP-ADR", pc);
        RegistryEinstellungenLesen();
        EXPECT_EQ(IP_ADR, "127.0.0.1") << pc;
    }
    Wert("IP-ADR", "192.168.10.20");
    RegistryEinstellungenLesen();
    EXPECT_EQ(IP_ADR, "192.168.10.20");
    EXPECT_TRUE(bIPAdresseGueltig("10.0.0.1"));
    EXPECT_FALSE(bIPAdresseGueltig("10.0.0.1.5"));
}

TEST(Registry, DefaultsWhenNothingIsStored)
{
    testhilfe::EigeneUmgebung e;
    LetzteMaskeLaden = false;
    IP_ADR = "1.1.1.1";
    PortNr = 1;
    sGemerkteMaskeFile = "x";
    UserDir = "y";
    LetzterPfadHBild = "z";
    LED_E_HI = LED_E_LO = LED_A_HI = LED_A_LO = 1;
    RegistryEinstellungenLesen();
    EXPECT_TRUE(LetzteMaskeLaden);
    EXPECT_EQ(IP_ADR, "127.0.0.1");
    EXPECT_EQ(PortNr, 102);
    EXPECT_EQ(RavoDAVInterval, 5);
    EXPECT_EQ(sGemerkteMaskeFile, "");
    EXPECT_EQ(UserDir, "");
    EXPECT_EQ(LetzterPfadHBild, "");
    EXPECT_EQ(LED_E_HI, 0x00FF00);
    EXPECT_EQ(LED_E_LO, 0x808080);
    EXPECT_EQ(LED_A_HI, 0x008FF4);
    EXPECT_EQ(LED_A_LO, 0x808080);
    // Reading never creates the key.
    EXPECT_FALSE(bRegSchluesselVorhanden(cRegistrySchluessel));
    std::string s = "keep";
    bool bGefunden = true;
    EXPECT_EQ(pcRegistryWertLesen("UserDir", s, bGefunden), "keep");
    EXPECT_FALSE(bGefunden);
}

TEST(Ini, FolderOfTheBlockFileDialog)
{
    Umgebung u;
    std::string s = "x";
    EXPECT_EQ(pcIniWertLesen("WLDInitialDir", s), "");
    ASSERT_TRUE(bIniWertSchreiben("WLDInitialDir", "/home/u/Bausteine/"));
    EXPECT_EQ(pcIniWertLesen("WLDInitialDir", s), "/home/u/Bausteine/");
    const fs::path pfIni = u.pfProgramm / "Veltrano.ini";
    EXPECT_EQ(ProfilStringLesen(pfIni.string(), "VELTRANO", "WLDInitialDir", ""), "/home/u/Bausteine/");
    ASSERT_TRUE(bIniWertSchreiben("WLDInitialDir", std::string(300, 'd')));
    EXPECT_EQ(pcIniWertLesen("WLDInitialDir", s).size(), 255u);
    // A file from Windows in upper case is the same file.
    fs::remove(pfIni);
    testhilfe::DateiSchreiben(u.pfProgramm / "VELTRANO.INI", "[veltrano]\r\nwldinitialdir=C:\\WLD\\\r\n");
    EXPECT_EQ(pcIniWertLesen("WLDInitialDir", s), "C:\\WLD\\");
}

TEST(Kommandozeile, PanelPathAndProjectFolderOfTheLine)
{
    const std::string sProg = "/opt/Vel trano/Veltrano";
    auto pfad = [&](const std::vector<std::string>& a) {
        return MaskenPfadAusKommandozeile(KommandozeileZusammensetzen(sProg, a), sProg);
    };
    EXPECT_EQ(pfad({"/p/Linie 1/Linie 1.maske_ini", "/RUN"}), "/p/Linie 1/Linie 1.maske_ini");
    EXPECT_EQ(pfad({"/p/x.maske_ini"}), "/p/x.maske_ini");
    // Anything after the extension is dropped; switches before the path
    // become part of it.
    EXPECT_EQ(pfad({"/p/x.maske_ini_alt", "/NOMENU"}), "/p/x.maske_ini");
    EXPECT_EQ(pfad({"/RUN", "/p/x.maske_ini"}), "/RUN /p/x.maske_ini");
    EXPECT_EQ(pfad({"/RUN"}), "");
    // Windows file names ignore case: the extension counts in any case and
    // the path keeps the case it was given in.
    EXPECT_EQ(pfad({"/p/X.MASKE_INI", "/RUN"}), "/p/X.MASKE_INI");
    EXPECT_EQ(KommandozeileZusammensetzen(sProg, {"/a b/x.maske_ini", "/RUN"}),
              "\"/opt/Vel trano/Veltrano\" \"/a b/x.maske_ini\" /RUN");

    EXPECT_EQ(ProjektordnerAusKommandozeile("V /PRJ=\"/home/u/Meine Projekte\" /RUN"),
              "/home/u/Meine Projekte/");
    EXPECT_EQ(ProjektordnerAusKommandozeile("V /PRJ=\"/home/u/P/\""), "/home/u/P/");
    EXPECT_EQ(ProjektordnerAusKommandozeile("V /PRJ=/home/u/P"), "");
    EXPECT_EQ(ProjektordnerAusKommandozeile("V /PRJ=\"\""), "");
}

namespace {

struct ZeileTest : ::testing::Test {
    Umgebung u;
    THauptformular* pForm = nullptr;
    std::string sMaske;
    void SetUp() override
    {
        pForm = FensterOhneStart();
        const fs::path pfOrdner = u.pfProjekte / "Band 1";
        fs::create_directories(pfOrdner);
        sMaske = (pfOrdner / "Band 1.maske_ini").string();
        testhilfe::DateiSchreiben(sMaske, "[Objekte]\n$Obj=3,$Op=A,$Adr=1,$x=5,$y=5,$w=12,$h=12\n//\n");
        u.Meldungen.clear();
    }
    void TearDown() override
    {
        if (!pForm->bEditorModus) pForm->aMaske_RUN_EDITORExecute();
        FensterWeg(pForm);
    }
    bool Auswerten(const std::vector<std::string>& a)
    {
        KommandozeileVorgeben("/opt/Veltrano/Veltrano", a);
        bool b = false;
        KommandozeileAuswerten(b);
        return b;
    }
};

} // namespace

TEST_F(ZeileTest, PanelOpensWithSwitchesAfterIt)
{
    pForm->resize(800, 600);
    EXPECT_TRUE(Auswerten({sMaske, "/RUN"}));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(MaskeFile, sMaske);
    EXPECT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_NE(pForm->windowTitle().toStdString().find("[Band 1.maske_ini]"), std::string::npos);
    EXPECT_FALSE(pForm->bEditorModus);
    EXPECT_FALSE(bNurLesen);
    EXPECT_FALSE(pForm->MainMenu1->isHidden());
    EXPECT_EQ(pForm->height(), 600);
}

TEST_F(ZeileTest, SwitchesBeforeThePanelBecomePartOfItsPath)
{
    EXPECT_FALSE(Auswerten({"/RUN", sMaske}));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    const std::string sPfad = "/RUN " + sMaske;
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1259, "%s", sPfad.c_str()));
    EXPECT_TRUE(MaskeFile.empty());
    EXPECT_TRUE(pForm->bEditorModus);   // "/RUN" needs the panel
}

TEST_F(ZeileTest, RuntimeAlsoFiresRunAndRemovesMenuAndToolBar)
{
    pForm->resize(800, 600);
    const int iMenue = pForm->MainMenu1->sizeHint().height();
    const int iLeisten = pForm->StatusPanel->height() + pForm->ToolBar1->height();
    // "/NOMOUSEBAR" and "/RUNTIME" both hide the tool bar: it stays hidden.
    EXPECT_TRUE(Auswerten({sMaske, "/NOMENU", "/NOMOUSEBAR", "/RUNTIME"}));
    EXPECT_FALSE(pForm->bEditorModus);
    EXPECT_TRUE(bNurLesen);
    EXPECT_TRUE(pForm->MainMenu1->isHidden());
    // Menu and bars each taken away once, not twice.
    EXPECT_EQ(pForm->height(), 600 - iMenue - iLeisten);
    EXPECT_TRUE(pForm->ToolBar1->isHidden());
    EXPECT_TRUE(pForm->StatusPanel->isHidden());
}

TEST_F(ZeileTest, WithoutAPanelOnlyNomenuReadonlyAndPrjAct)
{
    pForm->resize(800, 600);
    EXPECT_FALSE(Auswerten({"/NOMENU", "/NOMOUSEBAR", "/RUN", "/RUNTIME", "/READONLY",
                            "/PRJ=\"/srv/Meine Projekte\""}));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_TRUE(pForm->MainMenu1->isHidden());
    EXPECT_EQ(pForm->height(), 600);
    EXPECT_FALSE(pForm->ToolBar1->isHidden());
    EXPECT_TRUE(pForm->bEditorModus);
    EXPECT_TRUE(bNurLesen);
    EXPECT_EQ(UserDir, "/srv/Meine Projekte/");
}

TEST_F(ZeileTest, MissingPanelIsReported)
{
    const std::string sFehlt = (u.pfProjekte / "none.maske_ini").string();
    EXPECT_FALSE(Auswerten({sFehlt}));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1259, "%s", sFehlt.c_str()));
    EXPECT_FALSE(Auswerten({}));
    EXPECT_EQ(u.Meldungen.size(), 1u);
    // The extension from Windows in upper case is a panel too.
    const std::string sGross = (u.pfProjekte / "NONE.MASKE_INI").string();
    EXPECT_FALSE(Auswerten({sGross}));
    ASSERT_EQ(u.Meldungen.size(), 2u);
    EXPECT_EQ(u.Meldungen[1].sText, PoolTextFormat(1259, "%s", sGross.c_str()));
}

// Settings are written when the window closes and read when the next one
// is created.
TEST(Registry, SettingsOutliveTheWindow)
{
    Umgebung u;
    THauptformular* pForm = FensterOhneStart();
    EXPECT_EQ(UserDir, u.pfProjekte.string() + "/");
    EingabenVorgeben({"Letzte"});
    pForm->aDatei_SpeichernExecute();
    const std::string sMaske = MaskeFile;
    ASSERT_FALSE(sMaske.empty());
    RavoDAVInterval = 40;
    IP_ADR = "10.0.0.7";
    PortNr = 2102;
    LED_A_HI = 0x0000FF;
    LED_E_LO = 0;   // black is a colour, not "empty"
    LetzterPfadHBild = "/bilder/";
    LetzteMaskeLaden = false;
    pForm->close();
    EXPECT_TRUE(MaskeFile.empty());   // the close clears the panel
    delete pForm;

    RavoDAVInterval = 5;
    IP_ADR.clear();
    PortNr = 0;
    LED_A_HI = 0;
    LED_E_LO = 5;
    LetzterPfadHBild.clear();
    LetzteMaskeLaden = true;
    UserDir.clear();
    pForm = FensterOhneStart();
    EXPECT_EQ(RavoDAVInterval, 40);
    EXPECT_EQ(IP_ADR, "10.0.0.7");
    EXPECT_EQ(PortNr, 2102);
    EXPECT_EQ(LED_A_HI, 0x0000FF);
    EXPECT_EQ(LED_E_LO, 0);
    EXPECT_EQ(LetzterPfadHBild, "/bilder/");
    EXPECT_EQ(Gespeichert("LED_A_HI"), "255");
    EXPECT_EQ(Gespeichert("Sprache"), std::to_string(SPR_GetTextSprache()));
    EXPECT_FALSE(LetzteMaskeLaden);
    EXPECT_EQ(sGemerkteMaskeFile, sMaske);
    EXPECT_TRUE(MaskeFile.empty()) << "not reopened: no panel is loaded";
    EXPECT_EQ(UserDir, u.pfProjekte.string() + "/");
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    FensterWeg(pForm);
}

// The panel remembered from the last session is only the candidate for
// reopening. Not opened (reopening off, or its file gone), it is not the
// loaded panel: the caption says so, save and save as ask for a name, its
// file stays as it was, and nothing is written outside the projects folder.
// The remembered path is written back at the close.
TEST(Registry, RememberedPanelCountsOnlyWhenItOpens)
{
    enum Fall { AUS, WEG, OFFEN };
    for (const Fall f : {AUS, WEG, OFFEN}) {
        SCOPED_TRACE(f);
        Umgebung u;
        const fs::path pfAlt = u.pfProjekte / "Alt";
        fs::create_directories(pfAlt);
        const std::string sAlt = (pfAlt / "Alt.maske_ini").string();
        std::string sInhalt = "[Objekte]\n";
        for (int i = 0; i < 3; ++i)
            sInhalt += "$Obj=3,$Op=A,$Adr=" + std::to_string(i) + ",$Bit=0,$x=" + std::to_string(10 + 30 * i) +
                       ",$y=10,$w=12,$h=12\n";
        testhilfe::DateiSchreiben(sAlt, sInhalt + "//\n");
        const std::string sGemerkt = f == WEG ? (u.pfProjekte / "Weg" / "Weg.maske_ini").string() : sAlt;
        bRegWertSchreiben(cRegistrySchluessel, "MaskeFile", sGemerkt);
        bRegWertSchreiben(cRegistrySchluessel, "LetzteMaskeLaden", f == AUS ? "0" : "1");
        const fs::path pfArbeit = testhilfe::NeuerOrdner("arbeitsordner");
        const fs::path pfVorher = fs::current_path();
        fs::current_path(pfArbeit);

        THauptformular* pForm = FensterOhneStart();
        dwStartZeitpunkt = 5000;
        TestUhrSetzen(6001);
        pForm->Timer1Timer();
        TestUhrFreigeben();
        EXPECT_EQ(dwStartZeitpunkt, 0u);
        if (f == OFFEN) {
            EXPECT_EQ(MaskeFile, sAlt);
            EXPECT_EQ(pForm->iAnzahlObjekte, 3);
        } else {
            EXPECT_TRUE(MaskeFile.empty());
            EXPECT_NE(pForm->windowTitle().toStdString().find("[" + PoolText(6861) + "]"), std::string::npos);
            // Closed untouched: the candidate stays remembered.
            pForm->close();
            delete pForm;
            std::string sWert;
            EXPECT_TRUE(bRegWertLesen(cRegistrySchluessel, "MaskeFile", sWert));
            EXPECT_EQ(sWert, sGemerkt);

            pForm = FensterOhneStart();
            dwStartZeitpunkt = 5000;
            TestUhrSetzen(6001);
            pForm->Timer1Timer();
            TestUhrFreigeben();
            ASSERT_TRUE(MaskeFile.empty());
            auto* p = new TMyObj(pForm, LED, 10, 10, 0, 0);
            pForm->Objekte[pForm->iAnzahlObjekte++] = p;
            pForm->SetMaskeGeaendert(true);
            // Save as of the unnamed panel is its first save: a folder of
            // its own, nothing copied from anywhere.
            EingabenVorgeben({"Kopie"});
            pForm->aDatei_SpeichernUnterExecute();
            const fs::path pfKopie = u.pfProjekte / "Kopie";
            EXPECT_EQ(MaskeFile, (pfKopie / "Kopie.maske_ini").string());
            for (const auto& e : fs::directory_iterator(pfKopie))
                EXPECT_TRUE(e.path().extension() == ".maske_ini" || e.path().extension() == ".DAT") << e.path();
            pForm->SetMaskeGeaendert(true);
            pForm->aDatei_SpeichernExecute();
            EXPECT_FALSE(pForm->bMaskeGeaendert);
        }
        EXPECT_EQ(testhilfe::DateiLesen(sAlt), sInhalt + "//\n");
        EXPECT_TRUE(fs::is_empty(pfArbeit)) << "written into the working folder";
        EXPECT_FALSE(fs::exists(u.pfProjekte / "Weg"));
        EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
        fs::current_path(pfVorher);
        FensterWeg(pForm);
    }
}
