#pragma once
/* kolv_d7ed: the PLC engine library.
 *
 * A small soft PLC without a program interpreter: memory areas, CPU state and
 * cycle, a block store, CPU type and properties, interrupts, a diagnosis
 * buffer, the communication identifier, the IP data of the TCP/IP interface
 * and the listening sockets the host hands over. The behaviour the host may
 * rely on is stated at each function and summarised in README.md beside this
 * header.
 *
 * General rules
 * - Every call comes from one thread (the host's graphical thread); nothing
 *   here locks, nothing starts a thread.
 * - Truth values are C bool (tested in their low byte by callers).
 * - Every function with an int* error out-parameter writes 0 on success and
 *   one of the D7ED_FEHLER_ codes below on failure. A null error pointer is
 *   allowed (the code is then dropped); a null pointer for any other
 *   argument, a missing file or an index out of range is refused with a code
 *   or a false result, never a crash.
 * - Texts are zero-terminated UTF-8. Where the engine writes a text into a
 *   caller's buffer without a size argument, the buffer must hold at least
 *   D7ED_TEXT_LAENGE bytes (IP texts: D7ED_IP_TEXT_LAENGE); the engine writes
 *   no more than that, cutting longer texts.
 * - Paths use '/'. A folder text may end with '/' or not.
 * - Words and double words in engine memory are big-endian.
 */
#include <stdbool.h>
#include <stdint.h>

#if defined(KOLV_D7ED_BAU)
#define D7ED_EXPORT __attribute__((visibility("default")))
#else
#define D7ED_EXPORT
#endif

/* Size of every memory area: any 16-bit byte address plus a double word
 * (65535 + 4) stays inside. */
#define D7ED_BEREICH_GROESSE 65540u
/* Bytes of the input image at D7ED_GetEAPtr (addresses 0..127); addresses
 * from 128 on live in the extended input image (D7ED_GetEPtr_Erweitert). */
#define D7ED_EA_GROESSE 128u
/* Minimum size of a caller's text buffer (identification texts, CPU name,
 * diagnosis texts). */
#define D7ED_TEXT_LAENGE 200u
/* Minimum size of a caller's buffer for an IP text ("255.255.255.255"). */
#define D7ED_IP_TEXT_LAENGE 16u
/* Capacity of the diagnosis buffer; the oldest event goes when it is full. */
#define D7ED_MAX_EREIGNISSE 100u
/* Start mode of D7ED_Start: warm restart (the only one). */
#define D7ED_STARTART_NEUSTART 100u

/* CPU states of D7ED_GetCPUZustand. */
#define D7ED_CPU_STOP 1
#define D7ED_CPU_RUN 2

/* Block types in the block store and in the directory. */
#define D7ED_BST_OB 8
#define D7ED_BST_DB 10
#define D7ED_BST_SDB 11
#define D7ED_BST_FC 12
#define D7ED_BST_SFC 13
#define D7ED_BST_FB 14
#define D7ED_BST_SFB 15
/* Length of the block image header; the data of a data block follow it. */
#define D7ED_BST_KOPF_LAENGE 36u

/* Clock memory byte number that switches the clock memory off. */
#define D7ED_TAKTMERKER_AUS 0xFFFFu

/* Kinds of the CPU properties file report. */
#define D7ED_BERICHT_WERTE 1
#define D7ED_BERICHT_ZEILEN 2
/* Values a CPU properties file holds. */
#define D7ED_EIGENSCHAFTEN_ANZAHL 100u

/* Port-102 waiting times when none are stored (milliseconds). */
#define D7ED_PORT102_WARTE_NACH_STOP 4000u
#define D7ED_PORT102_WARTE_VOR_START 2000u

/* The engine's registry storage of its IP data and waiting times. */
#define D7ED_REGISTRY_SCHLUESSEL "Software\\Harlenz-Software\\KOLV-D7ED"

/* Error codes of the int* error out-parameters (0 = success). */
#define D7ED_FEHLER_KEINER 0
#define D7ED_FEHLER_NULLZEIGER 1         /* a required pointer argument is null */
#define D7ED_FEHLER_INDEX 2              /* index or number out of range */
#define D7ED_FEHLER_PUFFER_ZU_KLEIN 3    /* result cut to the caller's buffer */
#define D7ED_FEHLER_PARAMETER 4          /* argument value not allowed */
#define D7ED_FEHLER_BAUSTEIN_FEHLT 10    /* no such block in the store */
#define D7ED_FEHLER_BAUSTEIN_GESCHUETZT 11 /* SFC/SFB: belongs to the CPU type */
#define D7ED_FEHLER_BAUSTEIN_UNGUELTIG 12 /* image too short, no "pp", header differs from the arguments */
#define D7ED_FEHLER_BAUSTEINTYP 13       /* block type that cannot be loaded */
#define D7ED_FEHLER_DB_LAENGE 14         /* data block access beyond its length */
#define D7ED_FEHLER_SDB_DATEI 15         /* system data block stored, its file could not be written */
#define D7ED_FEHLER_STARTART 20          /* start mode other than 100 */
#define D7ED_FEHLER_KOMMU_ID 30          /* identifier does not own the communication */
#define D7ED_FEHLER_KOMMU_DATEI 31       /* machine-wide claim file unusable */
#define D7ED_FEHLER_IP_ADRESSE 40        /* not a dotted IPv4 text */
#define D7ED_FEHLER_REGISTRY 41          /* registry storage cannot be written */
#define D7ED_FEHLER_REGISTRY_LEER 42     /* nothing stored in the registry storage */
#define D7ED_FEHLER_KEIN_PFAD 43         /* no IP data file path handed over */
#define D7ED_FEHLER_IP_DATEI 44          /* IP data file cannot be written */
#define D7ED_FEHLER_IP_DATEN 45          /* a value in the file or registry is damaged */
#define D7ED_FEHLER_SOCKET 60            /* not a listening TCP socket, or any-address refused */
#define D7ED_FEHLER_DIENST_PID 70        /* the service exists, its process id cannot be told */
/* Service functions pass the service manager's own codes (1060 service does
 * not exist, 1062 not running, 1056 already running). */

/* Result codes of D7ED_DatenAusAGDateiUebernehmen (0 = taken over). */
#define D7ED_AG_OK 0
#define D7ED_AG_KEIN_PFAD 100          /* no path given (null or empty) */
#define D7ED_AG_DATEI_FEHLT 101        /* file missing or unreadable */
#define D7ED_AG_ABSCHNITT_FEHLT 102    /* no section "VELTRANO_PLC_INI" */
#define D7ED_AG_KEINE_TEXTDATEI 103    /* not a text file (NUL bytes or over 1 MB) */
#define D7ED_AG_NAME 104               /* PLC_NAME missing or empty */
#define D7ED_AG_RAM 105                /* RAM_SIZE_KBYTE missing, not a number or 0 */
#define D7ED_AG_MERKER 106             /* MEMORY_BYTES missing, not a number, 0 or above 65535 */
#define D7ED_AG_ZEITEN_ZAEHLER 107     /* TIMER_NUMBER or COUNTER_NUMBER not a number or above 65535 */
#define D7ED_AG_BAUSTEINANZAHL 108     /* FC_NUMBER, FB_NUMBER or DB_NUMBER not a number or above 65535 */
#define D7ED_AG_OB_LISTE 109           /* OB_ARRAY missing, with a piece that is no number, or without OB 1 */
#define D7ED_AG_SFC_SFB_LISTE 110      /* SFC_ARRAY or SFB_ARRAY with a piece that is no number */

/* Periods of a time-of-day interrupt (TUhrzeitAlarm.wPeriode). */
#define D7ED_PERIODE_EINMAL 0x0000u
#define D7ED_PERIODE_MINUETLICH 0x0201u
#define D7ED_PERIODE_STUENDLICH 0x0401u
#define D7ED_PERIODE_TAEGLICH 0x1001u
#define D7ED_PERIODE_WOECHENTLICH 0x1201u
#define D7ED_PERIODE_MONATLICH 0x1401u
#define D7ED_PERIODE_JAEHRLICH 0x1801u
#define D7ED_PERIODE_MONATSENDE 0x2001u

/* Diagnosis event ids (D7ED_GetEreignis). */
#define D7ED_EREIGNIS_START 0x1001      /* STOP -> RUN */
#define D7ED_EREIGNIS_STOP 0x1002       /* RUN -> STOP */
#define D7ED_EREIGNIS_AG_DATEI 0x1010   /* CPU type taken over from a type file */
#define D7ED_EREIGNIS_AG_INTERN 0x1011  /* built-in CPU type set */
#define D7ED_EREIGNIS_BAUSTEIN 0x1020   /* block loaded into the store */

/* One time-of-day interrupt, 28 bytes, little-endian. The engine keeps the
 * named fields and returns the reserve bytes as 0. */
#pragma pack(push, 1)
typedef struct TUhrzeitAlarm {
    uint32_t dwAktiv;        /* 0: non-zero = active (the engine returns 0 or 1) */
    uint16_t wJahr;          /* 4 */
    uint8_t byMonat;         /* 6 */
    uint8_t byTag;           /* 7 */
    uint8_t byStunde;        /* 8 */
    uint8_t byMinute;        /* 9 */
    uint8_t byReserve1[2];   /* 10 */
    uint16_t wPeriode;       /* 12: D7ED_PERIODE_ code */
    uint8_t byReserve2[10];  /* 14 */
    uint8_t byPrioritaet;    /* 24 */
    uint8_t byReserve3[3];   /* 25 */
} TUhrzeitAlarm;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(TUhrzeitAlarm) == 28, "TUhrzeitAlarm must be 28 bytes");
extern "C" {
#else
_Static_assert(sizeof(TUhrzeitAlarm) == 28, "TUhrzeitAlarm must be 28 bytes");
#endif

/* ---------------------------------------------------------------- cycle */
/* True: the operating-system routine is due (always: it serves the sockets). */
D7ED_EXPORT bool D7ED_BSRoutineReady(void);
/* Accepts pending connections on the handed-over listening sockets, reads and
 * drops what held connections send, closes those the peer closed. */
D7ED_EXPORT void D7ED_BSRoutine(void);
/* True: a cycle is due (the CPU is in RUN). */
D7ED_EXPORT bool D7ED_Step7ZyklusReady(void);
/* One cycle, only in RUN: input image from the peripheral inputs (when the
 * process image update is on), cycle counter + 1, clock memory byte (when
 * active). In STOP it does nothing. */
D7ED_EXPORT void D7ED_Step7Zyklus(void);

/* ------------------------------------------------------------ CPU state */
/* STOP -> RUN with start mode 100 (warm restart); RUN stays RUN. Other
 * modes: false, D7ED_FEHLER_STARTART. Memory is kept. */
D7ED_EXPORT bool D7ED_Start(unsigned char byStartart, int* piFehler);
/* RUN -> STOP; STOP stays STOP. Always true. */
D7ED_EXPORT bool D7ED_Stop(int* piFehler);
/* D7ED_CPU_RUN (2) or D7ED_CPU_STOP (1). */
D7ED_EXPORT int D7ED_GetCPUZustand(int* piFehler);
/* Number of cycles run, wraps at 65536. */
D7ED_EXPORT uint16_t D7ED_wGetZyklusUmlaufzaehler(void);
/* Instructions per cycle: always 0 (the engine interprets no program). */
D7ED_EXPORT uint16_t D7ED_GetAnzahlBefehleJeZyklus(void);

/* --------------------------------------------------------------- memory */
/* Each returns the first byte of an area of D7ED_BEREICH_GROESSE bytes that
 * stays at the same place while the library is loaded; all start at 0. */
D7ED_EXPORT unsigned char* D7ED_GetPeriEPtr(void);      /* peripheral inputs */
D7ED_EXPORT unsigned char* D7ED_GetPeriAPtr(void);      /* peripheral outputs */
D7ED_EXPORT unsigned char* D7ED_GetMPtr(void);          /* memory bits */
D7ED_EXPORT unsigned char* D7ED_GetEAPtr(void);         /* input image, input bytes 0..127 */
D7ED_EXPORT unsigned char* D7ED_GetEPtr_Erweitert(void); /* extended input image: [k] = input byte 128 + k */
/* Copies wLaenge bytes between data block wDB (0..65535, from byte wAdr,
 * 0..65535) and pbPuffer: byRichtung 1 reads, 0 writes. The data are the
 * bytes after the block's header (as many as its code length). Returns 0,
 * or: NULLZEIGER, PARAMETER (direction not 0/1), BAUSTEIN_FEHLT (no block
 * wDB), DB_LAENGE (any byte beyond the data). On an error a read fills the
 * buffer with zeros and a write changes nothing. wLaenge 0 does nothing and
 * returns 0. */
D7ED_EXPORT int D7ED_ReadWriteDatenbaustein(unsigned char byRichtung, uint16_t wDB,
                                            uint16_t wAdr, uint16_t wLaenge,
                                            unsigned char* pbPuffer);

/* --------------------------------------------------------------- blocks */
/* Fills pwPuffer with two words per block (type, number), sorted by type and
 * number, the SFCs and SFBs of the CPU type included, then a (0, 0) entry.
 * dwMaxWorte is the buffer size in words. When not all fit, as many as fit
 * before the end entry are written, *pbGekuerzt = 1 and the error is
 * PUFFER_ZU_KLEIN (false); else *pbGekuerzt = 0. Fewer than 2 words or a
 * null buffer: NULLZEIGER/PUFFER_ZU_KLEIN, nothing written. */
D7ED_EXPORT bool D7ED_GetBausteinverzeichnis(uint16_t* pwPuffer, uint32_t dwMaxWorte,
                                             unsigned char* pbGekuerzt, int* piFehler);
/* Copies the block image into pPuffer (room for dwMaxWorte words) and
 * writes its length in words (bytes rounded up; an odd image gets a 0 pad
 * byte). SFC/SFB of the CPU type give a 36-byte header-only image. Missing
 * block: BAUSTEIN_FEHLT, *pwLaengeWorte = 0; too small a buffer:
 * PUFFER_ZU_KLEIN, nothing copied, *pwLaengeWorte = the needed length. */
D7ED_EXPORT bool D7ED_BstRead(unsigned char byTyp, uint16_t wNr, void* pPuffer,
                              uint32_t dwMaxWorte, uint16_t* pwLaengeWorte, int* piFehler);
/* Stores a block image of wLaenge bytes (replacing one of the same type and
 * number). The image must be at least 36 bytes, begin with "pp", and its
 * header must name the same type (byte 5), number (bytes 6-7) and length
 * (bytes 8-11, big-endian): else BAUSTEIN_UNGUELTIG. Types OB, DB, SDB, FC,
 * FB only (else BAUSTEINTYP); SFC/SFB: BAUSTEIN_GESCHUETZT. wKopfwert (the
 * header's bytes 32-33, 0 for a data block) is kept with the block. A data
 * block's data are the bytes 36.. for the code length in bytes 34-35
 * (big-endian), at most up to the image end. A system data block is also
 * written as "D7ED_SDB<number>.MC7" into the folder of D7ED_PfadeUebergeben
 * (when that failed: stored anyway, error SDB_DATEI, true). Each stored
 * block is recorded in the diagnosis buffer. */
D7ED_EXPORT bool D7ED_BstWrite(unsigned char byTyp, uint16_t wNr, uint16_t wLaenge,
                               uint16_t wKopfwert, const void* pBild, int* piFehler);
/* Deletes a block. SFC/SFB: BAUSTEIN_GESCHUETZT; missing: BAUSTEIN_FEHLT.
 * The files of system data blocks are left in the project folder. */
D7ED_EXPORT bool D7ED_BstLoeschen(unsigned char byTyp, uint16_t wNr, int* piFehler);
/* True for the block types D7ED_BstWrite stores (OB, DB, SDB, FC, FB), so
 * that a caller can tell from a block file's headers whether any of its
 * blocks would load. */
D7ED_EXPORT bool D7ED_bLadbarerTyp(unsigned char byTyp);

/* ------------------------------------------------------------- CPU type */
/* Sets the built-in CPU "312C" (its SFCs/SFBs, sizes, identification). */
D7ED_EXPORT bool D7ED_AGInternEinstellen_C312(void);
/* Takes a CPU type file over (ini, section "VELTRANO_PLC_INI"). True and
 * *piErgebnis = 0 on success; else false, a D7ED_AG_ code, type unchanged. */
D7ED_EXPORT bool D7ED_DatenAusAGDateiUebernehmen(const char* pcPfad, int* piErgebnis);
/* Name, RAM size KB, and thirteen 16-bit values of the current CPU type:
 * 1 local data bytes, 2 number of OBs, 3 FBs, 4 FCs, 5 DBs, 6 peripheral
 * input bytes, 7 peripheral output bytes, 8 memory bytes, 9 timers,
 * 10 counters, 11 process image bytes (inputs and outputs alike), 12 number
 * of SFCs, 13 number of SFBs. Null pointers are skipped. */
D7ED_EXPORT bool D7ED_GetAGInfoDaten(char* pcName, uint32_t* pdwRamKB, uint16_t* pw1,
                                     uint16_t* pw2, uint16_t* pw3, uint16_t* pw4,
                                     uint16_t* pw5, uint16_t* pw6, uint16_t* pw7,
                                     uint16_t* pw8, uint16_t* pw9, uint16_t* pw10,
                                     uint16_t* pw11, uint16_t* pw12, uint16_t* pw13,
                                     int* piFehler);
/* Six identification texts: 1 module name, 2 order number, 3 hardware
 * version, 4 firmware version, 5 serial number, 6 plant designation. Null
 * buffers are skipped. */
D7ED_EXPORT bool D7ED_GetIdentifikationsdaten(char* pcText1, char* pcText2, char* pcText3,
                                              char* pcText4, char* pcText5, char* pcText6,
                                              int* piFehler);

/* ------------------------------------------------------- CPU properties */
/* Writes the properties as an ini-style text file, atomically; false when it
 * cannot be written (an old file then stays). After a write, temporary files
 * an interrupted write left beside the file are removed. */
D7ED_EXPORT bool D7ED_bSPSEigenschaftenSpeichern(const char* pcPfad);
/* Reads a file written by D7ED_bSPSEigenschaftenSpeichern (or by hand):
 * sections and keys match without regard to letter case; each value that is
 * missing or out of range takes its default, every other value is taken; an
 * unknown key, a key given twice (the first counts) and a line that is no key
 * line are left out. True only when the file gave every value and nothing was
 * left out; a missing or unreadable file sets every default and gives false.
 * D7ED_GetSPSEigenschaftenBericht tells what was not taken. Defaults: clock
 * memory byte 0 off, process image update on, missing SFB/SFC not ignored,
 * monitoring time 150 ms, interrupts inactive with priority 0 (time-of-day),
 * interval 100 ms and priority 12 (cyclic), value 0 and bytes 0, 1 (delay). */
D7ED_EXPORT bool D7ED_bSPSEigenschaftenLaden(const char* pcPfad);
/* The report of the last D7ED_bSPSEigenschaftenLaden. iArt
 * D7ED_BERICHT_WERTE: the values that took their defaults (missing or
 * invalid), one line per section "[SECTION] Key, Key"; of the
 * D7ED_EIGENSCHAFTEN_ANZAHL values of a file. iArt D7ED_BERICHT_ZEILEN: the
 * lines left out, one per line "number: text" (number from 1, text trimmed,
 * cut after 60 bytes, control characters as '?'). Each line ends with "\n";
 * pcText (null allowed) gets the whole lines that fit dwGroesse bytes with
 * the terminating zero. Returns the number of values or lines, also of those
 * that did not fit; 0 for another iArt. */
D7ED_EXPORT uint32_t D7ED_GetSPSEigenschaftenBericht(int iArt, char* pcText, uint32_t dwGroesse);
D7ED_EXPORT bool D7ED_GetSFCSGBIgnorieren(void);
D7ED_EXPORT bool D7ED_SFCSGBIgnorieren(bool bIgnorieren);
/* The clock memory byte number last set below 0xFFFF (kept while off). */
D7ED_EXPORT uint16_t D7ED_GetTaktMerkerByteNr(void);
D7ED_EXPORT bool D7ED_IstGetTaktMerkerAktiv(void);
/* A number below 0xFFFF sets the byte and switches the clock memory on;
 * 0xFFFF switches it off and keeps the byte number. */
D7ED_EXPORT bool D7ED_SetTaktMerkerByteNr(uint16_t wByteNr);
D7ED_EXPORT unsigned char D7ED_GetPAEPAAAktualisieren(void);
/* Non-zero switches the process image update on. */
D7ED_EXPORT bool D7ED_SetPAEPAAAktualisieren(unsigned char byAktualisieren);
D7ED_EXPORT uint16_t D7ED_wGetZyklusUeberwachungszeit(void);
/* Kept as given (no program runs, so nothing is monitored). */
D7ED_EXPORT bool D7ED_SetZyklusUeberwachungszeit(uint16_t wMs);

/* ----------------------------------------------------------- interrupts */
/* Time-of-day interrupt OB10 + byIndex (0..7). Index out of range: false,
 * record zeroed (get) or nothing stored (set). */
D7ED_EXPORT bool D7ED_GetUhrzeitOBDaten(unsigned char byIndex, TUhrzeitAlarm* pAlarm);
D7ED_EXPORT bool D7ED_SetUhrzeitOBDaten(unsigned char byIndex, const TUhrzeitAlarm* pAlarm);
/* Cyclic interrupt OB30 + byIndex (0..8): interval in ms and priority. */
D7ED_EXPORT bool D7ED_GetWeckAlarmDaten(unsigned char byIndex, uint16_t* pwIntervall,
                                        unsigned char* pbyPrioritaet);
D7ED_EXPORT bool D7ED_SetWeckAlarmDaten(unsigned char byIndex, uint16_t wIntervall,
                                        unsigned char byPrioritaet);
/* Delay interrupt OB20 + byIndex (0..3): delay in ms, a "started" byte and
 * an "enabled" byte (both only kept). */
D7ED_EXPORT bool D7ED_GetVerzoegerungsAlarm(unsigned char byIndex, uint32_t* pdwWert,
                                            unsigned char* pbyGestartet,
                                            unsigned char* pbyFreigegeben);
D7ED_EXPORT bool D7ED_SetVerzoegerungsAlarm(unsigned char byIndex, uint32_t dwWert,
                                            unsigned char byGestartet,
                                            unsigned char byFreigegeben);

/* ------------------------------------------------------------ diagnosis */
/* Number of recorded events (index 0 the oldest, count - 1 the newest). */
D7ED_EXPORT uint16_t D7ED_GetAnzahlEreignisse(int* piFehler);
/* Id (D7ED_EREIGNIS_), the millisecond clock at the event, block type and
 * number (0 when the event concerns no block). Out of range: zeros, false. */
D7ED_EXPORT bool D7ED_GetEreignis(uint16_t wIndex, uint16_t* pwId, uint32_t* pdwWert,
                                  unsigned char* pbyBstTyp, uint16_t* pwBstNr);
/* The event's text in the current language, shaped
 * "//<description> /dd.mm.yyyy hh:mm:ss:mmm" (local time of the event); at
 * most D7ED_TEXT_LAENGE bytes. Out of range: "" and false. */
D7ED_EXPORT bool D7ED_GetEreignisString(uint16_t wIndex, char* pcText);
/* True: the engine's own texts in English, false: German (the default). */
D7ED_EXPORT void D7ED_SetEnglishLanguage(bool bEnglisch);

/* ---------------------------------------------------- project and files */
/* Hands over the project folder (system data block files go there), a name
 * (kept, not used) and the path of the IP data file. False when the folder
 * or the path is null or empty, or the path's folder does not exist. */
D7ED_EXPORT bool D7ED_PfadeUebergeben(const char* pcOrdner, const char* pcName,
                                      const char* pcPfad);

/* ------------------------------------------- communication identifier */
/* Claims the engine's communication for dwKommuID when nobody holds it or
 * its holder's process has ended, and answers whether dwKommuID holds it.
 * The claim is machine-wide (for the user): a file in $XDG_RUNTIME_DIR (or
 * /tmp) names the identifier and the claiming process. When that file cannot
 * be used, the claim holds within this process only. */
D7ED_EXPORT bool D7ED_IstKommuIDKorrekt(uint32_t dwKommuID);
/* When dwKommuID holds (or may claim) the communication: closes the held
 * connections, forgets the listening sockets (the host closes them) and
 * releases the claim; true. Else false, *piFehler1 = KOMMU_ID.
 * *piFehler2 is always 0. */
D7ED_EXPORT bool D7ED_D7ED_Kommu_Exit(uint32_t dwKommuID, int* piFehler1, int* piFehler2);

/* -------------------------------------------------------------- IP data */
/* The running configuration (the data in effect) is shared by every
 * process of the user: D7ED_IPDatenAusRegistryEinstellen writes it into the
 * file "kolv_d7ed_ip_<uid>" of $XDG_RUNTIME_DIR (or /tmp), and the getters
 * below read it from there, so the presets program sees what Veltrano has
 * taken over. Before any process has taken data over it is empty.
 *
 * Running configuration: first IP text ("" = none) with its S7 port and its
 * internal port (0 = none). Null pointers are skipped. */
D7ED_EXPORT bool D7ED_GetEingestellteIPDaten(char* pcIP, uint16_t* pwPortS7,
                                             uint16_t* pwPortIntern);
/* Running configuration: second IP text with its first and second port. */
D7ED_EXPORT bool D7ED_GetEingestellteIPDaten_2(char* pcIP, uint16_t* pwPort3, uint16_t* pwPort4);
/* Running configuration: 1 when programming-device accesses to inputs are
 * redirected to the periphery, else 0. */
D7ED_EXPORT unsigned char D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten(void);
/* Registry storage, first set. The IP text must be "" or a dotted IPv4
 * address (else IP_ADRESSE); the redirection byte is stored as 0 or 1.
 * Also makes the (empty) key "Software\Harlenz-Software\HARLENZ-D7ED-TCP-IP"
 * when it is missing, which the presets program only opens to store its
 * network adapter, as the engine's installation provides it elsewhere. */
D7ED_EXPORT bool D7ED_IPDatenInRegistryAbspeichern(const char* pcIP, uint16_t wPortS7,
                                                   uint16_t wPortIntern,
                                                   unsigned char byUmleiten, int* piFehler);
/* Registry storage, second set. */
D7ED_EXPORT bool D7ED_IPDaten_2_InRegistryAbspeichern(const char* pcIP, uint16_t wPort3,
                                                      uint16_t wPort4, int* piFehler);
/* IP data file -> registry storage (needs the identifier). Each of the
 * seven keys of section "D7ED_DATEN" takes the file's value when it is valid
 * (judged as by D7ED_IPDateiWertGueltig; an empty port counts as not given),
 * else the empty value ("" / 0): a key the file does not name, or names with
 * a damaged value, never keeps what was stored before. A missing file gives
 * every key its empty value. Other values of the storage (the port-102
 * waiting times, the presets program's adapter key) are not touched; a
 * missing path (KEIN_PFAD) changes nothing. A damaged value, a line that
 * cannot be read (neither blank, comment, section head nor key line, or with
 * a control character) in "D7ED_DATEN" or before the first section, or a
 * file that cannot be read or decoded give false with IP_DATEN after the
 * valid keys were stored, so that the caller keeps the file from being
 * overwritten unasked. Other sections are not judged. */
D7ED_EXPORT bool D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(uint32_t dwKommuID,
                                                                int* piFehler);
/* Registry storage -> running configuration (needs the identifier). Nothing
 * stored yet gives the empty configuration (TCP/IP off) and true; a damaged
 * stored value gives IP_DATEN and leaves the running configuration. */
D7ED_EXPORT bool D7ED_IPDatenAusRegistryEinstellen(uint32_t dwKommuID, int* piFehler);
/* Registry storage -> IP data file (section "D7ED_DATEN"). The lines that
 * make the reader count the file as damaged (unreadable lines in
 * "D7ED_DATEN" and before the first section) are dropped, all other lines
 * and sections are kept. All keys go into the file with one atomic replace;
 * the temporary files an interrupted write left beside it are removed. */
D7ED_EXPORT bool D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(int* piFehler);
/* True when the IP data file reader takes this value for this key of section
 * "D7ED_DATEN" (blanks around it trimmed): an IP text "" or dotted IPv4, a
 * port 0..65535 in decimal digits, the redirection 0 or 1. False for an
 * unknown key. The host reads the same keys by this rule. */
D7ED_EXPORT bool D7ED_IPDateiWertGueltig(const char* pcSchluessel, const char* pcWert);
/* True while the engine holds at least one listening socket. */
D7ED_EXPORT bool D7ED_TcpIpKommuAktiv(void);

/* ---------------------------------------------- port-102 waiting times */
D7ED_EXPORT bool D7ED_SindPort102TimeDatenInRegistryVorhanden(void);
/* Stores 4000 / 2000 ms. */
D7ED_EXPORT bool D7ED_StandardPort102TimeDatenInRegistrySchreiben(int* piFehler);
/* Reads the stored times; nothing (or damage) stored: the defaults 4000 /
 * 2000 are written to the outputs, false, REGISTRY_LEER. */
D7ED_EXPORT bool D7ED_Port102TimeDaten_AusRegistryAuslesen(uint16_t* pwNachStop,
                                                           uint16_t* pwVorStart, int* piFehler);
D7ED_EXPORT bool D7ED_Port102TimeDaten_InRegistryAbspeichern(uint16_t wNachStop,
                                                             uint16_t wVorStart, int* piFehler);

/* ---------------------------------------------------- listening sockets */
/* 0 forbids listening sockets bound to the any-address "0.0.0.0"; non-zero
 * (the default) permits them. */
D7ED_EXPORT bool D7ED_SetListenSocket_IP_0_Zulassen(unsigned char byZulassen);
/* The engine uses the host's non-blocking listening socket *piSlot as its
 * slot 1..4 (a new hand-over replaces that slot; the pointer is not kept).
 * The host keeps ownership and closes it; the engine notices a closed socket
 * at its next D7ED_BSRoutine or D7ED_TcpIpKommuAktiv and drops it. False
 * (the slot is then empty): null pointer, -1, not a listening TCP socket,
 * blocking, or bound to "0.0.0.0" while that is not permitted. */
D7ED_EXPORT bool D7ED_ListenSocket_1_Uebergeben(int* piSlot);
D7ED_EXPORT bool D7ED_ListenSocket_2_Uebergeben(int* piSlot);
D7ED_EXPORT bool D7ED_ListenSocket_3_Uebergeben(int* piSlot);
D7ED_EXPORT bool D7ED_ListenSocket_4_Uebergeben(int* piSlot);

/* ---------------------------------------------- services and port 102 */
/* Asks the service manager. Not installed: true, *pbLaeuft false,
 * *pbNichtInstalliert true, error 0. Other failure: false with its code. */
D7ED_EXPORT bool D7ED_WindowsServiceVorhandenUndGestartet(const char* pcName, bool* pbLaeuft,
                                                          bool* pbNichtInstalliert,
                                                          int* piFehler);
D7ED_EXPORT bool D7ED_WindowsServiceStop(const char* pcName, int* piFehler);
D7ED_EXPORT bool D7ED_WindowsServiceStart(const char* pcName, int* piFehler);
/* Process id of the service, error 0. Else 0 with the service manager's code
 * (1060: no such service), or DIENST_PID for a service that exists but whose
 * process cannot be told (stopped, or unknown to the service manager; on
 * Linux only a test's service table names processes). */
D7ED_EXPORT uint32_t D7ED_GetPidFromSiemensService(const char* pcName, int* piFehler);
/* Process id of the holder of listening local TCP port 102, 0 when none. */
D7ED_EXPORT uint32_t D7ED_GetPidFromAllocateProcessOfPort102(void);
/* The same for any local TCP port. */
D7ED_EXPORT uint32_t D7ED_GetPidVonLokalemTcpPort(uint16_t wPort);
/* 0 on Linux: that program does not exist here. */
D7ED_EXPORT bool D7ED_IsTIAPortalStarted(void);
/* 0 on Linux: no sibling programming package is attached. */
D7ED_EXPORT unsigned char D7ED_IstPelmoraVorhanden(void);

#ifdef __cplusplus
}
#endif
