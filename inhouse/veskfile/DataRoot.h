#pragma once
// The configuration folders, all under one data root:
//   1. $VESKCAD_HOME when it is set (a relative value is taken from the
//      current folder);
//   2. otherwise <folder of the library holding this code>/../share/veskcad
//      when that folder exists (build tree: build/lib -> build/share/veskcad;
//      installed tree: lib -> share/veskcad);
//   3. otherwise the data/ tree of the source repository.
// The root is looked up on every call, so a change of VESKCAD_HOME counts at
// once. The folders are given in the module's form: '\' separators and a
// trailing '\', ready for a file name to be appended ("\opt\vk\Common\").
#include "mfc/CString.h"

namespace veskfile {

// The data root, module form, with its trailing '\'.
CString GetVeskDataRoot();

// root + "Common\": the product's common data folder.
CString FGetVeskDataCommonPath();
// root + "Data\": the product's data-file folder.
CString FGetVeskDataFilePath();
// root + "STANDARDS\": the CAD-side common files (the standards databases).
CString FGetCADCommonFilePath();
// root + "FeatureClass\": the feature-class standard files.
CString GetFeatureClassStandardPath();

}  // namespace veskfile
