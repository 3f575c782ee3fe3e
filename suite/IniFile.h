#pragma once
// A small INI file of "[Section]" headers and "key=value" lines, as the suite settings are kept.
// Sections and keys are found without regard to case; saving changes only the line of the key
// (comments, order and unknown lines stay), and writes the file atomically.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vxw {

class IniFile {
public:
    // Files above this size are not read (a settings file is a few kilobytes).
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    IniFile() = default;

    // Text in UTF-8; text that is not valid UTF-8 is read as Latin-1 so that no byte is lost
    // when the file is written back. Lines end with LF, CR LF or CR CR LF; what ToText writes reads
    // back to the same lines.
    static IniFile FromText(const QByteArray& text);
    QByteArray ToText() const;

    // A missing file gives an empty IniFile and true; an unreadable or oversized file gives an
    // empty IniFile and false.
    static bool Load(const QString& path, IniFile& file);
    // Writes through a temporary file, so a failed write leaves the old file intact. Creates
    // the folder when needed.
    bool Save(const QString& path) const;

    // The value of the first `key` in the first section named `section`. Surrounding blanks
    // and tabs are dropped, and so is one pair of double quotes around the whole value.
    std::optional<QString> Find(const QString& section, const QString& key) const;
    QString Value(const QString& section, const QString& key, const QString& defaultValue = QString()) const;

    // Sets a value, adding the section or key when missing. Line breaks in the value become
    // blanks (a value is one line); surrounding blanks are kept by quoting.
    void SetValue(const QString& section, const QString& key, const QString& value);

    const QStringList& Lines() const { return lines_; }

private:
    // Line index of the header of `section`, or -1.
    qsizetype FindSection(const QString& section) const;
    // Line index of `key` in the section starting at header line `header`, or -1.
    qsizetype FindKey(qsizetype header, const QString& key) const;
    // One past the last line of the section starting at `header`.
    qsizetype SectionEnd(qsizetype header) const;

    QStringList lines_;
};

} // namespace vxw
