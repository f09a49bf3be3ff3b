#!/usr/bin/env bash
# Checks that every C++ file under git is formatted as .clang-format says: prints the
# difference for each file that is not and fails. With --fix it formats them instead.
#
#   scripts/check-format.sh [--fix]
#
# The tree is formatted with clang-format 14 (Debian 12's); other versions lay out some
# code differently, so they are refused rather than trusted. CLANG_FORMAT names the
# program when it is neither clang-format-14 nor clang-format on the path.
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
case "${1:-}" in
--fix) fix=1 ;;
"") ;;
*)
    echo "usage: scripts/check-format.sh [--fix]" >&2
    exit 2
    ;;
esac

tool=${CLANG_FORMAT:-}
if [ -z "$tool" ]; then
    for candidate in clang-format-14 clang-format; do
        if command -v "$candidate" >/dev/null 2>&1; then
            tool=$candidate
            break
        fi
    done
fi
if [ -z "$tool" ] || ! command -v "$tool" >/dev/null 2>&1; then
    echo "check-format: no clang-format found (Debian package clang-format, version 14)" >&2
    exit 1
fi
version=$("$tool" --version 2>&1) || version="$tool, which gives no version"
if ! [[ $version =~ version\ 14\. ]]; then
    echo "check-format: the tree is formatted with clang-format 14, not with: $version" >&2
    exit 1
fi

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ ${#files[@]} -eq 0 ]; then
    echo "check-format: no C++ files under git here" >&2
    exit 1
fi
if [ "$fix" = 1 ]; then
    "$tool" -i "${files[@]}"
    exit 0
fi

differing=0
for file in "${files[@]}"; do
    if ! "$tool" "$file" | diff -u --label "$file" --label "$file (formatted)" "$file" -; then
        differing=$((differing + 1))
    fi
done
if [ "$differing" -gt 0 ]; then
    echo "check-format: $differing of ${#files[@]} files differ from .clang-format;" \
        "scripts/check-format.sh --fix formats them" >&2
    exit 1
fi
echo "check-format: all ${#files[@]} C++ files as .clang-format says"
