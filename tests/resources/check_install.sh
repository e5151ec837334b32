#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, checks the tree a desktop picks up, and runs the installed
# launcher with a stand-in for the program.
# Usage: check_install.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
}

id=org.spelldeck.Spelldeck
for program in spelldeck spelldeck-db spelldeck-launch; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program missing or not executable"
done
for file in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/spelldeck/guide/index.html \
    share/spelldeck/guide/index.de.html share/spelldeck/guide/index.fr.html share/spelldeck/guide/guide.css \
    share/spelldeck/translations/spelldeck_de.qm share/spelldeck/translations/spelldeck_fr.qm \
    share/doc/spelldeck/copyright share/doc/spelldeck/changelog.gz \
    share/man/man1/spelldeck.1.gz share/man/man1/spelldeck-db.1.gz share/man/man1/spelldeck-launch.1.gz; do
    [ -s "$prefix/$file" ] || fail "$file missing"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    if [ ! -s "$png" ]; then
        fail "${size}x$size icon missing"
    elif ! head -c 8 "$png" | od -An -c | grep -q 'P   N   G'; then
        fail "${size}x$size icon is not a PNG"
    fi
done

# The menu entry must name what was installed: its program and its icon.
desktop=$prefix/share/applications/$id.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ -s "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "Icon=$icon_name is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"

# The launcher, beside the real database tool and a stand-in program that records where it started.
bin=$work/bin
mkdir -p "$bin"
cp "$prefix/bin/spelldeck-launch" "$bin/"
ln -s "$prefix/bin/spelldeck-db" "$bin/spelldeck-db"
printf '#!/bin/sh\npwd >"%s"\n' "$work/started-in" >"$bin/spelldeck"
chmod +x "$bin/spelldeck"

# First start: the data folder is made under XDG_DATA_HOME, with the demo list and its recordings.
HOME=$work/home XDG_DATA_HOME=$work/xdg "$bin/spelldeck-launch" >/dev/null 2>"$work/first.err" ||
    fail "first start failed: $(cat "$work/first.err")"
folder=$work/xdg/spelldeck
[ -s "$folder/data/data.db" ] || fail "first start made no data/data.db"
[ -n "$(ls "$folder/data/sounds/"*.mp3 2>/dev/null)" ] || fail "first start made no demo recordings"
[ "$(cat "$work/started-in" 2>/dev/null)" = "$folder" ] || fail "the program did not start in $folder"

# Second start: the database is kept and the tool is not run again (it would complain on stderr).
cp "$folder/data/data.db" "$work/before.db"
rm -f "$work/started-in"
HOME=$work/home XDG_DATA_HOME=$work/xdg "$bin/spelldeck-launch" >/dev/null 2>"$work/second.err" ||
    fail "second start failed"
[ -s "$work/second.err" ] && fail "second start ran the database tool again: $(cat "$work/second.err")"
cmp -s "$folder/data/data.db" "$work/before.db" || fail "second start changed the database"
[ "$(cat "$work/started-in" 2>/dev/null)" = "$folder" ] || fail "the program did not start again in $folder"

# A relative XDG_DATA_HOME is invalid: the default under HOME is used instead.
(cd "$work" && HOME=$work/home XDG_DATA_HOME=relative "$bin/spelldeck-launch" >/dev/null 2>&1) ||
    fail "start with a relative XDG_DATA_HOME failed"
[ -s "$work/home/.local/share/spelldeck/data/data.db" ] || fail "a relative XDG_DATA_HOME was not ignored"
[ -e "$work/relative" ] && fail "a relative XDG_DATA_HOME made a folder"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree under $prefix checked"
