// One whole reading, as the user does it after "重来": four bands, an evaluation and both
// captions. Against the recording fake that the tests use, and against elements that do
// nothing, which leaves the logic's own cost.
#include <benchmark/benchmark.h>

#include "recording_elements.h"

namespace {

class SilentElements : public Elements {
public:
    ColourValue SwatchColour(int code) override { return TestSwatchColour(code); }
    void SetBandColour(int, ColourValue) override {}
    void ShowBand(int, bool) override {}
    void SetResistanceText(std::string_view text) override { benchmark::DoNotOptimize(text); }
    void SetToleranceText(std::string_view text) override { benchmark::DoNotOptimize(text); }
    void ShowFlipped(bool) override {}
    void ShowMessage(std::string_view) override {}
};

void Read(ResistorReader& reader) {
    reader.Reset();
    for (int code : {int{kGold}, 2, 0, 1}) {
        reader.Append(code);
    }
    reader.Evaluate();
}

void WholeReading(benchmark::State& state) {
    RecordingElements window;
    ResistorReader reader(window);
    reader.Initialise();
    for (auto _ : state) {
        window.calls.clear();
        Read(reader);
    }
    if (window.resistanceText != "1KΩ") {
        state.SkipWithError("wrong reading");
    }
}
BENCHMARK(WholeReading);

void WholeReadingLogicAlone(benchmark::State& state) {
    SilentElements window;
    ResistorReader reader(window);
    reader.Initialise();
    for (auto _ : state) {
        Read(reader);
    }
}
BENCHMARK(WholeReadingLogicAlone);

}  // namespace

BENCHMARK_MAIN();
