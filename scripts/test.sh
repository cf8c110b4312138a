#!/usr/bin/env bash
# Installs what building and testing need, then runs every check of QX
# Ardentis in stages and ends with a verdict: each stage, passed, failed or
# skipped, with its time (and the processor time it took, which tells how
# much other work on the machine slowed it). Exits non-zero if any stage failed.
#
#   deps        what building and testing need (scripts/install-deps.sh test)
#   format      the code laid out as .clang-format says (scripts/check-format.sh)
#   build       the release build with Debian's build flags and the tests (build/pkg-deb)
#   tests       every ctest case on that build
#   package     the Debian package of that very build (scripts/check-deb.sh), installed
#               in a throwaway root: nothing stays installed
#   sanitizers  the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer (build/asan)
#   fuzzing     each fuzz target for a bounded time (scripts/fuzz.sh, FUZZ_SECONDS)
#   debian-13   on Debian 12, the stages deps to package again in a Debian 13
#   (debian-12)  root (scripts/in-debian-root.sh); on Debian 13, in a Debian 12 one
#
# ARDENTIS_STAGES="format build tests" runs only the stages named (and says
# nothing of the others).
# A failed stage does not stop the others, so that one run shows every
# failure; only a stage that needs a failed one (the tests and the package
# need the build; everything needs the packages) is skipped.
set -uo pipefail
cd "$(dirname "$0")/.."

declare -A result
verdict=()
failed=0
clock="$(mktemp)"
trap 'rm -f "$clock"' EXIT

minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
# Processor time, user and system, that the commands run so far took, in
# seconds in $cpu_now. `times` must run in this shell, not in a subshell, to
# count this shell's children.
cpu_seconds() {
  times >"$clock"
  cpu_now="$(awk 'END { split($1 " " $2, t, /[ms]+/); printf "%d", t[1] * 60 + t[2] + t[3] * 60 + t[4] }' "$clock")"
}

# stage NAME NEEDED-STAGE|- COMMAND...
stage() {
  local name="$1" needs="$2" started=$SECONDS started_cpu
  shift 2
  [[ -z "${ARDENTIS_STAGES:-}" || " $ARDENTIS_STAGES " == *" $name "* ]] || return 0
  cpu_seconds
  started_cpu=$cpu_now
  if [[ "${result[$needs]:-passed}" != passed ]]; then
    echo "=== $name: skipped, as $needs did not pass"
    result[$name]=skipped
  else
    echo "=== $name"
    if "$@"; then result[$name]=passed; else result[$name]=FAILED; fi
  fi
  cpu_seconds
  verdict+=("$(printf '  %-11s %-8s %s   (processor: %s)' "$name" "${result[$name]}" \
    "$(minutes $((SECONDS - started)))" "$(minutes $((cpu_now - started_cpu)))")")
  [[ "${result[$name]}" == passed ]] || failed=$((failed + 1))
}

stage deps - bash scripts/install-deps.sh test
stage format deps bash scripts/check-format.sh
stage build deps bash scripts/check-deb.sh build
stage tests build ctest --preset pkg-deb -j"$(nproc)"
stage package build bash scripts/check-deb.sh
stage sanitizers deps bash -c 'cmake --preset asan >/dev/null && cmake --build --preset asan -j"$(nproc)" &&
  ctest --preset asan -j"$(nproc)"'
stage fuzzing deps bash scripts/fuzz.sh
case "$(. /etc/os-release 2>/dev/null && echo "${VERSION_ID:-}")" in
  12) stage debian-13 deps bash scripts/in-debian-root.sh trixie ;;
  13) stage debian-12 deps bash scripts/in-debian-root.sh bookworm ;;
esac

echo
echo "=== verdict"
printf '%s\n' "${verdict[@]}"
cpu_seconds
total="$(minutes "$SECONDS")   (processor: $(minutes "$cpu_now"))"
if ((failed)); then
  printf '  %-11s %-8s %s; %d of %d stages did not pass\n' all FAILED "$total" "$failed" "${#verdict[@]}"
  exit 1
fi
printf '  %-11s %-8s %s\n' all passed "$total"
