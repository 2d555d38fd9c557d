#include "veskcad/standards/CCustomDatabase.h"

#include "veskfile/VeskFile.h"
#include "win/WinUser.h"

namespace VeskDB {

namespace {

CCustomDatabase* gSharedDatabase = nullptr;

const wchar_t* const kDriverMissingMessage =
    L"找不到数据库访问驱动！\n请在安装目录下运行AccessDatabaseEngine_X64.exe，"
    L"如果系统中已经安装了32位Office，请先卸载它，安装好驱动后，再安装Office。";

}  // namespace

CCustomDatabase::CCustomDatabase()
    : m_strDefaultDb(CString(veskfile::FGetCADCommonFilePath()) + L"default.mdb") {}

CCustomDatabase::CCustomDatabase(CString dir) : m_strDefaultDb(dir + L"default.mdb") {}

CCustomDatabase::~CCustomDatabase() { Release(); }

CString CCustomDatabase::StandardsPassword() const {
  return m_nDesignType == 10 ? CString(L"kaplorns") : CString(L"kaplorn");
}

int CCustomDatabase::SetDefaultDB(CString path) {
  Close();
  m_strDefaultDb = path;
  m_nDBMode = 0;
  return Open();
}

int CCustomDatabase::SetDefaultDB(CString path, CString layerPath) {
  Close();
  m_strDefaultDb = path;
  m_strLayerDb = layerPath;
  m_nDBMode = 1;
  return Open();
}

int CCustomDatabase::SetCustomDBPath(CString layerPath) {
  Close();
  m_strLayerDb = layerPath;
  m_nDBMode = 1;
  return Open();
}

int CCustomDatabase::Open() { return OpenConnections(false); }

int CCustomDatabase::Open(const wchar_t*) { return OpenConnections(true); }

int CCustomDatabase::OpenConnections(bool layerWithStandardsPassword) {
  Release();
  const CString password = StandardsPassword();
  if (m_nDBMode == 0) {
    if (!veskfile::FileExist(m_strDefaultDb)) {
      m_bOpen = 0;
      ShowErroMessage(1);
      return 0;
    }
    m_bOpen = m_ado.OpenExternConn(m_strDefaultDb, 0, CString(), password, m_ado.GetConn()) ? 1 : 0;
  } else {
    if (!veskfile::FileExist(m_strDefaultDb) || !veskfile::FileExist(m_strLayerDb)) {
      m_bOpen = 0;
      ShowErroMessage(1);
      return 0;
    }
    m_bOpen = 0;
    if (m_ado.OpenExternConn(m_strDefaultDb, 0, CString(), password, m_ado.GetConn())) {
      const CString layerPassword = layerWithStandardsPassword ? password : CString();
      if (m_adoLayer.OpenExternConn(m_strLayerDb, 0, CString(), layerPassword, m_adoLayer.GetConn()))
        m_bOpen = 1;
      else
        m_ado.CloseConn(m_ado.GetConn());  // half open is closed: the object reports closed
    }
  }
  if (!m_bOpen) {
    // The reason is in the connection that failed; the standards connection's
    // error is what the user sees, as it is the one most often at fault.
    CString error = m_ado.GetLastError();
    if (error.IsEmpty()) error = m_adoLayer.GetLastError();
    if (error.Find(L"800a0e7a") > 0)
      AfxMessageBox(kDriverMissingMessage);
    else
      ShowErroMessage(1);
  }
  return m_bOpen;
}

int CCustomDatabase::Close() {
  bool closed = m_ado.CloseConn(m_ado.GetConn()) != 0;
  if (m_nDBMode == 1) closed = (m_adoLayer.CloseConn(m_adoLayer.GetConn()) != 0) && closed;
  m_bOpen = closed ? 0 : 1;
  return closed ? 1 : 0;
}

int CCustomDatabase::Release() {
  if (!m_bOpen) return 1;
  return Close();
}

void CCustomDatabase::ShowErroMessage(int show) {
  if (!show) return;
  CString error = m_ado.GetLastError();
  if (error.IsEmpty() && m_nDBMode == 1) error = m_adoLayer.GetLastError();
  CString text;
  if (error.Find(L"密码") >= 0)
    text = L"数据库连接失败，密码错误!";
  else
    text.Format(L"数据库失败，错误信息%s", static_cast<const wchar_t*>(error));
  MessageBoxW(adsw_acadMainWnd(), text, L"警告", MB_OK);
}

void CCustomDatabase::ReportError(const wchar_t*) {}

int CCustomDatabase::GetCurOpenLayerDbPath(CString& out, int flag) {
  out.Empty();
  if (flag == 0 && !m_strLayerDb.IsEmpty()) {
    out = m_strLayerDb;
    return 1;
  }
  try {
    CADOConnection* conn = m_adoLayer.GetConn();
    if (conn == nullptr) return 0;
    CString text = conn->GetConnectionString() + L";";
    text.MakeUpper();
    int at = text.Find(L"DATA SOURCE");
    if (at < 0) return 0;
    text = text.Mid(at + 11);
    at = text.Find(L'=');
    if (at < 0) return 0;
    text = text.Mid(at + 1);
    at = text.Find(L".MDB");
    if (at < 0) return 0;
    out = text.Left(at + 4);
    return 1;
  } catch (...) {
    out.Empty();
    return 0;
  }
}

CCustomDatabase* gpGetCustomDatabase() { return gSharedDatabase; }

CCustomDatabase* gpGetGpCustomDatabase() { return gSharedDatabase; }

int gpSetGpCustomDataBase(CCustomDatabase* database) {
  gSharedDatabase = database;
  return 1;
}

}  // namespace VeskDB
