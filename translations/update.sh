#!/usr/bin/env bash
# update.sh [FOLDER [LANGUAGE...]]: brings the carrowby_*.ts files in FOLDER (this one by
# default) up to the program's texts with lupdate: new texts come in unfinished, gone ones are
# dropped. Each LANGUAGE named as the program looks for it (it, pt_BR) gets a new file. Then
# prints what is left to translate (unfinished, or finished but empty), one entry a line:
# "carrowby_it.ts: frmMain: Time:".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:-$root/translations}" && pwd)
for language in "${@:2}"; do
    language=${language//-/_} # pt-BR is pt_BR, as in LANGUAGE and LANG
    file=$folder/carrowby_$language.ts
    [ -e "$file" ] || printf '%s\n' '<?xml version="1.0" encoding="utf-8"?>' '<!DOCTYPE TS>' \
        "<TS version=\"2.1\" language=\"$language\" sourcelanguage=\"en\">" '</TS>' >"$file"
done
cd "$root"
# The rules mark their texts with TRANSLATABLE, which stays free of Qt. English has a file too,
# for the plural forms of the texts that show a count, and for nothing else.
lupdate() {
    /usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language en \
        -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE,QT_TRANSLATE_N_NOOP+=TRANSLATABLE_COUNTED app drill learning results settings toolkit \
        windows "$@"
}
lupdate -ts $(ls "$folder"/carrowby_*.ts | grep -v '/carrowby_en\.ts$')
[ ! -e "$folder/carrowby_en.ts" ] || lupdate -pluralonly -ts "$folder/carrowby_en.ts"
awk -v OFS=': ' 'function text(line) {
        gsub(/^ *<[a-z]+>|<\/[a-z]+>$/, "", line); gsub(/&lt;/, "<", line)
        gsub(/&gt;/, ">", line); gsub(/&apos;/, "\047", line); gsub(/&quot;/, "\"", line)
        gsub(/&amp;/, "\\&", line); return line
    }
    /<name>/ { context = text($0) }
    /<source>/ { source = text($0) }
    /type="unfinished"|<translation><\/translation>|<translation\/>/ {
        n = split(FILENAME, path, "/"); print path[n], context, source
    }' \
    "$folder"/carrowby_*.ts
