#!/usr/bin/env bash
# Builds the Debian package of a release build folder (cpack -G DEB) and checks it: every file it must hold
# and nothing else, its run-time dependencies, manual pages that name every command and option, and both
# programs run from the package unpacked into a temporary folder. Says what is wrong and fails when anything
# is.
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
)
for page in resources/help/*; do
    expected+=("usr/share/doc/mealwright/help/${page##*/}")
done
mapfile -t held < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort)
for file in "${expected[@]}"; do
    printf '%s\n' "${held[@]}" | grep -qxF "$file" || problem "the package lacks /$file"
done
for file in "${held[@]}"; do
    printf '%s\n' "${expected[@]}" | grep -qxF "$file" || problem "the package holds an unexpected /$file"
done
echo "${#held[@]} files"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# libc6 and the Qt libraries come from dpkg-shlibdeps, the others are named by hand.
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-dejavu-core; do
    pattern="(^|, )$package( |,|$)"
    [[ "$depends" =~ $pattern ]] || problem "Depends lacks $package"
done

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
