#pragma once

#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace zufora::app {

// The texts of the print preview's controls, as translated.
struct PreviewTexts {
  QString title;    // the print window's "Druckvorschau"
  QString print;    // the print window's "Drucken"
  QString page_of;  // "Seite %1 von %2"
  QString first_page;
  QString previous_page;
  QString next_page;
  QString last_page;
  QString zoom_in;
  QString zoom_out;
  QString page_width;
  QString whole_page;
  QString close;
};

// The pages a preview shows, laid out on demand: a page is made ready before it is
// painted, and only the pages around it are kept, so that a preview of any length takes
// little memory.
class PreviewPages {
 public:
  virtual ~PreviewPages() = default;

  virtual int PageCount() const = 0;
  // The paper and, within it, the printable area, in the printer's device units.
  virtual QRect PaperRect() const = 0;
  virtual QRect PrintableRect() const = 0;
  // The printer's device units per inch.
  virtual int Resolution() const = 0;

  // Makes the page (from 1) ready to paint, laying out the pages around it when they
  // are not at hand, with a progress over `parent` for a long job. False when the user
  // cancelled.
  virtual bool Prepare(QWidget* parent, int page) = 0;
  // Paints a prepared page in device units, the origin at the printable area's top-left;
  // a page not prepared stays empty. The painter's pen width is used for the lines.
  virtual void Paint(int page, QPainter& painter) = 0;

  // "Drucken": the print dialog, then the job on the printer chosen. True when it was
  // printed.
  virtual bool Print(QWidget* parent) = 0;
};

}  // namespace zufora::app
