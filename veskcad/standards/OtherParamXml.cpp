#include "veskcad/standards/OtherParamXml.h"

#include "veskcad/standards/StyleRecordRows.h"
#include "veskfile/CFXmlCfg.h"
#include "veskfile/PathText.h"

namespace VeskDB {

namespace {

const wchar_t* const kXmlFileName = L"参数设置.xml";
const wchar_t* const kBasePath = L"ParamSet.Base.";

// The leaf path of item; false (with the reason) when item cannot be one.
bool LeafPath(const wchar_t* item, CString& path, CString& error) {
  const CString name = item ? item : L"";
  if (name.IsEmpty()) {
    error = L"参数名为空";
    return false;
  }
  if (name.Find(L'.') >= 0) {
    error.Format(L"参数名\"%s\"含有'.'，不能作为XML节点", name.GetString());
    return false;
  }
  path = CString(kBasePath) + name;
  return true;
}

bool OpenXml(veskfile::CFXmlCfg& xml, const CString& xmlPath, CString& error) {
  if (xml.Open(xmlPath, 0)) return true;
  error = xml.GetLastError();
  return false;
}

CString IntText(int value) {
  CString text;
  text.Format(L"%d", value);
  return text;
}

}  // namespace

CString OtherParamXmlPath(const CString& standardsDbPath) {
  CString folder = veskfile::GetFilePath(standardsDbPath);
  if (!folder.IsEmpty() && !veskfile::IsPathSeparator(folder[folder.GetLength() - 1])) folder += L"\\";
  return folder + kXmlFileName;
}

int OtherParamTypeFromText(const CString& typeText) {
  for (const wchar_t* number : {L"int", L"float", L"double", L"real"})
    if (typeText.CompareNoCase(number) == 0) return vesk::kOtherParamNumber;
  return vesk::kOtherParamText;
}

CString OtherParamTypeText(int type) { return type == vesk::kOtherParamNumber ? L"int" : L"string"; }

int ReadOtherParamXml(const CString& xmlPath, const wchar_t* item, vesk::OTHERPARAM& param, CString& error) {
  error.Empty();
  CString path;
  if (!LeafPath(item, path, error)) return 0;
  veskfile::CFXmlCfg xml;
  if (!OpenXml(xml, xmlPath, error)) return 0;
  veskfile::SDataMember leaf;
  if (xml.ReadData(path, leaf)) {
    CopyToField(param.ValueText, leaf.Value());
    param.Type = OtherParamTypeFromText(leaf.Field(2));
    param.OwnerGroup = 1;
    return 1;
  }
  // Missing: the caller's record becomes the parameter's first value.
  veskfile::SDataMember added{CString(item), CString(param.ValueText), OtherParamTypeText(param.Type),
                              IntText(param.OwnerGroup)};
  if (!xml.WriteData(path, added)) error = xml.GetLastError();
  return 1;
}

int WriteOtherParamXml(const CString& xmlPath, const wchar_t* item, const vesk::OTHERPARAM& param, CString& error) {
  error.Empty();
  CString path;
  if (!LeafPath(item, path, error)) return 0;
  veskfile::CFXmlCfg xml;
  if (!OpenXml(xml, xmlPath, error)) return 0;
  CString group = IntText(param.OwnerGroup);
  veskfile::SDataMember stored;
  if (xml.ReadData(path, stored) && stored.TextCount() >= 3) group = stored.Field(3);
  veskfile::SDataMember leaf{CString(item), CString(param.ValueText), OtherParamTypeText(param.Type), group};
  if (xml.WriteData(path, leaf)) return 1;
  error = xml.GetLastError();
  return 0;
}

}  // namespace VeskDB
