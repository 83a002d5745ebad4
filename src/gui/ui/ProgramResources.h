#pragma once

namespace courtlog::gui::ui {

// Registers the program's pictures and sounds (":/pictures", ":/sounds").
// They live in a static library, so nothing pulls them in by itself; every
// reader of those paths calls this first. Cheap after the first call.
void ensureProgramResources();

}  // namespace courtlog::gui::ui
