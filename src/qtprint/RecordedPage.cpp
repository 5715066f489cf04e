#include "qtprint/RecordedPage.h"

#include <QPainter>

#include "qtprint/Cp1252QString.h"
#include "qtprint/DeviceContextDrawing.h"
#include "qtprint/PrinterFonts.h"

namespace zufora {

void PaintRecordedPage(QPainter& painter, const RecordedPage& page, PrinterFonts& fonts) {
  using Kind = RecordedPage::Operation::Kind;
  std::size_t font_in_use = page.fonts.size();
  for (const RecordedPage::Operation& operation : page.operations) {
    switch (operation.kind) {
      case Kind::kText:
        if (operation.font != font_in_use && operation.font < page.fonts.size()) {
          painter.setFont(fonts.Get(page.fonts[operation.font]).font);
          font_in_use = operation.font;
        }
        DrawDeviceText(painter, operation.x1, operation.y1, FromCp1252(operation.text),
                       operation.color);
        break;
      case Kind::kLine:
        DrawDeviceLine(painter, operation.x1, operation.y1, operation.x2, operation.y2);
        break;
      case Kind::kFill: FillDeviceRect(painter, operation.rect, operation.color); break;
    }
  }
}

}  // namespace zufora
