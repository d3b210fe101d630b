# shellcheck shell=bash
# Shared by scripts/fuzz and scripts/test (sourced, not run): the fuzz targets of the fuzz preset, one per
# tests/fuzz/*.cpp, and their corpora. Expects $root, $build_root, $log_dir and $run_tmp
# (scripts/lib/desktop.sh).
: "${root:?}" "${build_root:?}" "${log_dir:?}" "${run_tmp:?}"

fuzz_bin_dir="$build_root/fuzz/tests/fuzz"
fuzz_corpus_dir="$root/tests/fuzz/corpus"

# The names of the targets whose sources exist: lines for tests/fuzz/lines.cpp (binary fuzz_lines).
fuzz_target_names() {
  local source
  for source in "$root"/tests/fuzz/*.cpp; do
    [ -e "$source" ] && basename "$source" .cpp
  done
}

# Runs every input of the target's corpus once; true when none crashed or failed a check. The log is
# $log_dir/fuzz-replay-NAME.log.
replay_fuzz_corpus() {
  local name=$1 bin="$fuzz_bin_dir/fuzz_$1" corpus="$fuzz_corpus_dir/$1"
  local log="$log_dir/fuzz-replay-$name.log"
  local inputs=()
  [ -x "$bin" ] || { echo "the binary ${bin#"$root"/} was not built" >"$log"; return 1; }
  [ -d "$corpus" ] && mapfile -t inputs < <(find "$corpus" -type f | sort)
  [ "${#inputs[@]}" -gt 0 ] || { echo "no corpus in ${corpus#"$root"/}" >"$log"; return 1; }
  # Each file is run once, as it is; a crash ends the run with a status other than 0.
  (cd "$run_tmp" && timeout -k 10 300 "$bin" -rss_limit_mb=2048 -timeout=60 "${inputs[@]}") >"$log" 2>&1
}
