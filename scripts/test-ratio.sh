#!/usr/bin/env bash
# Prints the size of the tests against the product code: C++ lines that are
# neither blank nor only a comment, tests/ against everything outside tests/,
# bench/ and fuzz/ (git-tracked files). The aim is 40 % at most.
set -euo pipefail
cd "$(dirname "$0")/.."
cpp_lines() { grep -E '\.(cpp|h|hpp|cc)$' | xargs -r cat | grep -c -v -E '^\s*(//.*)?$'; }
tests=$(git ls-files -- tests | cpp_lines)
code=$(git ls-files | grep -v -E '^(tests|bench|fuzz)/' | cpp_lines)
echo "test lines: $tests, product lines: $code, tests at $((100 * tests / code)) % of the code (aim: at most 40 %)"
