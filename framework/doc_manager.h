// The application's document templates and the File commands that choose among them.
#pragma once

#include <memory>
#include <vector>

#include "framework/cstring.h"

class CDocTemplate;
class CDocument;

class CDocManager {
public:
    CDocManager() = default;
    virtual ~CDocManager();  // deletes the templates
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // Takes ownership; loads the template's string.
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    std::vector<CDocTemplate*> GetTemplates() const;

    // The name is made a full path. A document that already has this path (in any
    // letter case) is not opened again: its frame is only activated. Otherwise the
    // best template opens it. Null on failure, after telling the user.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // New from the first template; with several the first is taken, as no choice is
    // offered.
    virtual void OnFileNew();
    // The Open dialog, then OpenDocumentFile through the application.
    virtual void OnFileOpen();
    // The framework's Open or Save As dialog; FALSE on Cancel.
    virtual BOOL DoPromptFileName(CString& fileName, BOOL bOpenFileDialog);

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templateList;
};
