// The sign lookup as the find action makes it, from the three list texts; and
// a sweep of every (year, month, day 1 to 31) the lists can name,
// 83 x 12 x 31 = 30,876.
#include "sign/Sign.h"
#include "sign/SignLookup.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Texts {
    QString year;
    QString month;
    QString day;
};

// Every combination the entry window's lists can hold, as their texts.
std::vector<Texts> everyListCombination()
{
    std::vector<Texts> all;
    for (int year = sign::FirstYear; year <= sign::LastYear; ++year) {
        for (const QString& month : sign::monthNames()) {
            for (int day = 1; day <= 31; ++day)
                all.push_back({QString::number(year), month, QString::number(day)});
        }
    }
    return all;
}

void BM_FindSignFromListTexts(benchmark::State& state)
{
    const std::vector<Texts> all = everyListCombination();
    std::size_t next = 0;
    for (auto _ : state) {
        const Texts& texts = all[next];
        benchmark::DoNotOptimize(sign::findSign(texts.year, texts.month, texts.day));
        next = (next + 7919) % all.size();  // a prime stride: years, months and days all vary
    }
}

void BM_SweepEveryListCombination(benchmark::State& state)
{
    const std::vector<Texts> all = everyListCombination();
    for (auto _ : state) {
        int found = 0;
        for (const Texts& texts : all)
            found += sign::findSign(texts.year, texts.month, texts.day).has_value();
        if (found != static_cast<int>(all.size()))
            state.SkipWithError("a date of the lists found no sign");
        benchmark::DoNotOptimize(found);
    }
    state.counters["dates"] = static_cast<double>(all.size());
}

}  // namespace

BENCHMARK(BM_FindSignFromListTexts);
BENCHMARK(BM_SweepEveryListCombination)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
