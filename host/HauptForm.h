// The main window of Veltrano: menus, tool bar, the own status bar, the
// 200 ms timer, the panel area with its objects, and the RUN/EDITOR mode.
//
// Several people work on this class. Each area has its own section below;
// add the members of your area inside your section and implement them in
// your own HauptForm_*.cpp unit.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "BildBibliothek.h"
#include "FormDialoge.h"
#include "MaskenUmgebung.h"
#include "SPSTyp.h"

class QAction;
class QEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QPainter;
class QTimer;
class QToolBar;
class QToolButton;
class QWidget;
class QCloseEvent;
class QPaintEvent;
class QResizeEvent;
class QImage;
class QKeyEvent;
class QRubberBand;

class TMyObj;
class EAThread;
struct BewegungsOperand;
struct TMaskenKopf;

inline constexpr int iMaxObjekte = 500;
inline constexpr int iMaxStatusPanels = 10;
inline constexpr int iMaxStatusText = 302;

// One field of the own status bar.
struct StatusPanelEintrag {
    int32_t iLinks = 0;
    int32_t iOben = 0;
    int32_t iRechts = 0;
    int32_t iUnten = 0;
    char cText[iMaxStatusText + 1] = {};   // at most 302 characters
    int32_t iBreite = 0;                   // the sample's, or the widest text's shown
    int32_t iMusterBreite = 0;             // fixed when the field is added
};

class THauptformular : public QMainWindow, public TMaskenUmgebung {
    Q_OBJECT

public:
    explicit THauptformular(QWidget* pOwner = nullptr);
    ~THauptformular() override;

    // ===================================================================
    // What the panel's objects and dialogs reach (TMaskenUmgebung)
    // ===================================================================
    QWidget* pFenster() override { return this; }
    QWidget* pArbeitsflaeche() override { return Arbeitsflaeche; }
    bool bImEditorModus() const override { return bEditorModus; }
    int32_t iNeueLEDGroesse() const override { return iLEDGroesse; }
    int32_t iObjektAnzahl() const override { return iAnzahlObjekte; }
    TMyObj* pObjektNr(int32_t i) const override { return Objekte[i]; }
    TMyObj* pGetAktivesObjekt() const override { return pAktivesObjekt; }
    void SetAktivesObjekt(TMyObj* pObj) override { pAktivesObjekt = pObj; }
    bool bZiehenLaeuft() const override { return bZiehen; }
    void SetZiehen(bool b) override { bZiehen = b; }
    void SetLetzteCursorPos(const QPoint& pt) override { ptLetzteCursorPos = pt; }
    TFarbDialog* pFarbDialog() override { return ColorDialog; }
    TDateiDialog* pBildDateiDialog() override { return OpenPictureDialog; }

    // ===================================================================
    // Start-up and main window
    // ===================================================================
    TMyObj* Objekte[iMaxObjekte];     // drawing order: index 0 first
    int32_t iAnzahlObjekte = 0;
    TMyObj* Markierte[iMaxObjekte];   // the selected objects
    int32_t iAnzahlMarkierte = 0;
    bool bEditorModus = true;         // true EDITOR, false RUN
    int32_t iWerkzeug = 0;            // current insert tool
    TMyObj* pAktivesObjekt = nullptr; // object under the pressed mouse button
    bool bZiehen = false;             // a drag of pAktivesObjekt is under way
    int32_t iLEDGroesse = 12;         // size of a new LED object
    bool bMaskeGeaendert = false;     // only through SetMaskeGeaendert
    // The panel file that was loaded without all its objects (over the
    // limit) and how many it holds beyond them: Save over it is refused,
    // as it would shrink the file. "" when the shown panel loaded whole.
    std::string sNichtGanzGeladen;
    int32_t iNichtGeladeneObjekte = 0;
    bool BausteineRestaurieren = true;
    bool bErstesZeichnen = true;      // first-paint work still to come
    // FormCreate has run. The window is shown before it, and a box that
    // FormCreate shows runs the event loop: the first-paint work (and with
    // it the delayed start that reopens the last panel) waits for this, so
    // that FormCreate's default background cannot replace what it opened.
    bool bFormCreateGelaufen = false;
    bool bZeichnenGesperrt = false;   // FormPaint does nothing while set
    uint32_t dwSchliessZeitpunkt = 0; // close requested in RUN; 0 = none
    EAThread* pEAThread = nullptr;
    int32_t iZykluszeit = 0;
    uint32_t dwLetzterEngineSchritt = 0;
    std::string cHintergrundDatei;    // full path of the background; "" none
    SPSTypDaten SPSTyp;               // the chosen CPU type's data
    BildEintrag* Bilder[iMaxBilder];  // picture library, owned
    int32_t iAnzahlBilder = 0;
    uint32_t uiVoreinstellMeldung = 0;
    int32_t iVoreinstellStarts = 0;

    TFarbDialog* ColorDialog = nullptr;
    TDateiDialog* OpenPictureDialog = nullptr;
    TDateiDialog* OpenDialog = nullptr;
    TDateiDialog* SaveDialogMaske = nullptr;

    // Widgets. Arbeitsflaeche is the form's client area below the menu:
    // the tool bar lies at its top, the status panel at its bottom, and
    // the panel objects are its children in its coordinates.
    QMenuBar* MainMenu1 = nullptr;
    QWidget* Arbeitsflaeche = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* MenuDatei = nullptr;
    QMenu* MenuBearbeiten = nullptr;
    QMenu* MenuMaske = nullptr;
    QMenu* MenuExtras = nullptr;
    QMenu* MenuHilfe = nullptr;
    QMenu* MenuSprachen = nullptr;
    QMenu* PopupMenu1 = nullptr;        // popup of the panel area
    QAction* PopUpBeschriftung = nullptr;

    QAction* aDatei_Oeffnen = nullptr;
    QAction* aDatei_Neu = nullptr;
    QAction* aDatei_Speichern = nullptr;
    QAction* aDatei_SpeichernUnter = nullptr;
    QAction* aDatei_Beenden = nullptr;
    QAction* aBearbeiten_Kopieren = nullptr;
    QAction* aBearbeiten_Einfuegen = nullptr;
    QAction* aBearbeiten_Loeschen = nullptr;
    QAction* aBearbeiten_Ausrichten_H = nullptr;
    QAction* aBearbeiten_Ausrichten_V = nullptr;
    QAction* aBearbeiten_Gleicher_Abstand_H = nullptr;
    QAction* aBearbeiten_Gleicher_Abstand_V = nullptr;
    QAction* aBearbeiten_AllesMarkieren = nullptr;
    QAction* aBearbeiten_MarkierenNext = nullptr;
    QAction* aBearbeiten_MarkierenPrior = nullptr;
    QAction* aMaske_RUN_EDITOR = nullptr;
    QAction* aMaske_Grunstellung = nullptr;
    QAction* aMaske_Hintergrundbild_laden = nullptr;
    QAction* aMaske_Pfeil = nullptr;
    QAction* aMaske_Obj_Statische_Beschriftung = nullptr;
    QAction* aMaske_Obj_Dynamische_Beschriftung = nullptr;
    QAction* aMaske_Obj_LED = nullptr;
    QAction* aMaske_Obj_Grafik = nullptr;
    QAction* aMaske_Obj_AnalogEingang = nullptr;
    QAction* aMaske_Obj_AnalogerAusgang = nullptr;
    QAction* aMaskeAnordnenVorne = nullptr;
    QAction* aMaskeAnordnenHinten = nullptr;
    QAction* aMaskeBewegungsprofile = nullptr;
    QAction* aMaskeNotizen = nullptr;
    QAction* aMaskeSPSTyp = nullptr;
    QAction* aExtras_BenutzerEinstellungen = nullptr;
    QAction* aExtras_RavoDAVEinstellungen = nullptr;
    QAction* aHilfe_Hilfe = nullptr;
    QAction* aHilfe_Info_Ueber = nullptr;
    QAction* aAnsichtMenueOnOff = nullptr;
    QAction* aAnsichtMausbuttonOnOff = nullptr;

    QAction* MenuSprachenDeutsch = nullptr;
    QAction* MenuSprachenEnglish = nullptr;
    QAction* MenuSprachenPortugal = nullptr;
    QAction* MenuSpracheItalien = nullptr;
    QAction* MenuSpracheFrankreich = nullptr;
    QAction* MenuSpracheSpanien = nullptr;
    QAction* MenuSprachenRussian = nullptr;

    QToolButton* MausButtonOeffnen = nullptr;
    QToolButton* MausButtonNeu = nullptr;
    QToolButton* MausButtonBrille = nullptr;
    QToolButton* MausButtonSpeichern = nullptr;
    QToolButton* MausButtonAnordnenV = nullptr;
    QToolButton* MausButtonAnordnenH = nullptr;
    QToolButton* MausButtonGleicherAbstandV = nullptr;
    QToolButton* MausButtonNachVorne = nullptr;
    QToolButton* MausButtonNachHinten = nullptr;
    QToolButton* MausButtonPfeil = nullptr;
    QToolButton* MausButtonText = nullptr;
    QToolButton* MausButtonDynText = nullptr;
    QToolButton* MausButtonLED = nullptr;
    QToolButton* MausButtonAnalogE = nullptr;
    QToolButton* MausButtonAnalogA = nullptr;

    void FormCreate();
    // Paint of the panel area: background and objects. The first paint
    // queues the start-up work (ErstesZeichnenArbeit) behind itself.
    void FormPaint(QPainter& Canvas);
    // bSchliessen false refuses the close.
    void FormClose(bool& bSchliessen);
    void Timer1Timer();
    // The work of the first paint: TIA test, thread, projects folder,
    // port 102, measuring ranges.
    void ErstesZeichnenArbeit();
    // Draws the background picture at its place (below the tool bar).
    void HintergrundZeichnen(QPainter& Canvas);
    // Language texts onto menus, actions and tool-button hints.
    void SprachTexteAnwenden();
    void aDatei_BeendenExecute();

    // ===================================================================
    // Status bar
    // ===================================================================
    QWidget* StatusPanel = nullptr;       // 22 pixels, at the bottom
    QWidget* StatusBarPaintBox = nullptr; // fills StatusPanel
    StatusPanelEintrag StatusPanels[iMaxStatusPanels];
    int32_t iAnzahlStatusPanels = 0;
    int32_t iPanelGeaendert = 0;
    int32_t iPanelZykluszeit = 0;
    int32_t iPanelModus = 0;
    int32_t iPanelWerkzeug = 0;
    int32_t iPanelMeldung = 0;

    int StatusPanelHinzufuegen(int iUnbenutzt, int iStandardBreite, const char* pcMuster);
    void StatusTextSetzen(int iIndex, const char* pcText);
    void StatusPanelZeichnen(int iIndex);
    void StatusPanelZeichnen(QPainter& Canvas, int iIndex);
    void StatusBarPaintBoxPaint();
    void StatusPanelResize();
    void StatusPanelsAnordnen();

    // ===================================================================
    // Cycle and mode
    // ===================================================================
    uint16_t wSchrittZaehler = 0;        // every cycle step, both modes
    uint32_t dwEndeLetzterSchritt = 0;   // 0 before the first step
    uint32_t dwLetzteAnzeige = 0;        // last cycle-time display
    bool bLetzterTickEditor = true;      // mode of the previous timer tick
    int32_t iGezeigteObjektAnzahl = 0;   // count shown last in the mode field
    // Blink phase of the selection frames (0 or 1); flipped by every timer
    // tick, read by MarkierungBlinken.
    int32_t iBlinkPhase = 0;

    Q_INVOKABLE void SPSZyklusSchritt();
    bool EAThreadStoppen();
    void EAThreadLoeschen();
    void aMaske_RUN_EDITORExecute();
    void ModusAnzeigen();
    bool bObjekteRUNInit();
    void aMaske_GrunstellungExecute();

    // ===================================================================
    // Panel file and project folder
    // ===================================================================
    void SetMaskeGeaendert(bool bGeaendert) override;
    void TitelAktualisieren();
    bool bMaskeLesen(const std::string& cPfad);
    bool bMaskeSchreiben(const std::string& cPfad);
    void MaskeLoeschen();
    bool bAenderungenSpeichernAbfrage(bool& bAbbruch);
    bool bObjekteLesen(const std::string& cPfad, std::FILE* pDatei, bool bEinfuegen);
    bool bObjekteSchreiben(const std::string& cPfad, std::FILE* pDatei, bool bNurMarkierte);
    void aDatei_OeffnenExecute();
    void aDatei_NeuExecute();
    void aDatei_SpeichernExecute();
    void aDatei_SpeichernUnterExecute();
    void aBearbeiten_KopierenExecute();
    void aBearbeiten_EinfuegenExecute();
    // Block dump to the project's "Startup.wld". False when the user
    // cancelled it: what asked for the dump does not happen either.
    bool StartupWldSchreiben();
    // Before another panel is opened or a new one made: the engine's blocks
    // go into the open project's dump where they differ from what a load of
    // it leaves. False as above.
    bool BausteineVorMaskenwechselSichern();

    // ===================================================================
    // Picture library and background
    // ===================================================================
    QImage* Image300CPU = nullptr;     // the background picture
    QLabel* lBlanc_Hinweis = nullptr;  // hint below the default picture

    QImage* pGetBildVonDatei(const std::string& cPfad) override;
    QImage* pGetBildVonName(const std::string& cName);
    void BilderFreigeben();
    bool bDateiImMaskenordner(const std::string& cName, std::string& cPfad) override;
    void StandardHintergrundLaden();
    void aMaske_Hintergrundbild_ladenExecute();
    // Loads a picture file into the background image (created on first
    // use); false when it cannot be read, the image is then empty.
    bool HintergrundbildLaden(const std::string& sPfad);

    // ===================================================================
    // PLC type files
    // ===================================================================
    bool bSPSTypUebernehmen();

    // ===================================================================
    // Registry, ini file and command line
    // ===================================================================

    // ===================================================================
    // Help, notes and general dialogs
    // ===================================================================
    void aHilfe_HilfeExecute();
    void aHilfe_Info_UeberExecute();
    void aMaskeNotizenExecute();
    void aExtras_BenutzerEinstellungenExecute();
    void aExtras_RavoDAVEinstellungenExecute();
    // The application-wide message hook (window messages of other programs).
    void ApplicationEvents1Message(uint32_t uiMeldung, bool& bBehandelt);
    void ApplicationEvents1Hint();

    // ===================================================================
    // Language switching and menus
    // ===================================================================
    void SpracheUmschalten(int iSprache);
    // The menus draw their shortcuts with the key names of the text language.
    void MenueStilSetzen();
    void aAnsichtMenueOnOffExecute();
    void aAnsichtMausbuttonOnOffExecute();

    // ===================================================================
    // Panel objects: painting, selection, editing, motion
    // ===================================================================
    // The editor's working fields.
    QPoint ptMausDown;            // left button down on the background; (0,0) none
    QRect rcGummiband;            // rubber band shown last; null = none
    QPoint ptLetzteCursorPos;     // screen position at the last drag step
    bool bStrgGedrueckt = false;  // the Ctrl key is held
    QRubberBand* Gummiband = nullptr;
    QObject* pTastenFilter = nullptr;   // keys anywhere in the window to the panel
    // Rubber band and key path; called once by the constructor.
    void EditorEinrichten();
    // Mouse events of the panel area's background; true when handled.
    bool bHintergrundMaus(QEvent* pEreignis);

    void WerkzeugAnzeigen();
    int32_t WerkzeugleistenHoehe();
    void ClientBereichHolen(int32_t& iRechts, int32_t& iUnten);
    // Called from within the paint of the panel area: update(), not repaint().
    void ObjekteNeuZeichnen();
    // Draws the selection frames in the phase iBlinkPhase (the timer flips it).
    void MarkierungBlinken();
    void MarkierungAufheben() override;
    // Appends the object to the selection; true when it was selected before.
    bool ObjektMarkieren(TMyObj* pObj) override;
    bool bIstMarkiert(TMyObj* pObj);
    int32_t iObjektIndex(TMyObj* pObj);
    void AllesMarkieren();
    void MarkierenWeiter(bool bVorwaerts);
    void MarkierteLoeschen();
    void ObjektlisteVerdichten();
    void ObjekteImRechteckMarkieren(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void AuswahlVerschieben() override;
    void AusrichtenLinks();
    void AusrichtenOben();
    void GleicherAbstandVertikal();
    int32_t ObjektEigenschaftenDialog(TMyObj* pObj, bool bNeu) override;
    // Mouse on the panel area's background (its coordinates) and the keys.
    void FormMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y,
                       bool bDoppelklick);
    void FormMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y) override;
    void FormMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormClick();
    void FormKeyDown(int iTaste, Qt::KeyboardModifiers Shift);
    void FormKeyUp(int iTaste);
    // bWiederholung: the auto-repeat of a held key, which steps the marked
    // analog input but reaches no hot key.
    void FormKeyPress(unsigned char ucZeichen, bool bWiederholung = false);
    // A key press anywhere in the window; true when the panel used it up.
    bool bTasteVerarbeiten(const QKeyEvent* pTaste);
    // Moves the objects by one offset, cut per axis to what the most
    // limited of them can take inside the panel area and below the tool
    // bar, so that they keep their places to one another; true when they
    // moved.
    bool VerschiebenImBereich(const std::vector<TMyObj*>& Auswahl, int32_t iDx, int32_t iDy);
    // The selected objects that still belong to the panel, each once.
    std::vector<TMyObj*> GueltigeMarkierte();
    // Insertion with the current tool into the dragged rectangle: the
    // prototype, its property dialog, then the copies.
    void ObjekteEinfuegen(int32_t x0, int32_t y0, int32_t X, int32_t Y);
    // The copies of a prototype whose dialog was confirmed: a column inside
    // the rectangle, addresses counted up, all selected. Returns how many
    // were made.
    int32_t KopienEinfuegen(const TMyObj* pPrototyp, int32_t x0, int32_t y0, int32_t X, int32_t Y);
    void aMaske_PfeilExecute();
    void aMaskeAnordnenVorneExecute();
    void aMaskeAnordnenHintenExecute();
    void aMaskeBewegungsprofileExecute();
    void BewegungsprofileAusfuehren();
    void BewegungsprofileStarten();
    void BewegungsprofileZuruecksetzen();
    bool BewegungsBitPruefen(int32_t& iKoordinate, const BewegungsOperand* pOperand,
                             int32_t iSchritt);
    // Motion: the sensors (clickable LEDs) gathered at the switch to RUN,
    // the objects that act on them in the current step, and the steps
    // since the switch to RUN.
    TMyObj* Sensoren[iMaxObjekte];
    int32_t iAnzahlSensoren = 0;
    TMyObj* Bewegte[iMaxObjekte];
    int32_t iAnzahlBewegte = 0;
    int32_t iBewegungsSchritt = 0;

protected:
    bool eventFilter(QObject* pObjekt, QEvent* pEreignis) override;
    void closeEvent(QCloseEvent* pEreignis) override;

private:
    QRect* pStatusZeichenBereich = nullptr;   // region of the running status-bar paint
    void MenuesAufbauen();
    void WerkzeugleisteAufbauen();
    void ArbeitsflaecheAnordnen();
    // What bMaskeLesen takes from the header right after reading the file:
    // motion table, block-dump flag, CPU type, background picture.
    void MaskenKopfAnwenden(const TMaskenKopf& kopf);
    // Writes the block dump; bNurWennAnders: only where the engine's blocks
    // differ from what a load of the file leaves. False when the user
    // cancelled it.
    bool DumpSchreiben(bool bNurWennAnders);
    // Before New: that dump, then the engine is emptied for the new project.
    bool BausteineFuerNeueMaskeAbgeben();
    // At the opening of an accepted panel: the engine is emptied and takes
    // the project's own "Startup.wld" where the panel restores its blocks;
    // a refused file is told in one box.
    void ProjektBausteineLaden();
    // The engine holds only the part of the project's dump that a load cut
    // short took: a dump then replaces the file only when the user agrees.
    bool bTeilDumpImEngine() const;
    bool bDumpTeilweiseGeladen = false;
    unsigned uDumpTeilweiseStand = 0;   // uBausteinErsetzungen() after that load
    // The background name as the panel file gave it ("$FileBack="), found
    // or not; Save writes it back unchanged until another one is chosen.
    std::string sGelesenerHintergrund;
    // Places the hint below the default picture (while it shows) for the
    // window's size and the current language.
    void HinweisAnordnen();
    // One box after an open that lists the pictures the panel names (the
    // background and the LED pictures in use) that are not in the project
    // folder or cannot be decoded; nothing when every one shows.
    void FehlendeBilderMelden(const std::string& cMaskenPfad);
    // Ticks the item of the loaded text language and sets the mnemonics and
    // Qt's own texts to it (start and every switch).
    void SprachStandAbgleichen();
};

extern THauptformular* Hauptformular;

// Replaces the first occurrence of pcAlt in pcText by pcNeu, in place; the
// text must have room for the longer result.
void ShortcutNamenUebersetzen(char* pcText, const char* pcAlt, const char* pcNeu);
void ShortcutNamenUebersetzen(std::string& sText, const char* pcAlt, const char* pcNeu);
