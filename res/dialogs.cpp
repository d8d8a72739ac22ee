#include "res/resources.h"

std::span<const DialogResource> QuarvelDialogs() {
    static const DialogResource dialogs[] = {
        {IDD_ABOUTBOX, &kAboutBox},
        {IDD_CALCULATOR_FORM, &kCalculatorForm},
    };
    return dialogs;
}
