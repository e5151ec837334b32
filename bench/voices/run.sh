#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How intelligible the English voices are: each speaks two word lists, pocketsphinx (US English model)
# recognises every word against a grammar of just that list's words, and a table per list gives for
# each voice the share recognised as Speak has the word before encoding and from the MP3 it stores,
# decoded again, both with a faint noise floor (about -60 dBFS), then without it (digital silence
# around the word), and the milliseconds a word takes to speak and encode:
#
#     bench/voices/run.sh
#
# spelling.txt: 307 words of school spelling lists (the statutory lists of years 3 to 6, common
# exception words of years 1 and 2); common.txt: 315 short everyday words, most of one syllable, the
# hardest to tell apart. Neither holds two words that sound alike.
#
# Installs pocketsphinx and its English model when missing (only this benchmark needs them), builds
# bench_voices in BUILD_DIR (default: build) and works in a temporary folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh" pocketsphinx pocketsphinx-en-us
cmake --build "$build" -j1 --target bench_voices >/dev/null

model=/usr/share/pocketsphinx/model/en-us
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The share of the words of FOLDER recognised, as a percentage.
recognised() {
    local folder=$1 list=$2
    pocketsphinx_batch -adcin yes -cepdir "$work/$list" -cepext .raw -ctl "$work/$list/$folder/words.ctl" \
        -hmm "$model/en-us" -dict "$model/cmudict-en-us.dict" -jsgf "$work/$list.gram" -samprate 16000 \
        -hyp "$work/$list/$folder.hyp" >"$work/$list/$folder.log" 2>&1
    # Each line of the hypotheses: the words heard, then "(utterance score)".
    sed -E 's/ *\([^()]*\)$//' "$work/$list/$folder.hyp" >"$work/$list/$folder.heard"
    local total right
    total=$(wc -l <"$work/$list/$folder/expected")
    right=$(paste -d'\t' "$work/$list/$folder/expected" "$work/$list/$folder.heard" | awk -F'\t' '$1 == $2' | wc -l)
    awk -v r="$right" -v t="$total" 'BEGIN { printf "%.1f%%", 100 * r / t }'
}

for list in spelling common; do
    words="$root/bench/voices/$list.txt"
    {
        echo "#JSGF V1.0;"
        echo "grammar words;"
        printf 'public <word> = %s;\n' "$(tr '[:upper:]' '[:lower:]' <"$words" | grep -v '^$' | paste -sd'|' | sed 's/|/ | /g')"
    } >"$work/$list.gram"
    "$build/bench/voices/bench_voices" "$words" "$work/$list" >"$work/$list.times"
    echo "$list.txt ($(grep -c . "$words") words)"
    printf '%-12s %10s %10s %10s %12s\n' voice spoken "from MP3" "no noise" "ms per word"
    while read -r voice ms; do
        folder=${voice//\//_}
        printf '%-12s %10s %10s %10s %12s\n' "$voice" "$(recognised "$folder" "$list")" \
            "$(recognised "$folder.mp3" "$list")" "$(recognised "$folder.clean" "$list")" "$ms"
    done <"$work/$list.times"
    echo
done
