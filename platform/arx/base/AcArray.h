#pragma once
// The host SDK's growable array. Indices are checked: an index out of range
// throws std::out_of_range instead of reading past the storage.
#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

template <class T>
class AcArray {
 public:
  using value_type = T;
  using iterator = typename std::vector<T>::iterator;
  using const_iterator = typename std::vector<T>::const_iterator;

  explicit AcArray(int physicalLength = 0, int growLength = 8) : mGrowLength(growLength > 0 ? growLength : 8) {
    if (physicalLength > 0) mData.reserve(static_cast<size_t>(physicalLength));
  }
  AcArray(std::initializer_list<T> init) : mData(init) {}

  // Element access
  T& operator[](int i) { return mData[check(i)]; }
  const T& operator[](int i) const { return mData[check(i)]; }
  T& at(int i) { return mData[check(i)]; }
  const T& at(int i) const { return mData[check(i)]; }
  AcArray& setAt(int i, const T& value) {
    mData[check(i)] = value;
    return *this;
  }
  AcArray& setAll(const T& value) {
    std::fill(mData.begin(), mData.end(), value);
    return *this;
  }
  T& first() { return at(0); }
  const T& first() const { return at(0); }
  T& last() { return at(length() - 1); }
  const T& last() const { return at(length() - 1); }
  T* asArrayPtr() { return mData.data(); }
  const T* asArrayPtr() const { return mData.data(); }

  // Adding. The value may be an element of this array (a.append(a.first())):
  // it is copied before the storage grows.
  int append(const T& value) {
    T copy(value);
    grow(1);
    mData.push_back(std::move(copy));
    return length() - 1;
  }
  int append(T&& value) {
    grow(1);
    mData.push_back(std::move(value));
    return length() - 1;
  }
  AcArray& append(const AcArray& other) {
    if (&other == this) return append(AcArray(other));
    grow(other.length());
    mData.insert(mData.end(), other.mData.begin(), other.mData.end());
    return *this;
  }
  AcArray& insertAt(int i, const T& value) {
    if (i < 0 || i > length()) throw std::out_of_range("AcArray::insertAt: index out of range");
    T copy(value);
    grow(1);
    mData.insert(mData.begin() + i, std::move(copy));
    return *this;
  }

  // Removing
  AcArray& removeAt(int i) {
    mData.erase(mData.begin() + check(i));
    return *this;
  }
  bool remove(const T& value, int start = 0) {
    int i = findFrom(value, start);
    if (i < 0) return false;
    removeAt(i);
    return true;
  }
  AcArray& removeFirst() { return removeAt(0); }
  AcArray& removeLast() { return removeAt(length() - 1); }
  AcArray& removeAll() {
    mData.clear();
    return *this;
  }
  AcArray& removeSubArray(int startIndex, int endIndex) {
    check(startIndex);
    check(endIndex);
    if (endIndex < startIndex) throw std::out_of_range("AcArray::removeSubArray: bad range");
    mData.erase(mData.begin() + startIndex, mData.begin() + endIndex + 1);
    return *this;
  }

  // Searching
  bool contains(const T& value, int start = 0) const { return findFrom(value, start) >= 0; }
  bool find(const T& value, int& foundAt, int start = 0) const {
    int i = findFrom(value, start);
    if (i < 0) return false;
    foundAt = i;
    return true;
  }
  // Index of the first element equal to value, or -1.
  int find(const T& value) const { return findFrom(value, 0); }
  int findFrom(const T& value, int start) const {
    for (int i = std::max(start, 0); i < length(); ++i)
      if (mData[static_cast<size_t>(i)] == value) return i;
    return -1;
  }

  // Sizes
  int length() const { return static_cast<int>(mData.size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return mData.empty(); }
  AcArray& setLogicalLength(int n) {
    if (n < 0) throw std::out_of_range("AcArray::setLogicalLength: negative length");
    mData.resize(static_cast<size_t>(n));
    return *this;
  }
  int physicalLength() const { return static_cast<int>(mData.capacity()); }
  AcArray& setPhysicalLength(int n) {
    if (n < length()) mData.resize(static_cast<size_t>(std::max(n, 0)));
    mData.reserve(static_cast<size_t>(std::max(n, 0)));
    return *this;
  }
  int growLength() const { return mGrowLength; }
  AcArray& setGrowLength(int n) {
    if (n > 0) mGrowLength = n;
    return *this;
  }

  // Order
  AcArray& reverse() {
    std::reverse(mData.begin(), mData.end());
    return *this;
  }
  AcArray& swap(int i, int j) {
    std::swap(mData[check(i)], mData[check(j)]);
    return *this;
  }

  bool operator==(const AcArray& o) const { return mData == o.mData; }
  bool operator!=(const AcArray& o) const { return !(*this == o); }

  iterator begin() { return mData.begin(); }
  iterator end() { return mData.end(); }
  const_iterator begin() const { return mData.begin(); }
  const_iterator end() const { return mData.end(); }

 private:
  size_t check(int i) const {
    if (i < 0 || i >= length()) throw std::out_of_range("AcArray: index out of range");
    return static_cast<size_t>(i);
  }
  // Storage grows by at least the grow length, as the host's array does.
  void grow(int extra) {
    size_t need = mData.size() + static_cast<size_t>(extra);
    if (need > mData.capacity()) {
      size_t next = std::max(need, mData.capacity() + static_cast<size_t>(mGrowLength));
      next = std::max(next, mData.capacity() * 2);
      mData.reserve(next);
    }
  }

  std::vector<T> mData;
  int mGrowLength = 8;
};

class AcGePoint2d;
class AcGePoint3d;
class AcGeVector2d;
class AcGeVector3d;
using AcGeDoubleArray = AcArray<double>;
using AcGeIntArray = AcArray<int>;
using AcGePoint2dArray = AcArray<AcGePoint2d>;
using AcGePoint3dArray = AcArray<AcGePoint3d>;
using AcGeVector2dArray = AcArray<AcGeVector2d>;
using AcGeVector3dArray = AcArray<AcGeVector3d>;
