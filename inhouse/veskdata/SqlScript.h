#pragma once
// SQL script files as the database build reads them: statements end with a
// ';' at the end of a line (blanks and a comment may follow it), "--" starts
// a comment that runs to the end of the line, texts in quotes and names in
// brackets may span lines and hold ';' and "--".
#include <string>
#include <vector>

namespace veskdata {

struct SqlScriptStatement {
  std::wstring text;  // without the ';' and the comments
  int line = 0;       // 1-based line where the statement starts
};

// Splits the script; false with the line and reason when a text, name or
// date literal is left open at the end of the script.
bool SplitSqlScript(const std::wstring& script, std::vector<SqlScriptStatement>& statements, int& errorLine,
                    std::wstring& error);

}  // namespace veskdata
