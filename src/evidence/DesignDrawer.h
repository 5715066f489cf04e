#pragma once

#include "design/StudyDesign.h"
#include "random/ListConsumer.h"

namespace zufora {

// Draws a design's lists as "Generieren" does, for evidence that runs designs of its own
// (known values, simulated seeds). The checks live above this layer, so the layer that
// holds them implements it.
class DesignDrawer {
 public:
  virtual ~DesignDrawer() = default;

  // The checks, then the lists into `consumer`, from a generator of its own and showing
  // nothing. A misfit question is answered No (the generation goes on) when
  // `accept_misfits`, Yes (it is abandoned) otherwise. Whether every list was drawn in
  // full.
  virtual bool Draw(const StudyDesign& design, bool accept_misfits, ListConsumer& consumer) = 0;
};

}  // namespace zufora
