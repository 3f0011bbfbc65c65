#!/usr/bin/env bash
# Checks manual pages, naming what is wrong; exit 0 when right, 1 when not, 77 without groff.
#   check-manpage.sh warnings PAGE...       every warning groff gives (-ww) on each page is a fault
#   check-manpage.sh options PAGE PROGRAM   every --option of `PROGRAM --help`, and every subcommand
#                                           it lists under "Subcommands:", is documented in the page
#                                           (a subcommand as a tag of the page's SUBCOMMANDS section)
set -uo pipefail

command -v groff >/dev/null || { echo "groff is not installed: manual pages not checked"; exit 77; }

faults=0
fault()
{
    echo "$1"
    faults=$((faults + 1))
}

check_warnings()
{
    local page err
    for page in "$@"; do
        [[ -r $page ]] || { fault "$page: cannot be read"; continue; }
        # -z: only the warnings matter, not the formatted text.
        err=$(groff -ww -z -man -Tutf8 "$page" 2>&1 >/dev/null)
        [[ -z $err ]] || fault "$page: groff warns: $err"
    done
}

# The page as a reader sees it, one paragraph a line (wide lines, no hyphenation), no overstriking.
rendered()
{
    groff -man -Tascii -P-cbou -rHY=0 -rLL=1000n "$1" 2>/dev/null
}

check_options()
{
    local page=$1 program=$2 usage text subcommands option name
    [[ -r $page ]] || { fault "$page: cannot be read"; return; }
    usage=$("$program" --help) || { fault "$program --help failed"; return; }
    text=$(rendered "$page")
    while IFS= read -r option; do
        grep -qE -- "(^|[^-[:alnum:]])$option([^-[:alnum:]]|$)" <<<"$text" ||
            fault "$page: does not document $option, which $program --help names"
    done < <(grep -oE -- '(^|[^-[:alnum:]])--[[:alpha:]][-[:alnum:]]*' <<<"$usage" | sed -E 's/^[^-]//' | sort -u)
    subcommands=$(sed -n '/^SUBCOMMANDS/,/^[A-Z]/p' <<<"$text")
    while IFS= read -r name; do
        grep -qE "^ {7}$name([ ,]|$)" <<<"$subcommands" ||
            fault "$page: the subcommand $name, which $program --help lists, has no entry under SUBCOMMANDS"
    done < <(sed -n '/^Subcommands:/,/^$/{/^  [[:alpha:]]/p}' <<<"$usage" | awk '{print $1}')
}

case "${1:-}" in
warnings) shift; check_warnings "$@" ;;
options) (($# == 3)) || { echo "usage: $0 options PAGE PROGRAM" >&2; exit 2; }; check_options "$2" "$3" ;;
*) echo "usage: $0 warnings PAGE... | options PAGE PROGRAM" >&2; exit 2 ;;
esac
((faults == 0))
