// The List Book, property, Options and search windows offscreen: how long each takes to open on
// the sample project (goal: under 100 ms), and the property window of the all-pages node of a
// 200-page design (goal: under 200 ms). Each iteration builds and shows the window and lets it
// paint; closing it is not timed.

#include "bench/WindowBenchSupport.h"
#include "component/ComponentState.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "listgen/CurrentList.h"
#include "listgen/LibraryColumns.h"
#include "properties/PropertyTarget.h"
#include "shell/HostEnvironment.h"
#include "shell/RecordingInterface.h"
#include "shell/SharedStrings.h"
#include "shell/SuitePaths.h"
#include "tools/vxgen/DesignGenerator.h"
#include "windows/explorer/Selection.h"
#include "windows/listbook/OpenListBook.h"
#include "windows/listgen/Options.h"
#include "windows/properties/Properties.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vxw;

// A suite folder of the benchmark's own, and a design in the kernel with the component's state
// started on it.
struct Project {
    bench::BenchSuite suite;
    RecordingInterface ui;
    ComponentState state;
    SuitePaths paths;
    bool started = false;

    explicit Project(std::unique_ptr<MemoryKernel> kernel) {
        if (!kernel) {
            return;
        }
        InstallKernel(std::move(kernel));
        PublishHostStrings(TheKernel(), Suite());
        ReadSuitePaths(paths, Suite(), ProductName());
        LoadColumnSpecs();
        started = state.Start(TheKernel(), Suite(), ui);
    }
};

// Shows the window and lets it paint; the window is deleted untimed.
template <class Open> void TimeOpening(benchmark::State& state, Open open) {
    for (auto _ : state) {
        QWidget* window = open();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenListBook(benchmark::State& state) {
    Project project(bench::SampleDesign());
    if (!project.started) {
        state.SkipWithError("the component did not start");
        return;
    }
    for (int i = 0; i < 20; ++i) {
        project.state.Book().File(ListSource{4, QStringLiteral("MAIN"), QStringLiteral("Circuit"),
                                             QString::number(i), QString(),
                                             QStringLiteral("list %1\r\n").arg(i)},
                                  QStringLiteral("List %1").arg(i));
    }
    TimeOpening(state, [&] {
        auto* window = new OpenListBook(project.state.Book(), project.ui, ListBookLinks{});
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->RefreshArrayList();
        return window;
    });
}
BENCHMARK(BM_OpenListBook)->Unit(benchmark::kMillisecond);

void OpenProperties(benchmark::State& state, Project& project, const QString& key, bool selectAll) {
    if (!project.started) {
        state.SkipWithError("the component did not start");
        return;
    }
    const int index = project.state.Model().IndexOf(key);
    const PropertyCopies copies =
        CopiesForNode(project.state.Levels(), project.state.Model(), index, selectAll, selectAll);
    if (copies.objectClass == 0) {
        state.SkipWithError("the node has no properties");
        return;
    }
    state.counters["objects"] = static_cast<double>(copies.copies.size());
    TimeOpening(state, [&] {
        auto* window = new Properties(copies, project.state.Profile(), project.ui, PropertiesLinks{});
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    });
}

void BM_OpenPropertiesOfTheProject(benchmark::State& state) {
    Project project(bench::SampleDesign());
    OpenProperties(state, project, QStringLiteral("VX3"), false);
}
BENCHMARK(BM_OpenPropertiesOfTheProject)->Unit(benchmark::kMillisecond);

void BM_OpenPropertiesOfAllCircuits(benchmark::State& state) {
    Project project(bench::SampleDesign());
    OpenProperties(state, project, QStringLiteral("VX4_1"), true);
}
BENCHMARK(BM_OpenPropertiesOfAllCircuits)->Unit(benchmark::kMillisecond);

void BM_OpenPropertiesOfAllPagesOf200(benchmark::State& state) {
    gen::DesignSizes sizes;
    sizes.pages = 200;
    sizes.schComps = 2000;
    sizes.layComps = 200;
    sizes.nets = 200;
    sizes.nodes = 800;
    sizes.traceRecords = 200;
    Project project(MemoryKernel::FromData(gen::GenerateDesign(sizes)));
    OpenProperties(state, project, QStringLiteral("VX6_1_1"), true);
}
BENCHMARK(BM_OpenPropertiesOfAllPagesOf200)->Unit(benchmark::kMillisecond);

void BM_OpenOptions(benchmark::State& state) {
    Project project(bench::SampleDesign());
    TimeOpening(state, [] {
        auto* window = new Options(ColumnSpecs(), OptionsLinks{});
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    });
}
BENCHMARK(BM_OpenOptions)->Unit(benchmark::kMillisecond);

void BM_OpenSearchDialog(benchmark::State& state) {
    Project project(bench::SampleDesign());
    if (!project.started) {
        state.SkipWithError("the component did not start");
        return;
    }
    LibraryCatalog catalog(TheKernel());
    catalog.SetPaths(project.paths);
    LibraryItems items(TheKernel(), catalog, project.state.Levels().LibraryProfiles, Suite(), project.ui);
    items.ShowLibraryFiles(KindPart);
    TimeOpening(state, [&] {
        auto* dialog = new Selection(items);
        dialog->SetNodeText(QStringLiteral("Parts"));
        return dialog;
    });
}
BENCHMARK(BM_OpenSearchDialog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return vxw::bench::RunWindowBenchmarks(argc, argv);
}
