#include "qtprint/HeaderDate.h"

namespace zufora {

std::string HeaderDate(const QDate& date) {
  return date.toString(QStringLiteral("dd.MM.yy")).toStdString();  // digits and dots only
}

std::string TodaysHeaderDate() {
  return HeaderDate(QDate::currentDate());
}

}  // namespace zufora
