#pragma once

// A design seam that reaches up into the pages model: the layer check must name it.
#include "pages/DesignPages.h"
