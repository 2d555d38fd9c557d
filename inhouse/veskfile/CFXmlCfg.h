#pragma once
// An XML configuration document addressed by dotted node paths.
//
// XML layout
// ----------
// A node path names elements from the top down, joined by '.':
// "ParamSet.Base.线宽". The first name is the root element's when it matches
// it; otherwise the path starts among the root element's children, so that a
// document whose root is <Config> and one whose root is <ParamSet> answer the
// same paths. The empty path is the root element. In a new document the
// first node written becomes the root element (for "ParamSet.Base.线宽" that
// is <ParamSet>). Names compare without regard to case; when several
// siblings share a name, a path reaches the first of them.
//
// A node is one of two kinds:
//
//   Class node (SClassMember: name, text, attributes): an element named by
//   the node; its text is the element's own character data, trimmed; its
//   attributes are the element's attributes. It holds the nodes below it.
//
//   Leaf node (SDataMember: name first, then its texts): an element named by
//   the node that holds nothing but its texts, in the attributes v1, v2,
//   v3 ... in that order. The attribute v1 is what makes an element a leaf;
//   a leaf without texts still has v1="".
//
//     <GISLAYER>
//       <ROAD Owner="规划">道路                  class ROAD, text 道路, one attribute
//         <GeoType>Polyline</GeoType>           class GeoType, text Polyline
//         <ROADNAME>道路名称                     class ROADNAME, text 道路名称
//           <DataType v1="String"/>             leaf {DataType, String}
//           <Length v1="50"/>                   leaf {Length, 50}
//         </ROADNAME>
//       </ROAD>
//     </GISLAYER>
//     <ParamSet><Base>
//       <线宽 v1="0.35" v2="double" v3="1"/>    leaf {线宽, 0.35, double, 1}
//     </Base></ParamSet>
//
// ReadChildClass lists the class children of a node and ReadChildData its
// leaf children, each in document order. ReadData also takes a class node
// without child elements as a leaf whose one text is its own text, so that a
// hand-written <Length>50</Length> reads as {Length, 50}.
//
// A name that is no valid XML name (it begins with a digit, holds spaces,
// brackets, ':' ...) is stored with each offending character written as
// _xHHHH_ (its code in hexadecimal; 8 digits beyond U+FFFF), and an '_' that
// would read as such a code as _x005F_: "1:500" is stored as the element
// <_x0031__x003A_500>. Every reader decodes names, so callers only see the
// names they wrote. A name that holds '.' cannot be reached by a path and is
// refused; attribute names v1, v2 ... are reserved for leaves.
//
// Files are read in UTF-8 (with or without BOM), UTF-16 with BOM or, when
// they declare a GB2312/GBK/GB18030 encoding or are not UTF-8, GB18030; they
// are written as UTF-8 with a declaration saying so. Comments are kept.
// Attribute values keep their exact text, line breaks and surrounding spaces
// included.
//
// Every operation that changes the document saves it at once, atomically;
// when the save fails the document is read back from the file, so memory and
// disk agree, and the operation returns 0. Results are 1 for success and 0
// for failure, with the reason (naming the file and, for malformed XML, the
// line, column and byte offset) in GetLastError().
#include <memory>
#include <vector>

#include "mfc/CString.h"
#include "veskfile/XmlRecords.h"

namespace pugi {
class xml_document;
}

namespace veskfile {

class CFXmlCfg {
 public:
  CFXmlCfg();
  ~CFXmlCfg();
  CFXmlCfg(const CFXmlCfg& other);
  CFXmlCfg& operator=(const CFXmlCfg& other);
  CFXmlCfg(CFXmlCfg&& other) noexcept;
  CFXmlCfg& operator=(CFXmlCfg&& other) noexcept;

  // Opens the document at path. flag 0: the file must exist and be
  // well-formed. flag non-zero: a missing file is a new, empty document (its
  // folder must exist), written at the first change. An existing file that is
  // malformed fails with either flag and is never overwritten.
  int Open(const CString& path, int flag = 0);
  void Close();
  bool IsOpen() const { return m_open; }
  CString GetPath() const { return m_path; }

  // Non-zero when the path names a node. flag non-zero asks for a node that
  // holds a value: one without child elements (a leaf, or a childless class).
  int FindNodeByPath(const CString& path, int flag = 0) const;

  // Reads the node at path as a leaf: member.fields becomes {name, texts...}.
  // Fails when the node is missing or has child elements.
  int ReadData(const CString& path, SDataMember& member) const;
  // Writes the leaf at path (created, with any missing parent class nodes,
  // when absent) with the texts member.fields[1..]. member.fields[0] may be
  // empty; otherwise it must equal the path's last name. Fails on a node that
  // has child elements, or when a parent on the way is a leaf.
  int WriteData(const CString& path, const SDataMember& member);

  // All leaf / all class children of the node at path (the arrays are emptied
  // first). 0 when the node is missing.
  int ReadChildData(const CString& path, std::vector<SDataMember>& members) const;
  int ReadChildClass(const CString& path, std::vector<SClassMember>& classes) const;
  // The class node at path itself.
  int ReadClass(const CString& path, SClassMember& cls) const;

  // Writes cls as a child of the node at path, which must exist (the empty
  // path is the root element; in an empty document cls becomes the root). A
  // child of that name is updated in place: its text and attributes are
  // replaced, the nodes below it kept.
  int WriteClass(const CString& path, const SClassMember& cls);
  // Creates the node at path and every missing node above it, then (when name
  // is not empty) the child class `name` under it with the text value (an
  // existing child keeps its attributes and gets the text). With an empty
  // name a non-empty value becomes the text of the node at path.
  int WriteRecurseClass(const CString& path, const CString& name, const CString& value);
  // Deletes the node at path: when several siblings share its name, index
  // picks one (0 the first), -1 deletes them all. The root cannot be deleted.
  int DeleteClass(const CString& path, int index = -1);

  CString GetLastError() const { return m_lastError; }

 private:
  int Fail(const CString& message) const;
  int Commit();

  CString m_path;
  bool m_open = false;
  std::unique_ptr<pugi::xml_document> m_doc;
  mutable CString m_lastError;
};

}  // namespace veskfile
