#include "status/status_presentation.h"

#include <filesystem>

#include "link/link_messages.h"

namespace orvan::status {
namespace {

constexpr ui::Colour kRed = ui::kRed;
constexpr ui::Colour kBlue = ui::kBlue;

// How a line looks in each display state. A null text means the text is
// computed: the state text while running, the error text when failed.
struct LineStyle {
    const char* text;
    ui::Colour colour;
    int fontSize;
    int top, height;
    const char* picture;
};

// Indexed by DisplayState: Ready, Running, Failed, Absent. The error text
// runs over several lines, hence the smaller font and the taller label.
constexpr LineStyle kPrinterStyles[] = {
    {"Ready", kBlue, 14, 600, 360, "P_READY.gif"},
    {nullptr, kRed, 14, 600, 360, "P_RUN.gif"},
    {nullptr, kRed, 11, 420, 1100, "P_ERROR.gif"},
    {link::kPrinterNotFound, kRed, 14, 600, 360, "P_ERROR.gif"},
};

// The laminator line sits below the printer line; an absent laminator is
// handled apart (its line is emptied and its picture hidden).
constexpr LineStyle kLaminatorStyles[] = {
    {"Ready", kBlue, 14, 2120, 360, "L_READY.gif"},
    {nullptr, kRed, 14, 2120, 360, "L_RUN.gif"},
    {nullptr, kRed, 11, 1940, 820, "L_ERROR.gif"},
};

StatusLine Styled(const LineStyle& style, std::string computedText) {
    StatusLine line;
    line.text = style.text ? std::string(style.text) : std::move(computedText);
    line.colour = style.colour;
    line.fontSize = style.fontSize;
    line.top = style.top;
    line.height = style.height;
    line.picture = style.picture;
    return line;
}

StatusLine PrinterLine(const ErrorCatalogue& catalogue, DisplayState state,
                       const StatusInputs& in) {
    std::string text;
    if (state == DisplayState::Running) text = PrinterStateText(in.status.printerState);
    if (state == DisplayState::Failed)
        text = PrinterErrorText(catalogue, in.status.printerResult, in.networkStatusWord);
    return Styled(kPrinterStyles[static_cast<int>(state)], std::move(text));
}

StatusLine LaminatorLine(const ErrorCatalogue& catalogue, DisplayState state,
                         const StatusInputs& in) {
    if (state == DisplayState::Absent) {
        StatusLine line;
        line.pictureVisible = false;
        return line;
    }
    std::string text;
    if (state == DisplayState::Running) text = LaminatorStateText(in.status.laminatorState);
    if (state == DisplayState::Failed)
        text = LaminatorErrorText(catalogue, in.status.laminatorResult, in.networkStatusWord);
    return Styled(kLaminatorStyles[static_cast<int>(state)], std::move(text));
}

}  // namespace

StatusView PresentStatus(const ErrorCatalogue& catalogue, const StatusInputs& in) {
    StatusView v;
    v.printerState = PrinterDisplayState(catalogue, in.status, in.printerConnected);
    v.laminatorState =
        LaminatorDisplayState(catalogue, in.status, in.printerConnected, in.laminatorInstalled);
    v.overall = OverallState(v.printerState, v.laminatorState);
    v.tint = OverallTint(v.overall);
    v.printer = PrinterLine(catalogue, v.printerState, in);
    v.laminator = LaminatorLine(catalogue, v.laminatorState, in);
    return v;
}

StatusInputs InputsOf(const link::LinkState& link, const link::PrinterData& data) {
    StatusInputs in;
    in.status = link.status;
    in.printerConnected = link.printerCount != 0;
    in.laminatorInstalled = data.identity.Option47() != 0;
    in.networkStatusWord = link.statusWord;
    return in;
}

namespace {

// The Status tab breaks a line with CR; a tooltip with LF.
std::string shownLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

// A device that works but reports a passing condition (a transient result)
// is a warning; a failed one an error.
GlanceLook AtAGlance(const ErrorCatalogue& catalogue, const StatusInputs& in) {
    const StatusView view = PresentStatus(catalogue, in);
    GlanceLook look;
    look.text = shownLines(view.printer.text);
    if (view.laminatorState != DisplayState::Absent && !view.laminator.text.empty())
        look.text += "\n" + shownLines(view.laminator.text);
    const auto transient = [&](link::ResultCode code) {
        return code != 0 && catalogue.ClassifyCode(code) == link::Severity::Transient;
    };
    switch (view.overall) {
        case DisplayState::Absent:
            look.state = Glance::NoPrinter;
            break;
        case DisplayState::Failed:
            look.state = Glance::Error;
            break;
        case DisplayState::Running:
        case DisplayState::Ready:
            if (transient(in.status.printerResult) || transient(in.status.laminatorResult))
                look.state = Glance::Warning;
            else
                look.state =
                    view.overall == DisplayState::Running ? Glance::Printing : Glance::Ready;
            break;
    }
    return look;
}

void ApplyStatusLine(const StatusLine& line, ui::Label& label, ui::PictureBox& picture,
                     const std::string& programDir) {
    label.setCaption(line.text);
    if (line.colour) label.setForeColour(*line.colour);
    if (line.fontSize) label.setFontSize(*line.fontSize);
    if (line.top) label.setTop(*line.top);
    if (line.height) label.setHeight(*line.height);
    picture.setVisible(line.pictureVisible);
    if (line.pictureVisible) picture.setPicture(ProgramFile(programDir, line.picture));
}

std::string ProgramFile(const std::string& programDir, const std::string& fileName) {
    if (programDir.empty()) return fileName;
    return (std::filesystem::path(programDir) / fileName).string();
}

}  // namespace orvan::status
