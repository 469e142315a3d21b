// Panel files opened in the main window. Property: a panel that opened,
// saved and opened again saves to the same file (date and time aside), and
// the saved file is always UTF-8. Empty lines do not count: an object of a
// kind without a line is written as an empty line (with a box), which the
// next open passes over.
#include "FuzzHilfe.h"

#include "Programm.h"
#include "HauptForm.h"
#include "Maske.h"
#include "WinText.h"

#include <QCoreApplication>

#include <filesystem>

using namespace fuzzhilfe;

namespace {

THauptformular* pForm = nullptr;

std::string OhneZeitpunkt(const std::string& s)
{
    std::string r;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t n = s.find('\n', i);
        n = n == std::string::npos ? s.size() : n + 1;
        const std::string z = s.substr(i, n - i);
        if (z.rfind("$Datum=", 0) != 0 && z.rfind("$Uhrzeit=", 0) != 0 && z != "\n") r += z;
        i = n;
    }
    return r;
}

std::string Lesen(const std::string& sPfad)
{
    std::string s;
    bDateiLesen(sPfad, s);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ProgrammStarten();
    std::filesystem::create_directories(Ordner() + "projekt");
    pForm = new THauptformular(nullptr);
    pForm->bErstesZeichnen = false;
    pForm->FormCreate();
    pForm->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sEins = AlsDatei(pDaten, nGroesse, "projekt/Fuzz.maske_ini");
    const std::string sZwei = Ordner() + "projekt/Zwei.maske_ini";
    const std::string sDrei = Ordner() + "projekt/Drei.maske_ini";
    MaskeFile = sEins;
    if (!pForm->bMaskeLesen(sEins)) return 0;
    QCoreApplication::processEvents();
    Pruefen(pForm->iAnzahlObjekte <= iMaxObjekte, "more objects than the panel holds");
    Pruefen(pForm->bMaskeSchreiben(sZwei), "saving under a new name failed");
    const std::string sGespeichert = Lesen(sZwei);
    Pruefen(bIstUtf8(sGespeichert), "saved panel is not UTF-8");
    MaskeFile = sZwei;
    Pruefen(pForm->bMaskeLesen(sZwei), "saved panel does not open");
    Pruefen(pForm->bMaskeSchreiben(sDrei), "saving the reopened panel failed");
    Pruefen(OhneZeitpunkt(Lesen(sDrei)) == OhneZeitpunkt(sGespeichert),
            "panel does not read back the same", sGespeichert + "\n----\n" + Lesen(sDrei));
    pForm->MaskeLoeschen();
    return 0;
}
