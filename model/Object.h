// SPDX-License-Identifier: MIT
#pragma once

// The serialisable-object scheme: every serialisable class has one
// CRuntimeClass that names it, carries its schema number and can create an
// empty instance. Classes register themselves during static initialisation.

#include <iosfwd>

#include "model/Types.h"

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;  // nullptr when the class cannot be created
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // A registered class by name, or nullptr.
    static const CRuntimeClass* FromName(const char* lpszClassName);
};

// Adds a class to the table that FromName searches.
struct CClassRegistration {
    explicit CClassRegistration(const CRuntimeClass* pClass);
};

class CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(std::ostream& dc) const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_SERIAL(class_name)                                                                                     \
public:                                                                                                                \
    static const CRuntimeClass class##class_name;                                                                      \
    const CRuntimeClass* GetRuntimeClass() const override;                                                             \
    static CObject* CreateObject();

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), wSchema,   \
                                                         class_name::CreateObject, RUNTIME_CLASS(base_class_name)};    \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                                           \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }                                                                                                                  \
    static const CClassRegistration trellis_register_##class_name(RUNTIME_CLASS(class_name));
