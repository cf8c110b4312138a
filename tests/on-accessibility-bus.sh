#!/bin/sh
# Runs a test program as a desktop with a screen reader would run it: on a
# private X display, with a message bus and an accessibility bus of its own,
# and Qt's bridge to that bus switched on. The buses keep what they write in
# a runtime folder of their own, removed afterwards, not in the home folder.
runtime="$(mktemp -d)" || exit 1
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" dbus-run-session -- sh -c '
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null || exit 1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
' sh "$@"
