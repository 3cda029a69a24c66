// Speed of a class set of 25 variants of 10 points (the default) and of the
// largest, 40 variants of 15 points, all seven kinds:
//   Generation  the variants alone, balanced, none similar to another, no
//               two of the same answer
//   WholeSet    the variants, both PDFs and every file written into a folder,
//               as --class-set and the teacher's window make them
// Each iteration uses the next code, so that no one lucky code is measured.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <variant>

#include "classsetfolder.h"
#include "classsetgenerator.h"
#include "classsheetfiles.h"

namespace {

using namespace plane_figures;

// the benchmark's arguments: variants, points
classset::ClassSet Made(const benchmark::State& state, std::uint64_t code) {
    auto made =
        classset::ClassSetGenerator({static_cast<int>(state.range(0)),
                                     static_cast<int>(state.range(1)), classset::kAllKinds, code})
            .Make();
    return std::get<classset::ClassSet>(made);
}

void Generation(benchmark::State& state) {
    std::uint64_t code = 48213;
    for (auto _ : state) benchmark::DoNotOptimize(Made(state, code++));
}
BENCHMARK(Generation)->Args({25, 10})->Args({40, 15})->Unit(benchmark::kMillisecond);

void WholeSet(benchmark::State& state) {
    QTemporaryDir scratch;
    std::uint64_t code = 48213;
    for (auto _ : state) {
        const classset::ClassSet set = Made(state, code++);
        const auto pdfs =
            workspace::classsheetfiles::Pdfs(set, QStringLiteral("6 а клас, 12.12.2026"), false);
        const QString failed = workspace::classsetfolder::Write(
            set, scratch.filePath(QString::number(code)), pdfs.value());
        if (!failed.isEmpty()) state.SkipWithError("not written");
    }
}
BENCHMARK(WholeSet)->Args({25, 10})->Args({40, 15})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
