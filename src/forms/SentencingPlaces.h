#pragma once

// A message of the dosimetria library names its item by the place the case document gives it
// ("dosimetria.crimes[0].causas[1].fracao: ..."); the window names it by its own words
// ("Crime 1 (roubo), Causas, linha 2, Fra\xE7\xE3o: ...").

#include "sentencing/SentencingInput.h"

#include <QString>
#include <string>
#include <vector>

namespace zarn {

// The message with its place in the window's words; a message without a place as it is.
QString WithWindowPlaces(const std::string& message, const std::vector<CrimeInput>& crimes);

} // namespace zarn
