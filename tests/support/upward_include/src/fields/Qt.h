#pragma once

// A pure library including Qt: the include check must refuse it.
#include <QString>
