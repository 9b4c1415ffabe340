#!/usr/bin/env bash
# Fails when the translations lag behind the code: lupdate reads every tr()
# text of src/ into a temporary copy of one translation file, and any text
# it finds new (unfinished) or no longer in the code (vanished) is listed.
# The translation files share one set of texts (TranslationFilesTest), so
# one copy speaks for all sixteen. The qtbase_extra_<code>.ts files hold
# Qt's own texts, not ours, and are not checked against src/.
#
#   tools/check-translations.sh [LUPDATE]
set -euo pipefail
repo_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${1:-lupdate}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$repo_dir/resources/translations/tonbrook_de.ts" "$work/check.ts"
(cd "$repo_dir" && "$lupdate" -silent -locations none src -ts "$work/check.ts" >/dev/null 2>&1)

status=0
# lupdate writes each message over several lines: report its source.
while IFS= read -r line; do
    echo "$line"
    status=1
done < <(awk '
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<name>/ { context = $0; sub(/.*<name>/, "", context); sub(/<\/name>.*/, "", context) }
    /type="unfinished"/ { print "not translated yet: [" context "] " source }
    /type="vanished"|type="obsolete"/ { print "no longer in the code: [" context "] " source }
' "$work/check.ts")
if [ "$status" -ne 0 ]; then
    echo "Update resources/translations/*.ts (lupdate -locations none -no-obsolete src -ts ...) and translate." >&2
fi
exit "$status"
