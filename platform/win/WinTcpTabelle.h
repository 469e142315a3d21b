#pragma once
// Owner of a local TCP port.
#include <cstdint>

// Process id of the process holding a LISTENING TCP socket (IPv4 or IPv6)
// on local port wPort; 0 when there is none or its owner cannot be seen
// (another user's process).
uint32_t dwPidVonLokalemTcpPort(uint16_t wPort);
