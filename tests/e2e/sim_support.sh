# Shared by the headbot-sim scripts: a scratch folder and a check that counts.
# Source it; needs SIM, the headbot-sim binary.
set -u
SIM=${SIM:?set SIM to the headbot-sim binary}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then
        passes=$((passes + 1))
    else
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}
