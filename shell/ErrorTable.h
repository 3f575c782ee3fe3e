#pragma once
// The fixed table of kernel error codes and the text a report of one of them shows.

#include <QString>

namespace vxw {

class SuiteServices;

struct ErrorEntry {
    int code;
    const char* id;   // message id of the (first) text
    const char* text; // default text
    // Codes 36, 59, 86, 501 and 502 put the detail between two texts.
    const char* secondId;
    const char* secondText;
};

inline constexpr int kUnknownErrorCode = -1;

// The table entry of `code`; an unknown code gives the "Unknown Error" entry (991362).
const ErrorEntry& LookUpError(int code);

// The message of ReportError: the text of the code through the message catalogue, followed by
// the detail when the text ends in a blank (": " included); for the two-text codes the first
// text, the detail and the second text, with a blank put in where the two would otherwise run
// into one word; no detail for the other codes. Whether a code takes the detail is decided by
// its default text, so a catalogue text that lost its final blank does not lose the detail.
QString ReportErrorText(int code, const QString& detail, const SuiteServices& suite);
QString ReportErrorText(int code, const QString& detail); // through Suite()

} // namespace vxw
