// Run-time classes: the framework creates documents, frames and views by class.
#pragma once

#include "framework/afx_types.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();  // null when the class is not dynamically creatable
    CRuntimeClass* (*m_pfnGetBaseClass)();

    // A new object of this class, or null when the class cannot be created by name.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)       \
public:                                   \
    static CRuntimeClass* GetThisClass(); \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define QUARVEL_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                   \
    CRuntimeClass* class_name::GetThisClass() {                                               \
        static CRuntimeClass rc = {#class_name, static_cast<int>(sizeof(class_name)), pfnNew, \
                                   &base_class_name::GetThisClass};                           \
        return &rc;                                                                           \
    }                                                                                         \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                      \
        return class_name::GetThisClass();                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    QUARVEL_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() {                \
        return new class_name;                           \
    }                                                    \
    QUARVEL_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
