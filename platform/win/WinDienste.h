#pragma once
// Service control manager. Linux has no Windows services, so every name
// reports ERROR_SERVICE_DOES_NOT_EXIST (1060). Tests install a table of
// simulated services instead.
#include <cstdint>
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
void DiensteTabelleSetzen(std::map<std::string, uint32_t> tabelle);
void DiensteTabelleLoeschen();
std::vector<std::pair<std::string, uint32_t>> GesendeteSteuercodes();
