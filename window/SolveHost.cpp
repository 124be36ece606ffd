// SPDX-License-Identifier: MIT
#include "window/SolveHost.h"

CSolveHost::~CSolveHost() = default;
