// vexpanel on bad input: every mistake exits non-zero with one message that
// names the argument or file at fault, and nothing ends on a signal.
#include <gtest/gtest.h>

#include <fstream>

#include "command_run.h"

namespace vexmoor::test {
namespace {

// Files the cases name: {module} the real module, {fixture:NAME} a fixture,
// {text} a text file, {cut} the module cut short, {missing} a file that is
// not there, {dir} a directory, {out} a PNG to write.
class BadInputFiles {
public:
    BadInputFiles() {
        std::ofstream(scratch_.file("notes.txt")) << "gear down before landing\n";
        std::ifstream module(module_path(), std::ios::binary);
        std::string head(1024, '\0');
        module.read(head.data(), std::streamsize(head.size()));
        std::ofstream(scratch_.file("cut.gau"), std::ios::binary) << head;
    }

    std::string expand(std::string text) const {
        const std::pair<std::string, std::string> names[] = {
            {"{module}", module_path()},          {"{text}", scratch_.file("notes.txt")},
            {"{cut}", scratch_.file("cut.gau")}, {"{missing}", scratch_.file("absent.gau")},
            {"{dir}", scratch_.file("")},        {"{out}", scratch_.file("out.png")},
        };
        for (const auto& [name, path] : names) {
            for (auto at = text.find(name); at != std::string::npos; at = text.find(name)) {
                text.replace(at, name.size(), path);
            }
        }
        for (auto at = text.find("{fixture:"); at != std::string::npos; at = text.find("{fixture:")) {
            const auto end = text.find('}', at);
            text.replace(at, end + 1 - at, fixture_path(text.substr(at + 9, end - at - 9)));
        }
        return text;
    }

    std::vector<std::string> expand(const std::vector<std::string>& args) const {
        std::vector<std::string> out;
        for (const std::string& a : args) out.push_back(expand(a));
        return out;
    }

    std::string out_file() const { return scratch_.file("out.png"); }

private:
    ScratchDir scratch_;
};

struct BadCase {
    std::string name;
    std::vector<std::string> args;
    int exit_status;                   // 2: the command line is wrong; 1: a file or gauge is
    std::vector<std::string> message;  // each must appear in what it prints on stderr
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class VexpanelBadInput : public testing::TestWithParam<BadCase> {};

TEST_P(VexpanelBadInput, FailsNamingTheFault) {
    const BadInputFiles files;
    const BadCase& c = GetParam();
    const CommandResult r = run_vexpanel(files.expand(c.args));
    EXPECT_EQ(r.signal, 0) << r.err;
    EXPECT_EQ(r.exit_status, c.exit_status) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("vexpanel: ")) << r.err;
    for (const std::string& part : c.message) EXPECT_NE(r.err.find(files.expand(part)), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(files.out_file()));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, VexpanelBadInput,
    testing::Values(
        BadCase{"NoCommand", {}, 2, {"no command given", "usage: vexpanel list"}},
        BadCase{"UnknownCommand", {"draw", "{module}"}, 2, {"unknown command 'draw'"}},
        BadCase{"UnknownOption", {"list", "{module}", "--fast"}, 2, {"unknown option '--fast' for list"}},
        BadCase{"ListWithoutModule", {"list"}, 2, {"list: missing arguments", "usage: vexpanel list MODULE"}},
        BadCase{"RenderWithoutGauge", {"render", "{module}", "-o", "{out}"}, 2, {"render: missing arguments"}},
        BadCase{"ClickWithoutY", {"click", "{module}", "Flaps", "10"}, 2, {"click: missing arguments"}},
        BadCase{"ListExtraArgument", {"list", "{module}", "Flaps"}, 2, {"list: unexpected argument 'Flaps'"}},
        BadCase{"ClickExtraArgument", {"click", "{module}", "Flaps", "1", "2", "3"}, 2, {"unexpected argument '3'"}},
        BadCase{"EmptyModulePath", {"list", ""}, 2, {"list: MODULE is an empty path"}},
        BadCase{"SetWithoutEquals",
                {"render", "{module}", "Airspeed", "--set", "61", "-o", "{out}"},
                2,
                {"--set '61' is not TOKEN=VALUE"}},
        BadCase{"SetValueNotANumber",
                {"render", "{module}", "Airspeed", "--set", "61=fast", "-o", "{out}"},
                2,
                {"--set value 'fast' is not a number"}},
        BadCase{"SetTokenNotANumber",
                {"panel", "{module}", "--set", "speed=1", "-o", "{out}"},
                2,
                {"--set token 'speed' is not a whole number"}},
        BadCase{"SetWithoutValue", {"render", "{module}", "Airspeed", "--set"}, 2, {"--set needs a value"}},
        BadCase{"FailKeyNotANumber",
                {"render", "{module}", "Airspeed", "--fail", "pitot", "-o", "{out}"},
                2,
                {"--fail key 'pitot' is not a whole number"}},
        BadCase{"UpdatesNotANumber",
                {"render", "{module}", "Airspeed", "--updates", "many", "-o", "{out}"},
                2,
                {"--updates 'many' is not a whole number"}},
        BadCase{"UpdatesNegative",
                {"panel", "{module}", "--updates", "-1", "-o", "{out}"},
                2,
                {"--updates must not be negative"}},
        BadCase{"StateOnList", {"list", "{module}", "--set", "61=1"}, 2, {"list takes no --set"}},
        BadCase{"ClickXNotANumber", {"click", "{module}", "Flaps", "ten", "20"}, 2, {"X 'ten' is not a whole number"}},
        BadCase{"RenderWithoutOutput", {"render", "{module}", "Airspeed"}, 2, {"render: -o FILE.png is required"}},
        BadCase{"PanelWithoutOutput", {"panel", "{module}"}, 2, {"panel: -o FILE.png is required"}},
        BadCase{"OutputWithoutPath", {"panel", "{module}", "-o"}, 2, {"-o needs a value"}}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    FilesAndGauges, VexpanelBadInput,
    testing::Values(
        BadCase{"ModuleMissing", {"list", "{missing}"}, 1, {"{missing}: cannot open the file"}},
        BadCase{"ModuleIsADirectory", {"inspect", "{dir}"}, 1, {"{dir}: a directory, not a module file"}},
        BadCase{"ModuleIsADevice", {"list", "/dev/null"}, 1, {"/dev/null: not a regular file"}},
        BadCase{"ModuleIsText", {"list", "{text}"}, 1, {"{text}: not a Windows module"}},
        BadCase{"ModuleCutShort", {"list", "{cut}"}, 1, {"{cut}: ", "lies outside the file"}},
        BadCase{"InspectUnknownGauge", {"inspect", "{module}", "Compass"}, 1, {"{module}: no gauge named \"Compass\""}},
        BadCase{"RenderUnknownGauge",
                {"render", "{module}", "Compass", "-o", "{out}"},
                1,
                {"{module}: no gauge named \"Compass\""}},
        BadCase{"ClickUnknownGauge", {"click", "{module}", "Compass", "1", "1"}, 1, {"no gauge named \"Compass\""}},
        BadCase{"RenderWithoutArtwork",
                {"render", "{fixture:rules}", "Needles", "-o", "{out}"},
                1,
                {"{fixture:rules}: bitmap 0x0100 of gauge Needles, element 1", "no such bitmap resource"}},
        BadCase{"RenderNothingToDraw",
                {"render", "{fixture:bare}", "Bare", "-o", "{out}"},
                1,
                {"{fixture:bare}: gauge Bare: it has no elements to draw"}},
        BadCase{"PanelNothingToDraw",
                {"panel", "{fixture:bare}", "-o", "{out}"},
                1,
                {"{fixture:bare}: gauge Bare: it has no elements to draw"}},
        BadCase{"RenderIntoMissingDirectory",
                {"render", "{module}", "Flaps", "-o", "{missing}/flaps.png"},
                1,
                {"{missing}/flaps.png: cannot write the PNG file"}},
        BadCase{"PanelOntoADirectory", {"panel", "{module}", "-o", "{dir}"}, 1, {"cannot write the PNG file"}}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vexmoor::test
