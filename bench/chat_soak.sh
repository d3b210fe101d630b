#!/bin/sh
# Runs the long session of chat commands (2 000 lines, one per scanner period: about 20 minutes; the
# environment variable ORVJUBO_SOAK_LINES sets another number) under Wine. Prints the figures and the test's
# result.
#   bench/chat_soak.sh [BUILD_FOLDER]
# Build it first:  cmake --build build/win32 --target orvjubo chatroom chat_soak
exec "$(dirname "$0")/under_wine.sh" chat_soak "$@"
