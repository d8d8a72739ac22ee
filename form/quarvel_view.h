// The program's only view: the calculator form in the main window's client area.
#pragma once

#include <optional>
#include <string>

#include "calc/prescaler.h"
#include "form/cdv_inputs.h"
#include "framework/controls.h"
#include "framework/form_view.h"
#include "res/resource_ids.h"

class CQuarvelView : public CFormView {
    DECLARE_DYNCREATE(CQuarvelView)

protected:
    // Created by the document template, by class.
    CQuarvelView();

public:
    enum { IDD = IDD_CALCULATOR_FORM };

    // The controls the view drives; bound on the first data exchange. The radio and
    // push buttons have no members: the view looks them up by id.
    CEdit m_editBcr;
    CEdit m_editMmcrh;
    CEdit m_editBaud;
    CEdit m_editCdv;
    CComboBox m_comboClock;
    CComboBox m_comboBaud;
    CEdit m_editClock;

    ~CQuarvelView() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Puts the form into its default state; runs at start-up and after New and Open.
    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSelchangeComboClock();
    void OnSelchangeComboBaud();
    void OnRadioMmcrh();
    void OnButtonCalcCdv();
    void OnButtonCalcBaud();
    // After every notification of a control: the rate tips go when what they describe has
    // changed.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // A control's text as the calculations see it: at most its first 19 characters.
    std::string ReadField(const CWnd& field) const;
    // The first checked prescaler radio button.
    quarvel::PrescalerChoice CheckedPrescaler() const;
    std::string ReadMmcrhFor(quarvel::PrescalerChoice prescaler) const;
    CdvInputs ReadCdvInputs() const;

    // The tips of the CDV and BCR fields: the rate that the CDV gives and its error against
    // the wanted rate, while the fields still hold what the calculation read and wrote.
    void ShowRateTips(const CdvInputs& inputs);
    void ClearStaleRateTips();
    RateTipBasis CurrentRateTipBasis() const;
    std::optional<RateTipBasis> m_rateTipBasis;

    DECLARE_MESSAGE_MAP()
};
