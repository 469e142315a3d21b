// What every object property dialog shares: modal, captions from the text
// pool, OK / Cancel / Help buttons, results 1 (OK) and 2 (Cancel, Esc,
// close box), a refused entry that keeps the dialog open with its message,
// F1 for help, the count of copies shown only for a new object, and the
// main window's colour and picture dialogs.
//
// A dialog works on the object it is given but writes into it only when OK
// has accepted every entry, so Cancel, also after a refused OK, leaves the
// object exactly as it was.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>

#include "ZahlEingabe.h"

class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class TMyObj;

// The text numbered n from the text pool.
QString ObjektText(unsigned long n);

// A control of type W under pEltern, with its object name.
template <class W>
W* ElementAnlegen(QWidget* pEltern, const char* pcName)
{
    auto* p = new W(pEltern);
    p->setObjectName(pcName);
    return p;
}

// Whether the text of a one-byte character field may be stored: empty, or
// one character of ASCII. The field keeps a single byte, and a byte outside
// ASCII would be stored as another character than the one typed, or as
// none at all (any character beyond Latin-1 gives 0).
bool bEinByteZeichenZulaessig(const QString& sText);

// The text number that refuses a picture's file name, 0 when the name can
// be stored: 6402 for an empty name, a comma or more than 103 characters,
// 6705 for a "$" with a "=" after it, which the object's line would take
// for a key of its own (such names are dropped when a panel is read).
unsigned long ulBildNameAblehnung(const std::string& sName);

class TDlgObjektRahmen : public QDialog {
    Q_OBJECT
public:
    // pcHilfeSeite: the dialog's help page; bF1: F1 opens it too.
    TDlgObjektRahmen(QWidget* pBesitzer, TMyObj* pObj, bool bNeuesObjekt, const char* pcHilfeSeite,
                     bool bF1);

    QPushButton* bOk = nullptr;
    QPushButton* bAbbruch = nullptr;
    QPushButton* bHilfe = nullptr;

    // Highest byte address an object's operand may have.
    static constexpr int32_t iMaxByteAdresse = 5000;

    TMyObj* pObj = nullptr;        // the object being edited, not owned
    bool bNeuesObjekt = false;

    void bHilfeClick();
    // Does nothing: the button's result closes the dialog.
    void bAbbruchClick() {}
    // Escape and the close box answer 2 like the cancel button.
    void reject() override;

protected:
    // OK, Cancel and Help at the right, in that order.
    QHBoxLayout* KnopfLeiste();
    // Error box with the text; the dialog stays open with every entry.
    void Ablehnen(const std::string& sText);
    // Whether the field holds a number of the kind; if not, the refusal
    // names the field (the label text numbered ulFeld), the cursor goes
    // into the field and the result is false.
    bool bZahlFeldPruefen(QLineEdit* pEdit, unsigned long ulFeld, TZahlArt Art);
    // The byte address and data block number from their fields; false,
    // with the refusal shown, when either is no number or out of range. A
    // disabled data block field (the operand is no data block) is not
    // refused: its value is then the object's own when it is no number.
    // bStill: the same rule without a box and without moving the cursor
    // (for a preview that follows the typing).
    bool bAdresseUndDBNrLesen(QLineEdit* pByteAdr, QLineEdit* pDBNr, int32_t& iAdr, int32_t& iDBNr,
                              bool bStill = false);
    // "1" to "32", the first selected.
    static void AnzahlFuellen(QComboBox* pListe);
    // The main window's colour dialog preset with iFarbe; true and iFarbe
    // changed only when the user confirms.
    bool bFarbeWaehlen(int32_t& iFarbe);
    // Fixes the dialog at the size its layout needs for the texts of the
    // current language and font.
    void GroesseFestlegen();
    void keyPressEvent(QKeyEvent* pEreignis) override;

private:
    std::string sHilfeSeite;
    bool bMitF1 = false;
};
