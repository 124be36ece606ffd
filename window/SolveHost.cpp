#include "window/SolveHost.h"

CSolveHost::~CSolveHost() = default;
