#include "cli/CommandLineTool.h"

int main(int argc, char** argv) { return courtlog::cli::runCommandLine(argc, argv); }
