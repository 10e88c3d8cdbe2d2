// Speed of a whole compute and of the text conversions, with std::strtod and
// std::from_chars of the same text in the same run as the floors.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/conversion_error.h"
#include "core/level_recipes.h"
#include "core/numeric_text.h"
#include "model/converter_model.h"

namespace {

using level::Control;
using level::ConverterModel;
using level::RegionalSettings;

void Compute(benchmark::State& state, void (ConverterModel::*choose)(), Control field,
             const char* text)
{
    ConverterModel model(RegionalSettings{",", "."});
    model.Form_Load();
    (model.*choose)();
    model.SetFieldText(field, text);
    for (auto _ : state) {
        model.Command1_Click();
        // The model itself, not a const view of it: Benchmark 1.8 on deprecates
        // holding back a const reference, which permits the optimiser too much.
        benchmark::DoNotOptimize(model);
    }
}

// The same recipes with the C library's pow and log in place of the
// correctly rounded power and logarithm, and no checks: the floor each
// compute is measured against.
void Write(std::string& field, double value, const RegionalSettings& settings)
{
    field = level::FormatCurrency(level::RoundToCurrency(value), settings);
}
void LibmFromDecibels(level::LevelFields& fields, const RegionalSettings& settings)
{
    Write(fields.nepers, level::ParseDouble(fields.decibels, settings) / 8.686, settings);
    const double decibels = level::ParseDouble(fields.decibels, settings);
    Write(fields.volts, std::pow(10.0, decibels / 20.0) * 0.775, settings);
}
void LibmFromNepers(level::LevelFields& fields, const RegionalSettings& settings)
{
    Write(fields.decibels, level::ParseDouble(fields.nepers, settings) * 8.686, settings);
    const double decibels =
        level::CurrencyToDouble(level::ParseCurrency(fields.decibels, settings));
    Write(fields.volts, std::pow(10.0, decibels / 20.0) * 0.775, settings);
}
void LibmFromVolts(level::LevelFields& fields, const RegionalSettings& settings)
{
    const double volts = level::ParseDouble(fields.volts, settings);
    Write(fields.decibels, std::log(volts / 0.775) * 8.6858, settings);
    Write(fields.nepers, level::ParseDouble(fields.decibels, settings) * 0.115, settings);
}

void LibmCompute(benchmark::State& state,
                 void (*recipe)(level::LevelFields&, const RegionalSettings&),
                 std::string level::LevelFields::*field, const char* text)
{
    const RegionalSettings settings{",", "."};
    level::LevelFields fields{"0", "0", "0,775"};
    fields.*field = text;
    for (auto _ : state) {
        recipe(fields, settings);
        benchmark::DoNotOptimize(fields);
    }
}

void BM_ComputeFromDecibels(benchmark::State& state)
{
    Compute(state, &ConverterModel::Option1_Click, Control::Text1, "-3,5");
}
void BM_ComputeFromNepers(benchmark::State& state)
{
    Compute(state, &ConverterModel::Option3_Click, Control::Text2, "1,25");
}
void BM_ComputeFromVolts(benchmark::State& state)
{
    Compute(state, &ConverterModel::Option2_Click, Control::Text3, "1,55");
}

void BM_LibmComputeFromDecibels(benchmark::State& state)
{
    LibmCompute(state, &LibmFromDecibels, &level::LevelFields::decibels, "-3,5");
}
void BM_LibmComputeFromNepers(benchmark::State& state)
{
    LibmCompute(state, &LibmFromNepers, &level::LevelFields::nepers, "1,25");
}
void BM_LibmComputeFromVolts(benchmark::State& state)
{
    LibmCompute(state, &LibmFromVolts, &level::LevelFields::volts, "1,55");
}

// A compute on the longest text a field takes (32 767 characters), as a
// paste may leave it: a run of digits, which overflows, and a page of
// letters, which is no number. Both end in the error the user is shown.
void ComputeOnAFullField(benchmark::State& state, char filler)
{
    ConverterModel model(RegionalSettings{",", "."});
    model.Form_Load();
    model.Option1_Click();
    model.SetFieldText(Control::Text1, std::string(32767, filler));
    for (auto _ : state) {
        try {
            model.Command1_Click();
        } catch (const level::ConversionError& error) {
            benchmark::DoNotOptimize(error.kind());
        }
    }
}
void BM_ComputeOnAFieldOfDigits(benchmark::State& state)
{
    ComputeOnAFullField(state, '9');
}
void BM_ComputeOnAFieldOfLetters(benchmark::State& state)
{
    ComputeOnAFullField(state, 'x');
}

void BM_ParseDouble(benchmark::State& state)
{
    const RegionalSettings settings = RegionalSettings{",", "."};
    const std::string text = "2,4508";
    for (auto _ : state) {
        benchmark::DoNotOptimize(level::ParseDouble(text, settings));
    }
}

void BM_FormatCurrency(benchmark::State& state)
{
    const RegionalSettings settings = RegionalSettings{",", "."};
    const level::Currency amount{24508};
    for (auto _ : state) {
        benchmark::DoNotOptimize(level::FormatCurrency(amount, settings));
    }
}

void BM_StrtodFloor(benchmark::State& state)
{
    const std::string text = "2.4508";
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    }
}

void BM_FromCharsFloor(benchmark::State& state)
{
    const std::string text = "2.4508";
    for (auto _ : state) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
}

BENCHMARK(BM_ComputeFromDecibels);
BENCHMARK(BM_ComputeFromNepers);
BENCHMARK(BM_ComputeFromVolts);
BENCHMARK(BM_LibmComputeFromDecibels);
BENCHMARK(BM_LibmComputeFromNepers);
BENCHMARK(BM_LibmComputeFromVolts);
BENCHMARK(BM_ComputeOnAFieldOfDigits);
BENCHMARK(BM_ComputeOnAFieldOfLetters);
BENCHMARK(BM_ParseDouble);
BENCHMARK(BM_FormatCurrency);
BENCHMARK(BM_StrtodFloor);
BENCHMARK(BM_FromCharsFloor);

}  // namespace

BENCHMARK_MAIN();
