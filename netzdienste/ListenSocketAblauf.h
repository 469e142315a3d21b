// The set-up of the four listening sockets that both programs run: read the
// port-102 waiting times, stop the Siemens service while it holds port 102,
// open and hand over the sockets of the engine's IP data, start the service
// again. Each program passes in how it does what differs: its service
// functions, its waits, its boxes and its status texts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Status texts of the steps. Null: the program says nothing at that step;
// "": the status line is cleared there.
struct TListenSocketTexte {
    const char* pcNichtNoetig = nullptr;          // the service does not hold port 102
    const char* pcHelferStoppt = nullptr;         // before code 150 to the helper service
    const char* pcHelferGestoppt = nullptr;       // code 150 accepted
    const char* pcHelferNichtGestoppt = nullptr;  // code 150 refused
    const char* pcHelferFehlt = nullptr;          // ... and the helper service is not installed
    const char* pcNachHelferStopp = nullptr;      // after the helper's attempt, either outcome
    const char* pcNachDirektStopp = nullptr;      // after the wait that follows a direct stop
    const char* pcDirektStartet = nullptr;        // before the wait ahead of a direct start
    const char* pcHelferStartet = nullptr;        // before code 151
    const char* pcHelferGestartet = nullptr;      // code 151 accepted
    const char* pcHelferNichtGestartet = nullptr; // code 151 refused (then pcHelferFehlt when missing)
};

// How one program carries out the set-up.
struct TListenSocketAblauf {
    std::function<void()> SanduhrEin, SanduhrAus;
    // Progress text; "" clears it.
    std::function<void(const std::string&)> Status;
    // A wait of dwMs milliseconds that blocks the graphical thread; sTitel
    // names what is waited for.
    std::function<void(uint32_t dwMs, const std::string& sTitel)> Warten;

    // The Siemens service sName is installed and running.
    std::function<bool(const std::string& sName)> bDienstLaeuft;
    // The process that holds local TCP port 102; 0 when none.
    std::function<uint32_t()> dwPort102Halter;
    // Whether that holder is the service sName.
    std::function<bool(const std::string& sName, uint32_t dwHalter)> bVomDienstGehalten;
    std::function<bool(const std::string& sName)> bDienstStoppen;
    std::function<bool(const std::string& sName, uint32_t& dwFehler)> bDienstStarten;

    // Boxes: the waiting times could not be read; the helper service did not
    // free port 102 and the user is no administrator; a socket failed; the
    // service did not start again.
    std::function<void(const std::string& sText)> ZeitenNichtGelesen;
    std::function<void()> OhneRechte;
    std::function<void(const std::string& sIP, uint16_t wPort)> SocketFehler;
    std::function<void(uint32_t dwFehler)> NeustartFehler;

    TListenSocketTexte texte;
    // Without any holder of port 102, nothing is stopped and nothing said
    // (else the pcNichtNoetig text is shown).
    bool bNurMitHalter = false;
    // The waits after the helper's stop and before its restart.
    bool bUmHelferWarten = false;
    // Without administrator rights the direct stop is still tried.
    bool bDirektStoppOhneRechte = false;
    // An error of the waiting-time calls is the result unless a later
    // failure replaces it.
    bool bZeitFehlerImErgebnis = false;
};

// Runs the set-up on the program's own socket table (its slots must be
// closed). 0, or the code of the last slot that failed (108: port 102 left
// out for lack of administrator rights).
int iListenSocketsEinrichten(const TListenSocketAblauf& ablauf, bool bPort102Freigeben);
