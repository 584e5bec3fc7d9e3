#pragma once

#include "core/print/PrintOptions.h"

// The print options dialog behind a seam: the screens show TfmPrintOption, fbctl and tests set the options.
class PrintOptionChooser {
public:
    virtual ~PrintOptionChooser() = default;
    // Shows the options as they stand and stores what the user confirmed; false on cancel, the options unchanged.
    virtual bool choose(PrintOptions& options, PrintOptions::Variant variant) = 0;
};
