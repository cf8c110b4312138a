#!/usr/bin/env bash
# Builds QX Ardentis for 64-bit Windows on Debian 12 and tries it under Wine.
#
#  1. Qt 6.4.2 for x86_64-w64-mingw32, from Debian's own qt6-base sources,
#     built once into a cache folder outside the checkout and reused after.
#  2. The program, cross-built against it, in a folder with the DLLs it needs
#     and as an NSIS installer made by CPack.
#  3. Under Wine on a virtual display: the silent install, the first start,
#     the one-copy rule, the registry record and the update question, a link
#     going through the Windows shell, and Exit on the farewell dialog.
#
# Run as root (apt-get installs what is missing). Each check prints a PASS or
# FAIL line; the exit status is non-zero if any fails.
#
#   ARDENTIS_WINDOWS_CACHE  where Qt for Windows is kept
#                           (default /var/cache/ardentis-windows)
#   ARDENTIS_WINDOWS_BUILD  the program's build folder (default build/windows)
#   ARDENTIS_WINDOWS_JOBS   parallel compile jobs (default 2)
#
#   bash scripts/windows.sh            everything
#   bash scripts/windows.sh qt         only step 1
#   bash scripts/windows.sh build      steps 1 and 2
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"

stage="${1:-all}"
cache="${ARDENTIS_WINDOWS_CACHE:-/var/cache/ardentis-windows}"
build="${ARDENTIS_WINDOWS_BUILD:-build/windows}"
jobs="${ARDENTIS_WINDOWS_JOBS:-2}"
qt_version=6.4.2
qt_prefix="$cache/qt-$qt_version-mingw"
toolchain="$source_dir/cmake/mingw-w64-x86_64.cmake"
triplet=x86_64-w64-mingw32
title='QX Ardentis v1.25'
# What a download and an install may weigh, in MB of 1,000,000 bytes.
installer_limit_mb=8
folder_limit_mb=25

log() { echo "== $*"; }
megabytes() { awk -v bytes="$1" 'BEGIN { printf "%.1f", bytes / 1000000 }'; }
bytes_of() { du -sb "$1" | cut -f1; }

# --- what the build and the checks need ------------------------------------

install_packages() {
  local packages=(
    cmake ninja-build make perl dpkg-dev xz-utils
    qt6-base-dev qt6-base-dev-tools libgl-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    nsis wine wine64 xvfb xauth xdotool x11-utils xclip
  )
  local missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  if ((${#missing[@]})); then
    log "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# apt-get source needs a deb-src line for the archive the binaries come from.
ensure_deb_src() {
  if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  log "adding the source packages of Debian 12 to apt's sources"
  cat >/etc/apt/sources.list.d/ardentis-deb-src.sources <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  apt-get -o DPkg::Lock::Timeout=600 update -qq
}

# --- 1. Qt for Windows -------------------------------------------------------

build_qt() {
  if [[ -f "$qt_prefix/.complete" ]]; then
    log "Qt $qt_version for Windows: $qt_prefix (built $(cat "$qt_prefix/.complete"))"
    return
  fi
  # The host tools (moc, rcc, uic) come from Debian's Qt, which must be the
  # same release as the one built here.
  local host_version
  host_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
  if [[ "$host_version" != "$qt_version"+* ]]; then
    echo "Debian's qt6-base-dev is $host_version, not $qt_version" >&2
    exit 1
  fi
  ensure_deb_src
  local sources="$cache/src" started=$SECONDS
  mkdir -p "$sources"
  local tree="$sources/qtbase-everywhere-src-$qt_version"
  if [[ ! -f "$tree/CMakeLists.txt" ]]; then
    log "fetching Debian's qt6-base $host_version sources"
    (cd "$sources" && apt-get source --download-only -qq "qt6-base=$host_version")
    rm -rf "$tree"
    tar -C "$sources" -xf "$sources"/qt6-base_"$qt_version"*.orig.tar.xz
  fi
  # Only what the program uses: Core, Gui, Widgets and the windows platform
  # plugin. Zlib, PCRE2 and libpng are Qt's bundled copies (Debian's sources
  # keep them); text goes through the Windows font engines, so no FreeType.
  # Tablet input is off: Debian's sources lack the Wintab headers it needs.
  # No OpenGL at all: the windows plugin does not build with OpenGL off but
  # its run-time choice of OpenGL (dynamicgl) left on.
  local qt_build="$cache/qt-build"
  log "configuring Qt $qt_version for $triplet in $qt_build"
  cmake -S "$tree" -B "$qt_build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_BUILD_MANUAL_TESTS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF \
    -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_harfbuzz=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_png=ON -DFEATURE_system_png=OFF -DFEATURE_system_zlib=OFF \
    -DFEATURE_pcre2=ON -DFEATURE_system_pcre2=OFF \
    -DFEATURE_sql_sqlite=OFF -DFEATURE_system_sqlite=OFF -DFEATURE_tabletevent=OFF \
    >"$cache/qt-configure.log" 2>&1 || { tail -n 40 "$cache/qt-configure.log" >&2; exit 1; }
  log "building Qt ($jobs jobs, at low priority; log: $cache/qt-build.log)"
  nice -n 19 cmake --build "$qt_build" --parallel "$jobs" >"$cache/qt-build.log" 2>&1 \
    || { tail -n 40 "$cache/qt-build.log" >&2; exit 1; }
  cmake --install "$qt_build" >"$cache/qt-install.log" 2>&1 \
    || { tail -n 40 "$cache/qt-install.log" >&2; exit 1; }
  local minutes=$(((SECONDS - started + 59) / 60))
  echo "$(date -u +%Y-%m-%dT%H:%MZ) in $minutes min" >"$qt_prefix/.complete"
  log "Qt $qt_version for Windows built in $minutes min: $qt_prefix"
}

install_packages
build_qt
[[ "$stage" == qt ]] && exit 0

# --- 2. the program, its folder and its installer ----------------------------

stage_dir="$build/stage"
folder="$stage_dir/bin"  # ardentis.exe with everything it needs beside it

build_program() {
  log "cross-building QX Ardentis in $build"
  mkdir -p "$build"
  cmake -S "$source_dir" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DARDENTIS_QT_PREFIX="$qt_prefix" -DCMAKE_PREFIX_PATH="$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$build/configure.log" 2>&1 \
    || { tail -n 40 "$build/configure.log" >&2; exit 1; }
  cmake --build "$build" --parallel "$jobs"
  rm -rf "$stage_dir" "$build/packages"
  cmake --install "$build" --prefix "$stage_dir" --strip >/dev/null
  log "the program's folder: $folder ($(megabytes "$(bytes_of "$folder")") MB)"
  (cd "$stage_dir" && find . -type f | sort | sed 's/^/   /')
  cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$build/packages" >"$build/cpack.log" 2>&1 \
    || { tail -n 40 "$build/cpack.log" >&2; exit 1; }
  shopt -s nullglob
  local made=("$build"/packages/ardentis-*.exe)
  shopt -u nullglob
  if ((${#made[@]} != 1)); then
    echo "expected one installer in $build/packages, found ${#made[@]}" >&2
    exit 1
  fi
  installer="$(realpath "${made[0]}")"
  log "the installer: $installer ($(megabytes "$(bytes_of "$installer")") MB)"
}

build_program
[[ "$stage" == build ]] && exit 0

# --- 3. checks ----------------------------------------------------------------

failures=0
passes=0
check() {
  local name="$1"
  shift
  if "$@"; then
    echo "PASS: $name"
    passes=$((passes + 1))
  else
    echo "FAIL: $name"
    failures=$((failures + 1))
  fi
}
why() { echo "   $*" >&2; }

# The folder alone must run on a Windows without Qt or MinGW: every DLL that
# the executable and its DLLs import is either in it or part of Windows (what
# Wine provides, with Windows' own names).
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
folder_is_complete() {
  local file ok=0
  for file in ardentis.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libgcc_s_seh-1.dll \
              libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll; do
    [[ -s "$folder/$file" ]] || { why "missing from the folder: $file"; ok=1; }
  done
  return $ok
}
imports_are_resolved() {
  local binary dll ok=0
  while IFS= read -r -d '' binary; do
    while read -r dll; do
      [[ -n "$(find "$folder" -maxdepth 1 -iname "$dll" -print -quit)" ]] && continue
      [[ -n "$(find "$wine_dlls" -maxdepth 1 -iname "$dll" -print -quit)" ]] && continue
      # API sets: names the loader of Windows 8 and later maps to its own DLLs.
      [[ "${dll,,}" == api-ms-win-* || "${dll,,}" == ext-ms-win-* ]] && continue
      why "$(basename "$binary") needs $dll, which is neither in the folder nor part of Windows"
      ok=1
    done < <("$triplet-objdump" -p "$binary" | awk '/DLL Name:/ { print $3 }')
  done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
  return $ok
}
check "the folder holds ardentis.exe, the Qt and MinGW DLLs and platforms/qwindows.dll" folder_is_complete
# Stripped, and nothing of the Linux desktop's or Debian's: the program's
# folder and its license are the whole install.
only_what_windows_needs() {
  local binary ok=0 extra
  while IFS= read -r -d '' binary; do
    if "$triplet-objdump" -h "$binary" | grep -qE ' \.debug_'; then
      why "not stripped: ${binary#"$stage_dir"/}"
      ok=1
    fi
  done < <(find "$stage_dir" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
  extra="$(cd "$stage_dir" && find . -type f ! -path './bin/*' ! -path ./LICENSE.txt | sort)"
  [[ -z "$extra" ]] || { why "not for Windows:" $extra; ok=1; }
  return $ok
}
check "every binary is stripped, and the install holds only bin/ and LICENSE.txt" only_what_windows_needs
check "every DLL the program and its DLLs import is in the folder or part of Windows" imports_are_resolved

# A private Wine on a private virtual display, thrown away at the end.
scratch="$(mktemp -d /tmp/ardentis-windows.XXXXXX)"
xvfb_pid=""
finish() {
  WINEPREFIX="$scratch/wine" wineserver -k 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s "$scratch/display" ]] && break; sleep 0.2; done
export DISPLAY=":$(cat "$scratch/display")"
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
log "a new Wine prefix on display $DISPLAY"
wineboot --init >"$scratch/wineboot.log" 2>&1
wineserver -w

# Wine's shell hands web addresses to the browsers listed here: a stand-in
# writes down each address it is given.
browser_log="$scratch/browser.log"
cat >"$scratch/browser" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >>"$browser_log"
STUB
chmod +x "$scratch/browser"
: >"$browser_log"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$scratch/browser" /f >/dev/null 2>&1

install_dir="$WINEPREFIX/drive_c/Program Files/QX Ardentis"
program='C:\Program Files\QX Ardentis\bin\ardentis.exe'
settings_key='HKCU\Software\Ardentis\Ardentis\Settings'
main_title='QX Ardentis v1\.25'
box_title='QX Ardentis'

# The program's settings codec (settings/Codec.cpp): each UTF-8 byte mixed
# with (0x5A + 7 * position) & 0xFF, written as lower-case hex.
encode() {
  perl -e '$s = shift; $i = 0; print join "", map { sprintf "%02x", ord($_) ^ ((0x5A + 7 * $i++) & 0xFF) } split //, $s' "$1"
}
decode() {
  perl -e '$h = shift; $i = 0; print join "", map { chr(hex($_) ^ ((0x5A + 7 * $i++) & 0xFF)) } ($h =~ /../g)' "$1"
}
duration_name="$(encode Duration)"
# The recorded date as the program wrote it, decoded; empty if there is none.
recorded_date() {
  local data
  data="$(wine reg query "$settings_key" /v "$duration_name" 2>/dev/null | tr -d '\r' \
          | awk -v name="$duration_name" '$1 == name && $2 == "REG_SZ" { print $3 }')"
  [[ -n "$data" ]] && decode "$data"
}

# Visible windows whose title is exactly the pattern; waits up to $2 seconds
# for at least one.
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
wait_window() {
  local deadline=$((SECONDS + ${2:-30})) found
  while ((SECONDS < deadline)); do
    found="$(windows_named "$1")"
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    sleep 0.5
  done
  return 1
}
keys() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 0.5
  xdotool key --delay 150 "$@"
}
# A Qt message box copies its caption, text and buttons on Ctrl+C; Wine
# passes the Windows clipboard on to the X one.
box_text() {
  printf '' | xclip -selection clipboard
  keys "$1" ctrl+c
  sleep 1
  timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
# Waits up to $2 seconds for the process to end; its status in $ended_status.
wait_end() {
  local deadline=$((SECONDS + ${2:-20}))
  while ((SECONDS < deadline)); do
    if ! kill -0 "$1" 2>/dev/null; then
      ended_status=0
      wait "$1" || ended_status=$?
      return 0
    fi
    sleep 0.5
  done
  return 1
}
start_program() {
  (cd "$scratch" && exec wine "$program" >>"$scratch/program.log" 2>&1) &
  started_pid=$!
}

# Closing the main window brings the farewell dialog, with the same title;
# its E&xit ends the program, which must report success.
leave_through_farewell() {
  local pid="$1" main="$2" farewell="" candidate deadline
  keys "$main" alt+F4
  deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)) && [[ -z "$farewell" ]]; do
    for candidate in $(windows_named "$main_title"); do
      [[ "$candidate" != "$main" ]] && farewell="$candidate"
    done
    [[ -z "$farewell" ]] && sleep 0.5
  done
  [[ -n "$farewell" ]] || { why "no farewell dialog after closing the main window"; kill "$pid"; return 1; }
  # The main window goes once the dialog is shown.
  deadline=$((SECONDS + 10))
  while ((SECONDS < deadline)) && windows_named "$main_title" | grep -qx "$main"; do sleep 0.5; done
  windows_named "$main_title" | grep -qx "$main" && { why "the main window is still shown"; kill "$pid"; return 1; }
  keys "$farewell" alt+x
  wait_end "$pid" 30 || { why "the program did not end after E&xit"; kill "$pid"; return 1; }
  ((ended_status == 0)) || { why "the program ended with status $ended_status"; return 1; }
}

log "installing $(basename "$installer") silently"
installs_silently() {
  (cd "$scratch" && wine "$installer" /S >"$scratch/install.log" 2>&1) || { why "the installer failed"; return 1; }
  timeout 120 wineserver -w || true
  local ok=0
  [[ -f "$install_dir/bin/ardentis.exe" ]] || { why "no bin/ardentis.exe in $install_dir"; ok=1; }
  [[ -f "$install_dir/bin/platforms/qwindows.dll" ]] || { why "no platforms/qwindows.dll"; ok=1; }
  [[ -f "$install_dir/Uninstall.exe" ]] || { why "no uninstaller"; ok=1; }
  [[ -n "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/QX Ardentis/QX Ardentis.lnk' -print -quit)" ]] \
    || { why "no Start menu entry"; ok=1; }
  { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QX Ardentis' /v UninstallString \
    || wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QX Ardentis' /v UninstallString; } \
    >/dev/null 2>&1 || { why "no entry in Apps & features"; ok=1; }
  return $ok
}
check "the installer installs silently (/S), with a Start menu entry and an uninstaller" installs_silently

installer_bytes="$(bytes_of "$installer")"
folder_bytes="$( [[ -d "$install_dir" ]] && bytes_of "$install_dir" || echo 0)"
sizes="the installer $(megabytes "$installer_bytes") MB, the installed folder $(megabytes "$folder_bytes") MB"
light_enough() {
  ((installer_bytes <= installer_limit_mb * 1000000)) || { why "the installer is over $installer_limit_mb MB"; return 1; }
  ((folder_bytes > 0 && folder_bytes <= folder_limit_mb * 1000000)) ||
    { why "the installed folder is over $folder_limit_mb MB, or missing"; return 1; }
}
check "$sizes (at most $installer_limit_mb MB and $folder_limit_mb MB)" light_enough

first_pid=""
first_main=""
first_start() {
  start_program
  first_pid=$started_pid
  first_main="$(wait_window "$main_title" 60 | head -n 1)" || { why "no window \"QX Ardentis v1.25\" within 60 s"; return 1; }
  [[ -z "$(windows_named "$box_title")" ]] || { why "a message box came up on the first start"; return 1; }
  kill -0 "$first_pid" 2>/dev/null || { why "the program is no longer running"; return 1; }
}
check "the installed program starts and shows \"QX Ardentis v1.25\"" first_start

first_start_recorded() {
  local today recorded
  today="$(date +%F)"
  recorded="$(recorded_date)" || { why "no value $duration_name under $settings_key"; return 1; }
  [[ "$recorded" == "$today" ]] || { why "recorded \"$recorded\", not today ($today)"; return 1; }
}
check "the first start records today, encoded, under HKCU\\Software\\Ardentis\\Ardentis\\Settings" first_start_recorded

second_copy_refused() {
  [[ -n "$first_main" ]] || { why "no first copy running"; return 1; }
  start_program
  local second=$started_pid box text
  box="$(wait_window "$box_title" 60 | head -n 1)" || { why "no message box \"QX Ardentis\""; return 1; }
  text="$(box_text "$box")"
  grep -qF 'Application is already running' <<<"$text" || { why "the box says: ${text:-nothing that could be copied}"; return 1; }
  keys "$box" Return
  wait_end "$second" 30 || { why "the second copy did not end after OK"; kill "$second"; return 1; }
  ((ended_status == 0)) || { why "the second copy ended with status $ended_status"; return 1; }
  kill -0 "$first_pid" 2>/dev/null || { why "the first copy ended too"; return 1; }
  windows_named "$main_title" | grep -qx "$first_main" || { why "the first copy's window is gone"; return 1; }
}
check "a second copy says \"Application is already running\" and ends; the first stays" second_copy_refused

visit_opens_link() {
  [[ -n "$first_main" ]] || { why "no program running"; return 1; }
  : >"$browser_log"
  keys "$first_main" alt+h
  sleep 1
  xdotool key v
  local deadline=$((SECONDS + 30)) expected="http://www.zentrova.com/ardentis/ssd.php?page=home-page"
  while ((SECONDS < deadline)) && [[ ! -s "$browser_log" ]]; do sleep 0.5; done
  [[ "$(cat "$browser_log")" == "$expected" ]] || { why "the shell was given: $(cat "$browser_log")"; return 1; }
}
check "Help > Visit Us Online opens http://www.zentrova.com/ardentis/ssd.php?page=home-page through the shell" visit_opens_link

farewell_exit() {
  [[ -n "$first_main" ]] || { why "no program running"; return 1; }
  leave_through_farewell "$first_pid" "$first_main"
}
check "closing the main window, then E&xit on the farewell dialog, ends the program with status 0" farewell_exit

# Two weeks to the day is not yet "more than 14 days": no question, and the
# record stays as it was.
no_question_at_14_days() {
  local old pid main
  old="$(date -d '14 days ago' +%F)"
  wine reg add "$settings_key" /v "$duration_name" /t REG_SZ /d "$(encode "$old")" /f >/dev/null 2>&1
  [[ "$(recorded_date)" == "$old" ]] || { why "could not record $old"; return 1; }
  start_program
  pid=$started_pid
  main="$(wait_window "$main_title" 60 | head -n 1)" || { why "no main window"; kill "$pid"; return 1; }
  [[ -z "$(windows_named "$box_title")" ]] || { why "a message box came up"; kill "$pid"; return 1; }
  [[ "$(recorded_date)" == "$old" ]] || { why "the record changed to $(recorded_date)"; kill "$pid"; return 1; }
  leave_through_farewell "$pid" "$main"
}
check "recorded 14 days ago, a start shows the main window without asking" no_question_at_14_days

update_question() {
  local old
  old="$(date -d '15 days ago' +%F)"
  wine reg add "$settings_key" /v "$duration_name" /t REG_SZ /d "$(encode "$old")" /f >/dev/null 2>&1
  [[ "$(recorded_date)" == "$old" ]] || { why "could not record $old"; return 1; }
  : >"$browser_log"
  start_program
  local pid=$started_pid box text main
  box="$(wait_window "$box_title" 60 | head -n 1)" || { why "no message box \"QX Ardentis\""; kill "$pid"; return 1; }
  [[ -z "$(windows_named "$main_title")" ]] || { why "the main window came before the question"; kill "$pid"; return 1; }
  text="$(box_text "$box")"
  grep -qF 'Do you want to check for an update?' <<<"$text" || { why "the box says: ${text:-nothing}"; kill "$pid"; return 1; }
  keys "$box" alt+n
  main="$(wait_window "$main_title" 60 | head -n 1)" || { why "no main window after No"; kill "$pid"; return 1; }
  [[ "$(recorded_date)" == "$(date +%F)" ]] || { why "after the question the record is $(recorded_date)"; kill "$pid"; return 1; }
  [[ ! -s "$browser_log" ]] || { why "No opened $(cat "$browser_log")"; kill "$pid"; return 1; }
  leave_through_farewell "$pid" "$main"
}
check "recorded 15 days ago, a start asks about an update before the main window (No: records today)" update_question

uninstalls() {
  (cd "$scratch" && wine "$install_dir/Uninstall.exe" /S >"$scratch/uninstall.log" 2>&1) || { why "the uninstaller failed"; return 1; }
  # The uninstaller runs on from a copy of itself in the temporary folder.
  local deadline=$((SECONDS + 60))
  while ((SECONDS < deadline)) && [[ -e "$install_dir/bin/ardentis.exe" ]]; do sleep 0.5; done
  timeout 120 wineserver -w || true
  [[ ! -e "$install_dir/bin/ardentis.exe" ]] || { why "ardentis.exe is still installed"; return 1; }
  [[ -z "$(find "$WINEPREFIX/drive_c" -name 'QX Ardentis.lnk' -print -quit)" ]] || { why "the Start menu entry is still there"; return 1; }
}
check "the uninstaller removes the program and its Start menu entry silently" uninstalls

echo "$passes passed, $failures failed; $sizes"
((failures == 0))
