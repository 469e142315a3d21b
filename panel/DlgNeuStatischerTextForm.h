// Property dialog of a static text: the text, its colours and a transparent
// background; for a new object also the number of copies and whether the
// copies count up a byte.bit ending of the text. Nothing is refused.
#pragma once

#include "DlgObjektRahmen.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class TDlgNeuStatischerText : public TDlgObjektRahmen {
    Q_OBJECT
public:
    TDlgNeuStatischerText(QWidget* pBesitzer, bool bNeuesObjekt, TMyObj* pObj);

    QGroupBox* gb = nullptr;
    QLabel* lText = nullptr;
    QLineEdit* eText = nullptr;
    QPushButton* bTextfarbe = nullptr;
    QPushButton* bHintergrundfarbe = nullptr;
    QGroupBox* gbMuster = nullptr;
    QLabel* LabelMuster = nullptr;
    QLabel* lAnzahl = nullptr;
    QComboBox* cbAnzahl = nullptr;
    QCheckBox* cbAdresseErhoehen = nullptr;
    QCheckBox* cbTransparent = nullptr;

    // The preview's colours (0x00BBGGRR): text colour and background.
    int32_t iMusterTextfarbe = 0;
    int32_t iMusterHintergrund = 0;

    void bOkClick();
    void bTextfarbeClick();
    void bHintergrundfarbeClick();
    void eTextChange();

    // The longest text the object keeps; a longer entry is cut.
    static constexpr int iMaxTextLaenge = 1023;
    // What the preview shows for a text: three blanks for an empty one, the
    // text without an alignment prefix "$l", "$r" or "$c".
    static QString MusterText(const QString& sText);

private:
    void MusterFarbenZeigen();
};
