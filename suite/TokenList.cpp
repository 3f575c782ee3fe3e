#include "suite/TokenList.h"

#include "suite/TextRules.h"

namespace vxw {

namespace {

constexpr char16_t kLatin1Code128 = 0x80;
constexpr char16_t kWindowsCode128 = 0x20AC;

bool IsCode128(QChar c) {
    return c.unicode() == kLatin1Code128 || c.unicode() == kWindowsCode128;
}

} // namespace

void TokenList::SetText(const QString& text, QChar separator) {
    text_ = text;
    starts_.clear();
    if (text_.isEmpty()) {
        return;
    }
    const bool code128 = IsCode128(separator);
    starts_.push_back(0);
    const qsizetype size = text_.size();
    const QChar* data = text_.constData();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == separator || (code128 && IsCode128(data[i]))) {
            starts_.push_back(i + 1);
        }
    }
}

int TokenList::Count() const {
    constexpr size_t kMaxCount = 0x7fffffff;
    return static_cast<int>(starts_.size() < kMaxCount ? starts_.size() : kMaxCount);
}

QString TokenList::Token(int n) const {
    if (n < 1 || n > Count()) {
        return QString();
    }
    const size_t index = static_cast<size_t>(n - 1);
    const qsizetype start = starts_[index];
    const qsizetype end = (index + 1 < starts_.size()) ? starts_[index + 1] - 1 : text_.size();
    return text_.mid(start, end - start);
}

double TokenList::Number(int n) const {
    return LeadingNumber(Token(n));
}

} // namespace vxw
