#!/usr/bin/env bash
# Runs a program that crashes on purpose and passes when it ends, failed, in
# seconds: a prefix whose debugger is still switched on makes it wait.
#   expect-crash.sh LAUNCHER... PROGRAM
# Exit 77 (the launcher's "cannot run here") is passed on as "skipped".
set -uo pipefail
limit=30
start=$(date +%s)
timeout "$limit" "$@" </dev/null
status=$?
elapsed=$(( $(date +%s) - start ))
case $status in
  77) exit 77 ;;
  0) echo "expect-crash: the program ended normally; it should have crashed"; exit 1 ;;
  124) echo "expect-crash: still running after ${limit} s: a crash waits for a debugger"; exit 1 ;;
esac
if [ "$elapsed" -gt 15 ]; then
  echo "expect-crash: the crash took ${elapsed} s to end the program"
  exit 1
fi
echo "expect-crash: crashed with status $status and ended in ${elapsed} s"
exit 0
