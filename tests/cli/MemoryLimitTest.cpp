// The batch command and the library tool run on the samples within a small address space:
// no reader of outside files asks for more memory than the file needs.

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/ToolRun.h"

#include <gtest/gtest.h>

namespace {

// The sanitizers reserve terabytes of address space for their shadow memory, so these runs
// mean nothing (and cannot start) in a sanitized build.
#ifdef LG_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

constexpr const char* kAddressSpace = "--as=268435456"; // 256 MiB

// Runs a program of the build's bin folder under prlimit with the address-space limit.
vxw::ToolRun RunLimited(const QString& program, const QStringList& arguments, const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("VEXILXP_SETTINGS", home + "/user.ini");
    env.insert("SOURCE_DATE_EPOCH", "1700000000");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("prlimit"),
                  QStringList{kAddressSpace, "--", LG_BINARY_DIR "/bin/" + program} + arguments);
    vxw::ToolRun run;
    if (!process.waitForFinished(60000)) {
        run.err = "did not finish: " + process.errorString().toStdString();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

struct Run {
    const char* program;
    QStringList arguments;
};

// Runs each program under the limit and expects what an unlimited run gives: success, no
// message, and output (a pack writes its file instead).
void ExpectAllSucceed(std::initializer_list<Run> runs, const QString& home) {
    for (const Run& run : runs) {
        SCOPED_TRACE(std::string(run.program) + " " + run.arguments.join(' ').toStdString());
        const vxw::ToolRun result = RunLimited(QString::fromLatin1(run.program), run.arguments, home);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.err.empty()) << result.err;
        EXPECT_TRUE(!result.out.empty() || run.arguments.front() == "pack");
    }
}

class MemoryLimit : public ::testing::Test {
protected:
    void SetUp() override {
        if (kSanitized || QStandardPaths::findExecutable(QStringLiteral("prlimit")).isEmpty()) {
            GTEST_SKIP() << "no address-space limit in a sanitized build or without prlimit";
        }
    }
    QTemporaryDir dir_;
};

const QString kSuite = QStringLiteral(LG_BINARY_DIR "/suite");

TEST_F(MemoryLimit, BatchCommandAndLibraryToolRunIn256MiB) {
    const QString packed = dir_.filePath("ic.PART");
    const QStringList design{"--suite-dir", kSuite, "--design", LG_SOURCE_DIR "/samples/demo.vxd"};
    ExpectAllSucceed({{"vxlib", {"dump", kSuite + "/LIB/ic.PART"}},
                      {"vxlib", {"pack", LG_SOURCE_DIR "/samples/suite/LIB-src/ic.PART.txt", packed}},
                      {"listgen", design + QStringList{"list", "VX3"}},
                      {"listgen", design + QStringList{"library", "part", "ic.PART", "74*"}},
                      {"listgen", design + QStringList{"search", "package", "SO*", "--scope", "all"}}},
                     dir_.path());
    EXPECT_GT(QFileInfo(packed).size(), 0);
}

TEST_F(MemoryLimit, RunningOutOfMemoryEndsWithAMessageNotAnAbort) {
    // Ten million components do not fit the limit.
    const vxw::ToolRun run =
        RunLimited("vxgen", {"design", dir_.filePath("big.vxd"), "--pages", "10", "--sch-comps", "10000000"},
                   dir_.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vxgen: not enough memory\n");
}

} // namespace
