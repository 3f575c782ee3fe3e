#include "suite/MessageCatalogue.h"

#include "kernel/BoundedFileRead.h"
#include "suite/TextRules.h"

#include <QStringDecoder>

namespace vxw {

namespace {

QString Unescape(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('t')) {
                result.append(QLatin1Char('\t'));
            } else if (next == QLatin1Char('n')) {
                result.append(QLatin1Char('\n'));
            } else if (next == QLatin1Char('r')) {
                result.append(QLatin1Char('\r'));
            } else if (next == QLatin1Char('\\')) {
                result.append(QLatin1Char('\\'));
            } else {
                result.append(c);
                continue;
            }
            ++i;
            continue;
        }
        result.append(c);
    }
    return result;
}

} // namespace

MessageCatalogue MessageCatalogue::FromText(const QByteArray& text) {
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder(bytes);
    if (decoder.hasError()) {
        decoded = QString::fromLatin1(bytes);
    }
    MessageCatalogue catalogue;
    const QStringView all(decoded);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0) {
            end = all.size();
        }
        QStringView line = all.mid(start, end - start);
        start = end + 1;
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            continue;
        }
        const QStringView id = TrimBlanks(line.left(tab));
        if (id.isEmpty()) {
            continue;
        }
        catalogue.texts_.insert(id.toString(), Unescape(line.mid(tab + 1)));
    }
    return catalogue;
}

MessageCatalogue MessageCatalogue::Load(const QString& path) {
    QByteArray bytes;
    if (!ReadFileBounded(path, kMaxFileSize, bytes).Ok()) {
        return MessageCatalogue();
    }
    return FromText(bytes);
}

std::optional<QString> MessageCatalogue::Find(const QString& id) const {
    const auto it = texts_.constFind(TrimBlanks(id));
    if (it == texts_.constEnd() || it->isEmpty()) {
        return std::nullopt;
    }
    return *it;
}

} // namespace vxw
