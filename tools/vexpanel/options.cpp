#include "options.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

namespace vexmoor::vexpanel {
namespace {

const std::map<std::string, std::string> kUsage = {
    {"list", "usage: vexpanel list MODULE\n"
             "  The module's gauges, in list order, with their sizes.\n"},
    {"inspect", "usage: vexpanel inspect MODULE [GAUGE]\n"
                "  The records as readable text: header, elements, tables, failures, mouse areas.\n"},
    {"render", "usage: vexpanel render MODULE GAUGE [--set TOKEN=VALUE]... [--fail KEY]... [--updates N] -o FILE.png\n"
               "  One gauge after N panel updates (default: until every needle has settled).\n"},
    {"panel", "usage: vexpanel panel MODULE [--set TOKEN=VALUE]... [--fail KEY]... [--updates N] -o FILE.png\n"
              "  Every gauge of the module laid out on one panel picture.\n"},
    {"click", "usage: vexpanel click MODULE GAUGE X Y\n"
              "  What a click at gauge pixel (X, Y) sends (event, cursor) and the gauge's tooltip code.\n"},
};

[[noreturn]] void fail(const std::string& message) { throw UsageError{message}; }

template <typename T>
T number(const std::string& text, const std::string& what) {
    T value{};
    const char* end = text.data() + text.size();
    int base = 10;
    const char* begin = text.data();
    if constexpr (std::is_integral_v<T>) {
        if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
            base = 16;
            begin += 2;
        }
        auto [p, ec] = std::from_chars(begin, end, value, base);
        if (ec != std::errc() || p != end) fail(what + " '" + text + "' is not a whole number");
    } else {
        char* p = nullptr;
        value = std::strtod(text.c_str(), &p);
        if (text.empty() || p != text.c_str() + text.size()) fail(what + " '" + text + "' is not a number");
    }
    return value;
}

}  // namespace

std::string usage(const std::string& command) {
    if (auto it = kUsage.find(command); it != kUsage.end()) return it->second;
    std::string all = "vexpanel: the reference panel host for gauge modules\n\n";
    for (const char* c : {"list", "inspect", "render", "panel", "click"}) all += kUsage.at(c);
    all += "\nTOKEN and KEY are host codes (decimal or 0x hex); VALUE is a number, nan or inf allowed.\n"
           "Each command takes --help.\n";
    return all;
}

Options parse_options(const std::vector<std::string>& args) {
    Options o;
    if (args.empty()) fail("no command given");
    o.command = args[0];
    if (o.command == "--help" || o.command == "-h" || o.command == "help") {
        o.help = true;
        o.command.clear();
        return o;
    }
    if (!kUsage.count(o.command)) fail("unknown command '" + o.command + "'");
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const std::string& flag) -> const std::string& {
            if (i + 1 >= args.size()) fail(flag + " needs a value");
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--set") {
            const std::string& v = value(a);
            const auto eq = v.find('=');
            if (eq == std::string::npos) fail("--set '" + v + "' is not TOKEN=VALUE");
            o.values.emplace_back(number<std::uint32_t>(v.substr(0, eq), "--set token"),
                                  number<double>(v.substr(eq + 1), "--set value"));
        } else if (a == "--fail") {
            o.failures.push_back(number<std::int32_t>(value(a), "--fail key"));
        } else if (a == "--updates") {
            const int n = number<int>(value(a), "--updates");
            if (n < 0) fail("--updates must not be negative");
            o.updates = n;
        } else if (a == "-o" || a == "--output") {
            o.output = value(a);
        } else if (a.size() > 1 && a[0] == '-' && !(a.size() > 1 && (std::isdigit(static_cast<unsigned char>(a[1]))))) {
            fail("unknown option '" + a + "' for " + o.command);
        } else {
            positional.push_back(a);
        }
    }
    if (o.help) return o;

    const bool takes_state = o.command == "render" || o.command == "panel";
    if (!takes_state && (!o.values.empty() || !o.failures.empty() || o.updates || !o.output.empty())) {
        fail(o.command + " takes no --set, --fail, --updates or -o");
    }
    std::size_t want_min = 1, want_max = 1;
    if (o.command == "inspect") want_max = 2;
    if (o.command == "render") want_min = want_max = 2;
    if (o.command == "click") want_min = want_max = 4;
    if (positional.size() < want_min) fail(o.command + ": missing arguments");
    if (positional.size() > want_max) fail(o.command + ": unexpected argument '" + positional[want_max] + "'");
    o.module = positional[0];
    if (o.module.empty()) fail(o.command + ": MODULE is an empty path");
    if (positional.size() > 1) o.gauge = positional[1];
    if (o.command == "click") {
        o.x = number<std::int32_t>(positional[2], "X");
        o.y = number<std::int32_t>(positional[3], "Y");
    }
    if (takes_state && o.output.empty()) fail(o.command + ": -o FILE.png is required");
    return o;
}

}  // namespace vexmoor::vexpanel
