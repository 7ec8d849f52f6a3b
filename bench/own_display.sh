# SPDX-License-Identifier: MIT
# Sourced by the benchmarks, with the bin folder as its argument: runs the calling script again on an X server of its
# own, without a window manager, unless it already runs on one; then sets the environment every measure runs in.
if [ -z "${ASTROLABE_BENCH_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" env ASTROLABE_BENCH_DISPLAY=1 "$0" "$@"
fi
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# The C locale, or BENCH_LANG=it_IT.UTF-8 for a user's language: then LANG alone says it, as on a desktop, and no
# other locale variable of the caller's overrides it.
if [ -n "${BENCH_LANG:-}" ]; then
    unset LANGUAGE $(env | sed -n 's/^\(LC_[A-Z_]*\)=.*/\1/p')
    export LANG=$BENCH_LANG
else
    export LC_ALL=C
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
