#include "framework/print_info.h"

#include "framework/print_dialog.h"

CPrintInfo::CPrintInfo()
    : m_pPD(nullptr),
      m_dialog(std::make_unique<CPrintDialog>(FALSE, PD_ALLPAGES | PD_NOSELECTION)) {
    m_pPD = m_dialog.get();
}

CPrintInfo::~CPrintInfo() = default;

void CPrintInfo::SetMinPage(UINT nMinPage) {
    m_pPD->m_nMinPage = nMinPage;
}
void CPrintInfo::SetMaxPage(UINT nMaxPage) {
    m_pPD->m_nMaxPage = nMaxPage;
}
UINT CPrintInfo::GetMinPage() const {
    return m_pPD->m_nMinPage;
}
UINT CPrintInfo::GetMaxPage() const {
    return m_pPD->m_nMaxPage;
}
UINT CPrintInfo::GetFromPage() const {
    return m_pPD->m_nFromPage;
}
UINT CPrintInfo::GetToPage() const {
    return m_pPD->m_nToPage;
}
