#pragma once

// The five registry functions the registry class calls. On Windows they are the system's
// own; everywhere else the store file beneath serves the same signatures.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "registry/filestore/RegistryFunctions.h"
#endif
