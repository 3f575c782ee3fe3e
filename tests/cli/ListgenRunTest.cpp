// Runs the listgen executable as a user would and checks its output and exit status.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ListgenRun {
    int status = -1;
    QString out;
    QString err;
};

ListgenRun Listgen(const QStringList& arguments, const QString& home) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Keep the run away from the real per-user folders.
    env.insert("HOME", home);
    env.insert("VEXIL_SUITE_DIR", home + "/suite");
    env.insert("VEXILXP_SETTINGS", home + "/user.ini");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LG_BINARY_DIR "/bin/listgen"), arguments);
    process.waitForFinished(60000);
    ListgenRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

TEST(Listgen, InfoDescribesTheDesign) {
    QTemporaryDir dir;
    const QString design = Write(dir, "two.vxd", R"({"format": "vxw-design", "version": 1, "name": "TWO",
        "circuits": [{"name": "MAIN", "pages": ["SHEET1", "SHEET2"]},
                     {"name": "SUB"}]})");
    const ListgenRun run = Listgen({"--design", design, "info"}, dir.path());
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QString expected = "Design: " + design +
                             "\n"
                             "Project: TWO\n"
                             "Circuits: 2\n"
                             "Circuit 1: MAIN\n"
                             "  Pages: 2\n"
                             "    Page 1: SHEET1 (schematic components: 0)\n"
                             "    Page 2: SHEET2 (schematic components: 0)\n"
                             "  Schematic components: 0\n"
                             "  Layout components: 0\n"
                             "  Nets: 0\n"
                             "  Traces: 0\n"
                             "  Vias: 0\n"
                             "Circuit 2: SUB\n"
                             "  Pages: 0\n"
                             "  Schematic components: 0\n"
                             "  Layout components: 0\n"
                             "  Nets: 0\n"
                             "  Traces: 0\n"
                             "  Vias: 0\n"
                             "Project library:\n"
                             "  Devices: 0\n"
                             "  Schematic symbols: 0\n"
                             "  Packages: 0\n"
                             "  Padstacks: 0\n";
    EXPECT_EQ(run.out.toStdString(), expected.toStdString());
}

TEST(Listgen, ExitStatusTellsUsageFromFailure) {
    QTemporaryDir dir;
    EXPECT_EQ(Listgen({"--help"}, dir.path()).status, 0);
    EXPECT_EQ(Listgen({"nonsense"}, dir.path()).status, 2);
    EXPECT_EQ(Listgen({"info"}, dir.path()).status, 2); // no design named

    const ListgenRun missing = Listgen({"--design", dir.filePath("absent.vxd"), "info"}, dir.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("absent.vxd")) << missing.err.toStdString();

    const QString broken =
        Write(dir, "broken.vxd", R"({"format": "vxw-design", "version": 1, "circuits": 7})");
    const ListgenRun bad = Listgen({"--design", broken, "info"}, dir.path());
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.contains("broken.vxd")) << bad.err.toStdString();
}

} // namespace

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TEST(Listgen, TreeOfTheDemoMatchesItsGoldenFile) {
    QTemporaryDir dir;
    const ListgenRun run = Listgen({"--suite-dir", LG_BINARY_DIR "/suite", "--design",
                                    LG_SOURCE_DIR "/samples/demo.vxd", "tree"},
                                   dir.path());
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray golden = ReadFile(LG_SOURCE_DIR "/tests/cli/golden/tree-demo.txt");
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(run.out.toStdString(), golden.toStdString());
}

TEST(Listgen, TreeWithoutAFieldProfileFailsWithTheProfileError) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("suite/language")); // a suite folder without PROPERTY.MEN
    const ListgenRun run = Listgen(
        {"--suite-dir", dir.filePath("suite"), "--design", LG_SOURCE_DIR "/samples/empty.vxd", "tree"}, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("Cant Read Menu Profile")) << run.err.toStdString();
}

} // namespace
