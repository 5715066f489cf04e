// Reading and applying language files: time per byte must stay flat as files grow.
#include <benchmark/benchmark.h>

#include <string>

#include "lang/Language.h"
#include "lang/LanguageFile.h"
#include "lang/ProgramTexts.h"

namespace zufora {
namespace {

// A file that translates every text of the three windows, padded with `sections`
// unknown sections of ten entries each.
std::string LanguageText(int sections) {
  std::string text;
  ProgramTexts texts;
  for (const TextWindow* window : texts.Windows()) {
    text += "[" + window->Name() + "]\r\n" + window->Name() + ".Caption=Title\r\n";
    for (const TextComponent& component : window->Components()) {
      const std::string key_start = window->Name() + "." + component.name + ".";
      text += key_start + "Caption=  caption of " + component.name + "  \r\n";
      text += key_start + "Hint=hint\r\n";
      for (int n = 0; n < 10; ++n) {
        text += key_start + "Lines[" + std::to_string(n) + "]=line " + std::to_string(n) + "\r\n";
      }
    }
  }
  for (int s = 0; s < sections; ++s) {
    text += "; padding\r\n[Unknown" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 10; ++k) {
      text += "Unknown.Key" + std::to_string(k) + " = some value = with equals\r\n";
    }
  }
  return text;
}

void BM_ParseLanguageFile(benchmark::State& state) {
  const std::string text = LanguageText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    LanguageFile file = LanguageFile::Parse(text);
    benchmark::DoNotOptimize(file);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseLanguageFile)->RangeMultiplier(10)->Range(10, 100000);

void BM_ParseOneLongLine(benchmark::State& state) {
  std::string text = "[FormLang]\nFormLang.LabelBlock.Caption=";
  text.append(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) {
    LanguageFile file = LanguageFile::Parse(text);
    benchmark::DoNotOptimize(file);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseOneLongLine)->RangeMultiplier(8)->Range(1 << 16, 1 << 26);

void BM_FirstShow(benchmark::State& state) {
  const LanguageFile file = LanguageFile::Parse(LanguageText(0));
  for (auto _ : state) {
    ProgramTexts texts;
    benchmark::DoNotOptimize(ApplyFirstShowTexts(texts, &file));
  }
}
BENCHMARK(BM_FirstShow);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
