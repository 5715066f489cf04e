#include "lang/PrintWindowTexts.h"

#include "text/Cp1252.h"

namespace zufora {

TextWindow MakePrintWindowTexts() {
  TextWindow window(std::string(kPrintWindowName), "FormDruck");
  window.Add({.name = "Button1",
              .class_name = "TButton",
              .caption = "Druckvorschau",
              .hint = std::string()});
  window.Add(
      {.name = "Button2", .class_name = "TButton", .caption = "Drucken", .hint = std::string()});
  window.Add({.name = "Memo1", .class_name = "TMemo", .hint = std::string()});
  window.Add({.name = "ScrollBox1", .class_name = "TScrollBox", .hint = std::string()});
  window.Add({.name = "Image1", .class_name = "TImage", .hint = std::string()});
  window.Add({.name = "RadioGroup1",
              .class_name = "TRadioGroup",
              .caption = "Ausrichtung",
              .hint = std::string(),
              .items = {"vertikal", "horizontal"}});
  window.Add({.name = "PrintDialog1", .class_name = "TPrintDialog"});
  return window;
}

}  // namespace zufora
