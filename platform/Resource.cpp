// SPDX-License-Identifier: MIT
#include "platform/Resource.h"

namespace {

const ResourceSet* g_pResources = nullptr;

}  // namespace

void AfxSetResources(const ResourceSet* pResources)
{
    g_pResources = pResources;
}

const ResourceSet* AfxGetResources()
{
    return g_pResources;
}
