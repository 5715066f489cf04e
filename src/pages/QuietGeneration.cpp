#include "pages/QuietGeneration.h"

#include "design/MessageSink.h"
#include "pages/Generation.h"
#include "pages/GenerationCheck.h"
#include "random/ParkMillerShuffleGenerator.h"

namespace zufora {
namespace {

// Shows nothing and answers every question alike.
class SilentSink : public MessageSink {
 public:
  explicit SilentSink(bool answer_yes) : answer_yes_(answer_yes) {}
  void ShowPlain(const std::string&) override {}
  void ShowNotice(const std::string&) override {}
  bool AskQuestion(const std::string&) override { return answer_yes_; }
  void ActivatePage(Page) override {}

 private:
  bool answer_yes_;
};

}  // namespace

bool QuietGeneration::Draw(const StudyDesign& design, bool accept_misfits, ListConsumer& consumer) {
  SilentSink sink(!accept_misfits);
  ParkMillerShuffleGenerator generator;
  return RunGeneration(design, messages_, sink, generator, consumer).complete;
}

std::optional<ListPlan> QuietPlan(const StudyDesign& design, const MessageCatalogue& messages,
                                  bool accept_misfits) {
  SilentSink sink(!accept_misfits);
  return CheckGeneration(design, messages, sink).plan;
}

}  // namespace zufora
