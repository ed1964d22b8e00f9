// How each carrier of settings reaches the printer: the mode page over USB,
// the screen's requests over the network, and the right a change needs.
#include "link/net_requests.h"
#include "link/page_layouts.h"
#include "settings_file/setting_catalogue.h"

namespace orvan::settings_file {
namespace {

const CarrierLink kCarriers[] = {
    {link::kPrintConditionPage, &link::NetworkRequests::conditionRead,
     &link::NetworkRequests::conditionWrite, "print condition page (0x28)", "Printer Setting", 1},
    {link::kMagneticPage, &link::NetworkRequests::conditionRead,
     &link::NetworkRequests::conditionWrite, "magnetic page (0x2A)", "Printer Setting", 1},
    {link::kPrintConditionPage, &link::NetworkRequests::retransferRead,
     &link::NetworkRequests::retransferWrite, "print condition page (0x28)", "Retransfer", 2},
    {link::kPrintConditionPage, &link::NetworkRequests::mediaRead,
     &link::NetworkRequests::mediaWrite, "print condition page (0x28)", "Media Setting", 4},
    {link::kPrintConditionPage, &link::NetworkRequests::bendRemedyRead,
     &link::NetworkRequests::bendRemedyWrite, "print condition page (0x28)", "Bend Remedy", 3},
    {link::kLaminatorPage, &link::NetworkRequests::laminatorRead,
     &link::NetworkRequests::laminatorWrite, "laminator page (0x2C)", "Laminator", 8},
    {link::kNetworkPage, &link::NetworkRequests::networkRead, &link::NetworkRequests::networkWrite,
     "network page (0x2D)", "Printer Select", 7},
};

}  // namespace

const CarrierLink& carrierLink(Carrier carrier) {
    return kCarriers[static_cast<int>(carrier)];
}

}  // namespace orvan::settings_file
