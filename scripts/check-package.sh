#!/usr/bin/env bash
# Builds the Debian package of a release build folder (cpack -G DEB) and checks it: every file it must hold
# and nothing else, its run-time dependencies, manual pages that name every command and option, and both
# programs run from the package unpacked into a temporary folder; lintian, appstreamcli and
# desktop-file-validate find nothing to say about the package, its AppStream file and its desktop entry.
# Says what is wrong and fails when anything is.
#
#     bash scripts/check-package.sh [BUILD_FOLDER]     # default: build-release
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build-release}

problems=0
problem() {
    echo "check-package: $*" >&2
    problems=$((problems + 1))
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/mealwright_${version}_amd64.deb"
echo "== Debian package $deb"
rm -f "$deb"
if ! (cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1; then
    cat "$build/cpack.log" >&2
    echo "check-package: cpack failed" >&2
    exit 1
fi
if [[ ! -f "$deb" ]]; then
    cat "$build/cpack.log" >&2
    echo "check-package: cpack made no $deb" >&2
    exit 1
fi

# The files, without the folders.
expected=(
    usr/bin/mealwright
    usr/bin/mealwright-cli
    usr/share/applications/mealwright.desktop
    usr/share/mime/packages/mealwright.xml
    usr/share/icons/hicolor/scalable/apps/mealwright.svg
    usr/share/icons/hicolor/scalable/mimetypes/application-x-mealwright-day.svg
    usr/share/man/man1/mealwright.1.gz
    usr/share/man/man1/mealwright-cli.1.gz
    usr/share/doc/mealwright/copyright
    usr/share/doc/mealwright/changelog.gz
)
for page in resources/help/*; do
    expected+=("usr/share/doc/mealwright/help/${page##*/}")
done
mapfile -t held < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort)
# The AppStream file is named after the component id it holds.
metainfo=$(printf '%s\n' "${held[@]}" | grep -E '^usr/share/metainfo/[^/]+\.metainfo\.xml$' || true)
if [[ -z "$metainfo" ]]; then
    problem "the package holds no /usr/share/metainfo/<id>.metainfo.xml"
else
    expected+=("$metainfo")
fi
# Here-strings, not pipes: grep -q stops reading at the first match, and a writer cut off then would fail the
# pipe under pipefail.
held_list=$(printf '%s\n' "${held[@]}")
expected_list=$(printf '%s\n' "${expected[@]}")
for file in "${expected[@]}"; do
    grep -qxF -- "$file" <<<"$held_list" || problem "the package lacks /$file"
done
for file in "${held[@]}"; do
    grep -qxF -- "$file" <<<"$expected_list" || problem "the package holds an unexpected /$file"
done
echo "${#held[@]} files"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# libc6 and the Qt libraries come from dpkg-shlibdeps, the others are named by hand.
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-dejavu-core; do
    pattern="(^|, )$package( |,|$)"
    [[ "$depends" =~ $pattern ]] || problem "Depends lacks $package"
done
twice=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//' | sort | uniq -d)
[[ -z "$twice" ]] || problem "Depends names $twice more than once"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg -x "$deb" "$unpacked"
cli="$unpacked/usr/bin/mealwright-cli"
desktop="$unpacked/usr/bin/mealwright"

expect_output() {
    local wanted=$1
    shift
    local got
    if ! got=$("$@" 2>&1); then
        problem "$* failed: $got"
    elif [[ "$got" != "$wanted" ]]; then
        problem "$* printed '$got' instead of '$wanted'"
    fi
}
expect_output "mealwright-cli $version" "$cli" --version
expect_output "mealwright $version" "$desktop" --version
echo "mealwright-cli --version and mealwright --version from the unpacked package: $version"

# Both programs do real work from the package: the tool composes and analyses a day, the desktop program
# opens it and paints it without a display.
mkdir -p "$unpacked/data" "$unpacked/config" "$unpacked/runtime"
chmod 700 "$unpacked/runtime"
"$cli" --data-dir "$unpacked/data" generate --calories 2000 --seed 7 -o "$unpacked/day.ypd" >/dev/null ||
    problem "mealwright-cli generate failed"
"$cli" --data-dir "$unpacked/data" --settings "$unpacked/config/none.ini" analyze "$unpacked/day.ypd" \
    --age 40 --weight 160 --activity 5 --sex 0 >/dev/null || problem "mealwright-cli analyze failed"
if ! XDG_CONFIG_HOME="$unpacked/config" XDG_RUNTIME_DIR="$unpacked/runtime" QT_QPA_PLATFORM=offscreen \
    timeout 120 "$desktop" --quit-when-painted -e --data-dir "$unpacked/data" >"$unpacked/desktop.log" 2>&1; then
    problem "mealwright --quit-when-painted -e did not start and quit: $(cat "$unpacked/desktop.log")"
fi

# The validators of Debian packages, AppStream files and desktop entries: no error, warning or hint.
if [[ -n "$metainfo" ]]; then
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$unpacked/$metainfo")
    [[ "$metainfo" == "usr/share/metainfo/$id.metainfo.xml" ]] || problem "/$metainfo holds the id '$id'"
    if ! appstreamcli validate --no-net "$unpacked/$metainfo"; then
        problem "appstreamcli validate --no-net finds fault with /$metainfo"
    fi
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$unpacked/$metainfo")
    [[ -f "$unpacked/usr/share/applications/$launchable" ]] || problem "/$metainfo launches '$launchable', which the package lacks"
fi
desktop_report=$(desktop-file-validate "$unpacked/usr/share/applications/mealwright.desktop" 2>&1) ||
    problem "desktop-file-validate rejects the desktop entry"
if [[ -n "$desktop_report" ]]; then
    echo "$desktop_report"
    problem "desktop-file-validate has something to say about the desktop entry"
fi
echo "appstreamcli and desktop-file-validate: clean"
# lintian's tags go to standard output; its complaint about running as root goes to standard error.
if ! lintian_report=$(lintian --fail-on error,warning --display-level ">=warning" "$deb" 2>"$unpacked/lintian.log"); then
    cat "$unpacked/lintian.log" >&2
    problem "lintian rejects the package"
fi
if [[ -n "$lintian_report" ]]; then
    echo "$lintian_report"
    problem "lintian has errors or warnings about the package"
fi
echo "lintian: no error or warning"

# The manual pages are whole and name every command and option the programs' own help names.
man_text() {
    gzip -dc "$unpacked/usr/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'
}
for page in mealwright mealwright-cli; do
    gzip -t "$unpacked/usr/share/man/man1/$page.1.gz" || problem "$page.1.gz is not a whole gzip file"
    if man_text "$page" | grep -q '@PROJECT_VERSION@'; then
        problem "$page(1) does not name the version"
    fi
done
cli_page=$(man_text mealwright-cli)
mapfile -t commands < <("$cli" --help | awk '/^Commands:/ {on = 1; next} on && NF == 0 {exit} on {print $1}')
((${#commands[@]} > 0)) || problem "mealwright-cli --help lists no commands"
for command in "${commands[@]}"; do
    grep -qE "^\.B $command( |$)" <<<"$cli_page" || problem "mealwright-cli(1) does not describe '$command'"
    for option in $("$cli" "$command" --help | grep -oE -- '(^|[ [|])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z-]+'); do
        grep -qF -- "$option" <<<"$cli_page" || problem "mealwright-cli(1) does not name $command's $option"
    done
done
for option in $("$cli" --help | grep -oE -- '--[a-z][a-z-]*'); do
    grep -qF -- "$option" <<<"$cli_page" || problem "mealwright-cli(1) does not name $option"
done
desktop_page=$(man_text mealwright)
for option in $("$desktop" --help | grep -oE -- '(^|[ ,])-[-a-z?]+' | grep -oE -- '-[-a-z?]+'); do
    grep -qF -- "$option" <<<"$desktop_page" || problem "mealwright(1) does not name $option"
done
echo "manual pages checked against the help of both programs and of ${#commands[@]} commands"

if ((problems > 0)); then
    echo "check-package: $problems problems with $deb" >&2
    exit 1
fi
echo "The package holds what it must and its programs run."
