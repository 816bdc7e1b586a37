#!/usr/bin/env bash
# Checks the program as `cmake --install` lays it out in a scratch prefix.
#   check-installed.sh stage   PREFIX BUILD   install the build into PREFIX
#   check-installed.sh layout  PREFIX         exactly the expected files, well formed
#   check-installed.sh desktop PREFIX         menu entry and AppStream data
#   check-installed.sh tools   PREFIX SOURCE  the command-line tools and their manuals,
#                                             the game's keys in its manual and AppStream data
#   check-installed.sh copyright PREFIX SOURCE the copyright file names files of the source
#   check-installed.sh game    PREFIX         the game starts from a folder without sounds
#   check-installed.sh version PREFIX SOURCE  the AppStream data and the manuals name
#                                             the newest release of debian/changelog
set -uo pipefail

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

entry_name=io.github.velmora.Velmora
sounds=(shuffle.wav cardflip.wav plrwin.wav bethatch.wav bust.wav)
# The sizes of the icon theme the window icon is installed at, besides its SVG.
icon_sizes=(16 22 24 32 48 64 128 256)
# Debian's layout for games; the game finds its data from its own folder.
game=games/velmora
data=share/games/velmora

# The value of KEY in the installed menu entry.
entry_value() {
  sed -n "s/^$1=//p" "$prefix/share/applications/$entry_name.desktop"
}

# Width and height of a PNG file, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

check_stage() {
  local build=$1
  rm -rf "$prefix"
  "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install into $prefix"
}

check_layout() {
  local expected=(
    "$game" games/velmora-sim games/velmora-stats
    "share/applications/$entry_name.desktop"
    "share/metainfo/$entry_name.metainfo.xml"
    share/man/man6/velmora.6.gz share/man/man1/velmora-sim.1.gz share/man/man1/velmora-stats.1.gz
    share/doc/velmora/copyright share/doc/velmora/changelog.Debian.gz share/doc/velmora/CREDITS.md
  )
  local size
  for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/velmora.png")
  done
  expected+=(share/icons/hicolor/scalable/apps/velmora.svg)
  for sound in "${sounds[@]}"; do
    expected+=("$data/sounds/$sound")
  done
  local shot
  for shot in 04-betting-open 07-house-hand-revealed 14-help-hand-rank 17-statistics-summary; do
    expected+=("$data/screenshots/$shot.png")
  done

  # Exactly these files: a missing one breaks the desktop, a stray one (a test
  # program, a static library) does not belong on a user's machine.
  local listed found
  listed=$(printf '%s\n' "${expected[@]}" | sort)
  found=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
  if [ "$listed" != "$found" ]; then
    fail "installed files differ from the expected ones:"
    diff <(echo "$listed") <(echo "$found") | grep '^[<>]' | sed 's/^</  missing:/; s/^>/  unexpected:/' >&2
  fi

  local program
  for program in "$game" games/velmora-sim games/velmora-stats; do
    [ -x "$prefix/$program" ] || fail "$program is not executable"
  done
  # Compressed reproducibly: no name or time stamp in the gzip header.
  local compressed
  for compressed in "$prefix"/share/man/man*/*.gz "$prefix/share/doc/velmora/changelog.Debian.gz"; do
    [ "$(od -An -tu1 -j3 -N5 "$compressed" | tr -s ' ')" = " 0 0 0 0 0" ] ||
      fail "$compressed keeps a name or time stamp"
  done
  for size in "${icon_sizes[@]}"; do
    local icon=$prefix/share/icons/hicolor/${size}x${size}/apps/velmora.png
    [ -f "$icon" ] || continue
    [ "$(png_size "$icon")" = "${size}x${size}" ] ||
      fail "the ${size}x${size} icon is $(png_size "$icon") pixels"
  done
}

check_desktop() {
  local entry=$prefix/share/applications/$entry_name.desktop
  local metainfo=$prefix/share/metainfo/$entry_name.metainfo.xml
  desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"

  # The entry starts the game in the player's home folder, where the file
  # dialogs can write; the sounds come from the data folder.
  [ -z "$(entry_value Path)" ] || fail "the menu entry sets Path=$(entry_value Path)"
  for sound in "${sounds[@]}"; do
    local file=$prefix/$data/sounds/$sound
    if [ ! -f "$file" ]; then
      fail "the game would not find $file"
    elif [ "$(head -c 4 "$file")" != RIFF ] || [ "$(tail -c +9 "$file" | head -c 4)" != WAVE ]; then
      fail "$file is not a wave file"
    fi
  done

  local exec
  exec=$(entry_value Exec)
  exec=${exec%% *}
  [ -x "$prefix/games/$exec" ] || fail "Exec=$exec is not an installed game"
  local icon
  icon=$(entry_value Icon)
  [ -f "$prefix/share/icons/hicolor/32x32/apps/$icon.png" ] || fail "Icon=$icon has no installed icon"

  grep -q "<launchable type=\"desktop-id\">$entry_name.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch $entry_name.desktop"
  local binary
  for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
    [ -x "$prefix/games/$binary" ] ||
      fail "the AppStream data provides $binary, which is not installed"
  done
}

check_tools() {
  local source=$1
  local sim=$prefix/games/velmora-sim stats=$prefix/games/velmora-stats
  local out

  out=$("$sim" --hands 1000 --start-time 1000000) || fail "velmora-sim --hands 1000 failed"
  grep -q '^1000 hands from calendar second 1000000' <<<"$out" ||
    fail "velmora-sim did not report 1000 hands: $(head -1 <<<"$out")"

  local corpus=$source/tests/stats/fuzz/corpus
  out=$("$stats" "$corpus/valid-played.vlm") || fail "velmora-stats rejected a valid file"
  grep -Eq 'Total hands played: +4$' <<<"$out" || fail "velmora-stats did not print the file's 4 hands"

  # The manuals must describe the tools as they are: every option of --help
  # appears in them, and they render cleanly.
  local tool rendered option field
  rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l "$prefix/share/man/man6/velmora.6.gz" 2>"$work/warnings")
  [ -s "$work/warnings" ] && fail "velmora.6 renders with warnings: $(cat "$work/warnings")"
  grep -q "$data/sounds" <<<"$rendered" || fail "velmora.6 does not name the installed sounds"
  for tool in velmora-sim velmora-stats; do
    rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l "$prefix/share/man/man1/$tool.1.gz" 2>"$work/warnings")
    [ -s "$work/warnings" ] && fail "$tool.1 renders with warnings: $(cat "$work/warnings")"
    for option in $("$prefix/games/$tool" --help | grep -o -- '--[a-z-]*' | sort -u); do
      [ "$option" = -- ] && continue
      grep -q -- "$option" <<<"$rendered" || fail "$tool.1 does not describe $option"
    done
  done
  # Every key of the game's manual is in the AppStream data's list of keys.
  local keys key
  keys=$(zcat "$prefix/share/man/man6/velmora.6.gz" |
    awk '/^\.SH/ { inside = ($2 == "KEYS") } inside && previous == ".TP" { print } { previous = $0 }' |
    sed 's/^\.BR* //; s/"//g; s/  */ /g')
  [ -n "$keys" ] || fail "velmora.6 lists no keys"
  local listed
  listed=$(sed -n 's|.*<li>Keyboard play: \(.*\)</li>.*|\1|p' "$prefix/share/metainfo/$entry_name.metainfo.xml")
  while read -r key; do
    grep -qw -- "$key" <<<"$listed" || fail "the AppStream data's keys lack $key of velmora.6: $listed"
  done <<<"$keys"
  # And every field of velmora-sim's JSON output.
  rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$prefix/share/man/man1/velmora-sim.1.gz" 2>/dev/null)
  for field in $("$sim" --hands 10 --json | grep -o '"[a-z_0-9]*":' | tr -d '":'); do
    grep -q "\\b$field\\b" <<<"$rendered" || fail "velmora-sim.1 does not describe the JSON field $field"
  done
}

# Machine-readable copyright: each Files: pattern names files of the source
# tree (where a pattern's * also matches /), not installed paths.
check_copyright() {
  local source=$1
  local copyright=$prefix/share/doc/velmora/copyright
  head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "the copyright file is not machine-readable"
  local patterns pattern
  patterns=$(awk '/^Files:/ { inside = 1; sub(/^Files:/, ""); print; next }
                  /^[^ \t]/ { inside = 0 }
                  inside { print }' "$copyright" | tr -s ' \t' '\n' | sed '/^$/d')
  [ -n "$patterns" ] || fail "the copyright file has no Files: paragraph"
  while read -r pattern; do
    [ -n "$(find "$source" -path "$source/$pattern" -print -quit)" ] ||
      fail "Files: $pattern names no file of the source tree"
  done <<<"$patterns"
}

check_game() {
  # No window system is needed to see the installed program start and keep
  # running, as the menu entry starts it: in a home folder without sounds.
  # The windows themselves are the table tests' job.
  mkdir -p "$work/home"
  (cd "$work/home" && HOME=$work/home QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/$game") >"$work/game.log" 2>&1
  local status=$?
  [ $status -eq 124 ] || fail "the installed game stopped with status $status: $(cat "$work/game.log")"
}

# The AppStream data and the manual pages name the version and the date of
# debian/changelog's newest entry, without the Debian revision.
check_version() {
  local source=$1
  local version date month page
  version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version) ||
    { fail "dpkg-parsechangelog cannot read debian/changelog"; return; }
  version=${version%-*}
  date=$(date -u -d "@$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)" +%F)
  grep -q "<release version=\"$version\" date=\"$date\"/>" "$prefix/share/metainfo/$entry_name.metainfo.xml" ||
    fail "the AppStream data has no release $version of $date"
  month=$(LC_ALL=C date -u -d "$date" '+%B %Y')
  for page in "$prefix"/share/man/man*/*.gz; do
    zcat "$page" | head -1 | grep -q " \"$month\" \"Velmora $version\" " ||
      fail "$page does not name Velmora $version of $month"
  done
}

[ $# -ge 2 ] || {
  echo "usage: $0 stage|layout|desktop|tools|copyright|game|version PREFIX [BUILD|SOURCE]" >&2
  exit 2
}
command=$1
prefix=$(realpath -m "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $command in
  stage) check_stage "$3" ;;
  layout) check_layout ;;
  desktop) check_desktop ;;
  tools) check_tools "$3" ;;
  copyright) check_copyright "$3" ;;
  game) check_game ;;
  version) check_version "$3" ;;
  *)
    echo "unknown check $command" >&2
    exit 2
    ;;
esac
[ $failures -eq 0 ]
