#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ source differs from the repository's .clang-format.
# `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${sources[@]}"
    exit 0
fi
unformatted=()
for file in "${sources[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "These files differ from .clang-format (run scripts/check-format.sh --fix):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
