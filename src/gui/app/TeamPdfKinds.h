#pragma once

#include <string>
#include <vector>

#include "gui/app/PdfCommand.h"

namespace courtlog::gui::app {

// "pdf roster TEAM OUT.pdf" and "pdf addresses TEAM OUT.pdf": the team
// editor's roster printout and the personal-information dialog's address
// list, for the team in the file TEAM (a team file, or a .csv or .txt
// roster). A team that does not load fails with its message.
PdfRequest prepareRosterPdf(const std::vector<std::string>& args);
PdfRequest prepareAddressListPdf(const std::vector<std::string>& args);

}  // namespace courtlog::gui::app
