#!/bin/sh
# Starts Sanavo on the user's application folder; installed as the command sanavo in <prefix>/bin.
#
#   sanavo [--folder DIR] [other arguments for the program]
#
# The folder is DIR when given, otherwise ${XDG_DATA_HOME:-$HOME/.local/share}/sanavo. On the first start
# it is made and given the delivered database and sanavo.ini from <prefix>/share/sanavo/templates; a file
# already there (even a dangling link) is never replaced. The program itself is <prefix>/lib/sanavo/sanavo.
set -u

say() { printf 'sanavo: %s\n' "$*" >&2; }

self=$(readlink -f -- "$0") || { say "cannot find where this launcher is installed"; exit 1; }
prefix=$(dirname -- "$(dirname -- "$self")")
program=$prefix/lib/sanavo/sanavo
templates=$prefix/share/sanavo/templates

# Takes the first --folder DIR out of the arguments, as the program would, and keeps the others in order.
folder=
given=
n=$#
while [ "$n" -gt 0 ]; do
    arg=$1
    shift
    n=$((n - 1))
    if [ "$arg" = --folder ] && [ -z "$given" ]; then
        if [ "$n" -eq 0 ] || [ -z "$1" ]; then
            say "--folder needs the application folder, for example: sanavo --folder /srv/sanavo"
            exit 2
        fi
        folder=$1
        given=yes
        shift
        n=$((n - 1))
    else
        set -- "$@" "$arg"
    fi
done

if [ -z "$given" ]; then
    # XDG_DATA_HOME counts only when it is an absolute path.
    case ${XDG_DATA_HOME:-} in
    /*) folder=$XDG_DATA_HOME/sanavo ;;
    *)
        if [ -z "${HOME:-}" ]; then
            say "neither HOME nor XDG_DATA_HOME is set; give the application folder with --folder DIR"
            exit 1
        fi
        folder=$HOME/.local/share/sanavo
        ;;
    esac
fi

# The folder holds the hospital's patients and bills: only its owner may read it (its parents keep the
# usual mode).
# shellcheck disable=SC2174
if [ ! -d "$folder" ]; then
    mkdir -p -m 700 -- "$folder" 2>/dev/null
    if [ ! -d "$folder" ]; then
        say "cannot make the application folder $folder (check that its parent exists and is writable)"
        exit 1
    fi
fi

tmp=
trap 'if [ -n "$tmp" ]; then rm -f -- "$tmp"; fi' EXIT
trap 'exit 1' HUP INT TERM

# Copies a template into the folder when no file of that name is there. The copy goes to a temporary name
# first and is linked into place only when complete, so a failed copy never leaves a half-written file,
# and a file that turned up meanwhile is kept.
provide() {
    target=$folder/$1
    if [ -e "$target" ] || [ -L "$target" ]; then return 0; fi
    if [ ! -r "$templates/$1" ]; then
        say "the installation lacks $templates/$1; reinstall Sanavo"
        return 1
    fi
    tmp=$(mktemp -- "$folder/.$1.XXXXXX" 2>/dev/null) || {
        say "cannot write in the application folder $folder"
        return 1
    }
    if ! cp -- "$templates/$1" "$tmp"; then
        say "cannot copy $1 into $folder (is the disk full?)"
        return 1
    fi
    ln -- "$tmp" "$target" 2>/dev/null || mv -n -- "$tmp" "$target"
    rm -f -- "$tmp"
    tmp=
    if [ ! -e "$target" ]; then
        say "cannot put $1 into $folder"
        return 1
    fi
}
provide sanavodb.mdb || exit 1
provide sanavo.ini || exit 1

if [ ! -x "$program" ]; then
    say "the installation lacks the program $program; reinstall Sanavo"
    exit 1
fi
trap - EXIT HUP INT TERM
exec "$program" --folder "$folder" "$@"
