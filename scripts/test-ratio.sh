#!/usr/bin/env bash
# Prints the size of the tests against the code they test, in C++ lines that are
# neither blank nor only a comment (git-tracked files): the product (everything
# outside tests/, bench/, fuzz/ and standins/), the stand-ins (standins/) and the
# tests (tests/), then the tests against product and stand-ins together. Fails
# when the tests are more than a third of those.
set -euo pipefail
cd "$(dirname "$0")/.."
cpp_lines() { grep -E '\.(cpp|h|hpp|cc)$' | xargs -r cat | grep -c -v -E '^\s*(//.*)?$'; }
product=$(git ls-files | grep -v -E '^(tests|bench|fuzz|standins)/' | cpp_lines)
standins=$(git ls-files -- standins | cpp_lines)
tests=$(git ls-files -- tests | cpp_lines)
code=$((product + standins))
echo "product lines: $product"
echo "stand-in lines: $standins"
echo "test lines: $tests"
# Lines the tests may still grow by, or (negative) are over.
room=$((code / 3 - tests))
echo "tests at $((100 * tests / code)) % of product and stand-ins (at most 33 %, a third;" \
    "room: $room lines)"
if [ $((3 * tests)) -gt "$code" ]; then
    echo "the tests are more than a third of product and stand-ins" >&2
    exit 1
fi
