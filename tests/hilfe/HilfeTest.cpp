// The help start from the main program, the help page paths by language,
// and the notes document of a panel.
#include "HauptForm.h"
#include "Hilfe.h"
#include "HilfeTestHilfen.h"
#include "PoolText.h"
#include "WinRegistry.h"

#include <QProcess>

#include <fstream>

namespace fs = std::filesystem;

using HilfeStart = HilfeUmgebung;

namespace {

std::string HelpFile()
{
    std::string s;
    bRegWertLesen(cHilfeSchluessel, cHilfeWert, s);
    return s;
}

} // namespace

TEST_F(HilfeStart, SeitenordnerNachSprache)
{
    SpracheSetzen(1);
    EXPECT_EQ(HilfeSeitenPfad("index.htm"), cExeVerzeichnis + "__system/HELP/DE/index.htm");
    SpracheSetzen(2);
    EXPECT_EQ(HilfeSeitenPfad("index.htm"), cExeVerzeichnis + "__system/HELP/EN/index.htm");
    // Drive paths, absolute paths and web addresses are taken as they are.
    EXPECT_EQ(HilfeSeitenPfad("C:/Hilfe/x.htm"), "C:/Hilfe/x.htm");
    EXPECT_EQ(HilfeSeitenPfad("/opt/hilfe/x.htm"), "/opt/hilfe/x.htm");
    EXPECT_EQ(HilfeSeitenPfad("http://example.org/x.htm"), "http://example.org/x.htm");
}

// The help menu of the main window hands index.htm over through the
// registry and starts the viewer of the program folder, which then shows it.
TEST_F(HilfeStart, HilfemenueStartetViewerMitRegistryUebergabe)
{
    THauptformular fenster(nullptr);
    OhneStartArbeit(&fenster, fenster.bErstesZeichnen);
    for (unsigned char ucSprache : {2, 1}) {
        SpracheSetzen(ucSprache);
        const std::string sCode = ucSprache == 1 ? "DE" : "EN";
        AufgezeichneteStartsLoeschen();
        fenster.aHilfe_HilfeExecute();

        const fs::path pfSeite = pfProgramm / "__system" / "HELP" / sCode / "index.htm";
        EXPECT_TRUE(fs::is_regular_file(pfSeite));
        EXPECT_EQ(HelpFile(), pfSeite.string());
        const auto starts = AufgezeichneteStarts();
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0], (pfProgramm / "harlenzhelp").string() + " /App=Veltrano 1.6.1# /Lang=" + sCode);
        EXPECT_TRUE(Meldungen().empty());
    }

    // The recorded line really starts the viewer, which finds the page
    // through the registry and stays open showing it.
    const auto teile = KommandozeileZerlegen(AufgezeichneteStarts().at(0));
    ASSERT_GE(teile.size(), 2u);
    ASSERT_TRUE(fs::is_regular_file(teile[0])) << teile[0];
    QStringList argumente;
    for (std::size_t i = 1; i < teile.size(); ++i) argumente << QString::fromStdString(teile[i]);
    QProcess viewer;
    viewer.start(QString::fromStdString(teile[0]), argumente);
    ASSERT_TRUE(viewer.waitForStarted(5000));
    EXPECT_FALSE(viewer.waitForFinished(2000)) << "viewer ended: " << viewer.readAllStandardError().toStdString();
    viewer.kill();
    viewer.waitForFinished(5000);
}

TEST_F(HilfeStart, FehlendeSeiteMeldetUndStartetNichts)
{
    bRegWertSchreiben(cHilfeSchluessel, cHilfeWert, "vorher");
    HilfeAnzeigen("GibtEsNicht.htm");
    const std::string sPfad = cExeVerzeichnis + "__system/HELP/EN/GibtEsNicht.htm";
    EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolTextFormat(1260, "%s", sPfad.c_str())});
    EXPECT_NE(PoolText(1260).find("%s"), std::string::npos);
    EXPECT_TRUE(AufgezeichneteStarts().empty());
    EXPECT_EQ(HelpFile(), "vorher");
}

TEST_F(HilfeStart, NichtBeschreibbareRegistryStartetNichtsUndMeldetNichts)
{
    // The registry's folder is a plain file: no key can be written or read.
    const fs::path pfRegistry = fs::path(std::getenv("XDG_CONFIG_HOME")) / "Harlenz-Software";
    fs::remove_all(pfRegistry);
    testhilfe::DateiSchreiben(pfRegistry, "kein Ordner");
    HilfeAnzeigen("index.htm");
    EXPECT_TRUE(AufgezeichneteStarts().empty());
    EXPECT_TRUE(Meldungen().empty());
    fs::remove(pfRegistry);
}

TEST_F(HilfeStart, ProgrammordnerMitLeerzeichenWirdGequotet)
{
    const std::string sAlt = cExeVerzeichnis;
    cExeVerzeichnis = "/opt/mein programm/";
    EXPECT_EQ(HilfeViewerKommandozeile("DE"), "\"/opt/mein programm/harlenzhelp\" /App=Veltrano 1.6.1# /Lang=DE");
    const auto teile = KommandozeileZerlegen(HilfeViewerKommandozeile("DE"));
    cExeVerzeichnis = sAlt;
    ASSERT_FALSE(teile.empty());
    EXPECT_EQ(teile[0], "/opt/mein programm/harlenzhelp");
}

TEST_F(HilfeStart, NotizenLegenDokumentAusVorlageAnUndBehaltenEs)
{
    THauptformular fenster(nullptr);
    OhneStartArbeit(&fenster, fenster.bErstesZeichnen);
    // No panel: nothing happens.
    fenster.aMaskeNotizenExecute();
    EXPECT_TRUE(AufgezeichneteStarts().empty());

    const fs::path pfProjekt = testhilfe::NeuerOrdner("projekt") / "Anlage";
    fs::create_directories(pfProjekt);
    MaskeFile = (pfProjekt / "Anlage.maske_ini").string();
    testhilfe::DateiSchreiben(MaskeFile, "[Maske]\n");
    fenster.aMaskeNotizenExecute();
    const fs::path pfNotiz = pfProjekt / "Anlage.rtf";
    ASSERT_TRUE(fs::is_regular_file(pfNotiz));
    EXPECT_EQ(testhilfe::DateiLesen(pfNotiz),
              testhilfe::DateiLesen(pfProgramm / "__system" / "DokumentLeer.rtf"));
    EXPECT_EQ(testhilfe::DateiLesen(pfNotiz).rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(AufgezeichneteStarts(), std::vector<std::string>{pfNotiz.string()});

    // The user's notes are never replaced by the template.
    testhilfe::DateiSchreiben(pfNotiz, "{\\rtf1 meine Notizen}");
    AufgezeichneteStartsLoeschen();
    fenster.aMaskeNotizenExecute();
    EXPECT_EQ(testhilfe::DateiLesen(pfNotiz), "{\\rtf1 meine Notizen}");
    EXPECT_EQ(AufgezeichneteStarts().size(), 1u);
    EXPECT_TRUE(Meldungen().empty());

    // No program opens RTF files: an information box says where the
    // document is.
    ProzessStartsAufzeichnen(true, false);
    fenster.aMaskeNotizenExecute();
    const auto meldungen = GezeigteMeldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].sText, PoolTextFormat(6000, "%s", pfNotiz.string().c_str()));
    EXPECT_EQ(meldungen[0].sText.find("{n}"), std::string::npos);
    EXPECT_NE(meldungen[0].sText.find(pfNotiz.string()), std::string::npos);
    EXPECT_EQ(meldungen[0].uTyp & 0xF0u, 0x40u);   // information, not an error
    MaskeFile.clear();
}

TEST_F(HilfeStart, NotizenOhneVorlageMelden)
{
    fs::remove(pfProgramm / "__system" / "DokumentLeer.rtf");
    const fs::path pfProjekt = testhilfe::NeuerOrdner("ohnevorlage");
    const std::string sMaske = (pfProjekt / "Test.v1.maske_ini").string();
    EXPECT_EQ(NotizDokumentPfad(sMaske), (pfProjekt / "Test.v1.rtf").string());
    EXPECT_FALSE(bNotizDokumentOeffnen(sMaske));
    const std::string sNotiz = (pfProjekt / "Test.v1.rtf").string();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolTextFormat(1411, "%s", sNotiz.c_str())});
    EXPECT_TRUE(AufgezeichneteStarts().empty());
}
