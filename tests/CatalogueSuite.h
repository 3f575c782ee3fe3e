#pragma once
// A suite in a test's own folder whose message catalogue holds the text the test chooses.

#include "suite/SuiteServices.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace vxw {

// Writes `text` as the catalogue of the suite in `folder` and makes that suite current in place of
// the one `suite` held.
inline void UseCatalogueIn(const QString& folder, const QByteArray& text,
                           std::unique_ptr<ScopedSuite>& suite) {
    const SuiteLocation location = SuiteLocation::InFolder(folder);
    QDir().mkpath(location.languageDir);
    QFile file(location.CatalogueFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    suite.reset();
    suite = std::make_unique<ScopedSuite>(location);
}

} // namespace vxw
