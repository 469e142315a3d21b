#include "DlgInputQuery.h"
#include "WinDialoge.h"

#include "Allgemein.h"
#include "PoolText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>
#include <vector>

TDlgInputForm::TDlgInputForm(QWidget* pBesitzer, const std::string& sTitel, const std::string& sPrompt,
                             char* pcPuffer_, std::size_t nGroesse)
    : QDialog(pBesitzer), pcPuffer(nGroesse > 0 ? pcPuffer_ : nullptr), nMaxBytes(nGroesse > 0 ? nGroesse - 1 : 0)
{
    setObjectName("DlgInputForm");
    setWindowTitle(QString::fromStdString(sTitel));
    resize(331, 110);

    LabelPrompt = new QLabel(QString::fromStdString(sPrompt), this);
    LabelPrompt->setObjectName("LabelPrompt");
    eText = new QLineEdit(this);
    eText->setObjectName("eText");
    bOK = new QPushButton(QString::fromStdString(PoolText(1014)), this);
    bOK->setObjectName("bOK");
    bOK->setDefault(true);
    bAbbruch = new QPushButton(QString::fromStdString(PoolText(1208)), this);
    bAbbruch->setObjectName("bAbbruch");

    auto* pKnoepfe = new QHBoxLayout;
    pKnoepfe->addStretch();
    pKnoepfe->addWidget(bOK);
    pKnoepfe->addWidget(bAbbruch);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(LabelPrompt);
    pLayout->addWidget(eText);
    pLayout->addStretch();
    pLayout->addLayout(pKnoepfe);

    // A character takes at least one byte, so this bound never cuts too
    // much; the byte limit itself is kept on every change.
    eText->setMaxLength(static_cast<int>(nMaxBytes < 32767 ? nMaxBytes : 32767));
    if (pcPuffer && nGroesse > 0) {
        // The preset is read only up to the buffer's size, even when the
        // caller forgot its terminator.
        std::size_t n = strnlen(pcPuffer, nGroesse);
        eText->setText(QString::fromUtf8(pcPuffer, static_cast<qsizetype>(n < nMaxBytes ? n : nMaxBytes)));
    }
    connect(eText, &QLineEdit::textChanged, this, &TDlgInputForm::eTextChange);
    connect(bOK, &QPushButton::clicked, this, &TDlgInputForm::bOKClick);
    connect(bAbbruch, &QPushButton::clicked, this, [this] { done(2); });
}

std::string TDlgInputForm::Utf8Gekuerzt(const QString& s, std::size_t nMax)
{
    QByteArray ba = s.toUtf8();
    std::size_t n = static_cast<std::size_t>(ba.size());
    if (n <= nMax) return ba.toStdString();
    n = nMax;
    // Back to the first byte of the character that would be split.
    while (n > 0 && (static_cast<unsigned char>(ba[static_cast<qsizetype>(n)]) & 0xC0) == 0x80) --n;
    return std::string(ba.constData(), n);
}

void TDlgInputForm::eTextChange(const QString& s)
{
    if (static_cast<std::size_t>(s.toUtf8().size()) <= nMaxBytes) return;
    const QString sGekuerzt = QString::fromStdString(Utf8Gekuerzt(s, nMaxBytes));
    eText->setText(sGekuerzt);
}

void TDlgInputForm::bOKClick()
{
    if (pcPuffer) {
        const std::string s = Utf8Gekuerzt(eText->text(), nMaxBytes);
        std::memcpy(pcPuffer, s.data(), s.size());
        pcPuffer[s.size()] = '\0';
    }
    done(1);
}

void TDlgInputForm::reject()
{
    done(2);
}

bool bEingabeDialog(QWidget* pBesitzer, const std::string& sTitel, const std::string& sPrompt,
                    char* pcText, std::size_t nGroesse)
{
    if (!pcText || nGroesse == 0) return false;
    TDlgInputForm dlg(pBesitzer, sTitel, sPrompt, pcText, nGroesse);
    return iModalAusfuehren(dlg) == 1;
}

bool bEingabeDialog(QWidget* pBesitzer, const std::string& sTitel, const std::string& sPrompt,
                    std::string& sText, std::size_t nMaxBytes)
{
    std::vector<char> puffer(nMaxBytes + 1, '\0');
    const std::string sVorgabe = TDlgInputForm::Utf8Gekuerzt(QString::fromStdString(sText), nMaxBytes);
    std::memcpy(puffer.data(), sVorgabe.data(), sVorgabe.size());
    if (!bEingabeDialog(pBesitzer, sTitel, sPrompt, puffer.data(), puffer.size())) return false;
    sText = puffer.data();
    return true;
}
