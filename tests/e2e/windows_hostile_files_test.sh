#!/usr/bin/env bash
# Whatever the Linux headbot-sim survives, headbot-sim.exe under Wine
# survives the same way: the hostile level, "config.txt", "saved" and key
# script files of the Linux test, run against the Windows program.
# Needs BUILD_DIR and SOURCE_DIR.
source "$(dirname "$0")/windows_support.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
SIM=$(windows_sim_wrapper "$scratch") bash "$(dirname "$0")/hardening_hostile_files_test.sh"
