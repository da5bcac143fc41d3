// Builds the window region of clean and noisy pictures with the step-by-step
// method (GetPixel per pixel, CombineRgn per run) and with the shipped one
// (one read of the DIB, batched ExtCreateRegion), and prints the times.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "pictures/region.h"
#include "pictures/run_scan.h"
#include "platform/system/handles.h"
#include "reference_region.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr COLORREF Transparent = RGB(255, 0, 128);

using rublet::reference::Canvas;

// A filled ellipse with a hole: few runs per row.
void DrawCleanShape(Canvas& canvas) {
    const double cx = canvas.width() / 2.0, cy = canvas.height() / 2.0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double r = dx * dx + dy * dy;
            canvas.Set(x, y, r < 0.9 && r > 0.1 ? RGB(30, 60, 200) : Transparent);
        }
}

// Photo-like noise: every pixel random, half of them the transparent colour.
void DrawNoise(Canvas& canvas) {
    std::mt19937 random(12345);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.Set(x, y, random() % 2 ? Transparent : RGB(random() % 256, random() % 256, 7));
    canvas.Set(0, 0, Transparent);
}

double Milliseconds(const std::function<void()>& work, int repeats) {
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

void Measure(const char* name, int width, int height, void (*draw)(Canvas&), bool runReference) {
    Canvas canvas(width, height);
    draw(canvas);
    std::size_t runCount = 0;
    const double shipped = Milliseconds(
        [&] {
            std::vector<rublet::RunRect> runs;
            rublet::ScanPictureRuns(runs, Transparent, canvas.View());
            runCount = runs.size();
            const rublet::UniqueRegion region = rublet::BuildShapeRegion(runs);
        },
        runReference ? 3 : 5);
    if (!runReference) {
        std::printf("%-7s %5d x %-5d %9zu runs %14s %12.2f ms %10s\n", name, width, height, runCount,
                    "(not run)", shipped, "-");
        return;
    }
    const double reference = Milliseconds(
        [&] {
            const rublet::UniqueRegion region = rublet::reference::BuildWithCombineRgn(
                rublet::reference::ScanWithGetPixel(canvas.dc(), width, height, Transparent));
        },
        1);
    std::printf("%-7s %5d x %-5d %9zu runs %11.2f ms %12.2f ms %9.1fx\n", name, width, height, runCount,
                reference, shipped, reference / shipped);
}

}  // namespace

int main(int argc, char** argv) {
    // The reference takes about half an hour on full-screen noise (its cost
    // grows with the square of the runs); only --full waits for it.
    const bool full = argc > 1 && std::string(argv[1]) == "--full";
    std::printf("%-7s %13s %14s %14s %15s %10s\n", "picture", "size", "", "reference", "shipped", "speed-up");
    const struct {
        int width, height;
    } sizes[] = {{32, 32}, {512, 512}, {1920, 1080}};
    for (const auto& size : sizes) {
        Measure("clean", size.width, size.height, DrawCleanShape, true);
        Measure("noise", size.width, size.height, DrawNoise, full || size.width <= 512);
    }
    return 0;
}
