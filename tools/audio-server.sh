# Sourced by the test scripts: starts and stops a private PulseAudio server
# with a null sink, so that sound tests play through a real audio server on a
# machine without a sound card. The tests find it through XDG_RUNTIME_DIR.

audio_server_start() {
  export XDG_RUNTIME_DIR="${VELMORA_AUDIO_DIR:-/tmp/velmora-audio-$$}"
  # A folder made here is removed again by audio_server_stop.
  velmora_audio_made_dir=
  if [ ! -d "$XDG_RUNTIME_DIR" ]; then
    velmora_audio_made_dir=$XDG_RUNTIME_DIR
  fi
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  unset VELMORA_AUDIO_SERVER
  pulseaudio --kill >/dev/null 2>&1 || true
  pulseaudio -n --daemonize=yes --exit-idle-time=-1 \
    --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=test_sink rate=44100 channels=2" >/dev/null 2>&1 || true
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  # Without a server the real-audio tests skip themselves rather than stop the run.
  if ! pactl set-default-sink test_sink >/dev/null 2>&1; then
    echo "audio-server.sh: no PulseAudio server could be started; real-audio tests will be skipped" >&2
    return 0
  fi
  export VELMORA_AUDIO_SERVER=1
  # Without a low-latency stream the null sink runs in 2 s blocks and new streams start late.
  pacat --latency-msec=20 --stream-name=keepalive /dev/zero &
  echo $! >"$XDG_RUNTIME_DIR/keepalive.pid"
  sleep 2.5
}

audio_server_stop() {
  if [ -n "${XDG_RUNTIME_DIR:-}" ] && [ -f "$XDG_RUNTIME_DIR/keepalive.pid" ]; then
    kill "$(cat "$XDG_RUNTIME_DIR/keepalive.pid")" 2>/dev/null || true
    rm -f "$XDG_RUNTIME_DIR/keepalive.pid"
  fi
  local server=
  [ -n "${XDG_RUNTIME_DIR:-}" ] && server=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null || true)
  pulseaudio --kill >/dev/null 2>&1 || true
  if [ -n "${velmora_audio_made_dir:-}" ]; then
    # Removed only once the server has gone, or it would write into it again.
    for _ in $(seq 30); do
      [ -n "$server" ] && kill -0 "$server" 2>/dev/null || break
      sleep 0.1
    done
    rm -rf "$velmora_audio_made_dir"
    velmora_audio_made_dir=
  fi
}
