#!/usr/bin/env bash
# The stage machinery of scripts/test.sh (scripts/ci-stages.sh) on small plans with
# short limits: CI passes only when every planned stage ran and passed, and names
# each one that failed, hung or never reported; a hung stage is stopped whole, with
# the processes that left its tree, and the run goes on.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
export WORK

# Processes the plans start write their ids to $WORK/*.pid; whatever the machinery
# missed is ended by id after each case, if that id is still one of ours (its
# environment holds this $WORK).
end_leftovers() {
  local file pid
  for file in "$WORK"/*.pid; do
    [[ -f $file ]] || continue
    pid=$(cat "$file")
    grep -qsxzF "WORK=$WORK" "/proc/$pid/environ" && kill -KILL "$pid"
    rm -f "$file"
  done
}
trap 'end_leftovers; rm -rf "$WORK"' EXIT

failures=0
fail() {
  echo "FAIL [$case]: $*"
  failures=$((failures + 1))
}

# A stage that hangs, having started what a Wine session does: a process that leaves
# the tree and the session (as Wine's server does), and one that ignores SIGTERM.
cat >"$WORK/hang.sh" <<'END'
hang() {
  (setsid sleep 300 & echo $! >"$WORK/escaped.pid")
  bash -c 'trap "" TERM; exec sleep 300' &
  echo $! >"$WORK/stubborn.pid"
  sleep 300 &
  echo $! >"$WORK/hung.pid"
  wait
}
END

# run_plan CASE [FILE]: runs the plan that follows on stdin under the machinery; its
# output goes to $out, its exit code to $rc. With FILE, the run is sent SIGTERM once
# FILE is written. A run that does not end by itself is a failure.
run_plan() {
  case=$1
  out=$WORK/$case.out
  end_leftovers
  cat >"$WORK/$case.plan"
  # shellcheck disable=SC2016  # expanded by the inner shell
  timeout --foreground -k 5 30 bash -c \
    'set -uo pipefail && source "$1" && ci_init "$WORK/$2" && source "$WORK/hang.sh" && source "$WORK/$2.plan"' _ \
    "$root/scripts/ci-stages.sh" "$case" >"$out" 2>&1 &
  local run=$!
  if [[ -n ${2-} ]]; then
    for _ in {1..100}; do
      [[ -s $WORK/$2 ]] && break
      sleep 0.1
    done
    kill -TERM "$run"
  fi
  wait "$run"
  rc=$?
  ((rc != 124 && rc != 137)) || fail "the run did not end within 30 s"
}

expect_line() {
  grep -qF -- "$1" "$out" || fail "no line \"$1\" in the output:$(sed 's/^/    /' "$out")"
}

expect_no_line() {
  ! grep -qF -- "$1" "$out" || fail "unexpected \"$1\" in the output:$(sed 's/^/    /' "$out")"
}

expect_failed_run() {
  ((rc == 1)) || fail "exit code $rc, expected 1"
  expect_no_line "All tests passed."
}

# A process is gone once it is not there or is only waiting for its parent to reap it.
expect_gone() {
  local pid stat
  pid=$(cat "$WORK/$1.pid" 2>/dev/null) || { fail "the plan did not record $1"; return; }
  read -r stat 2>/dev/null <"/proc/$pid/stat" || return 0
  stat=${stat##*) }
  [[ ${stat%% *} == Z ]] || fail "$1 ($pid) is still running"
}

run_plan passing <<'END'
ci_plan one 10s "first stage"
ci_plan one 10s "second, after it"
ci_plan two 10s "beside them"
one() {
  ci_stage "first stage" echo "colour 0x123456"
  ci_stage "second, after it" true
}
two() { ci_stage "beside them" sleep 0.3; }
ci_lane one one
ci_lane two two
ci_finish
END
((rc == 0)) || fail "exit code $rc, expected 0"
expect_line "All tests passed."
[[ $(grep -c ' passed ' "$WORK/passing/summary") == 3 ]] || fail "not three stages passed"
grep -qx "colour 0x123456" "$WORK/passing/first_stage.log" || fail "the stage's output is not in its log"

run_plan failing <<'END'
ci_plan one 10s "build"
ci_plan one 10s "tests of the build"
ci_plan two 10s "other lane"
one() {
  ci_stage "build" sh -c 'exit 3'
  ci_stage "tests of the build" true
}
two() { ci_stage "other lane" true; }
ci_lane one one
ci_lane two two
ci_finish
END
expect_failed_run
expect_line "  build (FAILED: exit status 3)"
expect_no_line "  tests of the build ("
expect_no_line "  other lane ("

run_plan hanging <<'END'
ci_grace=1
ci_plan one 1s "hangs"
ci_plan one 10s "after the hang"
one() {
  ci_stage "hangs" hang
  ci_stage "after the hang" true
}
ci_lane one one
ci_finish
END
expect_failed_run
expect_line "  hangs (TIMED OUT: stopped at its limit of 1 s)"
grep -q '^after the hang  *passed' "$WORK/hanging/summary" || fail "the stage after the hang did not pass"
expect_gone hung
expect_gone escaped
expect_gone stubborn

# One lane dies while its stage runs, orphaning that stage's process; the other runs
# a stage under a name the plan does not have, and so never runs the planned one.
run_plan unreported <<'END'
ci_plan one 10s "cut short"
ci_plan one 10s "never reached"
ci_plan two 10s "planned name"
cut_lane() {
  sleep 300 &
  echo $! >"$WORK/orphan.pid"
  kill -KILL "$1"
  wait
}
one() {
  ci_stage "cut short" cut_lane "$BASHPID"
  ci_stage "never reached" true
}
two() { ci_stage "misspelt name" true; }
ci_lane one one
ci_lane two two
ci_finish
END
expect_failed_run
expect_line "  cut short (never reported: lane one died (signal 9))"
expect_line "  never reached (never reported: lane one died (signal 9))"
expect_line "  misspelt name (FAILED: not planned in lane two)"
expect_line "  planned name (never reported: lane two ended without running it)"
expect_gone orphan

# Stopped from outside (Ctrl+C, or whoever runs CI giving up), the run stops its stages.
run_plan interrupted hung.pid <<'END'
ci_grace=1
ci_plan one 60s "hangs"
one() { ci_stage "hangs" hang; }
ci_lane one one
ci_finish
END
((rc == 130)) || fail "exit code $rc, expected 130"
expect_gone hung
expect_gone escaped
expect_gone stubborn

# An excusable stage that says why it could not run (exit 75 and its reason written to
# $TINTWELL_CI_EXCUSE) is not run, as are the stages after it, without failing the
# run; the reason heads the summary.
cat >"$WORK/excuse.sh" <<'END'
mirror() { echo "the package mirror: E: Failed to fetch binary-i386/Packages.xz" >"${TINTWELL_CI_EXCUSE:-$WORK/stray-excuse}"; exit 75; }
END
run_plan excused <<'END'
source "$WORK/excuse.sh"
ci_plan one 10s "x86 setup" excusable
ci_plan one 10s "x86 tests"
ci_plan two 10s "other lane"
one() {
  if ! ci_stage "x86 setup" mirror; then
    if ci_excused "x86 setup"; then ci_skip_excused "x86 setup" "x86 tests"; else ci_skip "failed" "x86 tests"; fi
  fi
}
two() { ci_stage "other lane" true; }
ci_lane one one
ci_lane two two
ci_finish
END
((rc == 0)) || fail "exit code $rc, expected 0"
expect_line "All tests passed."
[[ $(sed -n '/=== stage times/{n;p;}' "$out") == "not run: the package mirror: E: Failed to fetch binary-i386/Packages.xz" ]] ||
  fail "the reason does not head the summary:$(sed 's/^/    /' "$out")"
grep -q '^x86 tests  *not run  *the package mirror' "$WORK/excused/summary" || fail "the stage after it is not shown as not run"

# The excuse holds only for the stage planned for it, only with its status and reason,
# and the other lanes still decide.
run_plan unplanned-excuse <<'END'
source "$WORK/excuse.sh"
ci_plan one 10s "x86 setup"
one() { ci_stage "x86 setup" mirror; }
ci_lane one one
ci_finish
END
expect_failed_run
expect_line "  x86 setup (FAILED: exit status 75)"

run_plan excuse-without-reason <<'END'
ci_plan one 10s "x86 setup" excusable
one() { ci_stage "x86 setup" sh -c 'exit 75'; }
ci_lane one one
ci_finish
END
expect_failed_run
expect_line "  x86 setup (FAILED: exit status 75)"

run_plan other-setup-failure <<'END'
ci_plan one 10s "x86 setup" excusable
ci_plan one 10s "x86 tests"
one() {
  if ! ci_stage "x86 setup" sh -c 'echo "the package mirror" >"$TINTWELL_CI_EXCUSE"; exit 100'; then
    if ci_excused "x86 setup"; then ci_skip_excused "x86 setup" "x86 tests"; else ci_skip "x86 setup failed" "x86 tests"; fi
  fi
}
ci_lane one one
ci_finish
END
expect_failed_run
expect_line "  x86 setup (FAILED: exit status 100)"
expect_line "  x86 tests (not run: x86 setup failed)"

run_plan excused-beside-failure <<'END'
source "$WORK/excuse.sh"
ci_plan one 10s "x86 setup" excusable
ci_plan two 10s "other lane"
one() { ci_stage "x86 setup" mirror; }
two() { ci_stage "other lane" false; }
ci_lane one one
ci_lane two two
ci_finish
END
expect_failed_run
expect_line "  other lane (FAILED: exit status 1)"
expect_no_line "  x86 setup ("

# The real plan, walked without running a command: its lanes run every stage it plans
# and none it does not.
case=plan
out=$WORK/plan.out
timeout 60 "$root/scripts/test.sh" --dry-run >"$out" 2>&1
rc=$?
((rc == 0)) || fail "exit code $rc, expected 0"
expect_line "Dry run: the lanes ran every planned stage"

((failures == 0)) || { echo "$failures failed checks"; exit 1; }
echo "all checks passed"
