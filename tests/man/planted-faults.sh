#!/usr/bin/env bash
# The manual-page checker on pages with planted faults: each must be named, and a sound page and
# program must pass. Usage: planted-faults.sh CHECKER
set -uo pipefail
checker=$1
command -v groff >/dev/null || { echo "groff is not installed"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

expect()
{
    local want=$1 pattern=$2 out status
    shift 2
    out=$(bash "$checker" "$@" 2>&1)
    status=$?
    if ((status != want)) || ! grep -qE -- "$pattern" <<<"$out"; then
        echo "FAIL: $* gave status $status (wanted $want) and:"
        echo "$out"
        failed=1
    fi
}

cat >"$dir/sound.1" <<'EOF'
.TH FAKE 1 2026-01-01 fake "User Commands"
.SH NAME
fake \- a program for the checker
.SH SYNOPSIS
.B fake
.B run
.RB [ \-\-alpha\~\c
.IR n ]
.RB [ \-\-beta\-gamma ]
.SH SUBCOMMANDS
.TP
.B run
runs.
.TP
.BR stop ", " halt
stops.
.SH OPTIONS
Options may be written
.BI \-\- name = value\c
\&.
EOF
# A macro groff does not know, and an unknown escape.
sed -e 's/^\.SH OPTIONS/.XY OPTIONS/' -e 's/^runs\./runs \\*[nosuch]./' "$dir/sound.1" >"$dir/warned.1"
# --beta-gamma documented only as --beta, and no entry for stop.
sed -e 's/\\-\\-beta\\-gamma/\\-\\-beta/' -e 's/^\.BR stop ", " halt/.B halt/' "$dir/sound.1" >"$dir/short.1"

cat >"$dir/fake" <<'EOF'
#!/bin/sh
printf 'Usage: fake SUBCOMMAND [--alpha N]\nSubcommands:\n  run   runs\n  stop  stops\n\n  --beta-gamma  a flag\n  Options may also be written --name=VALUE.\n'
EOF
chmod +x "$dir/fake"

expect 0 '^$' warnings "$dir/sound.1"
expect 1 "warned\.1:17: warning: macro 'XY'" warnings "$dir/sound.1" "$dir/warned.1"
expect 1 "nosuch" warnings "$dir/warned.1"
expect 0 '^$' options "$dir/sound.1" "$dir/fake"
expect 1 "does not document --beta-gamma" options "$dir/short.1" "$dir/fake"
expect 1 "subcommand stop" options "$dir/short.1" "$dir/fake"
expect 1 "cannot be read" warnings "$dir/absent.1"
exit $failed
