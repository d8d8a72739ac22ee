// Accelerator table 128: the main window's keys.
#include "framework/afx_ids.h"
#include "res/resources.h"

namespace {

constexpr ACCEL kMainAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
    {FVIRTKEY | FCONTROL, 'P', ID_FILE_PRINT},
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FSHIFT | ACCEL_END, VK_F6, ID_PREV_PANE},
};

constexpr AcceleratorResource kAccelerators[] = {
    {IDR_MAINFRAME, kMainAccelerators},
};

}  // namespace

std::span<const AcceleratorResource> QuarvelAccelerators() {
    return kAccelerators;
}
