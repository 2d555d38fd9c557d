#pragma once
// The records that the XML readers of this library fill and take.
// See CFXmlCfg.h for how they lie in a document.
#include <initializer_list>
#include <vector>

#include "mfc/CString.h"

namespace veskfile {

// One attribute of an element: name and value.
struct SAttr {
  CString name;
  CString value;
  SAttr() = default;
  SAttr(const CString& n, const CString& v) : name(n), value(v) {}
};

// One leaf node of a configuration document: an ordered group of text fields,
// fields[0] the node's name, fields[1..] its texts (what each text means is
// the caller's affair: a value and a type word, or a description and a GIS
// field name ...).
struct SDataMember {
  std::vector<CString> fields;

  SDataMember() = default;
  SDataMember(std::initializer_list<CString> texts) : fields(texts) {}

  // Field i, or an empty text when there is no such field.
  CString Field(std::size_t i) const { return i < fields.size() ? fields[i] : CString(); }
  // Sets field i, adding empty fields before it as needed.
  void SetField(std::size_t i, const CString& text);
  CString Name() const { return Field(0); }
  // The first text after the name.
  CString Value() const { return Field(1); }
  // Number of texts after the name.
  std::size_t TextCount() const { return fields.empty() ? 0 : fields.size() - 1; }
};

// One class node: a named node with a text of its own and attributes; it may
// hold other nodes (classes or leaves) below it.
struct SClassMember {
  CString name;
  CString text;
  std::vector<SAttr> attrs;

  SClassMember() = default;
  SClassMember(const CString& n, const CString& t) : name(n), text(t) {}

  // The value of the attribute named n (without regard to case); empty when
  // absent.
  CString Attr(const CString& n) const;
  bool HasAttr(const CString& n) const;
  // Sets an attribute, replacing one of the same name.
  void SetAttr(const CString& n, const CString& value);
};

// The address of elements for CFXmlHelper: a path of element names separated
// by '\' or '/' (empty for the root element), optionally narrowed to the
// elements whose attribute attrName has the value attrValue, and the index of
// the match meant when several elements fit (0 for the first, in document
// order).
struct SNodeKey {
  CString path;
  int index = 0;
  CString attrName;
  CString attrValue;

  SNodeKey() = default;
  SNodeKey(const CString& p) : path(p) {}         // NOLINT: a path is a key
  SNodeKey(const wchar_t* p) : path(p) {}         // NOLINT
  SNodeKey(const CString& p, int i) : path(p), index(i) {}
  SNodeKey(const CString& p, const CString& name, const CString& value, int i = 0)
      : path(p), index(i), attrName(name), attrValue(value) {}
};

}  // namespace veskfile
