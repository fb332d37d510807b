// The filter kernels beside OpenCV's nearest operation, on the same pictures in
// the same process, one core each, at the canvas size and at 4000 x 2080. After
// the runs a table gives the ratio of the processor times, ours / OpenCV's (below 1: ours
// is faster). OpenCV is used here only; the program never links it.
//
// The peers, each making a picture of the same four channels as ours: grayscale -
// transform with a 4 x 4 matrix (cvtColor would write one channel); negative - bitwise_not;
// brightness and contrast - convertTo with a scale (and an offset); channel swap
// - mixChannels; sepia - transform with a 4 x 4 matrix; sharpen, edge and blur -
// filter2D with the same 3 x 3 weights, which reads only the source, whereas
// ours runs in place and each pixel waits for its left neighbour's new value.
// Contrast does more than its peer: it first takes the picture's mean gray, and a
// pixel with a channel pushed out of 0..255 (a quarter of this pattern's pixels) has
// its colour balanced round by round, where convertTo only clips.

#include "filter_bench_support.h"
#include "filters/canvas_passes.h"
#include "filters/filter_kernels.h"

#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <QGuiApplication>

#include <cstdio>
#include <map>

namespace {

using Ours = std::function<void(FilterRun&)>;
using Theirs = std::function<void(const cv::Mat&, cv::Mat&)>;

struct Peer
{
    const char* name;
    Ours ours;
    Theirs theirs;
};

// The weights of a running filter quotient((a x C - b x S8) \ d) as a 3 x 3 kernel.
Theirs filter3x3(double a, double b, double d)
{
    cv::Mat weights(3, 3, CV_32F, cv::Scalar(-b / d));
    weights.at<float>(1, 1) = float(a / d);
    return [weights](const cv::Mat& source, cv::Mat& target) { cv::filter2D(source, target, -1, weights); };
}

const std::vector<Peer>& peers()
{
    static const cv::Matx44f sepia(0.272f, 0.534f, 0.131f, 0, 0.349f, 0.686f, 0.168f, 0, 0.393f, 0.769f, 0.189f, 0, 0,
                                   0, 0, 1);
    constexpr float third = 1 / 3.f;
    static const cv::Matx44f gray(third, third, third, 0, third, third, third, 0, third, third, third, 0, 0, 0, 0, 1);
    static const std::vector<Peer> list = {
        {"grayscale", grayscaleFilter, [](const cv::Mat& s, cv::Mat& t) { cv::transform(s, t, gray); }},
        {"negative", negativeFilter, [](const cv::Mat& s, cv::Mat& t) { cv::bitwise_not(s, t); }},
        {"brightness", [](FilterRun& run) { brightnessFilter(run, 20); },
         [](const cv::Mat& s, cv::Mat& t) { s.convertTo(t, -1, 1.2); }},
        {"contrast", [](FilterRun& run) { contrastFilter(run, 10); },
         [](const cv::Mat& s, cv::Mat& t) { s.convertTo(t, -1, 1.4, -50); }},
        {"swap", [](FilterRun& run) { colourSwapFilter(run, 1); },
         [](const cv::Mat& s, cv::Mat& t) {
             static const int fromTo[] = {0, 1, 1, 2, 2, 0, 3, 3};
             t.create(s.size(), s.type());
             cv::mixChannels(&s, 1, &t, 1, fromTo, 4);
         }},
        {"sepia",
         [](FilterRun& run) {
             QImage canvas(reinterpret_cast<uchar*>(run.FilterBeeld), run.width, run.height, QImage::Format_RGB32);
             SepiaKleuren(canvas, {});
         },
         [](const cv::Mat& s, cv::Mat& t) { cv::transform(s, t, sepia); }},
        {"sharpen", [](FilterRun& run) { sharpenFilter(run, 5); }, filter3x3(5 + 24, 2, 5 + 8)},
        {"edge", [](FilterRun& run) { edgeFilter(run, 1); }, filter3x3(1 + 9, 1, 1 + 1)},
        {"blur", blurFilter, filter3x3(0, -1, 8)},
    };
    return list;
}

const QList<QSize> Sizes = {{500, 260}, {4000, 2080}};

std::string key(const char* library, const char* operation, QSize size)
{
    return std::string(library) + "/" + operation + "/" + std::to_string(size.width());
}

void registerPeers()
{
    for (const Peer& peer : peers())
        for (const QSize size : Sizes) {
            benchmark::RegisterBenchmark(key("ours", peer.name, size).c_str(), [&peer, size](benchmark::State& state) {
                KernelBuffers buffers(size.width(), size.height());
                FilterRun run = buffers.run();
                for (auto _ : state) {
                    peer.ours(run);
                    benchmark::ClobberMemory();
                }
            })->Unit(benchmark::kMicrosecond);
            const auto theirs = [&peer, size](benchmark::State& state) {
                QImage picture = pattern(size.width(), size.height());
                const cv::Mat source(size.height(), size.width(), CV_8UC4, picture.bits(), picture.bytesPerLine());
                cv::Mat target;
                for (auto _ : state) {
                    peer.theirs(source, target);
                    benchmark::ClobberMemory();
                }
            };
            benchmark::RegisterBenchmark(key("opencv", peer.name, size).c_str(), theirs)->Unit(benchmark::kMicrosecond);
        }
}

// The console output as usual, and the time of each run kept for the table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> times;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    cv::setNumThreads(1);
    registerPeers();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n%-12s %12s %12s   (ours / OpenCV; below 1: ours is faster)\n", "operation", "500 x 260",
                "4000 x 2080");
    for (const Peer& peer : peers()) {
        std::printf("%-12s", peer.name);
        for (const QSize size : Sizes) {
            const auto ours = reporter.times.find(key("ours", peer.name, size));
            const auto theirs = reporter.times.find(key("opencv", peer.name, size));
            if (ours != reporter.times.end() && theirs != reporter.times.end())
                std::printf(" %11.2fx", ours->second / theirs->second);
            else
                std::printf(" %12s", "-");
        }
        std::printf("\n");
    }
    return 0;
}
