#include "listgen/ListDocument.h"

#include "listgen/ReportContext.h"
#include "suite/TextRules.h"

#include <QSaveFile>

namespace vxw {
namespace {

QString Heading(const QString& titleAndName, const QString& body, const QString& formatHeader) {
    QString text;
    text.reserve(titleAndName.size() + formatHeader.size() + body.size() + 8);
    text += UpperCase(titleAndName);
    text += QLatin1Char(':');
    for (int i = 0; i < 3; ++i) {
        text += QLatin1String(kCrLf);
    }
    if (!body.isEmpty()) {
        text += formatHeader;
    }
    text += body;
    return text;
}

} // namespace

QString AddListHeading(const QString& title, const QString& body, const QString& formatHeader) {
    return Heading(title, body, formatHeader);
}

QString AddListHeadingWithName(const QString& title, const QString& name, const QString& body,
                               const QString& formatHeader) {
    return Heading(title + name, body, formatHeader);
}

QString MakeListName(const QString& description, const QString& name, bool nameFlag) {
    if (nameFlag) {
        return name;
    }
    return description.section(QLatin1Char('.'), 0, 0) + QLatin1Char(' ') + name;
}

QString WriteListFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    }
    QByteArray bytes = text.toLatin1();
    bytes += kCrLf;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    }
    return QString();
}

} // namespace vxw
