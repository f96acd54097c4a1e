#pragma once

#include <windows.h>

#include "core/wide_string.h"

// The registry calls the reader makes. The program passes ADVAPI32's own;
// tests pass stand-ins to produce the failures a live registry will not
// produce on demand, and to watch what is passed and what is closed.
struct RegistryCalls {
  decltype(&RegOpenKeyExW) open;
  decltype(&RegQueryValueExW) query;
  decltype(&RegCloseKey) close;
};

// The installed system's product key, or a fixed text saying it could not be
// read; that text is the only sign of failure.
WideString ReadProductKeyText(const RegistryCalls& registry);
WideString ReadProductKeyText();
