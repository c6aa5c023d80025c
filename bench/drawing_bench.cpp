// Benchmarks of the work that happens while the user waits: tracing the chip text, one pointer
// move on a long stroke, refusing a forged picture, saving the placard. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/toolkit_setup.h"
#include "drawing/chip_text.h"
#include "drawing/glow_stroke.h"
#include "platform/codecs/picture_decoder.h"
#include "platform/io/whole_file.h"
#include "platform/qt/capture.h"
#include "platform/qt/edit_box.h"
#include "tests/fixtures/bmp_maker.h"
#include "tests/fixtures/picture_maker.h"

namespace marevisk {
namespace {

void ChipTextOfTwentyCharacters(benchmark::State& state) {
    Control<EditBox>("编辑框6").setText(
        QStringLiteral("芯片字体测试举牌图片自定义标题颜色和字体选择"));
    for (auto _ : state) RenderChipText();
}
BENCHMARK(ChipTextOfTwentyCharacters)->Unit(benchmark::kMillisecond);

void OneMoveOnATenThousandPointStroke(benchmark::State& state) {
    StrokePointList->clear();
    // A long scribble as a hand draws it: a few pixels between pointer moves.
    for (int i = 0; i < 10000; ++i) {
        const double t = i * 0.02;
        StrokePointList->push_back(
            {int(144 + 130 * std::sin(1.3 * t)), int(208 + 190 * std::sin(t))});
    }
    StrokeActive = 1;
    LastStrokePoint = StrokePointList->back();
    for (auto _ : state) {
        ExtendStroke(140, 200, 0);
        StrokePointList->pop_back();  // every move sees the same 10,000 points
        LastStrokePoint = StrokePointList->back();
    }
    EndStroke(0, 0, 0);
}
BENCHMARK(OneMoveOnATenThousandPointStroke)->Unit(benchmark::kMicrosecond);

void RefuseAForgedHugeBmp(benchmark::State& state) {
    std::string bmp =
        fixtures::MakeBmp({64, 64, 24}, std::vector<std::uint32_t>(64 * 64, 0x123456));
    fixtures::PutLE(bmp, 18, 65500, 4);
    fixtures::PutLE(bmp, 22, 65500, 4);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeFitted(bmp, 288, 416, 0xff000000u));
}
BENCHMARK(RefuseAForgedHugeBmp)->Unit(benchmark::kMicrosecond);

void RefuseAForgedHugeJpeg(benchmark::State& state) {
    // A few KB of real JPEG whose frame header claims 65,500 x 65,500.
    std::string jpeg = fixtures::MakeJpeg(Image(64, 64, MakeArgb(1, 2, 3)));
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (std::uint8_t(jpeg[i]) == 0xff && std::uint8_t(jpeg[i + 1]) == 0xc0) {
            jpeg[i + 5] = jpeg[i + 7] = char(0xff);
            jpeg[i + 6] = jpeg[i + 8] = char(0xdc);
            break;
        }
    for (auto _ : state) benchmark::DoNotOptimize(DecodeFitted(jpeg, 288, 416, 0xff000000u));
}
BENCHMARK(RefuseAForgedHugeJpeg)->Unit(benchmark::kMicrosecond);

void SaveThePlacard(benchmark::State& state) {
    const std::string path = "/tmp/marevisk-bench-save.jpg";
    for (auto _ : state) {
        const std::string bytes = CaptureWindow(PreviewCanvasHandle, 222, 389);
        WriteWholeFile(path, bytes);
    }
    std::remove(path.c_str());
}
BENCHMARK(SaveThePlacard)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marevisk

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    marevisk::PrepareToolkit();
    marevisk::CreateProgramState();
    auto window = marevisk::BuildMainWindow();
    window->show();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    marevisk::ReleaseProgramState();
    return 0;
}
