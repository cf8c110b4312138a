#!/usr/bin/env bash
# Checks that every C++ source and header is laid out as .clang-format says:
# prints each place that differs and exits non-zero. `clang-format -i` on the
# files it names lays them out.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -d '' files < <(find app bench fuzz links platform settings shell sign tests tools windows \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) -print0 | sort -z)
clang-format --dry-run --Werror "${files[@]}"
echo "All ${#files[@]} C++ files are laid out as .clang-format says."
