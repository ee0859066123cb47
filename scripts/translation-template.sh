#!/usr/bin/env bash
# Gathers every text of the desktop program and of the pages it draws into a translation template, and
# checks that lupdate found them: the template a translator starts from (translations/README.md).
# Usage: scripts/translation-template.sh [OUTPUT.ts]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output=${1:-build-release/translations/mealwright.ts}
lupdate=/usr/lib/qt6/bin/lupdate
mkdir -p "$(dirname "$output")"
"$lupdate" -silent -no-obsolete -locations none -source-language en -target-language en \
    src/gui src/render -ts "$output"
messages=$(grep -c '<message>' "$output" || true)
# The menus alone hold well over a hundred texts; far fewer means lupdate no longer sees them.
if ((messages < 400)); then
    echo "The translation template $output holds only $messages texts" >&2
    exit 1
fi
echo "Translation template: $messages texts in $output"
