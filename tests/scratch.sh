# Sourced by every shell test: strict mode, a scratch folder removed at the end, and a failure.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}
