#include "inhouse/veskdata/VeskDataTestUtil.h"

#include <dirent.h>

#include <algorithm>

namespace vdtest {

std::vector<std::string> TempDir::List() const {
  std::vector<std::string> names;
  if (DIR* d = ::opendir(m_path.c_str())) {
    while (struct dirent* e = ::readdir(d)) {
      const std::string n = e->d_name;
      if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vdtest
