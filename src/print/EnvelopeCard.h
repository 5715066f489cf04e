#pragma once

#include <cstdint>
#include <string>

namespace zufora {

// One code-break envelope: a card for one randomisation number, all texts cp1252. Its
// outside names the study, the stratum and the number; only its inside names the arm.
struct EnvelopeCard {
  std::string number;  // the randomisation number as issued, check digit included
  // The stratum heading in two lines: the centre ("Zentrum 101 Klinik Nord") or the
  // stratum of a design without centres ("Stratum 3"), and the factor levels
  // ("Geschlecht: weiblich - Alter: < 65"); empty for the single list.
  std::string centre;
  std::string levels;
  std::int32_t arm = 0;  // 1..A, the arm table row
  std::string arm_description;
};

// What every card and page of an envelope job shares.
struct EnvelopeJob {
  std::string study_name;
  std::string document_name;  // the print job's name
  // A test list: every page carries the watermark "TEST", and so does every card.
  bool test = false;
};

// Hands out the cards of a job in order.
class EnvelopeCardSource {
 public:
  virtual ~EnvelopeCardSource() = default;
  // The next card into `card`; false when there is none left.
  virtual bool Next(EnvelopeCard& card) = 0;
};

}  // namespace zufora
