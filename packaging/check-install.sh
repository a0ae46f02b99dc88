#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR, unpacks it into a temporary root (never into the real
# system) and checks what a user gets: the program folder with the media, the launchers on the
# PATH resolving inside that root, the desktop entry and the icons, the declared dependencies, and
# that the installed checker finds nothing wrong with the installed sample media.
#
#   packaging/check-install.sh BUILD_DIR
set -euo pipefail

build_dir=$(cd "${1:?usage: check-install.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The package goes to a folder of its own, so that the build folder is left as it was.
if ! (cd "$build_dir" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
debs=("$work"/package/*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no .deb was made" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -x "$deb" "$root"

# Declared dependencies, including what is only loaded at run time.
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6multimedia6 libqt6sql6 libqt6charts6 libqt6texttospeech6 \
               libjpeg62-turbo qt6-qpa-plugins fonts-liberation2 libqt6sql6-sqlite libqt6sql6-psql qt6-speech-flite-plugin \
               qt6-image-formats-plugins libqt6svg6 libheif1; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
done

# The description as `apt show` prints it: a summary line, then the long text. A semicolon glued
# to the next word or standing after a space is a CMake list that leaked into the control file.
description=$(dpkg-deb -f "$deb" Description)
echo "description: $description"
[ -n "$(head -n 1 <<<"$description")" ] || fail "the package's description has no summary line"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "the package's description has no long text"
if leaks=$(grep -nE ' ;|;[^[:space:]]' <<<"$description"); then
    fail "the package's description holds list separators: $leaks"
fi

program=$root/opt/tessarine
for file in tessarine tessarine-check; do
    [ -f "$program/$file" ] && [ -x "$program/$file" ] || fail "opt/tessarine/$file is missing or not executable"
done
for folder in Images Symbols Attributes; do
    compgen -G "$program/$folder/*.jpg" >/dev/null || fail "opt/tessarine/$folder holds no pictures"
done
for sound in ok.wav error.wav; do
    [ -f "$program/Sounds/$sound" ] || fail "opt/tessarine/Sounds/$sound is missing"
done

# A launcher must lead to the program inside this root, not to one installed on the machine.
resolve_in_root() {
    local path=$1 target
    while [ -L "$path" ]; do
        target=$(readlink "$path")
        case $target in
            /*) path=$root$target ;;
            *) path=$(dirname "$path")/$target ;;
        esac
    done
    realpath -m "$path"
}
for launcher in tessarine tessarine-check; do
    link=$root/usr/bin/$launcher
    if [ ! -e "$link" ] && [ ! -L "$link" ]; then
        fail "usr/bin/$launcher is missing"
        continue
    fi
    [ "$(resolve_in_root "$link")" = "$(realpath "$program/$launcher")" ] || fail "usr/bin/$launcher does not lead to opt/tessarine/$launcher"
done

desktop=$root/usr/share/applications/tessarine.desktop
if [ -f "$desktop" ]; then
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
    else
        echo "desktop-file-validate is not installed; checking the entry's main keys only"
        for key in Type=Application Name=Tessarine Icon=tessarine; do
            grep -qx "$key" "$desktop" || fail "the desktop entry lacks $key"
        done
    fi
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    exec_path=${exec_line%% *}
    [ "$exec_path" = /usr/bin/tessarine ] || fail "the desktop entry starts '$exec_path', not /usr/bin/tessarine"
    [ -e "$root$exec_path" ] || fail "the desktop entry's program $exec_path is not in the package"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
else
    fail "usr/share/applications/tessarine.desktop is missing"
    icon=tessarine
fi

png=$root/usr/share/icons/hicolor/32x32/apps/$icon.png
if [ -f "$png" ]; then
    # PNG signature, then the IHDR chunk's width and height.
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon.png is not a PNG"
    [ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')" = " 0 0 0 32 0 0 0 32" ] || fail "$icon.png is not 32 by 32"
else
    fail "usr/share/icons/hicolor/32x32/apps/$icon.png is missing"
fi
svg=$root/usr/share/icons/hicolor/scalable/apps/$icon.svg
grep -q "<svg" "$svg" 2>/dev/null || fail "usr/share/icons/hicolor/scalable/apps/$icon.svg is missing or not an SVG"

# The installed checker, started through its launcher, checks the installed program folder.
if [ -x "$root/usr/bin/tessarine-check" ]; then
    status=0
    # An empty settings folder: a collection chosen on this machine must not be what is checked.
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen "$root/usr/bin/tessarine-check" --json >"$work/check.json" 2>"$work/check.err" || status=$?
    [ "$status" -eq 0 ] || { cat "$work/check.json" "$work/check.err" >&2; fail "tessarine-check found problems in the installed media (status $status)"; }
    grep -q "\"folder\": \"$(realpath "$program")\"" "$work/check.json" || fail "tessarine-check did not check its own folder $program"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures problem(s) with the installed layout" >&2
    exit 1
fi
echo "install layout OK"
