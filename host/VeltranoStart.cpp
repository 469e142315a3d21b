// The whole program: single instance, start-up, main window, message loop.
#include "VeltranoStart.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <filesystem>
#include <memory>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Meldungen.h"
#include "Programm.h"
#include "WinMeldung.h"
#include "WinMutex.h"
#include "WinProzess.h"
#include "WinQtTexte.h"
#include "kolv_spr2.h"

namespace {

// The application object with the standard display of an exception that
// escapes an event handler: the exception is shown and the program ends.
class TVeltranoApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* pEmpfaenger, QEvent* pEreignis) override
    {
        try {
            return QApplication::notify(pEmpfaenger, pEreignis);
        } catch (const std::exception& e) {
            FehlerMeldung(e.what());
        } catch (...) {
            FehlerMeldung("Unknown exception.");
        }
        exit(0);
        return false;
    }
};

} // namespace

int VeltranoAusfuehren(int argc, char** argv, const std::string& sProgrammordner)
{
    // A test runs the program inside its own application object.
    std::unique_ptr<TVeltranoApplication> pApp;
    if (!QCoreApplication::instance()) {
        pApp = std::make_unique<TVeltranoApplication>(argc, argv);
        KommandozeileRohMerken(argc, argv);
    }

    // One Veltrano per user session; the lock stays held until the process
    // ends.
    static TBenannterMutex InstanzMutex(cInstanzMutexName);
    if (!InstanzMutex.bBesitzt()) {
        MessageBoxA(QApplication::focusWidget(), "Veltrano is already started.", "Veltrano", MB_OK);
        return 0;
    }

    StartVorbereiten(sProgrammordner.empty()
                         ? std::filesystem::path(ProgrammDatei()).parent_path().string()
                         : sProgrammordner);
    // The boxes before the main window already speak the text language.
    bQtTexteEinstellen(SPR_GetTextSprache() == 1);

    QApplication::setApplicationName("Veltrano");
    try {
        auto pFenster = std::make_unique<THauptformular>(nullptr);
        pFenster->FormCreate();
        QApplication::exec();
    } catch (const std::exception& e) {
        FehlerMeldung(e.what());
    }
    return 0;
}
