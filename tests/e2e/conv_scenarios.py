"""Scenarios of the converter, OSTRAMEL.EXE."""
