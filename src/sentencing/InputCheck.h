#pragma once

// The checks of the dosimetria's input before anything is computed: the message of the first
// item at fault, after its place in the document ("dosimetria.crimes[1].maximo: ..."), or
// nothing when every item is sound.

#include "sentencing/SentencingInput.h"

#include <string>

namespace zarn {

std::string FirstInputFault(const SentencingInput& input);

} // namespace zarn
