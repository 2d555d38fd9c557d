#pragma once
// The whole configuration-file library: paths, files, INI and XML. The path
// functions are also brought into the global namespace, where the module
// calls them without qualification.
#include "veskfile/CFXmlCfg.h"
#include "veskfile/CFXmlHelper.h"
#include "veskfile/CIniFile.h"
#include "veskfile/DataRoot.h"
#include "veskfile/FileIo.h"
#include "veskfile/FileSystem.h"
#include "veskfile/PathText.h"
#include "veskfile/TextCodec.h"
#include "veskfile/XmlRecords.h"

using veskfile::CreateMDirectory;
using veskfile::FGetCADCommonFilePath;
using veskfile::FGetVeskDataCommonPath;
using veskfile::FGetVeskDataFilePath;
using veskfile::FileExist;
using veskfile::FIsDirectory;
using veskfile::GetFeatureClassStandardPath;
using veskfile::GetFileExt;
using veskfile::GetFileName;
using veskfile::GetFilePath;
using veskfile::GetFnameWithoutExt;
using veskfile::GetUpPath;
