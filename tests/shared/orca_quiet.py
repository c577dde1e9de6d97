#!/usr/bin/python3
"""Runs Debian's Orca unchanged but for two things: no speech server (Orca
still logs every line it would say, and nothing waits on speech-dispatcher)
and a debug log written line by line, so that a test can read it as it grows.

Usage: orca_quiet.py LOG
"""
import builtins
import runpy
import sys

import orca.settings as settings

log = sys.argv[1]
settings.speechServerFactory = ""
settings.speechFactoryModules = []
plain_open = builtins.open


def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, buffering=1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)


builtins.open = line_buffered
sys.argv = ["orca", "--replace", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
