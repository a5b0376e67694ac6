#!/usr/bin/env bash
# update.sh [FOLDER [LANGUAGE...]]: brings the carrowby_*.ts files in FOLDER (this one by
# default) up to the program's texts with lupdate: new texts come in unfinished, gone ones are
# dropped. Each LANGUAGE named (it, pt_BR) gets a new file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:-$root/translations}" && pwd)
new=()
for language in "${@:2}"; do new+=("$folder/carrowby_$language.ts"); done
cd "$root"
# The rules mark their texts with TRANSLATABLE, which stays free of Qt.
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language en \
    -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE app drill settings toolkit windows \
    -ts "$folder"/carrowby_*.ts "${new[@]}"
