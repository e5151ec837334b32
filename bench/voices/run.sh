#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How intelligible the English voices are: each speaks bench/voices/words.txt (317 common words),
# pocketsphinx recognises every word against a grammar of just those words, and the table gives per
# voice the share recognised and the milliseconds a word takes to speak and encode:
#
#     bench/voices/run.sh
#
# Installs pocketsphinx and its English model when missing (only this benchmark needs them), builds
# bench_voices in BUILD_DIR (default: build) and works in a temporary folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build}
words="$root/bench/voices/words.txt"

"$root/scripts/install-deps.sh" pocketsphinx pocketsphinx-en-us
cmake --build "$build" -j1 --target bench_voices >/dev/null

model=/usr/share/pocketsphinx/model/en-us
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo "#JSGF V1.0;"
    echo "grammar words;"
    printf 'public <word> = %s;\n' "$(tr '[:upper:]' '[:lower:]' <"$words" | grep -v '^$' | paste -sd'|' | sed 's/|/ | /g')"
} >"$work/words.gram"

"$build/bench/voices/bench_voices" "$words" "$work/sound" >"$work/times"

printf '%-12s %10s %12s\n' voice recognised "ms per word"
while read -r voice ms; do
    folder=${voice//\//_}
    pocketsphinx_batch -adcin yes -cepdir "$work/sound" -cepext .raw -ctl "$work/sound/$folder/words.ctl" \
        -hmm "$model/en-us" -dict "$model/cmudict-en-us.dict" -jsgf "$work/words.gram" -samprate 16000 \
        -hyp "$work/$folder.hyp" >"$work/$folder.log" 2>&1
    # Each line of the hypotheses: the words heard, then "(utterance score)".
    sed -E 's/ *\([^()]*\)$//' "$work/$folder.hyp" >"$work/$folder.heard"
    total=$(wc -l <"$work/sound/$folder/expected")
    right=$(paste -d'\t' "$work/sound/$folder/expected" "$work/$folder.heard" | awk -F'\t' '$1 == $2' | wc -l)
    printf '%-12s %9.1f%% %12s\n' "$voice" "$(awk -v r="$right" -v t="$total" 'BEGIN { print 100 * r / t }')" "$ms"
done <"$work/times"
