#pragma once
// The codes moved to core/ so the shell reads them without the frame library.
#include "core/rowmatrix.h"
