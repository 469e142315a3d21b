#include "ProgrammWerte.h"

uint32_t KommuID = 0;
std::string cExeVerzeichnis;
std::string cSystemVerzeichnis;
std::string UserDir;
std::string MaskeFile;
std::string sGemerkteMaskeFile;
std::string cMaskenVerzeichnis;

bool LetzteMaskeLaden = false;
uint32_t dwStartZeitpunkt = 0;
bool bS7EpatsVorhanden = false;
bool bInternerSPSTyp = false;
std::atomic<uint16_t> RavoDAVInterval{5};
int32_t Sprache = 1;
bool bNurLesen = false;

std::string IP_ADR = "127.0.0.1";
uint16_t PortNr = 102;
std::string LetzterPfadHBild;
int32_t LED_E_HI = 0x00FF00;
int32_t LED_E_LO = 0x808080;
int32_t LED_A_HI = 0x008FF4;
int32_t LED_A_LO = 0x808080;
