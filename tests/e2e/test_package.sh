#!/usr/bin/env bash
# CPack builds the tarball of the portable folder and the .deb. The .deb's launcher gives the
# user a copy of the read-only program folder on first start and runs it; the tarball's
# folder runs where it is unpacked.
source "$(dirname "$0")/e2e.sh" "$@"

build_dir="$(cd "$(dirname "$KB_SOURCE_APP")/../.." && pwd)"
id=org.kindlebrook.Kindlebrook
bundled_sets=$(ls "$(dirname "$KB_SOURCE_APP")"/data/*.kbs | wc -l)

(cd "$build_dir" && cpack -B "$KB_WORK/packages") > "$KB_WORK/cpack.log" 2>&1
check "cpack succeeds" test $? -eq 0
tarball=$(ls "$KB_WORK"/packages/kindlebrook-*.tar.gz 2>/dev/null | head -n 1)
deb=$(ls "$KB_WORK"/packages/kindlebrook-*.deb 2>/dev/null | head -n 1)
check "the tarball is built" test -f "$tarball"
check "the .deb is built" test -f "$deb"
[ -f "$tarball" ] && [ -f "$deb" ] || finish

# The tarball: one folder with the program, its sets and help beside it.
mkdir -p "$KB_WORK/unpacked"
tar xzf "$tarball" -C "$KB_WORK/unpacked"
folder=$(ls -d "$KB_WORK"/unpacked/*/ | head -n 1)
check "the tarball holds the program" test -x "$folder/Kindlebrook"
check "the tarball holds the sets" test "$(ls "$folder"/data/*.kbs | wc -l)" -eq "$bundled_sets"
check "the tarball holds the help" test -f "$folder/help/en.html" -a -f "$folder/help/fr.html"
check "the tarball holds the desktop integration" test -x "$folder/kindlebrook-desktop" -a -f "$folder/share/applications/$id.desktop"
check "the tarball holds no system layout" test ! -e "$folder/lib" -a ! -e "$folder/bin"

# The unpacked folder runs where it is, with its own sets and settings.
KB_DATA="$folder/data"
start_at "$folder/Kindlebrook" "the unpacked program"
advice=$(read_advice)
check "the unpacked program shows advice from its folder ($advice)" test -n "$(set_file_of "$advice")"
check "the unpacked program closes when asked" kb_close_app
check "its settings are written in its folder" test -f "$folder/Kindlebrook.ini"

# The .deb: its fields and its files.
check "the .deb is named kindlebrook" test "$(dpkg-deb -f "$deb" Package)" = kindlebrook
check "the .deb has its dependencies" bash -c "dpkg-deb -f '$deb' Depends | grep -q libfreetype"
root="$KB_WORK/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/kindlebrook usr/lib/kindlebrook/Kindlebrook usr/lib/kindlebrook/help/en.html \
         usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png; do
    check "the .deb installs /$f" test -e "$root/$f"
done
check "the .deb installs the sets" test "$(ls "$root"/usr/lib/kindlebrook/data/*.kbs | wc -l)" -eq "$bundled_sets"
check "the .deb's desktop entry starts its launcher" grep -qx "Exec=kindlebrook" "$root/usr/share/applications/$id.desktop"
if command -v desktop-file-validate >/dev/null; then
    check "the .deb's desktop entry validates" desktop-file-validate "$root/usr/share/applications/$id.desktop"
fi

# First start through the launcher, in a fresh home: the user gets a copy to write in.
export HOME="$KB_WORK/home"
unset XDG_DATA_HOME
home="$HOME/.local/share/kindlebrook"
before=$(find "$root/usr/lib/kindlebrook" -type f | sort | xargs md5sum | md5sum)
start_at "$root/usr/bin/kindlebrook" "the .deb's program"
KB_DATA="$home/data"
advice=$(read_advice)
check "the .deb's program shows advice ($advice)" test -n "$advice"
check "the user has a copy of the sets" test "$(ls "$home"/data/*.kbs | wc -l)" -eq "$bundled_sets"
check "the advice comes from the user's copy" test -n "$(set_file_of "$advice")"
check "the user has the help" test -f "$home/help/en.html"
kb_screenshot "$KB_WORK/deb.png"
check "the program closes when asked" kb_close_app
check "the settings are written in the user's folder" test -f "$home/Kindlebrook.ini"
check "nothing is written in the installed folder" test "$(find "$root/usr/lib/kindlebrook" -type f | sort | xargs md5sum | md5sum)" = "$before"

# Later starts keep the user's sets and take what the package brings anew (here, its help).
user_set=$(ls "$home"/data/*.kbs | head -n 1)
printf '\nItem=Written by the user.;\nFavorite=false;\nTags=1,;\n' >> "$user_set"
kept=$(md5sum < "$user_set")
printf '\n' >> "$root/usr/lib/kindlebrook/help/en.html"
start_at "$root/usr/bin/kindlebrook" "the second start"
check "a second start keeps the user's sets" test "$(md5sum < "$user_set")" = "$kept"
check "a second start takes the package's help" cmp -s "$root/usr/lib/kindlebrook/help/en.html" "$home/help/en.html"
check "the program closes when asked" kb_close_app

finish
