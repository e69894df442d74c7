#!/usr/bin/env bash
# Time from launching velmora to its first window, over several runs, on a
# private Xvfb display. Usage: bench/startup.sh [build/bin/velmora] [runs]
set -euo pipefail
exe=${1:-build/bin/velmora}
runs=${2:-10}
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
folder=$(mktemp -d)
cp "$exe" "$folder/"
[ -f "$(dirname "$exe")/unins000.dll" ] && cp "$(dirname "$exe")/unins000.dll" "$folder/"
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  DISPLAY=$display "$folder/$(basename "$exe")" >/dev/null 2>&1 &
  pid=$!
  until DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q '("velmora"'; do sleep 0.005; done
  echo "$(( ($(date +%s%N) - start) / 1000000 )) ms"
  kill $pid
  wait $pid 2>/dev/null || true
done
rm -rf "$folder"
