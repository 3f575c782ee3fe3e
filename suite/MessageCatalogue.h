#pragma once
// The message catalogue: the texts of message ids in the user's language.
//
// File format (UTF-8; Latin-1 accepted when the file is not valid UTF-8), one entry a line:
//     <id><TAB><text>
// The id is trimmed of blanks; the text is taken exactly as it stands up to the line end (so a
// text may end in blanks), with the escapes \t (tab), \n (line feed), \r (carriage return) and
// \\ (backslash); any other backslash stays as it is. Lines that are empty, start with "#", or
// hold no tab are skipped. When an id occurs twice the later line wins, so a catalogue can be
// patched by appending. An entry with an empty text counts as missing.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace vxw {

class MessageCatalogue {
public:
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    MessageCatalogue() = default;

    static MessageCatalogue FromText(const QByteArray& text);
    // A missing, unreadable or oversized file gives an empty catalogue.
    static MessageCatalogue Load(const QString& path);

    std::optional<QString> Find(const QString& id) const;
    qsizetype Size() const { return texts_.size(); }

private:
    QHash<QString, QString> texts_;
};

} // namespace vxw
