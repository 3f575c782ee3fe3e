#pragma once
// A design text loaded through windows of a few bytes, handed out a byte or two at a time, must
// give what the whole text gives: every way a token can meet a window's end is then taken.

#include "kernel/DesignFile.h"
#include "kernel/FileTextSource.h"
#include "kernel/MemoryTextSource.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vxw::test {

inline void ExpectEveryWindowAgrees(const QByteArray& text, const DesignFileResult& whole,
                                    const QString& name) {
    std::string_view view(text.constData(), static_cast<size_t>(text.size()));
    view.remove_prefix(ByteOrderMarkSize(view)); // the file's business, not the reader's
    const QByteArray expected = whole.Ok() ? DesignToJson(*whole.design) : QByteArray();
    const struct {
        ReadWindow window;
        size_t piece;
    } windows[] = {{{1, 1}, 1}, {{7, 3}, 2}, {{64, 20}, 64}};
    for (const auto& w : windows) {
        SCOPED_TRACE(testing::Message() << "window " << w.window.capacity << '/' << w.window.margin);
        MemoryTextSource source(view, w.piece);
        const DesignFileResult windowed = LoadDesignText(source, name, w.window);
        EXPECT_EQ(windowed.error.toStdString(), whole.error.toStdString());
        if (windowed.Ok() && whole.Ok()) {
            EXPECT_EQ(DesignToJson(*windowed.design), expected);
        }
    }
}

} // namespace vxw::test
