# shellcheck shell=bash
# Stage machinery of scripts/test.sh, sourced (bash 5 or later). Every stage is
# planned up front with the lane it runs in and a time limit; the lanes run side by
# side; the run passes only if every planned stage ran and passed and every lane
# ended normally. A stage that fails, goes past its limit or never reports (its lane
# died, or never came to it) is named in the summary and fails the run.
#
#   ci_init DIR                  logs and outcomes go to DIR, emptied first
#   ci_plan LANE LIMIT NAME [excusable]
#                                stage NAME runs in LANE and may take LIMIT (90s, 15m);
#                                an excusable one may end "not run" without failing the
#                                run, in one narrow way: it exits with ci_excused_status
#                                having written why to the file $TINTWELL_CI_EXCUSE
#   ci_lane LANE COMMAND...      runs COMMAND (a function holding stages) as LANE, in
#                                the background
#   ci_stage NAME COMMAND...     in a lane: runs COMMAND as the stage, its output in a
#                                log of its own; returns its status (124 past its limit)
#   ci_skip WHY NAME...          records that these stages are not run, and why
#   ci_excused NAME              whether stage NAME ended excused
#   ci_skip_excused NAME STAGE... records the STAGEs as not run for NAME's excuse (not
#                                failing the run) if NAME was excused, else as not run
#   ci_wait                      waits for the lanes started so far; fails if any of
#                                them or their stages did not pass
#   ci_finish                    waits for every lane, prints the summary; its status
#                                is the run's verdict
#
# A stage that goes past its limit is stopped whole: SIGTERM to every process it
# started, which lets Wine sessions stop their server and display, then after
# ci_grace seconds SIGKILL to whatever is left. Its processes are found three ways,
# since Wine's server and programs leave the process tree that started them: a
# cpuacct group of its own (which also gives the stage's processor time), a token in
# the environment every program it starts inherits (TINTWELL_CI_STAGE), and its
# process tree. Processes a stage leaves behind when it ends are stopped the same way.

ci_grace=10
# What an excusable stage exits with when it could not run for a reason outside the
# project (EX_TEMPFAIL).
ci_excused_status=75
# 1: each stage only shows its command, so that a plan can be walked in seconds.
ci_dry_run=0

ci_init() {
  ci_dir=$1
  rm -rf "$ci_dir"
  mkdir -p "$ci_dir/.outcome" "$ci_dir/.running" "$ci_dir/.lane" "$ci_dir/.excuse"
  : >"$ci_dir/summary"
  ci_run=ci-$$-$RANDOM$RANDOM
  declare -gA ci_limit=() ci_lane_of=() ci_lane_pid=() ci_lane_started=() ci_lane_end=() ci_lane_died=()
  declare -gA ci_excusable=()
  declare -ga ci_order=()
  ci_lane_name=""
  # Groups go below the one this shell is in, so that a run inside a stage (this
  # machinery's own test) still counts towards that stage and is stopped with it.
  ci_acct=""
  local acct=/sys/fs/cgroup/cpuacct own
  own=$(sed -n 's/^[0-9]*:\([^:]*,\)\{0,1\}cpuacct\(,[^:]*\)\{0,1\}:\(.*\)$/\3/p' /proc/self/cgroup 2>/dev/null)
  own=${own%/}
  if [[ -d $acct$own && -w $acct$own ]]; then
    ci_acct=$acct$own
  elif [[ -d $acct && -w $acct ]]; then
    ci_acct=$acct
  fi
  trap ci_interrupted INT TERM
}

ci_slug() { echo "${1//[^A-Za-z0-9]/_}"; }

ci_plan() {
  local lane=$1 limit=$2 name=$3
  [[ ${4-} != excusable ]] || ci_excusable[$name]=1
  [[ $limit =~ ^([0-9]+)([sm]?)$ ]] || { echo "ci: bad time limit $limit for $name" >&2; return 1; }
  ci_limit[$name]=${BASH_REMATCH[1]}
  [[ ${BASH_REMATCH[2]} != m ]] || ci_limit[$name]=$((BASH_REMATCH[1] * 60))
  ci_lane_of[$name]=$lane
  ci_order+=("$name")
}

ci_now_us() { ci_us=${EPOCHREALTIME/[.,]/}; }

# ci_alive PID: whether PID still runs (a zombie awaiting its wait has ended).
ci_alive() {
  local stat
  read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
  stat=${stat##*) }
  [[ ${stat%% *} != Z ]]
}

# ci_group_procs GROUP: adds the processes in GROUP and the groups below it to ci_seen.
ci_group_procs() {
  local p sub
  while read -r p; do ci_seen[$p]=1; done 2>/dev/null <"$1/cgroup.procs"
  for sub in "$1"/*/; do
    [[ -d $sub ]] && ci_group_procs "${sub%/}"
  done
}

# ci_members PIDS REGEX [GROUP...]: fills ci_found with the live processes of a stage,
# or of every stage REGEX matches: the PIDS and their descendants, the processes in
# the GROUPs and the groups below them, those whose TINTWELL_CI_STAGE holds a
# matching token, and any found before in ci_seen that are still alive (a process
# whose parent was stopped leaves the tree).
ci_members() {
  local pids=$1 regex=$2 p
  shift 2
  local -a todo
  read -ra todo <<<"$pids"
  if ((${#todo[@]})); then
    local -A kids=()
    local stat line rest
    for stat in /proc/[0-9]*/stat; do
      read -r line 2>/dev/null <"$stat" || continue
      rest=${line##*) }
      [[ ${rest%% *} == [ZX] ]] && continue
      rest=${rest#* }
      p=${stat#/proc/}
      kids[${rest%% *}]+=" ${p%/stat}"
    done
    while ((${#todo[@]})); do
      p=${todo[-1]}
      unset 'todo[-1]'
      ci_seen[$p]=1
      # shellcheck disable=SC2206  # a list of numbers
      todo+=(${kids[$p]-})
    done
  fi
  for p in "$@"; do ci_group_procs "$p"; done
  while read -r p; do
    p=${p#/proc/}
    ci_seen[${p%/environ}]=1
  done < <(grep -lsEz "^TINTWELL_CI_STAGE=(.* )?$regex( .*)?\$" /proc/[0-9]*/environ)
  ci_found=()
  for p in "${!ci_seen[@]}"; do
    [[ $p != "$$" && $p != "$BASHPID" ]] && ci_alive "$p" && ci_found+=("$p")
  done
}

# ci_stop WHAT PIDS REGEX [GROUP...]: stops the processes ci_members finds, saying which.
ci_stop() {
  local what=$1 p
  shift
  declare -gA ci_seen=()
  ci_members "$@"
  ((${#ci_found[@]})) || return 0
  echo "ci: stopping $what:"
  for p in "${ci_found[@]}"; do
    printf '  %s %s\n' "$p" "$(tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null)"
  done
  kill -TERM "${ci_found[@]}" 2>/dev/null
  local deadline
  ci_now_us
  ((deadline = ci_us + ci_grace * 1000000))
  while ci_members "$@"; ((${#ci_found[@]})); do
    ci_now_us
    ((ci_us < deadline)) || break
    sleep 0.1
  done
  local round
  for round in {1..50}; do
    ((${#ci_found[@]})) || return 0
    ((round > 1)) || echo "ci: ${#ci_found[@]} still running after $ci_grace s, killed"
    kill -KILL "${ci_found[@]}" 2>/dev/null
    sleep 0.1
    ci_members "$@"
  done
  echo "ci: could not stop ${ci_found[*]}"
  return 1
}

# ci_remove_group GROUP: removes a stage's cpuacct group (and any below it) once empty.
ci_remove_group() {
  [[ -n $1 && -d $1 ]] || return 0
  local sub
  for sub in "$1"/*/; do
    [[ -d $sub ]] && ci_remove_group "${sub%/}"
  done
  rmdir "$1" 2>/dev/null
}

# ci_stop_leftovers WHAT [PIDS]: stops whatever any stage of this run still has
# running (the PIDS and their descendants too) and removes the stages' groups.
ci_stop_leftovers() {
  local -a groups=()
  [[ -z $ci_acct ]] || groups=("$ci_acct"/tintwell-"$ci_run"-*)
  [[ -d ${groups[0]-} ]] || groups=()
  ci_stop "$1" "${2-}" "$ci_run/[^ ]*" "${groups[@]}"
  local group
  for group in "${groups[@]}"; do ci_remove_group "$group"; done
}

# ci_outcome NAME OUTCOME DETAIL SECONDS CPU: records how a stage ended, for the
# verdict and, as one line, for the summary.
ci_outcome() {
  local name=$1 outcome=$2 detail=$3 seconds=$4 cpu=$5
  printf '%s\x1f%s\x1f%s\n' "$outcome" "$detail" "$name" >"$ci_dir/.outcome/$(ci_slug "$name")"
  local line shown=$outcome
  [[ $outcome != excused ]] || shown="not run"
  if [[ -n $seconds ]]; then
    line=$(printf '%-46s %-9s %4d s  (cpu %4s s)' "$name" "$shown" "$seconds" "$cpu")
  else
    line=$(printf '%-46s %-9s' "$name" "$shown")
  fi
  [[ -z $detail ]] || line+="  $detail"
  echo "$line" >>"$ci_dir/summary"
}

ci_stage() {
  local name=$1
  shift
  local slug lane=$ci_lane_name token
  slug=$(ci_slug "$name")
  token="$ci_run/$(ci_slug "$lane")/$slug"
  local log="$ci_dir/$slug.log"
  if [[ -z ${ci_limit[$name]-} || ${ci_lane_of[$name]} != "$lane" ]]; then
    echo "ci: stage \"$name\" is not planned in lane $lane" >"$log"
    ci_outcome "$name" FAILED "not planned in lane $lane" "" ""
    return 1
  fi
  ((ci_dry_run == 0)) || set -- echo "dry run:" "$@"
  local limit=${ci_limit[$name]} group="" start deadline excuse=""
  if [[ -n ${ci_excusable[$name]-} ]]; then
    excuse=$ci_dir/.excuse/$slug
    rm -f "$excuse"
  fi
  if [[ -n $ci_acct ]]; then
    group="$ci_acct/tintwell-$ci_run-$slug"
    mkdir "$group" 2>/dev/null || group=""
  fi
  ci_now_us
  start=$ci_us
  ((deadline = start + limit * 1000000))
  (
    [[ -z $group ]] || echo "$BASHPID" >"$group/cgroup.procs" 2>/dev/null || true
    export TINTWELL_CI_STAGE="${TINTWELL_CI_STAGE:+$TINTWELL_CI_STAGE }$token"
    if [[ -n $excuse ]]; then export TINTWELL_CI_EXCUSE=$excuse; else unset TINTWELL_CI_EXCUSE; fi
    "$@"
  ) </dev/null >"$log" 2>&1 &
  local pid=$! status=0 timed_out=0 tick
  printf '%s\x1f%s\x1f%s\n' "$pid" "$token" "$group" >"$ci_dir/.running/$slug"
  # Looked at often at first, so that a short stage costs little, then twice a second.
  for tick in 0.05 0.1 0.2; do
    ci_alive "$pid" && sleep "$tick"
  done
  while ci_alive "$pid"; do
    ci_now_us
    if ((ci_us >= deadline)); then
      timed_out=1
      {
        echo "ci: \"$name\" went past its limit of $limit s"
        ci_stop "its processes" "$pid" "$token" ${group:+"$group"}
      } >>"$log" 2>&1
      break
    fi
    sleep 0.5
  done
  wait "$pid" || status=$?
  # Nothing a finished stage started should outlive it (Wine's server, a display).
  ci_stop "what it left running" "" "$token" ${group:+"$group"} >>"$log" 2>&1
  local cpu="?"
  if [[ -n $group ]]; then
    local usage=0
    read -r usage 2>/dev/null <"$group/cpuacct.usage"
    cpu=$((usage / 1000000000))
    ci_remove_group "$group"
  fi
  ci_now_us
  local seconds=$(((ci_us - start) / 1000000)) outcome=passed detail=""
  if ((timed_out)); then
    outcome="TIMED OUT"
    detail="stopped at its limit of $limit s"
    status=124
  elif ((status == ci_excused_status)) && [[ -n $excuse && -s $excuse ]]; then
    outcome=excused
    detail=$(head -n 1 "$excuse")
    printf 'not run: %s\n  %s\n' "$detail" "$name" >>"$ci_dir/notes"
  elif ((status != 0)); then
    outcome=FAILED
    detail="exit status $status"
  fi
  ci_outcome "$name" "$outcome" "$detail" "$seconds" "$cpu"
  rm -f "$ci_dir/.running/$slug"
  { printf '\n=== %s\n' "$name"; cat "$log"; echo "=== $name: $outcome ($seconds s)"; } |
    flock "$ci_dir/summary" cat
  return "$status"
}

ci_skip() {
  local why=$1 name
  shift
  for name in "$@"; do ci_outcome "$name" "not run" "$why" "" ""; done
}

ci_excused() {
  local file=$ci_dir/.outcome/$(ci_slug "$1") outcome
  [[ -f $file ]] || return 1
  IFS=$'\x1f' read -r outcome _ <"$file"
  [[ $outcome == excused ]]
}

ci_skip_excused() {
  local first=$1 name why
  shift
  if ! ci_excused "$first"; then
    ci_skip "$first was not excused" "$@"
    return
  fi
  IFS=$'\x1f' read -r _ why _ <"$ci_dir/.outcome/$(ci_slug "$first")"
  for name in "$@"; do
    ci_outcome "$name" excused "$why" "" ""
    echo "  $name" >>"$ci_dir/notes"
  done
}

ci_lane() {
  ci_lane_run "$@" &
  ci_lane_pid[$1]=$!
  ci_lane_started[$1]=1
}

# In the lane's own shell: its stages know their lane, and its end is noted, so that
# one that died can be told from one that ended.
ci_lane_run() {
  ci_lane_name=$1
  shift
  local status=0
  "$@" || status=$?
  echo "$status" >"$ci_dir/.lane/$(ci_slug "$ci_lane_name")"
  return "$status"
}

# ci_lane_ended LANE STATUS: notes how a lane ended. One that died (no note of its
# own end) may have left its stage running, orphaned: that stage is stopped.
ci_lane_ended() {
  local lane=$1 status=$2 running pid token group slug
  if [[ -f $ci_dir/.lane/$(ci_slug "$lane") ]]; then
    ((status == 0)) || ci_lane_end[$lane]="ended with status $status"
    return
  fi
  if ((status > 128)); then
    ci_lane_died[$lane]="died (signal $((status - 128)))"
  else
    ci_lane_died[$lane]="died (exit status $status)"
  fi
  ci_lane_end[$lane]=${ci_lane_died[$lane]}
  for running in "$ci_dir"/.running/*; do
    [[ -f $running ]] || continue
    IFS=$'\x1f' read -r pid token group <"$running"
    [[ $token == "$ci_run/$(ci_slug "$lane")/"* ]] || continue
    slug=${running##*/}
    ci_stop "its processes, as its lane ${ci_lane_died[$lane]}" "$pid" "$token" ${group:+"$group"} \
      >>"$ci_dir/$slug.log" 2>&1
    ci_remove_group "$group"
    rm -f "$running"
  done
}

# Polled: a lane that has ended may already be out of the shell's job table, which
# `wait -n` needs, while `wait PID` still has its status.
ci_wait() {
  local pid lane status
  while ((${#ci_lane_pid[@]})); do
    for lane in "${!ci_lane_pid[@]}"; do
      pid=${ci_lane_pid[$lane]}
      ! ci_alive "$pid" || continue
      status=0
      wait "$pid" || status=$?
      unset 'ci_lane_pid[$lane]'
      ci_lane_ended "$lane" "$status"
    done
    ((${#ci_lane_pid[@]} == 0)) || sleep 0.25
  done
  ci_verdict --so-far >/dev/null
}

# ci_unreported NAME: why a planned stage has no outcome.
ci_unreported() {
  local lane=${ci_lane_of[$1]}
  if [[ -z ${ci_lane_started[$lane]-} ]]; then
    echo "lane $lane never started"
  elif [[ -n ${ci_lane_pid[$lane]-} ]]; then
    echo "lane $lane still running"
  else
    echo "lane $lane ${ci_lane_died[$lane]:-ended without running it}"
  fi
}

# ci_verdict [--so-far]: prints what did not pass, one item a line, and fails if
# anything did not; --so-far leaves out the stages of lanes not started yet.
ci_verdict() {
  local name outcome detail file lane failed=0
  local -A lane_failed=()
  for name in "${ci_order[@]}"; do
    lane=${ci_lane_of[$name]}
    [[ ${1-} == --so-far && -z ${ci_lane_started[$lane]-} ]] && continue
    file=$ci_dir/.outcome/$(ci_slug "$name")
    if [[ -f $file ]]; then
      IFS=$'\x1f' read -r outcome detail _ <"$file"
      [[ $outcome == passed || $outcome == excused ]] && continue
      echo "$name ($outcome${detail:+: $detail})"
    else
      echo "$name (never reported: $(ci_unreported "$name"))"
    fi
    lane_failed[$lane]=1
    failed=1
  done
  for file in "$ci_dir"/.outcome/*; do
    [[ -f $file ]] || continue
    IFS=$'\x1f' read -r outcome detail name <"$file"
    [[ -z ${ci_limit[$name]-} ]] || continue
    echo "$name ($outcome: $detail)"
    failed=1
  done
  # A lane that went wrong where its stages do not show it (they all passed).
  for lane in "${!ci_lane_end[@]}"; do
    [[ -n ${ci_lane_end[$lane]} && -z ${lane_failed[$lane]-} ]] || continue
    echo "lane $lane (${ci_lane_end[$lane]})"
    failed=1
  done
  ((failed == 0))
}

ci_finish() {
  ci_wait
  local name
  for name in "${ci_order[@]}"; do
    [[ -f $ci_dir/.outcome/$(ci_slug "$name") ]] ||
      printf '%-46s NEVER REPORTED  %s\n' "$name" "$(ci_unreported "$name")" >>"$ci_dir/summary"
  done
  # Stages whose lanes died before they could note them down.
  ci_stop_leftovers "processes left over from this run" >>"$ci_dir/summary" 2>&1
  echo
  echo "=== stage times (the lanes run side by side)"
  # Stages excused from the run, first, so that nobody takes them for a pass.
  [[ ! -s $ci_dir/notes ]] || cat "$ci_dir/notes"
  cat "$ci_dir/summary"
  echo "total: $SECONDS s"
  local failures
  if failures=$(ci_verdict); then
    if ((ci_dry_run)); then
      echo "Dry run: the lanes ran every planned stage (and no stage's command)."
    else
      echo "All tests passed."
    fi
    [[ ! -s $ci_dir/notes ]] || echo "Not all of them ran: see \"not run:\" at the top of the summary."
    return 0
  fi
  echo "FAILED:"
  echo "  ${failures//$'\n'/$'\n'  }"
  return 1
}

# Ctrl+C or a TERM from whoever runs CI: the lanes and every stage stop with the run.
ci_interrupted() {
  trap - INT TERM
  echo "ci: interrupted, stopping every stage" >&2
  # The lanes with their stages, found while the lanes still hold them.
  local running pid pids="${ci_lane_pid[*]}"
  for running in "$ci_dir"/.running/*; do
    [[ -f $running ]] || continue
    IFS=$'\x1f' read -r pid _ <"$running"
    pids+=" $pid"
  done
  ci_stop_leftovers "every stage's processes" "$pids" >&2
  exit 130
}
