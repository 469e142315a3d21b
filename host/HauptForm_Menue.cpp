// The main window's menus, actions, tool bar and the texts they show.
#include "HauptForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include <cstring>

#include "kolv_d7ed.h"
#include "kolv_spr2.h"

namespace {

QString Text(unsigned long ulNummer) { return QString::fromUtf8(SPR_StrS7App(ulNummer)); }

// The small pictures of the tool buttons, drawn here so that the program
// needs no image files of its own.
QIcon SymbolZeichnen(int iArt)
{
    QPixmap Bild(20, 20);
    Bild.fill(Qt::transparent);
    QPainter p(&Bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    switch (iArt) {
    case 0:   // open: a folder
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(2, 6, 16, 11);
        p.drawRect(2, 4, 7, 2);
        break;
    case 1:   // new: a sheet
        p.setBrush(Qt::white);
        p.drawRect(4, 2, 12, 16);
        break;
    case 2:   // RUN/EDITOR: glasses
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(2, 7, 7, 7);
        p.drawEllipse(11, 7, 7, 7);
        p.drawLine(9, 10, 11, 10);
        break;
    case 3:   // save: a disk
        p.setBrush(QColor(80, 110, 200));
        p.drawRect(3, 3, 14, 14);
        p.setBrush(Qt::white);
        p.drawRect(6, 3, 8, 5);
        break;
    case 4:   // align on one vertical line
        p.drawLine(4, 2, 4, 18);
        p.drawRect(5, 4, 10, 4);
        p.drawRect(5, 12, 6, 4);
        break;
    case 5:   // align on one horizontal line
        p.drawLine(2, 4, 18, 4);
        p.drawRect(4, 5, 4, 10);
        p.drawRect(12, 5, 4, 6);
        break;
    case 6:   // equal vertical spacing
        p.drawRect(5, 2, 10, 3);
        p.drawRect(5, 9, 10, 3);
        p.drawRect(5, 16, 10, 3);
        break;
    case 7:   // to the front
        p.setBrush(Qt::gray);
        p.drawRect(2, 2, 10, 10);
        p.setBrush(Qt::white);
        p.drawRect(7, 7, 10, 10);
        break;
    case 8:   // to the back
        p.setBrush(Qt::white);
        p.drawRect(7, 7, 10, 10);
        p.setBrush(Qt::gray);
        p.drawRect(2, 2, 10, 10);
        break;
    case 9:   // arrow
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(5, 2), QPoint(5, 16), QPoint(9, 12), QPoint(14, 12)}));
        break;
    case 10:  // static text
    case 11:  // dynamic text
        p.setFont(QFont("DejaVu Sans", 11, QFont::Bold));
        p.setPen(iArt == 10 ? Qt::black : Qt::darkBlue);
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, iArt == 10 ? "A" : "A~");
        break;
    case 12:  // LED
        p.setBrush(Qt::red);
        p.drawEllipse(4, 4, 12, 12);
        break;
    case 13:  // analog input: a slider
        p.drawLine(2, 10, 18, 10);
        p.setBrush(Qt::darkGreen);
        p.drawRect(8, 5, 4, 10);
        break;
    default:  // analog output: a bar
        p.setBrush(Qt::white);
        p.drawRect(3, 3, 14, 14);
        p.setBrush(Qt::darkGreen);
        p.drawRect(3, 10, 14, 7);
        break;
    }
    return QIcon(Bild);
}

} // namespace

void ShortcutNamenUebersetzen(std::string& sText, const char* pcAlt, const char* pcNeu)
{
    if (!pcAlt || !*pcAlt || !pcNeu) return;
    const std::size_t n = sText.find(pcAlt);
    if (n != std::string::npos) sText.replace(n, std::strlen(pcAlt), pcNeu);
}

void ShortcutNamenUebersetzen(char* pcText, const char* pcAlt, const char* pcNeu)
{
    if (!pcText) return;
    std::string s = pcText;
    ShortcutNamenUebersetzen(s, pcAlt, pcNeu);
    std::memcpy(pcText, s.c_str(), s.size() + 1);
}

void THauptformular::MenuesAufbauen()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");

    auto neueAktion = [this](QAction*& pAktion, const char* pcName, QKeySequence Taste = {}) {
        pAktion = new QAction(QString::fromLatin1(pcName), this);
        pAktion->setObjectName(pcName);
        if (!Taste.isEmpty()) pAktion->setShortcut(Taste);
        addAction(pAktion);   // shortcuts work also with the menu hidden
    };
    auto neuesMenue = [this](QMenu*& pMenue, const char* pcName) {
        pMenue = MainMenu1->addMenu(QString::fromLatin1(pcName));
        pMenue->setObjectName(pcName);
    };

    neueAktion(aDatei_Oeffnen, "aDatei_Oeffnen", QKeySequence("Ctrl+O"));
    neueAktion(aDatei_Neu, "aDatei_Neu", QKeySequence("Ctrl+N"));
    neueAktion(aDatei_Speichern, "aDatei_Speichern", QKeySequence("Ctrl+S"));
    neueAktion(aDatei_SpeichernUnter, "aDatei_SpeichernUnter");
    neueAktion(aDatei_Beenden, "aDatei_Beenden");
    neueAktion(aBearbeiten_Kopieren, "aBearbeiten_Kopieren", QKeySequence("Ctrl+C"));
    neueAktion(aBearbeiten_Einfuegen, "aBearbeiten_Einfuegen", QKeySequence("Ctrl+V"));
    neueAktion(aBearbeiten_Loeschen, "aBearbeiten_Loeschen", QKeySequence(Qt::Key_Delete));
    neueAktion(aBearbeiten_Ausrichten_H, "aBearbeiten_Ausrichten_H", QKeySequence("Ctrl+Alt+H"));
    neueAktion(aBearbeiten_Ausrichten_V, "aBearbeiten_Ausrichten_V", QKeySequence("Ctrl+Alt+V"));
    neueAktion(aBearbeiten_Gleicher_Abstand_H, "aBearbeiten_Gleicher_Abstand_H");
    neueAktion(aBearbeiten_Gleicher_Abstand_V, "aBearbeiten_Gleicher_Abstand_V",
               QKeySequence("Ctrl+Alt+A"));
    neueAktion(aBearbeiten_AllesMarkieren, "aBearbeiten_AllesMarkieren", QKeySequence("Ctrl+A"));
    neueAktion(aBearbeiten_MarkierenNext, "aBearbeiten_MarkierenNext", QKeySequence(Qt::Key_Tab));
    neueAktion(aBearbeiten_MarkierenPrior, "aBearbeiten_MarkierenPrior",
               QKeySequence(Qt::SHIFT | Qt::Key_Backtab));
    neueAktion(aMaske_RUN_EDITOR, "aMaske_RUN_EDITOR", QKeySequence("Ctrl+F7"));
    aMaske_RUN_EDITOR->setCheckable(true);
    neueAktion(aMaske_Grunstellung, "aMaske_Grunstellung", QKeySequence("Ctrl+F9"));
    neueAktion(aMaske_Hintergrundbild_laden, "aMaske_Hintergrundbild_laden");
    neueAktion(aMaske_Pfeil, "aMaske_Pfeil", QKeySequence("Ctrl+1"));
    neueAktion(aMaske_Obj_Statische_Beschriftung, "aMaske_Obj_Statische_Beschriftung",
               QKeySequence("Ctrl+2"));
    neueAktion(aMaske_Obj_Dynamische_Beschriftung, "aMaske_Obj_Dynamische_Beschriftung",
               QKeySequence("Ctrl+3"));
    neueAktion(aMaske_Obj_LED, "aMaske_Obj_LED", QKeySequence("Ctrl+4"));
    neueAktion(aMaske_Obj_Grafik, "aMaske_Obj_Grafik");
    neueAktion(aMaske_Obj_AnalogEingang, "aMaske_Obj_AnalogEingang", QKeySequence("Ctrl+5"));
    neueAktion(aMaske_Obj_AnalogerAusgang, "aMaske_Obj_AnalogerAusgang", QKeySequence("Ctrl+6"));
    neueAktion(aMaskeAnordnenVorne, "aMaskeAnordnenVorne", QKeySequence("Ctrl+F"));
    neueAktion(aMaskeAnordnenHinten, "aMaskeAnordnenHinten", QKeySequence("Ctrl+H"));
    neueAktion(aMaskeBewegungsprofile, "aMaskeBewegungsprofile", QKeySequence("Ctrl+B"));
    neueAktion(aMaskeNotizen, "aMaskeNotizen");
    neueAktion(aExtras_BenutzerEinstellungen, "aExtras_BenutzerEinstellungen");
    neueAktion(aExtras_RavoDAVEinstellungen, "aExtras_RavoDAVEinstellungen");
    neueAktion(aHilfe_Hilfe, "aHilfe_Hilfe", QKeySequence(Qt::Key_F1));
    neueAktion(aHilfe_Info_Ueber, "aHilfe_Info_Ueber");
    neueAktion(aAnsichtMenueOnOff, "aAnsichtMenueOnOff", QKeySequence("Ctrl+Alt+M"));
    neueAktion(aAnsichtMausbuttonOnOff, "aAnsichtMausbuttonOnOff", QKeySequence("Ctrl+Alt+B"));
    for (QAction* a : {aMaske_Pfeil, aMaske_Obj_Statische_Beschriftung,
                       aMaske_Obj_Dynamische_Beschriftung, aMaske_Obj_LED, aMaske_Obj_Grafik,
                       aMaske_Obj_AnalogEingang, aMaske_Obj_AnalogerAusgang})
        a->setCheckable(true);

    neuesMenue(MenuDatei, "MenuDatei");
    MenuDatei->addActions({aDatei_Oeffnen, aDatei_Neu, aDatei_Speichern, aDatei_SpeichernUnter});
    MenuDatei->addSeparator();
    MenuDatei->addAction(aDatei_Beenden);

    neuesMenue(MenuBearbeiten, "MenuBearbeiten");
    MenuBearbeiten->addActions({aBearbeiten_Kopieren, aBearbeiten_Einfuegen, aBearbeiten_Loeschen});
    MenuBearbeiten->addSeparator();
    MenuBearbeiten->addAction(aBearbeiten_AllesMarkieren);
    MenuBearbeiten->addSeparator();
    MenuBearbeiten->addActions({aBearbeiten_Ausrichten_H, aBearbeiten_Ausrichten_V,
                                aBearbeiten_Gleicher_Abstand_H, aBearbeiten_Gleicher_Abstand_V});
    MenuBearbeiten->addSeparator();
    MenuBearbeiten->addActions({aMaskeAnordnenVorne, aMaskeAnordnenHinten});

    neuesMenue(MenuMaske, "MenuMaske");
    MenuMaske->addActions({aMaske_RUN_EDITOR, aMaske_Grunstellung});
    MenuMaske->addSeparator();
    MenuMaske->addAction(aMaske_Hintergrundbild_laden);
    MenuMaske->addSeparator();
    MenuMaske->addActions({aMaske_Pfeil, aMaske_Obj_Statische_Beschriftung,
                           aMaske_Obj_Dynamische_Beschriftung, aMaske_Obj_LED, aMaske_Obj_Grafik,
                           aMaske_Obj_AnalogEingang, aMaske_Obj_AnalogerAusgang});
    MenuMaske->addSeparator();
    MenuMaske->addActions({aMaskeBewegungsprofile, aMaskeNotizen});

    neuesMenue(MenuExtras, "MenuExtras");
    MenuExtras->addActions({aExtras_BenutzerEinstellungen, aExtras_RavoDAVEinstellungen});

    neuesMenue(MenuSprachen, "MenuSprachen");
    struct SprachEintrag {
        QAction** ppAktion;
        const char* pcName;
        const char* pcText;
        int iSprache;
    };
    const SprachEintrag Sprachen[] = {
        {&MenuSprachenDeutsch, "MenuSprachenDeutsch", "Deutsch", 1},
        {&MenuSprachenEnglish, "MenuSprachenEnglish", "English", 2},
        {&MenuSprachenPortugal, "MenuSprachenPortugal", "Português", 7},
        {&MenuSpracheItalien, "MenuSpracheItalien", "Italiano", 6},
        {&MenuSpracheFrankreich, "MenuSpracheFrankreich", "Français", 8},
        {&MenuSpracheSpanien, "MenuSpracheSpanien", "Español", 3},
        {&MenuSprachenRussian, "MenuSprachenRussian", "Russian", 5},
    };
    for (const SprachEintrag& e : Sprachen) {
        *e.ppAktion = MenuSprachen->addAction(QString::fromUtf8(e.pcText));
        (*e.ppAktion)->setObjectName(e.pcName);
        (*e.ppAktion)->setCheckable(true);
        const int iSprache = e.iSprache;
        QAction* pAktion = *e.ppAktion;
        // The click has toggled the tick already; it is put back, so that
        // the switch alone sets the ticks, and a switch that fails leaves
        // them as they were.
        connect(pAktion, &QAction::triggered, this, [this, iSprache, pAktion](bool bAngehakt) {
            pAktion->setChecked(!bAngehakt);
            SpracheUmschalten(iSprache);
        });
    }

    neuesMenue(MenuHilfe, "MenuHilfe");
    MenuHilfe->addActions({aHilfe_Hilfe, aHilfe_Info_Ueber});

    auto verbinden = [this](QAction* a, void (THauptformular::*pHandler)()) {
        connect(a, &QAction::triggered, this, pHandler);
    };
    verbinden(aDatei_Oeffnen, &THauptformular::aDatei_OeffnenExecute);
    verbinden(aDatei_Neu, &THauptformular::aDatei_NeuExecute);
    verbinden(aDatei_Speichern, &THauptformular::aDatei_SpeichernExecute);
    verbinden(aDatei_SpeichernUnter, &THauptformular::aDatei_SpeichernUnterExecute);
    verbinden(aDatei_Beenden, &THauptformular::aDatei_BeendenExecute);
    verbinden(aBearbeiten_Kopieren, &THauptformular::aBearbeiten_KopierenExecute);
    verbinden(aBearbeiten_Einfuegen, &THauptformular::aBearbeiten_EinfuegenExecute);
    verbinden(aBearbeiten_Loeschen, &THauptformular::MarkierteLoeschen);
    verbinden(aBearbeiten_AllesMarkieren, &THauptformular::AllesMarkieren);
    verbinden(aBearbeiten_Ausrichten_H, &THauptformular::AusrichtenOben);
    verbinden(aBearbeiten_Ausrichten_V, &THauptformular::AusrichtenLinks);
    verbinden(aBearbeiten_Gleicher_Abstand_V, &THauptformular::GleicherAbstandVertikal);
    verbinden(aMaskeAnordnenVorne, &THauptformular::aMaskeAnordnenVorneExecute);
    verbinden(aMaskeAnordnenHinten, &THauptformular::aMaskeAnordnenHintenExecute);
    connect(aBearbeiten_MarkierenNext, &QAction::triggered, this, [this] { MarkierenWeiter(true); });
    connect(aBearbeiten_MarkierenPrior, &QAction::triggered, this, [this] { MarkierenWeiter(false); });
    verbinden(aMaske_RUN_EDITOR, &THauptformular::aMaske_RUN_EDITORExecute);
    verbinden(aMaske_Grunstellung, &THauptformular::aMaske_GrunstellungExecute);
    verbinden(aMaske_Hintergrundbild_laden, &THauptformular::aMaske_Hintergrundbild_ladenExecute);
    verbinden(aMaske_Pfeil, &THauptformular::aMaske_PfeilExecute);
    // The insert tools: each chooses its tool and shows it.
    const std::pair<QAction*, int> Werkzeuge[] = {
        {aMaske_Obj_Statische_Beschriftung, 1}, {aMaske_Obj_Dynamische_Beschriftung, 2},
        {aMaske_Obj_LED, 3}, {aMaske_Obj_Grafik, 4}, {aMaske_Obj_AnalogEingang, 5},
        {aMaske_Obj_AnalogerAusgang, 6}};
    for (const auto& [pAktion, iNr] : Werkzeuge) {
        const int iNeu = iNr;
        connect(pAktion, &QAction::triggered, this, [this, iNeu] {
            iWerkzeug = iNeu;
            WerkzeugAnzeigen();
        });
    }
    verbinden(aMaskeBewegungsprofile, &THauptformular::aMaskeBewegungsprofileExecute);
    verbinden(aMaskeNotizen, &THauptformular::aMaskeNotizenExecute);
    verbinden(aExtras_BenutzerEinstellungen, &THauptformular::aExtras_BenutzerEinstellungenExecute);
    verbinden(aExtras_RavoDAVEinstellungen, &THauptformular::aExtras_RavoDAVEinstellungenExecute);
    verbinden(aHilfe_Hilfe, &THauptformular::aHilfe_HilfeExecute);
    verbinden(aHilfe_Info_Ueber, &THauptformular::aHilfe_Info_UeberExecute);
    verbinden(aAnsichtMenueOnOff, &THauptformular::aAnsichtMenueOnOffExecute);
    verbinden(aAnsichtMausbuttonOnOff, &THauptformular::aAnsichtMausbuttonOnOffExecute);
    MenueStilSetzen();
}

void THauptformular::WerkzeugleisteAufbauen()
{
    ToolBar1 = new QToolBar(Arbeitsflaeche);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(20, 20));
    struct Knopf {
        QToolButton** ppKnopf;
        const char* pcName;
        QAction* pAktion;
    };
    const Knopf Knoepfe[] = {
        {&MausButtonOeffnen, "MausButtonOeffnen", aDatei_Oeffnen},
        {&MausButtonNeu, "MausButtonNeu", aDatei_Neu},
        {&MausButtonBrille, "MausButtonBrille", aMaske_RUN_EDITOR},
        {&MausButtonSpeichern, "MausButtonSpeichern", aDatei_Speichern},
        {&MausButtonAnordnenV, "MausButtonAnordnenV", aBearbeiten_Ausrichten_V},
        {&MausButtonAnordnenH, "MausButtonAnordnenH", aBearbeiten_Ausrichten_H},
        {&MausButtonGleicherAbstandV, "MausButtonGleicherAbstandV", aBearbeiten_Gleicher_Abstand_V},
        {&MausButtonNachVorne, "MausButtonNachVorne", aMaskeAnordnenVorne},
        {&MausButtonNachHinten, "MausButtonNachHinten", aMaskeAnordnenHinten},
        {&MausButtonPfeil, "MausButtonPfeil", aMaske_Pfeil},
        {&MausButtonText, "MausButtonText", aMaske_Obj_Statische_Beschriftung},
        {&MausButtonDynText, "MausButtonDynText", aMaske_Obj_Dynamische_Beschriftung},
        {&MausButtonLED, "MausButtonLED", aMaske_Obj_LED},
        {&MausButtonAnalogE, "MausButtonAnalogE", aMaske_Obj_AnalogEingang},
        {&MausButtonAnalogA, "MausButtonAnalogA", aMaske_Obj_AnalogerAusgang},
    };
    int iNr = 0;
    for (const Knopf& k : Knoepfe) {
        if (iNr == 3 || iNr == 4 || iNr == 9) ToolBar1->addSeparator();
        k.pAktion->setIcon(SymbolZeichnen(iNr++));
        auto* pKnopf = new QToolButton(ToolBar1);
        pKnopf->setObjectName(k.pcName);
        pKnopf->setDefaultAction(k.pAktion);
        ToolBar1->addWidget(pKnopf);
        *k.ppKnopf = pKnopf;
    }
}

void THauptformular::SprachTexteAnwenden()
{
    // Texte: 1143, 1266-1298, 1301-1303, 1364
    struct Beschriftung {
        QAction* pAktion;
        unsigned long ulText;
    };
    const Beschriftung Aktionen[] = {
        {aDatei_Oeffnen, 1271}, {aDatei_Neu, 1272}, {aDatei_Speichern, 1273},
        {aDatei_SpeichernUnter, 1274}, {aDatei_Beenden, 1275}, {aBearbeiten_Kopieren, 1276},
        {aBearbeiten_Einfuegen, 1277}, {aBearbeiten_Loeschen, 1278},
        {aBearbeiten_Ausrichten_H, 1279}, {aBearbeiten_Ausrichten_V, 1280},
        {aBearbeiten_Gleicher_Abstand_H, 1281}, {aBearbeiten_Gleicher_Abstand_V, 1282},
        {aBearbeiten_AllesMarkieren, 1283}, {aMaske_RUN_EDITOR, 1284}, {aMaske_Grunstellung, 1285},
        {aMaske_Hintergrundbild_laden, 1286}, {aMaske_Pfeil, 1287},
        {aMaske_Obj_Statische_Beschriftung, 1288}, {aMaske_Obj_Dynamische_Beschriftung, 1289},
        {aMaske_Obj_LED, 1290}, {aMaske_Obj_Grafik, 1291}, {aMaske_Obj_AnalogEingang, 1292},
        {aMaske_Obj_AnalogerAusgang, 1293}, {aMaskeBewegungsprofile, 1294},
        {aExtras_BenutzerEinstellungen, 1295}, {aExtras_RavoDAVEinstellungen, 1296},
        {aHilfe_Hilfe, 1297}, {aHilfe_Info_Ueber, 1298}, {aMaskeAnordnenVorne, 1301},
        {aMaskeAnordnenHinten, 1302}, {aMaskeNotizen, 1303}, {PopUpBeschriftung, 1266},
    };
    for (const Beschriftung& b : Aktionen)
        if (b.pAktion) b.pAktion->setText(Text(b.ulText));
    const std::pair<QMenu*, unsigned long> Menues[] = {
        {MenuDatei, 1267}, {MenuBearbeiten, 1143}, {MenuMaske, 1268},
        {MenuExtras, 1269}, {MenuHilfe, 1270},   {MenuSprachen, 1364}};
    for (const auto& [pMenue, ulText] : Menues)
        if (pMenue) pMenue->setTitle(Text(ulText));
    // Reached only by their shortcuts: their own names in every language.
    for (QAction* a : {aBearbeiten_MarkierenNext, aBearbeiten_MarkierenPrior, aAnsichtMenueOnOff,
                       aAnsichtMausbuttonOnOff})
        a->setText(a->objectName());

    // Tool-button hints: the action's caption; the Open button's hint names
    // its keys in English outside German.
    const bool bNichtDeutsch = SPR_GetTextSprache() != 1;
    for (QToolButton* k : ToolBar1->findChildren<QToolButton*>()) {
        if (!k->defaultAction()) continue;
        std::string sHinweis = k->defaultAction()->text().remove('&').toStdString();
        if (k == MausButtonOeffnen && bNichtDeutsch) {
            const std::size_t nLeer = sHinweis.find(' ', 1);
            if (nLeer != std::string::npos) {
                std::string sRest = sHinweis.substr(nLeer);
                ShortcutNamenUebersetzen(sRest, "Strg", "Ctrl");
                ShortcutNamenUebersetzen(sRest, "Einfg", "Ins");
                ShortcutNamenUebersetzen(sRest, "Entf", "Del");
                sHinweis = sHinweis.substr(0, nLeer) + sRest;
            }
        }
        // On the action too: the button takes the action's hint again
        // whenever the action changes (enabled, checked).
        k->defaultAction()->setToolTip(QString::fromStdString(sHinweis));
        k->setToolTip(QString::fromStdString(sHinweis));
    }
    const std::string sFilter = SPR_StrS7App(1365);
    OpenDialog->Filter = sFilter;
    SaveDialogMaske->Filter = sFilter;
    D7ED_SetEnglishLanguage(bNichtDeutsch);
}
