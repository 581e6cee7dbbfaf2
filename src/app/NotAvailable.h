#pragma once

// The "not available" message lives in src/base, so the tools can use it too.
#include "base/NotAvailable.h"
