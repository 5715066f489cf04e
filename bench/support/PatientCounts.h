#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

namespace zufora::bench {

// The list lengths of the list benchmarks: 10^5, 10^6 and 10^7 patients.
inline void ListLengths(benchmark::internal::Benchmark* bench) {
  bench->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
}

// Patients as the items processed, and nanoseconds per patient.
inline void CountPatients(benchmark::State& state, std::int64_t patients) {
  state.SetItemsProcessed(state.iterations() * patients);
  // Patients scaled by 1e-9 and inverted: nanoseconds per patient.
  state.counters["ns_per_patient"] = benchmark::Counter(
      static_cast<double>(patients) * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace zufora::bench
