// The motion-profile dialog: edits the 30 profiles of the panel and assigns
// one of them to the selected objects.
//
// The dialog lives for one opening. It reaches the panel it works on only
// through TBewegungsUmgebung, so it does not depend on the main window.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Bewegungsprofil.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class TMyObj;

// What the dialog needs of the panel: the selected objects, all objects,
// the mode, the selection operations and the help viewer.
class TBewegungsUmgebung {
public:
    virtual ~TBewegungsUmgebung() = default;
    virtual int32_t iAnzahlMarkierte() const = 0;
    virtual TMyObj* pMarkiert(int32_t i) const = 0;
    virtual int32_t iAnzahlObjekte() const = 0;
    virtual TMyObj* pObjekt(int32_t i) const = 0;
    virtual bool bEditorModus() const = 0;
    virtual void MarkierungAufheben() = 0;
    virtual void ObjektMarkieren(TMyObj* pObj) = 0;
    virtual void HilfeAnzeigen(const std::string& sSeite) = 0;
};

// Colours of an operand edit (0x00BBGGRR): valid and refused entry.
inline constexpr int32_t iFarbeOperandGueltig = 0xC0FFC0;
inline constexpr int32_t iFarbeOperandUngueltig = 0xC0C0FF;

// Highest byte address a direction accepts: the table keeps 8 bits of the
// address, so larger entries are refused rather than stored as another
// address than the one shown.
inline constexpr long lMaxBewegungsAdresse = 127;

// An operand text as typed into a direction's edit, into the operand: the
// whole text, blanks at its ends aside, must be a letter A, E, I, M or Q, a
// byte address 0..127, a '.' and a bit 0..7. A blank text leaves the
// direction unused (letter and address 0, the bit kept). False, with the
// operand unchanged, for any other text.
bool bBewegungsOperandLesen(const std::string& sText, BewegungsOperand& Operand);
// Whether the text names a bit as above (a blank text does not).
bool bBewegungsOperandGueltig(const std::string& sText);

class TDlgBewegung : public QDialog {
    Q_OBJECT
public:
    TDlgBewegung(QWidget* pBesitzer, TBewegungsUmgebung& Umgebung);

    // The profile whose values the edits show; -1 before the first one.
    int32_t iAktuellesProfil = -1;

    QLabel* lInfoSelObj = nullptr;
    QGroupBox* gb = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* lb = nullptr;
    QLabel* lZuweisenHinweis = nullptr;
    QPushButton* bZuweisen = nullptr;
    QLabel* lEntfernenHinweis = nullptr;
    QPushButton* bReset = nullptr;
    QLabel* lAnzeigenHinweis = nullptr;
    QPushButton* bAnzeigen = nullptr;
    QLabel* lAnzeigenInfo = nullptr;
    QGroupBox* gb2 = nullptr;
    QLabel* Image1 = nullptr;
    QLineEdit* eOben = nullptr;
    QLineEdit* eLinks = nullptr;
    QLineEdit* eRechts = nullptr;
    QLineEdit* eUnten = nullptr;
    QGroupBox* gb3 = nullptr;
    QLabel* lPixelvorschub = nullptr;
    QLineEdit* eGeschwindigkeit = nullptr;
    QCheckBox* cbEndschalterBetaetigen = nullptr;
    QPushButton* bOk = nullptr;
    QPushButton* AbbruchButton = nullptr;
    QPushButton* bHilfe = nullptr;
    QTimer* Timer1 = nullptr;

    // Stores the shown edits and closes with 1.
    void bOkClick();
    // Follows the list: shows the newly selected profile.
    void Timer1Timer();
    void bZuweisenClick();
    void bResetClick();
    // Colours an operand edit: window colour when empty, light green when
    // valid, light red when refused.
    void eOperandChange(QLineEdit* pEdit);
    void bAnzeigenClick();
    void bHilfeClick();
    // Escape and the title bar close like the cancel button (2).
    void reject() override;

    // The edits into profile iIndex (0..29), all fields at once. An
    // operand edit left as it was shown keeps the table's operand as it
    // is. False, after a box that names the text and its field, when a
    // typed operand or the speed is refused; the row then stays as it was.
    bool ProfilSpeichern(int32_t iIndex);
    bool ProfilUebernehmen(int32_t iIndex);
    // 'I'/'Q' to 'E'/'A' for German texts, the other way for any other.
    static void OperandBuchstabeAnpassen(char& cBuchstabe);
    // The four operand texts of profile i, the letters in the form of the
    // text language; the table is not changed.
    void ProfilTexteHolen(int32_t i, std::string& sOben, std::string& sUnten, std::string& sRechts,
                          std::string& sLinks);
    // Stores the edits into iVorher, then shows the selected row; false,
    // with the edits kept, when iVorher refused them.
    bool ProfilAnzeigen(int32_t iVorher);

    // True when the edit shows a refused entry (light red).
    bool bOperandAbgelehnt(const QLineEdit* pEdit) const;
    // Whether the table or an object's profile differs from what it was
    // when the dialog opened.
    bool bProfileGeaendert() const;

private:
    // One function per group, the texts, the values, then the signals.
    void ProfillisteAnlegen();
    void RichtungenAnlegen();
    void VorschubAnlegen();
    void KnoepfeAnlegen();
    void TexteSetzen();
    void WerteZeigen();
    void Verbinden();
    // The box, the cursor into the edit; false.
    bool bAbgelehnt(QLineEdit* pEdit, const std::string& sMeldung);

    TBewegungsUmgebung& m_Umgebung;
    bool m_bZeilenWechsel = false;   // Timer1Timer is changing the row
    // The texts the operand edits were given for the shown row (up, down,
    // right, left).
    std::string m_sGezeigt[4];
    // The table and the objects' profiles as the dialog found them.
    Bewegungsprofil m_ProfileVorher[ANZAHL_BEWEGUNGSPROFILE];
    std::vector<std::pair<TMyObj*, std::pair<int32_t, bool>>> m_ObjekteVorher;
};
