#pragma once
// Shared set-up of the document and linker tests: a scripted front end for the
// command line, no documents left open between tests, and a reactor that
// writes down what the document manager tells it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arx/ap/AcApDocManager.h"
#include "arx/ed/ScriptedHostUi.h"
#include "mfc/Utf8Convert.h"

namespace aptest {

inline std::string u8(const std::wstring& w) { return veskhost::mfc::WideToUtf8(w.data(), w.size()); }

class RecordingReactor : public AcApDocManagerReactor {
 public:
  std::vector<std::wstring> events;
  // "event:title[#count]" — the document count is recorded where it matters.
  void documentCreateStarted(AcApDocument* d) override { add(L"createStarted", d); }
  void documentCreated(AcApDocument* d) override { add(L"created", d); }
  void documentCreateCanceled(AcApDocument*) override { events.push_back(L"createCanceled"); }
  void documentToBeDestroyed(AcApDocument* d) override {
    add(L"toBeDestroyed", d, L"#" + std::to_wstring(acDocManager->documentCount()));
  }
  void documentDestroyed(const ACHAR* fileName) override {
    std::wstring f = fileName;
    events.push_back(L"destroyed:" + f.substr(f.find_last_of(L'/') + 1) + L"#" +
                     std::to_wstring(acDocManager->documentCount()));
  }
  void documentBecameCurrent(AcApDocument* d) override { add(L"becameCurrent", d); }
  void documentToBeActivated(AcApDocument* d) override { add(L"toBeActivated", d); }
  void documentActivated(AcApDocument* d) override { add(L"activated", d); }
  void documentToBeDeactivated(AcApDocument* d) override { add(L"toBeDeactivated", d); }

 private:
  void add(const wchar_t* what, AcApDocument* d, const std::wstring& extra = L"") {
    events.push_back(std::wstring(what) + L":" + (d ? d->docTitle() : L"null") + extra);
  }
};

class DocFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    acDocManager->vhostCloseAllDocuments();
    acDocManager->enableDocumentActivation();
  }
  void TearDown() override {
    acDocManager->removeReactor(&recorder);
    acDocManager->vhostCloseAllDocuments();
  }
  AcApDocument* newDoc() {
    std::wstring error;
    AcApDocument* d = acDocManager->vhostNewDocument(error);
    EXPECT_NE(d, nullptr) << u8(error);
    return d;
  }
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  RecordingReactor recorder;
};

}  // namespace aptest
