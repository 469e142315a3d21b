// The user settings dialog, the input dialog, the about box and the menu
// actions that open them.
#include "Allgemein.h"
#include "Beschriftungen.h"
#include "DlgInfoUeberForm.h"
#include "DlgInputQuery.h"
#include "DlgUserEinstellungenForm.h"
#include "HauptForm.h"
#include "Hilfe.h"
#include "HilfeTestHilfen.h"
#include "PoolText.h"
#include "WinRegistry.h"
#include "harlenzutils40.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <sys/stat.h>

namespace fs = std::filesystem;

using UserEinstellungen = HilfeUmgebung;
using EingabeDialog = HilfeUmgebung;
using InfoUeber = HilfeUmgebung;

namespace {

std::string Pfad(const TDlgUserEinstellungen& d)
{
    return d.lPfad->text().toStdString();
}

std::string Mit(const fs::path& pf)
{
    return pf.string() + "/";
}

} // namespace

TEST_F(UserEinstellungen, ZeigtUserDirUndBietetKopieAn)
{
    const fs::path pf = testhilfe::NeuerOrdner("prj") / "Veltrano-Prj";
    fs::create_directories(pf);
    UserDir = Mit(pf);
    LetzteMaskeLaden = false;
    {
        TDlgUserEinstellungen d(nullptr);
        EXPECT_EQ(d.windowTitle().toStdString(), PoolText(1239));
        EXPECT_EQ(d.bOk->text().toStdString(), PoolText(1014));
        EXPECT_EQ(Pfad(d), UserDir);
        EXPECT_FALSE(d.lPfadEinstellungNotwendig->isVisibleTo(&d));
        EXPECT_TRUE(d.cbBeispieleKopieren->isChecked());
        EXPECT_FALSE(d.cbLetzteMaskeLaden->isChecked());
        EXPECT_TRUE(d.lStatusAnzeige->text().isEmpty());
    }
    // Examples copied before: the copy starts unchecked.
    fs::create_directory(pf / PoolText(1371));
    LetzteMaskeLaden = true;
    TDlgUserEinstellungen d(nullptr);
    EXPECT_FALSE(d.cbBeispieleKopieren->isChecked());
    EXPECT_TRUE(d.cbLetzteMaskeLaden->isChecked());
}

TEST_F(UserEinstellungen, VorschlagImDokumentenordnerOderErsatzordner)
{
    UserDir.clear();
    const fs::path pfDokumente = pUmgebung->Wurzel() / "home" / "Documents";
    ASSERT_TRUE(fs::is_directory(pfDokumente));
    {
        TDlgUserEinstellungen d(nullptr);
        EXPECT_EQ(Pfad(d), Mit(pfDokumente / "Veltrano-Prj"));
        EXPECT_FALSE(fs::exists(pfDokumente / "Veltrano-Prj"));   // made only by OK
    }
    // Without a documents folder ~/Veltrano-User-Files/ is made and used.
    fs::remove_all(pfDokumente);
    std::string sVorschlag;
    ASSERT_TRUE(bProjektordnerVorschlagen(sVorschlag));
    EXPECT_EQ(sVorschlag, Mit(pUmgebung->Wurzel() / "home" / "Veltrano-User-Files" / "Veltrano-Prj"));
    EXPECT_TRUE(fs::is_directory(pUmgebung->Wurzel() / "home" / "Veltrano-User-Files"));
}

// No projects folder and no proposal: "?????" with the hint; OK refuses,
// empties UserDir and keeps the dialog open.
TEST_F(UserEinstellungen, OhneVorschlagWirdOkVerweigert)
{
    const fs::path pfDatei = testhilfe::NeuerOrdner("datei") / "keinordner";
    testhilfe::DateiSchreiben(pfDatei, "x");
    const std::string sAltHome = std::getenv("HOME");
    setenv("HOME", (pfDatei / "home").c_str(), 1);
    UserDir.clear();
    std::string sVorschlag = "unberuehrt";
    EXPECT_FALSE(bProjektordnerVorschlagen(sVorschlag));
    EXPECT_EQ(sVorschlag, "unberuehrt");

    TDlgUserEinstellungen d(nullptr);
    setenv("HOME", sAltHome.c_str(), 1);
    EXPECT_EQ(Pfad(d), "?????");
    EXPECT_TRUE(d.lPfadEinstellungNotwendig->isVisibleTo(&d));
    d.setResult(-1);
    d.bOkClick();
    EXPECT_EQ(d.result(), 0);
    EXPECT_TRUE(UserDir.empty());
    EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolText(1245)});
}

TEST_F(UserEinstellungen, NichtAnlegbarerOrdnerLeertUserDirBisGueltigerKommt)
{
    const fs::path pfBasis = testhilfe::NeuerOrdner("basis");
    UserDir = Mit(pfBasis / "fehlt" / "tiefer" / "Veltrano-Prj");
    LetzteMaskeLaden = true;
    TDlgUserEinstellungen d(nullptr);
    d.cbLetzteMaskeLaden->setChecked(false);
    d.cbBeispieleKopieren->setChecked(false);
    d.bOkClick();
    EXPECT_EQ(d.result(), 0);
    EXPECT_TRUE(UserDir.empty());
    EXPECT_FALSE(fs::exists(pfBasis / "fehlt"));
    EXPECT_TRUE(LetzteMaskeLaden);   // nothing else happened
    EXPECT_EQ(Meldungen().size(), 1u);

    // A browsed folder is accepted, created (one level) and taken.
    NaechsteOrdnerAntwort(pfBasis.string());
    d.bPrjPfadWaehlenClick();
    EXPECT_EQ(Pfad(d), Mit(pfBasis / "Veltrano-Prj"));
    d.bOkClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(UserDir, Mit(pfBasis / "Veltrano-Prj"));
    EXPECT_TRUE(fs::is_directory(pfBasis / "Veltrano-Prj"));
    EXPECT_FALSE(LetzteMaskeLaden);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(UserEinstellungen, OrdnerwahlHaengtVeltranoPrjAn)
{
    const fs::path pf = testhilfe::NeuerOrdner("wahl");
    fs::create_directories(pf / "VELTRANO-prj");
    UserDir = Mit(pf);
    TDlgUserEinstellungen d(nullptr);

    NaechsteOrdnerAntwort(Mit(pf / "VELTRANO-prj"));
    d.bPrjPfadWaehlenClick();
    EXPECT_EQ(Pfad(d), Mit(pf / "VELTRANO-prj"));   // kept in its own case
    NaechsteOrdnerAntwort(pf.string());
    d.bPrjPfadWaehlenClick();
    EXPECT_EQ(Pfad(d), Mit(pf / "Veltrano-Prj"));
    NaechsteOrdnerAntwort("");                        // cancelled
    d.bPrjPfadWaehlenClick();
    EXPECT_EQ(Pfad(d), Mit(pf / "Veltrano-Prj"));

    EXPECT_EQ(TDlgUserEinstellungen::ProjektordnerAusWahl("/"), "/Veltrano-Prj/");
    EXPECT_EQ(TDlgUserEinstellungen::ProjektordnerAusWahl("C:/"), "C:/Veltrano-Prj/");
    EXPECT_EQ(TDlgUserEinstellungen::ProjektordnerAusWahl("/veltrano-PRJ"), "/veltrano-PRJ/");
    EXPECT_EQ(TDlgUserEinstellungen::ProjektordnerAusWahl("/a/b//"), "/a/b/Veltrano-Prj/");
    EXPECT_EQ(TDlgUserEinstellungen::ProjektordnerAusWahl("/a/Veltrano-Prj2/"), "/a/Veltrano-Prj2/Veltrano-Prj/");
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(UserEinstellungen, SchreibgeschuetzteWahlWirdGemeldet)
{
    const fs::path pf = testhilfe::NeuerOrdner("geschuetzt") / "nurlesen";
    fs::create_directories(pf);
    ::chmod(pf.c_str(), 0555);
    if (!U_IstVerzeichnisSchreibgeschuetzt(pf.c_str())) {
        ::chmod(pf.c_str(), 0755);
        GTEST_SKIP() << "the folder stays writable for this user (root)";
    }
    UserDir = "/tmp/";
    TDlgUserEinstellungen d(nullptr);
    const std::string sVorher = Pfad(d);
    NaechsteOrdnerAntwort(pf.string());
    d.bPrjPfadWaehlenClick();
    EXPECT_EQ(Pfad(d), sVorher);
    EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolTextFormat(1248, "%s", pf.c_str())});

    // An existing but write-protected projects folder is refused by OK.
    UserDir = Mit(pf);
    TDlgUserEinstellungen d2(nullptr);
    d2.bOkClick();
    ::chmod(pf.c_str(), 0755);
    EXPECT_EQ(d2.result(), 0);
    EXPECT_TRUE(UserDir.empty());
    EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolText(1245)});
}

TEST_F(UserEinstellungen, BeispieleWerdenNachJaKopiert)
{
    // Example projects of the program folder, with a sub folder.
    const fs::path pfBeispiele = pfProgramm / "Projects";
    fs::create_directories(pfBeispiele / "Ampel" / "Bilder");
    testhilfe::DateiSchreiben(pfBeispiele / "Ampel" / "Ampel.maske_ini", "[Maske]\n");
    testhilfe::DateiSchreiben(pfBeispiele / "Ampel" / "Bilder" / "rot.bmp", "BM");
    const fs::path pfPrj = testhilfe::NeuerOrdner("mitbeispielen") / "Veltrano-Prj";
    const fs::path pfZiel = pfPrj / PoolText(1371);

    UserDir = Mit(pfPrj);
    {
        TDlgUserEinstellungen d(nullptr);
        ASSERT_TRUE(d.cbBeispieleKopieren->isChecked());
        iAntwort = 7;   // No
        d.bOkClick();
        EXPECT_EQ(d.result(), 1);
        EXPECT_FALSE(fs::exists(pfZiel));
        EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolText(1246)});
    }
    TDlgUserEinstellungen d(nullptr);
    iAntwort = 6;   // Yes
    d.bOkClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Ampel" / "Ampel.maske_ini"), "[Maske]\n");
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Ampel" / "Bilder" / "rot.bmp"), "BM");
    EXPECT_TRUE(d.lStatusAnzeige->text().isEmpty());
    EXPECT_EQ(Meldungen(), std::vector<std::string>{PoolText(1246)});
}

TEST_F(UserEinstellungen, AbbruchAendertNichtsUndHilfeZeigtSeite)
{
    UserDir = "/tmp/irgendwo/";
    LetzteMaskeLaden = true;
    TDlgUserEinstellungen d(nullptr);
    d.cbLetzteMaskeLaden->setChecked(false);
    d.bHilfe->click();
    std::string sSeite;
    ASSERT_TRUE(bRegWertLesen(cHilfeSchluessel, cHilfeWert, sSeite));
    EXPECT_EQ(sSeite, cExeVerzeichnis + "__system/HELP/EN/DlgUserEinstellungen.htm");
    EXPECT_EQ(AufgezeichneteStarts().size(), 1u);
    d.bAbbruch->click();
    EXPECT_EQ(d.result(), 2);
    EXPECT_EQ(UserDir, "/tmp/irgendwo/");
    EXPECT_TRUE(LetzteMaskeLaden);
}

TEST_F(UserEinstellungen, MenueaktionOeffnetDenDialog)
{
    THauptformular fenster(nullptr);
    OhneStartArbeit(&fenster, fenster.bErstesZeichnen);
    UserDir = "/tmp/menue/";
    std::string sTitel;
    BeimNaechstenDialog([&](QWidget* p) {
        sTitel = p->windowTitle().toStdString();
        auto* d = qobject_cast<TDlgUserEinstellungen*>(p);
        ASSERT_NE(d, nullptr);
        d->bAbbruch->click();
    });
    fenster.aExtras_BenutzerEinstellungenExecute();
    EXPECT_EQ(sTitel, PoolText(1239));
    EXPECT_EQ(UserDir, "/tmp/menue/");
}

TEST_F(EingabeDialog, AufbauUndPufferGrenze)
{
    char puffer[16];
    std::memset(puffer, '#', sizeof puffer);
    std::strcpy(puffer, "alt");
    // The dialog gets 8 of the 16 bytes: the rest must stay untouched.
    TDlgInputForm d(nullptr, "Titel", "Name:", puffer, 8);
    EXPECT_EQ(d.windowTitle().toStdString(), "Titel");
    EXPECT_EQ(d.LabelPrompt->text().toStdString(), "Name:");
    EXPECT_EQ(d.eText->text().toStdString(), "alt");
    EXPECT_EQ(d.bOK->text().toStdString(), PoolText(1014));
    EXPECT_EQ(d.bAbbruch->text().toStdString(), PoolText(1208));

    d.eText->setText("abcdefghijkl");
    EXPECT_EQ(d.eText->text().toStdString(), "abcdefg");
    // Umlauts take two bytes: three of them fill six of the seven bytes,
    // a fourth would not fit.
    d.eText->setText(QString::fromUtf8("äöüäö"));
    EXPECT_EQ(d.eText->text(), QString::fromUtf8("äöü"));
    d.bOKClick();
    EXPECT_EQ(d.result(), 1);
    EXPECT_STREQ(puffer, "äöü");
    for (std::size_t i = 8; i < sizeof puffer; ++i) EXPECT_EQ(puffer[i], '#') << i;
}

TEST_F(EingabeDialog, ModalMitOkUndAbbruch)
{
    char puffer[32] = "Vorgabe";
    BeimNaechstenDialog([](QWidget* p) {
        auto* d = qobject_cast<TDlgInputForm*>(p);
        ASSERT_NE(d, nullptr);
        d->eText->setText("Neue Maske");
        d->bOK->click();
    });
    EXPECT_TRUE(bEingabeDialog(nullptr, "T", "P", puffer, sizeof puffer));
    EXPECT_STREQ(puffer, "Neue Maske");

    BeimNaechstenDialog([](QWidget* p) {
        auto* d = qobject_cast<TDlgInputForm*>(p);
        ASSERT_NE(d, nullptr);
        d->eText->setText("verworfen");
        d->reject();   // Escape or the title bar
    });
    EXPECT_FALSE(bEingabeDialog(nullptr, "T", "P", puffer, sizeof puffer));
    EXPECT_STREQ(puffer, "Neue Maske");

    std::string s = "x";
    BeimNaechstenDialog([](QWidget* p) {
        auto* d = qobject_cast<TDlgInputForm*>(p);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->eText->text().toStdString(), "x");
        d->eText->setText("123456789");
        d->bOK->click();
    });
    EXPECT_TRUE(bEingabeDialog(nullptr, "T", "P", s, 4));
    EXPECT_EQ(s, "1234");

    // No buffer to write to: no dialog.
    EXPECT_FALSE(bEingabeDialog(nullptr, "T", "P", puffer, 0));
}

TEST_F(InfoUeber, ZeigtNameUndVersion)
{
    TDlgInfoUeber d(nullptr);
    EXPECT_EQ(d.windowTitle().toStdString(), "About...") << "in the text language";
    SpracheSetzen(1);
    EXPECT_EQ(TDlgInfoUeber(nullptr).windowTitle(), QString::fromUtf8("Info über..."));
    SpracheSetzen(2);
    EXPECT_EQ(d.lAppNameUndVersion->text().toStdString(), "Veltrano 1.6.1");

    THauptformular fenster(nullptr);
    OhneStartArbeit(&fenster, fenster.bErstesZeichnen);
    std::string sText;
    BeimNaechstenDialog([&](QWidget* p) {
        auto* pInfo = qobject_cast<TDlgInfoUeber*>(p);
        ASSERT_NE(pInfo, nullptr);
        sText = pInfo->lAppNameUndVersion->text().toStdString();
        pInfo->bOk->click();
    });
    fenster.aHilfe_Info_UeberExecute();
    EXPECT_EQ(sText, "Veltrano 1.6.1");
}

// The dialogs a user meets here, German and English, opened the way the
// program opens them: the user settings and their folder browser (titled,
// at the folder the field names), the one-line input, the about box, the
// file dialog of File > Open and the colour dialog. Qt's own buttons speak
// the language; every caption is whole; a picture of each.
TEST_F(UserEinstellungen, BildschirmfotosDeutschUndEnglisch)
{
    const fs::path pfBasis = testhilfe::NeuerOrdner("fotos");
    fs::create_directories(pfBasis / "Dokumente");
    // The projects folder is made only by OK: the browser opens at the
    // nearest folder that exists.
    UserDir = Mit(pfBasis / "Dokumente" / "Veltrano-Prj");
    THauptformular fenster(nullptr);
    OhneStartArbeit(&fenster, fenster.bErstesZeichnen);
    for (const int iSprache : {1, 2}) {
        fenster.SpracheUmschalten(iSprache);
        const std::string sKuerzel = iSprache == 1 ? "de" : "en";
        const QString sAbbrechen = iSprache == 1 ? QString("Abbrechen") : QString("Cancel");
        auto foto = [&](QWidget& w, const std::string& sName) {
            w.show();
            QApplication::processEvents();
            EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(&w), std::vector<std::string>{}) << sName;
            const fs::path pf = testhilfe::Artefaktordner() / (sName + "_" + sKuerzel + ".png");
            EXPECT_TRUE(w.grab().save(QString::fromStdString(pf.string()), "PNG")) << pf;
            w.hide();
        };
        // Qt's Cancel of a standard dialog, found by its role.
        auto abbrechen = [](QDialog& d) {
            for (QDialogButtonBox* k : d.findChildren<QDialogButtonBox*>())
                if (QPushButton* p = k->button(QDialogButtonBox::Cancel)) return p->text();
            return QString();
        };
        SCOPED_TRACE(sKuerzel);

        TDlgUserEinstellungen d(&fenster);
        foto(d, "benutzereinstellungen");
        QString sOrdnerTitel, sOrdnerStart, sOrdnerAbbrechen;
        DialogBeobachterSetzen([&](QDialog& w) {
            sOrdnerTitel = w.windowTitle();
            if (auto* p = qobject_cast<QFileDialog*>(&w)) sOrdnerStart = p->directory().absolutePath();
            sOrdnerAbbrechen = abbrechen(w);
            foto(w, "ordnerwahl");
        });
        d.bPrjPfadWaehlenClick();
        EXPECT_EQ(sOrdnerTitel.toStdString(), PoolText(6850));
        EXPECT_EQ(sOrdnerStart.toStdString(), (pfBasis / "Dokumente").string());
        EXPECT_EQ(sOrdnerAbbrechen, sAbbrechen);
        EXPECT_EQ(Pfad(d), UserDir) << "cancelled: the field keeps its folder";

        QString sDateiAbbrechen;
        DialogBeobachterSetzen([&](QDialog& w) {
            sDateiAbbrechen = abbrechen(w);
            foto(w, "dateiwahl");
        });
        fenster.aDatei_OeffnenExecute();
        EXPECT_EQ(sDateiAbbrechen, sAbbrechen);

        QString sFarbAbbrechen;
        DialogBeobachterSetzen([&](QDialog& w) {
            sFarbAbbrechen = abbrechen(w);
            foto(w, "farbwahl");
        });
        uint32_t dwFarbe = 0x0000FF;
        EXPECT_FALSE(bFarbDialog(&fenster, dwFarbe));
        EXPECT_EQ(sFarbAbbrechen, sAbbrechen);
        DialogBeobachterSetzen({});

        ModalAntworterSetzen([&](QDialog& w) {
            foto(w, w.objectName() == "DlgInfoUeber" ? "info" : "eingabe");
            return 2;
        });
        std::string sName = "Anlage";
        EXPECT_FALSE(bEingabeDialog(&fenster, PoolText(1318), PoolText(1319), sName, 255));
        fenster.aHilfe_Info_UeberExecute();
        ModalAntworterSetzen({});
    }
    EXPECT_TRUE(Meldungen().empty());
}
