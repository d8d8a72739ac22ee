// The rate tips of the CDV and BCR fields: after a successful Calculate CDV they give the
// rate that the CDV really yields and its error against the wanted rate, as long as the form
// still reads the inputs that calculation read and shows the results it wrote.
#include "calc/calculations.h"
#include "calc/number_text.h"
#include "calc/prescaler.h"
#include "calc/rate_report.h"
#include "form/quarvel_view.h"

namespace {

std::string RateTipText(const quarvel::RateReport& report) {
    if (!report.actual) {
        return "Actual baud rate: none, the divisor wraps to zero";
    }
    std::string text = "Actual baud rate " + quarvel::FormatDecimal(*report.actual);
    if (report.errorPercent) {
        text += "\nError " + quarvel::FormatPercent(*report.errorPercent) + " against " +
                quarvel::FormatDecimal(report.wanted);
    }
    return text;
}

std::string FullText(const CWnd& field) {
    CString text;
    field.GetWindowText(text);
    return text.str();
}

}  // namespace

RateTipBasis CQuarvelView::CurrentRateTipBasis() const {
    return RateTipBasis{ReadCdvInputs(), FullText(m_editCdv), FullText(m_editBcr)};
}

void CQuarvelView::ShowRateTips(const CdvInputs& inputs) {
    // The calculation has just succeeded on these inputs, so the prescaler resolves and the
    // CDV field reads back the divisor it found.
    const auto factor = quarvel::ResolvePrescaler(inputs.prescaler, inputs.mmcrhText);
    if (!factor) {
        return;
    }
    const quarvel::RateReport report = quarvel::ReportRate(
        quarvel::ReadNumber(inputs.clockText, 10), quarvel::ReadNumber(FullText(m_editCdv), 16),
        *factor, quarvel::ChosenBaudRate(inputs.baudIndex, inputs.typedBaudText));
    const std::string tip = RateTipText(report);
    m_editCdv.SetToolTipText(tip.c_str());
    m_editBcr.SetToolTipText(tip.c_str());
    m_rateTipBasis = CurrentRateTipBasis();
}

void CQuarvelView::ClearStaleRateTips() {
    if (!m_rateTipBasis || CurrentRateTipBasis() == *m_rateTipBasis) {
        return;
    }
    m_rateTipBasis.reset();
    m_editCdv.SetToolTipText("");
    m_editBcr.SetToolTipText("");
}

BOOL CQuarvelView::OnCommand(WPARAM wParam, LPARAM lParam) {
    const BOOL handled = CFormView::OnCommand(wParam, lParam);
    // Control notifications carry the control; menu and key commands don't change the form.
    if (lParam != 0) {
        ClearStaleRateTips();
    }
    return handled;
}
