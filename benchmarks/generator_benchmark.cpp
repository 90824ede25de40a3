// Cost of one generator step at its worst usual case: a list of 98 columns, "Różne o trzy", and a
// candidate that passes the template test so that both scans of the list run to the end.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "model/generator.h"

namespace {

using namespace zuvo;

const std::string kCandidate = "1111111000002";  // seven ones, five zeros, one two

// With 50/30/20 everywhere: draws below 50 give '1', below 80 '0', the rest '2'.
Draws drawsFor(const std::string& column) {
    Draws d{};
    for (int p = 0; p < kPositionCount; ++p)
        d[p] = column[p] == '1' ? 10 : column[p] == '0' ? 60 : 90;
    return d;
}

// 98 distinct columns, each exactly three positions away from the candidate, so that the
// distance scan compares all 13 characters of every entry and still accepts.
SystemList farList() {
    SystemList list;
    for (int i = 0; i < kPositionCount && list.size() < 98; ++i)
        for (int j = i + 1; j < kPositionCount && list.size() < 98; ++j)
            for (int k = j + 1; k < kPositionCount && list.size() < 98; ++k) {
                std::string c = kCandidate;
                for (int p : {i, j, k}) c[p] = c[p] == '1' ? '0' : '1';
                list.push_back(c);
            }
    return list;
}

ChosenTemplates template751() {
    ChosenTemplates chosen{};
    const auto& catalogue = templateCatalogue();
    for (int k = 0; k < kTemplateCount; ++k)
        chosen[k] = catalogue[k].ones == 7 && catalogue[k].zeros == 5 && catalogue[k].twos == 1;
    return chosen;
}

struct Setup {
    Forecast forecast{};
    ChosenTemplates chosen = template751();
    GeneratorSettings settings;
    SystemList list = farList();
    GeneratorRun run;

    Setup() {
        forecast.fill(PositionForecast{50, 30, 20, 0});
        settings.solutionType = 2;
        run.timeLeft = 60;
        run.draws = drawsFor(kCandidate);
    }
};

void BM_GeneratorStep(benchmark::State& state) {
    Setup s;
    const StepContext context{s.forecast, s.chosen, s.settings};
    for (auto _ : state) {
        s.run.remainingColumns = 99;
        const StepOutcome outcome = generatorStep(s.run, context, s.list);
        if (outcome != StepOutcome::Appended) {
            state.SkipWithError("the candidate was not accepted: the scans did not run");
            break;
        }
        s.list.pop_back();  // back to 98 entries for the next step
    }
}
BENCHMARK(BM_GeneratorStep);

// The whole tick: reseed, 13 draws, then the step (mostly rejected by the template test).
void BM_GeneratorTick(benchmark::State& state) {
    Setup s;
    RandomSource random;
    const StepContext context{s.forecast, s.chosen, s.settings};
    uint32_t clock = 0;
    for (auto _ : state) {
        s.run.remainingColumns = 99;
        drawNumbers(random, clock++, s.run.draws);
        if (generatorStep(s.run, context, s.list) == StepOutcome::Appended) s.list.pop_back();
    }
}
BENCHMARK(BM_GeneratorTick);

}  // namespace

BENCHMARK_MAIN();
