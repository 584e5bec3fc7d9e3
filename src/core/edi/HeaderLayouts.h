#pragma once

#include "core/common/RecordLayout.h"

// The header lines that open every exchange file, without their line end: written by the send-file writers,
// read by the communication module to address what it sends.
namespace HeaderLayouts {

const RecordLayout& neHead();
const RecordLayout& smHead();

} // namespace HeaderLayouts
