# shellcheck shell=bash
# Shared by scripts/test and scripts/run (sourced, not run): building, a private Wine prefix, a virtual display,
# a private sound server, and ending everything that was started. Expects $script_name and $root.
: "${root:?}" "${script_name:?}"

build_root="$root/build"
log_dir="$build_root/logs"
mkdir -p "$log_dir"
run_tmp=$(mktemp -d /tmp/orvjubo-run.XXXXXX)
started_pids=()
wine_started=0
cleaned_up=0

step() { echo "$script_name: $*"; }

# A script stopped by a signal still runs its EXIT trap, which ends what it started.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Remembers a background process so that it is ended, by its id, when the script ends.
remember_pid() { started_pids+=("$1"); }

# Ends everything this script started: the Wine prefix's programs, then the remembered processes, newest first.
end_everything() {
  [ "$cleaned_up" = 1 ] && return 0
  cleaned_up=1
  if [ "$wine_started" = 1 ]; then
    step "ending the programs of the Wine prefix (wineserver -k)"
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  local i pid
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    pid=${started_pids[i]}
    if kill -0 "$pid" 2>/dev/null; then
      step "ending process $pid"
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  rm -rf "$run_tmp"
}

run_setup() {
  step "checking the installed packages (scripts/setup)"
  bash "$root/scripts/setup"
}

# Which Windows build runs under Wine here. The product is 32-bit; a kernel without 32-bit support (no
# ia32 emulation) cannot run 32-bit Wine, and then the same sources built for 64-bit Windows run instead.
# With emulate_i686=1, where the kernel runs no 32-bit programs, also finds out whether 32-bit Wine runs
# under the user-mode emulator (scripts/lib/i686-wine-under-qemu.sh): i686_emulated=1 when it does, 0 when
# it does not (the reason is in i686_emulation_failure). One line says which way it went.
# ORVJUBO_NO_IA32=1 chooses as if the kernel ran no 32-bit programs, to try that way on any machine.
choose_windows_build() {
  local loader32=/usr/lib/wine/wine loader64=/usr/lib/wine/wine64
  i686_emulated=0
  i686_emulation_failure=""
  [ -x "$loader32" ] || loader32=$(command -v wine || true)
  if [ "${ORVJUBO_NO_IA32:-0}" != 1 ] && [ -n "$loader32" ] && "$loader32" --version >/dev/null 2>&1; then
    step "this kernel runs 32-bit programs: the Windows programs run from the 32-bit build in 32-bit Wine"
    windows_preset=win32
    export WINEARCH=win32
    wine_loader=$loader32
  elif [ -x "$loader64" ] && "$loader64" --version >/dev/null 2>&1; then
    if [ "${emulate_i686:-0}" != 1 ]; then
      step "this kernel runs no 32-bit programs: the Windows programs run from the 64-bit build in 64-bit Wine"
    elif i686_emulation_failure=$(bash "$root/scripts/lib/i686-wine-under-qemu.sh" --check 2>&1 | tr "\n" " "); then
      # shellcheck disable=SC2034 # read by scripts/test
      i686_emulated=1
      step "this kernel runs no 32-bit programs: the Windows programs run from the 64-bit build in 64-bit" \
        "Wine, and the whole-program tests that play no sound also from the 32-bit build in 32-bit Wine under" \
        "the emulator qemu-i386-static"
    else
      step "this kernel runs no 32-bit programs, nor 32-bit Wine under the emulator qemu-i386-static" \
        "(${i686_emulation_failure:-no reason given}): the Windows programs run only from the 64-bit build"
    fi
    windows_preset=win64
    export WINEARCH=win64
    wine_loader=$loader64
    export WINELOADER=$loader64
  else
    step "Wine does not run here"
    return 1
  fi
  export windows_build="$build_root/$windows_preset"
}

# Configures and builds one CMake preset, as much of it as builds; on failure shows the errors and the end of
# the log and returns non-zero.
build_preset() {
  local preset=$1 log="$log_dir/build-$1.log"
  step "configuring and building the $preset preset (log: ${log#"$root"/})"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset" -- -k; } >"$log" 2>&1; then
    grep -E "error|Error" "$log" | head -40 || true
    step "the $preset build failed"
    return 1
  fi
}

# Wine and the programs it runs keep their files inside the build tree.
use_private_home() {
  export HOME="$build_root/home"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$HOME"
}

# A private PulseAudio server with a null sink that can be recorded; Wine prefixes made while it runs use it.
start_sound() {
  local dir="$run_tmp/pulse"
  mkdir -m 700 "$dir"
  cat >"$dir/default.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
load-module module-null-sink sink_name=cap rate=44100 channels=2 format=s16le norewinds=1
set-default-sink cap
PA
  step "starting a private PulseAudio server with a null sink"
  XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -F "$dir/default.pa" \
    >"$log_dir/pulseaudio.log" 2>&1 &
  remember_pid $!
  export PULSE_SERVER="unix:$dir/native" PULSE_RUNTIME_PATH="$dir" XDG_RUNTIME_DIR="$dir"

  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  step "the PulseAudio server did not start (log: ${log_dir#"$root"/}/pulseaudio.log)"
  return 1
}

# A real IRC server (ngircd) on 127.0.0.1 on a free port, with a configuration of its own under build/irc,
# and a real IRC client (ii) in its channel #orvjubo as the participant Ann. The tests read what Ann reads and
# make her speak through ii's files: ORVJUBO_IRC_PORT is the port, ORVJUBO_IRC_ANN her channel folder (a
# Windows path), ORVJUBO_IRC_CHANNEL the channel.
start_irc() {
  local dir="$build_root/irc" port
  rm -rf "$dir"
  mkdir -p "$dir"
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  cat >"$dir/ngircd.conf" <<CONF
[Global]
Name = irc.orvjubo.test
Info = the tests' own IRC server
Listen = 127.0.0.1
Ports = $port
MotdPhrase = "Orv Jubo tests"
[Limits]
MaxConnectionsIP = 0
[Options]
PAM = no
Ident = no
DNS = no
CONF
  step "starting an IRC server (ngircd) on 127.0.0.1:$port"
  ngircd -n -f "$dir/ngircd.conf" >"$log_dir/ngircd.log" 2>&1 &
  remember_pid $!
  for _ in $(seq 100); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.1
  done
  step "starting an IRC client (ii) as Ann in #orvjubo"
  ii -s 127.0.0.1 -p "$port" -n Ann -i "$dir/ii" >"$log_dir/ii.log" 2>&1 &
  remember_pid $!
  local server_dir="$dir/ii/127.0.0.1"
  for _ in $(seq 100); do
    [ -p "$server_dir/in" ] && grep -q ' 001 \| :Welcome\|Welcome' "$server_dir/out" 2>/dev/null && break
    sleep 0.1
  done
  echo "/j #orvjubo" >"$server_dir/in"
  for _ in $(seq 100); do
    [ -p "$server_dir/#orvjubo/in" ] && break
    sleep 0.1
  done
  if [ ! -p "$server_dir/#orvjubo/in" ]; then
    step "Ann did not get into #orvjubo (logs: ${log_dir#"$root"/}/ngircd.log, ii.log)"
    return 1
  fi
  export ORVJUBO_IRC_PORT="$port" ORVJUBO_IRC_CHANNEL="#orvjubo"
  export ORVJUBO_IRC_ANN="Z:${server_dir//\//\\}\\#orvjubo"
}

# A virtual X display on a free display number.
start_virtual_display() {
  local number_file="$run_tmp/display"
  step "starting a virtual display (Xvfb)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >"$log_dir/xvfb.log" 2>&1 &
  remember_pid $!

  for _ in $(seq 100); do
    if [ -s "$number_file" ]; then
      DISPLAY=":$(head -n 1 "$number_file")"
      export DISPLAY
      step "the virtual display is $DISPLAY"
      return 0
    fi
    sleep 0.1
  done
  step "Xvfb did not start (log: ${log_dir#"$root"/}/xvfb.log)"
  return 1
}

# Creates the named private Wine prefix once; later runs reuse it. Needs a display, so that no display-less
# Wine session is left behind for the next program.
use_wine_prefix() {
  export WINEPREFIX="$build_root/wine/$1-$WINEARCH"
  wine_started=1
  if [ -f "$WINEPREFIX/.orvjubo-ready" ]; then
    step "using the Wine prefix ${WINEPREFIX#"$root"/}"
    return 0
  fi
  step "creating the Wine prefix ${WINEPREFIX#"$root"/} ($WINEARCH)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$wine_loader" wineboot -i >"$log_dir/wineboot-$1.log" 2>&1
  wineserver -w
  touch "$WINEPREFIX/.orvjubo-ready"
}

# For a prefix used only on the virtual display, where no window manager runs. Wine waits up to two seconds
# for one each time it hides a window that a manager would manage; unmanaged windows are hidden at once.
unmanaged_windows() {
  [ -f "$WINEPREFIX/.orvjubo-unmanaged" ] && return 0
  "$1" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.orvjubo-unmanaged"
}

# Stops every program of the prefix and waits until its server is gone.
end_wine_programs() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
