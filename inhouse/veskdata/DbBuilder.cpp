#include "veskdata/DbBuilder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "mfc/Utf8Convert.h"
#include "veskdata/CFADO.h"
#include "veskdata/SqlScript.h"

namespace veskdata {

namespace {

// Offset of the first byte that is not part of well-formed UTF-8, or npos.
std::size_t FirstInvalidUtf8(const std::string& s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4, min = 0x10000, cp = c & 0x07;
    } else {
      return i;
    }
    if (i + len > n) return i;
    for (std::size_t k = 1; k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return i;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
    i += len;
  }
  return std::string::npos;
}

bool ReadScript(const CString& file, std::wstring& text, CString& error) {
  CString p(file);
  p.Replace(L'\\', L'/');
  std::ifstream in(p.ToUtf8(), std::ios::binary);
  if (!in) {
    error = file + L": 无法打开脚本文件";
    return false;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = file + L": 读取脚本文件失败";
    return false;
  }
  std::size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  const std::size_t bad = FirstInvalidUtf8(bytes);
  if (bad != std::string::npos) {
    int line = 1;
    for (std::size_t i = 0; i < bad; ++i) line += bytes[i] == '\n';
    error.Format(L"%s:%d: 脚本不是 UTF-8 编码的文本", file.GetString(), line);
    return false;
  }
  text = veskhost::mfc::Utf8ToWide(bytes.data() + start, bytes.size() - start);
  return true;
}

void SyncDirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

bool BuildDatabaseFromScripts(const CString& outPath, const CString& password, const std::vector<CString>& scripts,
                              CString& error) {
  error.Empty();
  CString out(outPath);
  out.Replace(L'\\', L'/');
  if (out.IsEmpty()) {
    error = L"没有给出数据库文件名";
    return false;
  }
  CString temp;
  temp.Format(L"%s.tmp-%d", out.GetString(), static_cast<int>(::getpid()));
  const std::string tempNative = temp.ToUtf8();
  std::remove(tempNative.c_str());  // left over from a build that was killed

  CFADO ado;
  if (!ado.CreateNewDatabase(temp, password, ado.GetConn())) {
    error = out + L": " + ado.GetLastError();
    return false;
  }
  auto fail = [&](const CString& why) {
    ado.RollbackTrans(ado.GetConn());
    ado.CloseConn(ado.GetConn());
    std::remove(tempNative.c_str());
    std::remove((tempNative + "-journal").c_str());
    error = why;
    return false;
  };
  if (!ado.BeginTrans(ado.GetConn())) return fail(out + L": " + ado.GetLastError());
  for (const CString& script : scripts) {
    std::wstring text;
    CString readError;
    if (!ReadScript(script, text, readError)) return fail(readError);
    std::vector<SqlScriptStatement> statements;
    int line = 0;
    std::wstring why;
    if (!SplitSqlScript(text, statements, line, why)) {
      CString e;
      e.Format(L"%s:%d: %s", script.GetString(), line, why.c_str());
      return fail(e);
    }
    for (const SqlScriptStatement& st : statements) {
      if (!ado.ExeSQL(CString(st.text.c_str()), ado.GetConn())) {
        CString e;
        e.Format(L"%s:%d: %s", script.GetString(), st.line, ado.GetLastError().GetString());
        return fail(e);
      }
    }
  }
  if (!ado.CommitTrans(ado.GetConn())) return fail(out + L": " + ado.GetLastError());
  if (!ado.CloseConn(ado.GetConn())) return fail(out + L": " + ado.GetLastError());
  const std::string outNative = out.ToUtf8();
  if (std::rename(tempNative.c_str(), outNative.c_str()) != 0) {
    std::remove(tempNative.c_str());
    error = out + L": 无法把临时文件改名为数据库文件";
    return false;
  }
  SyncDirectoryOf(outNative);
  return true;
}

}  // namespace veskdata
