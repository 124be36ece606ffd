// SPDX-License-Identifier: MIT
#include "platform/PlatformHooks.h"

namespace {

PlatformHooks* g_pHooks = nullptr;

}  // namespace

PlatformHooks* PlatformHooks::Installed()
{
    return g_pHooks;
}

PlatformHooks* PlatformHooks::Install(PlatformHooks* pHooks)
{
    PlatformHooks* pBefore = g_pHooks;
    g_pHooks = pHooks;
    return pBefore;
}
