#include "listbook/ListBook.h"

#include "listgen/CurrentList.h"
#include "suite/NamePattern.h"

#include <QDir>

#include <algorithm>

namespace vxw {

ListBook::ListBook() : entries_(1) {}

int ListBook::Count() const {
    return IsEmpty() ? 0 : static_cast<int>(entries_.size());
}

const BookEntry* ListBook::Entry(int entry) const {
    return entry >= 0 && entry < Count() ? &entries_[static_cast<size_t>(entry)] : nullptr;
}

int ListBook::File(const ListSource& source, const QString& name) {
    BookEntry entry{source.Image, name, source.ClassText, source.ItemCount, source.FileName, source.Text};
    if (IsEmpty()) {
        entries_.front() = std::move(entry);
        return 0;
    }
    entries_.push_back(std::move(entry));
    return static_cast<int>(entries_.size()) - 1;
}

int ListBook::Merge(const std::vector<int>& entries, const QString& name) {
    static const QString Breaks = QStringLiteral("\r\n\r\n\r\n");
    BookEntry merged{MergedImage, name, QLatin1String(MergedClass), QString(), QString(), QString()};
    qsizetype size = 0;
    for (const int entry : entries) {
        if (const BookEntry* source = Entry(entry)) {
            size += Breaks.size() + source->Text.size();
        }
    }
    merged.Text.reserve(size);
    for (const int entry : entries) {
        if (const BookEntry* source = Entry(entry)) {
            merged.Text += Breaks;
            merged.Text += source->Text;
        }
    }
    if (IsEmpty()) {
        entries_.front() = std::move(merged);
        return 0;
    }
    entries_.push_back(std::move(merged));
    return static_cast<int>(entries_.size()) - 1;
}

void ListBook::SetFileName(int entry, const QString& path) {
    if (Entry(entry)) {
        entries_[static_cast<size_t>(entry)].FileName = path;
    }
}

void ListBook::Remove(const std::vector<int>& entries) {
    std::vector<bool> removed(entries_.size(), false);
    for (const int entry : entries) {
        if (Entry(entry)) {
            removed[static_cast<size_t>(entry)] = true;
        }
    }
    std::vector<BookEntry> kept;
    kept.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!removed[i] && !entries_[i].Name.isEmpty()) {
            kept.push_back(std::move(entries_[i]));
        }
    }
    if (kept.empty()) {
        kept.emplace_back();
    }
    entries_ = std::move(kept);
}

std::vector<BookRow> ListBook::Rows() const {
    std::vector<BookRow> rows;
    rows.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i) {
        const BookEntry& entry = entries_[static_cast<size_t>(i)];
        BookRow row{BookRowKey(i), entry.Name, entry.Image, entry.ClassText, QString(), entry.FileName};
        if (!entry.ItemCount.isEmpty()) {
            // The count is shown as a number: leading blanks and zeros do not survive.
            bool ok = false;
            const double count = entry.ItemCount.trimmed().toDouble(&ok);
            row.Items = (ok ? QString::number(count, 'g', 15) : entry.ItemCount) + QStringLiteral(" item(s)");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<int> ListBook::Matching(const QString& pattern) const {
    const NamePattern compiled(pattern);
    std::vector<int> found;
    for (int i = 0; i < Count(); ++i) {
        if (compiled.Matches(entries_[static_cast<size_t>(i)].Name)) {
            found.push_back(i);
        }
    }
    return found;
}

QString BookRowKey(int entry) {
    return QLatin1Char('L') + QString::number(entry);
}

int BookEntryOfKey(const QString& key) {
    bool ok = false;
    const int entry = key.mid(1).toInt(&ok);
    return ok && entry >= 0 ? entry : -1;
}

QString BookScratchPath(const QString& jobDir, int row) {
    return QDir(jobDir).filePath(QStringLiteral("UNTITLED%1.LIST").arg(row));
}

} // namespace vxw
