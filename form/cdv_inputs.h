// What Calculate CDV reads from the form, and what a successful one wrote back.
#pragma once

#include <string>

#include "calc/prescaler.h"

struct CdvInputs {
    std::string clockText;
    int baudIndex = -1;
    // The baud field for "OTHER", the list's own typed text without a selection, else empty.
    std::string typedBaudText;
    quarvel::PrescalerChoice prescaler = quarvel::PrescalerChoice::PrescalerX8;
    // Read only with "Other MMCRH value".
    std::string mmcrhText;
    int clockSource = -1;

    friend bool operator==(const CdvInputs&, const CdvInputs&) = default;
};

// The ground of the rate tips of the CDV and BCR fields: they hold while the form still reads
// these inputs and shows these results.
struct RateTipBasis {
    CdvInputs inputs;
    std::string cdvText;
    std::string bcrText;

    friend bool operator==(const RateTipBasis&, const RateTipBasis&) = default;
};
