#!/usr/bin/env bash
# Rebuilds the sample teams from their JSON sources with the command-line tool:
#   source/NAME.json -> NAME.tem (team file) and NAME.csv (comma-delimited
#   roster with personal information, the form the roster import reads).
# The tool is $COURTLOG_CLI, or courtlog from the first build folder that has it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${COURTLOG_CLI:-}
if [ -z "$cli" ]; then
  for candidate in "$here"/../../build*/courtlog; do
    if [ -x "$candidate" ]; then cli=$candidate; break; fi
  done
fi
if [ -z "$cli" ]; then
  echo "courtlog not found: build the program or set COURTLOG_CLI" >&2
  exit 1
fi
cd "$here"
for source in source/*.json; do
  name=$(basename "$source" .json)
  # Relative names: the team file keeps the name it was written under.
  "$cli" convert "$source" "$name.tem"
  "$cli" convert "$source" "$name.csv"
  echo "$name.tem $name.csv"
done
