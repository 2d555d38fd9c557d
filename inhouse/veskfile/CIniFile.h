#pragma once
// An INI file in memory: named sections, each holding named entries with text
// values, read from a path and written back on request.
//
// Layout kept on rewrite: sections and entries stay in their order, comments
// (lines beginning with ';' or '#'), blank lines and lines that are no entry
// stay where they were; only entries that were set are rewritten, as
// "name=value". New entries go after the last entry of their section, new
// sections at the end of the file. Line ends follow the file read (CRLF or
// LF; LF for a new file).
//
// Names of sections and entries compare without regard to case; names and
// values are trimmed of surrounding white space, as they are when read. When
// a section or an entry appears twice, the first one is the one read and set.
// Entries above the first section header belong to the section named "".
//
// Encodings: the file may be UTF-8 (with or without BOM), UTF-16 with BOM, or
// GB18030 (taken when the bytes are not valid UTF-8); it is always written as
// UTF-8 without BOM, atomically (see WriteFileAtomic).
//
// Failures return false/empty and leave a message naming the file in
// GetLastError(). A failed read changes nothing in memory.
#include <string>
#include <vector>

#include "mfc/CString.h"
#include "mfc/CStringArray.h"

namespace veskfile {

class CIniFile {
 public:
  CIniFile();
  // Binds the object to path and reads the file when it exists (so that a
  // later WriteFile keeps what was in it). autoSave: see SetAutoSave.
  explicit CIniFile(const CString& path, bool autoSave = false);
  CIniFile(const CIniFile&) = default;
  CIniFile& operator=(const CIniFile&) = default;
  CIniFile(CIniFile&&) = default;
  CIniFile& operator=(CIniFile&&) = default;
  // With automatic saving on, writes the file when it holds unsaved changes.
  virtual ~CIniFile();

  // Binds the object to a file; the content in memory is kept.
  void SetPath(const CString& path);
  CString GetPath() const { return m_path; }
  // Automatic saving: the destructor writes unsaved changes.
  void SetAutoSave(bool autoSave) { m_autoSave = autoSave; }
  bool GetAutoSave() const { return m_autoSave; }

  // Loads the file, replacing the content in memory. False (and nothing
  // changed) when the file is missing, unreadable, no text in a known
  // encoding, contains zero characters (binary data) or has a section header
  // without its closing ']'.
  bool ReadFile();
  // Saves all sections back to the path.
  bool WriteFile();

  // The entry's text; empty when the section or the entry is absent.
  CString GetValue(const CString& section, const CString& entry) const;
  // The entry's value as an integer (decimal, leading white space and sign
  // allowed, the digits read up to the first other character); defaultValue
  // when the entry is absent or does not begin with a number.
  int GetValueI(const CString& section, const CString& entry, int defaultValue = 0) const;
  // All entries of a section, as two parallel arrays (emptied first). False
  // when the section is absent.
  bool GetValue(const CString& section, CStringArray& names, CStringArray& values) const;
  // The value of the first entry named `entry` in any section, in file order.
  bool GetItemValue(const CString& entry, CString& value) const;
  // The names of all sections, in file order (emptied first); the section
  // "" is listed only when it holds entries. Returns the count.
  int GetAllKeyname(CStringArray& names) const;
  bool SectionExists(const CString& section) const;

  // Sets an entry's text. A missing section or entry is created when create
  // is true; otherwise the call fails. Names must not be empty or hold line
  // breaks, a section name no ']', an entry name no '=' nor begin with '[',
  // ';' or '#'; a value must not hold line breaks.
  bool SetValue(const CString& section, const CString& entry, const CString& value, bool create = true);
  bool SetValueI(const CString& section, const CString& entry, int value, bool create = true);
  // Removes an entry / a whole section (all its occurrences). False when absent.
  bool DeleteValue(const CString& section, const CString& entry);
  bool DeleteSection(const CString& section);
  // Empties the content in memory (the path stays).
  void Reset();

  // True when the content has changes not yet written.
  bool IsModified() const { return m_modified; }
  // True when the content was read from (or written to) the bound path.
  bool HasBeenRead() const { return m_loaded; }
  CString GetLastError() const { return m_lastError; }

 private:
  struct Line {
    bool isEntry = false;
    bool dirty = false;  // rewritten as name=value
    std::wstring raw;    // the line as read
    std::wstring name;
    std::wstring value;
  };
  struct Section {
    std::wstring name;
    bool hasHeader = false;
    std::wstring headerRaw;
    std::vector<Line> lines;
  };

  bool Fail(const CString& message) const;
  Section* FindSection(std::wstring_view name);
  const Section* FindSection(std::wstring_view name) const;
  Line* FindEntry(std::wstring_view section, std::wstring_view entry);
  const Line* FindEntry(std::wstring_view section, std::wstring_view entry) const;
  bool Parse(const std::wstring& text, std::vector<Section>& out, bool& crlf);
  std::string Serialize() const;

  CString m_path;
  bool m_autoSave = false;
  bool m_modified = false;
  bool m_loaded = false;
  bool m_crlf = false;
  std::vector<Section> m_sections;
  mutable CString m_lastError;
};

}  // namespace veskfile
