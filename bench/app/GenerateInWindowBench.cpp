// "Generieren" in the real window, offscreen: from the press of the button to the list
// shown in the list field (text set, field laid out and painted). Counters give the
// process's resident memory after the list is shown and its peak during the press.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "ListTextEdit.h"
#include "MainWindow.h"
#include "PrintDialogs.h"
#include "ZuforaApplication.h"
#include "files/DesignFileStore.h"
#include "files/DiskDesignFiles.h"
#include "support/BenchDesigns.h"

namespace {

using namespace zufora;

// Services that answer every question with No and choose no file.
struct QuietBoxes : app::MessageBoxes {
  void Inform(QWidget*, const QString&, const QString&) override {}
  bool Ask(QWidget*, const QString&, const QString&) override { return false; }
  void ShowError(QWidget*, const QString&, const QString&) override {}
};
struct NoDialogs : app::FileDialogs {
  std::optional<QString> AskSaveFileName(QWidget*, const app::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<QString> AskOpenFileName(QWidget*, const app::FileDialogRequest&) override {
    return std::nullopt;
  }
};
struct NoClipboard : app::Clipboard {
  void SetText(const QString&) override {}
};
struct NoShell : app::DesktopShell {
  void Open(const QString&) override {}
};
struct NoPrintDialogs : app::PrintDialogs {
  bool AskPrinter(QWidget*, QPrinter&) override { return false; }
  void ShowPreview(QWidget*, app::PreviewPages&, const app::PreviewTexts&) override {}
  std::unique_ptr<app::PrintProgress> StartProgress(QWidget*, const QString&, int, bool) override {
    return nullptr;
  }
};

// Kilobytes of a line of /proc/self/status ("VmRSS:", "VmHWM:").
double StatusKilobytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) {
      return std::stod(line.substr(key.size()));
    }
  }
  return 0;
}

void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_GenerateInWindow(benchmark::State& state) {
  const auto patients = state.range(0);
  QTemporaryDir folder;
  const QString design = folder.filePath(QStringLiteral("bench.zfd"));
  StudyDesign four_arms =
      bench::ListDesign({"1", "1", "1", "1"}, static_cast<std::int32_t>(patients));
  four_arms.fixed_block_size = "8";
  SaveDesignFile(design.toStdString(), four_arms);
  ProgramTexts texts;
  QuietBoxes boxes;
  NoDialogs dialogs;
  NoClipboard clipboard;
  NoShell shell;
  NoPrintDialogs print_dialogs;
  DiskDesignFiles files(texts.catalogue);
  auto window = std::make_unique<app::MainWindow>(
      texts, app::WindowServices{boxes, dialogs, clipboard, shell, print_dialogs}, files,
      [] { return std::int64_t{1'000'000'000}; }, folder.path().toStdString());
  window->show();
  QApplication::processEvents();
  window->OpenDesignFile(design);
  window->Widgets().tabs->setCurrentIndex(static_cast<int>(Page::List));
  QApplication::processEvents();

  QPushButton* start = window->Widgets().generate_button;
  double peak_kb = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    start->click();
    QApplication::processEvents();  // layout and paint of the field
    peak_kb = StatusKilobytes("VmHWM:");
  }
  const std::string text = window->ListText();
  const auto lines = std::count(text.begin(), text.end(), '\n');
  state.counters["rss_MB"] = StatusKilobytes("VmRSS:") / 1024.0;
  state.counters["peak_MB"] = peak_kb / 1024.0;
  state.counters["lines"] = static_cast<double>(lines);
  if (lines < patients) {
    state.SkipWithError("the list was not drawn");
  }
}
BENCHMARK(BM_GenerateInWindow)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  app::ZuforaApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
