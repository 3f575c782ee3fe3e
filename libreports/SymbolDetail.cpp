#include "libreports/SymbolDetail.h"

#include "libreports/PartDetail.h"
#include "listgen/FieldProfile.h"
#include "listgen/ReportContext.h"

#include <span>

namespace vxw {
namespace {

const QString kBreak = QString::fromLatin1(kCrLf);

struct Line {
    int16_t field;
    const char* label;
    int token;
};

// The heading, the usage block when its field is shown, then the labelled lines.
template <typename Usage>
QString BuildDetail(const LibraryReportContext& context, const char* heading, int16_t usageField, Usage usage,
                    const QString& name, const QString& libraryText, const TokenList& tokens,
                    std::span<const Line> lines) {
    QString text = QLatin1String(heading) + name + kBreak;
    if (context.fields.IsFieldShown(usageField)) {
        text += usage() + kBreak;
    }
    if (context.fields.IsFieldShown(22)) {
        text += QStringLiteral("LIBRARY: ") + libraryText + kBreak;
    }
    for (const Line& line : lines) {
        if (context.fields.IsFieldShown(line.field)) {
            text += QLatin1String(line.label) + tokens.Token(line.token) + kBreak;
        }
    }
    return text;
}

constexpr Line kSymbolLines[]{
    {47, "TYPE: ", 2},
    {10, "DESCRIPTION: ", 1},
    {24, "MIXEDMODE SIM. FUNCTION: ", 3},
    {13, "VXSPICE ELEMENT CODE: ", 4},
    {14, "VXSPICE MODEL: ", 5},
    {15, "VXSPICE VARIANT: ", 6},
};

constexpr Line kPackageLines[]{
    {47, "TYPE: ", 2},
    {10, "DESCRIPTION: ", 1},
    {18, "JEDEC NAME: ", 3},
    {16, "IPC NAME: ", 5},
};

} // namespace

QString BuildSymbolDetail(const LibraryReportContext& context, const QString& name,
                          const QString& libraryText, const TokenList& tokens) {
    return BuildDetail(
        context, "SYMBOL: ", 63, [&] { return DescribePartUsage(context, name, kCrossSymbol); }, name,
        libraryText, tokens, kSymbolLines);
}

QString BuildPackageDetail(const LibraryReportContext& context, const QString& name,
                           const QString& libraryText, const TokenList& tokens) {
    return BuildDetail(
        context, "PACKAGE: ", 64, [&] { return DescribePartUsage(context, name, kCrossPackage); }, name,
        libraryText, tokens, kPackageLines);
}

QString BuildSymbolDetail(const LibraryReportContext& context, PartUsageIndex& usage, const QString& name,
                          const QString& libraryText, const TokenList& tokens) {
    return BuildDetail(
        context, "SYMBOL: ", 63, [&] { return DescribePartUsage(context, usage, name, kCrossSymbol); }, name,
        libraryText, tokens, kSymbolLines);
}

QString BuildPackageDetail(const LibraryReportContext& context, PartUsageIndex& usage, const QString& name,
                           const QString& libraryText, const TokenList& tokens) {
    return BuildDetail(
        context, "PACKAGE: ", 64, [&] { return DescribePartUsage(context, usage, name, kCrossPackage); },
        name, libraryText, tokens, kPackageLines);
}

} // namespace vxw
