// The two calculate buttons: the form's texts go to the calculator, its result
// texts come back into the fields, or its error into a box.
#include "calc/calc_error.h"
#include "calc/calculations.h"
#include "calc/presets.h"
#include "form/quarvel_view.h"

namespace {

// A field is read into a buffer of this many characters, its terminating zero
// included, so at most 19 characters take part.
constexpr int kFieldBufferSize = 20;

struct PrescalerButton {
    int id;
    quarvel::PrescalerChoice choice;
};

// In the order the calculations examine them.
constexpr PrescalerButton kPrescalerButtons[] = {
    {IDC_RADIO_X1, quarvel::PrescalerChoice::PrescalerX1},
    {IDC_RADIO_X8, quarvel::PrescalerChoice::PrescalerX8},
    {IDC_RADIO_X16, quarvel::PrescalerChoice::PrescalerX16},
    {IDC_RADIO_X32, quarvel::PrescalerChoice::PrescalerX32},
    {IDC_RADIO_MMCRH, quarvel::PrescalerChoice::PrescalerMmcrh},
};

// The initial update checks "x8"; should no button be checked before it has run,
// the calculations use that default rather than an undefined choice.
constexpr quarvel::PrescalerChoice kUncheckedPrescaler = quarvel::PrescalerChoice::PrescalerX8;

// A modal box owned by the view, titled "ERROR", with an OK button and no icon.
void ShowCalcError(CWnd& view, quarvel::CalcError error) {
    const std::string message(quarvel::ErrorMessageText(error));
    view.MessageBox(message.c_str(), "ERROR", MB_OK);
}

}  // namespace

std::string CQuarvelView::ReadField(const CWnd& field) const {
    char buffer[kFieldBufferSize] = {};
    field.GetWindowText(buffer, kFieldBufferSize);
    return buffer;
}

quarvel::PrescalerChoice CQuarvelView::CheckedPrescaler() const {
    for (const PrescalerButton& button : kPrescalerButtons) {
        const CWnd* radio = GetDlgItem(button.id);
        if (radio != nullptr && radio->SendMessage(BM_GETCHECK) != 0) {
            return button.choice;
        }
    }
    return kUncheckedPrescaler;
}

std::string CQuarvelView::ReadMmcrhFor(quarvel::PrescalerChoice prescaler) const {
    return prescaler == quarvel::PrescalerChoice::PrescalerMmcrh ? ReadField(m_editMmcrh)
                                                                 : std::string();
}

CdvInputs CQuarvelView::ReadCdvInputs() const {
    CdvInputs inputs;
    inputs.clockText = ReadField(m_editClock);
    inputs.baudIndex = m_comboBaud.GetCurSel();
    // "OTHER" takes the rate from the baud field. A list without a selection (the
    // user typed into its field) takes the number typed there.
    if (inputs.baudIndex == quarvel::kOtherBaudIndex) {
        inputs.typedBaudText = ReadField(m_editBaud);
    } else if (inputs.baudIndex < 0) {
        inputs.typedBaudText = ReadField(m_comboBaud);
    }
    inputs.prescaler = CheckedPrescaler();
    inputs.mmcrhText = ReadMmcrhFor(inputs.prescaler);
    // A clock list without a selection composes the BCR as "other clock" does.
    inputs.clockSource = m_comboClock.GetCurSel();
    return inputs;
}

void CQuarvelView::OnButtonCalcCdv() {
    const CdvInputs inputs = ReadCdvInputs();
    const auto result =
        quarvel::CalculateCdv(inputs.clockText, inputs.baudIndex, inputs.typedBaudText,
                              inputs.prescaler, inputs.mmcrhText, inputs.clockSource);
    if (!result) {
        ShowCalcError(*this, result.error());
        return;
    }
    m_editCdv.SetWindowText(result.value().cdvText.c_str());
    m_editBcr.SetWindowText(result.value().bcrText.c_str());
    ShowRateTips(inputs);
}

void CQuarvelView::OnButtonCalcBaud() {
    const std::string clockText = ReadField(m_editClock);
    const std::string cdvText = ReadField(m_editCdv);
    const quarvel::PrescalerChoice prescaler = CheckedPrescaler();
    const std::string mmcrhText = ReadMmcrhFor(prescaler);

    const auto result = quarvel::CalculateBaudRate(clockText, cdvText, prescaler, mmcrhText);
    if (!result) {
        ShowCalcError(*this, result.error());
        return;
    }
    m_editBaud.SetWindowText(result.value().c_str());
}
