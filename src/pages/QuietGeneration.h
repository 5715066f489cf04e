#pragma once

#include <optional>

#include "evidence/DesignDrawer.h"
#include "lang/MessageCatalogue.h"
#include "random/ListPlan.h"

namespace zufora {

// "Generieren" for evidence that runs designs of its own: RunGeneration with a fresh
// generator each time, messages shown nowhere, misfit questions answered as asked.
class QuietGeneration : public DesignDrawer {
 public:
  // `messages` must outlive the drawer; its texts are never shown.
  explicit QuietGeneration(const MessageCatalogue& messages) : messages_(messages) {}

  bool Draw(const StudyDesign& design, bool accept_misfits, ListConsumer& consumer) override;

 private:
  const MessageCatalogue& messages_;
};

// What "Generieren" would draw for `design`, found by its checks alone (nothing drawn,
// messages shown nowhere, misfit questions answered as asked): the plan, or none when a
// check would stop the generation.
std::optional<ListPlan> QuietPlan(const StudyDesign& design, const MessageCatalogue& messages,
                                  bool accept_misfits);

}  // namespace zufora
