#pragma once
/* kolv_v2_mpi: the network adapters of the PC for the presets program.
 *
 * An adapter is one of the machine's network interfaces as getifaddrs()
 * lists them, in that order, the loopback interface left out:
 *   - name:        the interface name ("eth0", "wlp2s0", "d0");
 *   - description: a readable line with the interface's kind and its
 *                  hardware address from /sys/class/net/<name>/address,
 *                  for example "eth0: Ethernet adapter, MAC 52:54:00:12:34:56";
 *   - IP text:     its first IPv4 address in dotted form, "" when it has none.
 *
 * Instances
 * - MPI_V2_NeueInstanzAnlegen makes an instance and writes its handle (a
 *   positive number). An instance remembers one chosen adapter: set by
 *   MPI_V2_SetIPAdresseNetzwerkkartePC, forgotten by
 *   MPI_V2_ResetIPAdresseNetzwerkkartePC (the instance then works with no
 *   adapter, local host only), reported by MPI_V2_GetIPAdresseNetzwerkkartePC.
 * - Every function accepts the handle -1 (no instance) and any other handle
 *   that names no instance: nothing is read or written through it, output
 *   buffers get "" / 0, and the result is false.
 * - Null pointers are refused with false; nothing crashes.
 * - Texts written into the caller's buffers are zero-terminated and cut to
 *   the sizes stated below. Calls may come from any thread.
 */
#include <stdbool.h>
#include <stdint.h>

#if defined(KOLV_V2_MPI_BAU)
#define MPI_EXPORT __attribute__((visibility("default")))
#else
#define MPI_EXPORT
#endif

#define MPI_V2_NAME_LAENGE 355u
#define MPI_V2_BESCHREIBUNG_LAENGE 355u
#define MPI_V2_IP_LAENGE 50u
/* Size of the IP buffer of MPI_V2_GetIPAdresseNetzwerkkartePC. */
#define MPI_V2_IP_PUFFER_LAENGE 255u
/* The entry that the presets program adds for "local host only". */
#define MPI_V2_LOCAL_HOST_NAME "Veltrano_Local_host_only"

/* One adapter, 760 bytes. */
typedef struct MPI_DLL_NETZWERK_ADAPTER_STRUCT {
    char Name[MPI_V2_NAME_LAENGE];
    char Beschreibung[MPI_V2_BESCHREIBUNG_LAENGE];
    char IPAdresse[MPI_V2_IP_LAENGE];
} MPI_DLL_NETZWERK_ADAPTER_STRUCT;

#ifdef __cplusplus
static_assert(sizeof(MPI_DLL_NETZWERK_ADAPTER_STRUCT) == 760, "adapter record must be 760 bytes");
extern "C" {
#else
_Static_assert(sizeof(MPI_DLL_NETZWERK_ADAPTER_STRUCT) == 760, "adapter record must be 760 bytes");
#endif

/* Makes an instance that lists at most wMaxAdapter records (1..1000) and
 * writes its handle to *piHandle. False (handle -1 written when the pointer
 * is given) for a null pointer or a count out of range. */
MPI_EXPORT bool MPI_V2_NeueInstanzAnlegen(int32_t* piHandle, uint16_t wMaxAdapter);
/* Deletes the instance; false when the handle names none. */
MPI_EXPORT bool MPI_V2_InstanzLoeschen(int32_t iHandle);

/* Fills the table with the PC's adapters from record 0 on and writes their
 * number to *piAnzahl. After the adapters comes one spare record (all
 * fields ""), counted too, which the caller may overwrite with its own
 * local-host entry; so the count is the number of adapters plus one. At
 * most the instance's maximum number of records is written (adapters
 * beyond it are left out, the spare first). False with count 0 for an
 * unknown handle, a null pointer or when the interfaces cannot be read. */
MPI_EXPORT bool MPI_V2_MAC_GetNetAdapterImPC(int32_t iHandle,
                                             MPI_DLL_NETZWERK_ADAPTER_STRUCT* pTabelle,
                                             int32_t* piAnzahl);
/* Name, description and IP text (each buffer of 355 bytes) of the first
 * adapter that has an IPv4 address other than 0.0.0.0. False (buffers "")
 * when there is none or the handle is unknown. */
MPI_EXPORT bool MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(int32_t iHandle, char* pcName,
                                                                 char* pcBeschreibung,
                                                                 char* pcIP);
/* The instance works with the adapter whose IPv4 address is pcIP. False,
 * and the earlier choice kept, when no adapter of the PC has that address
 * (127.0.0.1 included: loopback is no adapter). */
MPI_EXPORT bool MPI_V2_SetIPAdresseNetzwerkkartePC(int32_t iHandle, const char* pcIP);
/* The instance works with no adapter. */
MPI_EXPORT bool MPI_V2_ResetIPAdresseNetzwerkkartePC(int32_t iHandle);
/* The IP text of the chosen adapter into pcIP (255 bytes); "" and true when
 * none is chosen; "" and false for an unknown handle. */
MPI_EXPORT bool MPI_V2_GetIPAdresseNetzwerkkartePC(int32_t iHandle, char* pcIP);

#ifdef __cplusplus
}
#endif
