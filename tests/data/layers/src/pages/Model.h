#pragma once

#include "design/Seam.h"
