#include "shell/ErrorTable.h"

#include "suite/SuiteServices.h"

#include <algorithm>
#include <iterator>

namespace vxw {

namespace {

// Sorted by code.
constexpr ErrorEntry kErrors[] = {
    {1, "99345", "Can't find Part: ", nullptr, nullptr},
    {2, "99364", "Can't read Part: ", nullptr, nullptr},
    {3, "99353", "Can't load Part: ", nullptr, nullptr},
    {4, "99472", "Component: ", nullptr, nullptr},
    {5, "99357", "Can't load Symbol/Package: ", nullptr, nullptr},
    {6, "99350", "Can't find Symbol/Package: ", nullptr, nullptr},
    {7, "99699", "Format definition incomplete", nullptr, nullptr},
    {8, "99394", "Cant Read Menu Profile", nullptr, nullptr},
    {9, "99327", "Can't create Symbol/Package: ", nullptr, nullptr},
    {10, "99308", "Can't create Item: ", nullptr, nullptr},
    {11, "99318", "Can't create Page Format: ", nullptr, nullptr},
    {12, "991508", "Can't assign Symbol/Package: ", nullptr, nullptr},
    {13, "99285", "Can't assign Part: ", nullptr, nullptr},
    {14, "99891", "Missing group(s) in Part: ", nullptr, nullptr},
    {15, "99300", "Can't create Component: ", nullptr, nullptr},
    {16, "99890", "Missing group(s) in Component: ", nullptr, nullptr},
    {17, "99305", "Can't create group within Component: ", nullptr, nullptr},
    {18, "99366", "Can't read group in Part: ", nullptr, nullptr},
    {19, "99371", "Can't read pin in Part: ", nullptr, nullptr},
    {20, "99346", "Can't find entry in Symbol/Package: ", nullptr, nullptr},
    {21, "99398", "Can't read entry in Symbol/Package: ", nullptr, nullptr},
    {22, "99395", "Can't assign number to Prefix: ", nullptr, nullptr},
    {23, "99472", "Component: ", nullptr, nullptr},
    {24, "99931", "Net: ", nullptr, nullptr},
    {25, "99370", "Can't read Net: ", nullptr, nullptr},
    {26, "99369", "Can't read Net/Node: ", nullptr, nullptr},
    {27, "99931", "Net: ", nullptr, nullptr},
    {28, "99349", "Can't find number for Net/Bus Name prefix: ", nullptr, nullptr},
    {29, "99560", "Part/Component incompatible: ", nullptr, nullptr},
    {30, "99929", "Net Text Edit - syntax error", nullptr, nullptr},
    {31, "99928", "Net Text Edit - Node included in Net: ", nullptr, nullptr},
    {32, "99927", "Net Text Edit - Component not found: ", nullptr, nullptr},
    {33, "99937", "Next Text Edit - Pin Not Found: ", nullptr, nullptr},
    {34, "99313", "Can't create node: ", nullptr, nullptr},
    {35, "99396", "Cant't create Net: ", nullptr, nullptr},
    {36, "991239", "Some nodes in Net: ", "99212", " are layout only - can't split"},
    {40, "99315", "Can't create Pad Stack for Vias", nullptr, nullptr},
    {41, "99333", "Can't create Via Pad Stack Item", nullptr, nullptr},
    {50, "99297", "Can't create Branch", nullptr, nullptr},
    {51, "99298", "Can't Create Branch Segment", nullptr, nullptr},
    {52, "99332", "Can't Create Via", nullptr, nullptr},
    {53, "99299", "Can't Create Bus: ", nullptr, nullptr},
    {54, "99288", "Can't connect ", nullptr, nullptr},
    {55, "99287", "Can't change side of ", nullptr, nullptr},
    {56, "99294", "Can't create B-point", nullptr, nullptr},
    {57, "99358", "Can't merge Pwr/Gnd with bus member", nullptr, nullptr},
    {58, "99359", "Can't merge two bus members", nullptr, nullptr},
    {59, "99272", "Bus: ", "99962", " not found"},
    {60, "99310", "Can't create more pages", nullptr, nullptr},
    {61, "99893", "Missing page: ", nullptr, nullptr},
    {62, "99311", "Can't create new page: ", nullptr, nullptr},
    {63, "991012", "Page: ", nullptr, nullptr},
    {64, "99372", "Can't rename Page: ", nullptr, nullptr},
    {65, "99341", "Can't delete Page: ", nullptr, nullptr},
    {70, "991315", "This component cannot be packaged", nullptr, nullptr},
    {71, "991316", "This component is already packaged", nullptr, nullptr},
    {72, "991317", "This component is unpacked", nullptr, nullptr},
    {73, "99716", "Gate unpackaged - can't swap", nullptr, nullptr},
    {74, "99719", "Gates of different type - can't swap", nullptr, nullptr},
    {75, "99343", "Can't execute swap: - ", nullptr, nullptr},
    {76, "99993", "Packaged components - change reference in Layout Editor", nullptr, nullptr},
    {77, "99272", "Bus: ", nullptr, nullptr},
    {78, "99384", "Can't split Bus Member: ", nullptr, nullptr},
    {80, "99381", "Can't save Temporary Backup: ", nullptr, nullptr},
    {81, "99397", "Can't load Temporary Backup: ", nullptr, nullptr},
    {84, "991201", "Set Point(s) to define rotation.", nullptr, nullptr},
    {85, "99351", "Can't load ", nullptr, nullptr},
    {86, "991131", "Save of ", "99680", " failed"},
    {90, "99306", "Can't create input for Clearance Check", nullptr, nullptr},
    {95, "99939", "No components with name prefix: ", nullptr, nullptr},
    {96, "99596", "Edit Comp. Relocate Error", nullptr, nullptr},
    {97, "99595", "Edit Comp. List Create Error", nullptr, nullptr},
    {100, "991254", "Start Main Application", nullptr, nullptr},
    {101, "991047", "Pins Must be in the same gate: ", nullptr, nullptr},
    {102, "991272", "Swaplevels for selected pins does not match: ", nullptr, nullptr},
    {103, "991041", "Pin(s) cannot be swapped logically  swaplevel = -1", nullptr, nullptr},
    {104, "991040", "Pin(s) are not nodes", nullptr, nullptr},
    {105, "99259", "Both components must be either packaged or unpackaged", nullptr, nullptr},
    {111, "13145", "No printing boundaries selected", nullptr, nullptr},
    {112, "13437", "Unable to create text, String is too long", nullptr, nullptr},
    {113, "99984", "Out of Range", nullptr, nullptr},
    {500, "991472", "Recursive Assignment! ", nullptr, nullptr},
    {501, "13457", "(Sub)circuit: ", "991474", "already assigned to other type of component"},
    {502, "13458", "Can't assign Circuit", "13459", " as Subcircuit"},
    {1000, "13460", "Check Page Size & Placement Patterns.", nullptr, nullptr},
    {1001, "13460", "Check Page Size & Placement Patterns.", nullptr, nullptr},
    {2000, "991347", "Type: Steps, Angle (in deg.)", nullptr, nullptr},
    {3000, "16319", "Can't create router project", nullptr, nullptr},
    {3001, "16320", "Can't create router field array", nullptr, nullptr},
    {3002, "16321", "Can't load prerouted wires", nullptr, nullptr},
};

static_assert(std::is_sorted(std::begin(kErrors), std::end(kErrors),
                             [](const ErrorEntry& a, const ErrorEntry& b) { return a.code < b.code; }),
              "the error table is searched by halving");

constexpr ErrorEntry kUnknownError{kUnknownErrorCode, "991362", "Unknown Error", nullptr, nullptr};

QString Look(const SuiteServices& suite, const char* defaultText, const char* id) {
    return suite.GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

bool EndsWithBlank(const QString& text) {
    return text.endsWith(QLatin1Char(' '));
}

// Appends `part`, putting a blank between when neither side has one at the joint.
void Join(QString& text, const QString& part) {
    if (!text.isEmpty() && !part.isEmpty() && !EndsWithBlank(text) && !part.startsWith(QLatin1Char(' '))) {
        text.append(QLatin1Char(' '));
    }
    text.append(part);
}

} // namespace

const ErrorEntry& LookUpError(int code) {
    const auto found =
        std::lower_bound(std::begin(kErrors), std::end(kErrors), code,
                         [](const ErrorEntry& entry, int value) { return entry.code < value; });
    if (found == std::end(kErrors) || found->code != code) {
        return kUnknownError;
    }
    return *found;
}

QString ReportErrorText(int code, const QString& detail, const SuiteServices& suite) {
    const ErrorEntry& entry = LookUpError(code);
    QString text = Look(suite, entry.text, entry.id);
    if (entry.secondId != nullptr) {
        Join(text, detail);
        Join(text, Look(suite, entry.secondText, entry.secondId));
        return text;
    }
    if (EndsWithBlank(QString::fromLatin1(entry.text))) {
        text.append(detail);
    }
    return text;
}

QString ReportErrorText(int code, const QString& detail) {
    return ReportErrorText(code, detail, Suite());
}

} // namespace vxw
