#pragma once

#include "evidence/DesignDrawer.h"
#include "lang/MessageCatalogue.h"

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

}  // namespace zufora
