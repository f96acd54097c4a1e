#!/bin/sh
# Succeeds when this machine can execute 32-bit x86 code, which 32-bit Wine
# needs. Some virtual machines (PVM guests among them) cannot: there the
# loader fails with "Exec format error", and scripts/test-emulated.sh runs
# the 32-bit tests in an emulated machine instead.
/usr/lib/wine/wine --version >/dev/null 2>&1
