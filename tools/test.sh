#!/usr/bin/env bash
# Builds the program and its tests, then runs the whole suite. Called by the README's test
# command and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure
suite_seconds=$SECONDS

# The checks below run after the suite and stop the script on their first finding.
here=$PWD

# Formatting of every tracked C++ file against .clang-format.
stage=$SECONDS
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
format_seconds=$((SECONDS - stage))
echo "clang-format: clean"

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer; any
# report ends the test that made it. Leak checking stays on; tools/lsan.supp names the few
# leaks of libraries outside this project. Qt is built without frame pointers, so stacks are
# unwound the slow, thorough way: the suppressions match on frames inside Qt.
stage=$SECONDS
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUINTELO_SANITIZE=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1 \
    LSAN_OPTIONS=suppressions=$here/tools/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure
sanitize_seconds=$((SECONDS - stage))

# The readers of the user's files under libFuzzer with ASan and UBSan, each from its seed corpus
# of real files, for about a minute each: the roll file (a fixed number of inputs), the CSV
# table in its encodings and the user's presets. A crash, a failed round trip or a broken
# promise of the reader stops it.
stage=$SECONDS
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug -DQUINTELO_FUZZ=ON
cmake --build build-fuzz -j"$jobs" --target fuzz_rollfile fuzz_csv fuzz_presets
for target in rollfile csv presets; do
    rm -rf "build-fuzz/corpus-$target" && mkdir "build-fuzz/corpus-$target"
done
build-fuzz/fuzz/fuzz_rollfile -runs=600000 -seed=1 -max_len=4096 build-fuzz/corpus-rollfile \
    fuzz/corpus
build-fuzz/fuzz/fuzz_csv -max_total_time=60 -seed=1 -max_len=4096 build-fuzz/corpus-csv \
    fuzz/corpus-csv
build-fuzz/fuzz/fuzz_presets -max_total_time=60 -seed=1 -max_len=4096 \
    build-fuzz/corpus-presets fuzz/corpus-presets
fuzz_seconds=$((SECONDS - stage))

# clang-tidy over the project's own sources (not the moc and rcc output in the build tree),
# with the checks .clang-tidy names; it counts every warning as an error.
stage=$SECONDS
sources="^$(printf '%s' "$here" | sed 's/[][\.*^$+?(){}|]/\\&/g')/(apps|bench|codec|export|files|fuzz|io|messages|platform|render|sign|tests|ui)/.*\.cpp$"
run-clang-tidy-14 -p build-test -j"$jobs" -quiet "$sources"
tidy_seconds=$((SECONDS - stage))
echo "clang-tidy: clean"

echo "Stage times: build and tests ${suite_seconds} s, clang-format ${format_seconds} s," \
    "sanitizers ${sanitize_seconds} s, fuzzing ${fuzz_seconds} s, clang-tidy ${tidy_seconds} s"
