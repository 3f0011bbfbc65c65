#!/usr/bin/env bash
# The layer checker on a small tree of its own: it passes the lawful tree, then fails once one
# violation of each kind is planted, naming every planted file and no lawful one.
# Usage: planted-violations.sh CHECKER [QT_WIDGETS_INCLUDE_DIR]
set -euo pipefail
checker=$1
widgets=${2:-}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

# Writes a file of the tree from its include lines.
put()
{
    local file=$tree/$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '#include %s\n' "$@" >"$file"
}

put model/Base.h '<cmath>' '"model/Other.h"'
put platform/Canvas.h '<QImage>' '"model/Base.h"'
put render/Painter.cpp '<QPainter>' '"render/Painter.h"' '"platform/Canvas.h"' '"model/Base.h"'
put ui/session/Session.h '<QObject>' '"platform/Canvas.h"'
put ui/widgets/Kit.h '<QWidget>' '"ui/session/Session.h"'
put ui/diagrams/Window.cpp '"ui/widgets/Kit.h"' '"ui/session/Session.h"' '"render/Painter.h"' '"Window.h"'
put ui/main/Main.cpp '"ui/diagrams/Window.h"' '"ui/overlay/Dialog.h"'
bash "$checker" "$tree" "$widgets" || { echo "the lawful tree was refused"; exit 1; }

planted=(model/QtModel.h render/WidgetPainter.cpp ui/overlay/Peek.cpp model/Up.h platform/Up.cpp render/Up.cpp
         ui/session/Up.h)
put model/QtModel.h '<QString>'
# Without the Qt Widgets folder the checker knows a widget header only by its module's folder.
if [[ -n $widgets ]]; then widget='<QWidget>'; else widget='<QtWidgets/QWidget>'; fi
put render/WidgetPainter.cpp "$widget"
put ui/overlay/Peek.cpp '"../diagrams/Window.h"'
put model/Up.h '"render/Painter.h"'
put platform/Up.cpp '"ui/widgets/Kit.h"'
put render/Up.cpp '"ui/session/Session.h"'
put ui/session/Up.h '"ui/widgets/Kit.h"'
if output=$(bash "$checker" "$tree" "$widgets"); then
    echo "the planted violations passed"
    exit 1
fi
echo "$output"
for file in "${planted[@]}"; do
    grep -q "^$file:1: " <<<"$output" || { echo "not named: $file"; exit 1; }
done
if [[ $(wc -l <<<"$output") -ne ${#planted[@]} ]]; then
    echo "a lawful include was named too"
    exit 1
fi
