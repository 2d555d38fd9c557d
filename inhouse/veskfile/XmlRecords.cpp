#include "veskfile/XmlRecords.h"

#include "veskutil/NoCase.h"

namespace veskfile {

void SDataMember::SetField(std::size_t i, const CString& text) {
  if (fields.size() <= i) fields.resize(i + 1);
  fields[i] = text;
}

CString SClassMember::Attr(const CString& n) const {
  for (const SAttr& a : attrs)
    if (veskutil::EqualNoCase(a.name.View(), n.View())) return a.value;
  return CString();
}

bool SClassMember::HasAttr(const CString& n) const {
  for (const SAttr& a : attrs)
    if (veskutil::EqualNoCase(a.name.View(), n.View())) return true;
  return false;
}

void SClassMember::SetAttr(const CString& n, const CString& value) {
  for (SAttr& a : attrs)
    if (veskutil::EqualNoCase(a.name.View(), n.View())) {
      a.value = value;
      return;
    }
  attrs.emplace_back(n, value);
}

}  // namespace veskfile
