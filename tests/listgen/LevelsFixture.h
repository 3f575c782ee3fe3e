#pragma once
// Shared set-up of the level and explorer tests: a suite folder of our own (with a small
// catalogue), a field profile whose sections can be told apart, and a kernel loaded from a sample
// design.

#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "listgen/ExplorerLevels.h"
#include "listgen/FieldProfileTypes.h"
#include "suite/SuiteServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vxw::test {

// Section n holds one group captioned "S<n>" whose first field has id n.
inline FieldProfile NumberedProfile() {
    FieldProfile profile;
    for (int section = 1; section <= kSectionCount; ++section) {
        FieldGroup group;
        group.caption = QStringLiteral("S%1").arg(section);
        group.fields[0].name = QStringLiteral("F");
        group.fields[0].fieldId = static_cast<int16_t>(section);
        group.fields[0].shown = 1;
        profile.sections[static_cast<std::size_t>(section - 1)].groups.push_back(group);
        profile.sections[static_cast<std::size_t>(section - 1)].counts.push_back(1);
    }
    return profile;
}

inline std::unique_ptr<MemoryKernel> LoadSampleKernel(const char* name) {
    const DesignFileResult result =
        LoadDesignFile(QStringLiteral(LG_SOURCE_DIR "/samples/") + QLatin1String(name));
    EXPECT_TRUE(result.Ok()) << result.error.toStdString();
    return result.Ok() ? std::make_unique<MemoryKernel>(*result.design) : std::make_unique<MemoryKernel>();
}

class LevelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const SuiteLocation location = SuiteLocation::InFolder(dir_.path());
        QDir().mkpath(location.languageDir);
        QFile catalogue(location.CatalogueFile());
        ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly));
        // One caption differs from its default, to see that the catalogue is asked.
        catalogue.write("13141\tNet List\n");
        catalogue.close();
        suite_ = std::make_unique<ScopedSuite>(location);
    }

    // Runs the start-up order on a kernel as far as the levels: templates, distribution, design
    // levels.
    void Load(std::unique_ptr<MemoryKernel> kernel) {
        kernel_ = kernel.get();
        scopedKernel_ = std::make_unique<ScopedKernel>(std::move(kernel));
        const LevelTemplates templates = LoadLevelTemplates(Suite());
        levels_ = {};
        DistributeLevels(levels_, templates, profile_);
        ReadDesignLevels(*kernel_, levels_, templates, profile_);
    }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<ScopedKernel> scopedKernel_;
    MemoryKernel* kernel_ = nullptr;
    FieldProfile profile_ = NumberedProfile();
    ExplorerLevels levels_;
};

} // namespace vxw::test
