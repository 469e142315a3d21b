#pragma once
// Owner of a local TCP port.
#include <cstdint>

// Process id of the process holding a LISTENING TCP socket (IPv4 or IPv6)
// on local port wPort; 0 when there is none or its owner cannot be seen
// (another user's process).
uint32_t dwPidVonLokalemTcpPort(uint16_t wPort);
// The same over the IPv4 and IPv6 tables, counting sockets in every state
// (listening, connected, closing) whose local port is wPort, in table
// order. Sockets that no process owns any more (TIME_WAIT) have no owner
// and are passed over.
uint32_t dwPidVonLokalemTcpPortAlleZustaende(uint16_t wPort);
