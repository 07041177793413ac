# Sourced by the scripts: the environment of every Wine run, and the build
# tree's own prefix, made on first use. Never touches ~/.wine.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=ru_RU.UTF-8
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY
export no_proxy=127.0.0.1,localhost

ensure_wine_prefix() {
  if [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.lexifern-ready" ]; then
    return
  fi
  echo "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # No Mono or Gecko look-up: the program needs neither to start.
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 </dev/null
  # A virtual desktop as the default: without a window manager each shown
  # top-level window costs seconds to hide.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  wineserver -w
  touch "$WINEPREFIX/.lexifern-ready"
}

# Starts a persistent server, its services and the desktop, with their output
# away from the caller's pipes (CTest would otherwise wait for them).
start_wine_session() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
  if [ -f "$build/tests/lexifern_keeper.exe" ]; then
    (wine "$build/tests/lexifern_keeper.exe" </dev/null >/dev/null 2>&1 &)
  fi
}

stop_wine_session() {
  wineserver -k 2>/dev/null || true
}
