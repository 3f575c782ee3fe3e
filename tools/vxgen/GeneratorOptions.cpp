#include "tools/vxgen/GeneratorOptions.h"

#include <charconv>

namespace vxw::gen {

namespace {

constexpr int64_t Million = 1000000;

// Checks one value against its option; answers an error text or empty.
std::string ReadValue(const CountOption& option, const std::string& text, int64_t& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return "--" + std::string(option.name) + " needs a whole number, not \"" + text + "\"";
    }
    if (value < 0 || value > option.maximum) {
        return "--" + std::string(option.name) + " must lie within 0.." + std::to_string(option.maximum);
    }
    return {};
}

void AppendOptions(std::string& text, const std::vector<CountOption>& options) {
    for (const CountOption& option : options) {
        std::string line = "  --" + std::string(option.name) + " N";
        line.resize(std::max<size_t>(line.size() + 1, 26), ' ');
        text += line + option.help + " (default " + std::to_string(option.defaultValue) + ")\n";
    }
}

} // namespace

const std::vector<CountOption>& DesignOptions() {
    static const std::vector<CountOption> options{
        {"seed", 1, INT64_MAX, "seed of the generator"},
        {"circuits", 1, 1000, "circuits (hierarchies)"},
        {"pages", 4, Million, "schematic pages per circuit"},
        {"sch-comps", 100, 10 * Million, "schematic components per circuit"},
        {"lay-comps", 100, 10 * Million, "layout components per circuit"},
        {"nets", 50, 10 * Million, "nets per circuit"},
        {"nodes", 200, 50 * Million, "net nodes per circuit, spread over the nets"},
        {"trace-records", 500, 50 * Million, "trace records per circuit"},
        {"vias", 20, 10 * Million, "vias per circuit"},
        {"devices", 20, Million, "devices (parts) of the project library"},
        {"symbols", 10, Million, "schematic symbols of the project library"},
        {"packages", 10, Million, "packages of the project library"},
        {"padstacks", 4, Million, "padstack symbols of the project library"},
    };
    return options;
}

const std::vector<CountOption>& LibraryOptions() {
    static const std::vector<CountOption> options{
        {"seed", 1, INT64_MAX, "seed of the generator"},
        {"part-files", 3, 10000, "part files"},
        {"parts-per-file", 10, Million, "parts in each part file"},
        {"symbol-files", 3, 10000, "symbol files"},
        {"symbols-per-file", 10, Million, "symbols in each symbol file"},
        {"package-files", 3, 10000, "package files"},
        {"packages-per-file", 10, Million, "packages in each package file"},
        {"padstack-files", 2, 10000, "padstack files"},
        {"padstacks-per-file", 5, Million, "padstacks in each padstack file"},
        {"big-part-file", 0, Million, "parts of big.PART, using symbols and packages of every file"},
        {"big-symbol-file", 0, Million, "symbols of big.SYMBOL, used by the parts of every part file"},
        {"big-package-file", 0, Million, "packages of big.PACKAGE, used by the parts of every part file"},
    };
    return options;
}

std::string UsageText() {
    std::string text = "Usage: vxgen design FILE.vxd [options]     write a synthetic design file\n"
                       "       vxgen libraries FOLDER [options]   write synthetic library files\n"
                       "       vxgen --help                       show this help\n"
                       "The output is the same for the same options and seed.\n"
                       "\nDesign options (counts per circuit unless told):\n";
    AppendOptions(text, DesignOptions());
    text += "\nLibrary options:\n";
    AppendOptions(text, LibraryOptions());
    return text;
}

ParsedCommand ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommand parsed;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        parsed.help = true;
        return parsed;
    }
    if (args.size() < 2) {
        parsed.error = "a command and a path are needed";
        return parsed;
    }
    parsed.command = args[0];
    const std::vector<CountOption>* options = nullptr;
    if (parsed.command == "design") {
        options = &DesignOptions();
    } else if (parsed.command == "libraries") {
        options = &LibraryOptions();
    } else {
        parsed.error = "unknown command \"" + parsed.command + "\" (design or libraries)";
        return parsed;
    }
    parsed.path = args[1];
    if (parsed.path.empty() || parsed.path.front() == '-') {
        parsed.error = "the " + parsed.command + " command needs a path before its options";
        return parsed;
    }
    for (const CountOption& option : *options) {
        parsed.counts[option.name] = option.defaultValue;
    }
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& word = args[i];
        const CountOption* match = nullptr;
        for (const CountOption& option : *options) {
            if (word == "--" + std::string(option.name)) {
                match = &option;
            }
        }
        if (!match) {
            parsed.error = "unknown option \"" + word + "\" for " + parsed.command;
            return parsed;
        }
        if (i + 1 >= args.size()) {
            parsed.error = word + " needs a value";
            return parsed;
        }
        int64_t value = 0;
        parsed.error = ReadValue(*match, args[++i], value);
        if (!parsed.error.empty()) {
            return parsed;
        }
        parsed.counts[match->name] = value;
    }
    return parsed;
}

} // namespace vxw::gen
