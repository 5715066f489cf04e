#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/PrintOperation.h"
#include "support/RecordingSurface.h"

// Views of a RecordingSurface's log for the print tests.
namespace zufora::print_test {

struct DrawnLine {
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  std::int32_t x2 = 0;
  std::int32_t y2 = 0;
  friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

// A cell text as the table draws it: one blank on either side. (Built by appending:
// GCC 12 warns falsely about `" " + text + " "` at -O3.)
inline std::string Padded(std::string_view text) {
  std::string cell;
  cell.reserve(text.size() + 2);
  cell += ' ';
  cell += text;
  cell += ' ';
  return cell;
}

inline std::vector<PrintOperation> TextsOnPage(const RecordingSurface& surface, std::int32_t page) {
  std::vector<PrintOperation> texts;
  for (const PrintOperation& op : surface.Log()) {
    if (op.kind == PrintOperation::Kind::kTextOut && op.page == page) {
      texts.push_back(op);
    }
  }
  return texts;
}

// The text operations on a page whose text equals `text`.
inline std::vector<PrintOperation> FindTexts(const RecordingSurface& surface, std::int32_t page,
                                             std::string_view text) {
  std::vector<PrintOperation> found;
  for (const PrintOperation& op : TextsOnPage(surface, page)) {
    if (op.text == text) {
      found.push_back(op);
    }
  }
  return found;
}

// Every MoveTo followed by a LineTo on the page, in drawing order.
inline std::vector<DrawnLine> LinesOnPage(const RecordingSurface& surface, std::int32_t page) {
  std::vector<DrawnLine> lines;
  const PrintOperation* from = nullptr;
  for (const PrintOperation& op : surface.Log()) {
    if (op.page != page) {
      continue;
    }
    if (op.kind == PrintOperation::Kind::kMoveTo) {
      from = &op;
    } else if (op.kind == PrintOperation::Kind::kLineTo && from != nullptr) {
      lines.push_back(DrawnLine{from->x, from->y, op.x, op.y});
      from = nullptr;
    }
  }
  return lines;
}

inline std::vector<PrintRect> FillsOnPage(const RecordingSurface& surface, std::int32_t page) {
  std::vector<PrintRect> fills;
  for (const PrintOperation& op : surface.Log()) {
    if (op.kind == PrintOperation::Kind::kFillRect && op.page == page) {
      fills.push_back(op.rect);
    }
  }
  return fills;
}

inline std::vector<PrintOperation::Kind> DocumentKinds(const RecordingSurface& surface) {
  std::vector<PrintOperation::Kind> kinds;
  for (const PrintOperation& op : surface.Log()) {
    if (op.kind == PrintOperation::Kind::kBeginDocument ||
        op.kind == PrintOperation::Kind::kNewPage ||
        op.kind == PrintOperation::Kind::kEndDocument) {
      kinds.push_back(op.kind);
    }
  }
  return kinds;
}

}  // namespace zufora::print_test
