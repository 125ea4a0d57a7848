#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format-14 makes of it with the committed
# .clang-format, and lists the files. Run `clang-format-14 -i FILE` to mend one.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=()
for file in "${files[@]}"; do
    if ! clang-format-14 --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted with clang-format-14 (.clang-format):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
