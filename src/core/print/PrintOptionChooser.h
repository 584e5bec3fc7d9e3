#pragma once

#include "core/print/PrintOptions.h"

// The print options dialog behind a seam: the screens show TfmPrintOption, fbctl and tests set the options.
class PrintOptionChooser {
public:
    virtual ~PrintOptionChooser() = default;
    // Shows the options as they stand and stores what the user confirmed; false on cancel, the options unchanged.
    virtual bool choose(PrintOptions& options, PrintOptions::Variant variant) = 0;
};

// Options set beforehand (fbctl's command line, a benchmark), confirmed as the dialog's 확 인 would.
class FixedPrintOptions : public PrintOptionChooser {
public:
    explicit FixedPrintOptions(const PrintOptions& options)
        : m_options(options)
    {
    }
    bool choose(PrintOptions& options, PrintOptions::Variant) override
    {
        options = m_options;
        return true;
    }

private:
    PrintOptions m_options;
};
