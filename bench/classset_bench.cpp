// Speed of a class set of 25 variants of 10 points, all seven kinds:
//   Generation  the variants alone, balanced and distinct
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

classset::ClassSet Made(std::uint64_t code) {
    auto made = classset::ClassSetGenerator({25, 10, classset::kAllKinds, code}).Make();
    return std::get<classset::ClassSet>(made);
}

void Generation(benchmark::State& state) {
    std::uint64_t code = 48213;
    for (auto _ : state) benchmark::DoNotOptimize(Made(code++));
}
BENCHMARK(Generation)->Unit(benchmark::kMillisecond);

void WholeSet(benchmark::State& state) {
    QTemporaryDir scratch;
    std::uint64_t code = 48213;
    for (auto _ : state) {
        const classset::ClassSet set = Made(code++);
        const auto pdfs =
            workspace::classsheetfiles::Pdfs(set, QStringLiteral("6 а клас, 12.12.2026"), false);
        const QString failed = workspace::classsetfolder::Write(
            set, scratch.filePath(QString::number(code)), pdfs.value());
        if (!failed.isEmpty()) state.SkipWithError("not written");
    }
}
BENCHMARK(WholeSet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
