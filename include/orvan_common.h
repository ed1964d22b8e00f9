/* Entry points of the common library, libLNKCOM.so, with C linkage: the
 * certificate conversions behind the IPsec key download.
 *
 * KQIKE_Pkcs12 opens a PKCS#12 file (.pfx, .p12) with its password and
 * writes the certificate (public key) and its private key.
 * KQIKE_DerToPem turns a DER-encoded certificate into PEM text.
 *
 * The password comes as single-byte character codes (ISO 8859-1). Its
 * length may count a terminating 0; the password ends at the first 0 byte.
 * Each output length is in and out: on entry the size of the output buffer,
 * on return the bytes written (0 after a failure). An output that does not
 * fit is a failure, and nothing is ever written past a buffer.
 * Both return 0 on success and a negative KQIKE_* code on failure.
 */
#ifndef ORVAN_COMMON_H
#define ORVAN_COMMON_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KQIKE_BAD_ARGUMENT (-1) /* a null pointer or a negative length */
#define KQIKE_UNREADABLE (-2)   /* not a file of that kind, or the wrong password */
#define KQIKE_TOO_LARGE (-3)    /* an output does not fit its buffer */

int32_t KQIKE_Pkcs12(const uint8_t* fileData, int32_t fileLength, const uint8_t* password,
                     int32_t passwordLength, uint8_t* publicOut, int32_t* publicLength,
                     uint8_t* privateOut, int32_t* privateLength);
int32_t KQIKE_DerToPem(const uint8_t* fileData, int32_t fileLength, uint8_t* pemOut,
                       int32_t* pemLength);

#ifdef __cplusplus
}
#endif

#endif /* ORVAN_COMMON_H */
