// Property dialog of a dynamic text: the operand (area, width, address,
// bit, data block, display format) or the system variable it shows, its
// colours, the two texts a bit operand may show instead of its value, and
// for a new object the number of copies to insert.
#pragma once

#include "DlgObjektRahmen.h"
#include "OperandGruppe.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QWidget;

class TDlgDynamischerTextForm : public TDlgObjektRahmen, public TOperandGruppe {
    Q_OBJECT
public:
    TDlgDynamischerTextForm(QWidget* pBesitzer, bool bNeuesObjekt, TMyObj* pObj);

    QTabWidget* PageControl1 = nullptr;
    QWidget* tsUrsprung = nullptr;
    QGroupBox* gbUrsprung = nullptr;
    // The operand group's radio buttons and labels under this dialog's
    // names.
    QRadioButton*& rbText_Operand = rbOperand;
    QLabel*& Label1 = lByteAdr;
    QLabel*& Label3 = lBit;
    QRadioButton*& rbText_Variable = rbVariable;
    QLabel* lBreite = nullptr;
    QComboBox* cbBitBreite = nullptr;
    QLabel* lDarstellung = nullptr;
    QComboBox* cbDarstellung = nullptr;
    QCheckBox* cbAnzeigeMitOperand = nullptr;
    QCheckBox* cbOpVeraenderbar = nullptr;

    QWidget* tsFarbe = nullptr;
    QGroupBox* gbFarben = nullptr;
    QPushButton* bFarbeT = nullptr;
    QPushButton* bFarbeH = nullptr;
    QGroupBox* gbVorschau = nullptr;
    QLabel* LabelMuster = nullptr;

    QWidget* tsTextanzeige = nullptr;
    QGroupBox* gbTextanzeige = nullptr;
    QCheckBox* cbTextanzeigeAktivieren = nullptr;
    QLabel* lTextBei1 = nullptr;
    QLineEdit* eText1 = nullptr;
    QLabel* lTextBei0 = nullptr;
    QLineEdit* eText0 = nullptr;

    // The preview's colours (0x00BBGGRR): background ($ColorHi) and text
    // ($ColorLo).
    int32_t iMusterHintergrund = 0;
    int32_t iMusterTextfarbe = 0;
    // The address and data block number the preview shows: the last ones
    // OK would accept.
    int32_t iMusterAdr = 0;
    int32_t iMusterDBNr = 0;

    void bOkClick();
    void cbBitBreiteChange();
    void cbDarstellungChange();
    void bFarbeTClick();
    void bFarbeHClick();
    void rbText_OperandClick();
    void rbText_VariableClick();
    void DialogFuellen();
    void MusterAktualisieren();

    // The longest text for a bit value the object keeps; longer is cut.
    static constexpr int iMaxTextLaenge = 1023;

private:
    // One function per page, then the signals; DialogFuellen shows the
    // object's values.
    void SeiteUrsprungAnlegen();
    void SeiteFarbeAnlegen();
    void SeiteTextanzeigeAnlegen();
    void Verbinden();
    // Width in bits of the chosen entry of cbBitBreite (1, 8, 16, 32).
    int iGewaehlteBreite() const;
    int32_t iGewaehltesFormat() const;
};
