#!/usr/bin/env bash
# Checks the layer rules on the include lines of a source tree, and names every file that breaks one:
#   model/     no Qt header, nothing of platform/, render/, ui/, app/, tools/;
#   platform/  nothing of render/, ui/, app/, tools/;
#   render/    no Qt Widgets header (nor platform/desktop/), nothing of ui/, app/, tools/;
#   ui/X/      no header of another ui/ folder but ui/widgets/ and ui/session/ (ui/main/, which
#              opens the windows, may include theirs; ui/session/ sits under them all and includes
#              no other ui/ folder), nothing of app/ or tools/.
# Usage: check-layers.sh [SOURCE_ROOT [QT_WIDGETS_INCLUDE_DIR]]
# The Qt Widgets folder tells its headers (<QWidget>, <QLabel>...) from those of Qt Core and Gui;
# without it only <QtWidgets/...> and platform/desktop/ count as widget headers.
set -uo pipefail

root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
widgets=${2:-}
broken=0

report()
{
    echo "$1:$2: $3"
    broken=$((broken + 1))
}


is_qt() { [[ $1 == Q* || $1 == q*.h ]]; }

is_widget()
{
    [[ $1 == QtWidgets || $1 == QtWidgets/* || $1 == platform/desktop/* ]] && return 0
    [[ -n $widgets && -e $widgets/$1 ]]
}

# Checks one include of a file: its line, the included path as written, the file's own path.
check_include()
{
    local line=$1 target=$2 file=$3
    local dir=${file%/*}
    # A path relative to the including file is checked as the project path it names.
    if [[ $target == ../* || $target == ./* ]]; then
        target=$(realpath -m --relative-to="$root" "$root/$dir/$target")
    fi
    # The layers: the file's own, and the one the included path belongs to (none for a header of
    # the same folder, the standard library or Qt).
    local own=${file%%/*} their=
    case "$target" in model/* | platform/* | render/* | ui/* | app/* | tools/*) their=${target%%/*} ;; esac
    case "$own" in
    model)
        if is_qt "$target"; then report "$file" "$line" "Qt header <$target> in model/"; fi
        case "$their" in platform | render | ui | app | tools) report "$file" "$line" "model/ includes $target" ;; esac
        ;;
    platform)
        case "$their" in render | ui | app | tools) report "$file" "$line" "platform/ includes $target" ;; esac
        ;;
    render)
        if is_widget "$target"; then report "$file" "$line" "widget header $target in render/"; fi
        case "$their" in ui | app | tools) report "$file" "$line" "render/ includes $target" ;; esac
        ;;
    ui)
        case "$their" in app | tools) report "$file" "$line" "ui/ includes $target" ;; esac
        if [[ $their == ui ]]; then
            local from=${file#ui/} to=${target#ui/}
            from=${from%%/*}
            to=${to%%/*}
            if [[ $from == session && $to != session ]]; then
                report "$file" "$line" "ui/session/, under every window, includes $target"
            elif [[ $to != "$from" && $from != main && $to != widgets && $to != session ]]; then
                report "$file" "$line" "ui/$from/ includes another window's header $target"
            fi
        fi
        ;;
    esac
}

while IFS= read -r file; do
    rel=${file#"$root"/}
    while IFS=$'\t' read -r line target; do
        check_include "$line" "$target" "$rel"
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file" |
             sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1\t\2/')
done < <(find "$root/model" "$root/platform" "$root/render" "$root/ui" -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)

if ((broken > 0)); then
    echo "$broken include(s) break the layer rules" >&2
    exit 1
fi
