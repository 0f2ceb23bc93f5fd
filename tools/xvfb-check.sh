# What the checks that drive the program on Xvfb share; sourced, after `name` is set to
# the check's name and with the tools it needs as arguments: a skip (exit 77) without
# one of them, a work folder removed at the end with every process started into `pids`,
# fail, within, and start_display.
for tool in Xvfb "$@"; do
    command -v "$tool" > /dev/null || { echo "$name: no $tool, skipped"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$name: $*"
    [ -s "$work/out" ] && sed 's/^/  program: /' "$work/out"
    exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
within() {
    local seconds=$1
    shift
    for ((i = 0; i < seconds * 4; ++i)); do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}

# A display of its own, named $1, of size $2: Xvfb chooses a free number and tells it
# when it is ready; its name (":N") is then in "$work/display-$1".
start_display() {
    Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp 3> "$work/display-$1" > /dev/null 2>&1 &
    pids+=($!)
    within 20 test -s "$work/display-$1" || fail "Xvfb did not start"
    sed -i '1s/^/:/' "$work/display-$1"
}
