// Property dialog of an LED object: the bit it shows (a PLC operand or a
// boolean system variable), its colours or pictures, the click and hot key
// behaviour, the initial state of an input, and for a new object the number
// of copies to insert.
#pragma once

#include "DlgObjektRahmen.h"
#include "OperandGruppe.h"

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTimer;
class QWidget;
class TDlgLED;

// The blinking colour preview.
class TLEDVorschau : public QWidget {
public:
    explicit TLEDVorschau(TDlgLED* pDialog);

protected:
    void paintEvent(QPaintEvent* pEreignis) override;

private:
    TDlgLED* pDlg;
};

class TDlgLED : public TDlgObjektRahmen, public TOperandGruppe {
    Q_OBJECT
public:
    TDlgLED(QWidget* pBesitzer, bool bNeuesObjekt, TMyObj* pObj);

    QTabWidget* PageControl1 = nullptr;
    QWidget* tsAllgemein = nullptr;
    QGroupBox* gb = nullptr;
    // The operand group's radio buttons under this dialog's names.
    QRadioButton*& rbLED_Operand = rbOperand;
    QRadioButton*& rbLED_Variable = rbVariable;
    QLabel* lWieViele = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* lGrundstellung = nullptr;
    QComboBox* cbE_Grundstellung = nullptr;

    QWidget* tsFarbe = nullptr;
    QGroupBox* gbEigenschaften = nullptr;
    QPushButton* bFarbeHi = nullptr;
    QPushButton* bFarbeLo = nullptr;
    QGroupBox* gbVorschau = nullptr;
    TLEDVorschau* PaintBox = nullptr;
    QLabel* lGrafikIstAktiviert = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* bStandardInputFarbe = nullptr;
    QPushButton* bStandardOutputFarbe = nullptr;

    QWidget* tsInteraktion = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QCheckBox* cbLEDClickable = nullptr;
    QCheckBox* cbHotkeyAktiv = nullptr;
    QLineEdit* eHotkey = nullptr;
    QLabel* lHotkeyHinweis = nullptr;
    QCheckBox* cbTaster = nullptr;

    QWidget* tsGrafik = nullptr;
    QLabel* lGrafik1 = nullptr;
    QPushButton* bGrafik1 = nullptr;
    QLabel* lGrafik1File = nullptr;
    QGroupBox* gb1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lGrafik0 = nullptr;
    QPushButton* bGrafik0 = nullptr;
    QLabel* lGrafik0File = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Image0 = nullptr;
    QCheckBox* cbGrafikImmerAnzeigen = nullptr;
    QCheckBox* cbGrafikAktivieren = nullptr;

    QTimer* Timer1 = nullptr;

    // The working on and off colours (0x00BBGGRR).
    int32_t FarbeHi = 0;
    int32_t FarbeLo = 0;
    // Preview blink state, shared by every opening for the program's life.
    static bool bBlinkZustand;
    // What the preview shows at its next paint: the on colour when set.
    bool bVorschauEin = false;

    void bOkClick();
    void bFarbeHiClick();
    void bFarbeLoClick();
    void bStandardInputFarbeClick();
    void bStandardOutputFarbeClick();
    void cbOperandChange();
    void cbVariableChange();
    void eHotkeyChange();
    void bGrafik1Click();
    void bGrafik0Click();
    void cbGrafikAktivierenClick();
    void cbGrafikImmerAnzeigenClick() {}
    void Timer1Timer();
    void FarbVorschauZeichnen(bool bEin);
    void GrafikVorschauLaden();

    // Placeholder of a picture label without a picture.
    static constexpr const char* cKeineGrafik = "<------->";

private:
    // One function per page, then the object's values, then the signals.
    void SeiteAllgemeinAnlegen();
    void SeiteFarbeAnlegen();
    void SeiteInteraktionAnlegen();
    void SeiteGrafikAnlegen();
    void WerteZeigen();
    void Verbinden();
    void GrafikWaehlen(unsigned long ulTitel, QLabel* pDateiLabel);
    // Checks one picture label and brings its file into the project folder;
    // false (after the message) when the picture cannot be kept.
    bool bGrafikPruefen(QLabel* pDateiLabel);
};
