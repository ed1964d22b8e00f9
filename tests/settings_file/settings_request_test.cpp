// orvan-settings' command line, and the job it hands to a running monitor.
#include <gtest/gtest.h>

#include "cli/settings_options.h"
#include "settings_file/settings_request.h"

namespace orvan::testing {
namespace {

using settings_file::SettingsRequest;
using settings_file::Verb;

TEST(SettingsCommandLine, TakesEachCommandWithItsOwnOptionsOnly) {
    const struct {
        std::vector<std::string> args;
        std::string error;  // "" when taken
        SettingsRequest request;
        std::string output;
    } cases[] = {
        {{"save"}, "", {Verb::Save, "", "", false, true, false}, ""},
        {{"save", "--printer", "USB:Unit1", "-o", "a.json", "--network"},
         "",
         {Verb::Save, "", "USB:Unit1", false, true, true},
         "/home/u/a.json"},
        {{"diff", "f.json", "--all"},
         "",
         {Verb::Diff, "/home/u/f.json", "", true, true, false},
         ""},
        {{"apply", "/x/f.json", "--printer", "ORVAN02"},
         "",
         {Verb::Apply, "/x/f.json", "ORVAN02", false, true, false},
         ""},
        {{"apply", "f.json", "--yes"},
         "",
         {Verb::Apply, "/home/u/f.json", "", false, false, false},
         ""},
        {{"apply", "f.json", "--yes", "--dry-run"},
         "",
         {Verb::Apply, "/home/u/f.json", "", false, true, false},
         ""},
        {{}, "no command given", {}, ""},
        {{"restore"}, "unknown command: restore", {}, ""},
        {{"diff"}, "diff needs a FILE", {}, ""},
        {{"diff", "--all"}, "diff needs a FILE", {}, ""},
        {{"save", "--yes"}, "unexpected argument: --yes", {}, ""},
        {{"diff", "f", "--network"}, "unexpected argument: --network", {}, ""},
        {{"diff", "f", "--all", "--printer", "X"}, "unexpected argument: --printer", {}, ""},
        {{"diff", "f", "--printer"}, "unexpected argument: --printer", {}, ""},
        {{"diff", std::string(5000, 'f')}, "an argument is too long", {}, ""},
    };
    for (const auto& c : cases) {
        const auto parsed = cli::parseSettingsOptions(c.args, "/home/u");
        EXPECT_EQ(parsed.error, c.error) << ::testing::PrintToString(c.args);
        if (!c.error.empty() || !parsed.options) continue;
        EXPECT_EQ(parsed.options->request, c.request) << ::testing::PrintToString(c.args);
        EXPECT_EQ(parsed.options->output, c.output);
    }
}

TEST(SettingsHandoff, OnlyAWholeBoundedRequestReachesTheMonitorAndItsAnswerComesBack) {
    const SettingsRequest request{Verb::Apply, "/x/f.json", "USB:Unit1", false, false, false};
    std::string line = settings_file::encodeRequest(request);
    EXPECT_EQ(line.back(), '\n');
    EXPECT_EQ(settings_file::decodeRequest(line), request);

    const std::string refused[] = {
        "forward\n",
        "settings {\"verb\": \"format\", \"file\": \"/f\"}\n",
        "settings {\"verb\": \"diff\", \"file\": \"relative.json\"}\n",
        "settings {\"verb\": \"diff\", \"file\": 7}\n",
        "settings [1]\n",
        "settings {\"verb\": \"diff\", \"file\": \"/" + std::string(5000, 'a') + "\"}\n",
        "settings " + std::string(settings_file::kMaxRequestBytes, ' ') + "{}\n",
    };
    for (const auto& r : refused) EXPECT_FALSE(settings_file::decodeRequest(r)) << r.substr(0, 80);

    settings_file::RunAnswer answer;
    answer.problem = "no such printer: X";
    answer.printers.push_back({"USB:Unit1", settings_file::kExitDiffers, "text\n", "{}", ""});
    const auto back = settings_file::decodeAnswer(settings_file::encodeAnswer(answer));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->problem, answer.problem);
    EXPECT_EQ(back->exit(), settings_file::kExitUnknown);
    ASSERT_EQ(back->printers.size(), 1u);
    EXPECT_EQ(back->printers[0].text, "text\n");
    EXPECT_FALSE(settings_file::decodeAnswer(std::string(settings_file::kMaxAnswerBytes + 1, ' ')));
    EXPECT_FALSE(settings_file::decodeAnswer("{\"printers\": 3}"));
}

}  // namespace
}  // namespace orvan::testing
