#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout, the launcher's first and later starts,
# and the desktop entry and AppStream metadata.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
cmake=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
P=$work/prefix
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$P" >/dev/null

# The layout.
for f in lib/sanavo/sanavo share/sanavo/pictures/backall.gif share/sanavo/templates/sanavodb.mdb \
    share/sanavo/templates/sanavo.ini share/applications/sanavo.desktop \
    share/metainfo/org.sanavo.sanavo.metainfo.xml share/doc/sanavo/copyright share/doc/sanavo/changelog.gz \
    share/man/man1/sanavo.1.gz; do
    [ -f "$P/$f" ] || fail "$f is not installed"
done
for f in bin/sanavo lib/sanavo/sanavo; do [ -x "$P/$f" ] || fail "$f is not executable"; done
# The program finds its pictures by this path relative to itself.
[ -f "$P/lib/sanavo/../../share/sanavo/pictures/backall.gif" ] || fail "pictures not beside the program"
cmp -s "$P/share/sanavo/templates/sanavodb.mdb" "$build/delivered/sanavodb.mdb" || fail "template database differs"
cmp -s "$P/share/sanavo/templates/sanavo.ini" "$source/assets/sanavo.ini" || fail "template sanavo.ini differs"
gzip -t "$P/share/doc/sanavo/changelog.gz" || fail "changelog.gz is no gzip file"
for n in 16 32 48 64 128 256; do
    png=$P/share/icons/hicolor/${n}x${n}/apps/sanavo.png
    [ -f "$png" ] || fail "icon $n is not installed"
    # Width and height stand at bytes 16 to 23 of a PNG file.
    size=$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')
    [ "$size" = "$(printf '%08x%08x' "$n" "$n")" ] || fail "icon $n measures $size"
done

# The launcher runs a stand-in that prints its arguments instead of the program.
printf '#!/bin/sh\nprintf "%%s\\n" "$@"\n' >"$P/lib/sanavo/sanavo"
run() { env -i PATH="$PATH" HOME="$work/home" "$@"; }
expect() { # expect WANTED COMMAND...: the stand-in's arguments, one a line
    local wanted=$1 got
    shift
    got=$(run "$@") || fail "$* failed"
    [ "$got" = "$wanted" ] || fail "$*: ran with [$got], wanted [$wanted]"
}
fresh() { # fresh FOLDER: the folder holds exactly the delivered database and sanavo.ini
    cmp -s "$1/sanavodb.mdb" "$P/share/sanavo/templates/sanavodb.mdb" || fail "$1/sanavodb.mdb not copied"
    cmp -s "$1/sanavo.ini" "$P/share/sanavo/templates/sanavo.ini" || fail "$1/sanavo.ini not copied"
    [ "$(find "$1" -mindepth 1 | wc -l)" -eq 2 ] || fail "$1 holds more than sanavodb.mdb and sanavo.ini"
}

# The first start makes the default folder, readable by its owner only, and lays it out.
home=$work/home/.local/share/sanavo
expect "$(printf -- '--folder\n%s\n-x\na b' "$home")" "$P/bin/sanavo" -x "a b"
fresh "$home"
[ "$(stat -c %a "$home")" = 700 ] || fail "$home has mode $(stat -c %a "$home")"

# A later start keeps what the hospital changed, and gives back only a file that was removed.
echo "HospitalName=Our Hospital" >>"$home/sanavo.ini"
echo "changed" >>"$home/sanavodb.mdb"
before=$(cat "$home/sanavo.ini" "$home/sanavodb.mdb" | md5sum)
run "$P/bin/sanavo" >/dev/null
[ "$(cat "$home/sanavo.ini" "$home/sanavodb.mdb" | md5sum)" = "$before" ] || fail "a later start overwrote a file"
rm "$home/sanavo.ini"
run "$P/bin/sanavo" >/dev/null
cmp -s "$home/sanavo.ini" "$P/share/sanavo/templates/sanavo.ini" || fail "a removed sanavo.ini was not given back"
grep -q changed "$home/sanavodb.mdb" || fail "the changed database was replaced"

# --folder DIR, wherever it stands, and XDG_DATA_HOME; the launcher also works through a link.
expect "$(printf -- '--folder\n%s\na\nb' "$work/my folder")" "$P/bin/sanavo" a --folder "$work/my folder" b
fresh "$work/my folder"
expect "$(printf -- '--folder\n%s' "$work/xdg/sanavo")" env XDG_DATA_HOME="$work/xdg" "$P/bin/sanavo"
fresh "$work/xdg/sanavo"
mkdir "$work/links" && ln -s "$P/bin/sanavo" "$work/links/sanavo"
expect "$(printf -- '--folder\n%s' "$work/linked")" "$work/links/sanavo" --folder "$work/linked"

# A link in place of a file is never followed, not even a dangling one.
mkdir "$work/linkfolder" && ln -s "$work/nowhere.ini" "$work/linkfolder/sanavo.ini"
run "$P/bin/sanavo" --folder "$work/linkfolder" >/dev/null
[ -L "$work/linkfolder/sanavo.ini" ] || fail "the launcher replaced a link"
[ ! -e "$work/nowhere.ini" ] || fail "the launcher followed a link"

# Failures: a clear message, a non-zero status, no program started and no half-written file.
refused() { # refused WANTED_MESSAGE ARGUMENTS...
    local wanted=$1 out status=0
    shift
    out=$(run "$P/bin/sanavo" "$@" 2>"$work/err") || status=$?
    [ "$status" -ne 0 ] || fail "sanavo $* did not fail"
    [ -z "$out" ] || fail "sanavo $* started the program: $out"
    grep -q "$wanted" "$work/err" || fail "sanavo $*: message $(cat "$work/err"), wanted $wanted"
}
touch "$work/plainfile"
refused "cannot make the application folder" --folder "$work/plainfile/sub"
refused "needs the application folder" --folder
# A copy cut short, as on a full disk: files may grow to 1 KiB only.
# shellcheck disable=SC2016
out=$(env -i PATH="$PATH" HOME="$work/home" bash -c 'ulimit -f 1 && exec "$0" --folder "$1"' \
    "$P/bin/sanavo" "$work/full" 2>"$work/err") && fail "a cut copy started the program: $out"
grep -q "cannot copy sanavodb.mdb" "$work/err" || fail "a cut copy said $(cat "$work/err")"
[ -z "$(ls -A "$work/full")" ] || fail "a cut copy left $(ls -A "$work/full")"

# The desktop entry and the AppStream metadata.
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$P/share/applications/sanavo.desktop" || fail "desktop-file-validate"
else
    echo "skipped: desktop-file-validate is not installed (package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$P/share/metainfo/org.sanavo.sanavo.metainfo.xml" || fail "appstreamcli validate"
else
    echo "skipped: appstreamcli is not installed (package appstream)"
fi
echo "install test passed"
