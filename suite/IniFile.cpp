#include "suite/IniFile.h"

#include "kernel/BoundedFileRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace vxw {

namespace {

bool IsSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView TrimSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsSpace(text[first])) {
        ++first;
    }
    while (last > first && IsSpace(text[last - 1])) {
        --last;
    }
    return text.mid(first, last - first);
}

// The section name of a header line, or nullopt when the line is not a header.
std::optional<QStringView> HeaderName(QStringView line) {
    const QStringView trimmed = TrimSpaces(line);
    if (!trimmed.startsWith(QLatin1Char('['))) {
        return std::nullopt;
    }
    qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
    if (close < 1) {
        close = trimmed.size();
    }
    return TrimSpaces(trimmed.mid(1, close - 1));
}

bool IsComment(QStringView line) {
    const QStringView trimmed = TrimSpaces(line);
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// Splits "key=value"; false for lines without "=".
bool SplitEntry(QStringView line, QStringView& key, QStringView& value) {
    if (IsComment(line)) {
        return false;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return false;
    }
    key = TrimSpaces(line.left(equals));
    value = TrimSpaces(line.mid(equals + 1));
    return !key.isEmpty();
}

QString DecodeValue(QStringView value) {
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) {
        value = value.mid(1, value.size() - 2);
    }
    return value.toString();
}

QString OneLine(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char('\r'), QLatin1Char(' '));
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return result;
}

QString EncodeValue(const QString& value) {
    const QString line = OneLine(value);
    const bool needsQuotes = !line.isEmpty() && (IsSpace(line.front()) || IsSpace(line.back()) ||
                                                 line.front() == QLatin1Char('"'));
    return needsQuotes ? QLatin1Char('"') + line + QLatin1Char('"') : line;
}

} // namespace

IniFile IniFile::FromText(const QByteArray& text) {
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder(bytes);
    if (decoder.hasError()) {
        decoded = QString::fromLatin1(bytes);
    }
    IniFile file;
    file.lines_ = decoded.split(QLatin1Char('\n'));
    // Every CR before the LF belongs to the line end (a file converted to CR LF twice holds
    // CR CR LF). A CR kept in the line would be dropped by the next read of the saved file, and
    // a line such as "[Section]CR" would then turn into a header.
    for (QString& line : file.lines_) {
        while (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    // A final line end does not start another line.
    if (!file.lines_.isEmpty() && file.lines_.back().isEmpty()) {
        file.lines_.removeLast();
    }
    return file;
}

QByteArray IniFile::ToText() const {
    QByteArray text;
    // Reading drops one byte order mark; a first line that starts with one more keeps it only
    // when the file starts with two.
    if (!lines_.isEmpty() && lines_.front().startsWith(QChar(QChar::ByteOrderMark))) {
        text.append("\xEF\xBB\xBF");
    }
    for (const QString& line : lines_) {
        text.append(line.toUtf8());
        text.append('\n');
    }
    return text;
}

bool IniFile::Load(const QString& path, IniFile& file) {
    file = IniFile();
    if (!QFile::exists(path)) {
        return true;
    }
    QByteArray bytes;
    if (!ReadFileBounded(path, kMaxFileSize, bytes).Ok()) {
        return false;
    }
    file = FromText(bytes);
    return true;
}

bool IniFile::Save(const QString& path) const {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return false;
    }
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray text = ToText();
    if (output.write(text) != text.size()) {
        output.cancelWriting();
        return false;
    }
    return output.commit();
}

qsizetype IniFile::FindSection(const QString& section) const {
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i]);
        if (name && name->compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

qsizetype IniFile::SectionEnd(qsizetype header) const {
    qsizetype i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i])) {
        ++i;
    }
    return i;
}

qsizetype IniFile::FindKey(qsizetype header, const QString& key) const {
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        QStringView name;
        QStringView value;
        if (SplitEntry(lines_[i], name, value) && name.compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

std::optional<QString> IniFile::Find(const QString& section, const QString& key) const {
    const qsizetype header = FindSection(section);
    if (header < 0) {
        return std::nullopt;
    }
    const qsizetype line = FindKey(header, key);
    if (line < 0) {
        return std::nullopt;
    }
    QStringView name;
    QStringView value;
    SplitEntry(lines_[line], name, value);
    return DecodeValue(value);
}

QString IniFile::Value(const QString& section, const QString& key, const QString& defaultValue) const {
    const auto value = Find(section, key);
    return value ? *value : defaultValue;
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    const QString entry = OneLine(key) + QLatin1Char('=') + EncodeValue(value);
    const qsizetype header = FindSection(section);
    if (header < 0) {
        if (!lines_.isEmpty() && !TrimSpaces(lines_.back()).isEmpty()) {
            lines_.append(QString());
        }
        lines_.append(QLatin1Char('[') + OneLine(section) + QLatin1Char(']'));
        lines_.append(entry);
        return;
    }
    const qsizetype line = FindKey(header, key);
    if (line >= 0) {
        lines_[line] = entry;
        return;
    }
    // After the section's last non-blank line, so a blank line before the next header stays.
    qsizetype insertAt = SectionEnd(header);
    while (insertAt > header + 1 && TrimSpaces(lines_[insertAt - 1]).isEmpty()) {
        --insertAt;
    }
    lines_.insert(insertAt, entry);
}

} // namespace vxw
