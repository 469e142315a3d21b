// The operand group that the LED and the dynamic text dialog share: a
// radio button "follows a PLC operand" with the operand area, byte address,
// bit and data block number, a radio button "follows a system variable"
// with its list, and the count of copies below the group.
//
// A dialog derives from it beside its dialog frame, creates the widgets
// step by step (its own fields of the group go between the steps, so the
// focus moves through the group in reading order), lays them out in its
// own grid and adds its own rules to the group's one: the data block
// number can be typed only for a data block operand.
#pragma once

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class TMyObj;

// What differs from dialog to dialog: the object names of the radio
// buttons and of the address and bit labels, the radio buttons' texts,
// whether the operand list offers P (the peripheral area), and whether
// the variable list holds the boolean system variables or the others.
struct TOperandGruppenArt {
    const char* pcOperandKnopf;
    unsigned long ulOperandText;
    const char* pcByteAdrLabel;
    const char* pcBitLabel;
    const char* pcVariableKnopf;
    unsigned long ulVariableText;
    bool bMitP;
    bool bBoolVariablen;
};

class TOperandGruppe {
public:
    explicit TOperandGruppe(const TOperandGruppenArt& Art) : m_Art(Art) {}

    QRadioButton* rbOperand = nullptr;
    QLabel* lOpTyp = nullptr;
    QComboBox* cbOperand = nullptr;
    QLabel* lByteAdr = nullptr;
    QLineEdit* eByteAdr = nullptr;
    QLabel* lBit = nullptr;
    QComboBox* cbBit = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* eDBNr = nullptr;
    QRadioButton* rbVariable = nullptr;
    QComboBox* cbVariable = nullptr;
    QLabel* lAnzahl = nullptr;
    QComboBox* cbAnzahl = nullptr;

    // Enables eDBNr only while the operand is a data block.
    void DBNrFreigeben();

protected:
    // The steps of creation, in the group's focus order.
    void OperandAnlegen(QWidget* pGruppe);     // rbOperand, lOpTyp, cbOperand
    void AdresseAnlegen(QWidget* pGruppe);     // byte address, bit, data block
    void VariableAnlegen(QWidget* pGruppe);    // rbVariable, cbVariable
    void AnzahlAnlegen(QWidget* pSeite);       // lAnzahl, cbAnzahl (filled by the frame)

    // The object's operand, address, bit, data block and variable into the
    // group; the count stays visible only for a new object.
    void OperandGruppeZeigen(const TMyObj& Obj, bool bNeuesObjekt);
    // The group into the object: the byte address and data block number
    // as the frame has read and checked them, the count from its list.
    void OperandGruppeSchreiben(TMyObj& Obj, int32_t iAdr, int32_t iDBNr) const;
    void OperandGruppeVerbinden();

private:
    TOperandGruppenArt m_Art;
};
