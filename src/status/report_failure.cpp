#include "status/report_failure.h"

namespace orvan::status {

std::string FailureText(const ErrorCatalogue& catalogue, const std::string& failureText,
                        ResultCode code, std::int32_t statusWord) {
    return failureText + "\r" + "Details:" + catalogue.DescribeCode(code, statusWord);
}

void ReportFailure(ui::MessageBoxes& boxes, const std::string& failureText, ResultCode code,
                   std::int32_t statusWord, const ErrorCatalogue& catalogue) {
    boxes.show(FailureText(catalogue, failureText, code, statusWord), ui::Icon::Warning,
               ui::Buttons::Ok);
}

void ReportCodeMessage(ui::MessageBoxes& boxes, ResultCode code, std::int32_t statusWord,
                       const ErrorCatalogue& catalogue) {
    boxes.show(catalogue.DescribeCode(code, statusWord), ui::Icon::Warning, ui::Buttons::Ok);
}

void ReportFault(ui::MessageBoxes& boxes, ResultCode code, std::int32_t statusWord,
                 const ErrorCatalogue& catalogue) {
    boxes.show(catalogue.DescribeCode(code, statusWord), ui::Icon::Error, ui::Buttons::Ok);
}

}  // namespace orvan::status
