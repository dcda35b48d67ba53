// How long the whole-picture commands take on the largest canvas (580 x 310), so that a
// slower filter or drawing routine shows up before a user notices it.
#include "imaging/Filters.h"
#include "imaging/Gradient.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <benchmark/benchmark.h>

namespace {

QImage canvas() {
    QImage img(580, 310, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x + y) & 255));
    return img;
}

void BM_Filter(benchmark::State& st) {
    korv::Services services;
    korv::ProgressDisplay progress;
    korv::ImagingState imaging(services, progress);
    korv::Filters filters(imaging);
    const QImage source = canvas();
    const int no = static_cast<int>(st.range(0));
    const int params[32] = {0, 10, 0, 0, 6, 0,  1,  16777215, 0, 0, 0, 0, 0, 0,  4,   3,
                            1, 10, 0, 0, 0, 15, 15, 15,       0, 0, 0, 0, 0, 50, 140, 100};
    for (auto _ : st) {
        QImage img = source.copy();
        int progressValue = 0;
        filters.ApplyFilter(no, img, params[no], progressValue);
        benchmark::DoNotOptimize(img.constBits());
    }
    st.SetLabel("filter " + std::to_string(no));
}
BENCHMARK(BM_Filter)->DenseRange(1, 31)->Unit(benchmark::kMillisecond);

void BM_CircularGradient(benchmark::State& st) {
    korv::PictureBox pic;
    pic.Move(0, 0, 580, 310);
    for (auto _ : st) {
        korv::DrawCircularGradient(pic, 0, 0xFFFFFF, 255, -1, -1);
        benchmark::DoNotOptimize(pic.Image().constBits());
    }
}
BENCHMARK(BM_CircularGradient)->Unit(benchmark::kMillisecond);

} // namespace
