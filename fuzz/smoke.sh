#!/usr/bin/env bash
# Builds the fuzz preset and gives every fuzz target a short run from an empty corpus, so CI
# notices a target that no longer builds or a fault that fuzzing finds at once. Longer runs:
# build/fuzz/fuzz/<target> -max_len=600 <corpus folder>.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${QUARNIC_FUZZ_SECONDS:-10}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
# Target and longest input: operand texts reach past the 1202 characters of a number with every
# place and its sign; a key sequence of up to
# 200 keys takes one to a few bytes a key; pasted texts reach past the 1200 digits of a full
# operand; a history file of a few entries with long numbers; two full operands of 1200
# digits for the arithmetic (on the limbs of this host, then on 32-bit ones); the five values of
# a kept window place and three work areas.
for run in operand_text_fuzz:1300 converter_keys_fuzz:600 calculator_keys_fuzz:600 \
    paste_parse_fuzz:1300 history_file_fuzz:4000 engine_arithmetic_fuzz:2500 \
    engine_arithmetic_narrow_fuzz:2500 kept_window_place_fuzz:200; do
    target=${run%%:*}
    mkdir -p "$corpus/$target"
    echo "-- $target, ${seconds} s"
    log="$corpus/$target.log"
    # A target's seeds (fuzz/seeds/<target>/, read only) and dictionary (fuzz/<target>.dict).
    dict=() seeds=()
    if [[ -f fuzz/$target.dict ]]; then dict=(-dict="fuzz/$target.dict"); fi
    if [[ -d fuzz/seeds/$target ]]; then seeds=("fuzz/seeds/$target"); fi
    # -len_control=0: long inputs from the start, so a short run already reaches long key
    # sequences (a planted rule on 21-character operands is found in seconds this way).
    if ! "build/fuzz/fuzz/$target" -seed=1 -max_total_time="$seconds" -max_len="${run##*:}" \
        -len_control=0 "${dict[@]}" \
        -artifact_prefix="$corpus/" "$corpus/$target" "${seeds[@]}" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target found a fault (the input is the Base64 line above)"
        exit 1
    fi
    grep -E '^Done' "$log"
done
