// "Druckvorschau" of a long list in the real window, offscreen: from the press of the
// button to the first page shown in the preview, then to its last page. Counters give
// the process's resident memory before the preview, its peak while the preview is open
// and what stays after it has closed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

#include "MainWindow.h"
#include "PrintDialogs.h"
#include "PrintPreviewDialog.h"
#include "ZuforaApplication.h"
#include "files/DesignFileStore.h"
#include "files/DiskDesignFiles.h"
#include "support/BenchDesigns.h"

namespace {

using namespace zufora;

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

// The real preview dialog, shown and painted at its first page, then at its last;
// the times are taken from the press of the button.
struct TimedPreview : app::PrintDialogs {
  bool AskPrinter(QWidget*, QPrinter&) override { return false; }
  void ShowPreview(QWidget* parent, app::PreviewPages& pages,
                   const app::PreviewTexts& texts) override {
    app::PrintPreviewDialog dialog(pages, texts, parent);
    dialog.show();
    QApplication::processEvents();
    first_page_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const qint64 before_last = clock.nsecsElapsed();
    dialog.GoToPage(pages.PageCount());
    QApplication::processEvents();
    last_page_ms = static_cast<double>(clock.nsecsElapsed() - before_last) / 1e6;
    page_count = pages.PageCount();
    open_kb = StatusKilobytes("VmRSS:");
  }
  std::unique_ptr<app::PrintProgress> StartProgress(QWidget*, const QString&, int, bool) override {
    return nullptr;
  }

  QElapsedTimer clock;
  double first_page_ms = 0;
  double last_page_ms = 0;
  double open_kb = 0;
  int page_count = 0;
};

void BM_PreviewLongList(benchmark::State& state) {
  const auto patients = state.range(0);
  QTemporaryDir folder;
  const QString design = folder.filePath(QStringLiteral("bench.zfd"));
  SaveDesignFile(design.toStdString(), bench::TwoArmsVariable(static_cast<std::int32_t>(patients)));
  ProgramTexts texts;
  QuietBoxes boxes;
  NoDialogs dialogs;
  NoClipboard clipboard;
  NoShell shell;
  TimedPreview preview;
  DiskDesignFiles files(texts.catalogue);
  auto window = std::make_unique<app::MainWindow>(
      texts, app::WindowServices{boxes, dialogs, clipboard, shell, preview}, files,
      [] { return std::int64_t{1'000'000'000}; }, folder.path().toStdString());
  window->show();
  QApplication::processEvents();
  window->OpenDesignFile(design);
  window->Widgets().tabs->setCurrentIndex(static_cast<int>(Page::List));
  QApplication::processEvents();
  window->Widgets().generate_button->click();
  QApplication::processEvents();

  QPushButton* button = window->Widgets().preview_button;
  double before_kb = 0;
  double peak_kb = 0;
  double after_kb = 0;
  for (auto _ : state) {
    before_kb = StatusKilobytes("VmRSS:");
    ResetPeakMemory();
    preview.clock.start();
    button->click();
    QApplication::processEvents();
    peak_kb = StatusKilobytes("VmHWM:");
    after_kb = StatusKilobytes("VmRSS:");
  }
  state.counters["pages"] = preview.page_count;
  state.counters["first_page_ms"] = preview.first_page_ms;
  state.counters["last_page_ms"] = preview.last_page_ms;
  state.counters["rss_before_MB"] = before_kb / 1024.0;
  state.counters["peak_above_MB"] = (peak_kb - before_kb) / 1024.0;
  state.counters["open_above_MB"] = (preview.open_kb - before_kb) / 1024.0;
  state.counters["after_close_above_MB"] = (after_kb - before_kb) / 1024.0;
  if (preview.page_count == 0) {
    state.SkipWithError("no preview was shown");
  }
}
BENCHMARK(BM_PreviewLongList)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

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
