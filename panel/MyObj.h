// One element of the panel: static text, dynamic value text, LED (lamp,
// switch or picture pair), analog input or analog output.
//
// The main window creates and owns the objects (up to 500, array order is
// drawing order). Each object is a child widget of the main window without
// a native window of its own. The fields that the object's text line carries
// bear the line key's name without the dollar sign ($Adr -> Adr).
//
// Painting: Zeichnen() works out what the object would show now (engine
// value, texts, mode) and asks Qt to paint only when that differs from what
// was drawn last; paintEvent then draws from the object's state. So the
// cycle step can call Zeichnen() for hundreds of objects every few
// milliseconds at the cost of a comparison when nothing changed.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class QImage;
class QMouseEvent;
class QPainter;
struct Messbereich;

// Object kinds ($Obj); the editor's insert tool uses the same numbers, 0
// being the arrow tool.
enum : int32_t {
    Statische_Beschriftung = 1,
    Dynamische_Beschriftung = 2,
    LED = 3,
    Grafik = 4,
    AnalogEingang = 5,
    AnalogerAusgang = 6,
};

// Display formats ($Darstellung).
enum : int32_t {
    DARSTELLUNG_DECIMAL = 0,
    DARSTELLUNG_DECIMAL_SIGNED = 1,
    DARSTELLUNG_HEX = 2,
    DARSTELLUNG_DUAL = 3,
    DARSTELLUNG_REAL = 4,
};

// The copied field block of an object: from Clickable to AdresseErhoehen.
// The property-copy operations of the insertion copy it as a whole from a
// prototype; the constructor clears it. Colours are 0x00BBGGRR.
struct TMyObjFelder {
    bool Clickable = false;       // RUN click acts; hand cursor
    bool Transparent = false;     // static text: no background
    bool BoolText = false;        // dynamic text: Text1 / Text0 by value
    bool GrafikAkt = false;       // LED: pictures instead of rectangles
    bool GrafikAbs = false;       // LED: always picture 1
    char Op = 0;                  // 'E'/'I', 'A'/'Q', 'M', 'D', 'P'
    bool Grundstellung = false;   // basic position of an input bit
    bool HotKeyAktiv = false;
    uint8_t HotKey = 0;           // character code of the hot key
    int32_t MoveNr = -1;          // motion profile 0..29, below 0 none
    bool MoveAktiv = false;
    bool MitOpAnzeigen = false;   // dynamic text: "operand=" prefix
    bool Taster = false;          // hot key acts as push button
    uint16_t DBNR = 0;
    uint16_t Adr = 0;
    uint16_t Bit = 0;
    int32_t x = 0, y = 0, w = 0, h = 0;   // design position and size
    int32_t Variable = 0;         // system variable id, 0 = operand
    int32_t Darstellung = 0;      // display format
    int32_t OpGroesse = 0;        // 0 bit, 1 byte, 2 word, 4 double word
    int32_t Obj = 0;              // kind
    std::string Grafik1;          // LED: "on" picture (file name)
    std::string Grafik0;          // LED: "off" picture
    std::string Text1;            // dynamic text for a non-zero value
    std::string Text0;            // key $Text0, for static texts $Text
    int32_t ColorLo = 0;          // key $ColorLo, for static texts $ColorT
    int32_t ColorHi = 0xC0C0C0;   // key $ColorHi, for static texts $ColorH
    int32_t Aufl = 0;             // analog resolution in bits (carried)
    int32_t Messb = 0;            // analog measuring range index
    char Ausrichtung = 0;         // bar direction 'o', 'u', 'r', 'l'
    bool AdrAnzeigen = false;
    bool IstwertAnzeigen = false;
    float DefaultE = 0.0f;        // analog input basic value
    int32_t Anzahl = 0;           // copies to insert (not in the line)
    bool AdresseErhoehen = false; // copies get counted addresses

    bool operator==(const TMyObjFelder&) const = default;
};

// Positions and sizes read from a file are held to what a 16-bit screen
// coordinate holds, so that no widget arithmetic (x + width) can overflow.
inline constexpr int32_t iKoordinateMin = -32768;
inline constexpr int32_t iKoordinateMax = 32767;

// True for a name holding a "$" with a "=" after it: a line of the panel
// file finds its keys ("$key=") anywhere, so such a name can read back as
// a key of its own.
bool bSchluesselImNamen(const std::string& sName);
// True for a picture name an object line can carry: the line's values run
// to the next "," and its keys are found anywhere, so a name holding ","
// or "$key=" would change the line's meaning when read back.
bool bBildNameZulaessig(const std::string& sName);

class TMyObj : public QWidget, public TMyObjFelder {
public:
    // The design names, not QWidget's x()/y(): x, y, w, h are the design
    // position. The shown position is Left(), Top(), Width(), Height().
    using TMyObjFelder::x;
    using TMyObjFelder::y;
    using TMyObjFelder::w;
    using TMyObjFelder::h;

    // pBesitzer is the main window (any widget in tests); kind and the
    // rectangle as the caller has it; see the constructor rules in MyObj.cpp.
    TMyObj(QWidget* pBesitzer, int32_t iArt, int32_t iLeft, int32_t iTop, int32_t iWidth,
           int32_t iHeight);
    ~TMyObj() override;

    // The control's own position (where it is shown).
    int Left() const { return QWidget::x(); }
    int Top() const { return QWidget::y(); }
    int Width() const { return QWidget::width(); }
    int Height() const { return QWidget::height(); }

    // Design value and control value.
    void SetLeft(int32_t iWert);
    void SetTop(int32_t iWert);
    void SetWidth(int32_t iWert);
    void SetHeight(int32_t iWert);
    void PosVerschiebenAbs(int32_t iX, int32_t iY);
    // Move by an offset from the control's current position (each axis only
    // when it stays at 0 or more); stamps dwVerschiebeZeit.
    void PosVerschiebenOfs(int32_t iDx, int32_t iDy);

    // Property copies into a newly created copy during insertion.
    void SetEigenschaftenStaticText(const std::string& sText, int32_t iColorT, int32_t iColorH,
                                    bool bTransparent);
    void SetEigenschaftenDynamischerText(const TMyObj* pPrototyp, int32_t iAdr, int32_t iBit);
    void SetEigenschaftenLED(const TMyObj* pPrototyp, int32_t iAdr, int32_t iBit);
    void SetEigenschaftenAnalogEA(const TMyObj* pPrototyp);

    bool bObjRUN_Init();

    // The object's text line; empty (after an error box) for a kind that has
    // no line.
    std::string pcGetINIString() const;
    // Sets the object from a text line. False for a line without "$Obj="
    // (object unchanged) and for an unknown kind (error box). A character
    // field that is not ASCII and a picture name the line cannot carry are
    // dropped and counted in iVerworfeneFelder, for the reader's one note.
    bool bINIStringAuswerten(const std::string& sZeile);
    int iVerworfeneFelder = 0;

    // Operations the design keeps without effect.
    void BeschriftungZeichnen() {}
    void SetOnOff() {}
    void StatusViaByteArrayAktualisieren() {}
    void ObjSTOP_Init() {}
    void Paint_Grafik() {}
    bool bGetOnOff() const { return true; }

    // --- Operand access ------------------------------------------------
    // Current value: the system variable's when Variable is set, else the
    // operand's (bit operands 0 or 1).
    uint32_t dwGetWertVonObj() const;
    // 1, 2 or 4 bytes big-endian from pBereich + iAdr, or from data block
    // iDBNR when bDB is set (pBereich unused then). Any other size: 0.
    static uint32_t dwGetWertVonOperand(const uint8_t* pBereich, uint32_t iAdr, int32_t iGroesse,
                                        bool bDB, uint32_t iDBNR);
    // Writes the value into the operand with the operand's size.
    void WertSteuern(int32_t iWert);
    // Operand text in the current mnemonic language ("E10.3", "DB5.DBW10").
    std::string pcGetOperandStr() const;
    // Input objects to their basic position.
    void E_Grundstellung();

    // --- Painting ------------------------------------------------------
    // Paints the object now when anything it shows changed since the last
    // paint, and runs the push-button release in any case. A pending
    // selection frame goes with the repaint, as a full repaint paints over
    // it; bRahmenEntfernen false keeps an unchanged object's frame (the
    // repaint of the whole panel, which runs inside the panel's own paint).
    void Zeichnen(bool bRahmenEntfernen = true);
    // Painting body: by kind, onto p (object coordinates).
    void MyOnPaint(QPainter& p);
    void Paint_StaticText(QPainter& p);
    void Paint_DynamicText(QPainter& p);
    void Paint_LED(QPainter& p);
    void Paint_Analog(QPainter& p);
    // The texts an analog object draws: its value for the raw word (with
    // the decimals and unit of its range) and its address, long (with the
    // range's name) or short. Empty when the object has no range.
    std::string AnalogWertText(int32_t iRoh) const;
    std::string AnalogAdrText(bool bLang) const;
    // Display text of a dynamic text for a value. With Variable 12, 13 or 8
    // the variable's text; another variable gives the current Text0.
    std::string pcGetDynamicText(uint32_t dwWert) const;
    // Selection frame in that colour (shown until the next full paint).
    void UmrandungZeichnen(int32_t iFarbe);

    // --- Analog scaling ------------------------------------------------
    // The object's range: input table for 'E'/'I', output table for
    // 'A'/'Q', entry Messb; null when the letter has none or Messb is not a
    // valid entry of that table.
    const Messbereich* pGetMessbereich() const;
    bool GetAnalogWertVonStatus(float& fWert, int32_t iRoh) const;
    bool GetStatusVonAnalogWert(float& fRoh, float fWert) const;
    void AnalogwertEinstellenPixel(int32_t iPixel, int32_t iLaenge);
    bool bAnalogWertGeaendert();

    // --- Mouse and keys ------------------------------------------------
    // X, Y in the object's coordinates. bDoppelklick: the second press of a
    // double click.
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y,
                   bool bDoppelklick = false);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void ClickOnLED();
    // Hot keys act per input bit: one typed key reaches every object of
    // pObjekte answering it, and each bit they name answers once. A switch
    // inverts the bit (one switch among push buttons on the bit decides). A
    // push button inverts a bit no push button holds and notes its state
    // before; a press on a held bit only keeps it pressed for 100 ms from
    // this press. The bit goes back to the noted state when the last
    // object holding it is released.
    static void HotKeyVerteilen(TMyObj* const* pObjekte, int32_t iAnzahl, unsigned char ucKey);
    bool bAntwortetAufHotKey(unsigned char ucKey) const;
    // The key for this object alone; bLoslassen: its push-button release.
    void SendHotKey(unsigned char ucKey, bool bLoslassen);
    // Push-button release more than 100 ms after the press.
    void HotKeysPruefen();
    // A pending push-button release happens now (mode switch, deletion), so
    // that no input stays pressed.
    void TasterSofortLoslassen();
    // RUN click on a clickable dynamic text: asks for a new value.
    void WertAbfragen();
    // EDITOR mode, an object with resize edges, and no offset move in the
    // last 500 ms: the edges offer their resize cursors.
    bool bRandZeigerMoeglich() const;
    void SetAnalogWertMousePos(int X, int Y);
    void AnalogE_FuerManipulationKennzeichnen();
    void AnalogEingangPlusMinus(char cZeichen, int32_t iSchritt);

    // --- Transient state (never stored) --------------------------------
    bool bMausGedrueckt = false;
    const QImage* pBild0 = nullptr;   // LED "off" picture, not owned
    const QImage* pBild1 = nullptr;   // LED "on" picture, not owned
    bool bAnalogMarkiert = false;
    uint32_t dwVerschiebeZeit = 0;
    // Resize cursor of the edge zone the button went down in (the arrow when
    // the press was elsewhere): only such a press may become a resize.
    Qt::CursorShape GriffZeiger = Qt::ArrowCursor;
    int16_t sLetzterAnalogwert = 0;
    uint8_t* pSensorByte = nullptr;   // motion-profile sensor state
    bool bVerdeckt = false;
    bool bSensorAktiv = false;
    uint32_t dwHotKeyZeit = 0;
    // The input bit (byte * 8 + bit) this push button holds pressed, -1 none.
    int32_t iGehaltenesBit = -1;

    // Mode when no main window exists (tests, tools): EDITOR when true.
    static bool bEditorModusOhneHauptformular;
    // EDITOR mode of the panel now.
    static bool bEditorModusAktiv();

protected:
    void paintEvent(QPaintEvent* pEreignis) override;
    void mousePressEvent(QMouseEvent* pEreignis) override;
    void mouseDoubleClickEvent(QMouseEvent* pEreignis) override;
    void mouseReleaseEvent(QMouseEvent* pEreignis) override;
    void mouseMoveEvent(QMouseEvent* pEreignis) override;

private:
    // The engine-dependent part of what the object shows. Together with the
    // fields and the mode it decides whether a repaint is needed.
    struct TAnzeigeWerte {
        bool bEditor = false;
        bool bEin = false;             // LED state, BoolText value
        uint16_t wRoh = 0;             // analog word
        char cSpracheE = 0, cSpracheA = 0;
        const QImage* pBild0 = nullptr;
        const QImage* pBild1 = nullptr;
        bool bAnalogMarkiert = false;
        bool operator==(const TAnzeigeWerte&) const = default;
    };
    // The state the object would show now. A dynamic text formats its
    // value text into Text0 here (true: it did, fields may have changed),
    // unless bFelderUnveraendert (the fields equal m_Felder) and value and
    // language are those of the last formatting; with bBreiteAnpassen an
    // EDITOR-mode system-variable text widens the object to its text.
    bool AnzeigeErmitteln(TAnzeigeWerte& a, bool bBreiteAnpassen, bool bFelderUnveraendert);
    bool bLEDZustand() const;
    uint16_t wAnalogRoh() const;
    void RahmenZeichnen(QPainter& p) const;
    // Gives up the bit this push button holds; the last holder puts it back.
    void TasterLoslassen();
    // update() of this object, or of the whole parent area once many
    // objects asked in the same paint pass.
    void MalenAnfordern();
    QObject* pMalSammler();

    TAnzeigeWerte m_Werte;         // shown at the last paint request
    TMyObjFelder m_Felder;         // fields at the last paint request
    bool m_bAngefordert = false;   // m_Werte/m_Felder hold a state
    // What the operand value text in Text0 was last formatted from.
    bool m_bTextGueltig = false;
    char m_cTextSprache = 0;
    uint32_t m_dwTextWert = 0;
    bool m_bUmrandung = false;     // selection frame shown
    int32_t m_iUmrandungFarbe = 0;
    QObject* m_pSammler = nullptr;         // paint requests of the parent
    QWidget* m_pSammlerEltern = nullptr;   // parent m_pSammler belongs to
};

// Colour 0x00BBGGRR as Qt colour.
QColor FarbeVonWert(int32_t iFarbe);
