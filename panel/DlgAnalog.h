// Property dialog of an analog input or output: the word address, the
// direction of the bar, the address and value texts, the measuring range,
// the resolution and the initial value of an input. An analog object is
// always inserted once.
#pragma once

#include "DlgObjektRahmen.h"

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTabWidget;
class QWidget;
struct Messbereich;

class TDlgAnalog : public TDlgObjektRahmen {
    Q_OBJECT
public:
    // pMessbereiche: the range table of the object's direction, not owned,
    // with iAnzahlMessbereiche valid entries.
    TDlgAnalog(QWidget* pBesitzer, const Messbereich* pMessbereiche, int32_t iAnzahlMessbereiche,
               TMyObj* pObj);

    QTabWidget* DlgPageControl = nullptr;
    QWidget* OptionenTabSheet = nullptr;
    QLabel* BaugruppenArtLabel = nullptr;
    QGroupBox* BaugrAdrGroupBox = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* AdresseEdit = nullptr;
    QRadioButton* rbOben = nullptr;
    QRadioButton* rbRechts = nullptr;
    QRadioButton* rbLinks = nullptr;
    QRadioButton* rbUnten = nullptr;
    QLabel* Image1 = nullptr;
    QCheckBox* cbAdresseAnzeigen = nullptr;
    QCheckBox* cbIstwertAnzeigen = nullptr;
    QWidget* MessbereicheTabSheet = nullptr;
    QGroupBox* MessbereicheGroupBox = nullptr;
    QListWidget* MessbereicheCheckListBox = nullptr;
    QGroupBox* AufloesungRadioGroup = nullptr;
    QButtonGroup* AufloesungKnoepfe = nullptr;   // items 0..7: 8 to 15 bits
    QWidget* tsGrundstellung = nullptr;
    QGroupBox* gbGrundstellung = nullptr;
    QLineEdit* eGrundstellung = nullptr;
    QLabel* lGrundstellungEinheit = nullptr;
    // This dialog's names for the frame's OK and Cancel buttons.
    QPushButton* OKButton = nullptr;
    QPushButton* AbbruchButton = nullptr;

    const Messbereich* pMessbereiche = nullptr;
    int32_t iAnzahlMessbereiche = 0;
    // The chosen range; the object gets it on OK.
    int32_t iMessb = 0;

    void OnCreateDialog();
    void OnClickButtonOK();
    void OnClickCheckMessbereich();
    void DlgPageControlChange();
    void OnChangingPageControl() {}
    void HilfeButtonClick() {}
    void DialogFuellen();
    // Checks the entries and writes them into the object; false (after its
    // message) when one is refused, the object then unchanged.
    bool bEingabenUebernehmen();

    // The range's limits for the initial-value page, e.g. "(0.00 ... 10.00 V)".
    static QString BereichText(const Messbereich& Bereich);
    // The item of the resolution group that is selected; -1 for none.
    int iAufloesung() const;

private:
    const Messbereich* pBereich(int32_t i) const;
    bool bEingang() const;
};
