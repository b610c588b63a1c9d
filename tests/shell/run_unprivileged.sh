#!/bin/sh
# Runs a test program as an ordinary user. Permissions never stop root, so
# run as root, the cases that depend on them would test nothing: then the
# program runs as "nobody", from a copy in a fresh directory that user can
# reach, with a temporary directory of its own.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$1
shift
mkdir "$work/bin" "$work/tmp"
cp "$program" "$work/bin/"
chmod 755 "$work" "$work/bin"
chown nobody:nogroup "$work/tmp"
chmod 700 "$work/tmp"
env TMPDIR="$work/tmp" HOME="$work/tmp" \
  setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all \
  "$work/bin/$(basename "$program")" "$@"
