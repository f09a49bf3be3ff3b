#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, AddressSanitizer, UBSan) in build-fuzz/ and
# runs each one in turn: first the inputs that once found a fault (fuzz/regressions/NAME/),
# then fuzzing for SECONDS from the committed seed corpus (fuzz/corpus/NAME/).
#
#   scripts/fuzz.sh                  # the smoke run of CI: 20 seconds per target
#   scripts/fuzz.sh 600 import_text  # ten minutes of one target
#
# The corpus grows in build-fuzz/corpus/NAME/. A finding (crash, hang, sanitizer report,
# broken property) is kept in build-fuzz/findings/NAME/ and makes the script exit 1; once
# fixed, copy it into fuzz/regressions/NAME/ so that every smoke run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
build=${DEVU_FUZZ_BUILD:-build-fuzz}

# Debian's clang and its libFuzzer, installed as scripts/install-deps.sh installs the rest.
missing=()
for package in clang libfuzzer-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
scripts/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    generator=()
    command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
    cmake -S . -B "$build" "${generator[@]}" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEVU_FUZZ=ON -DDEVU_BUILD_TESTS=OFF -DDEVU_BUILD_BENCHMARKS=OFF \
        -DDEVU_PRECOMPILED_HEADERS=OFF -DDEVU_WARNINGS_AS_ERRORS=ON
fi
cmake --build "$build" --target devu_fuzz --parallel "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        name=$(basename "$source" _fuzz.cpp)
        targets+=("$name")
    done
fi

status=0
for name in "${targets[@]}"; do
    program=$build/fuzz/${name}_fuzz
    corpus=$build/corpus/$name
    findings=$build/findings/$name
    mkdir -p "$corpus" "$findings"
    echo "== $name"
    shopt -s nullglob
    regressions=(fuzz/regressions/"$name"/*)
    shopt -u nullglob
    if [ ${#regressions[@]} -gt 0 ]; then
        if ! "$program" "${regressions[@]}" >"$findings/regressions.log" 2>&1; then
            echo "fuzz: $name fails on a regression input:" >&2
            tail -n 30 "$findings/regressions.log" >&2
            status=1
            continue
        fi
        echo "   ${#regressions[@]} regression inputs pass"
    fi
    log=$findings/fuzz.log
    if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
        units=$(find "$corpus" -type f | wc -l)
        echo "   ${runs:-?} executions in ${seconds} s, no finding; corpus $units inputs"
    else
        echo "fuzz: $name found something (kept in $findings):" >&2
        grep -E "ERROR|SUMMARY|property broken|runtime error|Test unit written" "$log" | head -n 20 >&2 || tail -n 30 "$log" >&2
        status=1
    fi
done
exit $status
