#include "SystemVariablen.h"

#include "ProgrammWerte.h"
#include "kolv_d7ed.h"

const TSystemVariable SystemVariable[] = {
    {"$RUN", SYSVAR_RUN, 1},
    {"$STOP", SYSVAR_STOP, 1},
    {"$PELMORA", SYSVAR_PELMORA, 1},
    {"$SIMATIC_NET", SYSVAR_SIMATIC_NET, 1},
    {"$TCPIP_ACTIVE", SYSVAR_TCPIP_ACTIVE, 1},
    {"$CYCLIC_COUNTER", SYSVAR_CYCLIC_COUNTER, 0},
    {"$IP_ADR", SYSVAR_IP_ADR, 0},
    {"$COUNT_S7_COMANDS", SYSVAR_COUNT_S7_COMANDS, 0},
    {"$TRUE", SYSVAR_TRUE, 1},
    {"$FALSE", SYSVAR_FALSE, 1},
    {"", 0, 0},
};

const TDarstellungsformat Darstellungsformat[] = {
    {"DECIMAL", 0}, {"DECIMAL_SIGNED", 1}, {"HEX", 2}, {"DUAL", 3}, {"REAL", 4}, {"", 0},
};

bool bTCPIPAktiv = false;

namespace {
std::string sIPAdresse = "127.0.0.1";
}

const std::string& IPAdresseText()
{
    return sIPAdresse;
}

void IPAdresseTextSetzen(const std::string& sAdresse)
{
    sIPAdresse = sAdresse;
}

uint32_t dwSystemVariableWert(int32_t iID)
{
    // An error code of the engine is not looked at: "$STOP" reads 1
    // whenever the state is not RUN, an error included.
    int iFehler = 0;
    const int iZustand = D7ED_GetCPUZustand(&iFehler);
    switch (iID) {
    case SYSVAR_RUN: return iZustand == D7ED_CPU_RUN ? 1u : 0u;
    case SYSVAR_STOP: return iZustand != D7ED_CPU_RUN ? 1u : 0u;
    case SYSVAR_PELMORA: return D7ED_IstPelmoraVorhanden();
    case SYSVAR_SIMATIC_NET: return bS7EpatsVorhanden ? 1u : 0u;
    case SYSVAR_TCPIP_ACTIVE: return bTCPIPAktiv ? 1u : 0u;
    case SYSVAR_CYCLIC_COUNTER: return D7ED_wGetZyklusUmlaufzaehler();
    case SYSVAR_IP_ADR: return 0u;
    case SYSVAR_COUNT_S7_COMANDS: return D7ED_GetAnzahlBefehleJeZyklus();
    case SYSVAR_TRUE: return 1u;
    case SYSVAR_FALSE: return 0u;
    default: return 0u;
    }
}
