#!/usr/bin/env bash
# Refreshes docs/tintwell.png, the picture of the window at the top of the README,
# from the screenshot the run command takes on a virtual display. Run it after a
# change that shows; commit the picture with the change.
set -euo pipefail
cd "$(dirname "$0")/.."

# The run command takes its screenshot only where it has no display of its own.
env -u DISPLAY scripts/run.sh
mkdir -p docs
cp build/tintwell-screenshot.png docs/tintwell.png
echo "docs/tintwell.png updated"
