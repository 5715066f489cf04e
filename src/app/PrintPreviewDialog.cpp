#include "PrintPreviewDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "PreviewPageView.h"

namespace zufora::app {
namespace {

constexpr double kZoomStep = 1.25;
// Zoomed in no further than four times the paper's own size, out to a thumbnail.
constexpr double kLargestZoom = 4.0;
constexpr double kSmallestScale = 0.01;

}  // namespace

PrintPreviewDialog::PrintPreviewDialog(PreviewPages& pages, const PreviewTexts& texts,
                                       QWidget* parent)
    : QDialog(parent), pages_(pages), texts_(texts) {
  setObjectName(QStringLiteral("PrintPreview"));
  setWindowTitle(texts.title);

  toolbar_ = new QWidget(this);
  auto* bar = new QHBoxLayout(toolbar_);
  bar->setContentsMargins(0, 0, 0, 0);
  auto* print = new QPushButton(texts.print, toolbar_);
  print->setObjectName(QStringLiteral("PreviewPrint"));
  print->setAutoDefault(false);
  bar->addWidget(print);
  bar->addSpacing(12);

  first_ = AddButton("PreviewFirst", texts.first_page);
  first_->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
  previous_ = AddButton("PreviewPrevious", texts.previous_page);
  previous_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  page_number_ = new QSpinBox(toolbar_);
  page_number_->setObjectName(QStringLiteral("PreviewPageNumber"));
  page_number_->setRange(1, std::max(1, pages.PageCount()));
  page_number_->setKeyboardTracking(false);  // a number typed counts when it is entered
  page_number_->setAccessibleName(texts.page_of);
  bar->addWidget(page_number_);
  page_of_ = new QLabel(toolbar_);
  page_of_->setObjectName(QStringLiteral("PreviewPageOf"));
  bar->addWidget(page_of_);
  next_ = AddButton("PreviewNext", texts.next_page);
  next_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  last_ = AddButton("PreviewLast", texts.last_page);
  last_->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
  for (QToolButton* button : {first_, previous_, next_, last_}) {
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  bar->addSpacing(12);
  QToolButton* zoom_out = AddButton("PreviewZoomOut", texts.zoom_out);
  QToolButton* zoom_in = AddButton("PreviewZoomIn", texts.zoom_in);
  page_width_ = AddButton("PreviewPageWidth", texts.page_width);
  whole_page_ = AddButton("PreviewWholePage", texts.whole_page);
  page_width_->setCheckable(true);
  whole_page_->setCheckable(true);
  bar->addStretch(1);
  auto* close = new QPushButton(texts.close, toolbar_);
  close->setObjectName(QStringLiteral("PreviewClose"));
  close->setAutoDefault(false);
  bar->addWidget(close);

  view_ = new PreviewPageView(pages, this);
  view_->turn_page_by_wheel = [this](int steps) { return TurnPageByWheel(steps); };
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(view_);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setBackgroundRole(QPalette::Dark);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolbar_);
  layout->addWidget(scroll_, 1);

  connect(print, &QPushButton::clicked, this, [this] {
    if (pages_.Print(this)) {
      accept();
    }
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(first_, &QToolButton::clicked, this, [this] { GoToPage(1); });
  connect(previous_, &QToolButton::clicked, this, [this] { GoToPage(current_ - 1); });
  connect(next_, &QToolButton::clicked, this, [this] { GoToPage(current_ + 1); });
  connect(last_, &QToolButton::clicked, this, [this] { GoToPage(pages_.PageCount()); });
  connect(page_number_, &QSpinBox::valueChanged, this, [this](int page) { GoToPage(page); });
  connect(zoom_in, &QToolButton::clicked, this,
          [this] { SetZoom(Zoom::kFree, view_->Scale() * kZoomStep); });
  connect(zoom_out, &QToolButton::clicked, this,
          [this] { SetZoom(Zoom::kFree, view_->Scale() / kZoomStep); });
  connect(page_width_, &QToolButton::clicked, this, [this] { SetZoom(Zoom::kPageWidth); });
  connect(whole_page_, &QToolButton::clicked, this, [this] { SetZoom(Zoom::kWholePage); });
  const auto shortcut = [this](const QKeySequence& keys, auto action) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  };
  shortcut(QKeySequence(Qt::Key_PageDown), [this] { GoToPage(current_ + 1); });
  shortcut(QKeySequence(Qt::Key_PageUp), [this] { GoToPage(current_ - 1); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { GoToPage(1); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { GoToPage(pages_.PageCount()); });
  shortcut(QKeySequence::ZoomIn, [this] { SetZoom(Zoom::kFree, view_->Scale() * kZoomStep); });
  shortcut(QKeySequence::ZoomOut, [this] { SetZoom(Zoom::kFree, view_->Scale() / kZoomStep); });

  // A whole page at a readable size: most of the screen's height.
  const QRect screen = (parent != nullptr && parent->screen() != nullptr)
                           ? parent->screen()->availableGeometry()
                           : QGuiApplication::primaryScreen()->availableGeometry();
  const QRect paper = pages.PaperRect();
  const int height = screen.height() * 9 / 10;
  const int width =
      paper.height() > 0 ? (height - 100) * paper.width() / paper.height() + 80 : height;
  resize(std::clamp(width, toolbar_->sizeHint().width() + 40, screen.width()), height);
  SetZoom(Zoom::kWholePage);
  ShowState();
}

QToolButton* PrintPreviewDialog::AddButton(const char* name, const QString& text) {
  auto* button = new QToolButton(toolbar_);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setToolTip(text);
  button->setAccessibleName(text);
  button->setAutoRaise(true);
  toolbar_->layout()->addWidget(button);
  return button;
}

void PrintPreviewDialog::GoToPage(int page) {
  page = std::clamp(page, 1, std::max(1, pages_.PageCount()));
  if (page == current_) {
    ShowState();  // a number typed beyond the end shows the last page's number again
    return;
  }
  if (!pages_.Prepare(this, page)) {
    ShowState();
    return;
  }
  current_ = page;
  view_->SetPage(page);
  ShowState();
}

void PrintPreviewDialog::SetZoom(Zoom zoom, double free_scale) {
  zoom_ = zoom;
  if (zoom == Zoom::kFree) {
    const double largest = kLargestZoom * logicalDpiY() / std::max(1, pages_.Resolution());
    view_->SetScale(std::clamp(free_scale, kSmallestScale, largest));
  }
  page_width_->setChecked(zoom == Zoom::kPageWidth);
  whole_page_->setChecked(zoom == Zoom::kWholePage);
  ApplyZoom();
}

void PrintPreviewDialog::ApplyZoom() {
  const QRect paper = pages_.PaperRect();
  if (zoom_ == Zoom::kFree || paper.width() <= 0 || paper.height() <= 0) {
    return;
  }
  const QSize room = scroll_->maximumViewportSize();
  const double margins = 2.0 * PreviewPageView::kMargin;
  double scale = (room.width() - margins) / paper.width();
  if (zoom_ == Zoom::kWholePage) {
    scale = std::min(scale, (room.height() - margins) / paper.height());
  } else {
    // The vertical scroll bar that a page wider than high will need.
    scale =
        (room.width() - margins - scroll_->verticalScrollBar()->sizeHint().width()) / paper.width();
  }
  view_->SetScale(std::max(scale, kSmallestScale));
}

void PrintPreviewDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ApplyZoom();
}

void PrintPreviewDialog::ShowState() {
  const int count = pages_.PageCount();
  {
    const QSignalBlocker blocked(page_number_);
    page_number_->setValue(current_);
  }
  page_of_->setText(texts_.page_of.arg(QString::number(current_), QString::number(count)));
  first_->setEnabled(current_ > 1);
  previous_->setEnabled(current_ > 1);
  next_->setEnabled(current_ < count);
  last_->setEnabled(current_ < count);
}

bool PrintPreviewDialog::TurnPageByWheel(int steps) {
  QScrollBar* bar = scroll_->verticalScrollBar();
  const bool at_end = steps > 0 ? bar->value() >= bar->maximum() : bar->value() <= bar->minimum();
  const int page = std::clamp(current_ + (steps > 0 ? 1 : -1), 1, pages_.PageCount());
  if (!at_end || page == current_) {
    return false;
  }
  GoToPage(page);
  // Paging on downwards starts at the new page's top, upwards at its bottom.
  bar->setValue(steps > 0 ? bar->minimum() : bar->maximum());
  return true;
}

}  // namespace zufora::app
