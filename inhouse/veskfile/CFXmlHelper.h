#pragma once
// A read-only accessor of an XML file, addressed by node keys (SNodeKey):
// tests whether elements exist, counts them, and reads their attributes.
//
// A key's path names elements from the top down, separated by '\' or '/'.
// Its first name is the root element's when it matches it; otherwise the
// path starts among the root element's children. The empty path is the root
// element. Every step takes all matching children of all elements reached so
// far, so "道路\Layers" reaches every <Layers> under every <道路>; the key's
// attribute condition narrows the last step, and its index picks one of the
// matches in document order.
//
// Names of elements and attributes compare without regard to case unless the
// document was opened case-sensitive; attribute values compare exactly.
// Element names stored in the encoded form of CFXmlCfg (_xHHHH_) are decoded.
// The file is read as CFXmlCfg reads it (UTF-8, UTF-16 with BOM, GB18030).
#include <memory>
#include <vector>

#include "mfc/CString.h"
#include "veskfile/XmlRecords.h"

namespace pugi {
class xml_document;
}

namespace veskfile {

class CFXmlHelper {
 public:
  // Mode bits for Open.
  enum : int { kCaseSensitive = 1 };

  CFXmlHelper();
  ~CFXmlHelper();
  CFXmlHelper(const CFXmlHelper& other);
  CFXmlHelper& operator=(const CFXmlHelper& other);

  // Reads the whole document. mode 0 compares names without regard to case;
  // kCaseSensitive compares them exactly. Non-zero on success.
  int Open(const CString& path, int mode = 0);
  void Close();
  bool IsOpen() const { return m_open; }
  CString GetPath() const { return m_path; }

  // Non-zero when at least one element fits the key (its index is not
  // considered); count receives the number of elements that fit.
  int NodeExists(const SNodeKey& key, int& count) const;
  int NodeExists(const SNodeKey& key) const;
  // All attributes of the element the key picks, in document order (attrs is
  // emptied first). 0 when no element fits.
  int GetNode(const SNodeKey& key, std::vector<SAttr>& attrs) const;
  // One attribute of that element; 0 (and value empty) when the element or
  // the attribute is missing.
  int GetNode(const SNodeKey& key, const CString& attrName, CString& value) const;
  // The element's own text (trimmed).
  int GetNodeText(const SNodeKey& key, CString& text) const;

  CString GetLastError() const { return m_lastError; }

 private:
  int Fail(const CString& message) const;

  CString m_path;
  bool m_open = false;
  bool m_caseSensitive = false;
  std::unique_ptr<pugi::xml_document> m_doc;
  mutable CString m_lastError;
};

}  // namespace veskfile
