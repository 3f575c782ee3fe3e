#pragma once
// The pieces of the list document that need no window: the heading put on a report's body,
// the proposed list name, the scratch file and the preview's size limit.

#include <QString>

namespace vxw {

// The preview holds at most this many characters; a longer list is offered to the text viewer.
inline constexpr qsizetype kPreviewLimit = 65535;

// The title in upper case, ":", three line ends, then the body. A non-empty body is preceded by
// `formatHeader` (the nets legend, empty unless the "format" option applies to the node).
QString AddListHeading(const QString& title, const QString& body, const QString& formatHeader = QString());
// As AddListHeading with `name` placed between the title and the colon.
QString AddListHeadingWithName(const QString& title, const QString& name, const QString& body,
                               const QString& formatHeader = QString());

// The proposed name of a list: the description up to its first ".", a blank and the name; the
// name alone when the name flag is on.
QString MakeListName(const QString& description, const QString& name, bool nameFlag);

// True when a list is too long for the preview and the text viewer is to be offered.
inline bool ExceedsPreview(const QString& text) {
    return text.size() > kPreviewLimit;
}

// Writes one list to a file: the text followed by one CR LF, 8-bit (Latin-1; characters outside
// it become "?"). The file is replaced as a whole, so a failed write leaves the old one intact.
// Answers an empty text on success, else the cause with the path.
QString WriteListFile(const QString& path, const QString& text);

} // namespace vxw
