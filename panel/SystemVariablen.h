// System variables that panel objects can show instead of an operand
// (engine state, host flags, counters), and the display formats of dynamic
// texts. Both tables end at a row with an empty name; the dialogs list
// them in this order.
#pragma once

#include <cstdint>
#include <string>

struct TSystemVariable {
    const char* cName;   // "$RUN", ...; "" ends the table
    int32_t iID;         // value of the object's Variable field
    uint8_t bBool;       // 1: a truth value (offered by the LED dialog)
};

enum : int32_t {
    SYSVAR_RUN = 3,
    SYSVAR_STOP = 4,
    SYSVAR_PELMORA = 5,
    SYSVAR_SIMATIC_NET = 6,
    SYSVAR_TCPIP_ACTIVE = 7,
    SYSVAR_CYCLIC_COUNTER = 8,
    SYSVAR_TRUE = 10,
    SYSVAR_FALSE = 11,
    SYSVAR_IP_ADR = 12,
    SYSVAR_COUNT_S7_COMANDS = 13,
};

extern const TSystemVariable SystemVariable[];

struct TDarstellungsformat {
    const char* cName;   // "DECIMAL", ...; "" ends the table
    int32_t iID;         // value of the object's Darstellung field
};

extern const TDarstellungsformat Darstellungsformat[];

// The value of a system variable; 0 for an identifier not in the table.
// The engine's CPU state is asked once per read, before the value is taken.
uint32_t dwSystemVariableWert(int32_t iID);

// The host's TCP/IP-active flag behind "$TCPIP_ACTIVE". It starts false;
// nothing in the program sets it yet.
extern bool bTCPIPAktiv;

// The IP address text that "$IP_ADR" shows: the program's IP-ADR setting,
// "127.0.0.1" until the settings set it.
const std::string& IPAdresseText();
void IPAdresseTextSetzen(const std::string& sAdresse);
