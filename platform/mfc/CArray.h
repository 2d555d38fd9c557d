#pragma once
// CArray<TYPE, ARG_TYPE>: MFC's growable array.
//
// Storage and growth follow MFC: SetSize allocates max(size, growBy)
// elements at first; when it must grow it adds the grow-by count (with the
// default grow-by of 0: an eighth of the size, at least 4), or exactly what
// is asked when that is more. MFC also caps the default step at 1024
// elements, which makes filling a large array quadratic; here the step is not
// capped, so a million Adds stay linear. New elements start zero-filled and
// are then default-constructed, so plain structures and numbers come out as
// zeros.
// RemoveAt and SetSize to a smaller size keep the allocation; SetSize(0),
// RemoveAll and FreeExtra release it.
//
// Every index is checked: GetAt, SetAt, ElementAt, operator[] outside
// 0..GetUpperBound(), RemoveAt ranges outside the array, negative sizes,
// counts and indices throw CInvalidArgException* (through
// AfxThrowInvalidArgException; release with e->Delete()). InsertAt at or past
// the end grows the array first, as MFC documents.
//
// Unlike MFC, CArray can be copied and moved (records holding arrays are
// passed by value); a copy has the same elements and grow-by count. Add,
// SetAtGrow and InsertAt accept an element of the array itself as argument.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <utility>

#include "mfc/CException.h"
#include "mfc/CObject.h"
#include "mfc/WinTypes.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  using BASE_TYPE = TYPE;
  using BASE_ARG_TYPE = ARG_TYPE;
  using value_type = TYPE;
  using iterator = TYPE*;
  using const_iterator = const TYPE*;

  CArray() noexcept = default;
  CArray(const CArray& src) : CObject(), m_nGrowBy(src.m_nGrowBy) { Copy(src); }
  CArray(CArray&& src) noexcept
      : CObject(), m_pData(src.m_pData), m_nSize(src.m_nSize), m_nMaxSize(src.m_nMaxSize), m_nGrowBy(src.m_nGrowBy) {
    src.m_pData = nullptr;
    src.m_nSize = src.m_nMaxSize = 0;
  }
  CArray& operator=(const CArray& src) {
    if (this != &src) {
      Copy(src);
      m_nGrowBy = src.m_nGrowBy;
    }
    return *this;
  }
  CArray& operator=(CArray&& src) noexcept {
    if (this != &src) {
      Release();
      m_pData = src.m_pData;
      m_nSize = src.m_nSize;
      m_nMaxSize = src.m_nMaxSize;
      m_nGrowBy = src.m_nGrowBy;
      src.m_pData = nullptr;
      src.m_nSize = src.m_nMaxSize = 0;
    }
    return *this;
  }
  ~CArray() override { Release(); }

  // ---- size
  INT_PTR GetSize() const noexcept { return m_nSize; }
  INT_PTR GetCount() const noexcept { return m_nSize; }
  BOOL IsEmpty() const noexcept { return m_nSize == 0 ? TRUE : FALSE; }
  INT_PTR GetUpperBound() const noexcept { return m_nSize - 1; }
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
  void FreeExtra();
  void RemoveAll() { SetSize(0, -1); }

  // ---- element access
  const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[Check(nIndex, L"GetAt")]; }
  TYPE& GetAt(INT_PTR nIndex) { return m_pData[Check(nIndex, L"GetAt")]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[Check(nIndex, L"SetAt")] = newElement; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[Check(nIndex, L"ElementAt")]; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_pData[Check(nIndex, L"ElementAt")]; }
  const TYPE& operator[](INT_PTR nIndex) const { return m_pData[Check(nIndex, L"operator[]")]; }
  TYPE& operator[](INT_PTR nIndex) { return m_pData[Check(nIndex, L"operator[]")]; }
  const TYPE* GetData() const noexcept { return m_pData; }
  TYPE* GetData() noexcept { return m_pData; }

  TYPE* begin() noexcept { return m_pData; }
  TYPE* end() noexcept { return m_pData + m_nSize; }
  const TYPE* begin() const noexcept { return m_pData; }
  const TYPE* end() const noexcept { return m_pData + m_nSize; }

  // ---- growing
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
  // Appends one element; returns its index.
  INT_PTR Add(ARG_TYPE newElement) {
    const INT_PTR nIndex = m_nSize;
    if (nIndex < m_nMaxSize) {  // room left: no reallocation, no aliasing concern
      ConstructElements(m_pData + nIndex, 1);
      m_nSize = nIndex + 1;
      m_pData[nIndex] = newElement;
    } else {
      SetAtGrow(nIndex, newElement);
    }
    return nIndex;
  }
  // Appends the elements of src; returns the index of the first one. An
  // array cannot be appended to itself.
  INT_PTR Append(const CArray& src);
  void Copy(const CArray& src);

  // ---- inserting and removing
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
  void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

 protected:
  TYPE* m_pData = nullptr;
  INT_PTR m_nSize = 0;
  INT_PTR m_nMaxSize = 0;
  INT_PTR m_nGrowBy = 0;

 private:
  using Alloc = std::allocator<TYPE>;
  static constexpr INT_PTR kMaxElements = static_cast<INT_PTR>(PTRDIFF_MAX / sizeof(TYPE));
  static constexpr bool kArgIsElementRef =
      std::is_reference<ARG_TYPE>::value && std::is_same<std::decay_t<ARG_TYPE>, TYPE>::value;

  [[noreturn]] static void Fail(const wchar_t* what, INT_PTR value, INT_PTR size) {
    std::wstring text = L"CArray::";
    text += what;
    text += L": " + std::to_wstring(value) + L" is out of range (size " + std::to_wstring(size) + L")";
    AfxThrowInvalidArgException(text.c_str());
  }

  INT_PTR Check(INT_PTR nIndex, const wchar_t* what) const {
    if (nIndex < 0 || nIndex >= m_nSize) Fail(what, nIndex, m_nSize);
    return nIndex;
  }

  bool Owns(const void* p) const noexcept {
    const std::less<const void*> before;
    return m_pData != nullptr && !before(p, m_pData) && before(p, m_pData + m_nMaxSize);
  }

  // Whether an argument must be copied before elements move: it may refer to
  // one of our elements (ARG_TYPE a reference to TYPE), or point into one
  // (ARG_TYPE a text pointer for an array of strings, say). An argument
  // passed by value is already a copy.
  bool MustStage(const std::remove_reference_t<ARG_TYPE>& arg) const noexcept {
    if constexpr (std::is_same<ARG_TYPE, TYPE>::value) {
      (void)arg;
      return false;
    } else if constexpr (kArgIsElementRef) {
      return Owns(std::addressof(arg));
    } else {
      (void)arg;
      return m_pData != nullptr;
    }
  }

  // Makes room for nCount elements at nIndex (growing when nIndex is past the end).
  void OpenGap(INT_PTR nIndex, INT_PTR nCount) {
    if (nIndex >= m_nSize) {
      SetSize(nIndex + nCount, -1);
    } else {
      if (m_nSize > kMaxElements - nCount) Fail(L"InsertAt (count)", nCount, m_nSize);
      const INT_PTR nOldSize = m_nSize;
      SetSize(m_nSize + nCount, -1);
      std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
  }

  static TYPE* Allocate(INT_PTR n) {
    if (n > kMaxElements) Fail(L"SetSize", n, kMaxElements);
    try {
      return Alloc().allocate(static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
      AfxThrowMemoryException();
    }
  }

  static void Deallocate(TYPE* p, INT_PTR n) noexcept {
    if (p != nullptr) Alloc().deallocate(p, static_cast<std::size_t>(n));
  }

  // New elements: zero-filled storage, then default construction.
  static void ConstructElements(TYPE* p, INT_PTR n) {
    if (n <= 0) return;
    std::memset(static_cast<void*>(p), 0, static_cast<std::size_t>(n) * sizeof(TYPE));
    if constexpr (!std::is_trivially_default_constructible<TYPE>::value) {
      INT_PTR i = 0;
      try {
        for (; i < n; ++i) ::new (static_cast<void*>(p + i)) TYPE;
      } catch (...) {
        std::destroy(p, p + i);
        throw;
      }
    }
  }

  // Moves n elements to uninitialised storage at dst and destroys the originals.
  static void Relocate(TYPE* dst, TYPE* src, INT_PTR n) {
    if constexpr (std::is_nothrow_move_constructible<TYPE>::value || !std::is_copy_constructible<TYPE>::value) {
      std::uninitialized_move(src, src + n, dst);
    } else {
      std::uninitialized_copy(src, src + n, dst);
    }
    std::destroy(src, src + n);
  }

  // Moves the elements to a fresh allocation of nNewMax elements.
  void Reallocate(INT_PTR nNewMax) {
    TYPE* fresh = Allocate(nNewMax);
    try {
      Relocate(fresh, m_pData, m_nSize);
    } catch (...) {
      Deallocate(fresh, nNewMax);
      throw;
    }
    Deallocate(m_pData, m_nMaxSize);
    m_pData = fresh;
    m_nMaxSize = nNewMax;
  }

  void Release() noexcept {
    if (m_pData != nullptr) {
      std::destroy(m_pData, m_pData + m_nSize);
      Deallocate(m_pData, m_nMaxSize);
    }
    m_pData = nullptr;
    m_nSize = m_nMaxSize = 0;
  }
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
  if (nNewSize < 0) Fail(L"SetSize", nNewSize, m_nSize);
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;

  if (nNewSize == 0) {
    Release();
  } else if (m_pData == nullptr) {
    const INT_PTR nAlloc = std::max(nNewSize, m_nGrowBy);
    TYPE* fresh = Allocate(nAlloc);
    try {
      ConstructElements(fresh, nNewSize);
    } catch (...) {
      Deallocate(fresh, nAlloc);
      throw;
    }
    m_pData = fresh;
    m_nSize = nNewSize;
    m_nMaxSize = nAlloc;
  } else if (nNewSize <= m_nMaxSize) {
    if (nNewSize > m_nSize) {
      ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
    } else if (nNewSize < m_nSize) {
      std::destroy(m_pData + nNewSize, m_pData + m_nSize);
    }
    m_nSize = nNewSize;
  } else {
    INT_PTR nGrow = m_nGrowBy;
    if (nGrow == 0) {
      // An eighth of the size, at least 4. (MFC also caps the step at 1024,
      // which makes filling a large array quadratic; an uncapped step keeps
      // it linear and wastes at most an eighth.)
      nGrow = std::max<INT_PTR>(4, m_nSize / 8);
    }
    const INT_PTR nNewMax =
        (m_nMaxSize <= kMaxElements - nGrow && nNewSize < m_nMaxSize + nGrow) ? m_nMaxSize + nGrow : nNewSize;
    TYPE* fresh = Allocate(nNewMax);
    try {
      ConstructElements(fresh + m_nSize, nNewSize - m_nSize);
    } catch (...) {
      Deallocate(fresh, nNewMax);
      throw;
    }
    try {
      Relocate(fresh, m_pData, m_nSize);
    } catch (...) {
      std::destroy(fresh + m_nSize, fresh + nNewSize);
      Deallocate(fresh, nNewMax);
      throw;
    }
    Deallocate(m_pData, m_nMaxSize);
    m_pData = fresh;
    m_nSize = nNewSize;
    m_nMaxSize = nNewMax;
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize == m_nMaxSize) return;
  if (m_nSize == 0) {
    Release();
  } else {
    Reallocate(m_nSize);
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
  if (nIndex < 0 || nIndex >= kMaxElements) Fail(L"SetAtGrow", nIndex, m_nSize);
  if (nIndex >= m_nSize) {
    if (nIndex >= m_nMaxSize && MustStage(newElement)) {
      TYPE copy;
      copy = newElement;
      SetSize(nIndex + 1, -1);
      m_pData[nIndex] = std::move(copy);
      return;
    }
    SetSize(nIndex + 1, -1);
  }
  m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  if (this == &src) AfxThrowInvalidArgException(L"CArray::Append: an array cannot be appended to itself");
  const INT_PTR nOldSize = m_nSize;
  SetSize(m_nSize + src.m_nSize);
  std::copy(src.m_pData, src.m_pData + src.m_nSize, m_pData + nOldSize);
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (this == &src) return;
  SetSize(src.m_nSize);
  std::copy(src.m_pData, src.m_pData + src.m_nSize, m_pData);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount) {
  if (nIndex < 0) Fail(L"InsertAt", nIndex, m_nSize);
  if (nCount <= 0) Fail(L"InsertAt (count)", nCount, m_nSize);
  if (nIndex > kMaxElements - nCount) Fail(L"InsertAt", nIndex, m_nSize);
  if (MustStage(newElement)) {
    TYPE copy;
    copy = newElement;
    OpenGap(nIndex, nCount);
    std::fill(m_pData + nIndex, m_pData + nIndex + nCount, copy);
    return;
  }
  OpenGap(nIndex, nCount);
  for (INT_PTR i = nIndex; i < nIndex + nCount; ++i) m_pData[i] = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray) {
  if (pNewArray == nullptr) AfxThrowInvalidArgException(L"CArray::InsertAt: null array");
  if (nStartIndex < 0) Fail(L"InsertAt", nStartIndex, m_nSize);
  if (pNewArray->GetSize() == 0) return;
  if (pNewArray == this) {
    CArray copy(*this);
    InsertAt(nStartIndex, &copy);
    return;
  }
  InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
  for (INT_PTR i = 1; i < pNewArray->GetSize(); ++i) m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
  if (nIndex < 0 || nIndex > m_nSize) Fail(L"RemoveAt", nIndex, m_nSize);
  if (nCount < 0 || nCount > m_nSize - nIndex) Fail(L"RemoveAt (count)", nCount, m_nSize);
  if (nCount == 0) return;
  std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
  std::destroy(m_pData + m_nSize - nCount, m_pData + m_nSize);
  m_nSize -= nCount;
}
