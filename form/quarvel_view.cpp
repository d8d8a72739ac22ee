#include "form/quarvel_view.h"

#include "calc/number_text.h"
#include "calc/presets.h"
#include "framework/afx_ids.h"
#include "framework/dialog.h"
#include "framework/frame_wnd.h"

IMPLEMENT_DYNCREATE(CQuarvelView, CFormView)

BEGIN_MESSAGE_MAP(CQuarvelView, CFormView)
ON_WM_CREATE()
ON_CBN_SELCHANGE(IDC_COMBO_CLOCK, &CQuarvelView::OnSelchangeComboClock)
ON_CBN_SELCHANGE(IDC_COMBO_BAUD, &CQuarvelView::OnSelchangeComboBaud)
ON_BN_CLICKED(IDC_RADIO_MMCRH, &CQuarvelView::OnRadioMmcrh)
ON_BN_CLICKED(IDC_BUTTON_CALC_CDV, &CQuarvelView::OnButtonCalcCdv)
ON_BN_CLICKED(IDC_BUTTON_CALC_BAUD, &CQuarvelView::OnButtonCalcBaud)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {

// The defaults of each initial update: "BCLK_in", "115200" and "x8".
constexpr int kDefaultClockSource = 0;
constexpr int kDefaultBaudIndex = 6;
constexpr int kPrescalerButtons[] = {IDC_RADIO_X1, IDC_RADIO_X8, IDC_RADIO_X16, IDC_RADIO_X32,
                                     IDC_RADIO_MMCRH};
constexpr int kDefaultPrescalerButton = IDC_RADIO_X8;

}  // namespace

CQuarvelView::CQuarvelView() : CFormView(CQuarvelView::IDD) {}

CQuarvelView::~CQuarvelView() = default;

BOOL CQuarvelView::PreCreateWindow(CREATESTRUCT& cs) {
    return CFormView::PreCreateWindow(cs);
}

int CQuarvelView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFormView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    return 0;
}

void CQuarvelView::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_BCR, m_editBcr);
    DDX_Control(pDX, IDC_EDIT_MMCRH, m_editMmcrh);
    DDX_Control(pDX, IDC_EDIT_BAUD, m_editBaud);
    DDX_Control(pDX, IDC_EDIT_CDV, m_editCdv);
    DDX_Control(pDX, IDC_COMBO_CLOCK, m_comboClock);
    DDX_Control(pDX, IDC_COMBO_BAUD, m_comboBaud);
    DDX_Control(pDX, IDC_EDIT_CLOCK, m_editClock);
}

void CQuarvelView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->RecalcLayout(TRUE);
    }
    ResizeParentToFit(TRUE);

    m_comboClock.SendMessage(CB_SETCURSEL, kDefaultClockSource);
    m_comboBaud.SendMessage(CB_SETCURSEL, kDefaultBaudIndex);
    for (int id : kPrescalerButtons) {
        if (CWnd* button = GetDlgItem(id)) {
            button->SendMessage(BM_SETCHECK,
                                id == kDefaultPrescalerButton ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    m_editMmcrh.EnableWindow(FALSE);
    const auto clock = quarvel::ClockPresetFrequency(kDefaultClockSource);
    m_editClock.SetWindowText(quarvel::FormatDecimal(clock.value_or(0)).c_str());
    // New and Open put the inputs back without notifications from the controls.
    ClearStaleRateTips();
}

void CQuarvelView::OnSelchangeComboClock() {
    // With no selection (the user typed into the list's field) there is no preset,
    // and the clock field keeps what it holds.
    const auto frequency = quarvel::ClockPresetFrequency(m_comboClock.GetCurSel());
    if (frequency) {
        m_editClock.SetWindowText(quarvel::FormatDecimal(*frequency).c_str());
    }
}

void CQuarvelView::OnSelchangeComboBaud() {
    if (m_comboBaud.GetCurSel() == quarvel::kOtherBaudIndex) {
        m_editBaud.SetWindowText("0");
    }
}

void CQuarvelView::OnRadioMmcrh() {
    const CWnd* mmcrhButton = GetDlgItem(IDC_RADIO_MMCRH);
    const bool checked = mmcrhButton != nullptr && mmcrhButton->SendMessage(BM_GETCHECK) != 0;
    m_editMmcrh.EnableWindow(checked ? TRUE : FALSE);
}
