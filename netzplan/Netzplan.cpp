// Start-up of the presets program: single instance, command line, window.
#include "Netzplan.h"

#include "DlgSim.h"
#include "NetzplanDienste.h"
#include "VoreinstellAufruf.h"
#include "WinMeldung.h"
#include "WinMutex.h"
#include "WinProzess.h"
#include "WinQtTexte.h"
#include "harlenzutils40.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <memory>

uint32_t KommuID = 0;
std::string cProgrammOrdner;
int32_t iAufruferLeft = 0, iAufruferTop = 0, iAufruferWidth = 0, iAufruferHeight = 0;
bool bFalscherAufruf = false;
uint16_t wSprache = 1;
uint32_t uiSchliessNachricht = 0;

std::string Formatiert(const char* pcFormat, ...)
{
    va_list args;
    va_start(args, pcFormat);
    va_list kopie;
    va_copy(kopie, args);
    const int n = std::vsnprintf(nullptr, 0, pcFormat, kopie);
    va_end(kopie);
    std::string s;
    if (n > 0) {
        s.resize(std::size_t(n) + 1);
        std::vsnprintf(s.data(), s.size(), pcFormat, args);
        s.resize(std::size_t(n));
    }
    va_end(args);
    return s;
}

void TextKopieren(char* pcZiel, std::size_t uGroesse, const char* pcQuelle)
{
    if (!pcZiel || uGroesse == 0)
        return;
    const std::size_t n = pcQuelle ? std::min(std::strlen(pcQuelle), uGroesse - 1) : 0;
    if (n)
        std::memcpy(pcZiel, pcQuelle, n);
    pcZiel[n] = '\0';
}

int32_t iZahlAusText(const std::string& sText)
{
    std::size_t i = 0;
    while (i < sText.size() && (sText[i] == ' ' || sText[i] == '\t'))
        ++i;
    bool bMinus = false;
    if (i < sText.size() && (sText[i] == '-' || sText[i] == '+')) {
        bMinus = sText[i] == '-';
        ++i;
    }
    uint32_t dwWert = 0;  // wraps like the 32-bit conversion
    for (; i < sText.size() && sText[i] >= '0' && sText[i] <= '9'; ++i)
        dwWert = dwWert * 10u + uint32_t(sText[i] - '0');
    return int32_t(bMinus ? 0u - dwWert : dwWert);
}

uint16_t wSpracheAusAufruf(const std::vector<std::string>& argumente)
{
    return argumente.size() > VA_SPRACHE ? wVoreinstellSpracheLesen(iZahlAusText(argumente[VA_SPRACHE])) : 1;
}

bool KommandozeileAuswerten(const std::vector<std::string>& argumente)
{
    bool bZuLang = false;
    for (const std::string& s : argumente)
        bZuLang = bZuLang || s.size() > MAX_ARGUMENT_LAENGE;
    if (argumente.size() < VA_MINDESTANZAHL || bZuLang) {
        bFalscherAufruf = true;
        ShowError("Die Anwendung wird nicht korrekt aufgerufen!\n"
                  "The calling-parameters of the application are not correct!");
        return false;
    }
    // The folder comes from the path Veltrano passes; a bare name (started
    // by hand through PATH) has none, so the running file tells it then.
    std::string sPfad = argumente[VA_PROGRAMM];
    if (sPfad.find('/') == std::string::npos)
        sPfad = ProgrammDatei();
    std::vector<char> ordner(sPfad.size() + 2, '\0');
    U_FilenameVonPfadEntfernen(ordner.data(), sPfad.c_str());
    cProgrammOrdner = ordner.data();
    if (cProgrammOrdner.empty() || cProgrammOrdner.back() != '/')
        cProgrammOrdner += '/';
    KommuID = uint32_t(iZahlAusText(argumente[VA_KOMMUID]));
    int32_t* ziele[4] = {&iAufruferLeft, &iAufruferTop, &iAufruferWidth, &iAufruferHeight};
    for (std::size_t i = 0; i < 4; ++i)
        *ziele[i] = VA_LEFT + i < argumente.size() ? iZahlAusText(argumente[VA_LEFT + i]) : 0;
    if (argumente.size() > VA_SPRACHE)
        wSprache = wSpracheAusAufruf(argumente);
    // The file dialogs, message box buttons and context menus of Qt speak
    // the language word too.
    bQtTexteEinstellen(wSprache == 1);
    return true;
}

int NetzplanAusfuehren(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Netzplan");
    std::vector<std::string> argumente(argv, argv + argc);
    // The box of a second start speaks the language of the call too; the
    // rest of the line is read only by the instance that runs.
    wSprache = wSpracheAusAufruf(argumente);
    // Held for the life of the process.
    static TBenannterMutex InstanzMutex(cProgrammTitel);
    if (!InstanzMutex.bBesitzt()) {
        ShowMessageBox(Sprachtext("Veltrano TCP/IP Settings läuft bereits!",
                                  "Veltrano TCP/IP Settings is still running!"),
                       cProgrammTitel, MB_OK | MB_ICONWARNING);
        return 0;
    }
    KommandozeileAuswerten(argumente);

    auto pDialog = std::make_unique<TDialogSimVoreinstellung>(nullptr);
    QObject::connect(pDialog.get(), &TDialogSimVoreinstellung::Beendet, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    pDialog->FormCreate();
    pDialog->show();
    if (const char* pcEingabe = std::getenv(cTestEingabeVariable))
        QTimer::singleShot(0, pDialog.get(), [p = pDialog.get(), s = std::string(pcEingabe)] {
            p->TestEingabeAusfuehren(s);
        });
    QApplication::exec();
    // The destructor runs FormDestroy, which posts the closing notice.
    pDialog.reset();
    return 0;
}
