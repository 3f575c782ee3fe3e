#pragma once
// The command line of vxgen: a command, one path and "--name value" count options. Every
// option has a default and an upper bound, so no request can ask for unbounded memory.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vxw::gen {

struct CountOption {
    const char* name; // without the leading "--"
    int64_t defaultValue;
    int64_t maximum;
    const char* help;
};

struct ParsedCommand {
    std::string command; // "design" or "libraries"
    std::string path;
    std::map<std::string, int64_t> counts; // every option of the command, defaults filled in
    std::string error;                     // set on a usage error
    bool help = false;

    int64_t Count(const std::string& name) const {
        const auto found = counts.find(name);
        return found == counts.end() ? 0 : found->second;
    }
};

const std::vector<CountOption>& DesignOptions();
const std::vector<CountOption>& LibraryOptions();

// args excludes the program name.
ParsedCommand ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();

} // namespace vxw::gen
