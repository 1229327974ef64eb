#!/usr/bin/env bash
# Sets up, builds and runs every test. The print tests print into a private print service started
# for this run (scripts/print-service.sh) and stopped afterwards, whatever the outcome; where it
# cannot be started, they are skipped and say so.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

print_folder=$(mktemp -d "${TMPDIR:-/tmp}/vantora-print-XXXXXX")
finish() {
  scripts/print-service.sh stop "$print_folder"
  rm -rf "$print_folder"
}
trap finish EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if service=$(scripts/print-service.sh start "$print_folder"); then
  while IFS= read -r variable; do
    export "$variable"
  done <<<"$service"
  echo "Print tests: printing into the private print service in $print_folder"
else
  echo "Print tests: the private print service did not start, so they will be skipped" >&2
fi
ctest --test-dir build --output-on-failure -j2
