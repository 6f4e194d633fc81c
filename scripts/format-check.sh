#!/usr/bin/env bash
# Checks that every C++ file is laid out as .clang-format says; `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort | xargs clang-format-14 --dry-run -Werror
