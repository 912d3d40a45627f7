#pragma once

// A pure library reaching up into the widgets: the include check must refuse it.
#include "engine/CalcState.h"
#include "widgets/QtText.h"
