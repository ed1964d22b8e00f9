/* Entry points of the printer port libraries, with C linkage.
 *
 * Command library (USB printers):   libLNKCMD.so, functions KQCMD_*
 * Settings library (network):       libLNKSET.so, functions P_*, U_*, Px_*
 *
 * Every function returns a result code: 0 success, positive a transient
 * failure (try again), negative a condition or error. All calls block.
 * Buffers are owned by the caller; the sizes stated here are the most a
 * library ever writes into them.
 */
#ifndef ORVAN_PORTS_H
#define ORVAN_PORTS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define LNK_PAGE_BUFFER_SIZE 256  /* page, inquiry, log and position buffers */
#define LNK_REPLY_BUFFER_SIZE 513 /* network reply of setting/property/status queries */
#define LNK_QUEUE_REPLY_SIZE 544  /* network reply of the print-queue query */

/* Opaque records of the settings library. */
typedef struct LNK_REPLY_HEADER {
    int32_t sequence; /* sequence number of the reply */
    int32_t kind;     /* request kind answered */
    int32_t length;   /* bytes of reply data */
    int32_t reserved;
} LNK_REPLY_HEADER;

typedef struct LNK_CLOSE_RECORD {
    int32_t reserved[4];
} LNK_CLOSE_RECORD;

typedef struct LNK_PRINTER_LIST {
    void* handle; /* set by U_OpenPrinterList, released by U_FreePrinterList */
} LNK_PRINTER_LIST;

/* ---- Command library -------------------------------------------------- */
int32_t KQCMD_ScanPrinter(int32_t* slot, int32_t* scsiId);
int32_t KQCMD_ScanPrinterNext(int32_t* slot, int32_t* scsiId);
int32_t KQCMD_TestUnitReady(int32_t slot, int32_t scsiId);
/* Unlike the others: nonzero means the four values are valid, 0 try again. */
int32_t KQCMD_GetPrinterStatus(int32_t slot, int32_t scsiId, int32_t* printerResult,
                               int32_t* printerState, int32_t* laminatorResult,
                               int32_t* laminatorState);
int32_t KQCMD_ReadPosition(int32_t slot, int32_t scsiId, uint8_t* buffer);
int32_t KQCMD_StandardInquiry(int32_t slot, int32_t scsiId, uint8_t* buffer);
int32_t KQCMD_ModeSense(int32_t slot, int32_t scsiId, int32_t pageFormat, int32_t page,
                        uint8_t* buffer);
int32_t KQCMD_ModeSelect(int32_t slot, int32_t scsiId, int32_t pageFormat, int32_t page,
                         const uint8_t* request);
int32_t KQCMD_LogSense(int32_t slot, int32_t scsiId, int32_t page, uint8_t* buffer);
int32_t KQCMD_LogSelect(int32_t slot, int32_t scsiId, int32_t mode);
int32_t KQCMD_ReadBuffer(int32_t slot, int32_t scsiId, int32_t mode, int32_t bufferId,
                         uint8_t* data, int32_t offset, int32_t length);
int32_t KQCMD_WriteBuffer(int32_t slot, int32_t scsiId, int32_t mode, int32_t bufferId,
                          const uint8_t* data, int32_t offset, int32_t length);
int32_t KQCMD_SendDiagnostic(int32_t slot, int32_t scsiId, int32_t selfTest, int32_t testCode,
                             int32_t unitOffline);
/* widePath: two-byte characters, low byte first, ended by two 0 bytes. */
int32_t KQCMD_UpdateFirmware(int32_t slot, int32_t scsiId, const uint8_t* widePath, int32_t flags);
int32_t KQCMD_SecurityLock(int32_t slot, int32_t scsiId, int32_t operation, uint8_t* data,
                           int32_t length);

/* ---- Settings library ------------------------------------------------- */
int32_t P_Connect(int32_t* connection, int32_t mode, int32_t* statusWord, int16_t ipv6,
                  const uint8_t* address, int32_t requestList, int32_t reserved);
int32_t U_Set1stPrinterInfo(int32_t item, int32_t requestList);
int32_t U_SetNextPrinterInfo(int32_t item, int32_t requestList);
int32_t P_FlushSettingReq(int32_t connection, int32_t* statusWord, int32_t sequence,
                          int32_t requestList, int32_t mode, int32_t reserved);
int32_t P_FlushPropertyReq(int32_t connection, int32_t* statusWord, int32_t sequence,
                           int32_t requestList, int32_t reserved);
int32_t P_FlushStatusReq(int32_t connection, int32_t* statusWord, int32_t sequence,
                         int32_t requestList, int32_t reserved);
int32_t P_QueryQueueStatus(int32_t connection, int32_t* statusWord, int32_t sequence);
int32_t U_Set1stSettingValue(int32_t item, int32_t size, const uint8_t* value, int32_t requestList);
int32_t U_SetNextSettingValue(int32_t item, int32_t size, const uint8_t* value,
                              int32_t requestList);
int32_t P_FlushSettingValue(int32_t connection, int32_t* statusWord, int32_t sequence,
                            int32_t requestList, int32_t reserved1, int32_t reserved2);
/* replyLength: in, the capacity of reply; out, the bytes written. On 0 the
 * sequence number is set to the reply's. */
int32_t P_CheckReply(int32_t connection, int32_t* statusWord, int32_t* sequence,
                     LNK_REPLY_HEADER* header, uint8_t* reply, int32_t* replyLength,
                     int32_t timeout);
int32_t P_Close(int32_t connection, LNK_CLOSE_RECORD* record);
int32_t U_OpenPrinterList(LNK_PRINTER_LIST* list);
int32_t P_RefreshPrinterList(int16_t ipv6, LNK_PRINTER_LIST* list, int32_t* statusWord,
                             int32_t timeoutMs);
int32_t U_GetPrinterListSize(LNK_PRINTER_LIST* list, int32_t* size);
int32_t U_GetPrinterListData(LNK_PRINTER_LIST* list, uint8_t* data, int32_t size);
int32_t U_FreePrinterList(LNK_PRINTER_LIST* list);
int32_t Px_SecurityLock(int16_t ipv6, const uint8_t* address, int32_t operation, uint8_t* data,
                        int32_t length);

#ifdef __cplusplus
}
#endif

#endif /* ORVAN_PORTS_H */
