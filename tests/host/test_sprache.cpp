// Switching the text language through the language menu while the program
// runs: every caption, hint and filter, the mnemonics, the engine's texts,
// the check marks, the choice kept to the next start, languages that are
// not registered or whose file is bad, and screenshots of every menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <map>

#include "Beschriftungen.h"
#include "DlgUserEinstellungenForm.h"
#include "HauptForm.h"
#include "HostTestHilfe.h"
#include "MenueStil.h"
#include "MyObj.h"
#include "Programm.h"
#include "WinDialoge.h"
#include "WinRegistry.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

namespace fs = std::filesystem;
using namespace hosttest;

namespace {

using TTexte = std::map<unsigned long, std::string>;

struct Sprachen : ::testing::Test {
    std::unique_ptr<Programmumgebung> u;
    THauptformular* f = nullptr;
    TTexte De, En;

    void SetUp() override
    {
        u = std::make_unique<Programmumgebung>();
        const fs::path pfSprachen = u->pfOrdner / "__system" / "Sprachen";
        De = TexteLesen(pfSprachen / "GERMAN.dat");
        En = TexteLesen(pfSprachen / "ENGLISH.dat");
        // Installed in German: the program starts with German texts.
        bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", "Deutsch");
        Neustart();
    }
    void TearDown() override
    {
        if (f) Schliessen();
        SPR_SetSyntaxSprache(1);
        u.reset();
    }
    // The program's start up to the main window, as a new process would.
    void Neustart()
    {
        StartVorbereiten(u->pfOrdner.string());
        Sprache = 1;
        SPR_SetSyntaxSprache(1);
        f = new THauptformular(nullptr);
        f->bErstesZeichnen = false;   // no pacing thread, no port take-over
        f->FormCreate();
    }
    void Schliessen()
    {
        f->close();
        delete f;
        f = nullptr;
    }
    std::vector<std::pair<QAction*, unsigned long>> Aktionen() const
    {
        return {{f->aDatei_Oeffnen, 1271}, {f->aDatei_Neu, 1272}, {f->aDatei_Speichern, 1273},
                {f->aDatei_SpeichernUnter, 1274}, {f->aDatei_Beenden, 1275},
                {f->aBearbeiten_Kopieren, 1276}, {f->aBearbeiten_Einfuegen, 1277},
                {f->aBearbeiten_Loeschen, 1278}, {f->aBearbeiten_Ausrichten_H, 1279},
                {f->aBearbeiten_Ausrichten_V, 1280}, {f->aBearbeiten_Gleicher_Abstand_H, 1281},
                {f->aBearbeiten_Gleicher_Abstand_V, 1282}, {f->aBearbeiten_AllesMarkieren, 1283},
                {f->aMaske_RUN_EDITOR, 1284}, {f->aMaske_Grunstellung, 1285},
                {f->aMaske_Hintergrundbild_laden, 1286}, {f->aMaske_Pfeil, 1287},
                {f->aMaske_Obj_Statische_Beschriftung, 1288},
                {f->aMaske_Obj_Dynamische_Beschriftung, 1289}, {f->aMaske_Obj_LED, 1290},
                {f->aMaske_Obj_Grafik, 1291}, {f->aMaske_Obj_AnalogEingang, 1292},
                {f->aMaske_Obj_AnalogerAusgang, 1293}, {f->aMaskeBewegungsprofile, 1294},
                {f->aExtras_BenutzerEinstellungen, 1295}, {f->aExtras_RavoDAVEinstellungen, 1296},
                {f->aHilfe_Hilfe, 1297}, {f->aHilfe_Info_Ueber, 1298},
                {f->aMaskeAnordnenVorne, 1301}, {f->aMaskeAnordnenHinten, 1302},
                {f->aMaskeNotizen, 1303}};
    }
    std::vector<std::pair<QMenu*, unsigned long>> Menues() const
    {
        return {{f->MenuDatei, 1267}, {f->MenuBearbeiten, 1143}, {f->MenuMaske, 1268},
                {f->MenuExtras, 1269}, {f->MenuHilfe, 1270}, {f->MenuSprachen, 1364}};
    }
    std::vector<QAction*> SprachEintraege() const
    {
        return {f->MenuSprachenDeutsch, f->MenuSprachenEnglish, f->MenuSprachenPortugal,
                f->MenuSpracheItalien, f->MenuSpracheFrankreich, f->MenuSpracheSpanien,
                f->MenuSprachenRussian};
    }
    // The first entry of a text field's context menu: one of Qt's own texts.
    static std::string QtKontextmenueErstesWort()
    {
        QLineEdit Feld;
        const std::unique_ptr<QMenu> Menue(Feld.createStandardContextMenu());
        return Menue->actions().isEmpty() ? std::string() : Menue->actions().front()->text().toStdString();
    }
    QAction* Angehakt() const
    {
        QAction* p = nullptr;
        for (QAction* a : SprachEintraege())
            if (a->isChecked()) {
                EXPECT_EQ(p, nullptr) << "only one language is checked";
                p = a;
            }
        return p;
    }
    // Every caption, hint and filter shows the texts of Soll, none is empty
    // and none keeps a text of Andere.
    void TexteSindAus(const TTexte& Soll, const TTexte& Andere, const char* pcWas)
    {
        auto pruefen = [&](const QString& sIst, unsigned long ulNr, const std::string& sWo) {
            ASSERT_TRUE(Soll.count(ulNr)) << ulNr;
            EXPECT_EQ(sIst.toStdString(), Soll.at(ulNr)) << sWo << " " << pcWas;
            EXPECT_FALSE(sIst.isEmpty()) << sWo;
            if (Andere.count(ulNr) && Andere.at(ulNr) != Soll.at(ulNr)) {
                EXPECT_NE(sIst.toStdString(), Andere.at(ulNr)) << sWo;
            }
        };
        for (const auto& [a, ulNr] : Aktionen()) pruefen(a->text(), ulNr, a->objectName().toStdString());
        for (const auto& [m, ulNr] : Menues()) pruefen(m->title(), ulNr, m->objectName().toStdString());
        int iKnoepfe = 0;
        for (QToolButton* k : f->ToolBar1->findChildren<QToolButton*>()) {
            if (!k->defaultAction()) continue;   // the tool bar's own extension button
            ++iKnoepfe;
            QString sSoll = k->defaultAction()->text();
            sSoll.remove('&');
            EXPECT_EQ(k->toolTip(), sSoll) << k->objectName().toStdString();
            EXPECT_FALSE(sSoll.isEmpty());
        }
        EXPECT_EQ(iKnoepfe, 15);
        EXPECT_EQ(f->OpenDialog->Filter, Soll.at(1365)) << pcWas;
        EXPECT_EQ(f->SaveDialogMaske->Filter, Soll.at(1365)) << pcWas;
        for (QAction* a : {f->aBearbeiten_MarkierenNext, f->aBearbeiten_MarkierenPrior,
                           f->aAnsichtMenueOnOff, f->aAnsichtMausbuttonOnOff})
            EXPECT_EQ(a->text(), a->objectName());
        EXPECT_NE(f->windowTitle().toStdString().find("[" + Soll.at(6861) + "]"), std::string::npos);
    }
    std::string NeuesteDiagnose() const
    {
        const uint16_t n = D7ED_GetAnzahlEreignisse(nullptr);
        char cText[D7ED_TEXT_LAENGE + 1] = {};
        EXPECT_GT(n, 0);
        D7ED_GetEreignisString(static_cast<uint16_t>(n - 1), cText);
        return cText;
    }
};

} // namespace

TEST(MenueShortcuts, KeyNamesFollowTheTextLanguage)
{
    const std::pair<QKeySequence, std::pair<const char*, const char*>> Faelle[] = {
        {QKeySequence("Ctrl+O"), {"Strg+O", "Ctrl+O"}},
        {QKeySequence(Qt::Key_Delete), {"Entf", "Del"}},
        {QKeySequence(Qt::Key_Insert), {"Einfg", "Ins"}},
        {QKeySequence("Ctrl+Alt+H"), {"Strg+Alt+H", "Ctrl+Alt+H"}},
        {QKeySequence("Ctrl+F7"), {"Strg+F7", "Ctrl+F7"}},
        {QKeySequence(Qt::Key_F1), {"F1", "F1"}},
    };
    for (const auto& [Taste, Namen] : Faelle) {
        EXPECT_EQ(MenueShortcutText(Taste, 1), Namen.first);
        EXPECT_EQ(MenueShortcutText(Taste, 2), Namen.second);
        EXPECT_EQ(MenueShortcutText(Taste, 5), Namen.second);
    }
    SPR_SetTextSprache(1);
    EXPECT_EQ(MenueTextLokalisiert("&Kopieren\tCtrl+C"), "&Kopieren\tStrg+C");
    EXPECT_EQ(MenueTextLokalisiert("&Beenden"), "&Beenden");
    SPR_SetTextSprache(2);
    EXPECT_EQ(MenueTextLokalisiert("&Delete\tDel"), "&Delete\tDel");
    SPR_SetTextSprache(1);
}

TEST_F(Sprachen, GermanEnglishGermanThroughTheMenuAndKeptToTheNextStart)
{
    EXPECT_EQ(SPR_GetTextSprache(), 1);
    TexteSindAus(De, En, "at start");
    EXPECT_EQ(Angehakt(), f->MenuSprachenDeutsch) << "no language stored yet: the one loaded is checked";
    EXPECT_EQ(QtKontextmenueErstesWort(), "&R\u00fcckg\u00e4ngig\tStrg+Z") << "Qt's own texts in German";
    // The menus draw through the program's style, which names the keys.
    EXPECT_NE(dynamic_cast<TMenueStil*>(f->MenuDatei->style()), nullptr);
    EXPECT_NE(dynamic_cast<TMenueStil*>(f->MenuSprachen->style()), nullptr);
    EXPECT_EQ(MenueTextLokalisiert("x\t" + f->aBearbeiten_Loeschen->shortcut().toString(
                                               QKeySequence::NativeText)),
              "x\tEntf");
    const std::string sDiagnoseDe = NeuesteDiagnose();

    f->MenuSprachenEnglish->trigger();
    EXPECT_TRUE(u->Meldungen.empty());
    EXPECT_EQ(SPR_GetTextSprache(), 2);
    EXPECT_EQ(Sprache, 2);
    TexteSindAus(En, De, "after English");
    EXPECT_EQ(Angehakt(), f->MenuSprachenEnglish);
    EXPECT_EQ(SPR_GetSyntaxSprache(), 2);
    EXPECT_EQ(SPR_GetCharOperand_E(), 'I');
    EXPECT_EQ(QtKontextmenueErstesWort(), "&Undo\tCtrl+Z");
    EXPECT_EQ(MenueTextLokalisiert("x\tDel"), "x\tDel");
    const std::string sDiagnoseEn = NeuesteDiagnose();
    EXPECT_NE(sDiagnoseEn, sDiagnoseDe);
    EXPECT_NE(sDiagnoseEn.find("Built-in CPU type"), std::string::npos) << sDiagnoseEn;

    // A dialog built after the switch speaks the new language; so do boxes.
    std::string sTitel;
    ModalAntworterSetzen([&](QDialog& d) {
        sTitel = d.windowTitle().toStdString();
        return 2;
    });
    f->aExtras_BenutzerEinstellungenExecute();
    ModalAntworterSetzen({});
    EXPECT_EQ(sTitel, En.at(1239));

    // The choice survives a restart.
    Schliessen();
    Neustart();
    EXPECT_EQ(SPR_GetTextSprache(), 2);
    TexteSindAus(En, De, "after the restart");
    EXPECT_EQ(Angehakt(), f->MenuSprachenEnglish);
    EXPECT_EQ(QtKontextmenueErstesWort(), "&Undo\tCtrl+Z");
    EXPECT_EQ(SPR_GetSyntaxSprache(), 2);

    f->MenuSprachenDeutsch->trigger();
    TexteSindAus(De, En, "back to German");
    EXPECT_EQ(Angehakt(), f->MenuSprachenDeutsch);
    EXPECT_EQ(SPR_GetSyntaxSprache(), 1);
    EXPECT_EQ(SPR_GetCharOperand_A(), 'A');
    EXPECT_EQ(QtKontextmenueErstesWort(), "&R\u00fcckg\u00e4ngig\tStrg+Z");
    EXPECT_NE(NeuesteDiagnose().find("Interner CPU-Typ"), std::string::npos) << NeuesteDiagnose();
    EXPECT_TRUE(u->Meldungen.empty());
}

// A language that is offered but has no texts changes nothing, from the
// menu nor when stored from an earlier version: the box comes, and the
// start still opens the last panel as it was saved (its background, its
// window size), however long the user takes to read the box.
TEST_F(Sprachen, ALanguageWithoutFileChangesNothingNowNorAtTheNextStart)
{
    // No language with number 5 is registered.
    f->MenuSprachenRussian->trigger();
    ASSERT_EQ(u->Meldungen.size(), 1u);
    EXPECT_EQ(u->Meldungen[0].sText, "Die Sprachkennung ist ungültig!");
    TexteSindAus(De, En, "after Russian");
    EXPECT_EQ(SPR_GetTextSprache(), 1);
    EXPECT_EQ(Sprache, 1);
    EXPECT_EQ(Angehakt(), f->MenuSprachenDeutsch) << "the loaded language stays checked";
    EXPECT_EQ(SPR_GetSyntaxSprache(), 1);
    Schliessen();
    std::string sGespeichert;
    ASSERT_TRUE(bRegWertLesen(cRegistrySchluessel, "Sprache", sGespeichert));
    EXPECT_EQ(sGespeichert, "1");

    // The last panel, with a background of its own and a window size.
    const fs::path pfProjekt = u->pfOrdner / "Projects" / "Anlage";
    fs::create_directories(pfProjekt);
    QImage Bild(300, 200, QImage::Format_RGB32);
    Bild.fill(QColor(10, 120, 200));
    ASSERT_TRUE(Bild.save(QString::fromStdString((pfProjekt / "Hinten.jpg").string()), "JPG"));
    const std::string sMaske = (pfProjekt / "Anlage.maske_ini").string();
    testhilfe::DateiSchreiben(sMaske, "[Hintergrundbild]\n$FileBack=Hinten.jpg\n$WindowW=720\n$WindowH=540\n"
                                      "[Objekte]\n$Obj=3,$Op=A,$Adr=0,$Bit=0,$x=10,$y=60,$w=12,$h=12\n//\n");
    bRegWertSchreiben(cRegistrySchluessel, "MaskeFile", sMaske);
    bRegWertSchreiben(cRegistrySchluessel, "LetzteMaskeLaden", "1");
    bRegWertSchreiben(cRegistrySchluessel, "Sprache", "5");
    // A user reads the box for a while; a real box runs the event loop.
    u->Meldungen.clear();
    MeldungsAntworterSetzen([this](const TMeldung& m) {
        u->Meldungen.push_back(m);
        Warte(2500);
        return 1;
    });
    StartVorbereiten(u->pfOrdner.string());
    f = FensterStarten();
    MeldungsAntworterSetzen([this](const TMeldung& m) {
        u->Meldungen.push_back(m);
        return 1;
    });
    ASSERT_TRUE(WarteBis([] { return !MaskeFile.empty(); }, 5000));
    ASSERT_EQ(u->Meldungen.size(), 1u);
    EXPECT_EQ(u->Meldungen[0].sText, "Die Sprachkennung ist ungültig!");
    EXPECT_EQ(MaskeFile, sMaske);
    EXPECT_EQ(f->iAnzahlObjekte, 1);
    EXPECT_EQ(fs::path(f->cHintergrundDatei).filename(), "Hinten.jpg");
    EXPECT_EQ(f->Image300CPU->size(), QSize(300, 200));
    EXPECT_FALSE(f->lBlanc_Hinweis->isVisible()) << "the hint of a new, empty panel";
    EXPECT_EQ(f->frameGeometry().size(), QSize(720, 540));
    EXPECT_EQ(f->aDatei_Oeffnen->text().toStdString(), De.at(1271));
    EXPECT_EQ(f->MenuDatei->title().toStdString(), De.at(1267));
    EXPECT_EQ(Angehakt(), f->MenuSprachenDeutsch) << "the language loaded instead is checked";
    EXPECT_EQ(SPR_GetSyntaxSprache(), 1);
    Schliessen();
    ASSERT_TRUE(bRegWertLesen(cRegistrySchluessel, "Sprache", sGespeichert));
    EXPECT_EQ(sGespeichert, "1") << "the language without texts is not kept";
}

TEST_F(Sprachen, ABadFileUsesItsGoodLinesAFileWithoutOneKeepsTheLanguage)
{
    const fs::path pfSprachen = u->pfOrdner / "__system" / "Sprachen";
    // Italian: a few good lines and one bad one. French: bad lines only.
    testhilfe::DateiSchreiben(pfSprachen / "ITALIAN.dat",
                              "1267=&File IT\n1268=&Maschera\nquesta riga non vale\n1270=&Aiuto\n");
    testhilfe::DateiSchreiben(pfSprachen / "FRENCH.dat", "rien=1\nencore rien\n");
    testhilfe::DateiSchreiben(pfSprachen / "Languages.ini", "GERMAN=1\nENGLISH=2\nITALIAN=6\nFRENCH=8\n");
    std::string sSystem = cSystemVerzeichnis;
    SPR_DLLInitialisieren(sSystem.data());

    f->MenuSpracheItalien->trigger();
    ASSERT_EQ(u->Meldungen.size(), 1u);
    // The boxes speak the language chosen before.
    EXPECT_EQ(u->Meldungen[0].sText, "Fehler gefunden!\nAnzahl gesamt=1\nLetzter Fehler in Zeile 3.");
    EXPECT_EQ(Sprache, 6);
    EXPECT_EQ(Angehakt(), f->MenuSpracheItalien);
    EXPECT_EQ(f->MenuMaske->title().toStdString(), "&Maschera");
    // What the file lacks shows the pool's default text, never nothing.
    EXPECT_EQ(f->MenuBearbeiten->title().toStdString(), SPR_StrS7App(999));
    EXPECT_FALSE(f->aDatei_Oeffnen->text().isEmpty());
    EXPECT_EQ(SPR_GetSyntaxSprache(), 2);

    u->Meldungen.clear();
    f->MenuSprachenDeutsch->trigger();
    ASSERT_TRUE(u->Meldungen.empty());
    f->MenuSpracheFrankreich->trigger();
    ASSERT_EQ(u->Meldungen.size(), 2u);
    EXPECT_EQ(u->Meldungen[0].sText, "In der Sprachdatei wurden keine Zeilen gefunden!");
    EXPECT_EQ(u->Meldungen[1].sText, "Fehler gefunden!\nAnzahl gesamt=2\nLetzter Fehler in Zeile 2.");
    EXPECT_EQ(SPR_GetTextSprache(), 1);
    EXPECT_EQ(Sprache, 1);
    TexteSindAus(De, En, "after a file without a good line");
    EXPECT_EQ(Angehakt(), f->MenuSprachenDeutsch);
    EXPECT_EQ(SPR_GetSyntaxSprache(), 1);

    // From English the same boxes come in English.
    f->MenuSprachenEnglish->trigger();
    u->Meldungen.clear();
    f->MenuSpracheFrankreich->trigger();
    ASSERT_EQ(u->Meldungen.size(), 2u);
    EXPECT_EQ(u->Meldungen[0].sText, "No lines found in the language file!");
    EXPECT_EQ(u->Meldungen[1].sText, "Error found!\nCount total=2\nLast error in line 2.");
    TexteSindAus(En, De, "after a file without a good line, from English");
}

TEST_F(Sprachen, ScreenshotsOfEveryMenu)
{
    f->resize(760, 420);
    QApplication::processEvents();
    for (int iSprache : {1, 2}) {
        SprachEintraege()[static_cast<std::size_t>(iSprache - 1)]->trigger();
        for (const auto& [pMenue, ulNr] : Menues()) {
            const QRect rcEintrag = f->MainMenu1->actionGeometry(pMenue->menuAction());
            f->MainMenu1->setActiveAction(pMenue->menuAction());
            pMenue->popup(f->MainMenu1->mapToGlobal(rcEintrag.bottomLeft()));
            QApplication::processEvents();
            ASSERT_TRUE(pMenue->isVisible());
            // The popup is a window of its own: laid over the main window
            // where it opens.
            QPixmap Bild = f->grab();
            QPainter Maler(&Bild);
            Maler.drawPixmap(f->MainMenu1->mapTo(f, rcEintrag.bottomLeft()), pMenue->grab());
            Maler.end();
            const std::string sName = pMenue->objectName().toStdString() + (iSprache == 1 ? "_de" : "_en");
            const fs::path pf = testhilfe::Artefaktordner() / ("hauptfenster_" + sName + ".png");
            EXPECT_TRUE(Bild.save(QString::fromStdString(pf.string()), "PNG")) << pf;
            // A wider name of a key still fits: the menu is as wide as its
            // widest caption and shortcut.
            for (QAction* a : pMenue->actions()) {
                if (a->shortcut().isEmpty() || !a->isVisible()) continue;
                const QString sZeile = a->text() + "\t" +
                                       QString::fromStdString(MenueShortcutText(a->shortcut(), SPR_GetTextSprache()));
                EXPECT_LT(pMenue->fontMetrics().horizontalAdvance(sZeile), pMenue->width())
                    << sName << " " << a->objectName().toStdString();
            }
            pMenue->hide();
            QApplication::processEvents();
        }
    }
}

// The start window without a panel as a user first sees it, in German and
// in English, every caption whole.
TEST_F(Sprachen, StartWindowScreenshotsInBothLanguages)
{
    f->show();
    for (QAction* pSprache : {f->MenuSprachenDeutsch, f->MenuSprachenEnglish}) {
        pSprache->trigger();
        QApplication::processEvents();
        const std::string sName = pSprache == f->MenuSprachenDeutsch ? "de" : "en";
        EXPECT_EQ(f->lBlanc_Hinweis->text().toStdString(), (sName == "de" ? De : En).at(1360))
            << "the hint follows the switch";
        EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(f), std::vector<std::string>{}) << sName;
        const fs::path pf = testhilfe::Artefaktordner() / ("hauptfenster_start_" + sName + ".png");
        EXPECT_TRUE(f->grab().save(QString::fromStdString(pf.string()), "PNG")) << pf;
    }
}

TEST_F(Sprachen, ViewTogglesTwiceRestoreWindowAndObjects)
{
    f->resize(700, 500);
    QApplication::processEvents();
    auto* p = new TMyObj(f, LED, 120, 80, 0, 0);
    f->Objekte[f->iAnzahlObjekte++] = p;
    const int iHoehe = f->height();
    const int iLeiste = f->ToolBar1->height();

    f->aAnsichtMausbuttonOnOff->trigger();
    EXPECT_TRUE(f->ToolBar1->isHidden());
    EXPECT_TRUE(f->StatusPanel->isHidden());
    EXPECT_EQ(p->Top(), 80 - iLeiste);
    EXPECT_EQ(p->y, 80 - iLeiste) << "the design position moves with it";
    EXPECT_EQ(f->WerkzeugleistenHoehe(), 0) << "the motion's top limit is the window's edge";
    f->aAnsichtMausbuttonOnOff->trigger();
    EXPECT_FALSE(f->ToolBar1->isHidden());
    EXPECT_EQ(p->Top(), 80);
    EXPECT_EQ(p->y, 80);
    EXPECT_EQ(f->height(), iHoehe);

    f->aAnsichtMenueOnOff->trigger();
    EXPECT_TRUE(f->MainMenu1->isHidden());
    EXPECT_LT(f->height(), iHoehe);
    f->aAnsichtMenueOnOff->trigger();
    EXPECT_FALSE(f->MainMenu1->isHidden());
    EXPECT_EQ(f->height(), iHoehe);
    EXPECT_EQ(p->Top(), 80);
    f->MaskeLoeschen();
}

TEST_F(Sprachen, DialogsBuiltAfterASwitchSpeakTheNewLanguage)
{
    // Each object dialog and the motion dialog, opened in German and again
    // after the switch to English: the caption and every button follow.
    std::vector<TMyObj*> Objekte;
    for (int iArt : {Statische_Beschriftung, Dynamische_Beschriftung, LED, AnalogEingang})
        Objekte.push_back(new TMyObj(f, iArt, 50, 80, 0, 0));
    auto oeffnen = [&](const std::function<void()>& Aufruf) {
        std::string sTexte;
        ModalAntworterSetzen([&](QDialog& d) {
            sTexte = d.windowTitle().toStdString();
            for (QPushButton* k : d.findChildren<QPushButton*>()) sTexte += "|" + k->text().toStdString();
            return 2;
        });
        Aufruf();
        ModalAntworterSetzen({});
        return sTexte;
    };
    std::vector<std::function<void()>> Aufrufe;
    for (TMyObj* p : Objekte) Aufrufe.push_back([this, p] { f->ObjektEigenschaftenDialog(p, false); });
    Aufrufe.push_back([this] { f->aMaskeBewegungsprofileExecute(); });
    std::vector<std::string> Deutsch;
    for (const auto& a : Aufrufe) Deutsch.push_back(oeffnen(a));
    f->MenuSprachenEnglish->trigger();
    for (std::size_t i = 0; i < Aufrufe.size(); ++i) {
        const std::string sEnglisch = oeffnen(Aufrufe[i]);
        EXPECT_FALSE(Deutsch[i].empty()) << i;
        EXPECT_NE(sEnglisch, Deutsch[i]) << i;
        EXPECT_NE(sEnglisch.find("|" + En.at(1015)), std::string::npos) << sEnglisch;
    }
    for (TMyObj* p : Objekte) delete p;
}
