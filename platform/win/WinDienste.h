#pragma once
// Service control manager. Linux has no Windows services, so every name
// reports ERROR_SERVICE_DOES_NOT_EXIST (1060). Tests install a table of
// simulated services instead.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

constexpr int DIENST_FEHLER_NICHT_VORHANDEN = 1060;
constexpr int DIENST_FEHLER_NICHT_AKTIV = 1062;       // stop/control of a stopped service
constexpr int DIENST_FEHLER_LAEUFT_SCHON = 1056;      // start of a running service
constexpr uint32_t DIENST_GESTOPPT = 1;
constexpr uint32_t DIENST_STARTET = 2;
constexpr uint32_t DIENST_STOPPT = 3;
constexpr uint32_t DIENST_LAEUFT = 4;

// 0 and dwZustand set, or an error code (dwZustand untouched).
int DienstStatusAbfragen(const std::string& sName, uint32_t& dwZustand);
// The status of a service as the extended query reports it: its state,
// its process id (0 while it is not running) and, while it starts, the
// check point that grows with its progress and the time in milliseconds it
// expects the next step to take.
struct TDienstStatus {
    uint32_t dwZustand = 0;
    uint32_t dwPid = 0;
    uint32_t dwCheckPoint = 0;
    uint32_t dwWaitHint = 0;
};
// 0 and the status, or an error code (status untouched).
int DienstStatusAbfragenEx(const std::string& sName, TDienstStatus& status);
// 0 and the process id of the service (0 while it is not running, or when
// its process cannot be told), or an error code (dwPid untouched).
int DienstProzessIdAbfragen(const std::string& sName, uint32_t& dwPid);
// 0 when the start was accepted, else an error code.
int DienstStarten(const std::string& sName);
// 0 when the stop was accepted, else an error code.
int DienstStoppen(const std::string& sName);
// Sends a control code (the helper service uses 150 and 151); 0 or an error
// code.
int DienstSteuercodeSenden(const std::string& sName, uint32_t dwCode);

// Test hooks. Names match ignoring case like the Windows manager. In the
// table, stopping sets DIENST_GESTOPPT, starting DIENST_LAEUFT; stop and
// control codes to a stopped service give 1062, start of a running one 1056.
//
// A simulated service may name the process that stands in for it (dwPid,
// reported while it runs) and what happens on its side when it is stopped,
// started or sent a control code: a test lets the stop free the port its
// stand-in process holds, and lets the helper service's codes 150 and 151
// stop and start another service of the table. The actions run after the
// table has changed and outside its lock, so they may call this module.
//
// A service that starts slowly lists the steps of its start: after a
// start it reports DIENST_STARTET, and each extended status query then
// reports the next step (state, check point, wait hint), the last one for
// good. Without steps a started service runs at once.
struct TDienstSchritt {
    uint32_t dwZustand;
    uint32_t dwCheckPoint;
    uint32_t dwWaitHint;
};
struct TTestDienst {
    TTestDienst(uint32_t dwZustand_ = DIENST_LAEUFT, uint32_t dwPid_ = 0)
        : dwZustand(dwZustand_), dwPid(dwPid_) {}
    uint32_t dwZustand;
    uint32_t dwPid;
    std::function<void()> beimStoppen;
    std::function<void()> beimStarten;
    std::map<uint32_t, std::function<void()>> steuercodeAktionen;
    std::vector<TDienstSchritt> startSchritte;
    // Where the start stands (kept by the module).
    size_t uStartSchritt = 0;
    uint32_t dwCheckPoint = 0;
    uint32_t dwWaitHint = 0;
};
void DiensteTabelleSetzen(std::map<std::string, TTestDienst> tabelle);
void DiensteTabelleLoeschen();
std::vector<std::pair<std::string, uint32_t>> GesendeteSteuercodes();
