// The insert tools and the insertion of new objects: a prototype from the
// dragged rectangle, its property dialog, then one or more copies in a
// column with counted addresses.
#include "HauptForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Einstellungen.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"
#include "Programm.h"
#include "kolv_spr2.h"

namespace {

// The highest byte address an object can carry.
constexpr int32_t iMaxAdresse = 65535;

bool bZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// A counted ending "byte.bit" at the end of a static text, after at least
// one character that is not a digit: "Motor 12.6" gives byte 12, bit 6 and
// the ending's start 6. False when the text has none.
bool bGezaehltesEnde(const std::string& s, int32_t& iByte, int32_t& iBit, std::size_t& nBeginn)
{
    const std::size_t L = s.size();
    if (L <= 3 || !bZiffer(s[L - 1]) || s[L - 2] != '.' || !bZiffer(s[L - 3]))
        return false;
    std::size_t j = L - 3;
    while (bZiffer(s[j])) {
        if (j == 0)
            return false;   // digits only: nothing to keep in front
        --j;
    }
    const std::string sByte = s.substr(j + 1, L - 2 - (j + 1));
    // A number past any address is text, not an address to count.
    if (sByte.size() > 5 || std::atoi(sByte.c_str()) > iMaxAdresse)
        return false;
    iByte = std::atoi(sByte.c_str());
    iBit = s[L - 1] - '0';
    nBeginn = j + 1;
    return true;
}

void BitWeiter(int32_t& iByte, int32_t& iBit)
{
    if (++iBit > 7) {
        iBit = 0;
        ++iByte;
    }
}

} // namespace

void THauptformular::WerkzeugAnzeigen()
{
    QAction* const Aktionen[] = {aMaske_Pfeil, aMaske_Obj_Statische_Beschriftung,
                                 aMaske_Obj_Dynamische_Beschriftung, aMaske_Obj_LED,
                                 aMaske_Obj_Grafik, aMaske_Obj_AnalogEingang,
                                 aMaske_Obj_AnalogerAusgang};
    // Texte: 1333, 1261, 1334, 1335, 1226, 1336, 1337
    const unsigned long Texte[] = {1333, 1261, 1334, 1335, 1226, 1336, 1337};
    for (QAction* a : Aktionen)
        if (a)
            a->setChecked(false);
    if (iWerkzeug < 0 || iWerkzeug > 6 || !Aktionen[iWerkzeug])
        return;
    Aktionen[iWerkzeug]->setChecked(true);
    StatusTextSetzen(iPanelWerkzeug, PoolText(Texte[iWerkzeug]).c_str());
}

void THauptformular::aMaske_PfeilExecute()
{
    iWerkzeug = 0;
    WerkzeugAnzeigen();
}

void THauptformular::ObjekteEinfuegen(int32_t x0, int32_t y0, int32_t X, int32_t Y)
{
    const int32_t t = iWerkzeug;
    if (MaskeFile.empty() || bNurLesen) {
        ptMausDown = QPoint();
        // Read-only first: a new panel could not be saved to take objects.
        InfoMeldung(bNurLesen ? PoolText(1262) : PoolText(6860));
        Arbeitsflaeche->update();
        return;
    }
    // A full panel takes no further object: said before the dialog, not
    // after the user filled it in.
    if (iAnzahlObjekte >= iMaxObjekte) {
        ptMausDown = QPoint();
        FehlerMeldung(PoolTextFormat(1391, "%d", iMaxObjekte));
        return;
    }
    auto pPrototyp = std::make_unique<TMyObj>(this, t, X, Y, 0, 0);
    QCoreApplication::processEvents();
    if (t == AnalogEingang)
        pPrototyp->Op = SPR_GetCharOperand_E();
    else if (t == AnalogerAusgang)
        pPrototyp->Op = SPR_GetCharOperand_A();
    if (ObjektEigenschaftenDialog(pPrototyp.get(), true) != 1) {
        ptMausDown = QPoint();
        return;
    }
    KopienEinfuegen(pPrototyp.get(), x0, y0, X, Y);
}

int32_t THauptformular::KopienEinfuegen(const TMyObj* pPrototyp, int32_t x0, int32_t y0, int32_t X,
                                        int32_t Y)
{
    const int32_t t = pPrototyp->Obj;
    SetMaskeGeaendert(true);
    MarkierungAufheben();
    QCoreApplication::processEvents();

    const QFontMetrics fm(pPrototyp->font());
    const int32_t h = Y - y0;
    const int32_t r = (t == Statische_Beschriftung || t == Dynamische_Beschriftung)
                          ? fm.height() + 1
                          : iLEDGroesse;
    const int32_t N = pPrototyp->Anzahl;
    double s = N == 1 ? double(h) : N > 1 ? double(h - r) / double(N - 1) : 0.0;
    if (!(s >= 0.0))
        s = 0.0;

    int32_t iByte = pPrototyp->Adr;
    int32_t iBit = pPrototyp->Bit;
    std::string sText = pPrototyp->Text0;
    std::size_t nEnde = 0;
    const bool bGezaehlt = t == Statische_Beschriftung && pPrototyp->AdresseErhoehen &&
                           bGezaehltesEnde(sText, iByte, iBit, nEnde);

    bZeichnenGesperrt = true;
    int32_t iGemacht = 0;
    bool bVoll = false, bAdresseZuEnde = false;
    for (int32_t i = 0; i < N; ++i) {
        if (iAnzahlObjekte >= iMaxObjekte) {
            bVoll = true;
            break;
        }
        // The series ends where the next address would not fit an address.
        if (iByte > iMaxAdresse) {
            bAdresseZuEnde = true;
            break;
        }
        auto* p = new TMyObj(this, t, X, Y, 0, 0);
        Objekte[iAnzahlObjekte] = p;
        switch (t) {
        case Statische_Beschriftung:
            p->SetEigenschaftenStaticText(sText, pPrototyp->ColorLo, pPrototyp->ColorHi,
                                          pPrototyp->Transparent);
            p->SetWidth(fm.horizontalAdvance(QString::fromStdString(sText)) + 5);
            p->SetHeight(fm.height() + 2);
            if (bGezaehlt) {
                BitWeiter(iByte, iBit);
                char ac[32];
                std::snprintf(ac, sizeof ac, "%d.%d", iByte, iBit);
                sText = sText.substr(0, nEnde) + ac;
            }
            break;
        case Dynamische_Beschriftung:
            p->SetEigenschaftenDynamischerText(pPrototyp, iByte, iBit);
            iByte += pPrototyp->OpGroesse;
            break;
        case LED:
            p->SetEigenschaftenLED(pPrototyp, iByte, iBit);
            BitWeiter(iByte, iBit);
            break;
        case AnalogEingang:
        case AnalogerAusgang:
            p->SetEigenschaftenAnalogEA(pPrototyp);
            break;
        default:
            break;
        }
        p->SetLeft(x0);
        p->SetTop(static_cast<int32_t>(y0 + double(i) * s));
        if (t == AnalogEingang || t == AnalogerAusgang) {
            p->SetHeight(std::abs(y0 - Y));
            p->SetWidth(std::abs(x0 - X));
        }
        ObjektMarkieren(p);
        ++iAnzahlObjekte;
        ++iGemacht;
    }
    aMaske_PfeilExecute();
    bZeichnenGesperrt = false;
    ptMausDown = QPoint();
    Arbeitsflaeche->update();
    if (bVoll)
        FehlerMeldung(PoolTextFormat(1391, "%d", iMaxObjekte));
    else if (bAdresseZuEnde)
        InfoMeldung(PoolTextFormat(6300, "%d", iGemacht));
    return iGemacht;
}
