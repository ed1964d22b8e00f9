// C entry points of the stand-in common library, libLNKCOM.so: the
// certificate conversions of the IPsec key download, done by OpenSSL on the
// real files (certificates/certificate_conversions.cpp). Unlike the printer
// libraries it serves no printer, so it keeps no simulated world.
#pragma GCC visibility push(default)
#include "orvan_common.h"
#pragma GCC visibility pop

#include "ports/certificates/certificate_conversions.h"

extern "C" {

// No exception leaves a C entry point: anything thrown (out of memory) is a
// failure like any other.
int32_t KQIKE_Pkcs12(const uint8_t* fileData, int32_t fileLength, const uint8_t* password,
                     int32_t passwordLength, uint8_t* publicOut, int32_t* publicLength,
                     uint8_t* privateOut, int32_t* privateLength) {
    try {
        return orvan::ports::ConvertPkcs12(fileData, fileLength, password, passwordLength,
                                           publicOut, publicLength, privateOut, privateLength);
    } catch (...) {
        return KQIKE_UNREADABLE;
    }
}

int32_t KQIKE_DerToPem(const uint8_t* fileData, int32_t fileLength, uint8_t* pemOut,
                       int32_t* pemLength) {
    try {
        return orvan::ports::ConvertDerToPem(fileData, fileLength, pemOut, pemLength);
    } catch (...) {
        return KQIKE_UNREADABLE;
    }
}

}  // extern "C"
