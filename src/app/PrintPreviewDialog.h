#pragma once

#include <QDialog>

#include "PreviewPages.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace zufora::app {

class PreviewPageView;

// The print preview: one page at a time, laid out when it is shown. The page is chosen by
// the buttons for the first, previous, next and last page, by its number, by the keys
// (Page Up, Page Down, Ctrl+Home, Ctrl+End) or by the wheel past a page's end; it is
// shown whole, as wide as the window, or zoomed in and out. "Drucken" runs the print
// command and closes the preview once the job is printed.
//
// Object names: PrintPreview, PreviewPrint, PreviewFirst, PreviewPrevious,
// PreviewPageNumber, PreviewPageOf, PreviewNext, PreviewLast, PreviewZoomOut,
// PreviewZoomIn, PreviewPageWidth, PreviewWholePage, PreviewClose, PreviewPage.
class PrintPreviewDialog : public QDialog {
 public:
  // The pages' first page must have been prepared.
  PrintPreviewDialog(PreviewPages& pages, const PreviewTexts& texts, QWidget* parent);

  int CurrentPage() const { return current_; }
  // Shows the page (kept within the job); stays where it is when its layout is cancelled.
  void GoToPage(int page);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class Zoom { kWholePage, kPageWidth, kFree };

  QToolButton* AddButton(const char* name, const QString& text);
  void SetZoom(Zoom zoom, double free_scale = 0);
  void ApplyZoom();
  void ShowState();
  bool TurnPageByWheel(int steps);

  PreviewPages& pages_;
  PreviewTexts texts_;
  int current_ = 1;
  Zoom zoom_ = Zoom::kWholePage;
  PreviewPageView* view_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QSpinBox* page_number_ = nullptr;
  QLabel* page_of_ = nullptr;
  QToolButton* first_ = nullptr;
  QToolButton* previous_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* last_ = nullptr;
  QToolButton* page_width_ = nullptr;
  QToolButton* whole_page_ = nullptr;
  QWidget* toolbar_ = nullptr;
};

}  // namespace zufora::app
