// What makes a list evidence, at scale: verify of a file of one enormous line (time and
// peak memory of the program), and the balance report of many arms against generate.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <string>
#include <vector>

#include "ZuforaCli.h"
#include "files/DesignFileStore.h"
#include "support/BenchDesigns.h"

extern char** environ;

namespace zufora {
namespace {

namespace fs = std::filesystem;

// Throws everything written away.
class NullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

struct ProgramRun {
  int status = -1;
  double peak_rss_mb = 0;
  double seconds = 0;
};

// Runs zufora-cli as its own process, its output thrown away, and measures it.
ProgramRun RunProgram(const std::vector<std::string>& arguments) {
  std::vector<std::string> words = {ZUFORA_CLI_PROGRAM};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  ProgramRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peak_rss_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

// verify of a list file that is one line of 2 GiB (NUL bytes, a sparse file): the
// program's peak resident memory stays small whatever the line's length.
void BM_VerifyOneLineOfTwoGiB(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "zufora-evidence-bench";
  fs::create_directories(folder);
  const fs::path design = folder / "design.zfd";
  SaveDesignFile(design, bench::TwoArmsVariable(1000));
  const fs::path list = folder / "one-line.txt";
  { std::ofstream create(list); }
  fs::resize_file(list, std::uintmax_t{2} << 30);
  ProgramRun run;
  for (auto _ : state) {
    run = RunProgram({"verify", design.string(), list.string()});
    state.SetIterationTime(run.seconds);
  }
  if (run.status != cli::kExitIncomplete) {
    state.SkipWithError("verify did not find the file different");
  }
  state.counters["peak_rss_mb"] = run.peak_rss_mb;
  state.counters["file_gib"] = 2;
  fs::remove_all(folder);
}

BENCHMARK(BM_VerifyOneLineOfTwoGiB)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// A design of `arms` arms 1:1:... in blocks of `arms` patients.
fs::path ManyArmsDesign(std::int32_t arms, std::int32_t patients) {
  const fs::path folder = fs::temp_directory_path() / "zufora-evidence-bench";
  fs::create_directories(folder);
  StudyDesign design =
      bench::ListDesign(std::vector<std::string>(static_cast<std::size_t>(arms), "1"), patients);
  design.fixed_block_size = std::to_string(arms);
  const fs::path file = folder / ("arms-" + std::to_string(arms) + ".zfd");
  SaveDesignFile(file, design);
  return file;
}

void RunCommand(benchmark::State& state, const char* command, std::int32_t arms,
                std::int32_t patients) {
  const fs::path design = ManyArmsDesign(arms, patients);
  const CalendarClock clock = [] { return std::int64_t{1700000000}; };
  NullBuffer nothing;
  std::ostream out(&nothing);
  std::ostream err(&nothing);
  for (auto _ : state) {
    if (cli::RunZuforaCli({command, design.string()}, out, err, clock) != cli::kExitComplete) {
      state.SkipWithError("the command did not complete");
      break;
    }
  }
  state.counters["arms"] = arms;
  state.counters["patients"] = patients;
  fs::remove(design);
}

// report against generate, 4,096 arms and 65,536 patients: a tally that walked every arm
// at every patient would take some thousand times as long as the drawing.
void BM_GenerateManyArms(benchmark::State& state) {
  RunCommand(state, "generate", static_cast<std::int32_t>(state.range(0)),
             static_cast<std::int32_t>(state.range(1)));
}
void BM_ReportManyArms(benchmark::State& state) {
  RunCommand(state, "report", static_cast<std::int32_t>(state.range(0)),
             static_cast<std::int32_t>(state.range(1)));
}

BENCHMARK(BM_GenerateManyArms)
    ->Args({4096, 65536})
    ->Args({16384, 262144})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportManyArms)
    ->Args({4096, 65536})
    ->Args({16384, 262144})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
