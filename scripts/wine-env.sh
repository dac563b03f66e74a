# Sourced by the project's scripts: sets up the Wine prefix and its virtual display.
#
# wine_env_up PREFIX   makes PREFIX once (guarded by a lock), starts a virtual
#                      display and the prefix's server if they are not running,
#                      and exports WINEPREFIX, WINEDEBUG and DISPLAY.
# wine_env_down PREFIX ends the prefix's Wine processes and its display.

wine_env_export() {
  export WINEPREFIX="$1"
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono or Gecko installer prompts while the prefix is made.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"
  export WINEARCH=win64
}

# Prints the display recorded for PREFIX if the Xvfb started for it still
# runs (a display number can be taken over by another prefix's Xvfb).
wine_env_live_display() {
  local state="$1.display" d pid
  [ -f "$state" ] || return 1
  read -r d pid <"$state" || true
  [ -n "$d" ] && [ -n "$pid" ] && [ -e "/tmp/.X11-unix/X${d#:}" ] || return 1
  [ "$(tr -d ' ' <"/tmp/.X${d#:}-lock" 2>/dev/null)" = "$pid" ] && kill -0 "$pid" 2>/dev/null || return 1
  echo "$d"
}

wine_env_start_display() {
  local prefix="$1" n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # -terminate: the display goes away once its last client (Wine's desktop
    # process, which ends with the prefix's server) has disconnected.
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -terminate >/dev/null 2>&1 </dev/null &
    local pid=$! i
    for i in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ]; then
        echo ":$n $pid" >"$prefix.display"
        echo ":$n"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break  # lost the number to another server: try the next
      sleep 0.1
    done
  done
  echo "wine-env: no free X display number between :90 and :190" >&2
  return 1
}

wine_env_up() {
  local prefix="$1"
  mkdir -p "$(dirname "$prefix")"
  prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"
  wine_env_export "$prefix"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    echo "wine-env: making the Wine prefix $prefix (once)" >&2
    DISPLAY= wineboot -i >/dev/null 2>&1 </dev/null || true
    # Programs run in a virtual desktop: Wine draws captions and frames and
    # manages focus itself, as a desktop with a window manager would.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null || true
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null || true
    # Wine's own fonts (Tahoma, Marlett for the caption buttons, ...) are not
    # found where Debian installs them: give the prefix copies.
    cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    # The desktop process started above predates the setting: end it.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
  fi
  # The display is chosen after the prefix is made: a display that only
  # served wineboot has ended with it.
  if [ -n "${NAVORO_USE_DISPLAY:-}" ]; then
    export DISPLAY="$NAVORO_USE_DISPLAY"
  else
    DISPLAY=$(wine_env_live_display "$prefix") || DISPLAY=$(wine_env_start_display "$prefix") || { flock -u 9; return 1; }
    export DISPLAY
  fi
  # Start the server and Wine's services detached from our caller's output;
  # a server that already runs for this prefix refuses a second start.
  if setsid wineserver -p30 >/dev/null 2>&1 </dev/null; then
    setsid wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  fi
  flock -u 9
}

wine_env_down() {
  local prefix="$1" d
  wine_env_export "$prefix"
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if d=$(wine_env_live_display "$prefix"); then
    kill "$(tr -d ' ' <"/tmp/.X${d#:}-lock")" 2>/dev/null || true
  fi
  rm -f "$prefix.display"
}
