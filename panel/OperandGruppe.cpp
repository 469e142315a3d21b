#include "OperandGruppe.h"

#include "MyObj.h"
#include "PoolText.h"
#include "SystemVariablen.h"
#include "harlenzutils40.h"
#include "kolv_spr2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// Texte: 1055-1058, 1061

namespace {

template <class W>
W* Anlegen(QWidget* pEltern, const char* pcName)
{
    auto* p = new W(pEltern);
    p->setObjectName(pcName);
    return p;
}

QLabel* Beschriftung(QWidget* pEltern, const char* pcName, unsigned long ulText)
{
    auto* p = Anlegen<QLabel>(pEltern, pcName);
    p->setText(QString::fromStdString(PoolText(ulText)));
    return p;
}

QRadioButton* Wahlknopf(QWidget* pEltern, const char* pcName, unsigned long ulText)
{
    auto* p = Anlegen<QRadioButton>(pEltern, pcName);
    p->setText(QString::fromStdString(PoolText(ulText)));
    return p;
}

// The operand list E (I), A (Q), M, D and, with bMitP, P; the entry of cOp
// selected, the first when cOp is none of them.
void OperandListeFuellen(QComboBox* pListe, char cOp, bool bMitP)
{
    pListe->addItem(QString::fromLatin1(SPR_GetOperand_E()));
    pListe->addItem(QString::fromLatin1(SPR_GetOperand_A()));
    pListe->addItem("M");
    pListe->addItem("D");
    if (bMitP) pListe->addItem("P");
    switch (cOp) {
    case 'A': case 'Q': pListe->setCurrentIndex(1); break;
    case 'M': pListe->setCurrentIndex(2); break;
    case 'D': pListe->setCurrentIndex(3); break;
    case 'P': pListe->setCurrentIndex(bMitP ? 4 : 0); break;
    default: pListe->setCurrentIndex(0); break;
    }
}

// The operand letter for the list's current entry; cAlt when it has none.
char cOperandAusListe(const QComboBox* pListe, char cAlt)
{
    const QString sOp = pListe->currentText();
    switch (sOp.isEmpty() ? '\0' : sOp[0].toLatin1()) {
    case 'A': case 'Q': return SPR_GetCharOperand_A();
    case 'E': case 'I': return SPR_GetCharOperand_E();
    case 'M': return 'M';
    case 'D': return 'D';
    case 'P': return 'P';
    default: return cAlt;
    }
}

// The data block number as the object's line writes it.
QString DBNrText(uint32_t dwDBNr)
{
    char cZahl[16];
    U_DWORDToStr(cZahl, dwDBNr);
    return QString::fromLatin1(cZahl);
}

} // namespace

void TOperandGruppe::OperandAnlegen(QWidget* pGruppe)
{
    rbOperand = Wahlknopf(pGruppe, m_Art.pcOperandKnopf, m_Art.ulOperandText);
    lOpTyp = Beschriftung(pGruppe, "lOpTyp", 1056);
    cbOperand = Anlegen<QComboBox>(pGruppe, "cbOperand");
}

void TOperandGruppe::AdresseAnlegen(QWidget* pGruppe)
{
    lByteAdr = Beschriftung(pGruppe, m_Art.pcByteAdrLabel, 1057);
    eByteAdr = Anlegen<QLineEdit>(pGruppe, "eByteAdr");
    eByteAdr->setText("0");
    lBit = Beschriftung(pGruppe, m_Art.pcBitLabel, 1061);
    cbBit = Anlegen<QComboBox>(pGruppe, "cbBit");
    Label2 = Beschriftung(pGruppe, "Label2", 1058);
    eDBNr = Anlegen<QLineEdit>(pGruppe, "eDBNr");
    // Both fields wide enough for six digits.
    const int iZahlBreite = eByteAdr->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16;
    eByteAdr->setFixedWidth(iZahlBreite);
    eDBNr->setFixedWidth(iZahlBreite);
}

void TOperandGruppe::VariableAnlegen(QWidget* pGruppe)
{
    rbVariable = Wahlknopf(pGruppe, m_Art.pcVariableKnopf, m_Art.ulVariableText);
    cbVariable = Anlegen<QComboBox>(pGruppe, "cbVariable");
}

void TOperandGruppe::AnzahlAnlegen(QWidget* pSeite)
{
    lAnzahl = Beschriftung(pSeite, "lAnzahl", 1055);
    cbAnzahl = Anlegen<QComboBox>(pSeite, "cbAnzahl");
}

void TOperandGruppe::OperandGruppeZeigen(const TMyObj& Obj, bool bNeuesObjekt)
{
    cbOperand->clear();
    OperandListeFuellen(cbOperand, Obj.Op, m_Art.bMitP);
    eByteAdr->setText(QString::number(Obj.Adr));
    eDBNr->setText(DBNrText(Obj.DBNR));
    cbBit->clear();
    for (int i = 0; i <= 7; ++i) cbBit->addItem(QString::number(i));
    cbBit->setCurrentIndex(Obj.Bit <= 7 ? Obj.Bit : 0);
    cbVariable->clear();
    for (const TSystemVariable* p = SystemVariable; p->cName[0]; ++p)
        if (p->bBool == m_Art.bBoolVariablen) cbVariable->addItem(QString::fromLatin1(p->cName), p->iID);
    const int iVariable = cbVariable->findData(Obj.Variable);
    cbVariable->setCurrentIndex(iVariable >= 0 ? iVariable : 0);
    if (Obj.Variable == 0)
        rbOperand->setChecked(true);
    else
        rbVariable->setChecked(true);
    if (!bNeuesObjekt) {
        lAnzahl->hide();
        cbAnzahl->hide();
    }
    DBNrFreigeben();
}

void TOperandGruppe::OperandGruppeSchreiben(TMyObj& Obj, int32_t iAdr, int32_t iDBNr) const
{
    Obj.Variable = rbVariable->isChecked() ? cbVariable->currentData().toInt() : 0;
    Obj.Op = cOperandAusListe(cbOperand, Obj.Op);
    Obj.Adr = static_cast<uint16_t>(iAdr);
    Obj.Bit = static_cast<uint16_t>(cbBit->currentIndex());
    Obj.DBNR = static_cast<uint16_t>(iDBNr);
    Obj.Anzahl = cbAnzahl->currentIndex() + 1;
}

void TOperandGruppe::DBNrFreigeben()
{
    eDBNr->setEnabled(cbOperand->currentText().startsWith(QLatin1Char('D')));
}

void TOperandGruppe::OperandGruppeVerbinden()
{
    // The list is the context: the group lives as long as the dialog that
    // owns both.
    QObject::connect(cbOperand, &QComboBox::currentIndexChanged, cbOperand, [this] { DBNrFreigeben(); });
}
