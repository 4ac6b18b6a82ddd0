#!/usr/bin/env bash
# Runs a test program on a virtual display of its own: JUCE gives components accessibility
# handlers only inside a window. Listing the tests needs no display.
case " $* " in
    *" --gtest_list_tests "*) exec "$@" ;;
esac

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/xsession.sh"
kb_start_display || exit 1
"$@"
status=$?
kb_stop_display
exit $status
