#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a source, script, form or CMake file lacks its licence header (the two
# SPDX lines every such file carries near its top).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.ui' '*.cmake' '*.sh' '*.1' 'CMakeLists.txt' '*/CMakeLists.txt' \
    .ci/run resources/desktop/spelldeck-launch)
missing=()
for file in "${files[@]}"; do
    head -n 5 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' &&
        head -n 5 "$file" | grep -q 'SPDX-FileCopyrightText: ' || missing+=("$file")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "These files lack the SPDX licence header:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi
