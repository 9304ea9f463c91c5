// Which control event runs which procedure: the whole wiring in one table.
#pragma once

#include "app/app.h"

namespace kistvar {

void bind_events(App& app);

}  // namespace kistvar
