// Run-time class information: a class's name and its base, for classes
// declared with DECLARE_DYNAMIC.
#pragma once

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;  // null at the root
};

#define RUNTIME_CLASS(className) (&className::class##className)

#define DECLARE_DYNAMIC(className)             \
 public:                                       \
  static const CRuntimeClass class##className; \
  const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(className, baseClassName)                                             \
  const CRuntimeClass className::class##className = {#className, RUNTIME_CLASS(baseClassName)}; \
  const CRuntimeClass* className::GetRuntimeClass() const { return RUNTIME_CLASS(className); }
